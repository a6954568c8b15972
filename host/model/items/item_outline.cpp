// Item outlines for hit-testing: boxes and ovals turned about their centres with their corners as
// shaped, point lists through their points, Bezier outlines through their curves, lines with their weight.
#include "host/model/items/item_outline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "host/model/items/line_geometry.h"
#include "host/model/items/outline_curves.h"

namespace host::model {
namespace {

/// However thin a line is drawn, a click this close to it takes it.
constexpr double kLeastLineReach = 1.0;
/// Groups nest; a document that nested them deeper than this is damaged, not designed.
constexpr int kDeepestGroup = 64;

double points(xt::Fixed value)
{
    return value / 65536.0;
}

xt::Fixed fixedOf(double value)
{
    constexpr double kLimit = std::numeric_limits<xt::Fixed>::max() / 65536.0;
    return static_cast<xt::Fixed>(std::lround(std::clamp(value, -kLimit, kLimit) * 65536.0));
}

/// A point list as it stands; a Bezier outline through its curves. Bezier data that is not whole
/// vertices (three points each) is taken through its points as they stand, as the page drawing shows it.
std::vector<OutlinePoint> shapedOutline(uint8_t shape, const ShapeData& data, bool closed)
{
    std::vector<OutlinePoint> stored;
    for (const xt::FixedPoint& point : data.points())
        stored.push_back({points(point.v), points(point.h)});
    if (!xt::shape::isBezier(shape))
        return stored;
    std::vector<OutlinePoint> curve = flattenBezier(stored, closed);
    return curve.empty() ? stored : curve;
}

} // namespace

ItemOutline ItemOutline::of(const ItemStore& store, const Item& item)
{
    ItemOutline outline;
    add(store, item, outline.m_pieces, 0);
    return outline;
}

void ItemOutline::add(const ItemStore& store, const Item& item, std::vector<Piece>& pieces, int depth)
{
    if (item.groupRole() == GroupRole::Group || item.groupRole() == GroupRole::Selection) {
        if (depth >= kDeepestGroup)
            return;
        for (int32_t member : item.members()) {
            if (const Item* found = store.find(member))
                add(store, *found, pieces, depth + 1);
        }
        return;
    }
    Piece piece;
    if (item.isLine()) {
        const LineEnds ends = lineEnds(item.rect(), item.angle());
        piece.form = Piece::Form::Path;
        piece.points = {{points(ends.first.v), points(ends.first.h)}, {points(ends.second.v), points(ends.second.h)}};
        piece.halfWidth = std::max(points(item.weight()) / 2, kLeastLineReach);
        pieces.push_back(std::move(piece));
        return;
    }
    const xt::FixedRect rect = item.groupRole() == GroupRole::Table ? store.bounds(item)
        : item.hasShapeData()                                       ? item.shapeData()->rect()
                                                                    : item.rect();
    piece.top = points(rect.top);
    piece.left = points(rect.left);
    piece.bottom = points(rect.bottom);
    piece.right = points(rect.right);
    piece.centre = {(piece.top + piece.bottom) / 2, (piece.left + piece.right) / 2};
    piece.angle = points(item.angle()) * std::numbers::pi / 180;
    if (const ShapeData* data = item.shapeData()) {
        const bool closed = item.shape() == xt::shape::kPolygon || item.shape() == xt::shape::kBezier;
        piece.form = closed ? Piece::Form::Polygon : Piece::Form::Path;
        piece.points = shapedOutline(item.shape(), *data, closed);
        if (!closed)
            piece.halfWidth = std::max(points(item.weight()) / 2, kLeastLineReach);
    } else if (item.shape() == xt::shape::kOval) {
        piece.form = Piece::Form::Oval;
    } else if (auto corners = cornerOutline(item.shape(), piece.top, piece.left, piece.bottom, piece.right,
                   points(item.corner()));
               !corners.empty()) {
        piece.form = Piece::Form::Polygon;
        piece.points = std::move(corners);
    }
    pieces.push_back(std::move(piece));
}

double ItemOutline::reach(const Piece& piece) const
{
    return piece.halfWidth + m_grown;
}

namespace {

/// The distance from `p` to the segment from `a` to `b`.
double distanceToSegment(double pv, double ph, double av, double ah, double bv, double bh)
{
    const double dv = bv - av;
    const double dh = bh - ah;
    const double length = dv * dv + dh * dh;
    double t = length > 0 ? ((pv - av) * dv + (ph - ah) * dh) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(pv - (av + t * dv), ph - (ah + t * dh));
}

} // namespace

bool ItemOutline::pieceContains(const Piece& piece, Point at) const
{
    // The point is turned back about the piece's centre, so the piece is tested as it lies unturned.
    // The page's vertical axis points down, so a counter-clockwise turn on the page is clockwise in (h, v).
    const double c = std::cos(piece.angle);
    const double s = std::sin(piece.angle);
    const double dh = at.h - piece.centre.h;
    const double dv = at.v - piece.centre.v;
    const Point p{piece.centre.v + dh * s + dv * c, piece.centre.h + dh * c - dv * s};
    const double grown = m_grown;
    switch (piece.form) {
    case Piece::Form::Box:
        return p.v >= piece.top - grown && p.v <= piece.bottom + grown && p.h >= piece.left - grown
            && p.h <= piece.right + grown;
    case Piece::Form::Oval: {
        const double rv = (piece.bottom - piece.top) / 2 + grown;
        const double rh = (piece.right - piece.left) / 2 + grown;
        if (rv <= 0 || rh <= 0)
            return false;
        const double nv = (p.v - piece.centre.v) / rv;
        const double nh = (p.h - piece.centre.h) / rh;
        return nv * nv + nh * nh <= 1.0;
    }
    case Piece::Form::Polygon:
    case Piece::Form::Path: {
        const auto& pts = piece.points;
        if (pts.empty())
            return false;
        const size_t n = pts.size();
        const bool closed = piece.form == Piece::Form::Polygon;
        bool inside = false;
        double nearest = std::hypot(p.v - pts[0].v, p.h - pts[0].h);
        for (size_t i = 0; i + 1 < n || (closed && i < n); ++i) {
            const Point& a = pts[i];
            const Point& b = pts[(i + 1) % n];
            nearest = std::min(nearest, distanceToSegment(p.v, p.h, a.v, a.h, b.v, b.h));
            if (closed && (a.v > p.v) != (b.v > p.v) && p.h < a.h + (b.h - a.h) * (p.v - a.v) / (b.v - a.v))
                inside = !inside;
        }
        const double reachOut = reach(piece);
        if (closed && grown < 0)
            return inside && nearest >= -grown;
        return (closed && inside) || nearest <= reachOut;
    }
    }
    return false;
}

bool ItemOutline::contains(double v, double h) const
{
    return std::any_of(m_pieces.begin(), m_pieces.end(), [&](const Piece& piece) { return pieceContains(piece, {v, h}); });
}

std::vector<OutlinePoint> ItemOutline::drawnPoints(const Piece& piece)
{
    const double c = std::cos(piece.angle);
    const double s = std::sin(piece.angle);
    if (piece.form == Piece::Form::Oval) {
        // A turned oval reaches no further than these four points, where its edge runs straight across
        // or straight down.
        const double rv = (piece.bottom - piece.top) / 2;
        const double rh = (piece.right - piece.left) / 2;
        const double down = std::hypot(rh * s, rv * c);
        const double across = std::hypot(rh * c, rv * s);
        const Point& m = piece.centre;
        return {{m.v - down, m.h}, {m.v + down, m.h}, {m.v, m.h - across}, {m.v, m.h + across}};
    }
    std::vector<OutlinePoint> unturned = piece.points;
    if (piece.form == Piece::Form::Box)
        unturned = {{piece.top, piece.left}, {piece.top, piece.right}, {piece.bottom, piece.right}, {piece.bottom, piece.left}};
    std::vector<OutlinePoint> turned;
    for (const Point& p : unturned) {
        const double dh = p.h - piece.centre.h;
        const double dv = p.v - piece.centre.v;
        turned.push_back({piece.centre.v - dh * s + dv * c, piece.centre.h + dh * c + dv * s});
    }
    return turned;
}

xt::FixedRect ItemOutline::bounds() const
{
    bool any = false;
    double top = 0, left = 0, bottom = 0, right = 0;
    for (const Piece& piece : m_pieces) {
        const double out = std::max(0.0, reach(piece));
        for (const Point& p : drawnPoints(piece)) {
            top = any ? std::min(top, p.v - out) : p.v - out;
            left = any ? std::min(left, p.h - out) : p.h - out;
            bottom = any ? std::max(bottom, p.v + out) : p.v + out;
            right = any ? std::max(right, p.h + out) : p.h + out;
            any = true;
        }
    }
    return {fixedOf(top), fixedOf(left), fixedOf(bottom), fixedOf(right)};
}

} // namespace host::model
