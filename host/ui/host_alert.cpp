// The host's own warning box, shown through the same message boxes the plug-ins use.
#include "host/ui/host_alert.h"

#include "win32/windows.h"

namespace host::ui {

void alertUser(const std::string& text)
{
    MessageBoxA(nullptr, text.c_str(), "Layout Host", MB_OK | MB_ICONWARNING);
}

} // namespace host::ui
