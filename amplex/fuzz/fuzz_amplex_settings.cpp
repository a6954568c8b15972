// libFuzzer target: an Amplex settings file of any bytes, read through the host as the plug-in reads it.
#include <dlfcn.h>
#include <unistd.h>

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "amplex/tests/probe/probe_api.h"
#include "host/host.h"

namespace {

namespace fs = std::filesystem;

struct Session {
    fs::path folder;
    std::unique_ptr<host::Host> host;
    const amplex::probe::ProbeApi* probe = nullptr;
};

Session& session()
{
    static Session* made = [] {
        auto* s = new Session;
        s->folder = fs::temp_directory_path() / ("fuzz-amplex-settings-" + std::to_string(::getpid()));
        fs::create_directories(s->folder);
        host::HostOptions options;
        options.systemDirectory = s->folder;
        s->host = std::make_unique<host::Host>(options);
        const auto results = s->host->loadModules({XT_PROBE_FILE});
        assert(results.size() == 1 && results[0].loaded && "the Amplex probe did not load");
        void* library = dlopen(XT_PROBE_FILE, RTLD_NOW | RTLD_NOLOAD);
        s->probe = static_cast<const amplex::probe::ProbeApi*>(dlsym(library, amplex::probe::kProbeSymbol));
        dlclose(library);
        assert(s->probe && "the Amplex probe exports no API");
        return s;
    }();
    return *made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Session& s = session();
    std::ofstream(s.folder / "fuzz.prf", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    amplex::ScaleSettings before{};
    std::memcpy(&before, s.probe->currentSettings(), sizeof before);
    amplex::ScaleSettings read = before;
    const int16_t status = s.probe->readSettingsFile(&read, "C:\\WINDOWS\\system32\\fuzz.prf");
    // A refused file leaves the record as it was, and never touches the live settings.
    if (status != 0)
        assert(std::memcmp(&read, &before, sizeof read) == 0 && "a refused settings file changed the record");
    assert(std::memcmp(s.probe->currentSettings(), &before, sizeof before) == 0 && "reading into a record changed the live settings");
    return 0;
}
