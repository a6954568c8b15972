// The two message boxes of the scaling engine: the warning that carries every refusal, and the
// question asked before a linked text chain is scaled.
#pragma once

namespace amplex {

/// Shows `text` in an ownerless warning box titled "VORNE Amplex" with an arrow cursor.
void ShowScaleWarning(const char* text);

/// Asks whether to go on scaling inside a linked text chain; true unless the user answers No.
bool ConfirmLinkedChainScale();

} // namespace amplex
