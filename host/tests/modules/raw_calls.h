// The host's tables as a test module without the foundation holds them: acquired row by row at
// set-up, and operations called through them. Included by one file of each module.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/operation_tables.h"
#include "xtapi/records.h"
#include "xtapi/status.h"

namespace {

void** g_tables[xt::kRequestRowCount] = {};
void** g_services[xt::kServiceCount] = {};

/// The host's entry for the operation, typed by the contract: `call<xt::op::NewHandle>()(16)`.
template <class Op>
auto call()
{
    constexpr xt::OperationPlace place = xt::placeOf(Op::number);
    static_assert(place.kind != xt::OperationPlace::None);
    void** table = place.kind == xt::OperationPlace::Service ? g_services[place.index] : g_tables[place.index];
    return reinterpret_cast<typename Op::Signature*>(table[place.slot]);
}

/// Every request row and every service; refused when the host refuses any of them.
int32_t acquireEverything(xt::RegistrationRecord* record)
{
    for (size_t row = 0; row < xt::kRequestRowCount; ++row) {
        const auto& entry = xt::kRequestTable.rows[row];
        const uint32_t* list = &xt::kRequestTable.words[entry.offset];
        if (record->acquireHostInterface(entry.code, reinterpret_cast<void**>(&g_tables[row]), list, entry.length) != 0)
            return xt::kStatusRefused;
    }
    for (size_t index = 0; index < xt::kServiceCount; ++index) {
        const uint32_t code = xt::kServiceTable.rows[index].code;
        if (record->acquireHostInterface(code, reinterpret_cast<void**>(&g_services[index]), nullptr, 0) != 0)
            return xt::kStatusRefused;
    }
    return 0;
}

} // namespace
