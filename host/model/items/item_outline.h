// The outline of an item as a user clicks it: where on the spread a point hits the item, and the rectangle
// that holds all of it as drawn (turned about its centre, with its line's weight).
#pragma once

#include <vector>

#include "host/model/items/item_store.h"
#include "host/model/items/outline_curves.h"
#include "xtapi/box_record.h"

namespace host::model {

class ItemOutline {
public:
    /// The item's outline; a group's or a table's is its members' together.
    static ItemOutline of(const ItemStore& store, const Item& item);

    /// Moves every edge outward by `points` (inward when negative): a line grows thicker, a box larger.
    void grow(double points) { m_grown += points; }
    /// Whether a point of the spread (in points) lies in the outline, or on one of its lines.
    bool contains(double v, double h) const;
    /// The rectangle that holds the whole outline; empty at the origin for an item with nothing to hit.
    xt::FixedRect bounds() const;

private:
    using Point = OutlinePoint;
    /// One piece of an outline: a box, an oval, a closed polygon (a point list, a closed Bezier outline, a
    /// box with shaped corners), or an open path (a line, a polyline, an open Bezier outline).
    struct Piece {
        enum class Form { Box, Oval, Polygon, Path } form = Form::Box;
        double top = 0, left = 0, bottom = 0, right = 0; // a box's or an oval's, before the turn
        std::vector<Point> points;                       // a polygon's or a path's, before the turn
        double angle = 0;                                // radians, counter-clockwise on the page
        Point centre{};                                  // what the piece turns about
        double halfWidth = 0;                            // a path's reach either side of its points
    };

    static void add(const ItemStore& store, const Item& item, std::vector<Piece>& pieces, int depth);
    bool pieceContains(const Piece& piece, Point at) const;
    /// The piece's corners or points as drawn, turned.
    static std::vector<OutlinePoint> drawnPoints(const Piece& piece);
    double reach(const Piece& piece) const;

    std::vector<Piece> m_pieces;
    double m_grown = 0;
};

} // namespace host::model
