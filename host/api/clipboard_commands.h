// The host commands copy, paste and duplicate, as the command operations run them.
#pragma once

#include <cstdint>
#include <optional>

#include "host/model/document_model.h"

namespace host::api {

/// Runs host command 204 (cut text), 205 (copy), 206 (paste) or 506 (duplicate): 0 done, nonzero when there was
/// nothing to copy or paste; nullopt for another command.
std::optional<int32_t> runClipboardCommand(model::Layout& layout, int32_t command);

} // namespace host::api
