// The settings dialog: fills its items from the working ListSettings when it opens and writes them
// back, then saves the file, on OK. It never changes a document.
#include <array>
#include <cstring>
#include <string>

#include "dotwise/resources/dialog_resources.h"
#include "dotwise/settings/list_settings.h"
#include "dotwise/settings/settings_file.h"
#include "dotwise/startup/handlers.h"
#include "dotwise/ui/dialog_items.h"
#include "dotwise/ui/font_menu.h"
#include "dotwise/ui/settings_form.h"
#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/dialog/item_pictures.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/page_records.h"
#include "xtapi/window_callback.h"

namespace dotwise {
namespace {

using namespace xt::calls;
using namespace ui;
namespace dialog = foundation::dialog;

constexpr int32_t kCheckBoxSetup = 2;
constexpr int32_t kPopupSetup = static_cast<int32_t>(0x80000001u);
constexpr xt::Fixed kLargestIndent = 720 * xt::kFixedOne;
constexpr char kNoOverride[] = "No override";

struct PopupLabel {
    int32_t popup;
    int32_t label;
};
constexpr std::array<PopupLabel, 11> kPopupLabels = {{
    {LevelStylePopups[0], 0}, {LevelStylePopups[1], 0}, {LevelStylePopups[2], 0}, {LevelStylePopups[3], 0},
    {GapPopup, 16}, {FontPopup, 20}, {BulletStylePopup, 23},
    {NumberTypePopups[0], 25}, {NumberTypePopups[1], 27}, {NumberTypePopups[2], 29}, {NumberTypePopups[3], 31},
}};

int32_t g_banner = 0;

void initialiseItems()
{
    for (const int32_t box : {BoldBox, HangBox, AutoIndentBox})
        SetControlState1562(box, kCheckBoxSetup);
    for (const int32_t field : kMeasurementFields)
        SetFieldNumber(field, 1, 0, xt::UnitPoints, 0, kLargestIndent, 26);
    SetFieldNumber(CharacterField, 1, 0, xt::UnitText, 0, 0, 0);
    for (const PopupLabel& entry : kPopupLabels)
        ConfigureList1596(entry.popup, entry.label, static_cast<uint32_t>(kPopupSetup), 0);
    g_banner = dialog::loadItemPicture(BannerPicture, BannerBitmap);
}

/// "No override" and the current document's style sheets of one kind, in their order.
void FillStyleSheetPopup(int32_t item, int32_t kind)
{
    resetPopup(item, kNoOverride);
    int16_t documentId = -1;
    GetCurrentDocument(&documentId);
    if (documentId < 0)
        return;
    const int32_t table = StyleSheetOp3710(GetDocumentRef(documentId));
    const int32_t count = table ? GetStyleSheetCount(table, kind) : 0;
    for (int32_t index = 0; index < count; ++index) {
        int32_t style = 0;
        if (GetStyleSheet(table, kind, index, &style) != 0)
            continue;
        if (kind == xt::kParagraphStyle) {
            xt::ParagraphStyleRecord record{};
            if (StyleSheetOp5138(table, style, &record) == 0)
                appendPopupRow(item, std::string(record.name, strnlen(record.name, sizeof record.name)));
        } else {
            xt::CharacterStyleRecord record{};
            if (StyleSheetOp5141(table, style, &record) == 0)
                appendPopupRow(item, std::string(record.name, strnlen(record.name, sizeof record.name)));
        }
    }
}

/// "Same font" and the installed families from a Windows menu; "Same font" alone when no menu can be made.
void fillFontPopup(const ListSettings& settings)
{
    HMENU menu = CreateMenu();
    if (menu) {
        BuildFontMenu(menu);
        SetPopupMenuResource(FontPopup, menu, 0);
        DestroyMenu(menu);
        insertPopupRow(FontPopup, 0, kSameFont);
    } else {
        resetPopup(FontPopup, kSameFont);
    }
    SetListSelection(FontPopup, FindPopupIndex(FontPopup, settings.bulletFont, kNameSize));
}

void enableGapAmounts(bool enabled)
{
    const int32_t mode = enabled ? xt::kItemModeEnable : xt::kItemModeDisable;
    SetDialogItemMode(GapAmountField, mode);
    SetDialogItemMode(LeadAmountField, mode);
}

void opened()
{
    dialog::showItemPicture(BannerPicture, g_banner);
    ListSettings& settings = listSettings();
    LoadListSettings(settings);
    SetPopupMenuResource(GapPopup, 0, GapCharacterMenu);
    SetListSelection(GapPopup, settings.gapKind - 1);
    for (int level = 1; level <= kMaxLevel; ++level) {
        const int32_t popup = NumberTypePopups[static_cast<size_t>(level - 1)];
        SetPopupMenuResource(popup, 0, NumberTypeMenu);
        SetListSelection(popup, settings.numberType[level] - 1);
    }
    fillFontPopup(settings);
    for (int level = 1; level <= kMaxLevel; ++level) {
        const int32_t popup = LevelStylePopups[static_cast<size_t>(level - 1)];
        FillStyleSheetPopup(popup, xt::kParagraphStyle);
        SetListSelection(popup, FindPopupIndex(popup, settings.levelStyleName[level], kNameSize));
    }
    FillStyleSheetPopup(BulletStylePopup, xt::kCharacterStyle);
    SetListSelection(BulletStylePopup, FindPopupIndex(BulletStylePopup, settings.bulletStyleName, kNameSize));
    fillForm(settings);
    enableGapAmounts(settings.gapKind == GapTab);
}

/// The dialog takes every item hit; only the gap popup changes what else may be edited.
bool itemHit(const xt::WindowCallbackRecord& record)
{
    if (record.item == GapPopup)
        enableGapAmounts(popupSelection(GapPopup) == GapTab - 1);
    return true;
}

dialog::OkAnswer accepted()
{
    ListSettings& settings = listSettings();
    ReadSettingsDialog(settings);
    SaveListSettings(settings);
    return dialog::OkAnswer::Close;
}

constexpr dialog::DialogHandlers kSettingsDialog{
    .resourceId = SettingsDialogResource,
    .initItems = initialiseItems,
    .opened = opened,
    .itemHit = itemHit,
    .ok = accepted,
    .closing = [] { dialog::disposePicture(g_banner); },
};

} // namespace

int32_t SettingsDialogCallback(void* block)
{
    return foundation::dialog::dispatchDialogEvent(kSettingsDialog, block);
}

} // namespace dotwise
