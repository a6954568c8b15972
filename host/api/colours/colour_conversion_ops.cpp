// The host's colour conversions, on arrays of 16-bit components: pure arithmetic that never fails.
#include <algorithm>

#include "host/api/colours/colour_lists.h"
#include "host/api/operation_areas.h"
#include "host/model/colours/colour_value.h"

namespace host::api {
namespace {

template <class In, class Out, Out (*Convert)(const In&)>
void convert(const uint16_t* in, uint16_t* out)
{
    if (!in || !out)
        return;
    In from{};
    std::copy_n(in, from.size(), from.begin());
    const Out to = Convert(from);
    std::copy(to.begin(), to.end(), out);
}

void RgbToHsb(const uint16_t* rgb, uint16_t* hsb)
{
    convert<model::Rgb, model::Hsb, &model::rgbToHsb>(rgb, hsb);
}

void HsbToRgb(const uint16_t* hsb, uint16_t* rgb)
{
    convert<model::Hsb, model::Rgb, &model::hsbToRgb>(hsb, rgb);
}

void RgbToCmyk(const uint16_t* rgb, uint16_t* cmyk)
{
    convert<model::Rgb, model::Cmyk, &model::rgbToCmyk>(rgb, cmyk);
}

void CmykToRgb(const uint16_t* cmyk, uint16_t* rgb)
{
    convert<model::Cmyk, model::Rgb, &model::cmykToRgb>(cmyk, rgb);
}

} // namespace

void registerColourConversionOps(OperationRegistry& registry)
{
    registry.add<xt::op::RgbToHsb, &RgbToHsb>();
    registry.add<xt::op::HsbToRgb, &HsbToRgb>();
    registry.add<xt::op::RgbToCmyk, &RgbToCmyk>();
    registry.add<xt::op::CmykToRgb, &CmykToRgb>();
}

} // namespace host::api
