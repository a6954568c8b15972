// PresetEntry: one preset file in the preset list, laid out as the host's file spec.
#pragma once

#include <cstddef>
#include <cstdint>

namespace foundation {

inline constexpr size_t kPresetNameSize = 256;

#pragma pack(push, 1)
/// 262 bytes, packed: the folder id sits at the unaligned offset 2.
struct PresetEntry {
    int16_t volume;
    int32_t folderId;
    char name[kPresetNameSize]; // zero-terminated, ".prf" included
};
#pragma pack(pop)
static_assert(offsetof(PresetEntry, volume) == 0);
static_assert(offsetof(PresetEntry, folderId) == 2);
static_assert(offsetof(PresetEntry, name) == 6);
static_assert(sizeof(PresetEntry) == 262);

/// The list order: the two names compared without regard to case (lstrcmpiA).
int32_t ComparePresetNames(const void* key, const void* entry);

} // namespace foundation
