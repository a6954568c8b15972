// Loads plug-in modules and runs their set-up in the host's order; a failure is reported once, naming the file.
#include "host/loader/module_loader.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <system_error>

#include <dlfcn.h>

#include "host/host_context.h"
#include "host/loader/host_records.h"
#include "host/loader/plugin_registry.h"
#include "win32/standin.h"
#include "xtapi/status.h"

namespace host::loader {
namespace {

std::string statusText(int32_t status)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(status));
    return text;
}

std::string quotedName(const LoadedModule& module)
{
    return "plug-in \"" + std::filesystem::path(module.file).filename().string() + "\"";
}

/// dlopen and the two symbols; the reason on failure.
std::optional<std::string> openModule(LoadedModule& module)
{
    dlerror();
    module.library = dlopen(module.file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module.library) {
        const char* reason = dlerror();
        return std::string("cannot be loaded: ") + (reason ? reason : "unknown reason");
    }
    module.image = static_cast<const xt::ModuleImage*>(dlsym(module.library, "XTResourceTable"));
    if (!module.image)
        return "has no XTResourceTable";
    if (module.image->version != xt::kModuleImageVersion)
        return "has resource table version " + std::to_string(module.image->version) + " (the host reads version "
            + std::to_string(xt::kModuleImageVersion) + ")";
    module.activate = reinterpret_cast<xt::ActivateFn>(dlsym(module.library, "XTActivateCallback"));
    if (!module.activate)
        return "has no XTActivateCallback";
    return std::nullopt;
}

/// The library entry (reason 1), then XTActivateCallback; the reason and status on failure.
std::optional<std::string> activate(PluginRegistry& plugins, LoadedModule& module, int32_t& status)
{
    win32::registerModule(module.image);
    PluginRegistry::Scope scope(plugins, &module);
    if (module.image->entry && module.image->entry(module.image, xt::kProcessAttach, nullptr) == 0)
        return "failed in its library entry";
    module.activationRecord = makeActivationRecord();
    status = module.activate(&module.activationRecord);
    if (status != 0) {
        std::string reason = "refused at activation (status " + statusText(status) + ")";
        if (!module.offerRefusal.empty())
            reason += ": " + module.offerRefusal;
        return reason;
    }
    if (!module.offered || !module.offerRefusal.empty())
        return "went on after the host refused its offer" + (module.offerRefusal.empty() ? "" : ": " + module.offerRefusal);
    return std::nullopt;
}

void closeLibrary(const PluginRegistry& plugins, LoadedModule& module)
{
    // The same file loaded twice shares one image; its resources stay known while another holds it.
    const bool shared = std::any_of(plugins.modules().begin(), plugins.modules().end(),
        [&](const auto& other) { return other.get() != &module && other->image == module.image; });
    if (module.image && !shared)
        win32::unregisterModule(module.image);
    if (module.library)
        dlclose(module.library);
    module.library = nullptr;
    module.image = nullptr;
}

struct PendingSetup {
    LoadedModule* module;
    SetupCallback callback;
};

int32_t runSetup(HostContext& host, const PendingSetup& setup)
{
    LoadedModule& module = *setup.module;
    PluginRegistry::Scope scope(host.plugins(), &module);
    if (setup.callback.kind == SetupKind::Services) {
        module.setupRecord = makeSetupRecord();
        return reinterpret_cast<xt::RegisterServicesFn>(setup.callback.function)(&module.setupRecord);
    }
    module.registrationRecord = makeRegistrationRecord(host.options().registrationWords);
    return reinterpret_cast<xt::RegisterCallbacksFn>(setup.callback.function)(&module.registrationRecord);
}

/// Every set-up callback of the activated modules: higher levels first (300 before 200), load order within a level.
std::vector<PendingSetup> pendingSetups(const std::vector<LoadedModule*>& activated)
{
    std::vector<PendingSetup> pending;
    for (LoadedModule* module : activated) {
        for (const auto& callback : module->setupCallbacks)
            pending.push_back({module, callback});
    }
    std::stable_sort(pending.begin(), pending.end(),
        [](const PendingSetup& a, const PendingSetup& b) { return a.callback.level > b.callback.level; });
    return pending;
}

/// Opens and activates one file; the module stays registered only when it was accepted.
LoadResult loadOne(PluginRegistry& plugins, const std::filesystem::path& file, LoadedModule*& accepted)
{
    auto owned = std::make_unique<LoadedModule>();
    owned->file = file.string();
    LoadedModule& module = plugins.add(std::move(owned));
    module.reference = plugins.newReferences(1);
    module.resourceFile = static_cast<int16_t>(100 + plugins.modules().size());
    LoadResult result{module.file, true, 0, {}};
    std::optional<std::string> failure = openModule(module);
    if (!failure)
        failure = activate(plugins, module, result.status);
    if (!failure) {
        accepted = &module;
        return result;
    }
    result.loaded = false;
    result.message = quotedName(module) + " " + *failure;
    if (result.status == 0)
        result.status = xt::kStatusRefused;
    closeLibrary(plugins, module);
    plugins.remove(module);
    accepted = nullptr;
    return result;
}

/// Runs the set-up callbacks; a module whose set-up fails is made inert and its result says why.
void runSetups(HostContext& host, const std::vector<LoadedModule*>& activated, std::vector<LoadResult>& results)
{
    for (const auto& setup : pendingSetups(activated)) {
        if (setup.module->state != PluginState::Active)
            continue; // an earlier level already failed; the module is inert
        const int32_t status = runSetup(host, setup);
        if (status == 0)
            continue;
        host.plugins().makeInert(*setup.module);
        auto& result = *std::find_if(results.begin(), results.end(),
            [&](const LoadResult& r) { return r.file == setup.module->file && r.loaded; });
        result.loaded = false;
        result.status = status;
        result.message = quotedName(*setup.module) + " failed its set-up at level " + std::to_string(setup.callback.level)
            + " (status " + statusText(status) + ")";
    }
}

} // namespace

std::vector<LoadResult> loadModules(HostContext& host, const std::vector<std::filesystem::path>& files)
{
    std::vector<LoadResult> results;
    std::vector<LoadedModule*> activated;
    for (const auto& file : files) {
        LoadedModule* accepted = nullptr;
        results.push_back(loadOne(host.plugins(), file, accepted));
        if (accepted)
            activated.push_back(accepted);
    }
    runSetups(host, activated, results);
    return results;
}

std::vector<std::filesystem::path> modulesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".xnt" && entry.is_regular_file(error))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void unloadAll(HostContext& host)
{
    auto& plugins = host.plugins();
    while (!plugins.modules().empty()) {
        LoadedModule& last = *plugins.modules().back();
        closeLibrary(plugins, last);
        plugins.remove(last);
    }
}

} // namespace host::loader
