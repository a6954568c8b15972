// libFuzzer target: Amplex starting on a preset folder of any names and contents (the folder scan, then the
// reading of its default preset). The input is a list of files: a name line, then a size byte and the bytes.
#include <dlfcn.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/host.h"

namespace {

namespace fs = std::filesystem;

/// Names that stay inside the folder: no separators, no "." or "..", nothing empty.
bool isSafeName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos
        && name.find('\0') == std::string::npos && name.size() < 200;
}

void fillFolder(const fs::path& folder, const uint8_t* data, size_t size)
{
    size_t at = 0;
    for (int files = 0; at < size && files < 32; ++files) {
        std::string name;
        while (at < size && data[at] != '\n')
            name.push_back(static_cast<char>(data[at++]));
        ++at;
        const size_t length = at < size ? data[at++] : 0;
        const size_t taken = std::min(length, size > at ? size - at : 0);
        if (isSafeName(name)) {
            std::ofstream(folder / name, std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(data + at), static_cast<std::streamsize>(taken));
        }
        at += taken;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // libFuzzer keeps counters inside the instrumented module, so it must never be unloaded; each host
    // still activates it afresh.
    static void* const pinned = dlopen(XT_MODULE_FILE, RTLD_NOW | RTLD_NODELETE);
    (void)pinned;
    static const fs::path root = fs::temp_directory_path() / ("fuzz-amplex-presets-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const fs::path presets = root / "VORNE Amplex Presets";
    fs::create_directories(presets);
    fillFolder(presets, data, size);
    {
        host::HostOptions options;
        options.systemDirectory = root;
        host::Host host(options);
        host.loadModules({XT_MODULE_FILE});
        host.startSession();
        host.quit();
    }
    return 0;
}
