// The shared "VORNE" menu: the SharedMenuService operation, the sibling search and the
// create-or-join rule each plug-in runs from its own OnBuildMenus.
#pragma once

#include <cstdint>

namespace foundation {

inline constexpr char kVendorMenuTitle[] = "VORNE";

/// The one operation of the SharedMenuService: this plug-in's menu id, 0 until its menus are built.
int32_t GetVendorMenuId();

/// Asks the siblings "BBR" + 0x00 ... 0xFE, skipping this plug-in's own id, for a "VORNE" menu.
/// True when one answered with a nonzero id, which becomes this plug-in's menu id.
bool FindVendorMenuOwner();

enum class VendorMenuJoin : uint8_t {
    Created,       // no sibling had the menu: this plug-in made it, at the end of the menu bar
    Joined,        // a sibling's menu: this plug-in's group starts with a separator
    AlreadyBuilt,  // an earlier MenuSetupMessage built it: append nothing again
    Failed,        // the host could not make the menu: append nothing
};

/// Run at the start of OnBuildMenus; append the plug-in's items when the result is Created or Joined.
VendorMenuJoin CreateOrJoinVendorMenu();

/// This plug-in's "VORNE" menu id, 0 until CreateOrJoinVendorMenu has found or made it.
int32_t vendorMenuId();

/// Appends an item labelled `label` to `menu` and writes its new id; 0 on success, else the host's status.
int32_t AppendLabelledMenuItem(int32_t menu, const char* label, uint16_t* itemId);

} // namespace foundation
