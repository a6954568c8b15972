// Reading a document file's objects field by field: each refusal names where it sits, and the first
// problem is the one the reader reports.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include <nlohmann/json.hpp>

#include "host/model/document_json_points.h"

namespace host::model {

class JsonFieldReader {
public:
    using Json = nlohmann::ordered_json;
    using Problem = std::pair<std::string, std::string>;

    std::optional<Problem> problem;

    bool fail(const std::string& where, const std::string& what)
    {
        if (!problem)
            problem = Problem{where, what};
        return false;
    }

    bool onlyKeys(const Json& object, const std::string& where, std::initializer_list<std::string_view> keys)
    {
        for (const auto& [key, value] : object.items()) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                return fail(where + "." + key, "is not part of a version-1 document");
        }
        return true;
    }

    std::optional<int64_t> whole(const Json& object, const std::string& where, const char* key, int64_t low, int64_t high)
    {
        if (!object.contains(key) || !object[key].is_number_integer() || object[key].get<int64_t>() < low
            || object[key].get<int64_t>() > high) {
            fail(where + "." + key, "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high));
            return std::nullopt;
        }
        return object[key].get<int64_t>();
    }

    std::optional<xt::Fixed> length(const Json& object, const std::string& where, const char* key)
    {
        const auto value = object.contains(key) ? fixedFromPoints(object[key]) : std::nullopt;
        if (!value)
            fail(where + "." + key, "must be a length in points");
        return value;
    }
};

} // namespace host::model
