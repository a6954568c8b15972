// The link dialog: scope, action, unlink mode and the keep-text option, written from the working copy
// when it opens and read back at OK.
#include "threadix/ui/link_dialog.h"

#include <array>

#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/dialog/item_pictures.h"
#include "threadix/resources/dialog_resources.h"
#include "threadix/resources/threadix_id.h"
#include "threadix/ui/dialog_text.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace threadix {
namespace {

namespace dialog = foundation::dialog;

struct DialogState {
    LinkSettings working;
    bool boxCurrent = false;
    bool ok = false;
    std::array<int32_t, 2> pictures{};
};

DialogState g_state;

/// The mode radios in the order of their items (9 to 12) and the mode each stands for.
struct ModeRadio {
    int32_t item;
    UnlinkMode mode;
};
constexpr std::array<ModeRadio, 4> kModeRadios = {{
    {kSeparateChainsRadio, UnlinkMode::SeparateChains},
    {kFlowAroundRadio, UnlinkMode::FlowAround},
    {kCutAtEndRadio, UnlinkMode::CutAtEnd},
    {kCutAtStartRadio, UnlinkMode::CutAtStart},
}};

void setMode(int32_t item, bool on)
{
    xt::calls::SetDialogItemMode(item, on ? xt::kItemModeEnable : xt::kItemModeDisable);
}

void enableUnlinkModes(bool on)
{
    if (on) {
        for (const ModeRadio& radio : kModeRadios)
            setMode(radio.item, true);
    } else {
        xt::calls::SetDialogItemMode(kSeparateChainsRadio, xt::kItemModeDisableGroup);
    }
    setMode(kModesPicture, on);
}

void showScope(LinkScope scope)
{
    xt::calls::DialogItemOp1568(scope == LinkScope::Selection ? kSelectionRadio : kPagesRadio);
    const bool pages = scope == LinkScope::Pages;
    setMode(kPageField, pages);
    setMode(kSectionRadio, pages);
}

void showAction(LinkAction action)
{
    const bool unlink = action == LinkAction::Unlink;
    xt::calls::DialogItemOp1568(unlink ? kUnlinkRadio : kLinkRadio);
    enableUnlinkModes(unlink);
    setMode(kKeepTextBox, !unlink);
}

void setUpItems()
{
    g_state.pictures = {dialog::loadItemPicture(kBannerPicture, kBannerBitmap), dialog::loadItemPicture(kModesPicture, kModesBitmap)};
    if (g_state.boxCurrent) {
        xt::calls::DefineRadioGroup(kSelectionRadio, kPagesRadio, 0);
    } else {
        xt::calls::DefineRadioGroup(kSelectionRadio, kSelectionRadio, 0);
        xt::calls::DefineRadioGroup(kPagesRadio, kPagesRadio, 0);
    }
    setMode(kSelectionRadio, g_state.boxCurrent);
    xt::calls::DefineRadioGroup(kUnlinkRadio, kLinkRadio, 0);
    xt::calls::DefineRadioGroup(kSeparateChainsRadio, kCutAtStartRadio, 0);
    xt::calls::DefineRadioGroup(kSectionRadio, kSequenceRadio, 0);
}

void writeLinkDialog()
{
    LinkSettings& working = g_state.working;
    dialog::showItemPicture(kBannerPicture, g_state.pictures[0]);
    dialog::showItemPicture(kModesPicture, g_state.pictures[1]);
    working.scope = g_state.boxCurrent ? LinkScope::Selection : LinkScope::Pages;
    setFieldText(kPageField, working.pageText);
    showScope(working.scope);
    showAction(working.action);
    for (const ModeRadio& radio : kModeRadios) {
        if (radio.mode == working.mode)
            xt::calls::DialogItemOp1568(radio.item);
    }
    xt::calls::DialogItemOp1568(working.bySectionNumber ? kSectionRadio : kSequenceRadio);
    xt::calls::SetControlValue(kKeepTextBox, working.keepText ? 1 : 0);
}

void readLinkDialog()
{
    LinkSettings& working = g_state.working;
    working.pageText = fieldText(kPageField, kPageTextLimit);
    working.scope = isOn(kSelectionRadio) ? LinkScope::Selection : LinkScope::Pages;
    working.action = isOn(kUnlinkRadio) ? LinkAction::Unlink : LinkAction::LinkRelink;
    for (const ModeRadio& radio : kModeRadios) {
        if (isOn(radio.item))
            working.mode = radio.mode;
    }
    working.bySectionNumber = isOn(kSectionRadio);
    working.keepText = isOn(kKeepTextBox);
}

/// The clicks the dialog answers itself. Radios switch themselves; the dialog follows with the items that
/// depend on them.
constexpr dialog::ItemAction kItemActions[] = {
    {kSelectionRadio, [](int32_t) { showScope(LinkScope::Selection); }},
    {kPagesRadio, [](int32_t) { showScope(LinkScope::Pages); }},
    {kUnlinkRadio, [](int32_t) { showAction(LinkAction::Unlink); }},
    {kLinkRadio, [](int32_t) { showAction(LinkAction::LinkRelink); }},
    {kHelpButton, [](int32_t) { dialog::runModalDialog(kHelpDialogWindow); }},
    {kBannerPicture, [](int32_t) { ShellExecuteA(nullptr, "open", kBannerAddress, nullptr, nullptr, SW_SHOWNORMAL); }},
};

void closing()
{
    for (int32_t& picture : g_state.pictures)
        dialog::disposePicture(picture);
}

constexpr dialog::DialogHandlers kLinkDialog{
    .resourceId = kLinkDialogResource,
    .created = [] { g_state.ok = false; },
    .initItems = setUpItems,
    .opened = writeLinkDialog,
    .itemHit = [](const xt::WindowCallbackRecord& record) { return dialog::runItemAction(kItemActions, record.item); },
    .ok = [] {
        readLinkDialog();
        g_state.ok = true;
        return dialog::OkAnswer::Close;
    },
    .cancel = [] { g_state.ok = false; },
    .closing = closing,
    .quietEvents = dialog::kDrawEvents,
};

} // namespace

int32_t LinkDialogCallback(void* data)
{
    return foundation::dialog::dispatchDialogEvent(kLinkDialog, data);
}

bool runLinkDialog(LinkSettings& settings, bool boxCurrent)
{
    g_state = DialogState{settings, boxCurrent, false, {}};
    if (!foundation::dialog::runModalDialog(kLinkDialogWindow) || !g_state.ok)
        return false;
    settings = g_state.working;
    return true;
}

} // namespace threadix
