// The host components a plug-in finds by code: each answers at one or more consecutive references.
#pragma once

#include <cstdint>

#include "xtapi/types.h"

namespace host::loader {

struct ComponentInfo {
    xt::FourLetterCode code;
    int32_t referenceCount;
    const char* name;
};

/// Each reference has its own table, built from xtapi/components.def (operations at byte offset 4k in slot k).
inline constexpr ComponentInfo kComponents[] = {
    {0x41545058, 1, "XPTA tables"},          // "XPTA"
    {0x55414651, 1, "QFAU drop shadows"},    // "QFAU"
    {0x506B5251, 5, "QRkP companion"},       // "QRkP", acquired at its reference and the four after it
    {0x00594C51, 2, "QLY layers and page copies"}, // "QLY\0": the layer table and the page-copy service
};

} // namespace host::loader
