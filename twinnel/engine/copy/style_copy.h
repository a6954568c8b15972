// Style sheets and colours brought from the source layout into a destination.
#pragma once

#include "xtapi/types.h"

namespace twinnel {

enum class StyleReplace { Keep, Replace };

/// Copies the source's character and paragraph style sheets (kinds 1 and 2) into the destination;
/// a sheet whose name the destination has takes the source's definition. With Replace, the
/// destination's own sheets go first, all but the ones the host keeps.
void CopyStyleSheets(xt::DocumentRef source, xt::DocumentRef destination, StyleReplace replace);
/// The same for the style sheets of kind 5.
void CopyStyleSheetsKind5(xt::DocumentRef source, xt::DocumentRef destination, StyleReplace replace);
/// Copies the source's own colours (not the host's built-in ones) that the destination lacks by name.
/// The source must be the current layout, whose colour list the walk reads.
void CopyColors(xt::DocumentRef destination);

} // namespace twinnel
