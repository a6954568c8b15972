// The picture a picture box shows from an image file: the file's name and the picture's size, read from
// the head of the file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "xtapi/types.h"

namespace host::model {

/// A picture's size in points (a pixel is a point, as at 100 % on a 72 dpi screen).
struct PictureSize {
    xt::Fixed width = 0;
    xt::Fixed height = 0;
    bool operator==(const PictureSize&) const = default;
};

struct PictureFile {
    std::string path;
    PictureSize size;
    bool operator==(const PictureFile&) const = default;
};

/// The size of the picture in a PNG, JPEG, GIF, TIFF or EPS file from its first bytes; why not, when the
/// bytes are no such picture or give it no size. Only the head is read: the bytes may be cut short.
std::variant<PictureSize, std::string> readPictureSize(std::span<const uint8_t> bytes);

/// How many bytes of a file readPictureSize needs at most.
inline constexpr size_t kPictureHeadBytes = 64 * 1024;

} // namespace host::model
