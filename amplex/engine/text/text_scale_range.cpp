// The text scaler's chain state.
#include "amplex/engine/text/text_scale_range.h"

namespace amplex {
namespace {

TextScaleRange g_range;

} // namespace

TextScaleRange textScaleRange()
{
    return g_range;
}

void setTextScaleRange(TextScaleRange range)
{
    g_range = range;
}

void resetTextScaleRange()
{
    g_range = {};
}

} // namespace amplex
