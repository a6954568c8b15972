// The statuses of the host's file operations (the host's own values; end of file is the contract's -39).
#pragma once

#include <cstdint>

#include "xtapi/status.h"

namespace host::api {

inline constexpr int16_t kFileOk = 0;
inline constexpr int16_t kFileIoError = -36;
inline constexpr int16_t kFileBadName = -37;
inline constexpr int16_t kFileEndOfFile = xt::kStatusEndOfFile;
inline constexpr int16_t kFileNotFound = -43;
inline constexpr int16_t kFileBusy = -47;        // deleting or renaming a file that is open
inline constexpr int16_t kFileDuplicate = -48;   // creating or renaming onto an existing file
inline constexpr int16_t kFileBadParameter = -50;
inline constexpr int16_t kFileBadReference = -51;
inline constexpr int16_t kFileNoPermission = -54; // reading or writing past the permission the file was opened with
inline constexpr int16_t kFileFolderNotFound = -120;

/// OpenFile permissions.
inline constexpr int16_t kPermissionCurrent = 0;
inline constexpr int16_t kPermissionRead = 1;
inline constexpr int16_t kPermissionWrite = 2;
inline constexpr int16_t kPermissionReadWrite = 3;

} // namespace host::api
