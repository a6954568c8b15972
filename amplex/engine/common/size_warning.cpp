// Minimum-size warnings.
#include "amplex/engine/common/size_warning.h"

#include <vector>

#include "amplex/engine/common/scale_warning.h"
#include "amplex/resources/strings.h"
#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"

namespace amplex {
namespace {

constexpr int32_t kHorizontalMeasure = 0x73;

} // namespace

std::string measurementText(Fixed value, int32_t unit)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    xt::calls::FormatMeasurement(value, &text, unit, 0, &ok);
    if (!text)
        return {};
    std::string result;
    const int32_t length = xt::calls::GetTextObjectLength(text);
    if (ok == 1 && length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        foundation::TextToCString(text, buffer.data(), static_cast<int32_t>(buffer.size()));
        result = buffer.data();
    }
    xt::calls::DisposeTextObject(text);
    return result;
}

void warnIfBelowMinimum(Fixed height, Fixed width, Fixed minimum, const MinimumSizeMessages& messages)
{
    const bool lowHeight = height < minimum;
    const bool lowWidth = width < minimum;
    if (!lowHeight && !lowWidth)
        return;
    const int32_t message = lowHeight && lowWidth ? messages.both : lowHeight ? messages.height : messages.width;
    const std::string text = loadAmplexString(message) + measurementText(minimum, kHorizontalMeasure);
    ShowScaleWarning(text.c_str());
}

} // namespace amplex
