// Choosers answered by the scripted user: which answer fits, and whether the chooser can take it.
#include "host/ui/choosers.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "host/ui/window_events.h"

namespace host::ui {
namespace {

ChooserUser& user()
{
    return windowManager().chooserUser();
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool hasExtension(const std::string& path, const std::vector<std::string>& extensions)
{
    if (extensions.empty())
        return true;
    const std::string extension = lowered(std::filesystem::path(path).extension().string());
    return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& wanted) { return extension == "." + lowered(wanted); });
}

/// Why the chooser cannot take this path, or nothing.
std::optional<std::string> refusal(const FileChooser& chooser, const ChooserAnswer& answer, const std::string& path)
{
    if (answer.kind == ChooserKind::Folder && chooser.defaultName.empty())
        return "a folder answers a save chooser only when it offers a file name";
    if (answer.kind == ChooserKind::Folder && !std::filesystem::is_directory(answer.value))
        return "there is no folder " + answer.shown;
    if (chooser.saving)
        return std::nullopt;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return "there is no file " + answer.shown;
    if (!hasExtension(path, chooser.extensions))
        return answer.shown + " is not one of the files it offers";
    return std::nullopt;
}

} // namespace

std::optional<std::string> chooseFile(const FileChooser& chooser)
{
    auto answer = chooser.saving ? user().take({ChooserKind::File, ChooserKind::Folder}) : user().take({ChooserKind::File});
    ChooserRecord& record = user().record(chooser.what, chooser.prompt);
    if (!answer) {
        record.unexpected = true;
        return std::nullopt;
    }
    record.answer = *answer;
    if (answer->cancel)
        return std::nullopt;
    const std::string path = answer->kind == ChooserKind::Folder
        ? (std::filesystem::path(answer->value) / chooser.defaultName).string()
        : answer->value;
    if (auto why = refusal(chooser, *answer, path)) {
        record.problem = std::move(why);
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> chooseColour(const std::string& prompt)
{
    auto answer = user().take({ChooserKind::Colour});
    ChooserRecord& record = user().record("colour", prompt);
    if (!answer) {
        record.unexpected = true;
        return std::nullopt;
    }
    record.answer = *answer;
    if (answer->cancel)
        return std::nullopt;
    return answer->value;
}

void noteChooserProblem(std::string why)
{
    if (ChooserRecord* last = user().last())
        last->problem = std::move(why);
}

std::optional<std::array<uint16_t, 3>> parseHexColour(const std::string& text)
{
    if (text.size() != 7 || text[0] != '#'
        || !std::all_of(text.begin() + 1, text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return std::nullopt;
    std::array<uint16_t, 3> rgb{};
    for (size_t i = 0; i < 3; ++i) {
        const auto byte = static_cast<uint16_t>(std::stoul(text.substr(1 + 2 * i, 2), nullptr, 16));
        rgb[i] = static_cast<uint16_t>(byte * 257);
    }
    return rgb;
}

} // namespace host::ui
