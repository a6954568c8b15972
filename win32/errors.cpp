// The last-error word and the calling thread's id.
#include <sys/syscall.h>
#include <unistd.h>

#include "win32/internal.h"

namespace {
DWORD g_lastError = ERROR_SUCCESS;
}

void win32::detail::setLastError(DWORD error)
{
    g_lastError = error;
}

extern "C" DWORD GetLastError()
{
    return g_lastError;
}

extern "C" void SetLastError(DWORD error)
{
    g_lastError = error;
}

extern "C" DWORD GetCurrentThreadId()
{
    return static_cast<DWORD>(syscall(SYS_gettid));
}
