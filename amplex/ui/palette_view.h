// The Amplex palette's window: its items, the pictures of its buttons, and the steps of its window
// callback that show it. The callback itself, which runs the commands, is the command layer's.
#pragma once

#include <cstdint>

#include "amplex/ui/preset_table.h"

namespace amplex::ui {

enum PaletteItem : int32_t { DialogButton = 1, FitButton = 2, PresetPopup = 3, PresetButton = 4 };

struct ButtonBitmaps {
    int32_t normal;
    int32_t pressed;
    int32_t disabled;
};
inline constexpr ButtonBitmaps kDialogBitmaps{23002, 23001, 23009};
inline constexpr ButtonBitmaps kTextFitBitmaps{23004, 23003, 23008};
inline constexpr ButtonBitmaps kPictureFitBitmaps{23010, 23011, 23012};
inline constexpr ButtonBitmaps kPresetBitmaps{23006, 23005, 23007};

/// What the palette keeps between events: its button pictures, the current box and document, and
/// the preset chosen in its list.
struct Palette {
    int32_t pictures[5] = {};
    int32_t box = 0;
    int16_t document = -1;
    int32_t lastTextBox = 0;
    int32_t presetChoice = kCurrentPresetChoice;
};

Palette& palette();

/// Shows the pressed picture while the mouse button is held, then the normal one again.
void trackButton(int32_t item, const ButtonBitmaps& bitmaps);
/// Notes the current box and document.
void takeCurrent();

/// The window events: created, items set up, opened, refill (the selection or document changed), closing.
void paletteCreated();
void initPaletteItems();
void paletteOpened();
void paletteRefill();
void paletteClosing();

} // namespace amplex::ui
