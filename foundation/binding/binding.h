// The plug-in's side of the contract: its tables, the record check, and one typed call per host operation.
#pragma once

#include <cassert>
#include <cstdint>
#include <type_traits>

#include "foundation/binding/host_failures.h"
#include "xtapi/operations.h"
#include "xtapi/records.h"

namespace foundation {

/// What this plug-in acquired at set-up. Each plug-in links its own copy.
struct Binding {
    xt::RegistrationRecord* record = nullptr;     // the host's record, for registrations and searches
    xt::RegistrationRecord recordCopy{};          // the 52-byte copy the table requests go through
    /// Each operation's slot in the table of its row or service, by the operation's ordinal; null
    /// until that table is acquired.
    void* const* slots[xt::kOperationCount] = {};
};

Binding& binding();

/// Accepts only the expected version words, then keeps the 52-byte copy of the record.
int32_t checkRegistrationRecord(xt::RegistrationRecord* record, uint32_t w0, uint32_t w1, uint32_t w2);

/// Runs the 120 table requests through the copy, in order; the first nonzero status ends them.
int32_t acquireRequestTables();

/// Acquires the 20 services by code through the kept record; the first nonzero status ends them.
int32_t acquireServices();

namespace detail {
template <uint32_t Ordinal, class Signature, xt::Fails Failure>
struct HostCall;

/// A failed call is noted for the caller's HostFailureWatch, by the operation's column in operations.def.
template <uint32_t Ordinal, class Ret, class... Args, xt::Fails Failure>
struct HostCall<Ordinal, Ret(Args...), Failure> {
    Ret operator()(Args... args) const
    {
        void* const* slot = binding().slots[Ordinal];
        assert(slot && "host operation called before the plug-in acquired its tables");
        auto* function = reinterpret_cast<Ret (*)(Args...)>(*slot);
        if constexpr (std::is_void_v<Ret>) {
            function(args...);
        } else {
            Ret result = function(args...);
            noteIfFailed<Failure>(result);
            return result;
        }
    }
};
} // namespace detail

} // namespace foundation

/// Plug-in code calls host operations by their names: NewHandle(12), GetBoxRecord(0, 0, 0).
#define XT_OP(num, Name, Ret, Params, Failure) \
    inline constexpr foundation::detail::HostCall<xt::op::Name::ordinal, xt::op::Name::Signature, xt::op::Name::fails> Name{};
namespace xt::calls {
#include "xtapi/operations.def"
} // namespace xt::calls
#undef XT_OP
