// Loads plug-in modules: dlopen, the library entry, activation, then the level-300 and level-200 set-up.
#pragma once

#include <filesystem>
#include <vector>

#include "host/host.h"

namespace host::loader {

/// Loads the files in order and runs their set-up; one result per file.
std::vector<LoadResult> loadModules(HostContext& host, const std::vector<std::filesystem::path>& files);
/// The "*.xnt" files of a folder, in name order.
std::vector<std::filesystem::path> modulesIn(const std::filesystem::path& folder);
/// Unloads every module, last loaded first.
void unloadAll(HostContext& host);

} // namespace host::loader
