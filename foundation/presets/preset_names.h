// Turning a typed preset name into the preset's file name, refusing names that could leave the folder.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace foundation {

inline constexpr size_t kPresetNameMaxTyped = 31;
inline constexpr char kPresetExtension[] = ".prf";
/// The longest file name a typed name becomes (31 characters and ".prf") plus its zero.
inline constexpr size_t kPresetFileNameBufferSize = kPresetNameMaxTyped + sizeof kPresetExtension;

/// The file name for a typed name: cut to 31 characters, a typed three-letter extension dropped,
/// ".prf" appended. Nothing for a name that is empty after the cut or that holds a path
/// separator, a drive colon, "..", a wildcard or a control character.
std::optional<std::string> presetFileName(std::string_view typed);

/// True for a folder name that names one folder inside its parent (not empty, no separators, not "." or "..").
bool isPlainFolderName(std::string_view name);

} // namespace foundation
