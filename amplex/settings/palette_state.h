// The Amplex palette's shown flag and the preference record the host keeps for it under "Amplex9".
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace amplex {

/// The host-kept record: bit 0 of `flags` is the host's, bits 1 to 7 the shown flag.
struct PalettePreferences {
    uint8_t flags;
    uint8_t unused;
    int16_t left;
    int16_t top;
    int16_t width;
    int16_t height;
};
static_assert(offsetof(PalettePreferences, flags) == 0);
static_assert(offsetof(PalettePreferences, left) == 2);
static_assert(offsetof(PalettePreferences, top) == 4);
static_assert(offsetof(PalettePreferences, width) == 6);
static_assert(offsetof(PalettePreferences, height) == 8);
static_assert(sizeof(PalettePreferences) == 10);

inline constexpr char kPalettePreferenceName[] = "Amplex9";

struct PaletteSize {
    int16_t width;
    int16_t height;
};

/// 180 x 32, or 240 x 34 on a screen of 120 pixels per inch or more.
PaletteSize defaultPaletteSize(int32_t pixelsPerInch);

class PaletteState {
public:
    bool shown() const { return m_shown; }
    void setShown(bool shown) { m_shown = shown; }

    /// The preference record handle; null only when no memory could be had for one.
    xt::Handle record() const { return m_record; }
    xt::WindowRef* windowSlot() { return &m_window; }

    /// Asks the host for the record kept under "Amplex9" and takes the shown flag from it. A palette
    /// that was hidden starts again at 100, 100 with `defaults`; when the host keeps no usable
    /// record, the plug-in makes one of its own like that.
    void fetch(PaletteSize defaults);
    /// At quit: writes the shown flag into the record and hands it back to the host.
    void store();

private:
    void makeOwnRecord();

    bool m_shown = false;
    bool m_ownRecord = false;
    xt::Handle m_record = nullptr;
    xt::WindowRef m_window = 0;
};

PaletteState& paletteState();

} // namespace amplex
