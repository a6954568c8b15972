// The calling plug-in's own resources, handed out as copies in new handles.
#include <cstring>

#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "win32/standin.h"

namespace host::api {
namespace {

/// Reads the current resource file: the calling plug-in's own, unless it chose another with UseResourceFile.
xt::Handle GetResource(xt::FourLetterCode type, int16_t id)
{
    const loader::LoadedModule* module = context().plugins().resourceModule();
    if (!module)
        return nullptr;
    const xt::Resource* resource = win32::findResource(module->image, type, id);
    if (!resource || (resource->size > 0 && !resource->data))
        return nullptr;
    xt::Handle copy = win32::newHandle(static_cast<int32_t>(resource->size));
    if (!copy)
        return nullptr;
    if (resource->size > 0)
        std::memcpy(*copy, resource->data, resource->size);
    context().resourceCopies().insert(copy);
    return copy;
}

void ReleaseResource(xt::Handle resource)
{
    // Only what GetResource gave out is freed; anything else is left alone.
    if (context().resourceCopies().erase(resource) != 0)
        win32::disposeHandle(resource);
}

/// The plug-in's own resource file: a reference per module, the host's choice.
int16_t GetOwnResourceFile(int16_t* file)
{
    const loader::LoadedModule* module = context().plugins().current();
    if (!module || !file)
        return -1;
    *file = module->resourceFile;
    return 0;
}

int16_t GetCurrentResourceFile()
{
    return context().plugins().resourceFile();
}

int32_t UseResourceFile(int16_t file)
{
    return context().plugins().useResourceFile(file) ? 0 : -1;
}

} // namespace

void registerResourceOperations(OperationRegistry& registry)
{
    registry.add<xt::op::GetResource, &GetResource>();
    registry.add<xt::op::ReleaseResource, &ReleaseResource>();
    registry.add<xt::op::GetOwnResourceFile, &GetOwnResourceFile>();
    registry.add<xt::op::GetCurrentResourceFile, &GetCurrentResourceFile>();
    registry.add<xt::op::UseResourceFile, &UseResourceFile>();
}

} // namespace host::api
