// The plug-in's version text: the first bytes of its own "VERS" resource 1.
#include <algorithm>
#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"

namespace foundation {

namespace {
constexpr int16_t kVersionResourceId = 1;
}

void ReadVersionText(char* destination)
{
    if (!destination)
        return;
    xt::Handle resource = xt::calls::GetResource(xt::kResourceVersion, kVersionResourceId);
    if (!resource)
        return;
    xt::calls::LockHandle(resource);
    // A short resource gives what it has: never read past its end.
    const int32_t available = *resource ? xt::calls::GetHandleSize(resource) : 0;
    const int32_t count = std::clamp(available, 0, kVersionTextLength);
    if (count > 0)
        std::memcpy(destination, *resource, static_cast<size_t>(count));
    xt::calls::ReleaseResource(resource);
}

} // namespace foundation
