// The link dialog: scope, action, unlink mode and the keep-text option, written from the working copy
// when it opens and read back at OK.
#include "threadix/ui/link_dialog.h"

#include <array>

#include "foundation/binding/binding.h"
#include "foundation/plugin/skeleton.h"
#include "threadix/resources/dialog_resources.h"
#include "threadix/resources/threadix_id.h"
#include "threadix/ui/dialog_text.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace threadix {
namespace {

constexpr int32_t kPictureStyle = 0x44;
constexpr int32_t kBitmapFromModule = 0x30000000;

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

int32_t loadPicture(int32_t item, int32_t bitmap)
{
    xt::calls::SetItemStyle(item, kPictureStyle, 0, 0);
    const int32_t picture = xt::calls::NewPictureObject();
    if (picture != 0)
        xt::calls::LoadBitmapResource(picture, kBitmapFromModule, 2, bitmap, 0);
    return picture;
}

void setUpItems()
{
    g_state.pictures = {loadPicture(kBannerPicture, kBannerBitmap), loadPicture(kModesPicture, kModesBitmap)};
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
    if (g_state.pictures[0] != 0)
        xt::calls::SetItemPicture(kBannerPicture, g_state.pictures[0]);
    if (g_state.pictures[1] != 0)
        xt::calls::SetItemPicture(kModesPicture, g_state.pictures[1]);
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

/// An item click; false for an item the dialog leaves to the host.
bool itemHit(int32_t item)
{
    switch (item) {
    case kSelectionRadio:
        showScope(LinkScope::Selection);
        return true;
    case kPagesRadio:
        showScope(LinkScope::Pages);
        return true;
    case kUnlinkRadio:
        showAction(LinkAction::Unlink);
        return true;
    case kLinkRadio:
        showAction(LinkAction::LinkRelink);
        return true;
    case kHelpButton: {
        int32_t result = 0;
        xt::calls::OpenDialog(foundation::windowId(kHelpDialogWindow), 0, &result);
        return true;
    }
    case kBannerPicture:
        ShellExecuteA(nullptr, "open", kBannerAddress, nullptr, nullptr, SW_SHOWNORMAL);
        return true;
    default:
        return false;
    }
}

void closing()
{
    for (int32_t& picture : g_state.pictures) {
        if (picture != 0)
            xt::calls::DisposePictureObject(picture);
        picture = 0;
    }
}

} // namespace

int32_t LinkDialogCallback(void* data)
{
    auto* record = static_cast<xt::WindowCallbackRecord*>(data);
    record->handled = 1;
    switch (record->event) {
    case xt::WhichResourceEvent:
        static_cast<xt::WhichResourceBlock*>(record->argument.answer)->resourceId = kLinkDialogResource;
        break;
    case xt::CreatedEvent:
        g_state.ok = false;
        break;
    case xt::InitItemsEvent:
        setUpItems();
        break;
    case xt::WindowOpened:
        writeLinkDialog();
        break;
    case xt::ItemHit:
        // Radios switch themselves; the dialog follows with the items that depend on them.
        if (!itemHit(record->item))
            record->handled = 0;
        break;
    case xt::OkEvent:
        readLinkDialog();
        g_state.ok = true;
        break;
    case xt::CancelEvent:
        g_state.ok = false;
        break;
    case xt::ClosingEvent:
        closing();
        break;
    case xt::DrawEvent:
    case xt::DrawEvent14:
    case xt::DrawEvent24:
        break;
    default:
        record->handled = 0;
        break;
    }
    return 0;
}

bool runLinkDialog(LinkSettings& settings, bool boxCurrent)
{
    g_state = DialogState{settings, boxCurrent, false, {}};
    int32_t result = 0;
    if (xt::calls::OpenDialog(foundation::windowId(kLinkDialogWindow), 0, &result) != 0 || !g_state.ok)
        return false;
    settings = g_state.working;
    return true;
}

} // namespace threadix
