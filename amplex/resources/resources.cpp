// Amplex's resource table: the code-0 string table, "VERS" 1 and "STRQ" 20000.
#include "amplex/resources/resources.h"

#include "foundation/resources/resource_builders.h"

#include "amplex/resources/dialog_resources.h"
#include "amplex/resources/strings.h"
#include "xtapi/types.h"

namespace amplex {
namespace {

using foundation::resources::text;

constexpr char kVersionText[8] = {'9', '.', '0', '.', '0', 0, 0, 0};
/// The host's undo and redo menu texts for an Amplex step, one after the other.
constexpr char kUndoTexts[] = "Undo Amplex\0Redo Amplex";
constexpr xt::FourLetterCode kUndoTextType = xt::fourCC("STRQ");
constexpr int32_t kUndoTextId = 20000;

} // namespace

const std::array<xt::Resource, kResourceCount> kAmplexResources = {{
    text(StringPresetFolder, "VORNE Amplex Presets"),
    text(StringBackupFolder, "__tmpdata__"),
    text(StringShowPalette, "Show Amplex Palette"),
    text(StringHidePalette, "Hide Amplex Palette"),
    text(StringLoadFailed, "Sorry, problems loading settings!"),
    text(StringCreateFailed, "Sorry, couldn't save settings!"),
    text(StringSaveFailed, "Sorry, problems saving settings!"),
    text(StringMinimumPointSize, "Minimum Text point size is 2 pt."),
    text(StringMaximumPointSize, "Maximum Text point size is 720 pt."),
    text(StringMinimumTextBoxBoth, "Minimum Text box width and height are "),
    text(StringMinimumTextBoxHeight, "Minimum Text box height is "),
    text(StringMinimumTextBoxWidth, "Minimum Text box width is "),
    text(StringMinimumPictureBoxBoth, "Minimum Picture box width and height are "),
    text(StringMinimumPictureBoxHeight, "Minimum Picture box height is "),
    text(StringMinimumPictureBoxWidth, "Minimum Picture box width is "),
    text(StringMasterPageRefusal, "Can not scale the document while on a Master Page."),
    {xt::kResourceVersion, 1, kVersionText, sizeof kVersionText},
    {kUndoTextType, kUndoTextId, kUndoTexts, sizeof kUndoTexts},
    dialogEntry(ScaleDialogResource, kScaleDialogTemplate),
    dialogEntry(ScalePageResource, kScalePageTemplate),
    dialogEntry(OptionsPageResource, kOptionsPageTemplate),
    dialogEntry(PresetsPageResource, kPresetsPageTemplate),
    dialogEntry(TextFitPageResource, kTextFitPageTemplate),
    dialogEntry(PaletteResource, kPaletteTemplate),
    menuEntry(SelectionFitToMenu, kSelectionFitToEntries),
    menuEntry(PaperFitToMenu, kPaperFitToEntries),
    menuEntry(ScaleFromMenu, kScaleFromEntries),
    menuEntry(FitCommandMenu, kFitCommandEntries),
    bitmapEntry(20008), bitmapEntry(20009), bitmapEntry(20010), bitmapEntry(20011),
    bitmapEntry(23001), bitmapEntry(23002), bitmapEntry(23003), bitmapEntry(23004),
    bitmapEntry(23005), bitmapEntry(23006), bitmapEntry(23007), bitmapEntry(23008),
    bitmapEntry(23009), bitmapEntry(23010), bitmapEntry(23011), bitmapEntry(23012),
}};

} // namespace amplex
