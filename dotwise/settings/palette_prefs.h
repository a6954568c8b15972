// The palette's place and shown flag, kept in "Dotwise Preferences.prf" as the 8 bytes lie in memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/types.h"

namespace dotwise {

#pragma pack(push, 1)
struct PalettePrefs {
    int16_t x;              // the palette's top-left corner
    int16_t y;
    uint8_t shown;          // 1 while the palette is open
    uint8_t reserved[3];
};
#pragma pack(pop)
static_assert(sizeof(PalettePrefs) == 8);
static_assert(offsetof(PalettePrefs, y) == 2);
static_assert(offsetof(PalettePrefs, shown) == 4);

inline constexpr int16_t kNoPosition = 0x7FFF;

PalettePrefs defaultPalettePrefs();

/// The record from the first 8 bytes a read gave: fewer do not count; the shown flag becomes 0 or 1.
bool palettePrefsFromBytes(const void* bytes, size_t count, PalettePrefs& out);

/// The record in its host memory block while the plug-in runs; null before start-up and after quit.
class PaletteState {
public:
    xt::Handle block() const { return m_block; }
    void setBlock(xt::Handle block) { m_block = block; }
    /// The record, or the defaults without a block.
    PalettePrefs prefs() const;
    void setPrefs(const PalettePrefs& prefs);
    bool shown() const { return prefs().shown != 0; }
    void setShown(bool shown);

    xt::WindowRef window() const { return m_window; }
    xt::WindowRef* windowSlot() { return &m_window; }
    bool reopen() const { return m_reopen; }
    void setReopen(bool reopen) { m_reopen = reopen; }

private:
    xt::Handle m_block = nullptr;
    xt::WindowRef m_window = 0;
    bool m_reopen = false;
};

PaletteState& paletteState();

} // namespace dotwise
