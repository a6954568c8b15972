// The link dialog (resource 20000) and its help dialog (20911).
#pragma once

#include <cstdint>

#include "threadix/settings/link_settings.h"

namespace threadix {

/// The address the banner opens in the browser.
inline constexpr char kBannerAddress[] = "https://example.org/vorne/threadix";

/// Runs the dialog on a copy of `settings`; true, with the choice written back, when the user confirmed.
/// `boxCurrent` offers the Selection scope.
bool runLinkDialog(LinkSettings& settings, bool boxCurrent);

int32_t LinkDialogCallback(void* record);
int32_t LinkHelpCallback(void* record);

} // namespace threadix
