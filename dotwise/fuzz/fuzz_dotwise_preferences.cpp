// libFuzzer target: "Dotwise Preferences.prf" of any bytes at start-up, then the palette opened, closed
// and the host quit, which writes the record back.
#include <dlfcn.h>
#include <unistd.h>

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

#include "host/host.h"

namespace {

namespace fs = std::filesystem;

fs::path folder()
{
    static const fs::path made = [] {
        const fs::path path = fs::temp_directory_path() / ("fuzz-dotwise-preferences-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Each input loads the module into a fresh host; kept mapped, so that the fuzzer's coverage counters,
    // which live in the module, stay valid after the host unloads it.
    static void* const kept = dlopen(XT_MODULE_FILE, RTLD_NOW | RTLD_NODELETE);
    assert(kept && "the Dotwise module could not be mapped");
    (void)kept;
    // The host keeps preference files in the Preferences folder of its system directory.
    const fs::path file = folder() / "Preferences" / "Dotwise Preferences.prf";
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    host::HostOptions options;
    options.systemDirectory = folder();
    auto host = std::make_unique<host::Host>(options);
    const auto results = host->loadModules({XT_MODULE_FILE});
    assert(results.size() == 1 && results[0].loaded && "Dotwise refused a preference file it could open");
    host->quit();
    host.reset();
    // Whatever was there, the file holds a whole record afterwards.
    assert(fs::file_size(file) >= 8 && "the preference file was left without a whole record");
    return 0;
}
