// Mockum's resource table. The string table's texts are there for a person reading the resources; the
// code builds its menu labels itself.
#include "mockum/resources/resources.h"

#include "foundation/resources/resource_builders.h"

#include "mockum/resources/dialog_resources.h"
#include "mockum/resources/filler_text.h"

namespace mockum {
namespace {

using foundation::resources::bitmapEntry;
using foundation::resources::dialogEntry;
using foundation::resources::text;

constexpr char kVersionText[8] = {'9', '.', '0', '.', '0', 0, 0, 0};
/// The host's undo and redo menu texts for a Mockum step, then the pair a fill would name.
constexpr char kUndoTexts[] = "Undo Mockum\0Redo Mockum\0Undo Placeholder Text\0Redo Placeholder Text";
constexpr char kMenuTitle[] = "VORNE";
constexpr char kXtensionQuery[] = "Mockum";

} // namespace

const std::array<xt::Resource, kResourceCount> kMockumResources = {{
    text(1, "Greek/Ungreek Text"),
    text(2, "Mockum Settings..."),
    text(3, "Lorem ipsum dolor sit amet."),
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    {xt::fourCC("STRQ"), 20000, kUndoTexts, sizeof kUndoTexts},
    {kFillerTextType, kFillerTextId, kFillerText, static_cast<uint32_t>(kFillerTextSize)},
    {xt::fourCC("XTQQ"), 100, kXtensionQuery, sizeof kXtensionQuery},
    {xt::kResourceMenu, 103, kMenuTitle, sizeof kMenuTitle},
    dialogEntry(kSettingsDialogResource, kSettingsDialogTemplate),
    bitmapEntry(kBannerBitmap),
}};

} // namespace mockum
