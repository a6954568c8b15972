// Amplex's window templates: the Scale dialog, its four tab pages and the palette.
#include "amplex/resources/dialog_resources.h"

#include "foundation/resources/resource_builders.h"

namespace amplex {
namespace {

using Kind = xt::DialogItemKind;

using foundation::resources::head;
using foundation::resources::item;
using foundation::resources::window;

constexpr xt::DialogItemTemplate kDialogItems[] = {
    item(1, Kind::Button, "Scale"),
    item(2, Kind::Button, "Cancel"),
    item(3, Kind::Button, "Use Settings"),
    item(10, Kind::TabControl),
    item(5, Kind::Picture, "", 20008),
    item(6, Kind::Picture, "", 20009),
};

constexpr xt::DialogItemTemplate kScalePageItems[] = {
    item(1, Kind::RadioButton, "Selection"),
    item(2, Kind::RadioButton, "Document"),
    item(3, Kind::RadioButton, "From page"),
    item(17, Kind::EditText),
    item(25, Kind::StaticText, "to"),
    item(18, Kind::EditText),
    item(15, Kind::StaticText, "Scale by:"),
    item(4, Kind::RadioButton, "Percent"),
    item(5, Kind::RadioButton, "Size"),
    item(6, Kind::CheckBox, "Constrain"),
    item(11, Kind::Picture, "", 20010),
    item(19, Kind::EditText),
    item(12, Kind::Picture, "", 20011),
    item(20, Kind::EditText),
    item(7, Kind::CheckBox, "Fit to:"),
    item(8, Kind::PopupMenu),
    item(16, Kind::StaticText, "Scaled Size:"),
    item(24, Kind::StaticText, "Scale from:"),
    item(23, Kind::PopupMenu),
    item(14, Kind::StaticText, "Repeat Count:"),
    item(21, Kind::EditText),
    item(13, Kind::StaticText, "Step Amount:"),
    item(22, Kind::EditText),
};

constexpr xt::DialogItemTemplate kOptionsPageItems[] = {
    item(90, Kind::Frame, "Items to scale"),
    item(2, Kind::StaticText, "Keep Proportional"),
    item(3, Kind::StaticText, "Text Boxes"),
    item(4, Kind::CheckBox, "Text"),
    item(5, Kind::CheckBox, "Leading"),
    item(6, Kind::CheckBox, "TABs"),
    item(7, Kind::CheckBox, "Gutters"),
    item(8, Kind::CheckBox, "Anchored Boxes"),
    item(9, Kind::CheckBox, "Runaround"),
    item(10, Kind::CheckBox, "Lines"),
    item(11, Kind::CheckBox, "Line Weights"),
    item(12, Kind::CheckBox, "Picture Boxes"),
    item(13, Kind::CheckBox, "Graphics"),
    item(14, Kind::CheckBox, "Bezier Shapes"),
    item(15, Kind::CheckBox, "Drop Shadows"),
    item(16, Kind::CheckBox, "Style Sheets"),
    item(17, Kind::CheckBox, "Guides"),
    item(18, Kind::CheckBox, "Document Size"),
    item(19, Kind::CheckBox, "Round fonts to nearest:"),
    item(29, Kind::EditText),
    item(20, Kind::CheckBox, "Display Size Warnings"),
    item(21, Kind::CheckBox),
    item(22, Kind::CheckBox),
    item(23, Kind::CheckBox),
    item(24, Kind::CheckBox),
    item(25, Kind::CheckBox),
    item(26, Kind::CheckBox),
    item(27, Kind::CheckBox),
    item(28, Kind::CheckBox, "All"),
};

constexpr xt::DialogItemTemplate kPresetsPageItems[] = {
    item(1, Kind::List),
    item(2, Kind::StaticText, "Name:"),
    item(3, Kind::EditText),
    item(4, Kind::Button, "Replace"),
    item(5, Kind::Button, "Delete"),
    item(6, Kind::Button, "Save"),
    item(7, Kind::Button, "Rename"),
    item(8, Kind::Button, "Use Settings"),
    item(9, Kind::Button, "Revert All"),
    item(10, Kind::Button, "Make Default"),
    item(11, Kind::Button, "Add to 'Fit to' list"),
};

constexpr xt::DialogItemTemplate kTextFitPageItems[] = {
    item(28, Kind::PopupMenu),
    item(15, Kind::StaticText, "Text Fitting:"),
    item(16, Kind::StaticText, "Increment"),
    item(26, Kind::StaticText, "Fine Tune"),
    item(1, Kind::CheckBox, "Text size"),
    item(7, Kind::EditText),
    item(19, Kind::CheckBox),
    item(2, Kind::CheckBox, "Leading"),
    item(8, Kind::EditText),
    item(20, Kind::CheckBox),
    item(3, Kind::CheckBox, "Space Before"),
    item(9, Kind::EditText),
    item(21, Kind::CheckBox),
    item(4, Kind::CheckBox, "Space After"),
    item(10, Kind::EditText),
    item(22, Kind::CheckBox),
    item(5, Kind::CheckBox, "Tracking"),
    item(11, Kind::EditText),
    item(23, Kind::CheckBox),
    item(6, Kind::CheckBox, "Horizontal Scale"),
    item(12, Kind::EditText),
    item(24, Kind::CheckBox),
    item(17, Kind::CheckBox, "Indents"),
    item(18, Kind::EditText),
    item(25, Kind::CheckBox),
    item(13, Kind::RadioButton, "Fit to box"),
    item(14, Kind::RadioButton, "Fit to column"),
    item(27, Kind::CheckBox, "Show Fitting"),
};

constexpr xt::DialogItemTemplate kPaletteItems[] = {
    item(1, Kind::Picture, "", 23002),
    item(2, Kind::Picture, "", 23004),
    item(3, Kind::PopupMenu),
    item(4, Kind::Picture, "", 23006),
};

} // namespace

const xt::DialogResource<6> kScaleDialogTemplate = window(head(221, 298, " VORNE Amplex"), kDialogItems);
const xt::DialogResource<23> kScalePageTemplate = window(head(190, 220, "Scale"), kScalePageItems);
const xt::DialogResource<29> kOptionsPageTemplate = window(head(190, 219, "Options"), kOptionsPageItems);
const xt::DialogResource<11> kPresetsPageTemplate = window(head(190, 219, "Presets"), kPresetsPageItems);
const xt::DialogResource<28> kTextFitPageTemplate = window(head(189, 213, "Text Fit"), kTextFitPageItems);
const xt::DialogResource<4> kPaletteTemplate = window(head(119, 21, "|Amplex", "QFPalette"), kPaletteItems);

} // namespace amplex
