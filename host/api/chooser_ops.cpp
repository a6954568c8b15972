// The host's choosers as operations (save, open, graphic file, colour) and the files of its preferences folder.
#include <cstring>
#include <string>

#include "host/api/file_status.h"
#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/document_model.h"
#include "host/ui/choosers.h"
#include "win32/standin.h"
#include "xtapi/file_dialogs.h"

namespace host::api {
namespace {

/// The preferences folder: beside the plug-ins' preset folders, under the system directory.
constexpr const char* kPreferencesFolder = "C:\\WINDOWS\\system32\\Preferences";
constexpr int16_t kReadWrite = 3;

std::string textOf(xt::TextObject text)
{
    const std::string* chars = text ? context().texts().find(text) : nullptr;
    return chars ? *chars : std::string();
}

/// The chosen path as a file spec (volume 0, folder 0, the full path); false when the path is too long for it.
bool writeSpec(const std::string& path, void* spec)
{
    xt::FileSpec record{};
    if (path.size() >= sizeof record.name)
        return false;
    std::memcpy(record.name, path.c_str(), path.size() + 1);
    std::memcpy(spec, &record, sizeof record);
    return true;
}

int32_t answerWith(const std::optional<std::string>& path, void* spec)
{
    if (!path)
        return xt::kChooserCancelled;
    if (writeSpec(*path, spec))
        return xt::kChooserConfirmed;
    ui::noteChooserProblem("the path is longer than a file spec holds");
    return xt::kChooserCancelled;
}

int32_t HostSaveDialog4965(xt::TextObject prompt, xt::TextObject defaultName, void* spec)
{
    if (!spec)
        return -1;
    return answerWith(ui::chooseFile({"save file", textOf(prompt), true, textOf(defaultName), {}}), spec);
}

int32_t HostOpenDialog(xt::TextObject prompt, xt::TextObject typeName, xt::TextObject extension, void* spec)
{
    if (!spec)
        return -1;
    const std::string wanted = textOf(extension);
    std::vector<std::string> extensions;
    if (!wanted.empty())
        extensions.push_back(wanted);
    const std::string what = "open file" + (typeName ? " (" + textOf(typeName) + ")" : std::string());
    return answerWith(ui::chooseFile({what, textOf(prompt), false, {}, extensions}), spec);
}

int32_t ChooseGraphicFile(xt::TextObject prompt, void* spec)
{
    if (!spec)
        return -1;
    return answerWith(ui::chooseFile({"graphic file", textOf(prompt), false, {}, {"eps", "jpg", "gif", "tif"}}), spec);
}

/// A colour of the current layout by name, else of the host's own colours, else "#rrggbb".
std::optional<model::Rgb> colourNamed(const std::string& name)
{
    if (auto hex = ui::parseHexColour(name))
        return *hex;
    if (const model::Layout* layout = currentLayout()) {
        if (const model::Colour* colour = layout->colours().findByName(name))
            return colour->value().asRgb();
    }
    if (const model::Colour* colour = context().documents().colours().table().findByName(name))
        return colour->value().asRgb();
    return std::nullopt;
}

int32_t PickColour(xt::TextObject prompt, void* picked)
{
    if (!picked)
        return -1;
    const auto answer = ui::chooseColour(textOf(prompt));
    if (!answer)
        return xt::kChooserCancelled;
    const auto rgb = colourNamed(*answer);
    if (!rgb) {
        ui::noteChooserProblem("no colour is named " + *answer);
        return xt::kChooserCancelled;
    }
    const xt::PickedColour colour{(*rgb)[0], (*rgb)[1], (*rgb)[2]};
    std::memcpy(picked, &colour, sizeof colour);
    return xt::kChooserConfirmed;
}

/// A plain file name only: the folder is the host's.
bool isPlainName(const std::string& name)
{
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos && name != "." && name != "..";
}

int16_t FileNameOp4916(xt::TextObject name, int32_t, int32_t permission, xt::FileRef* file)
{
    const std::string plain = textOf(name);
    if (!file)
        return kFileBadParameter;
    if (!isPlainName(plain))
        return kFileBadName;
    const auto folder = win32::mapPath(kPreferencesFolder);
    std::error_code error;
    if (!folder || (!std::filesystem::is_directory(*folder) && !std::filesystem::create_directories(*folder, error)))
        return kFileIoError;
    const auto path = *folder / plain;
    if (!std::filesystem::exists(path, error)) {
        const int16_t made = context().files().create(path, {0, 0});
        if (made != kFileOk)
            return made;
    }
    return context().files().open(path, static_cast<int16_t>(permission == 0 ? kReadWrite : permission), *file);
}

int16_t FileNameOp2795(xt::FileRef file, int32_t)
{
    return context().files().close(file);
}

} // namespace

void registerChooserOps(OperationRegistry& registry)
{
    registry.add<xt::op::HostSaveDialog4965, &HostSaveDialog4965>();
    registry.add<xt::op::HostOpenDialog, &HostOpenDialog>();
    registry.add<xt::op::ChooseGraphicFile, &ChooseGraphicFile>();
    registry.add<xt::op::PickColour, &PickColour>();
    registry.add<xt::op::FileNameOp4916, &FileNameOp4916>();
    registry.add<xt::op::FileNameOp2795, &FileNameOp2795>();
}

} // namespace host::api
