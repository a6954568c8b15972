// The clone command's engine: from settings to copies.
#include "twinnel/engine/clone_command.h"

#include <algorithm>
#include <optional>
#include <string>

#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "foundation/text/text_helpers.h"
#include "page_range/page_range.h"
#include "twinnel/engine/common/project_names.h"
#include "twinnel/engine/copy/clone_pages.h"
#include "twinnel/engine/copy/clone_selection.h"
#include "twinnel/engine/destination/new_document.h"
#include "twinnel/engine/destination/project_file.h"
#include "twinnel/engine/split/project_files.h"
#include "twinnel/engine/split/split.h"
#include "twinnel/engine/undo/clone_undo.h"
#include "twinnel/resources/twinnel_id.h"
#include "win32/windows.h"
#include "xtapi/box_record.h"

namespace twinnel {
namespace {

constexpr int32_t kContentTool = 1;
constexpr char kNoSelection[] = "There is no box selected for Clone Selection.";
constexpr char kCouldNotAddPages[] = "Couldn't add pages. Clone aborted.";

Destination destinationOf(const CloneRun& run)
{
    const int32_t index = run.settings.destination;
    const int32_t firstLayout = static_cast<int32_t>(Destination::FirstOpenLayout);
    const int32_t lastLayout = firstLayout + static_cast<int32_t>(run.openLayouts.size()) - 1;
    // An entry past the open layouts names one closed since the popup was filled.
    if (index < static_cast<int32_t>(Destination::CurrentLayout) || (index >= firstLayout && index > lastLayout))
        return Destination::CurrentLayout;
    return static_cast<Destination>(index);
}

/// The pages the run copies: the typed list read against the source, or the selected box's page.
bool readSourcePages(CloneRun& run)
{
    if (run.settings.source == CloneSource::Selection) {
        xt::PlaceRecord place{};
        if (run.box == 0) {
            foundation::WarningBox(kNoSelection);
            return false;
        }
        if (xt::calls::GetBoxBounds(run.box, 0, &place) != 0)
            return false;
        run.pages = {place.pageNumber};
        return true;
    }
    const auto numbering = run.settings.bySectionNumber ? page_range::Numbering::Section : page_range::Numbering::Sequence;
    auto parsed = page_range::parsePageRange(run.settings.pageText, numbering, HostPages(run.source.ref));
    if (const auto* refused = std::get_if<page_range::Refusal>(&parsed)) {
        foundation::WarningBox(refused->message.c_str());
        return false;
    }
    run.pages = std::move(std::get<page_range::PageNumbers>(parsed));
    return true;
}

std::optional<Target> newTarget(const CloneRun& run, NewDocumentKind kind)
{
    const auto made = newDocumentLike(run.source.ref, kind, cloneName(projectNameOf(run.source.ref)));
    if (!made) {
        foundation::noteHostFailure();
        return std::nullopt;
    }
    cloneUndo().noteNewLayout(made->ref, kind == NewDocumentKind::Project);
    if (run.settings.source == CloneSource::Pages && !copyMasterSpreads(run.source.ref, made->ref))
        foundation::noteHostFailure();
    return Target{*made, true};
}

std::optional<Target> prepareTarget(const CloneRun& run, Destination destination)
{
    switch (destination) {
    case Destination::CurrentLayout:
        return Target{run.source, false};
    case Destination::ProjectFile:
        if (const auto opened = openProjectFile())
            return Target{*opened, false};
        return std::nullopt;
    case Destination::NewProject:
    case Destination::SplitToPages:
        return newTarget(run, NewDocumentKind::Project);
    case Destination::NewLayout:
        return newTarget(run, NewDocumentKind::LayoutInSourceProject);
    default:
        break;
    }
    const auto entry = static_cast<size_t>(static_cast<int32_t>(destination) - static_cast<int32_t>(Destination::FirstOpenLayout));
    if (entry >= run.openLayouts.size())
        return std::nullopt;
    const int16_t id = run.openLayouts[entry];
    return Target{{id, xt::calls::GetDocumentRef(id)}, false};
}

/// A box cloned into a layout the user already has asks before pages are added there.
bool roomForCopies(const CloneRun& run, const Target& target, const ConfirmInsert& confirmInsert)
{
    const int32_t needed = run.settings.toPage - 1 + std::max(run.settings.copies, 1);
    const int32_t missing = needed - pageCountOf(target.layout.ref);
    if (missing <= 0)
        return true;
    if (!confirmInsert())
        return false;
    if (addPagesAtEnd(target.layout.ref, missing))
        return true;
    foundation::WarningBox(kCouldNotAddPages);
    return false;
}

void copyInto(const CloneRun& run, const Target& target)
{
    if (run.settings.source == CloneSource::Pages) {
        ClonePages(run, target);
        return;
    }
    if (!CloneSelection(run, target))
        foundation::WarningBox(kCouldNotAddPages);
}

void split(const CloneRun& run, Destination destination)
{
    const bool byPage = destination == Destination::SplitToPages;
    const auto folder = ChooseSaveFolder(byPage ? "Save pages here..." : "Save layouts here...");
    if (!folder)
        return;
    if (byPage)
        SplitPagesToProjects(run, *folder);
    else
        SplitLayoutsToProjects(run, *folder);
}

void runDestination(CloneRun& run, const ConfirmInsert& confirmInsert)
{
    const Destination destination = destinationOf(run);
    const bool selection = run.settings.source == CloneSource::Selection;
    // A box has nowhere to go in a split of layouts, and the separator names no destination.
    if (selection && (destination == Destination::SplitLayoutsToProjects || destination == Destination::Separator)) {
        MessageBeep(0);
        return;
    }
    if (!readSourcePages(run))
        return;
    if (!selection && (destination == Destination::SplitToPages || destination == Destination::SplitLayoutsToProjects)) {
        split(run, destination);
        return;
    }
    if (destination == Destination::AllOpenLayouts) {
        for (const int16_t id : run.openLayouts)
            copyInto(run, Target{{id, xt::calls::GetDocumentRef(id)}, false});
        return;
    }
    const auto target = prepareTarget(run, destination);
    if (!target)
        return;
    const bool asks = selection && (destination == Destination::CurrentLayout || destination >= Destination::FirstOpenLayout);
    if (asks && (!makeCurrent(target->layout.id) || !roomForCopies(run, *target, confirmInsert)))
        return;
    copyInto(run, *target);
}

/// How the clone stands to Undo: a copy into the source or into a new layout or project is one step;
/// a copy into a layout the user already has (which may also take colours, layers and style sheets)
/// cannot be undone, and a split leaves the open documents as they were.
enum class UndoKind : uint8_t { Step, NotUndoable, None };

UndoKind undoKindOf(const CloneRun& run)
{
    const Destination destination = destinationOf(run);
    const bool selection = run.settings.source == CloneSource::Selection;
    switch (destination) {
    case Destination::CurrentLayout:
    case Destination::NewProject:
    case Destination::NewLayout:
        return UndoKind::Step;
    case Destination::SplitToPages:
        return selection ? UndoKind::Step : UndoKind::None;
    case Destination::SplitLayoutsToProjects:
    case Destination::Separator:
        return UndoKind::None;
    default:
        return UndoKind::NotUndoable;
    }
}

constexpr int32_t kCloneStep = 1;

} // namespace

void RunClone(const CloneSettings& settings, LayoutRef source, int32_t box, const ConfirmInsert& confirmInsert)
{
    const foundation::HostFailureWatch watch;
    CloneRun run{source, box, {}, settings, otherOpenLayouts(source.id)};
    const UndoKind undo = undoKindOf(run);
    // A split changes no open document, so the Undo offered before it still stands, notes and all.
    if (undo != UndoKind::None)
        cloneUndo().begin(source.id);
    if (undo == UndoKind::Step)
        xt::calls::UndoOp2951(0, kTwinnelId, kCloneStep);
    else if (undo == UndoKind::NotUndoable)
        xt::calls::UndoOp2958(1);
    if (makeCurrent(source.id))
        runDestination(run, confirmInsert);
    makeCurrent(source.id);
    if (undo == UndoKind::Step)
        xt::calls::UndoOp2952();
    else if (undo == UndoKind::NotUndoable)
        xt::calls::UndoOp2958(0);
    xt::calls::SetCurrentTool(kContentTool);
    if (watch.failed())
        foundation::WarningBox("Twinnel could not finish the clone: the application refused a step. "
                               "The source layout is as it was.");
}

} // namespace twinnel
