// The factor and pasteboard checks of the scale commands.
#include "amplex/commands/scale_checks.h"

#include "amplex/commands/command_state.h"
#include "amplex/engine/common/scale_warning.h"
#include "amplex/engine/document/document_run.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/numbers/fixed_math.h"

namespace amplex {
namespace {

bool scalesContent(const ScaleSettings& s)
{
    return s.ScaleGraphics != 0 || s.ScaleText != 0 || s.ScaleLineWeights != 0;
}

/// Copy k of a step and repeat scales by h + k x step (k from 1 for copies placed by the offsets, from
/// 0 for copies on added pages); the factors change linearly, so the first and last copies bound them.
bool copyFactorsUsable(Fixed horizontal)
{
    const ScaleSettings& s = currentSettings();
    const Fixed count = documentRun().repeatCount();
    const int64_t copies = foundation::FixedAbs(count) >> 16;
    if (s.ScaleWhat != ScaleSelectionOnly || copies <= 1)
        return true;
    const int64_t firstStep = count < 0 ? 0 : 1;
    const int64_t lastStep = count < 0 ? copies - 1 : copies;
    const auto factorAt = [&](int64_t k) { return static_cast<int64_t>(horizontal) + k * s.StepFactor; };
    return factorAt(firstStep) >= 1 && factorAt(lastStep) >= 1;
}

} // namespace

void warnIfPageRangeMayGrowOff(Factors factors)
{
    const ScaleSettings& s = currentSettings();
    const bool anySwitch = s.ScaleDropShadows || s.ScaleGuides || s.ScaleGraphics || s.ScaleLineWeights || s.ScaleText;
    const bool grows = factors.h > xt::kFixedOne || factors.v > xt::kFixedOne;
    if (s.ScaleWhat == ScalePageRange && anySwitch && grows)
        ShowScaleWarning(kMayScaleOffMessage);
}

bool factorsUsable(Factors factors)
{
    if (factors.h >= 1 && factors.v >= 1 && copyFactorsUsable(factors.h))
        return true;
    ShowScaleWarning(kImproperFactorMessage);
    return false;
}

bool staysOnPasteboard(const xt::FixedRect& bounds, Factors factors)
{
    const xt::FixedPoint extent{scaledHeight(bounds, factors.v), scaledWidth(bounds, factors.h)};
    commandState().setScaledExtent(extent);
    const ScaleSettings& s = currentSettings();
    if (s.ScaleWhat == ScaleSelectionOnly || !scalesContent(s))
        return true;
    Fixed vertical = 0;
    Fixed horizontal = 0;
    const xt::DocumentRef document = documentRun().documentRef();
    xt::calls::XdnOp518(document, &vertical);
    xt::calls::XdnOp517(document, &horizontal);
    const int64_t bottom = static_cast<int64_t>(bounds.top) + extent.v;
    const int64_t right = static_cast<int64_t>(bounds.left) + extent.h;
    if (bottom <= vertical && right <= horizontal)
        return true;
    ShowScaleWarning(kOffPasteboardMessage);
    return false;
}

} // namespace amplex
