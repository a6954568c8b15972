// The palette preference record: defaults, reading stored bytes, and the working copy in its block.
#include "dotwise/settings/palette_prefs.h"

#include <cstring>

namespace dotwise {

PalettePrefs defaultPalettePrefs()
{
    return {72, 72, 0, {0, 0, 0}};
}

bool palettePrefsFromBytes(const void* bytes, size_t count, PalettePrefs& out)
{
    if (!bytes || count < sizeof(PalettePrefs))
        return false;
    std::memcpy(&out, bytes, sizeof out);
    out.shown = out.shown != 0 ? 1 : 0;
    return true;
}

PalettePrefs PaletteState::prefs() const
{
    if (!m_block || !*m_block)
        return defaultPalettePrefs();
    PalettePrefs prefs{};
    std::memcpy(&prefs, *m_block, sizeof prefs);
    return prefs;
}

void PaletteState::setPrefs(const PalettePrefs& prefs)
{
    if (m_block && *m_block)
        std::memcpy(*m_block, &prefs, sizeof prefs);
}

void PaletteState::setShown(bool shown)
{
    PalettePrefs kept = prefs();
    kept.shown = shown ? 1 : 0;
    setPrefs(kept);
}

PaletteState& paletteState()
{
    static PaletteState state;
    return state;
}

} // namespace dotwise
