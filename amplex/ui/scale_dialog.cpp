// The Scale dialog (20001): the four tab pages, the logos, and whether a scale follows.
#include "amplex/resources/window_ids.h"
#include "amplex/settings/settings.h"
#include "amplex/startup/handlers.h"
#include "amplex/ui/dialog_state.h"
#include "amplex/ui/options_page.h"
#include "amplex/ui/scale_page.h"
#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/plugin/plugin_state.h"
#include "foundation/presets/presets.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {

DialogState& dialogState()
{
    static DialogState state;
    return state;
}

PageWindows& pageWindows()
{
    static PageWindows windows;
    return windows;
}

namespace {

using namespace xt::calls;

constexpr int32_t kTabControl = 10;
constexpr int32_t kUseSettingsButton = 3;
constexpr int32_t kLogo = 5;
constexpr int32_t kProductName = 6;
constexpr int32_t kItemObjectItem = 200;
constexpr int32_t kTextFitTab = 2;
constexpr char kMakerWebPage[] = "https://www.vorne.example/amplex";

struct DialogPictures {
    int32_t logo = 0;
    int32_t productName = 0;
    int32_t itemObject = 0;
};

DialogPictures& pictures()
{
    static DialogPictures held;
    return held;
}

int32_t windowId(int32_t offset)
{
    return foundation::pluginState().windowId(offset);
}

/// The page size of the current document, read for each dimension.
Bounds currentPageBounds()
{
    int16_t id = -1;
    GetCurrentDocument(&id);
    if (id < 0)
        return {};
    const xt::DocumentRef document = GetDocumentRef(id);
    Fixed width = 0;
    Fixed height = 0;
    XdnOp519(document, &width);
    XdnOp520(document, &height);
    return {0, 0, height, width};
}

void onCreated()
{
    pageWindows().dialog = GetCallbackWindow();
    auto& settings = currentSettings();
    auto& state = dialogState();
    state.setCancelled(false);
    state.setFitToOn(false);
    state.setRepeatCount(xt::kFixedOne);
    settings.FitToChoice = 0;
    settings.FitTextRequest = 0;
    settings.FitPictureRequest = 0;
    foundation::InitPresetFolders(true);
}

void onInitItems()
{
    TabOp1680(kTabControl, 0);
    SetControlAttribute1556(kUseSettingsButton, 2, 0);
    SetItemStyle(kLogo, 0x44, 0, 0);
    SetItemStyle(kProductName, 0x144, 0, 0);
    // The pictures live for the plug-in's life: made once, filled again at each opening.
    auto& held = pictures();
    if (held.logo == 0)
        held.logo = NewPictureObject();
    if (held.productName == 0)
        held.productName = NewPictureObject();
    LoadBitmapResource(held.logo, 0x30000000, 2, 20008, 0);
    LoadBitmapResource(held.productName, 0x30000000, 2, 20009, 0);
}

void onOpened()
{
    SetItemPicture(kLogo, pictures().logo);
    SetItemPicture(kProductName, pictures().productName);
    int32_t failures = TabOp1685(kTabControl, windowId(ScalePageWindow), 0, 0) != 0;
    failures += TabOp1685(kTabControl, windowId(OptionsPageWindow), 0, 0) != 0;
    if (dialogState().currentIsTextBox())
        failures += TabOp1685(kTabControl, windowId(TextFitPageWindow), 0, 0) != 0;
    failures += TabOp1685(kTabControl, windowId(PresetsPageWindow), 0, 0) != 0;
    // A page the host would not add leaves its settings out of the user's reach.
    if (failures != 0)
        dialogState().setHostFailed();
    TabOp1681(kTabControl, dialogState().selectedTab());
    AttachItemObject1526(kItemObjectItem, 0, &pictures().itemObject);
}

foundation::dialog::OkAnswer onOk()
{
    ReadScalePage();
    ReadOptionsPage();
    auto& settings = currentSettings();
    if (dialogState().currentIsTextBox()) {
        ReadTextFitPage();
        int32_t tab = 0;
        // Without the tab in front the dialog cannot tell a fit from a scale: it does neither.
        if (GetSelectedTab(kTabControl, &tab, 0) != 0) {
            dialogState().setHostFailed();
            return foundation::dialog::OkAnswer::Close;
        }
        dialogState().setSelectedTab(tab);
        if (tab == kTextFitTab)
            settings.FitTextRequest = 1;
    }
    if (settings.ScaleDocumentSize == 0 && settings.ScaleWhat == ScaleDocument)
        settings.ScaleWhat = ScalePageRange;
    return foundation::dialog::OkAnswer::Close;
}

void onClosing()
{
    int32_t tab = 0;
    if (GetSelectedTab(kTabControl, &tab, 0) == 0)
        dialogState().setSelectedTab(tab);
    pageWindows() = PageWindows{};
    if (pictures().itemObject != 0)
        ReleaseItemObject1527(pictures().itemObject);
    pictures().itemObject = 0;
    foundation::DiscardPresetList();
}

constexpr foundation::dialog::ItemAction kItemActions[] = {
    {kUseSettingsButton, [](int32_t) {
        ReadScalePage(true);
        dialogState().setCancelled(true);
        DrawWindowPart1506(0, 0, 0);
    }},
    {kLogo, [](int32_t) {
        auto* window = static_cast<HWND>(XdwOp1714());
        ShellExecuteA(window, "open", kMakerWebPage, nullptr, nullptr, 1);
    }},
};

/// The page size and the selection as they are before the dialog opens, and no target size yet.
void beforeResource()
{
    dialogState().setPageBounds(currentPageBounds());
    dialogState().saveSelectionBounds();
    currentSettings().TargetWidth = 0;
    currentSettings().TargetHeight = 0;
}

constexpr int32_t kQuietEvents[] = {xt::DrawEvent, xt::DrawEvent24, xt::AcceptEvent};

constexpr foundation::dialog::DialogHandlers kScaleDialog{
    .resourceId = 20001,
    .beforeResource = beforeResource,
    .created = onCreated,
    .initItems = onInitItems,
    .opened = onOpened,
    .itemHit = [](const xt::WindowCallbackRecord& record) {
        return foundation::dialog::runItemAction(kItemActions, record.item);
    },
    .ok = onOk,
    .cancel = [] { dialogState().setCancelled(true); },
    .closing = onClosing,
    .quietEvents = kQuietEvents,
};

} // namespace
} // namespace amplex::ui

namespace amplex {

int32_t ScaleDialogProc(void* block)
{
    return foundation::dialog::dispatchDialogEvent(ui::kScaleDialog, block);
}

} // namespace amplex
