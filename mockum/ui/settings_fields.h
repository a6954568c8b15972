// Reading what the user typed into the settings dialog's fields: the value, or, when the text is no
// value the field takes, the text itself for the message that refuses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "xtapi/types.h"

namespace mockum {

/// The largest page number and size, in points, the fields take (they start at 1 and above 0).
inline constexpr int32_t kFieldMaximum = 1000;

template <class T>
struct FieldValue {
    std::optional<T> value;
    std::string typed;
};

/// The page typed into a From or To field: a whole number from 1 to kFieldMaximum.
FieldValue<int32_t> readPageField(int32_t item);
/// The size typed into the threshold field, in points: above 0 and at most kFieldMaximum.
FieldValue<xt::Fixed> readThresholdField(int32_t item);

/// True for text that is a whole number written in digits alone (spaces around it allowed).
bool isWholeNumberText(std::string_view text);

} // namespace mockum
