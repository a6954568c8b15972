// Value checks for reading stories and data blocks.
#include "host/model/text_json_checker.h"

#include <algorithm>
#include <set>

#include "host/model/document_json_points.h"

namespace host::model {
namespace {

const nlohmann::ordered_json kAbsent;

std::optional<uint8_t> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<uint8_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<uint8_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<uint8_t>(c - 'A' + 10);
    return std::nullopt;
}

std::optional<DataBlock> fromHex(const std::string& text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    DataBlock bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const auto high = hexDigit(text[i]);
        const auto low = hexDigit(text[i + 1]);
        if (!high || !low)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(*high << 4 | *low));
    }
    return bytes;
}

/// UTF-8 (which the JSON parser has already checked) to UTF-16.
std::u16string utf16(const std::string& text)
{
    std::u16string out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<uint8_t>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        uint32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra && i + static_cast<size_t>(k) < text.size(); ++k)
            c = c << 6 | (static_cast<uint8_t>(text[i + static_cast<size_t>(k)]) & 0x3F);
        i += static_cast<size_t>(extra) + 1;
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
            continue;
        }
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
    return out;
}

std::optional<xt::FourLetterCode> blockId(const nlohmann::ordered_json& id)
{
    if (id.is_number_unsigned() && id.get<uint64_t>() <= UINT32_MAX)
        return static_cast<xt::FourLetterCode>(id.get<uint64_t>());
    if (!id.is_string() || id.get<std::string>().size() != 4)
        return std::nullopt;
    const std::string letters = id.get<std::string>();
    xt::FourLetterCode code = 0;
    for (int i = 3; i >= 0; --i)
        code = code << 8 | static_cast<uint8_t>(letters[static_cast<size_t>(i)]);
    return code;
}

} // namespace

bool TextJsonChecker::fail(const std::string& where, const std::string& what)
{
    if (!m_problem)
        m_problem = TextJsonProblem{where, what};
    return false;
}

bool TextJsonChecker::object(const Json& value, const std::string& where, const std::vector<std::string_view>& keys)
{
    if (!value.is_object())
        return fail(where, "must be an object");
    for (const auto& [key, member] : value.items()) {
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            return fail(join(where, key), "is not part of a version-1 document");
    }
    return true;
}

const nlohmann::ordered_json& TextJsonChecker::required(const Json& object, const std::string& where, const char* key)
{
    const auto found = object.find(key);
    if (found != object.end())
        return *found;
    fail(join(where, key), "is missing");
    return kAbsent;
}

std::optional<int64_t> TextJsonChecker::integer(const Json& value, const std::string& where, int64_t min, int64_t max)
{
    if (!value.is_number_integer() || value.get<int64_t>() < min || value.get<int64_t>() > max)
        return fail(where, "must be a whole number from " + std::to_string(min) + " to " + std::to_string(max)), std::nullopt;
    return value.get<int64_t>();
}

std::optional<int64_t> TextJsonChecker::optionalInteger(const Json& object, const std::string& where, const char* key, int64_t min, int64_t max, int64_t absent)
{
    const auto found = object.find(key);
    return found == object.end() ? std::optional<int64_t>(absent) : integer(*found, join(where, key), min, max);
}

std::optional<int16_t> TextJsonChecker::colour(const Json& value, const std::string& where)
{
    std::string problem;
    const auto number = m_colours->resolve(value, problem);
    if (!number)
        fail(where, problem);
    return number;
}

std::optional<xt::Fixed> TextJsonChecker::fixed(const Json& value, const std::string& where)
{
    const auto converted = fixedFromPoints(value);
    if (!converted)
        return fail(where, "must be a number from -32768 to 32767"), std::nullopt;
    return converted;
}

std::optional<std::vector<int32_t>> TextJsonChecker::integers(const Json& object, const std::string& where, const char* key, size_t maxCount, int64_t min, int64_t max)
{
    const auto found = object.find(key);
    if (found == object.end())
        return std::vector<int32_t>{};
    const std::string at = join(where, key);
    if (!found->is_array() || found->size() > maxCount)
        return fail(at, "must be a list of at most " + std::to_string(maxCount) + " whole numbers"), std::nullopt;
    std::vector<int32_t> values;
    for (size_t i = 0; i < found->size(); ++i) {
        const auto value = integer((*found)[i], index(at, i), min, max);
        if (!value)
            return std::nullopt;
        values.push_back(static_cast<int32_t>(*value));
    }
    return values;
}

std::optional<std::vector<int32_t>> TextJsonChecker::references(const Json& object, const std::string& where, const char* key)
{
    const std::string at = join(where, key);
    required(object, where, key);
    auto values = integers(object, where, key, SIZE_MAX, 1, INT32_MAX);
    if (!values)
        return std::nullopt;
    const std::set<int32_t> distinct(values->begin(), values->end());
    if (values->empty() || distinct.size() != values->size())
        return fail(at, "must be a list of item references, at least one, none twice"), std::nullopt;
    return values;
}

std::optional<std::u16string> TextJsonChecker::storyText(const Json& story, const std::string& where)
{
    const auto text = story.find("text");
    const auto units = story.find("units");
    if ((text == story.end()) == (units == story.end()))
        return fail(where, "must hold its text in \"text\" or in \"units\", not both"), std::nullopt;
    if (text != story.end()) {
        if (!text->is_string())
            return fail(join(where, "text"), "must be a text"), std::nullopt;
        return utf16(text->get<std::string>());
    }
    const auto codes = integers(story, where, "units", SIZE_MAX, 0, 0xFFFF);
    if (!codes)
        return std::nullopt;
    return std::u16string(codes->begin(), codes->end());
}

std::optional<std::vector<std::pair<xt::FourLetterCode, DataBlock>>> TextJsonChecker::blocks(const Json& holder, const std::string& where)
{
    const std::string at = join(where, "blocks");
    const Json& list = required(holder, where, "blocks");
    if (!list.is_array())
        return fail(at, "must be a list of blocks"), std::nullopt;
    std::vector<std::pair<xt::FourLetterCode, DataBlock>> read;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string entryAt = index(at, i);
        if (!object(list[i], entryAt, {"id", "bytes"}))
            return std::nullopt;
        const auto id = blockId(required(list[i], entryAt, "id"));
        const Json& bytes = required(list[i], entryAt, "bytes");
        const auto data = bytes.is_string() ? fromHex(bytes.get<std::string>()) : std::nullopt;
        if (!id)
            return fail(join(entryAt, "id"), "must be four letters or a 32-bit number"), std::nullopt;
        if (!data)
            return fail(join(entryAt, "bytes"), "must be the block's bytes in hexadecimal, two digits a byte"), std::nullopt;
        const bool repeated = std::any_of(read.begin(), read.end(), [&](const auto& block) { return block.first == *id; });
        if (repeated)
            return fail(join(entryAt, "id"), "names a block this holder has already"), std::nullopt;
        read.emplace_back(*id, std::move(*data));
    }
    return read;
}

std::string TextJsonChecker::join(const std::string& where, std::string_view key)
{
    return where.empty() ? std::string(key) : where + "." + std::string(key);
}

std::string TextJsonChecker::index(const std::string& where, size_t i)
{
    return where + "[" + std::to_string(i) + "]";
}

} // namespace host::model
