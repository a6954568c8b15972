// The settings dialog's fields through the host: the field's text, then the host's number readers,
// which read the front of a text ("3-" as 3), so the text is checked whole first.
#include "mockum/ui/settings_fields.h"

#include <algorithm>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/dialogs.h"

namespace mockum {
namespace {

/// The field's text as a host text object the caller disposes, and its characters; a null object when
/// the host cannot give it.
struct FieldText {
    xt::TextObject object = nullptr;
    std::string chars;
};

FieldText fieldText(int32_t item)
{
    FieldText text;
    uint8_t ok = 0;
    if (xt::calls::GetFieldNumber(item, &text.object, nullptr, &ok) != 0 || !text.object)
        return {};
    const int32_t length = xt::calls::GetTextObjectLength(text.object);
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        foundation::TextToCString(text.object, buffer.data(), static_cast<int32_t>(buffer.size()));
        text.chars = buffer.data();
    }
    return text;
}

std::string_view trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool isWholeNumberText(std::string_view text)
{
    const std::string_view number = trimmed(text);
    // More digits than any page number has would overflow the host's reader.
    return !number.empty() && number.size() <= 9
        && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

FieldValue<int32_t> readPageField(int32_t item)
{
    FieldText text = fieldText(item);
    FieldValue<int32_t> read{std::nullopt, text.chars};
    if (!text.object)
        return read;
    if (isWholeNumberText(text.chars)) {
        const int32_t page = xt::calls::ToolboxOp5034(text.object);
        if (page >= 1 && page <= kFieldMaximum)
            read.value = page;
    }
    xt::calls::DisposeTextObject(text.object);
    return read;
}

FieldValue<xt::Fixed> readThresholdField(int32_t item)
{
    FieldText text = fieldText(item);
    FieldValue<xt::Fixed> read{std::nullopt, text.chars};
    if (!text.object)
        return read;
    xt::Fixed threshold = 0;
    uint8_t parsed = 0;
    if (xt::calls::ParseMeasurement(text.object, &threshold, xt::UnitPlainNumber, 0, 0, &parsed) == 0 && parsed != 0
        && threshold > 0 && threshold <= kFieldMaximum * xt::kFixedOne)
        read.value = threshold;
    xt::calls::DisposeTextObject(text.object);
    return read;
}

} // namespace mockum
