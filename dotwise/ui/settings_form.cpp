// Filling the settings dialog's fields from the record and reading every item back into it.
#include "dotwise/ui/settings_form.h"

#include <string>

#include "dotwise/ui/dialog_items.h"
#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"

namespace dotwise::ui {
namespace {

using namespace xt::calls;

constexpr size_t kFieldTextSize = 256;

void setField(int32_t item, xt::Fixed value)
{
    SetFieldText(item, 0, value);
}

void readField(int32_t item, xt::Fixed& value)
{
    xt::Fixed read = 0;
    uint8_t ok = 0;
    if (GetFieldNumber(item, nullptr, &read, &ok) == 0 && ok == 1)
        value = read;
}

bool checked(int32_t item, uint8_t kept)
{
    int16_t value = 0;
    if (GetControlValue(item, &value) != 0)
        return kept != 0;
    return value != 0;
}

std::string fieldText(int32_t item)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    if (GetFieldNumber(item, &text, nullptr, &ok) != 0 || !text)
        return {};
    // An empty field is no error: it has nothing to convert.
    if (GetTextObjectLength(text) <= 0) {
        DisposeTextObject(text);
        return {};
    }
    char buffer[kFieldTextSize] = {};
    foundation::TextToCString(text, buffer, static_cast<int32_t>(kFieldTextSize));
    DisposeTextObject(text);
    return buffer;
}

/// A style popup: row 0 is "No override" (-1), row k the sheet k - 1 with its name.
void readStylePopup(int32_t popup, int16_t& id, char (&name)[kNameSize])
{
    const int32_t row = popupSelection(popup);
    if (row < 0)
        return;
    id = static_cast<int16_t>(row == 0 ? kNoStyle : row - 1);
    copyName(name, kNameSize, row == 0 ? std::string() : GetListItemText(popup, row));
}

} // namespace

void fillForm(const ListSettings& settings)
{
    for (int level = 1; level <= kMaxLevel; ++level) {
        setField(LeftIndentFields[static_cast<size_t>(level - 1)], settings.leftIndent[level]);
        setField(RightIndentFields[static_cast<size_t>(level - 1)], settings.rightIndent[level]);
    }
    setField(GapAmountField, settings.gapAmount);
    setField(LeadAmountField, settings.leadAmount);
    SetControlValue(BoldBox, settings.boldMarkers);
    SetControlValue(HangBox, settings.hangIndents);
    SetControlValue(AutoIndentBox, settings.autoIndent);
}

void ReadSettingsDialog(ListSettings& settings)
{
    settings.boldMarkers = checked(BoldBox, settings.boldMarkers) ? 1 : 0;
    settings.hangIndents = checked(HangBox, settings.hangIndents) ? 1 : 0;
    settings.autoIndent = checked(AutoIndentBox, settings.autoIndent) ? 1 : 0;
    for (int level = 1; level <= kMaxLevel; ++level) {
        const auto index = static_cast<size_t>(level - 1);
        readField(LeftIndentFields[index], settings.leftIndent[level]);
        readField(RightIndentFields[index], settings.rightIndent[level]);
        readStylePopup(LevelStylePopups[index], settings.levelStyleId[level], settings.levelStyleName[level]);
        const int32_t type = popupSelection(NumberTypePopups[index]) + 1;
        if (type >= kFirstNumberType && type <= kLastNumberType)
            settings.numberType[level] = static_cast<int16_t>(type);
    }
    const int32_t gap = popupSelection(GapPopup) + 1;
    if (gap >= GapEnSpace && gap <= GapTab)
        settings.gapKind = static_cast<int16_t>(gap);
    readField(GapAmountField, settings.gapAmount);
    readField(LeadAmountField, settings.leadAmount);
    const int32_t font = popupSelection(FontPopup);
    if (font >= 0) {
        settings.bulletFontIndex = static_cast<int16_t>(font);
        copyName(settings.bulletFont, kNameSize, font == 0 ? std::string(kSameFont) : GetListItemText(FontPopup, font));
    }
    // An empty field keeps the bullet: a NUL character would go into the text.
    const uint16_t bullet = firstCharacter(fieldText(CharacterField));
    if (bullet != 0)
        settings.bulletChar = bullet;
    readStylePopup(BulletStylePopup, settings.bulletStyleId, settings.bulletStyleName);
}

} // namespace dotwise::ui
