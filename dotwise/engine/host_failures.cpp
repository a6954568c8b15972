// Telling the user once that a list action could not change every paragraph.
#include "dotwise/engine/host_failures.h"

#include "foundation/text/text_helpers.h"

namespace dotwise {
namespace {

constexpr char kIncompleteAction[] = "Some paragraphs could not be changed: the host refused a text change.";

} // namespace

bool HostFailures::present(const void* answer) const
{
    if (!answer)
        foundation::noteHostFailure();
    return answer != nullptr;
}

void HostFailures::report() const
{
    if (any())
        foundation::WarningBox(kIncompleteAction);
}

} // namespace dotwise
