// The folder split projects are saved in, and saving a project there under a name no file has yet.
#pragma once

#include <optional>
#include <string>

#include "xtapi/types.h"

namespace twinnel {

/// The folder of the location the user confirms in the host's save chooser; nothing when cancelled.
std::optional<std::string> ChooseSaveFolder(const char* prompt);

/// Saves the project holding `layout` in `folder` as "<name>.json", or as name-2.json, name-3.json ...
/// when the folder holds that file already: no file is ever overwritten. The file name written, or
/// nothing when the project could not be saved (the folder is left as it was).
std::optional<std::string> saveIntoFolder(xt::DocumentRef layout, const std::string& folder, const std::string& name);

} // namespace twinnel
