// Measuring the selection and turning target sizes into factors.
#include "amplex/commands/selection_measure.h"

#include "amplex/commands/command_state.h"
#include "amplex/engine/common/engine_state.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/box_record.h"

namespace amplex {
namespace {

constexpr int32_t kItemTool = 1;

/// target ÷ extent; an extent of 0 gives the unusable factor 0, which the factor check refuses.
Fixed ratio(Fixed target, Fixed extent)
{
    return extent == 0 ? 0 : xt::calls::FixedDivide(target, extent);
}

} // namespace

int16_t takeCurrentDocument()
{
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    const xt::DocumentRef ref = xt::calls::GetDocumentRef(id);
    documentRun().setDocumentRef(ref);
    uint8_t info[8] = {};
    if (ref == 0 || xt::calls::GetPageInfo(ref, info) != 0)
        return 0;
    return xt::readAt<int16_t>(info, 0);
}

bool companionKeepsBox(int32_t box)
{
    int16_t id = -1;
    xt::calls::GetCurrentDocument(&id);
    return xt::calls::DocumentServiceTest(id) != 0 && xt::calls::BoxServiceTest(box) != 0;
}

void measureSelection(int32_t box, ServiceTest test)
{
    Fixed bounds[4] = {};
    xt::calls::ItemOp224(box, bounds, 0, 0);
    engineState().setSelectionBounds({bounds[0], bounds[1], bounds[2], bounds[3]});
    commandState().setNoSelection(false);
    const bool itemTool = xt::calls::GetCurrentTool() == kItemTool;
    if (test == ServiceTest::Apply && companionKeepsBox(box)) {
        commandState().setCurrentBoxKinds(false, false);
        return;
    }
    commandState().setCurrentBoxKinds(itemTool && xt::calls::IsTextBox(box) != 0,
        itemTool && xt::calls::ItemTypeOp767(box) != 0);
}

void measurePage(const PageFacts& facts)
{
    engineState().setSelectionBounds({0, 0, facts.height, facts.width});
    commandState().setNoSelection(true);
    // Flags left from an earlier selection would offer the Text Fit page with no text box.
    commandState().setCurrentBoxKinds(false, false);
}

void applySizeMode()
{
    ScaleSettings& s = currentSettings();
    const xt::FixedRect bounds = engineState().selectionBounds();
    const Fixed width = bounds.right - bounds.left;
    const Fixed height = bounds.bottom - bounds.top;
    switch (commandState().clickModifier()) {
    case ClickModifier::Alt:
        s.HorizontalEntry = s.VerticalEntry = ratio(s.TargetWidth != 0 ? s.TargetWidth : width, width);
        break;
    case ClickModifier::Ctrl:
        s.HorizontalEntry = s.VerticalEntry = ratio(s.TargetHeight != 0 ? s.TargetHeight : height, height);
        break;
    case ClickModifier::None:
        s.HorizontalEntry = s.TargetWidth == 0 ? xt::kFixedOne : ratio(s.TargetWidth, width);
        s.VerticalEntry = s.TargetWidth == 0 ? xt::kFixedOne : ratio(s.TargetHeight, height);
        break;
    }
    s.StepEntry = 0;
    s.StepFactor = s.StepEntry;
    s.HorizontalFactor = s.HorizontalEntry;
    s.VerticalFactor = s.VerticalEntry;
}

int32_t pageNumberOf(int32_t box)
{
    xt::PlaceRecord place{};
    if (box == 0 || xt::calls::GetBoxBounds(box, 0, &place) != 0)
        return 0;
    return place.pageNumber;
}

} // namespace amplex
