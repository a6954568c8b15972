// The host operations as compile-time data: one tag type per operation, and the list of all of them.
// Where each one sits in the request rows and services is in xtapi/operation_tables.h, which only the
// code that builds or acquires the tables includes: those tables are large to evaluate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "xtapi/records.h"
#include "xtapi/types.h"

namespace xt {

/// How an operation tells its caller that it failed: the last column of xtapi/operations.def.
enum class Fails : uint8_t {
    status,   // a nonzero answer
    null,     // a null answer
    negative, // an answer below 0
    never,    // no host can fail it
    silent,   // a failure looks like an ordinary answer, or there is no answer
};

/// One tag type per operation: op::GetBoxRecord::number, ::Signature, ::name, ::fails, and ::ordinal, its
/// place in xtapi/operations.def (from 0).
namespace op {
enum class Ordinal : uint32_t {
#define XT_OP(num, Name, Ret, Params, Failure) Name,
#include "xtapi/operations.def"
#undef XT_OP
};

#define XT_OP(num, Name, Ret, Params, Failure)                                      \
    struct Name {                                                                  \
        static constexpr uint32_t number = num;                                    \
        static constexpr const char* name = #Name;                                 \
        static constexpr uint32_t ordinal = static_cast<uint32_t>(Ordinal::Name); \
        static constexpr Fails fails = Fails::Failure;                             \
        using Signature = Ret Params;                                              \
    };
#include "xtapi/operations.def"
#undef XT_OP
} // namespace op

struct OperationInfo {
    uint32_t number;
    const char* name;
    Fails fails;
};

/// Every operation, in the order of xtapi/operations.def (an operation's ordinal is its index here).
inline constexpr OperationInfo kOperations[] = {
#define XT_OP(num, Name, Ret, Params, Failure) {num, #Name, Fails::Failure},
#include "xtapi/operations.def"
#undef XT_OP
};
inline constexpr size_t kOperationCount = std::size(kOperations);

constexpr const char* operationName(uint32_t number)
{
    for (const auto& info : kOperations) {
        if (info.number == number)
            return info.name;
    }
    return nullptr;
}

} // namespace xt
