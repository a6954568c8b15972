// The names Twinnel makes from project and page names read out of files and typed by users: whatever the
// text, a file name is never empty, never "." or "..", and holds no separator, drive colon or wildcard.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "twinnel/engine/common/project_names.h"

namespace {

void checkFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const size_t cut = text.find('\n');
    const std::string_view project = text.substr(0, cut);
    const std::string_view page = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
    checkFileName(twinnel::fileSafeName(text));
    checkFileName(twinnel::fileSafeName(twinnel::cloneName(project)));
    const std::string split = twinnel::fileSafeName(twinnel::pageProjectName(project, page));
    checkFileName(split);
    checkFileName(twinnel::numberedName(split, twinnel::kMostNameAttempts));
    return 0;
}
