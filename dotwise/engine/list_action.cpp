// RunListAction: the checks every palette action passes, then the action's steps.
#include "dotwise/engine/list_run.h"
#include "dotwise/settings/settings_file.h"
#include "foundation/binding/binding.h"

namespace dotwise {
namespace {

constexpr int32_t kContentTool = 1;

/// The current text box while the content tool is chosen, else 0.
int32_t currentTextBox()
{
    int16_t documentId = -1;
    if (xt::calls::GetCurrentDocument(&documentId) != 0 || documentId < 0)
        return 0;
    int32_t box = 0;
    if (xt::calls::GetCurrentBox(&box) != 0 || box == 0)
        return 0;
    if (xt::calls::IsTextBox(box) == 0 || xt::calls::GetCurrentTool() != kContentTool)
        return 0;
    return box;
}

void runSteps(ListRun& run, int16_t action)
{
    switch (action) {
    case ActionBullets:
        run.shiftLevels(ShiftForMarker);
        if (!run.hasBulletInRange())
            run.insertBullets();
        return;
    case ActionNumbers:
        run.shiftLevels(ShiftForMarker);
        run.insertNumbers();
        return;
    case ActionLevelOut:
        run.shiftLevels(ShiftOut);
        return;
    case ActionLevelIn:
        run.shiftLevels(ShiftIn);
        return;
    case ActionRemoveMarkers:
        run.removeMarkers();
        return;
    case ActionRemoveMarkersAndIndent:
        run.shiftLevels(ShiftOut);
        run.removeMarkers();
        return;
    case ActionZeroIndents:
        run.shiftLevels(ShiftToZero);
        return;
    default:
        return;
    }
}

} // namespace

void RunListAction(int16_t action)
{
    if (action < ActionBullets || action > ActionZeroIndents)
        return;
    const int32_t box = currentTextBox();
    if (box == 0)
        return;
    LoadListSettings(listSettings());
    int32_t story = 0;
    int32_t selectionStart = 0;
    int32_t selectionEnd = 0;
    int32_t length = 0;
    if (xt::calls::GetBoxTextInfo(box, &story, &selectionStart, &selectionEnd, &length) != 0 || story == 0)
        return;
    ListRun run(story, listSettings());
    if (!run.findSelectedParagraphs(selectionStart, selectionEnd, length))
        return;
    runSteps(run, action);
    run.finish();
}

} // namespace dotwise
