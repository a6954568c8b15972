// Host calls that fail while Mockum changes a document: the foundation's watch notes them (the binding
// notes each failed call itself); the command then tells the user, since the text is not all as asked.
#pragma once

#include "foundation/binding/host_failures.h"

namespace mockum {

using foundation::HostFailureWatch;
using foundation::noteHostFailure;
using foundation::watched;

/// Tells the user that part of the command could not be done, when `watch` saw a failure.
void reportFailures(const HostFailureWatch& watch);

} // namespace mockum
