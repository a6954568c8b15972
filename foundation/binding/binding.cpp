// The plug-in's binding to the host: the record check and the acquisition of every table and service.
#include "foundation/binding/binding.h"

#include <array>
#include <cstring>

#include "xtapi/operation_tables.h"
#include "xtapi/status.h"

namespace foundation {
namespace {

/// Where each operation sits, by its ordinal; every one sits somewhere (xtapi/operation_tables.h checks it).
constexpr std::array<xt::OperationPlace, xt::kOperationCount> placesByOrdinal()
{
    std::array<xt::OperationPlace, xt::kOperationCount> places{};
    for (size_t i = 0; i < places.size(); ++i)
        places[i] = xt::placeOf(xt::kOperations[i].number);
    return places;
}

constexpr auto kPlaces = placesByOrdinal();

/// Points each operation of request row or service `index` (by `kind`) at its slot in `table`, as soon
/// as that table is acquired.
void bindSlots(xt::OperationPlace::Kind kind, size_t index, void* const* table)
{
    for (size_t i = 0; i < kPlaces.size(); ++i) {
        if (kPlaces[i].kind == kind && kPlaces[i].index == index)
            binding().slots[i] = &table[kPlaces[i].slot];
    }
}

} // namespace

Binding& binding()
{
    static Binding instance;
    return instance;
}

int32_t checkRegistrationRecord(xt::RegistrationRecord* record, uint32_t w0, uint32_t w1, uint32_t w2)
{
    if (!record)
        return xt::kStatusRecordMismatch;
    if (record->version[0] != w0 || record->version[1] != w1 || record->version[2] != w2)
        return xt::kStatusRecordMismatch;
    std::memcpy(&binding().recordCopy, record, sizeof(xt::RegistrationRecord));
    return xt::kStatusOk;
}

int32_t acquireRequestTables()
{
    Binding& bound = binding();
    if (!bound.recordCopy.acquireHostInterface)
        return xt::kStatusRefused;
    for (size_t r = 0; r < xt::kRequestTable.rows.size(); ++r) {
        const xt::RequestRow& row = xt::kRequestTable.rows[r];
        void* table = nullptr;
        const int32_t status = bound.recordCopy.acquireHostInterface(
            row.code, &table, &xt::kRequestTable.words[row.offset], row.length);
        if (status != xt::kStatusOk)
            return status;
        // A table the host answered with success but no storage would crash the first call through it.
        if (!table)
            return xt::kStatusRefused;
        bindSlots(xt::OperationPlace::Request, r, static_cast<void* const*>(table));
    }
    return xt::kStatusOk;
}

int32_t acquireServices()
{
    Binding& bound = binding();
    if (!bound.record || !bound.record->acquireHostInterface)
        return xt::kStatusRefused;
    for (size_t s = 0; s < xt::kServiceTable.rows.size(); ++s) {
        void* service = nullptr;
        const int32_t status = bound.record->acquireHostInterface(xt::kServiceTable.rows[s].code, &service, nullptr, 0);
        if (status != xt::kStatusOk)
            return status;
        if (!service)
            return xt::kStatusRefused;
        bindSlots(xt::OperationPlace::Service, s, static_cast<void* const*>(service));
    }
    return xt::kStatusOk;
}

} // namespace foundation
