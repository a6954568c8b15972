// Fit Box to Picture: a picture box made the size of its picture at the picture's scale.
#pragma once

#include <cstdint>

#include "xtapi/box_record.h"

namespace amplex {

/// The picture's size in points (bounds in whole points, top-left at 0, 0); empty rect for none.
xt::FixedRect pictureRect(const xt::PictureFields& picture);

/// Resizes the picture box `box` to its picture at the current scale, keeping its top-left corner,
/// and puts the picture at that corner. Anything but a picture box with a picture is left alone.
void FitBoxToPicture(int32_t box);

} // namespace amplex
