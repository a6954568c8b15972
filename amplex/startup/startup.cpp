// Amplex's start-up work: resource file, screen resolution, palette record and default settings.
#include "amplex/startup/startup.h"

#include "amplex/settings/palette_state.h"
#include "amplex/settings/settings.h"
#include "amplex/settings/settings_adapter.h"
#include "amplex/startup/description.h"
#include "foundation/binding/binding.h"
#include "win32/windows.h"
#include "xtapi/types.h"

namespace amplex {
namespace {

constexpr int32_t kResourceQuery = 101;
constexpr int32_t kStandardScreenResolution = 96;

int16_t g_resourceFile = 0;

} // namespace

int16_t ownResourceFile()
{
    return g_resourceFile;
}

int32_t screenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return kStandardScreenResolution;
    const int32_t pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

int32_t amplexStartUp()
{
    xt::calls::GetOwnResourceFile(&g_resourceFile);
    xt::calls::ResourceFileOp1843(kAmplexId, 0, xt::calls::ToolboxOp1981(kResourceQuery, 0));
    paletteState().fetch(defaultPaletteSize(screenPixelsPerInch()));
    resetSettingsAtStartup();
    configureAmplexPresets();
    return 0;
}

} // namespace amplex
