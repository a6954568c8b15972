// What the clone dialog asks and the clone command works from; kept in memory for the host's life.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace twinnel {

/// The destination popup's entries, from 1; entries from FirstOpenLayout name the other open layouts.
enum class Destination : int32_t {
    CurrentLayout = 1,
    ProjectFile = 2,
    NewProject = 3,
    NewLayout = 4,
    SplitToPages = 5,
    SplitLayoutsToProjects = 6,
    AllOpenLayouts = 7,
    Separator = 8,
    FirstOpenLayout = 9,
};

enum class CloneSource : int32_t { Selection = 0, Pages = 1 };

/// The longest page list the dialog keeps; a longer typed text is cut there.
inline constexpr size_t kPageTextMax = 63;
inline constexpr int32_t kLeastCount = 1;
inline constexpr int32_t kMostCount = 1000;

struct CloneSettings {
    int32_t destination = static_cast<int32_t>(Destination::CurrentLayout);
    int32_t copies = 1;
    int32_t toPage = 1;
    CloneSource source = CloneSource::Pages;
    std::string pageText = "All";
    bool makeSections = false;
    bool keepContiguous = true;
    bool bySectionNumber = true;
    bool copyStyleSheets = true;
};

CloneSettings& cloneSettings();
void SetDefaultCloneSettings();

/// The typed page list as the settings keep it: cut to kPageTextMax characters.
std::string keptPageText(std::string typed);

} // namespace twinnel
