// What one clone command works on: the source layout, its selected box, the listed pages and the settings.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "twinnel/engine/common/layouts.h"
#include "twinnel/settings/clone_settings.h"

namespace twinnel {

struct CloneRun {
    LayoutRef source;
    int32_t box = 0;              ///< the selected box, 0 when none
    std::vector<int> pages;       ///< sequence numbers in the source, in the order listed
    CloneSettings settings;
    std::vector<int16_t> openLayouts; ///< the other open layouts, as the destination popup lists them
};

/// A layout the copies go into; a new one starts with one blank page that the copy replaces.
struct Target {
    LayoutRef layout;
    bool isNew = false;
};

/// Asks the user whether pages may be added to a destination too short for the copies.
using ConfirmInsert = std::function<bool()>;

} // namespace twinnel
