// Dialog item texts and values.
#include "threadix/ui/dialog_text.h"

#include <algorithm>
#include <vector>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"

namespace threadix {
namespace {

xt::TextObject textObject(const std::string& text)
{
    return xt::calls::NewTextObject(text.c_str(), 0, static_cast<int32_t>(text.size()));
}

} // namespace

void setStaticText(int32_t item, const std::string& text)
{
    xt::TextObject object = textObject(text);
    if (!object)
        return;
    xt::calls::SetStaticText(item, object);
    xt::calls::DisposeTextObject(object);
}

void setFieldText(int32_t item, const std::string& text)
{
    xt::TextObject object = textObject(text);
    if (!object)
        return;
    xt::calls::SetFieldText(item, object, 0);
    xt::calls::DisposeTextObject(object);
}

std::string fieldText(int32_t item, size_t limit)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    if (xt::calls::GetFieldNumber(item, &text, nullptr, &ok) != 0 || !text)
        return {};
    // The bounded copy: a field may hold more than the settings keep. An empty field is no error.
    std::vector<char> buffer(limit + 1, '\0');
    if (xt::calls::GetTextObjectLength(text) > 0)
        foundation::TextToCString(text, buffer.data(), static_cast<int32_t>(buffer.size()));
    xt::calls::DisposeTextObject(text);
    return std::string(buffer.data());
}

bool isOn(int32_t item)
{
    int16_t value = 0;
    return xt::calls::GetControlValue(item, &value) == 0 && value != 0;
}

} // namespace threadix
