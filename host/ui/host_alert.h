// A message the host itself shows the user, in a warning box of its own.
#pragma once

#include <string>

namespace host::ui {

/// Shows `text` in a box with an OK button, captioned "Layout Host".
void alertUser(const std::string& text);

} // namespace host::ui
