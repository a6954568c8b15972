// The after-scale adjustment of the layout window's view values.
#include "amplex/engine/common/after_scale.h"

#include "amplex/engine/document/document_run.h"
#include "foundation/binding/binding.h"

namespace amplex {
namespace {

/// 1.01 as the host's Fixed.
constexpr Fixed kOnePercentMore = 0x1028F;

/// The value for one axis, taken afresh from the window and the document each time.
Fixed axisValue(xt::DocumentRef ref, xt::WindowRef window)
{
    Fixed view = 0;
    xt::calls::LayoutWindowOp3552(window, &view);
    const Fixed enlarged = xt::calls::FixedMultiply(view, kOnePercentMore);
    Fixed divisor = 0;
    xt::calls::DocumentOp3707(ref, &divisor);
    // A divisor of 0 would trap in the division: the value goes on as it is, like 0 and -1 do.
    if (enlarged == 0 || enlarged == -1 || divisor == 0)
        return enlarged;
    return xt::calls::FixedDivide(enlarged, divisor);
}

xt::WindowRef windowOf(xt::DocumentRef ref)
{
    xt::WindowRef window = 0;
    xt::calls::GetDocumentWindow(ref, &window);
    return window;
}

} // namespace

void AdjustDocumentAfterScale()
{
    const xt::DocumentRef ref = documentRun().documentRef();
    const xt::WindowRef first = windowOf(ref);
    xt::calls::LayoutWindowOp513(first, axisValue(ref, first), 0, 0);
    const xt::WindowRef second = windowOf(ref);
    xt::calls::LayoutWindowOp513(second, axisValue(ref, second), 1, 0);
}

} // namespace amplex
