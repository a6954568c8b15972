// Amplex's string ids and the rule that picks the string for the user's language.
#pragma once

#include <cstdint>
#include <string>

namespace amplex {

enum StringId : int32_t {
    StringPresetFolder = 20013,      // "VORNE Amplex Presets"
    StringBackupFolder = 20014,      // "__tmpdata__"
    StringShowPalette = 20017,       // "Show Amplex Palette"
    StringHidePalette = 20018,       // "Hide Amplex Palette"
    StringLoadFailed = 20037,        // "Sorry, problems loading settings!"
    StringCreateFailed = 20038,      // "Sorry, couldn't save settings!"
    StringSaveFailed = 20039,        // "Sorry, problems saving settings!"
    StringMinimumPointSize = 20040,
    StringMaximumPointSize = 20041,
    StringMinimumTextBoxBoth = 20042,
    StringMinimumTextBoxHeight = 20043,
    StringMinimumTextBoxWidth = 20044,
    StringMinimumPictureBoxBoth = 20045,
    StringMinimumPictureBoxHeight = 20046,
    StringMinimumPictureBoxWidth = 20047,
    StringMasterPageRefusal = 20048,
};

/// The id to load for `base` in the current language. Only the strings of code 0 exist, and the
/// ids of code 0 lie closer together than 10, so an id moved by 10 x code would name another
/// code-0 string: the base id is used for every language without a table of its own.
int32_t localisedStringId(int32_t base);

/// Loads the string for `base` from the plug-in's own table; the base id's text when the
/// localised id has none, and "" only when neither exists.
std::string loadAmplexString(int32_t base);

} // namespace amplex
