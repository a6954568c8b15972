// The 262-byte file spec that MakeFileSpec writes (the same bytes as a plug-in's preset entry).
#pragma once

#include <cstddef>
#include <cstdint>

namespace host::api {

#pragma pack(push, 1)
struct FileSpecRecord {
    int16_t volume;
    int32_t folder; // unaligned, at byte 2
    char name[256];
};
#pragma pack(pop)
static_assert(offsetof(FileSpecRecord, volume) == 0);
static_assert(offsetof(FileSpecRecord, folder) == 2);
static_assert(offsetof(FileSpecRecord, name) == 6);
static_assert(sizeof(FileSpecRecord) == 262);

} // namespace host::api
