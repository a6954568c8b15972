// Telling the user once that a list action could not change every paragraph.
#include "dotwise/engine/host_failures.h"

#include "foundation/text_helpers.h"

namespace dotwise {
namespace {

constexpr char kIncompleteAction[] = "Some paragraphs could not be changed: the host refused a text change.";

} // namespace

bool HostFailures::check(int32_t status)
{
    if (status == 0)
        return true;
    ++m_count;
    return false;
}

bool HostFailures::present(const void* answer)
{
    if (answer)
        return true;
    ++m_count;
    return false;
}

void HostFailures::report() const
{
    if (any())
        foundation::WarningBox(kIncompleteAction);
}

} // namespace dotwise
