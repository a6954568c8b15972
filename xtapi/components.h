// The operations of the host components as compile-time data: one tag type per operation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "xtapi/drop_shadow.h"
#include "xtapi/types.h"

namespace xt {

inline constexpr FourLetterCode kTableComponent = fourCC("XPTA");
inline constexpr FourLetterCode kLayerComponent = 0x00594C51; // "QLY\0"
/// CopyPages's last argument: copied pages that start a section start it in the destination too.
inline constexpr int32_t kCopyPagesKeepSections = 4;
/// The layer every layout has, and DeleteLayerOp's destination that deletes the layer's items too.
inline constexpr int32_t kDefaultLayerId = 0;
inline constexpr int32_t kDeleteLayerItems = -1;

/// One tag type per component operation: component::XptaOp40::offset, ::Signature, ::name.
namespace component {
#define XT_COMPONENT_OP(code, ref, byteOffset, Name, Ret, Params) \
    struct Name {                                                 \
        static constexpr FourLetterCode component = code;         \
        static constexpr int32_t reference = ref;                 \
        static constexpr uint32_t offset = byteOffset;            \
        static constexpr size_t slot = byteOffset / 4;            \
        static constexpr const char* name = #Name;                \
        using Signature = Ret Params;                             \
    };                                                            \
    static_assert(byteOffset % 4 == 0, "a component operation sits at a multiple of four bytes");
#include "xtapi/components.def"
#undef XT_COMPONENT_OP
} // namespace component

/// How many pointers the table of a component reference holds: one past its highest operation.
constexpr size_t componentTableLength(FourLetterCode code, int32_t reference)
{
    size_t length = 0;
#define XT_COMPONENT_OP(c, ref, byteOffset, Name, Ret, Params) \
    if (c == code && ref == reference && byteOffset / 4 + 1 > length) \
        length = byteOffset / 4 + 1;
#include "xtapi/components.def"
#undef XT_COMPONENT_OP
    return length;
}

// xtapi/drop_shadow.h names two of the "QFAU" slots for code that calls through the table itself.
static_assert(component::SetDropShadow::slot == SetDropShadowSlot);
static_assert(component::GetDropShadow::slot == GetDropShadowSlot);
static_assert(componentTableLength(kDropShadowComponent, 0) == kDropShadowSlotCount);
static_assert(std::is_same_v<component::SetDropShadow::Signature*, SetDropShadowFn>);
static_assert(std::is_same_v<component::GetDropShadow::Signature*, GetDropShadowFn>);

} // namespace xt
