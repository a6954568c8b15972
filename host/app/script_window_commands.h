// Session-script commands for what a user does with the host's windows over time: idle time, and the
// answers for the file, folder and colour choosers.
#pragma once

#include <string>

#include "host/ui/chooser_user.h"

namespace host::app {

/// `idle [N]`: N idle rounds (default 1): IdleMessage to the plug-ins, and every window timer goes off.
struct IdleCommand {
    int rounds = 1;
    bool operator==(const IdleCommand&) const = default;
};

/// `answer file NAME`, `answer folder NAME`, `answer colour NAME`: the choice for the next chooser of that kind;
/// the word Cancel (unquoted) cancels it.
struct ChooserAnswerCommand {
    ui::ChooserKind kind = ui::ChooserKind::File;
    std::string name;
    bool cancel = false;
    bool operator==(const ChooserAnswerCommand&) const = default;
};

/// `draw window TITLE FILE`: what a plug-in drew into the open window of that title (a palette, a dialog, a
/// window made with CreateDialogParamA), as an SVG picture.
struct DrawWindowCommand {
    std::string title;
    std::string path;
    bool operator==(const DrawWindowCommand&) const = default;
};

/// `palette size W H`: the user drags the palette opened last to W by H pixels.
struct PaletteSizeCommand {
    int width = 0;
    int height = 0;
    bool operator==(const PaletteSizeCommand&) const = default;
};

} // namespace host::app
