// Choosing the split folder and saving projects into it.
#include "twinnel/engine/split/project_files.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "twinnel/engine/common/layouts.h"
#include "twinnel/engine/common/project_names.h"
#include "xtapi/file_dialogs.h"

namespace twinnel {
namespace {

constexpr char kOfferedName[] = "dummy";
constexpr int32_t kSaveFlags = 0x45;
constexpr int32_t kFileIsThere = -48;
constexpr char kProjectExtension[] = ".json";

std::string folderOf(const std::string& path)
{
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

enum class Attempt { Saved, NameTaken, Failed };

Attempt trySave(xt::DocumentRef layout, const std::string& path)
{
    xt::FileSpec spec{};
    if (path.size() >= sizeof spec.name)
        return Attempt::Failed;
    std::memcpy(spec.name, path.c_str(), path.size() + 1);
    const int32_t status = xt::calls::XpkOp5012(layout, &spec, kSaveFlags);
    if (status == 0)
        return Attempt::Saved;
    return status == kFileIsThere ? Attempt::NameTaken : Attempt::Failed;
}

} // namespace

std::optional<std::string> ChooseSaveFolder(const char* prompt)
{
    xt::TextObject promptText = newText(prompt);
    xt::TextObject offered = newText(kOfferedName);
    xt::FileSpec spec{};
    const int32_t answer = xt::calls::HostSaveDialog4965(promptText, offered, &spec);
    for (xt::TextObject text : {promptText, offered}) {
        if (text)
            xt::calls::DisposeTextObject(text);
    }
    if (answer != xt::kChooserConfirmed)
        return std::nullopt;
    return folderOf(std::string(spec.name, strnlen(spec.name, sizeof spec.name)));
}

std::optional<std::string> saveIntoFolder(xt::DocumentRef layout, const std::string& folder, const std::string& name)
{
    for (int attempt = 1; attempt <= kMostNameAttempts; ++attempt) {
        const std::string file = numberedName(name, attempt) + kProjectExtension;
        switch (trySave(layout, folder + file)) {
        case Attempt::Saved:
            return file;
        case Attempt::NameTaken:
            continue;
        case Attempt::Failed:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace twinnel
