// Fetching and storing the Amplex palette's preference record.
#include "amplex/settings/palette_state.h"

#include <cstring>

#include "foundation/binding/binding.h"

namespace amplex {
namespace {

constexpr int16_t kHiddenPaletteLeft = 100;
constexpr int16_t kHiddenPaletteTop = 100;
constexpr int32_t kHighResolution = 120;
constexpr uint8_t kHostBit = 0x01;

PalettePreferences readRecord(xt::Handle record)
{
    PalettePreferences preferences{};
    std::memcpy(&preferences, *record, sizeof preferences);
    return preferences;
}

void writeRecord(xt::Handle record, const PalettePreferences& preferences)
{
    std::memcpy(*record, &preferences, sizeof preferences);
}

bool isUsable(xt::Handle record)
{
    return record && *record && xt::calls::GetHandleSize(record) >= static_cast<int32_t>(sizeof(PalettePreferences));
}

PaletteState g_paletteState;

} // namespace

PaletteSize defaultPaletteSize(int32_t pixelsPerInch)
{
    if (pixelsPerInch >= kHighResolution)
        return {240, 34};
    return {180, 32};
}

void PaletteState::fetch(PaletteSize defaults)
{
    xt::TextObject name = xt::calls::NewTextObject(kPalettePreferenceName, 0, sizeof kPalettePreferenceName - 1);
    xt::Handle record = nullptr;
    xt::calls::XpbOp5062(0, 0, 0, 0, name, &record);
    xt::calls::DisposeTextObject(name);
    m_record = record;
    m_ownRecord = false;
    if (!isUsable(m_record))
        makeOwnRecord();
    if (!m_record)
        return;
    PalettePreferences preferences = readRecord(m_record);
    m_shown = (preferences.flags >> 1) != 0;
    if (m_shown)
        return;
    preferences.left = kHiddenPaletteLeft;
    preferences.top = kHiddenPaletteTop;
    preferences.width = defaults.width;
    preferences.height = defaults.height;
    writeRecord(m_record, preferences);
}

void PaletteState::makeOwnRecord()
{
    // The host gave nothing usable: the palette still needs a place to open at and a flag to keep.
    m_record = xt::calls::NewHandle(sizeof(PalettePreferences));
    m_ownRecord = m_record != nullptr;
    if (m_record)
        writeRecord(m_record, PalettePreferences{});
}

void PaletteState::store()
{
    if (!m_record)
        return;
    PalettePreferences preferences = readRecord(m_record);
    preferences.flags = static_cast<uint8_t>((preferences.flags & kHostBit) | (m_shown ? 1 << 1 : 0));
    writeRecord(m_record, preferences);
    if (m_ownRecord)
        xt::calls::DisposeHandle(m_record);
    else
        xt::calls::XpbOp877(m_record);
    m_record = nullptr;
    m_ownRecord = false;
}

PaletteState& paletteState()
{
    return g_paletteState;
}

} // namespace amplex
