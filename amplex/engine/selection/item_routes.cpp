// The dispatch tables of the engine.
#include "amplex/engine/selection/item_routes.h"

#include <array>
#include <cassert>

#include "amplex/engine/scalers/box_content_scalers.h"
#include "amplex/engine/scalers/line_scaler.h"
#include "amplex/engine/scalers/plain_box_scaler.h"
#include "amplex/engine/scalers/shape_scaler.h"
#include "xtapi/box_record.h"

namespace amplex {
namespace {

enum KindClass : uint8_t { PlainKind, GroupKind, TextKind, PictureKind, UnscaledKind };
enum ShapeClass : uint8_t { Framed, LineShape, LineDownShape, PointList, Bezier, UnscaledShape };

KindClass kindClass(uint8_t kind)
{
    switch (static_cast<xt::BoxKind>(kind)) {
    case xt::BoxKind::PlainZero:
    case xt::BoxKind::Plain:
        return PlainKind;
    case xt::BoxKind::Group:
        return GroupKind;
    case xt::BoxKind::Text:
        return TextKind;
    case xt::BoxKind::Picture:
        return PictureKind;
    default:
        return UnscaledKind;
    }
}

ShapeClass shapeClass(uint8_t shape)
{
    namespace s = xt::shape;
    if (s::isFramed(shape))
        return Framed;
    if (shape == s::kLine)
        return LineShape;
    if (shape == s::kLineDown)
        return LineDownShape;
    if (s::isPointList(shape))
        return PointList;
    if (s::isBezier(shape))
        return Bezier;
    return UnscaledShape;
}

constexpr Route kSkip{OriginRule::Rectangle, ScalerId::None};

// Rows: plain, group, text, picture kinds; columns: framed, line, line down, point list, Bezier.
constexpr std::array<std::array<Route, 5>, 4> kSelectionRoutes = {{
    {{{OriginRule::Rectangle, ScalerId::PlainBox}, {OriginRule::Line, ScalerId::Line},
        {OriginRule::Line, ScalerId::LineItem}, {OriginRule::ShapeRecord, ScalerId::ShapeItem},
        {OriginRule::ShapeRecord, ScalerId::BezierBox}}},
    {{{OriginRule::Group, ScalerId::Group}, {OriginRule::Group, ScalerId::Group},
        {OriginRule::Group, ScalerId::Group}, {OriginRule::Group, ScalerId::Group},
        {OriginRule::Group, ScalerId::Group}}},
    {{{OriginRule::Rectangle, ScalerId::TextBox}, {OriginRule::Line, ScalerId::TextBox},
        {OriginRule::Line, ScalerId::TextBox}, {OriginRule::ShapeRecord, ScalerId::TextBox},
        {OriginRule::ShapeRecord, ScalerId::TextBox}}},
    {{{OriginRule::Rectangle, ScalerId::PictureBox}, {OriginRule::Line, ScalerId::Line},
        {OriginRule::Line, ScalerId::LineItem}, {OriginRule::ShapeRecord, ScalerId::ShapeItem},
        {OriginRule::ShapeRecord, ScalerId::BezierBox}}},
}};

constexpr uint8_t kPictureSwitches = ForcePictureBoxes | ForceGraphics;
constexpr uint8_t kTextSwitches = ForceTextBoxes | ForceText;

// A picture box's own shapes pick its scaler; every other kind has one scaler for all shapes.
constexpr std::array<SingleRoute, 5> kSinglePictureRoutes = {{
    {ScalerId::PictureBox, kPictureSwitches},
    {ScalerId::Line, ForceLines},
    {ScalerId::LineItem, ForceLines},
    {ScalerId::ShapeItem, kPictureSwitches},
    {ScalerId::BezierBox, kPictureSwitches},
}};

} // namespace

Route selectionRoute(uint8_t kind, uint8_t shape)
{
    const KindClass kinds = kindClass(kind);
    const ShapeClass shapes = shapeClass(shape);
    if (kinds == UnscaledKind || shapes == UnscaledShape)
        return kSkip;
    return kSelectionRoutes[kinds][shapes];
}

SingleRoute singleItemRoute(uint8_t kind, uint8_t shape)
{
    switch (kindClass(kind)) {
    case PlainKind:
        return {ScalerId::PlainBox, kPictureSwitches};
    case GroupKind:
        return {ScalerId::Group, kPictureSwitches | kTextSwitches};
    case TextKind:
        return {ScalerId::TextBox, kTextSwitches};
    case PictureKind: {
        const ShapeClass shapes = shapeClass(shape);
        if (shapes == UnscaledShape)
            return {ScalerId::None, 0};
        return kSinglePictureRoutes[shapes];
    }
    case UnscaledKind:
        break;
    }
    return {ScalerId::None, 0};
}

void runItemScaler(ScalerId scaler, int32_t item)
{
    using ItemScaler = void (*)(int32_t);
    struct Entry {
        ScalerId id;
        ItemScaler scale;
    };
    static constexpr Entry kScalers[] = {
        {ScalerId::PlainBox, &ScalePlainBox},
        {ScalerId::Line, &ScaleLine},
        {ScalerId::LineItem, &ScaleLineItem},
        {ScalerId::ShapeItem, &ScaleShapeItem},
        {ScalerId::BezierBox, &ScaleBezierBox},
        {ScalerId::PictureBox, &ScalePictureBox},
    };
    for (const Entry& entry : kScalers) {
        if (entry.id == scaler) {
            entry.scale(item);
            return;
        }
    }
    assert(scaler == ScalerId::None && "groups and text boxes are run by their callers");
}

} // namespace amplex
