// Lengths in document files: points as JSON numbers, exact for every 16.16 fixed value.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include <nlohmann/json.hpp>

#include "xtapi/types.h"

namespace host::model {

/// Whole points are written as integers so that a person reads "612", not "612.0".
inline nlohmann::ordered_json pointsFromFixed(xt::Fixed value)
{
    if (value % xt::kFixedOne == 0)
        return value / xt::kFixedOne;
    return static_cast<double>(value) / xt::kFixedOne;
}

/// Null for a value that is not a number or does not fit a 16.16 fixed value.
inline std::optional<xt::Fixed> fixedFromPoints(const nlohmann::ordered_json& value)
{
    if (!value.is_number())
        return std::nullopt;
    const double scaled = std::round(value.get<double>() * xt::kFixedOne);
    if (!std::isfinite(scaled) || scaled < INT32_MIN || scaled > INT32_MAX)
        return std::nullopt;
    return static_cast<xt::Fixed>(scaled);
}

} // namespace host::model
