// The checks the story and data block reader makes on JSON values; the first problem is kept with
// its place in the document.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/model/data_blocks.h"
#include "host/model/text_json.h"

namespace host::model {

class TextJsonChecker {
public:
    using Json = nlohmann::ordered_json;

    explicit TextJsonChecker(const ColourNames& colours) : m_colours(&colours) {}

    TextJsonProblem problem() const { return m_problem.value_or(TextJsonProblem{}); }
    /// Keeps the first problem; always false, so a check can end with `return check.fail(...)`.
    bool fail(const std::string& where, const std::string& what);

    /// An object with no keys but these.
    bool object(const Json& value, const std::string& where, const std::vector<std::string_view>& keys);
    bool object(const Json& value, const std::string& where, std::initializer_list<std::string_view> keys)
    {
        return object(value, where, std::vector<std::string_view>(keys));
    }
    /// The member, or a null value (and a problem) when it is missing.
    const Json& required(const Json& object, const std::string& where, const char* key);

    std::optional<int64_t> integer(const Json& value, const std::string& where, int64_t min, int64_t max);
    std::optional<int64_t> optionalInteger(const Json& object, const std::string& where, const char* key, int64_t min, int64_t max, int64_t absent);
    std::optional<xt::Fixed> fixed(const Json& value, const std::string& where);
    /// A colour by name (or number), as a colour number.
    std::optional<int16_t> colour(const Json& value, const std::string& where);
    /// A list of at most `maxCount` whole numbers in [min, max]; an absent key is an empty list.
    std::optional<std::vector<int32_t>> integers(const Json& object, const std::string& where, const char* key, size_t maxCount, int64_t min, int64_t max);
    /// A non-empty list of item references, none twice.
    std::optional<std::vector<int32_t>> references(const Json& object, const std::string& where, const char* key);
    /// The story's text: "text" (a string) or "units" (16-bit code units), exactly one of them.
    std::optional<std::u16string> storyText(const Json& story, const std::string& where);
    /// The "blocks" of a holder: four-letter ids (text or number) with their bytes in hexadecimal.
    std::optional<std::vector<std::pair<xt::FourLetterCode, DataBlock>>> blocks(const Json& holder, const std::string& where);

    static std::string join(const std::string& where, std::string_view key);
    static std::string index(const std::string& where, size_t i);

private:
    const ColourNames* m_colours;
    std::optional<TextJsonProblem> m_problem;
};

} // namespace host::model
