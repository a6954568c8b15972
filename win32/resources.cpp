// Module resources: string tables and bitmaps looked up in the module's own resource table.
#include <cstring>
#include <set>

#include "win32/internal.h"
#include "win32/standin.h"

namespace win32 {
namespace {

std::set<const xt::ModuleImage*>& modules()
{
    static std::set<const xt::ModuleImage*> known;
    return known;
}

} // namespace

void registerModule(const xt::ModuleImage* image)
{
    if (image)
        modules().insert(image);
}

void unregisterModule(const xt::ModuleImage* image)
{
    modules().erase(image);
}

const xt::Resource* findResource(HINSTANCE instance, xt::FourLetterCode type, int32_t id)
{
    if (!modules().count(instance) || !instance->resources)
        return nullptr;
    for (uint32_t i = 0; i < instance->resourceCount; ++i) {
        const xt::Resource& resource = instance->resources[i];
        if (resource.type == type && resource.id == id)
            return &resource;
    }
    return nullptr;
}

const xt::Resource* bitmapResource(HBITMAP bitmap)
{
    const auto* wanted = reinterpret_cast<const xt::Resource*>(bitmap);
    for (const xt::ModuleImage* image : modules()) {
        const xt::Resource* first = image->resources;
        if (first && wanted >= first && wanted < first + image->resourceCount)
            return wanted;
    }
    return nullptr;
}

void detail::resetResources()
{
    modules().clear();
}

} // namespace win32

extern "C" int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size)
{
    if (!buffer || size <= 0) {
        win32::detail::setLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = '\0';
    const xt::Resource* resource = win32::findResource(instance, xt::kResourceString, static_cast<int32_t>(id));
    if (!resource || !resource->data) {
        win32::detail::setLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    // The text ends at its zero or at the end of the resource, whichever comes first.
    const auto* text = static_cast<const char*>(resource->data);
    const size_t length = strnlen(text, resource->size);
    const size_t copied = length < static_cast<size_t>(size - 1) ? length : static_cast<size_t>(size - 1);
    std::memcpy(buffer, text, copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

extern "C" HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name)
{
    // The plug-ins name their bitmaps by number only.
    if (!IS_INTRESOURCE(name)) {
        win32::detail::setLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const auto id = static_cast<int32_t>(reinterpret_cast<ULONG_PTR>(name));
    const xt::Resource* resource = win32::findResource(instance, xt::kResourceBitmap, id);
    if (!resource) {
        win32::detail::setLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HBITMAP>(const_cast<xt::Resource*>(resource));
}
