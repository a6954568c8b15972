// The Options page (21002) and the Text Fit page (21004): switches of ScaleSettings shown as check boxes.
#pragma once

namespace amplex::ui {

/// Record to controls with the enabling rules; nothing while the page does not exist.
void FillOptionsPage();
/// Controls to record; true (nothing read) while the page does not exist.
bool ReadOptionsPage();
void FillTextFitPage();
bool ReadTextFitPage();

} // namespace amplex::ui
