// A picture object as the plug-ins compose it: a bitmap, a colour fill and marks drawn at a pen position.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host::ui {

/// Something drawn into a picture at a point: a bitmap resource or a line of text.
struct PictureMark {
    int32_t x = 0;
    int32_t y = 0;
    int32_t bitmap = 0;   // 0 for text
    std::string text;
    bool operator==(const PictureMark&) const = default;
};

/// A screen colour, 16 bits per component as a colour swatch holds it.
struct PictureFill {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
    bool operator==(const PictureFill&) const = default;
};

struct Picture {
    int32_t bitmap = 0;                 // the bitmap resource loaded into it, 0 for none
    std::optional<PictureFill> fill;    // a swatch's colour
    std::vector<PictureMark> marks;     // in the order drawn
    int32_t penX = 0;
    int32_t penY = 0;
    bool operator==(const Picture&) const = default;

    /// What a person would read of it: "bitmap 300", "fill #ff0000", "text \"Red\" at 5,14"..., joined by "; ".
    std::string describe() const;
};

} // namespace host::ui
