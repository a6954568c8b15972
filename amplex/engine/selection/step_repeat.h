// Step and repeat with scaling: the Selection engine, which scales the selection once or makes
// copies of it, each scaled a step more than the one before.
#pragma once

namespace amplex {

/// Scales the current selection by the run's repeat count: once for a count of 1 (or with the content
/// tool on an item that is no text); n copies placed by the host's step-and-repeat offsets for n > 1;
/// for a count of -n, n pages added at the end, each holding a scaled copy and a label of its factor.
void StepAndRepeatScaled();

} // namespace amplex
