// Where each host operation sits: the 120 request rows and the 20 services as compile-time data, and
// the place of an operation number in them. Both sides build their tables from it; evaluating it takes
// the compiler a while, so only the code that builds or acquires the tables includes it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "xtapi/operations.h"
#include "xtapi/records.h"

namespace xt {

namespace detail {

inline constexpr uint32_t kRowMark = 0xFFFFFFFFu;

inline constexpr uint32_t kRowStream[] = {
#define XT_ROW(code, count, ...) kRowMark, code, count __VA_OPT__(, ) __VA_ARGS__,
#include "xtapi/requests.def"
#undef XT_ROW
};

inline constexpr uint32_t kServiceStream[] = {
#define XT_SERVICE(code, ...) kRowMark, code __VA_OPT__(, ) __VA_ARGS__,
#include "xtapi/services.def"
#undef XT_SERVICE
};

constexpr size_t countMarks(const uint32_t* stream, size_t size)
{
    size_t marks = 0;
    for (size_t i = 0; i < size; ++i)
        marks += stream[i] == kRowMark;
    return marks;
}

} // namespace detail

/// A request list as the plug-in passes it: the version word, then `length - 1` operation numbers.
struct RequestRow {
    FourLetterCode code;
    uint32_t offset; // into kRequestWords
    int32_t length;
};

inline constexpr size_t kRequestRowCount = detail::countMarks(detail::kRowStream, std::size(detail::kRowStream));
inline constexpr size_t kRequestOperationCount = 3651;
static_assert(kRequestRowCount == 120, "every plug-in acquires exactly 120 tables");

struct RequestTable {
    std::array<RequestRow, kRequestRowCount> rows{};
    std::array<uint32_t, kRequestOperationCount + kRequestRowCount> words{};
};

constexpr RequestTable buildRequestTable()
{
    RequestTable table;
    const auto& s = detail::kRowStream;
    size_t row = 0;
    uint32_t next = 0;
    for (size_t i = 0; i < std::size(s);) {
        const uint32_t code = s[i + 1];
        const uint32_t count = s[i + 2];
        table.rows[row] = {code, next, static_cast<int32_t>(count + 1)};
        table.words[next] = kRequestListVersion;
        i += 3;
        for (uint32_t k = 1; k <= count; ++k) {
            const bool given = i < std::size(s) && s[i] != detail::kRowMark;
            table.words[next + k] = given ? s[i++] : 0;
        }
        if (i < std::size(s) && s[i] != detail::kRowMark)
            throw "a request row lists more operations than its count";
        next += count + 1;
        ++row;
    }
    if (next != table.words.size())
        throw "the request rows must hold 3,651 operations in all";
    return table;
}

inline constexpr RequestTable kRequestTable = buildRequestTable();

/// The service tables the host hands out by code: slot k holds operation k of the list.
struct ServiceRow {
    FourLetterCode code;
    uint32_t offset; // into kServiceWords; the first word is the count
    int32_t count;
};

inline constexpr size_t kServiceCount = detail::countMarks(detail::kServiceStream, std::size(detail::kServiceStream));
static_assert(kServiceCount == 20, "every plug-in acquires exactly 20 services");

struct ServiceTable {
    std::array<ServiceRow, kServiceCount> rows{};
    std::array<uint32_t, std::size(detail::kServiceStream) - kServiceCount> words{};
};

constexpr ServiceTable buildServiceTable()
{
    ServiceTable table;
    const auto& s = detail::kServiceStream;
    size_t row = 0;
    uint32_t next = 0;
    for (size_t i = 0; i < std::size(s);) {
        const uint32_t code = s[i + 1];
        i += 2;
        const uint32_t start = next;
        table.words[next++] = 0;
        while (i < std::size(s) && s[i] != detail::kRowMark)
            table.words[next++] = s[i++];
        table.words[start] = next - start - 1;
        table.rows[row++] = {code, start, static_cast<int32_t>(next - start - 1)};
    }
    return table;
}

inline constexpr ServiceTable kServiceTable = buildServiceTable();

/// Where a plug-in finds an operation: in request table `index` or service `index`, at `slot`.
struct OperationPlace {
    enum Kind : uint8_t { None, Request, Service } kind = None;
    uint16_t index = 0;
    uint16_t slot = 0;
};

namespace detail {

struct PlacedOperation {
    uint32_t number;
    OperationPlace place;
};

inline constexpr size_t kPlacedCount = kRequestOperationCount + kServiceTable.words.size() - kServiceCount;

/// Every operation number of the rows and services with its place, sorted by number;
/// the 0 padding slots are left out.
constexpr std::array<PlacedOperation, kPlacedCount> buildPlaceIndex()
{
    std::array<PlacedOperation, kPlacedCount> index{};
    size_t n = 0;
    for (size_t r = 0; r < kRequestTable.rows.size(); ++r) {
        const auto& row = kRequestTable.rows[r];
        for (int32_t k = 1; k < row.length; ++k)
            index[n++] = {kRequestTable.words[row.offset + k],
                {OperationPlace::Request, static_cast<uint16_t>(r), static_cast<uint16_t>(k)}};
    }
    for (size_t r = 0; r < kServiceTable.rows.size(); ++r) {
        const auto& row = kServiceTable.rows[r];
        for (int32_t k = 1; k <= row.count; ++k)
            index[n++] = {kServiceTable.words[row.offset + k],
                {OperationPlace::Service, static_cast<uint16_t>(r), static_cast<uint16_t>(k)}};
    }
    std::sort(index.begin(), index.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
    return index;
}

inline constexpr auto kPlaceIndex = buildPlaceIndex();

constexpr bool noNumberPlacedTwice()
{
    for (size_t i = 1; i < kPlaceIndex.size(); ++i) {
        if (kPlaceIndex[i].number != 0 && kPlaceIndex[i].number == kPlaceIndex[i - 1].number)
            return false;
    }
    return true;
}
static_assert(noNumberPlacedTwice(), "an operation number sits in two slots");

} // namespace detail

/// Where a plug-in finds operation `number`; kind None when no row or service holds it.
constexpr OperationPlace placeOf(uint32_t number)
{
    if (number == 0)
        return {};
    const auto& index = detail::kPlaceIndex;
    const auto* it = std::lower_bound(index.begin(), index.end(), number,
        [](const detail::PlacedOperation& entry, uint32_t value) { return entry.number < value; });
    return it != index.end() && it->number == number ? it->place : OperationPlace{};
}

namespace detail {
constexpr bool everyOperationPlacedAndNumberedOnce()
{
    std::array<uint32_t, std::size(kOperations)> numbers{};
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (placeOf(kOperations[i].number).kind == OperationPlace::None)
            return false;
        numbers[i] = kOperations[i].number;
    }
    std::sort(numbers.begin(), numbers.end());
    return std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}
} // namespace detail
static_assert(detail::everyOperationPlacedAndNumberedOnce(),
    "every operation has its own number and sits in a request row or a service");

} // namespace xt
