// Copying the selected box.
#include "twinnel/engine/copy/clone_selection.h"

#include <algorithm>

#include "foundation/binding/binding.h"
#include "twinnel/engine/undo/clone_undo.h"

namespace twinnel {
namespace {

constexpr int32_t kItemTool = 0;
constexpr int32_t kPagesAfter = 8;

void makeSourceCurrent(const CloneRun& run)
{
    if (makeCurrent(run.source.id))
        xt::calls::SetCurrentBox(run.box);
}

} // namespace

bool addPagesAtEnd(xt::DocumentRef layout, int32_t count)
{
    if (count <= 0)
        return true;
    const int32_t before = pageCountOf(layout);
    if (xt::calls::PageOp2213(layout, before, count, kPagesAfter, 0, 1) != 0)
        return false;
    cloneUndo().notePages(layout, before + 1, count);
    return true;
}

bool CloneSelection(const CloneRun& run, const Target& target)
{
    const int32_t copies = std::max(run.settings.copies, 1);
    const int32_t lastPage = run.settings.toPage - 1 + copies;
    if (!makeCurrent(target.layout.id))
        return false;
    if (!addPagesAtEnd(target.layout.ref, lastPage - pageCountOf(target.layout.ref))) {
        makeSourceCurrent(run);
        return false;
    }
    xt::calls::SetCurrentTool(kItemTool);
    for (int32_t k = 0; k < copies; ++k) {
        if (xt::calls::XsqOp1307(run.source.ref, run.box, target.layout.ref, run.settings.toPage + k) != 0)
            continue;
        // The host selects the copy it made; a new layout goes aside whole, copies and all.
        int32_t copy = 0;
        if (!target.isNew && xt::calls::GetCurrentBox(&copy) == 0)
            cloneUndo().noteItem(target.layout.ref, copy);
    }
    xt::calls::StoryMode1375(1);
    makeSourceCurrent(run);
    return true;
}

} // namespace twinnel
