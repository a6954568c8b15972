// Which scaler an item goes to, and about which origin, by its kind and shape.
#pragma once

#include <cstdint>

namespace amplex {

/// How `ScaleSelection` places the origin before the scaler runs.
enum class OriginRule : uint8_t { Rectangle, ShapeRecord, Line, Group };

enum class ScalerId : uint8_t {
    None,  // the item is passed over
    PlainBox,
    Line,
    LineItem,
    ShapeItem,
    BezierBox,
    Group,
    TextBox,
    PictureBox,
};

struct Route {
    OriginRule origin;
    ScalerId scaler;
};

/// The route of `ScaleSelection` and of a group's members. Kinds 0 and 5 are plain items; kind 1,
/// kinds above 5 and shapes above 11 are not scaled.
Route selectionRoute(uint8_t kind, uint8_t shape);

/// The "Keep Proportional" switches that an anchored item's scale turns on when the "Anchored Boxes"
/// switch is set.
enum ForcedSwitch : uint8_t {
    ForcePictureBoxes = 0x01,
    ForceGraphics = 0x02,
    ForceTextBoxes = 0x04,
    ForceText = 0x08,
    ForceLines = 0x10,
};

struct SingleRoute {
    ScalerId scaler;
    uint8_t forced;  // ForcedSwitch bits
};

/// The route of `ScaleSingleItem` (an item anchored in a story); a group goes to `ScaleGroupItems`.
SingleRoute singleItemRoute(uint8_t kind, uint8_t shape);

/// Runs one of the scalers that take nothing but the item: plain box, line, shape, Bezier, picture.
/// Groups and text boxes have their callers' own steps around them and are not run here.
void runItemScaler(ScalerId scaler, int32_t item);

} // namespace amplex
