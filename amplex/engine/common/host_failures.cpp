// Counting the host calls that failed while Amplex changed a document.
#include "amplex/engine/common/host_failures.h"

#include "foundation/binding.h"

namespace amplex {
namespace {

int64_t g_failures = 0;

} // namespace

void reportHostResult(int32_t status)
{
    xt::calls::HostResult3184(watched(status));
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

} // namespace amplex
