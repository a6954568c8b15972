// Picture items that show one of the module's bitmaps for as long as their dialog is open.
#pragma once

#include <cstdint>

namespace foundation::dialog {

/// Styles `item` as a picture and makes a picture object holding the module's bitmap `bitmap`.
/// Returns the object, or 0 when the host could not make one (the item then stays empty).
int32_t loadItemPicture(int32_t item, int32_t bitmap);

/// Puts `picture` into `item`; nothing for a picture that was never made.
void showItemPicture(int32_t item, int32_t picture);

/// Disposes of `picture`, once, and forgets it.
void disposePicture(int32_t& picture);

} // namespace foundation::dialog
