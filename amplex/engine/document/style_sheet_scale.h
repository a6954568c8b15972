// Style-sheet scaling: a document scale multiplies the sizes, indents and spacing its style sheets give.
#pragma once

#include "amplex/engine/common/scale_factors.h"
#include "amplex/settings/settings.h"

namespace amplex {

/// The factors text follows: the settings' own, or both the smaller one when "Keep Proportional"
/// for text is on and "Constrain" is off; `ratio` is horizontal ÷ vertical, or 0 when they are
/// equal or the vertical one is 0.
struct TextFactors {
    Fixed h = 0;
    Fixed v = 0;
    Fixed ratio = 0;
};
TextFactors textFactors(const ScaleSettings& settings);

/// Scales every paragraph, then every character style sheet of the current document. A style
/// sheet the host cannot read is left as it is.
void scaleStyleSheets();

} // namespace amplex
