// The host's choosers (open, save, graphic file, colour) as the scripted user answers them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/ui/chooser_user.h"

namespace host::ui {

struct FileChooser {
    std::string what;                       // "open file", "save file", "graphic file"
    std::string prompt;
    bool saving = false;                    // a save chooser also takes a folder, where the default name goes
    std::string defaultName;
    std::vector<std::string> extensions;    // without the dot, any case; empty for any file
};

/// The full path the user chose, or nothing when the user (or, with no answer queued, the host) cancelled.
/// An open or graphic-file chooser takes only a file that exists and has one of the extensions; a path it
/// cannot take cancels it with the problem noted in the log.
std::optional<std::string> chooseFile(const FileChooser& chooser);

/// The colour answer the user gave (a colour's name or "#rrggbb"), or nothing for Cancel. The caller reads
/// the colour and notes a name it does not know with noteChooserProblem.
std::optional<std::string> chooseColour(const std::string& prompt);

/// Marks the last chooser as refused for `why`; it counts as cancelled.
void noteChooserProblem(std::string why);

/// "#ff8000" as 16-bit red, green and blue; nothing for other text.
std::optional<std::array<uint16_t, 3>> parseHexColour(const std::string& text);

} // namespace host::ui
