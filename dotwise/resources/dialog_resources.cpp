// Dotwise's window templates: the palette with its four buttons and action popup, and the settings dialog.
#include "dotwise/resources/dialog_resources.h"

#include "foundation/resources/resource_builders.h"

namespace dotwise {
namespace {

using Kind = xt::DialogItemKind;

using foundation::resources::head;
using foundation::resources::item;
using foundation::resources::window;

constexpr xt::DialogItemTemplate kPaletteItems[] = {
    item(1, Kind::Picture, "", 20001),
    item(2, Kind::Picture, "", 20002),
    item(3, Kind::Picture, "", 20003),
    item(4, Kind::Picture, "", 20004),
    item(5, Kind::PopupMenu),
    item(6, Kind::StaticText, "Dotwise"),
};

constexpr xt::DialogItemTemplate kSettingsItems[] = {
    item(1, Kind::Button, "OK"),
    item(2, Kind::Button, "Cancel"),
    item(3, Kind::StaticText, "Master indents:"),
    item(4, Kind::EditText),
    item(5, Kind::EditText),
    item(6, Kind::PopupMenu, "Style override:"),
    item(7, Kind::EditText),
    item(8, Kind::EditText),
    item(9, Kind::PopupMenu, "Style override:"),
    item(10, Kind::EditText),
    item(11, Kind::EditText),
    item(12, Kind::PopupMenu, "Style override:"),
    item(13, Kind::EditText),
    item(14, Kind::EditText),
    item(15, Kind::PopupMenu, "Style override:"),
    item(16, Kind::StaticText, "Gap character:"),
    item(17, Kind::PopupMenu),
    item(18, Kind::EditText),
    item(19, Kind::EditText),
    item(20, Kind::StaticText, "Bullet font:"),
    item(21, Kind::PopupMenu),
    item(22, Kind::EditText),
    item(23, Kind::StaticText, "Style override:"),
    item(24, Kind::PopupMenu),
    item(25, Kind::StaticText, "Level 1 type:"),
    item(26, Kind::PopupMenu),
    item(27, Kind::StaticText, "Level 2 type:"),
    item(28, Kind::PopupMenu),
    item(29, Kind::StaticText, "Level 3 type:"),
    item(30, Kind::PopupMenu),
    item(31, Kind::StaticText, "Level 4 type:"),
    item(32, Kind::PopupMenu),
    item(33, Kind::CheckBox, "Bold bullets and numbers"),
    item(34, Kind::CheckBox, "Hang indents"),
    item(35, Kind::CheckBox, "Auto indent"),
    item(36, Kind::StaticText, "Level 1 indents"),
    item(37, Kind::StaticText, "Level 2 indents"),
    item(38, Kind::StaticText, "Level 3 indents"),
    item(39, Kind::StaticText, "Level 4 indents"),
    item(40, Kind::StaticText, "Ordered lists:"),
    item(41, Kind::StaticText, "Options:"),
    item(42, Kind::StaticText, "Dotwise and Numbers"),
    item(43, Kind::StaticText, "8.0"),
    item(44, Kind::Frame),
    item(45, Kind::Frame),
    item(46, Kind::Frame),
    item(47, Kind::Frame),
    item(48, Kind::Frame),
    item(49, Kind::Frame),
    item(55, Kind::Picture, "", 20008),
};

} // namespace

const xt::DialogResource<6> kPaletteTemplate = window(head(209, 15, "Dotwise", "QFPalette"), kPaletteItems);
const xt::DialogResource<kSettingsDialogItemCount> kSettingsDialogTemplate =
    window(head(372, 230, "VORNE Dotwise Settings"), kSettingsItems);

} // namespace dotwise
