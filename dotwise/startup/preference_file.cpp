// Opening the preference file by its name from the string table, and its 8-byte record.
#include "dotwise/startup/preference_file.h"

#include <string>

#include "dotwise/resources/strings.h"
#include "foundation/binding/binding.h"
#include "win32/windows.h"
#include "xtapi/status.h"

namespace dotwise {
namespace {

constexpr int16_t kReadWrite = 3;
constexpr UINT kSystemDirectorySize = 512;

std::string g_fileName;

/// The preference file in the system directory, made when missing; positioned at its start.
int16_t openPreferenceFile(xt::FileRef* file)
{
    char directory[kSystemDirectorySize] = {};
    const UINT length = GetSystemDirectoryA(directory, kSystemDirectorySize);
    if (length == 0 || length >= kSystemDirectorySize || g_fileName.empty())
        return -1;
    const std::string path = std::string(directory) + "\\" + g_fileName;
    xt::calls::CreateFile(0, 0, path.c_str(), 0, 0);
    const int16_t status = xt::calls::OpenFile(0, 0, path.c_str(), kReadWrite, file);
    return status == xt::kStatusOk && *file == 0 ? -1 : status;
}

void closePreferenceFile(xt::FileRef file)
{
    xt::calls::CloseFile(file);
}

int16_t writeRecord(const PalettePrefs& prefs)
{
    xt::FileRef file = 0;
    int16_t status = openPreferenceFile(&file);
    if (status != xt::kStatusOk)
        return status;
    int32_t count = sizeof prefs;
    status = xt::calls::WriteFile(file, &count, &prefs);
    closePreferenceFile(file);
    return status;
}

} // namespace

bool readPalettePreferences()
{
    g_fileName = loadDotwiseString(StringPreferenceFile);
    xt::FileRef file = 0;
    if (openPreferenceFile(&file) != xt::kStatusOk)
        return false;
    xt::Handle block = xt::calls::NewHandle(sizeof(PalettePrefs));
    if (!block) {
        closePreferenceFile(file);
        return false;
    }
    paletteState().setBlock(block);
    unsigned char bytes[sizeof(PalettePrefs) + 1] = {};
    int32_t count = sizeof bytes;
    const int16_t status = xt::calls::ReadFile(file, &count, bytes);
    closePreferenceFile(file);
    if (status != xt::kStatusOk && status != xt::kStatusEndOfFile) {
        paletteState().setBlock(nullptr);
        xt::calls::DisposeHandle(block);
        return false;
    }
    PalettePrefs prefs{};
    if (count >= 0 && palettePrefsFromBytes(bytes, static_cast<size_t>(count), prefs)) {
        paletteState().setPrefs(prefs);
        return true;
    }
    // A new file, or one cut short: the defaults, written from the file's start.
    paletteState().setPrefs(defaultPalettePrefs());
    writeRecord(defaultPalettePrefs());
    return true;
}

void writePalettePreferences()
{
    if (paletteState().block())
        writeRecord(paletteState().prefs());
}

} // namespace dotwise
