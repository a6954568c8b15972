// What the host's file, folder and colour choosers exchange with the plug-ins.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xt {

/// A file's place as the file operations take it: volume 0, folder 0 and a full path in `name`. MakeFileSpec
/// writes it, and the host's open, save and graphic-file choosers fill it with the file the user chose.
#pragma pack(push, 1)
struct FileSpec {
    int16_t volume;
    int32_t folder; // unaligned, at byte 2
    char name[256];
};
#pragma pack(pop)
static_assert(offsetof(FileSpec, volume) == 0);
static_assert(offsetof(FileSpec, folder) == 2);
static_assert(offsetof(FileSpec, name) == 6);
static_assert(sizeof(FileSpec) == 262);

/// What a chooser answers: the user chose (the record is filled) or cancelled; a failed call answers a
/// negative status and leaves the record alone.
inline constexpr int32_t kChooserConfirmed = 1;
inline constexpr int32_t kChooserCancelled = 0;

/// A screen colour, 16 bits per component, as the colour picker takes the current one and gives the chosen one.
struct PickedColour {
    uint16_t red;
    uint16_t green;
    uint16_t blue;
};
static_assert(sizeof(PickedColour) == 6);

} // namespace xt
