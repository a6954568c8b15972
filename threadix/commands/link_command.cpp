// "Threadix...": the link dialog, then the work it chose on the selection or on a page range.
#include <string>
#include <variant>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/binding/undo_step.h"
#include "threadix/engine/box_facts.h"
#include "threadix/engine/chain_work.h"
#include "threadix/engine/page_list.h"
#include "threadix/engine/page_runs.h"
#include "threadix/settings/link_settings.h"
#include "threadix/startup/handlers.h"
#include "threadix/startup/menus.h"
#include "threadix/ui/link_dialog.h"
#include "threadix/ui/link_warning.h"
#include "threadix/ui/progress_box.h"
#include "xtapi/messages.h"

namespace threadix {
namespace {

constexpr char kNoSelection[] = "There is no box selected for Link Selection.";
constexpr char kGroupedBoxes[] = "Can't link grouped boxes.";
constexpr char kUnlinkCanceled[] = "Unlinking has been canceled.";
constexpr char kRelinkCanceled[] = "Relinking has been canceled.";
constexpr char kHostRefused[] = "Threadix could not change every chain as asked: the application refused a step.";

/// The page the layout window shows, as its first 16-bit value.
int16_t shownPage(xt::WindowRef window)
{
    int32_t value = 0;
    if (window == 0 || xt::calls::GetWindowValue3563(window, &value) != 0)
        return 0;
    return static_cast<int16_t>(value & 0xFFFF);
}

/// The document's place, read when the command starts.
WorkPlace keptPlace(int16_t document)
{
    WorkPlace place;
    place.document = xt::calls::GetDocumentRef(document);
    xt::calls::GetDocumentWindow(place.document, &place.window);
    return place;
}

void unlinkSelection(const WorkPlace& place, int32_t box, UnlinkMode mode)
{
    const int16_t before = shownPage(place.window);
    UnlinkBox(place, box, mode);
    // The work shows the box's page; the user goes back to the page they were on.
    if (shownPage(place.window) != before)
        xt::calls::DocumentOp868(place.window, before);
}

void runPages(const WorkPlace& place, const LinkSettings& settings)
{
    const bool unlinking = settings.action == LinkAction::Unlink;
    auto pages = pagesToRun(settings.pageText, settings.bySectionNumber, unlinking, place.document);
    if (const auto* refusal = std::get_if<std::string>(&pages)) {
        ShowLinkWarning(*refusal);
        return;
    }
    const auto& list = std::get<std::vector<int>>(pages);
    ProgressBox progress;
    const RunEnd end = unlinking ? UnlinkPages(place, list, settings.mode, progress)
                                 : RelinkPages(place, list, settings.keepText, progress);
    if (end == RunEnd::Cancelled)
        ShowLinkWarning(unlinking ? kUnlinkCanceled : kRelinkCanceled);
}

void runWork(const WorkPlace& place, const LinkSettings& settings, int32_t box)
{
    if (settings.scope == LinkScope::Pages) {
        runPages(place, settings);
        // A page run makes each box current in turn; the user gets their selection back.
        makeCurrent(box);
        return;
    }
    if (box == 0) {
        ShowLinkWarning(kNoSelection);
        return;
    }
    if (settings.action == LinkAction::Unlink) {
        unlinkSelection(place, box, settings.mode);
        return;
    }
    if (RelinkBox(place, box, settings.keepText) == LinkOutcome::GroupedBoxes)
        ShowLinkWarning(kGroupedBoxes);
}

} // namespace

int32_t LinkCommand(void* block)
{
    const uint16_t item = static_cast<const xt::MenuCommandBlock*>(block)->itemId;
    if (item == 0 || item != threadixItem())
        return 0;
    int16_t document = -1;
    if (xt::calls::GetCurrentDocument(&document) != 0 || document < 0)
        return 0;
    // The dialog's items are read through the host too: a failure there changes what the work does.
    const foundation::HostFailureWatch watch;
    const WorkPlace place = keptPlace(document);
    const int32_t box = currentBox();
    LinkSettings& settings = linkSettings();
    settings.pageText = "All";
    if (!runLinkDialog(settings, box != 0))
        return 0;
    {
        // One step for the whole command; what a cancel or a refusal left done is undone with the rest.
        const foundation::UndoStep step;
        runWork(place, settings, box);
    }
    if (watch.failed())
        ShowLinkWarning(kHostRefused);
    return 0;
}

} // namespace threadix
