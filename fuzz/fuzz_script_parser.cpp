// libFuzzer target: session scripts as layout-host reads them, before anything runs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/app/script_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const host::app::ParseResult parsed = host::app::parseScript(text);
    for (const auto& error : parsed.errors)
        (void)host::app::formatScriptError("fuzz.txt", error);
    return 0;
}
