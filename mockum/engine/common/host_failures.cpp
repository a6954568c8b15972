// Counting the host calls that failed while Mockum changed a document.
#include "mockum/engine/common/host_failures.h"

#include "foundation/text_helpers.h"

namespace mockum {
namespace {

int64_t g_failures = 0;

} // namespace

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

void reportFailures(const HostFailureWatch& watch)
{
    if (watch.failed())
        foundation::WarningBox("Mockum could not change all of the text: the application refused a step. "
                               "Undo puts the text back as it was.");
}

} // namespace mockum
