// Reading "TXET" 20000 with the plug-in's own resource file made current for the one call.
#include "mockum/engine/fill/filler_resource.h"

#include "foundation/binding/binding.h"
#include "mockum/resources/resources.h"

namespace mockum {

std::optional<std::u16string> widenFillerBytes(std::span<const uint8_t> bytes)
{
    if (bytes.empty())
        return std::nullopt;
    return std::u16string(bytes.begin(), bytes.end());
}

std::optional<std::u16string> loadFillerText(int16_t ownFile)
{
    const int16_t saved = xt::calls::GetCurrentResourceFile();
    if (xt::calls::UseResourceFile(ownFile) != 0)
        return std::nullopt;
    xt::Handle resource = xt::calls::GetResource(kFillerTextType, kFillerTextId);
    if (saved >= 0)
        xt::calls::UseResourceFile(saved);
    if (!resource)
        return std::nullopt;
    const int32_t size = xt::calls::GetHandleSize(resource);
    std::optional<std::u16string> text;
    if (size > 0 && *resource) {
        xt::calls::LockHandle(resource);
        text = widenFillerBytes({reinterpret_cast<const uint8_t*>(*resource), static_cast<size_t>(size)});
        xt::calls::UnlockHandle(resource);
    }
    xt::calls::ReleaseResource(resource);
    return text;
}

} // namespace mockum
