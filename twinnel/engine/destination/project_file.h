// "Quark File...": a project file the user picks, opened as the destination.
#pragma once

#include <optional>

#include "twinnel/engine/common/layouts.h"

namespace twinnel {

/// Asks for a project file and opens it; its first layout is the destination. Nothing when the user
/// cancels or the file does not open (the user is told), and then nothing is copied.
std::optional<LayoutRef> openProjectFile();

} // namespace twinnel
