// The settings dialog's fields through the host: the field's text, then the host's number readers.
#include "mockum/ui/settings_fields.h"

#include "foundation/binding/binding.h"
#include "xtapi/dialogs.h"

namespace mockum {
namespace {

/// The field's text as a host text object the caller disposes; null when the host cannot give it.
xt::TextObject fieldText(int32_t item)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    if (xt::calls::GetFieldNumber(item, &text, nullptr, &ok) != 0)
        return nullptr;
    return text;
}

} // namespace

int32_t readPageField(int32_t item, int32_t previous)
{
    xt::TextObject text = fieldText(item);
    if (!text)
        return previous;
    // The host reads 0 from a text that holds no number, and no page has that number.
    const int32_t page = xt::calls::ToolboxOp5034(text);
    xt::calls::DisposeTextObject(text);
    return page != 0 ? page : previous;
}

xt::Fixed readThresholdField(int32_t item, xt::Fixed previous)
{
    xt::TextObject text = fieldText(item);
    if (!text)
        return previous;
    xt::Fixed threshold = previous;
    uint8_t read = 0;
    if (xt::calls::ParseMeasurement(text, &threshold, xt::UnitPlainNumber, 0, 0, &read) != 0 || read == 0 || threshold <= 0)
        threshold = previous;
    xt::calls::DisposeTextObject(text);
    return threshold;
}

} // namespace mockum
