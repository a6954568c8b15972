// Amplex's two menu items: "Amplex..." under "VORNE" and the palette item in a host menu.
#pragma once

#include <cstdint>
#include <string>

namespace amplex {

inline constexpr char kAmplexItemLabel[] = "Amplex...";

class AmplexMenus {
public:
    uint16_t amplexItem() const { return m_amplexItem; }
    uint16_t paletteItem() const { return m_paletteItem; }
    int32_t paletteMenu() const { return m_paletteMenu; }
    bool built() const { return m_built; }

    /// Appends both items once; `hostMenuValue` names the host menu that gets the palette item.
    void build(int32_t hostMenuValue);
    /// Retitles the palette item and enables "Amplex..." only while a document is open.
    void update();

private:
    bool m_built = false;
    uint16_t m_amplexItem = 0;
    uint16_t m_paletteItem = 0;
    int32_t m_paletteMenu = 0;
};

AmplexMenus& amplexMenus();

/// "Show Amplex Palette" or "Hide Amplex Palette" in the current language.
std::string paletteItemLabel();

/// Handler of MenuSetupMessage.
int32_t OnBuildMenus(void* block);
/// Handler of MenuUpdateMessage.
int32_t OnMenuUpdate(void* block);

} // namespace amplex
