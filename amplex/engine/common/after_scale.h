// The last step of every operation that changed the current document: the layout window's two
// per-axis view values are set again.
#pragma once

namespace amplex {

/// Hands the layout window a value per axis (0, then 1): its view value enlarged by 1 % and divided
/// by the document's divisor. A divisor of 0 leaves the value undivided.
void AdjustDocumentAfterScale();

} // namespace amplex
