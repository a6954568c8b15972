// Copying listed pages into a layout.
#include "twinnel/engine/copy/clone_pages.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "foundation/binding/component_calls.h"
#include "twinnel/engine/copy/page_list_handle.h"
#include "twinnel/engine/copy/sections.h"
#include "twinnel/engine/copy/style_copy.h"
#include "twinnel/engine/undo/clone_undo.h"
#include "win32/windows.h"
#include "xtapi/components.h"

namespace twinnel {
namespace {

constexpr int32_t kKeepSections = xt::kCopyPagesKeepSections;

/// Where the copies go: after the page before the to page, and never in front of a listed page of the
/// same layout, so that the originals keep their places.
int32_t insertAfter(const CloneRun& run, const Target& target)
{
    if (target.isNew)
        return 1;
    const int32_t count = pageCountOf(target.layout.ref);
    int32_t after = std::clamp(run.settings.toPage - 1, 0, count);
    if (target.layout.id == run.source.id && !run.pages.empty())
        after = std::max(after, *std::max_element(run.pages.begin(), run.pages.end()));
    return after;
}

void refresh(xt::DocumentRef layout)
{
    xt::WindowRef window = 0;
    int32_t value = 0;
    if (xt::calls::GetDocumentWindow(layout, &window) == 0 && xt::calls::GetWindowValue3563(window, &value) == 0)
        xt::calls::DocumentOp870(layout, value);
    xt::calls::StoryMode1375(1);
}

/// Copies `pages` of `source` after page `after` of the target; a new target loses its blank first page.
/// The first copy's page number, or 0 when nothing was copied.
int32_t copyPages(xt::DocumentRef source, const std::vector<int>& pages, const Target& target, int32_t after)
{
    const PageListHandle list(pages);
    if (!list.handle() || xt::calls::CopyPages(source, target.layout.ref, list.handle(), after, kKeepSections) != 0) {
        foundation::noteHostFailure();
        MessageBeep(0);
        return 0;
    }
    if (!target.isNew) {
        cloneUndo().notePages(target.layout.ref, after + 1, static_cast<int32_t>(pages.size()));
        return after + 1;
    }
    xt::calls::PageOp859(target.layout.ref, 1, 1, 0);
    return 1;
}

void finishCopy(const CloneRun& run, xt::DocumentRef source, const std::vector<int>& pages, const Target& target,
    int32_t firstCopy, StyleReplace replace)
{
    if (!makeCurrent(target.layout.id))
        return;
    if (run.settings.makeSections)
        makeSections(source, pages, {firstCopy, run.settings.toPage, run.settings.keepContiguous});
    if (run.settings.copyStyleSheets) {
        CopyStyleSheets(source, target.layout.ref, replace);
        CopyStyleSheetsKind5(source, target.layout.ref, replace);
    }
    refresh(target.layout.ref);
}

} // namespace

void ClonePages(const CloneRun& run, const Target& target)
{
    const int32_t first = copyPages(run.source.ref, run.pages, target, insertAfter(run, target));
    if (first != 0)
        finishCopy(run, run.source.ref, run.pages, target, first, StyleReplace::Keep);
    // The colour walk reads the current layout's list, so the source is made current for it.
    if (makeCurrent(run.source.id) && first != 0 && run.settings.copyStyleSheets && target.layout.id != run.source.id)
        CopyColors(target.layout.ref);
}

void clonePagesIntoNew(const CloneRun& run, xt::DocumentRef source, const std::vector<int>& pages, const Target& target)
{
    const int32_t first = copyPages(source, pages, target, 1);
    if (first != 0)
        finishCopy(run, source, pages, target, first, StyleReplace::Replace);
}

} // namespace twinnel
