// One item of a layout: a box, a line, a shaped outline, a group, a table or the pseudo-group that
// stands for several selected items.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/model/items/picture_file.h"
#include "host/model/items/shape_data.h"
#include "xtapi/box_record.h"
#include "xtapi/colour_records.h"
#include "xtapi/drop_shadow.h"

namespace host::model {

/// A colour as an item uses it: a number of its layout's colour table and a shade (1.0 the full colour).
struct ColourUse {
    int16_t colour;
    xt::Fixed shade;
    bool operator==(const ColourUse&) const = default;
};

/// What an item of the group kind (xt::BoxKind::Group) is: a real group, the pseudo-group of a
/// multiple selection, or a table.
enum class GroupRole : uint8_t { None, Group, Selection, Table };

class Item {
public:
    Item(int32_t ref, int32_t pageRef, xt::BoxKind kind, uint8_t shape);

    int32_t ref() const { return m_ref; }
    int32_t pageRef() const { return m_pageRef; }
    xt::BoxKind kind() const { return m_kind; }
    uint8_t shape() const { return m_shape; }

    bool isLine() const { return xt::shape::isLine(m_shape); }
    bool hasShapeData() const { return m_shapeData.has_value(); }
    bool isGroupKind() const { return m_groupRole != GroupRole::None; }
    GroupRole groupRole() const { return m_groupRole; }

    /// The rectangle of a framed item or a line (for a line: the record's, see line_geometry.h).
    const xt::FixedRect& rect() const { return m_rect; }
    void setRect(const xt::FixedRect& rect) { m_rect = rect; }

    xt::Fixed angle() const { return m_angle; }
    void setAngle(xt::Fixed angle) { m_angle = angle; }
    xt::Fixed weight() const { return m_weight; }
    void setWeight(xt::Fixed weight) { m_weight = weight; }
    xt::Fixed outset(size_t side) const { return m_outsets[side]; }
    void setOutsets(xt::Fixed top, xt::Fixed left, xt::Fixed bottom, xt::Fixed right);
    xt::Fixed corner() const { return m_corner; }
    void setCorner(xt::Fixed corner) { m_corner = corner; }
    uint16_t flags() const { return m_flags; }
    void setFlags(uint16_t flags) { m_flags = flags; }
    /// The line style of a line or a frame (0 solid; xt::kLineStyleMask) and a line's arrowheads
    /// (xt::kArrowAt*): record byte 46 but for its top two bits, which the host gives no meaning.
    uint8_t lineStyle() const { return static_cast<uint8_t>((m_style & xt::kLineStyleMask) >> xt::kLineStyleShift); }
    uint8_t arrowheads() const { return static_cast<uint8_t>(m_style & (xt::kArrowAtFirst | xt::kArrowAtSecond)); }
    void setLineStyle(uint8_t style);
    void setArrowheads(uint8_t arrows);
    const xt::PictureFields& picture() const { return m_content.picture; }
    void setPicture(const xt::PictureFields& picture) { m_content.picture = picture; }
    const xt::TextFields& text() const { return m_content.text; }
    void setText(const xt::TextFields& text) { m_content.text = text; }

    ShapeData* shapeData() { return m_shapeData ? &*m_shapeData : nullptr; }
    const ShapeData* shapeData() const { return m_shapeData ? &*m_shapeData : nullptr; }
    void setShapeData(ShapeData data) { m_shapeData = std::move(data); }

    const std::optional<xt::DropShadowRecord>& dropShadow() const { return m_shadow; }
    void setDropShadow(const xt::DropShadowRecord& shadow) { m_shadow = shadow; }
    void removeDropShadow() { m_shadow.reset(); }

    /// The group or table that holds this item, or 0.
    int32_t parent() const { return m_parent; }
    void setParent(int32_t parent) { m_parent = parent; }
    /// Members of a group-kind item, back to front.
    const std::vector<int32_t>& members() const { return m_members; }
    void setGroupRole(GroupRole role, std::vector<int32_t> members);
    void replaceMember(int32_t from, int32_t to);
    void removeMember(int32_t member);
    /// A real group that XgsOp711 or XgsOp3971 opened for member-by-member changes.
    bool isOpen() const { return m_open; }
    void setOpen(bool open) { m_open = open; }

    /// The colour of the frame (of a line: the line's own), record bytes 58 and 50.
    const ColourUse& frame() const { return m_frame; }
    void setFrame(const ColourUse& frame) { m_frame = frame; }
    /// The background, record bytes 190 and 182; colour xt::kNoColour for none.
    const ColourUse& background() const { return m_background; }
    void setBackground(const ColourUse& background) { m_background = background; }
    /// The colour a picture box prints a one-colour picture in (record byte 400); other kinds have none.
    std::optional<int16_t> pictureColour() const;
    void setPictureColour(int16_t colour);
    bool isLocked() const { return m_locked; }
    void setLocked(bool locked) { m_locked = locked; }
    int32_t layer() const { return m_layer; }
    void setLayer(int32_t layer) { m_layer = layer; }
    /// The image file a picture box shows, or null.
    const PictureFile* pictureFile() const { return m_pictureFile.get(); }
    void setPictureFile(PictureFile file) { m_pictureFile = std::make_unique<PictureFile>(std::move(file)); }
    /// A name a person or a script gave the item so that it can be found again; empty for none.
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }

    /// Whether the item keeps record bytes the model gives no meaning (all zero for nearly every item).
    bool hasUnmodelledBytes() const { return m_unmodelled != nullptr; }
    /// The record as the item would hand it out, less what only the store knows (a group's
    /// rectangle); every byte the model does not hold comes back as it was last applied.
    xt::BoxRecord record() const;
    /// The same, written over `record`.
    void writeRecord(xt::BoxRecord& record) const;
    /// Takes the fields of `record` that a plug-in may change; kind, shape, byte 388 and the
    /// shape-data handle stay the host's. The rectangle is taken only by framed items and lines.
    void apply(const xt::BoxRecord& record);
    /// Moves the item's own geometry (not a group's members).
    void moveBy(xt::Fixed dv, xt::Fixed dh);

private:
    // The store keeps its items by page, so only it moves one to another page.
    friend class ItemStore;
    void setPageRef(int32_t pageRef) { m_pageRef = pageRef; }

    void keepUnmodelled(const xt::BoxRecord& record);

    int32_t m_ref;
    int32_t m_pageRef;
    xt::BoxKind m_kind;
    uint8_t m_shape;
    GroupRole m_groupRole = GroupRole::None;
    xt::FixedRect m_rect{};
    // The record's fields the model keeps as given.
    xt::Fixed m_angle = 0;
    xt::Fixed m_weight = 0;
    std::array<xt::Fixed, 4> m_outsets{};
    xt::Fixed m_corner = 0;
    uint16_t m_flags = 0;
    uint8_t m_style = 0;
    // The picture or text fields (record bytes 390 to 433), on a 4-byte boundary so that
    // references to them are aligned.
    union alignas(4) Content {
        xt::PictureFields picture;
        xt::TextFields text;
    } m_content{};
    // Every record byte whose meaning the host does not model, as last applied; null while they
    // are all zero, as they nearly always are. Commands walk layouts of many thousands of items
    // one by one, so a small item is one that stays in the cache.
    std::unique_ptr<xt::BoxRecord> m_unmodelled;
    std::optional<ShapeData> m_shapeData;
    std::optional<xt::DropShadowRecord> m_shadow;
    int32_t m_parent = 0;
    std::vector<int32_t> m_members;
    bool m_open = false;
    ColourUse m_frame{xt::kBlackColour, xt::kFixedOne};
    ColourUse m_background{xt::kNoColour, 0};
    bool m_locked = false;
    int32_t m_layer = 0;
    std::string m_name;
    // Few items show a picture from a file: the rest carry only a null pointer.
    std::unique_ptr<PictureFile> m_pictureFile;
};

/// The rectangle an item covers on its page, before a group's members are counted.
xt::FixedRect ownBounds(const Item& item);
/// The rectangle that holds both.
xt::FixedRect unite(const xt::FixedRect& a, const xt::FixedRect& b);

} // namespace host::model
