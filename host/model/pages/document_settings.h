// A layout's stored settings that the plug-ins read and set but the stand-in does not act on, and
// the ruler origin.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace host::model {

/// Where the rulers count from, in spread coordinates; across the whole spread or from each page.
struct RulerOrigin {
    xt::Fixed top = 0;
    xt::Fixed left = 0;
    bool spreadWide = false; // XpgOp958: the rulers measure across the spread
    bool operator==(const RulerOrigin&) const = default;
};

/// Two switches the plug-ins turn off around their work and back on after it (XpgOp948/949 around
/// greeking, XpgOp950/951 around relinking). The host keeps them with the document and nothing more.
struct DocumentSettings {
    int32_t setting948 = 1;
    int32_t setting950 = 1;
    RulerOrigin rulerOrigin;
    bool operator==(const DocumentSettings&) const = default;
};

} // namespace host::model
