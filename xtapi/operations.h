// The host operations, their request rows and service tables as compile-time data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "xtapi/records.h"
#include "xtapi/types.h"

namespace xt {

/// One tag type per operation: op::GetBoxRecord::number, ::Signature, ::name.
namespace op {
#define XT_OP(num, Name, Ret, Params)              \
    struct Name {                                  \
        static constexpr uint32_t number = num;    \
        static constexpr const char* name = #Name; \
        using Signature = Ret Params;              \
    };
#include "xtapi/operations.def"
#undef XT_OP
} // namespace op

struct OperationInfo {
    uint32_t number;
    const char* name;
};

inline constexpr OperationInfo kOperations[] = {
#define XT_OP(num, Name, Ret, Params) {num, #Name},
#include "xtapi/operations.def"
#undef XT_OP
};

constexpr const char* operationName(uint32_t number)
{
    for (const auto& info : kOperations) {
        if (info.number == number)
            return info.name;
    }
    return nullptr;
}

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

constexpr OperationPlace placeOf(uint32_t number)
{
    OperationPlace found;
    int seen = 0;
    for (size_t r = 0; r < kRequestTable.rows.size(); ++r) {
        const auto& row = kRequestTable.rows[r];
        for (int32_t k = 1; k < row.length; ++k) {
            if (kRequestTable.words[row.offset + k] == number) {
                found = {OperationPlace::Request, static_cast<uint16_t>(r), static_cast<uint16_t>(k)};
                ++seen;
            }
        }
    }
    for (size_t r = 0; r < kServiceTable.rows.size(); ++r) {
        const auto& row = kServiceTable.rows[r];
        for (int32_t k = 1; k <= row.count; ++k) {
            if (kServiceTable.words[row.offset + k] == number) {
                found = {OperationPlace::Service, static_cast<uint16_t>(r), static_cast<uint16_t>(k)};
                ++seen;
            }
        }
    }
    return seen == 1 ? found : OperationPlace{};
}

namespace detail {
constexpr bool everyOperationPlacedOnce()
{
    for (const auto& info : kOperations) {
        if (placeOf(info.number).kind == OperationPlace::None)
            return false;
        for (const auto& other : kOperations) {
            if (&other != &info && other.number == info.number)
                return false;
        }
    }
    return true;
}
} // namespace detail
static_assert(detail::everyOperationPlacedOnce(),
    "every operation has one number and sits in exactly one request row or service");

} // namespace xt
