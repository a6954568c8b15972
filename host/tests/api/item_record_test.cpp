// The host item record: an independent snapshot that is applied only by BoxRecordOp3010, with each
// field at its fixed offset for every kind of item.
#include <cstring>

#include "host/tests/item_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;
using xt::op::BoxRecordOp3010;
using xt::op::GetBoxRecord;
using xt::op::ReleaseBoxRecord;

class ItemRecordTest : public ItemTest {
protected:
    xt::BoxRecord* recordOf(int32_t item) { return static_cast<xt::BoxRecord*>(hostOp<GetBoxRecord>()(nullptr, item, 0)); }
    int16_t apply(xt::BoxRecord* record, int32_t item = 0) { return hostOp<BoxRecordOp3010>()(record, item, 0, 1); }
    void release(void* record) { hostOp<ReleaseBoxRecord>()(record, 1); }
};

TEST_F(ItemRecordTest, ARecordChangedAndReleasedWithoutApplyingLeavesTheItemAlone)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    ASSERT_NE(record, nullptr);
    record->geometry.rect = rect(0, 0, 100, 100);
    record->weight = pt(4);
    release(record);

    EXPECT_EQ(items().bounds(box).bottom, pt(30));
    EXPECT_EQ(box.weight(), 0);
}

TEST_F(ItemRecordTest, ApplyingARecordWritesItsFieldsToTheItem)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    record->geometry.rect = rect(20, 10, 60, 30);
    record->weight = pt(2);
    record->outsets[3] = pt(1.5);
    EXPECT_EQ(apply(record), 0);
    release(record);

    EXPECT_EQ(box.rect().top, pt(20));
    EXPECT_EQ(box.rect().right, pt(30));
    EXPECT_EQ(box.weight(), pt(2));
    EXPECT_EQ(box.outset(3), pt(1.5));
}

TEST_F(ItemRecordTest, TwoRecordsOfOneItemAreIndependentCopies)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* first = recordOf(box.ref());
    xt::BoxRecord* second = recordOf(box.ref());
    ASSERT_NE(first, second);
    first->geometry.rect.top += pt(1); // what a plug-in does to a record it never stores
    EXPECT_EQ(xt::FixedRect(second->geometry.rect).top, pt(10));
    EXPECT_EQ(apply(second), 0);
    EXPECT_EQ(box.rect().top, pt(10)) << "storing the other copy must not pick up the shift";
    release(first);
    release(second);
}

TEST_F(ItemRecordTest, BytesTheHostDoesNotModelComeBackAsTheyWereApplied)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    record->reserved0[3] = 0x5A;
    record->reserved192[74] = 0xA5;
    record->reserved434[103] = 0x77; // the record's last byte
    ASSERT_EQ(apply(record), 0);
    release(record);

    xt::BoxRecord* again = recordOf(box.ref());
    EXPECT_EQ(fieldAt<uint8_t>(again, 3), 0x5A);
    EXPECT_EQ(fieldAt<uint8_t>(again, 266), 0xA5);
    EXPECT_EQ(fieldAt<uint8_t>(again, 537), 0x77);
    EXPECT_EQ(xt::FixedRect(again->geometry.rect).bottom, pt(30));

    // Cleared again, they stay cleared, and the modelled fields beside them keep their values.
    again->reserved0[3] = 0;
    again->reserved192[74] = 0;
    again->reserved434[103] = 0;
    again->weight = pt(2);
    ASSERT_EQ(apply(again), 0);
    release(again);
    xt::BoxRecord* cleared = recordOf(box.ref());
    const xt::BoxRecord nothing{};
    EXPECT_EQ(std::memcmp(cleared->reserved192, nothing.reserved192, sizeof nothing.reserved192), 0);
    EXPECT_EQ(fieldAt<uint8_t>(cleared, 3), 0);
    EXPECT_EQ(fieldAt<uint8_t>(cleared, 537), 0);
    EXPECT_EQ(xt::Fixed{cleared->weight}, pt(2));
    release(cleared);
}

TEST_F(ItemRecordTest, KindShapeAndGroupByteStayTheHosts)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    record->kind = 3;
    record->shape = 10;
    record->groupFlags = 1;
    ASSERT_EQ(apply(record), 0);
    release(record);
    EXPECT_EQ(box.kind(), xt::BoxKind::Plain);
    EXPECT_EQ(box.shape(), xt::shape::kRectangle);
    EXPECT_FALSE(box.hasShapeData());
}

TEST_F(ItemRecordTest, TheLockIsReadFromTheRecordButNotAppliedFromIt)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    box.setLocked(true);
    xt::BoxRecord* record = recordOf(box.ref());
    EXPECT_EQ(record->lockFlags, xt::kItemLocked);
    record->lockFlags = 0;
    ASSERT_EQ(apply(record), 0);
    release(record);
    EXPECT_TRUE(box.isLocked()) << "the lock changes through the host's own command";
    box.setLocked(false);
    record = recordOf(box.ref());
    EXPECT_EQ(record->lockFlags, 0);
    release(record);
}

TEST_F(ItemRecordTest, AnInsideOutRectangleIsRefusedAndTheItemKept)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    record->geometry.rect = rect(30, 20, 10, 60);
    record->weight = pt(9);
    EXPECT_NE(apply(record), 0);
    release(record);
    EXPECT_EQ(box.rect().top, pt(10));
    EXPECT_EQ(box.weight(), 0);
}

TEST_F(ItemRecordTest, RereadingARecordInHandRefreshesItInPlace)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    box.setWeight(pt(3));
    EXPECT_EQ(hostOp<GetBoxRecord>()(record, 0, 0), record);
    EXPECT_EQ(xt::Fixed{record->weight}, pt(3));
    release(record);
}

TEST_F(ItemRecordTest, RecordsOfTheCurrentItemAndOfNone)
{
    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    EXPECT_EQ(recordOf(0), nullptr) << "no current item";
    items().select(box.ref());
    xt::BoxRecord* record = recordOf(0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(xt::FixedRect(record->geometry.rect).left, pt(20));
    release(record);
    EXPECT_EQ(recordOf(0x7FFFFFF0), nullptr) << "a reference that names no item";
}

TEST_F(ItemRecordTest, RecordsNotGivenOutByTheHostAreRefusedOrIgnored)
{
    xt::BoxRecord stranger{};
    EXPECT_NE(apply(&stranger), 0);
    release(&stranger); // nothing to free, nothing happens
    EXPECT_EQ(hostOp<GetBoxRecord>()(&stranger, 0, 0), nullptr);

    auto& box = addBox(layout(), 0, rect(10, 20, 30, 60));
    xt::BoxRecord* record = recordOf(box.ref());
    release(record);
    EXPECT_NE(apply(record), 0) << "a released record is no longer the host's";
    EXPECT_EQ(items().records().size(), 0u);
}

TEST_F(ItemRecordTest, RecordsReadOneAfterAnotherEachBelongToTheirOwnItem)
{
    // A command reads and releases records over and over; each must show and store its own item.
    auto& first = addBox(layout(), 0, rect(10, 20, 30, 60));
    auto& second = addBox(layout(), 0, rect(100, 120, 130, 160));
    for (int pass = 0; pass < 3; ++pass) {
        xt::BoxRecord* ofFirst = recordOf(first.ref());
        EXPECT_EQ(xt::FixedRect(ofFirst->geometry.rect).top, pt(10));
        release(ofFirst);
        xt::BoxRecord* ofSecond = recordOf(second.ref());
        EXPECT_EQ(xt::FixedRect(ofSecond->geometry.rect).top, pt(100));
        ofSecond->weight = pt(pass + 1);
        EXPECT_EQ(apply(ofSecond), 0);
        release(ofSecond);
        EXPECT_NE(apply(ofFirst), 0) << "the first record was handed back";
    }
    EXPECT_EQ(first.weight(), 0);
    EXPECT_EQ(second.weight(), pt(3));
    EXPECT_EQ(items().records().size(), 0u);

    // Many held at once, then all handed back: none is the host's any more.
    std::vector<xt::BoxRecord*> held;
    for (int i = 0; i < 40; ++i)
        held.push_back(recordOf(i % 2 == 0 ? first.ref() : second.ref()));
    EXPECT_EQ(items().records().size(), held.size());
    for (xt::BoxRecord* record : held)
        release(record);
    EXPECT_EQ(items().records().size(), 0u);
    for (xt::BoxRecord* record : held)
        EXPECT_NE(apply(record), 0);
    EXPECT_EQ(second.weight(), pt(3));
}

TEST_F(ItemRecordTest, ARecordCanBeAppliedToAnotherItem)
{
    auto& from = addBox(layout(), 0, rect(10, 20, 30, 60));
    auto& to = addBox(layout(), 0, rect(0, 0, 5, 5));
    from.setWeight(pt(2));
    xt::BoxRecord* record = recordOf(from.ref());
    EXPECT_EQ(apply(record, to.ref()), 0);
    release(record);
    EXPECT_EQ(to.rect().bottom, pt(30));
    EXPECT_EQ(to.weight(), pt(2));
}

TEST_F(ItemRecordTest, NoDocumentNoRecord)
{
    host().documents().closeProject(host().documents().project(0));
    EXPECT_EQ(recordOf(0), nullptr);
}

/// What each kind of item shows at the record's fixed offsets.
struct KindCase {
    const char* name;
    uint8_t kind;
    uint8_t shape;
    uint8_t groupByte;
    xt::FixedRect rect; // at 146, unless the item has shape data
};

class ItemRecordKindTest : public ItemRecordTest, public ::testing::WithParamInterface<KindCase> {
protected:
    int32_t build(const std::string& name)
    {
        if (name == "plain")
            return addBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        if (name == "text")
            return addTextBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        if (name == "picture")
            return addPictureBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        if (name == "line")
            return addLine(layout(), 0, point(10, 20), point(10, 60)).ref();
        if (name == "polygon")
            return addShape(layout(), 0, {point(10, 20), point(30, 40), point(10, 60)}).ref();
        const int32_t a = addBox(layout(), 0, rect(10, 20, 30, 40)).ref();
        const int32_t b = addBox(layout(), 0, rect(20, 30, 25, 60)).ref();
        if (name == "group")
            return addGroup(layout(), {a, b}).ref();
        return select(layout(), {a, b}); // the pseudo-group of a selection
    }
};

TEST_P(ItemRecordKindTest, FieldsSitAtTheirOffsets)
{
    const KindCase& c = GetParam();
    xt::BoxRecord* record = recordOf(build(c.name));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(fieldAt<uint8_t>(record, 40), c.kind);
    EXPECT_EQ(fieldAt<uint8_t>(record, 41), c.shape);
    EXPECT_EQ(fieldAt<uint8_t>(record, 388), c.groupByte);
    if (xt::shape::hasShapeData(c.shape)) {
        auto handle = fieldAt<xt::Handle>(record, 146);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(fieldAt<xt::FixedRect>(*handle, 4).top, c.rect.top);
        EXPECT_EQ(fieldAt<xt::FixedRect>(*handle, 4).right, c.rect.right);
    } else {
        EXPECT_EQ(fieldAt<xt::Fixed>(record, 146), c.rect.top);
        EXPECT_EQ(fieldAt<xt::Fixed>(record, 150), c.rect.left);
        EXPECT_EQ(fieldAt<xt::Fixed>(record, 154), c.rect.bottom);
        EXPECT_EQ(fieldAt<xt::Fixed>(record, 158), c.rect.right);
    }
    release(record);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ItemRecordKindTest,
    ::testing::Values(KindCase{"plain", 5, 5, 0, rect(10, 20, 30, 60)},
        KindCase{"text", 3, 5, 0, rect(10, 20, 30, 60)},
        KindCase{"picture", 4, 5, 0, rect(10, 20, 30, 60)},
        KindCase{"line", 5, 1, 0, rect(10, 20, 10, 60)},          // the record holds the two ends
        KindCase{"polygon", 5, 3, 0, rect(10, 20, 30, 60)},       // the shape data's rectangle
        KindCase{"group", 2, 5, 0, rect(10, 20, 30, 60)},         // a real group: bit 0 clear
        KindCase{"selection", 2, 5, 1, rect(10, 20, 30, 60)}),    // several selected items: bit 0 set
    [](const auto& kindCase) { return std::string(kindCase.param.name); });

TEST_F(ItemRecordTest, PictureAndTextFieldsTravelAtTheirOffsets)
{
    auto& picture = addPictureBox(layout(), 0, rect(0, 0, 100, 100));
    xt::BoxRecord* record = recordOf(picture.ref());
    xt::writeAt(record, uint16_t{xt::kPictureMirroredAcross}, 38);
    xt::writeAt(record, int16_t{40}, 394);
    xt::writeAt(record, pt(7), 410);
    xt::writeAt(record, pt(-3), 418);
    xt::writeAt(record, pt(0.5), 430);
    ASSERT_EQ(apply(record), 0);
    release(record);
    EXPECT_EQ(picture.flags(), xt::kPictureMirroredAcross);
    EXPECT_EQ(picture.picture().bounds[2], 40);
    EXPECT_EQ(picture.picture().held[0], pt(7));
    EXPECT_EQ(picture.picture().offsets[0], pt(-3));
    EXPECT_EQ(picture.picture().scales[1], pt(0.5));

    auto& text = addTextBox(layout(), 0, rect(0, 0, 100, 100));
    record = recordOf(text.ref());
    xt::writeAt(record, pt(12), 394);
    xt::writeAt(record, pt(4), 398);
    xt::writeAt(record, uint8_t{3}, 422);
    xt::writeAt(record, pt(9), 162);
    ASSERT_EQ(apply(record), 0);
    release(record);
    EXPECT_EQ(text.text().gutter, pt(12));
    EXPECT_EQ(text.text().insetTop, pt(4));
    EXPECT_EQ(text.text().columns, 3);
    EXPECT_EQ(text.corner(), pt(9));
}

TEST_F(ItemRecordTest, AGroupRecordShowsItsMembersBoundsAndIsNotResizedByOne)
{
    const int32_t a = addBox(layout(), 0, rect(10, 20, 30, 40)).ref();
    const int32_t b = addBox(layout(), 0, rect(20, 30, 25, 60)).ref();
    auto& group = addGroup(layout(), {a, b});
    xt::BoxRecord* record = recordOf(group.ref());
    record->geometry.rect = rect(0, 0, 1, 1);
    EXPECT_EQ(apply(record), 0);
    release(record);
    EXPECT_EQ(items().bounds(group).right, pt(60)) << "a group changes through its members, not its record";
}

} // namespace
} // namespace host_tests
