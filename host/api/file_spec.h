// The 262-byte file spec that MakeFileSpec writes (the same bytes as a plug-in's preset entry).
#pragma once

#include "xtapi/file_dialogs.h"

namespace host::api {

using FileSpecRecord = xt::FileSpec;

} // namespace host::api
