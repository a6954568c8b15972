// libFuzzer target: a "Dotwise Settings" file of any bytes, read through the host as the plug-in reads it
// before each list action: refused whole, or taken with every value in range.
#include <dlfcn.h>
#include <unistd.h>

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "dotwise/tests/probe/probe_api.h"
#include "host/host.h"

namespace {

namespace fs = std::filesystem;

struct Session {
    fs::path folder;
    std::unique_ptr<host::Host> host;
    const dotwise::probe::ProbeApi* probe = nullptr;
};

Session& session()
{
    static Session* made = [] {
        auto* s = new Session;
        s->folder = fs::temp_directory_path() / ("fuzz-dotwise-settings-" + std::to_string(::getpid()));
        fs::create_directories(s->folder);
        host::HostOptions options;
        options.systemDirectory = s->folder;
        s->host = std::make_unique<host::Host>(options);
        const auto results = s->host->loadModules({XT_PROBE_FILE});
        assert(results.size() == 1 && results[0].loaded && "the Dotwise probe did not load");
        void* library = dlopen(XT_PROBE_FILE, RTLD_NOW | RTLD_NOLOAD);
        s->probe = static_cast<const dotwise::probe::ProbeApi*>(dlsym(library, dotwise::probe::kProbeSymbol));
        dlclose(library);
        assert(s->probe && "the Dotwise probe exports no API");
        return s;
    }();
    return *made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Session& s = session();
    std::ofstream(s.folder / "Dotwise Settings", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    dotwise::ListSettings before{};
    std::memcpy(&before, s.probe->settings(), sizeof before);
    dotwise::ListSettings read = before;
    const int16_t status = s.probe->loadSettingsFile(&read);
    // A refused file leaves the record as it was.
    if (status != 0)
        assert(std::memcmp(&read, &before, sizeof read) == 0 && "a refused settings file changed the record");
    if (status == 0) {
        assert(read.gapKind >= dotwise::GapEnSpace && read.gapKind <= dotwise::GapTab && "a gap kind out of range was taken");
        assert(read.bulletChar != 0 && "a NUL bullet was taken");
        for (const int16_t type : read.numberType)
            assert(type >= dotwise::kFirstNumberType && type <= dotwise::kLastNumberType && "a number type out of range was taken");
    }
    return 0;
}
