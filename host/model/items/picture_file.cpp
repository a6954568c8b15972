// Reading a picture's size from the head of its file: each format's own header, checked against the
// bytes there are.
#include "host/model/items/picture_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace host::model {
namespace {

using namespace std::string_view_literals;

/// Larger than any page the host makes: a size beyond it is a damaged header.
constexpr double kLargestSide = 32767;

using Bytes = std::span<const uint8_t>;

uint32_t bigEndian(Bytes bytes, size_t at, size_t width)
{
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value = value << 8 | bytes[at + i];
    return value;
}

uint32_t littleEndian(Bytes bytes, size_t at, size_t width)
{
    uint32_t value = 0;
    for (size_t i = width; i > 0; --i)
        value = value << 8 | bytes[at + i - 1];
    return value;
}

bool startsWith(Bytes bytes, std::string_view magic)
{
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin(),
                                                [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

std::variant<PictureSize, std::string> sized(double width, double height, const char* format)
{
    if (!(width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide))
        return std::string(format) + " picture gives no usable size";
    return PictureSize{static_cast<xt::Fixed>(std::lround(width * 65536)), static_cast<xt::Fixed>(std::lround(height * 65536))};
}

std::variant<PictureSize, std::string> pngSize(Bytes bytes)
{
    // The signature, then the IHDR chunk: length, "IHDR", width, height.
    if (bytes.size() < 24 || !std::equal(bytes.begin() + 12, bytes.begin() + 16, "IHDR"))
        return std::string("the PNG file has no image header");
    return sized(bigEndian(bytes, 16, 4), bigEndian(bytes, 20, 4), "the PNG");
}

std::variant<PictureSize, std::string> gifSize(Bytes bytes)
{
    if (bytes.size() < 10)
        return std::string("the GIF file has no screen descriptor");
    return sized(littleEndian(bytes, 6, 2), littleEndian(bytes, 8, 2), "the GIF");
}

std::variant<PictureSize, std::string> jpegSize(Bytes bytes)
{
    // Markers after the start of image until a start of frame (C0 to CF, but not C4, C8 and CC).
    size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (bytes[at] != 0xFF)
            return std::string("the JPEG file is damaged before its frame header");
        const uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const size_t length = bigEndian(bytes, at + 2, 2);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 7 || at + 9 > bytes.size())
                return std::string("the JPEG file's frame header is cut short");
            return sized(bigEndian(bytes, at + 7, 2), bigEndian(bytes, at + 5, 2), "the JPEG");
        }
        if (length < 2)
            return std::string("the JPEG file is damaged before its frame header");
        at += 2 + length;
    }
    return std::string("the JPEG file has no frame header in its first bytes");
}

std::variant<PictureSize, std::string> tiffSize(Bytes bytes)
{
    const bool little = bytes[0] == 'I';
    auto read = [&](size_t at, size_t width) { return little ? littleEndian(bytes, at, width) : bigEndian(bytes, at, width); };
    if (bytes.size() < 8)
        return std::string("the TIFF file has no header");
    const size_t directory = read(4, 4);
    if (directory > bytes.size() || bytes.size() - directory < 2)
        return std::string("the TIFF file's first directory lies beyond its head");
    const size_t entries = read(directory, 2);
    std::optional<uint32_t> width;
    std::optional<uint32_t> height;
    for (size_t i = 0; i < entries; ++i) {
        const size_t entry = directory + 2 + i * 12;
        if (entry > bytes.size() || bytes.size() - entry < 12)
            return std::string("the TIFF file's first directory is cut short");
        const uint32_t tag = read(entry, 2);
        const uint32_t type = read(entry + 2, 2);
        const uint32_t value = type == 3 ? read(entry + 8, 2) : read(entry + 8, 4);  // SHORT or LONG
        if (tag == 256)
            width = value;
        if (tag == 257)
            height = value;
    }
    if (!width || !height)
        return std::string("the TIFF file does not give the picture's width and height");
    return sized(*width, *height, "the TIFF");
}

std::optional<double> numberAt(std::string_view& rest)
{
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc())
        return std::nullopt;
    rest.remove_prefix(static_cast<size_t>(end - rest.data()));
    return value;
}

std::variant<PictureSize, std::string> epsSize(Bytes bytes)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    constexpr std::string_view kBox = "%%BoundingBox:";
    for (size_t at = text.find(kBox); at != std::string_view::npos; at = text.find(kBox, at + 1)) {
        std::string_view rest = text.substr(at + kBox.size());
        const auto left = numberAt(rest);
        const auto bottom = numberAt(rest);
        const auto right = numberAt(rest);
        const auto top = numberAt(rest);
        if (left && bottom && right && top)  // "(atend)" is skipped: a later line gives the box
            return sized(*right - *left, *top - *bottom, "the EPS");
    }
    return std::string("the EPS file has no bounding box in its first bytes");
}

} // namespace

std::variant<PictureSize, std::string> readPictureSize(Bytes bytes)
{
    if (startsWith(bytes, "\x89PNG\r\n\x1A\n"sv))
        return pngSize(bytes);
    if (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a"))
        return gifSize(bytes);
    if (startsWith(bytes, "\xFF\xD8"))
        return jpegSize(bytes);
    if (startsWith(bytes, "II*\0"sv) || startsWith(bytes, "MM\0*"sv))
        return tiffSize(bytes);
    if (startsWith(bytes, "%!PS"))
        return epsSize(bytes);
    return std::string("the file holds no PNG, JPEG, GIF, TIFF or EPS picture");
}

} // namespace host::model
