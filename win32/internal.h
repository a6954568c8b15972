// What the Windows layer's files share among themselves; not for the host or the plug-ins.
#pragma once

#include "win32/windows.h"

namespace win32::detail {

void setLastError(DWORD error);
void resetFiles();
void resetResources();
void resetUser();
void resetInput();
void resetClock();
void resetGdi();
/// The one screen device context (GetDC of no window).
HDC screenDeviceContext();
void resetScreen();

} // namespace win32::detail
