// The records the host passes to a plug-in at load and set-up, filled with the host's functions.
#pragma once

#include <array>
#include <cstdint>

#include "xtapi/records.h"

namespace host::loader {

/// What the record functions answer besides 0. The plug-ins only test for nonzero.
inline constexpr int32_t kRecordUnknownCode = -1;     // a code, reference or id the host does not know
inline constexpr int32_t kRecordListMismatch = -2;    // a request list that is not the row's
inline constexpr int32_t kRecordNothingPublished = -3;
inline constexpr int32_t kRecordNoModule = -4;        // called while the host is calling no plug-in
inline constexpr int32_t kRecordBadArgument = -5;
inline constexpr int32_t kRecordInjectedFault = -6;   // a test made the call fail

xt::ActivationRecord makeActivationRecord();
xt::SetupRecord makeSetupRecord();
xt::RegistrationRecord makeRegistrationRecord(const std::array<uint32_t, 3>& words);

} // namespace host::loader
