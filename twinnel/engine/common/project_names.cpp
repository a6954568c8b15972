// Project and file names for clones and splits.
#include "twinnel/engine/common/project_names.h"

#include <algorithm>

namespace twinnel {
namespace {

constexpr size_t kCloneStemMax = 23;
constexpr size_t kSplitStemMax = 26;
constexpr std::string_view kCloneSuffix = "_clone";
constexpr std::string_view kNotInFileNames = "\\/:*?\"<>|";

std::string cutStem(std::string_view name, size_t most)
{
    std::string stem = SplitExtension(name).stem;
    if (stem.size() > most)
        stem.resize(most);
    return stem;
}

} // namespace

SplitName SplitExtension(std::string_view name)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {std::string(name), {}};
    return {std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

std::string cloneName(std::string_view projectName)
{
    return cutStem(projectName, kCloneStemMax) + std::string(kCloneSuffix);
}

std::string pageProjectName(std::string_view projectName, std::string_view pageName)
{
    return cutStem(projectName, kSplitStemMax) + "_" + std::string(pageName);
}

std::string fileSafeName(std::string_view name)
{
    std::string safe(name);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kNotInFileNames.find(c) != std::string_view::npos)
            c = '_';
    }
    if (std::all_of(safe.begin(), safe.end(), [](char c) { return c == '.' || c == ' '; }))
        return "Untitled";
    return safe;
}

std::string numberedName(const std::string& base, int attempt)
{
    return attempt <= 1 ? base : base + "-" + std::to_string(attempt);
}

} // namespace twinnel
