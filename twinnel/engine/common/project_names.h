// Names Twinnel gives new projects and their files: the clone's name, a split page's name, and a file
// name that the folder does not hold yet.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace twinnel {

/// The name without its extension (the part after the last "."), and the extension itself.
struct SplitName {
    std::string stem;
    std::string extension;
};
SplitName SplitExtension(std::string_view name);

/// "New Project" and "New Layout": the project's name without extension, cut to 23 characters, and "_clone".
std::string cloneName(std::string_view projectName);

/// A page split out of a project: the project's name without extension cut to 26 characters, "_" and
/// the page's name as the layout shows it.
std::string pageProjectName(std::string_view projectName, std::string_view pageName);

/// The name with every character a file name cannot hold (path separators, drive colons, wildcards,
/// quotes, control characters) made "_", and an empty or dot-only name made "Untitled".
std::string fileSafeName(std::string_view name);

/// How many names a split tries for one project before it gives up on a folder that holds them all.
inline constexpr int kMostNameAttempts = 999;

/// The name for a project's `attempt`-th try (from 1) at a folder that already holds the earlier ones:
/// `base`, then base-2, base-3 ...
std::string numberedName(const std::string& base, int attempt);

} // namespace twinnel
