// The warning box through the Windows layer, with no host calls around it.
#include "threadix/ui/link_warning.h"

#include "win32/windows.h"

namespace threadix {

void ShowLinkWarning(const std::string& text)
{
    MessageBoxA(nullptr, text.c_str(), kLinkWarningTitle, MB_ICONWARNING);
}

} // namespace threadix
