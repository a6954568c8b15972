// The two menu commands: the greek item (greek, ungreek or fill) and the settings item.
#include "foundation/binding/binding.h"
#include "mockum/engine/common/box_text.h"
#include "mockum/engine/common/current_box.h"
#include "mockum/engine/common/host_failures.h"
#include "mockum/engine/fill/placeholder_fill.h"
#include "mockum/engine/greek/greek_scopes.h"
#include "mockum/settings/greek_settings.h"
#include "mockum/startup/handlers.h"
#include "mockum/startup/menus.h"
#include "mockum/startup/startup.h"
#include "mockum/ui/settings_dialog.h"
#include "xtapi/messages.h"
#include "xtapi/page_records.h"

namespace mockum {
namespace {

constexpr int32_t kUndoKindText = 24;

/// Runs `greek` inside one undo step and tells the user when the host refused part of it.
template <class Greek>
void inUndoStep(Greek greek)
{
    const HostFailureWatch watch;
    xt::calls::UndoOp2953(kUndoKindText, 0);
    greek();
    xt::calls::UndoOp2954();
    reportFailures(watch);
}

void runGreekItem(bool documentOpen)
{
    if (!documentOpen)
        return;
    GreekSettings& settings = greekSettings();
    const int32_t box = takeCurrentBox();
    settings.selectionScopesOffered = box != 0;
    if (box == 0)
        return;
    // An empty text box is filled whatever the tool, since that is what the item's label offers.
    if (IsEmptyTextBox(box)) {
        FillPlaceholderText(box, ownResourceFile());
        return;
    }
    const int32_t tool = xt::calls::GetCurrentTool();
    if (tool < 0) {
        // Which words to greek depends on the tool; without it, nothing is greeked and the user hears why.
        const HostFailureWatch watch;
        noteHostFailure();
        reportFailures(watch);
        return;
    }
    if (tool == kTextTool)
        inUndoStep([&] { GreekSelection(settings); });
    else
        inUndoStep([&] { GreekItem(settings); });
}

int32_t pageCountOf(int16_t document)
{
    xt::PageInfo info{};
    if (document < 0 || xt::calls::GetPageInfo(xt::calls::GetDocumentRef(document), &info) != 0)
        return 0;
    return info.pageCount;
}

void greekInScope(const GreekSettings& settings)
{
    switch (settings.scope) {
    case GreekScope::Selection: {
        const int32_t tool = xt::calls::GetCurrentTool();
        if (tool < 0) {
            noteHostFailure();
            break;
        }
        if (tool == kTextTool) {
            GreekSelection(settings);
        } else {
            takeCurrentBox();
            GreekItem(settings);
        }
        break;
    }
    case GreekScope::EntireItem:
        GreekEntireItems(settings);
        break;
    case GreekScope::PageRange:
        GreekPageRange(settings);
        break;
    }
}

void runSettings(int16_t document)
{
    GreekSettings& settings = greekSettings();
    settings.selectionScopesOffered = document >= 0 && takeCurrentBox() != 0;
    if (!runSettingsDialog(settings, pageCountOf(document)) || document < 0)
        return;
    inUndoStep([&] { greekInScope(settings); });
}

} // namespace

int32_t OnMenuCommand(void* block)
{
    const uint16_t item = static_cast<const xt::MenuCommandBlock*>(block)->itemId;
    int16_t document = -1;
    xt::calls::GetCurrentDocument(&document);
    const MockumMenus& menus = mockumMenus();
    if (item == 0)
        return 0;
    if (item == menus.greekItem)
        runGreekItem(document >= 0);
    else if (item == menus.settingsItem)
        runSettings(document);
    return 0;
}

} // namespace mockum
