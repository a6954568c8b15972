// Snapping a scaled point size to the settings' step.
#include "amplex/engine/text/font_size_rounding.h"

#include "amplex/settings/settings.h"
#include "foundation/numbers/fixed_math.h"

namespace amplex {

xt::Fixed RoundFontSize(xt::Fixed size)
{
    return foundation::roundFontSizeTo(size, currentSettings().RoundFontsStep);
}

} // namespace amplex
