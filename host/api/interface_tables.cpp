// Builds the request and service tables from the contract's rows.
#include "host/api/interface_tables.h"

#include "host/loader/components.h"
#include "xtapi/operation_tables.h"

namespace host::api {
namespace {

void* word(uint32_t value)
{
    return reinterpret_cast<void*>(static_cast<uintptr_t>(value));
}

void* slotFor(const OperationRegistry& registry, uint32_t number)
{
    if (number == 0)
        return nullptr;
    if (void* entry = registry.entry(number))
        return entry;
    return trapFor(number);
}

void* componentSlotFor(const OperationRegistry& registry, OperationRegistry::ComponentSlot slot)
{
    if (void* entry = registry.componentEntry(slot))
        return entry;
    return componentTrapFor(slot);
}

} // namespace

InterfaceTables::InterfaceTables(const OperationRegistry& registry)
{
    for (const auto& component : loader::kComponents) {
        for (int32_t reference = 0; reference < component.referenceCount; ++reference) {
            const size_t length = xt::componentTableLength(component.code, reference);
            // A table with no operations still has one (empty) slot, so its address is never null.
            std::vector<void*> table(length > 0 ? length : 1);
            for (size_t slot = 0; slot < length; ++slot)
                table[slot] = componentSlotFor(registry, {component.code, reference, slot});
            m_components.emplace(std::make_pair(component.code, reference), std::move(table));
        }
    }
    for (const auto& row : xt::kRequestTable.rows) {
        std::vector<void*> table(static_cast<size_t>(row.length));
        table[0] = word(xt::kRequestListVersion);
        for (int32_t k = 1; k < row.length; ++k)
            table[static_cast<size_t>(k)] = slotFor(registry, xt::kRequestTable.words[row.offset + static_cast<uint32_t>(k)]);
        m_requests.push_back(std::move(table));
    }
    for (const auto& service : xt::kServiceTable.rows) {
        std::vector<void*> table(static_cast<size_t>(service.count) + 1);
        table[0] = word(static_cast<uint32_t>(service.count));
        for (int32_t k = 1; k <= service.count; ++k)
            table[static_cast<size_t>(k)] = slotFor(registry, xt::kServiceTable.words[service.offset + static_cast<uint32_t>(k)]);
        m_services.push_back(std::move(table));
    }
}

void* const* InterfaceTables::componentTable(xt::FourLetterCode component, int32_t reference) const
{
    auto found = m_components.find({component, reference});
    return found == m_components.end() ? nullptr : found->second.data();
}

std::optional<size_t> InterfaceTables::requestRowOf(xt::FourLetterCode code)
{
    for (size_t row = 0; row < xt::kRequestTable.rows.size(); ++row) {
        if (xt::kRequestTable.rows[row].code == code)
            return row;
    }
    return std::nullopt;
}

std::optional<size_t> InterfaceTables::serviceOf(xt::FourLetterCode code)
{
    for (size_t index = 0; index < xt::kServiceTable.rows.size(); ++index) {
        if (xt::kServiceTable.rows[index].code == code)
            return index;
    }
    return std::nullopt;
}

bool InterfaceTables::listMatchesRow(size_t row, const uint32_t* list, int32_t length)
{
    const auto& expected = xt::kRequestTable.rows.at(row);
    if (!list || length != expected.length)
        return false;
    for (int32_t k = 0; k < length; ++k) {
        if (list[k] != xt::kRequestTable.words[expected.offset + static_cast<uint32_t>(k)])
            return false;
    }
    return true;
}

void* InterfaceTables::entryOf(uint32_t number) const
{
    const xt::OperationPlace place = xt::placeOf(number);
    if (place.kind == xt::OperationPlace::None)
        return nullptr;
    void* const* table = place.kind == xt::OperationPlace::Service ? serviceTable(place.index) : requestTable(place.index);
    return table[place.slot];
}

} // namespace host::api
