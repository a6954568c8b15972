// The plug-in's side of the contract: its tables, the record check, and one typed call per host operation.
#pragma once

#include <cassert>
#include <cstdint>

#include "xtapi/operations.h"
#include "xtapi/records.h"

namespace foundation {

/// The tables and services this plug-in acquired at set-up. Each plug-in links its own copy.
struct Binding {
    xt::RegistrationRecord* record = nullptr;     // the host's record, for registrations and searches
    xt::RegistrationRecord recordCopy{};          // the 52-byte copy the table requests go through
    void* const* tables[xt::kRequestRowCount] = {};
    void* const* services[xt::kServiceCount] = {};
};

Binding& binding();

/// Accepts only the expected version words, then keeps the 52-byte copy of the record.
int32_t checkRegistrationRecord(xt::RegistrationRecord* record, uint32_t w0, uint32_t w1, uint32_t w2);

/// Runs the 120 table requests through the copy, in order; the first nonzero status ends them.
int32_t acquireRequestTables();

/// Acquires the 20 services by code through the kept record; the first nonzero status ends them.
int32_t acquireServices();

namespace detail {
template <uint32_t Number, class Signature>
struct HostCall;

template <uint32_t Number, class Ret, class... Args>
struct HostCall<Number, Ret(Args...)> {
    static constexpr xt::OperationPlace place = xt::placeOf(Number);

    Ret operator()(Args... args) const
    {
        static_assert(place.kind != xt::OperationPlace::None, "the operation sits in no row or service");
        void* const* table = nullptr;
        if constexpr (place.kind == xt::OperationPlace::Service)
            table = binding().services[place.index];
        else
            table = binding().tables[place.index];
        assert(table && "host operation called before the plug-in acquired its tables");
        auto* function = reinterpret_cast<Ret (*)(Args...)>(table[place.slot]);
        return function(args...);
    }
};
} // namespace detail

} // namespace foundation

/// Plug-in code calls host operations by their names: NewHandle(12), GetBoxRecord(0, 0, 0).
#define XT_OP(num, Name, Ret, Params) \
    inline constexpr foundation::detail::HostCall<num, xt::op::Name::Signature> Name{};
namespace xt::calls {
#include "xtapi/operations.def"
} // namespace xt::calls
#undef XT_OP
