// Popup rows, names and characters of the settings dialog.
#include "dotwise/ui/dialog_items.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/dialogs.h"

namespace dotwise::ui {
namespace {

constexpr size_t kRowTextSize = 256;

} // namespace

std::string GetListItemText(int32_t item, int32_t row)
{
    xt::TextObject text = nullptr;
    if (xt::calls::ListOp3451(item, row, &text) != 0 || !text)
        return {};
    if (xt::calls::GetTextObjectLength(text) <= 0) {
        xt::calls::DisposeTextObject(text);
        return {};
    }
    char buffer[kRowTextSize] = {};
    foundation::TextToCString(text, buffer, static_cast<int32_t>(kRowTextSize));
    xt::calls::DisposeTextObject(text);
    return buffer;
}

void resetPopup(int32_t item, const std::string& firstRow)
{
    int32_t count = 0;
    xt::calls::GetListCount(item, &count);
    for (int32_t row = 0; row < count; ++row)
        xt::calls::DeleteListItem(item, 0);
    appendPopupRow(item, firstRow);
}

void appendPopupRow(int32_t item, const std::string& text)
{
    int32_t row = -1;
    if (xt::calls::InsertListItem(item, xt::kAppendListRow, &row) != 0)
        return;
    xt::TextObject label = xt::calls::NewTextObject(text.c_str(), 0, static_cast<int32_t>(text.size()));
    xt::calls::SetListEntryText(item, row, label);
    xt::calls::DisposeTextObject(label);
}

int32_t FindPopupIndex(int32_t item, const char* text)
{
    int32_t count = 0;
    xt::calls::GetListCount(item, &count);
    for (int32_t row = 0; row < count; ++row) {
        if (GetListItemText(item, row) == text)
            return row;
    }
    return 0;
}

int32_t popupSelection(int32_t item)
{
    int32_t row = -1;
    xt::calls::GetListSelection(item, &row);
    return row;
}

void copyName(char* name, size_t size, const std::string& text)
{
    std::memset(name, 0, size);
    std::memcpy(name, text.data(), std::min(text.size(), size - 1));
}

uint16_t firstCharacter(const std::string& text)
{
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto continuation = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) & 0x3F : 0; };
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0)
        return static_cast<uint16_t>(((lead & 0x1F) << 6) | continuation(1));
    if ((lead & 0xF0) == 0xE0)
        return static_cast<uint16_t>(((lead & 0x0F) << 12) | (continuation(1) << 6) | continuation(2));
    return lead;
}

std::string utf8Of(uint16_t character)
{
    std::string text;
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
    return text;
}

} // namespace dotwise::ui
