// Opening the project file the copies go into.
#include "twinnel/engine/destination/project_file.h"

#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/file_dialogs.h"

namespace twinnel {
namespace {

constexpr char kPrompt[] = "File to copy to...";
constexpr char kTypeName[] = "QuarkXPress Projects";
constexpr char kExtension[] = "json";
constexpr int32_t kOpenFlags = 0x1A;

int32_t askForFile(xt::FileSpec& spec)
{
    xt::TextObject texts[] = {newText(kPrompt), newText(kTypeName), newText(kExtension)};
    const int32_t answer = xt::calls::HostOpenDialog(texts[0], texts[1], texts[2], &spec);
    for (xt::TextObject text : texts) {
        if (text)
            xt::calls::DisposeTextObject(text);
    }
    return answer;
}

} // namespace

std::optional<LayoutRef> openProjectFile()
{
    xt::FileSpec spec{};
    // The file dialog may leave another resource file current; Twinnel's own is current again after it.
    const int16_t resources = xt::calls::GetCurrentResourceFile();
    const int32_t answer = askForFile(spec);
    if (resources >= 0)
        xt::calls::UseResourceFile(resources);
    if (answer != xt::kChooserConfirmed)
        return std::nullopt;
    xt::DocumentRef first = 0;
    if (xt::calls::DocumentOp3147(&spec, kOpenFlags, &first) != 0) {
        foundation::WarningBox("The project file could not be opened, so nothing was copied.");
        return std::nullopt;
    }
    int16_t id = -1;
    if (first == 0 || xt::calls::XpkOp3172(first, &id) != 0) {
        foundation::WarningBox("The project has no layout to copy into, so nothing was copied.");
        return std::nullopt;
    }
    if (xt::calls::ShowLayoutWindow(first) != 0)
        return std::nullopt;
    return makeCurrent(id);
}

} // namespace twinnel
