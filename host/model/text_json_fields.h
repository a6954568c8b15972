// The names under which character and paragraph attributes appear in document files, by attribute code.
#pragma once

#include <cstdint>
#include <span>

namespace host::model {

struct JsonField {
    const char* name;
    int32_t code;
    bool fixed; // a 16.16 value written as a number; otherwise a whole number
};

std::span<const JsonField> characterJsonFields();
/// Indents, spacing, leading and alignment.
std::span<const JsonField> paragraphJsonFields();
/// The fields of the rule above; the rule below has the same names, with the codes ruleBelowCode gives.
std::span<const JsonField> ruleAboveJsonFields();
int32_t ruleBelowCode(int32_t ruleAboveCode);

} // namespace host::model
