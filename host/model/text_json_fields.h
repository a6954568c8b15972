// The names under which character and paragraph attributes appear in document files, by attribute code.
#pragma once

#include <cstdint>
#include <span>

namespace host::model {

/// How a field's value is written: a whole number, a 16.16 value as a number, or a colour by name.
enum class JsonValue : uint8_t { Whole, Fixed, Colour };

struct JsonField {
    const char* name;
    int32_t code;
    JsonValue value;
};

std::span<const JsonField> characterJsonFields();
/// Indents, spacing, leading and alignment.
std::span<const JsonField> paragraphJsonFields();
/// The fields of the rule above; the rule below has the same names, with the codes ruleBelowCode gives.
std::span<const JsonField> ruleAboveJsonFields();
int32_t ruleBelowCode(int32_t ruleAboveCode);

} // namespace host::model
