// Preset name rules: the cut, the extension and the characters a preset name may not hold.
#include "foundation/presets/preset_names.h"

#include <algorithm>

namespace foundation {

namespace {

constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";

bool hasForbiddenCharacter(std::string_view name)
{
    return std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || kForbiddenCharacters.find(c) != std::string_view::npos;
    });
}

} // namespace

std::optional<std::string> presetFileName(std::string_view typed)
{
    std::string_view base = typed.substr(0, std::min(typed.size(), kPresetNameMaxTyped));
    if (base.size() >= 4 && base[base.size() - 4] == '.')
        base.remove_suffix(4);
    if (base.empty() || hasForbiddenCharacter(base) || base.find("..") != std::string_view::npos)
        return std::nullopt;
    return std::string(base) + kPresetExtension;
}

bool isPlainFolderName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && !hasForbiddenCharacter(name);
}

} // namespace foundation
