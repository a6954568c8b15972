// Counting the host calls that failed.
#include "foundation/binding/host_failures.h"

#include "foundation/binding/binding.h"

namespace foundation {
namespace {

int64_t g_failures = 0;

} // namespace

void reportHostResult(int32_t status)
{
    xt::calls::HostResult3184(status);
}

int32_t watched(int32_t status)
{
    if (status != 0)
        noteHostFailure();
    return status;
}

void noteHostFailure()
{
    ++g_failures;
}

HostFailureWatch::HostFailureWatch() : m_start(g_failures) {}

bool HostFailureWatch::failed() const
{
    return g_failures != m_start;
}

} // namespace foundation
