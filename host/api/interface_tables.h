// The tables the host hands out: one per request row and one per service, built from the registry.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <optional>
#include <vector>

#include "host/api/registry.h"
#include "xtapi/operations.h"

namespace host::api {

class InterfaceTables {
public:
    /// Slot 0 of a request table holds the version word, slot k the entry of the row's k-th
    /// operation (null for the row's empty slots, a trap for an operation the host lacks).
    /// Slot 0 of a service table holds its operation count.
    explicit InterfaceTables(const OperationRegistry& registry);

    /// The row index of a group code, or nullopt.
    static std::optional<size_t> requestRowOf(xt::FourLetterCode code);
    static std::optional<size_t> serviceOf(xt::FourLetterCode code);
    /// True when a plug-in's request list is exactly the row's: same length, version word and numbers.
    static bool listMatchesRow(size_t row, const uint32_t* list, int32_t length);

    void* const* requestTable(size_t row) const { return m_requests.at(row).data(); }
    void* const* serviceTable(size_t index) const { return m_services.at(index).data(); }
    /// What a plug-in finds for operation `number` in the table of its row or service; null for a
    /// number that no row or service holds.
    void* entryOf(uint32_t number) const;
    /// The table of a component's reference (0 for its first): index k holds the operation at byte
    /// offset 4k, a trap for one the host lacks, null where the component has none. Null for an
    /// unknown component.
    void* const* componentTable(xt::FourLetterCode component, int32_t reference) const;

private:
    std::vector<std::vector<void*>> m_requests;
    std::vector<std::vector<void*>> m_services;
    std::map<std::pair<xt::FourLetterCode, int32_t>, std::vector<void*>> m_components;
};

} // namespace host::api
