// The greek operations, one per scope. Each greeks the words it reaches and, run again on the same
// text, gives it back; the caller brackets it in one undo step.
#pragma once

#include "mockum/settings/greek_settings.h"

namespace mockum {

/// The words of the text selection of the current text box (with the text tool).
void GreekSelection(const GreekSettings& settings);
/// The item in the current-box global: a text box over the part of its story it shows, a group
/// member by member.
void GreekItem(const GreekSettings& settings);
/// Every item of every spread of the document.
void GreekEntireItems(const GreekSettings& settings);
/// The text boxes of the pages from..to.
void GreekPageRange(const GreekSettings& settings);

} // namespace mockum
