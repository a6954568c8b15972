// The gap buffer against a plain vector: edit sequences that move the hole in blocks (at the start,
// middle and end, across the hole, long and empty), with the elements told which side they land on.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/model/text/gap_buffer.h"

namespace host_tests {
namespace {

using host::model::GapBuffer;

/// An element that knows which side of the hole it was last told it lies on, as RunList's runs do.
struct Sided {
    int value = 0;
    bool front = true; // inserted values land just before the hole
};

struct TellSide {
    void operator()(Sided& element, bool toFront) const { element.front = toFront; }
};

/// One edit: insert `count` values at `at`, erase [at, at + count), or move the hole to `at`. A negative
/// `at` counts from the end: -1 is the end itself.
struct Edit {
    enum Kind { Insert, Erase, MoveHole } kind;
    long at;
    size_t count;
};

struct EditCase {
    const char* what;
    std::vector<Edit> edits;
};

const EditCase kCases[] = {
    {"nothing at all", {}},
    {"inserts of nothing and erasures of nothing", {{Edit::Insert, 0, 0}, {Edit::Erase, 0, 0}, {Edit::MoveHole, 0, 0}}},
    {"appending, one after another", {{Edit::Insert, 0, 5}, {Edit::Insert, -1, 3}, {Edit::Insert, 8, 4}}},
    {"inserts at the start push the rest back", {{Edit::Insert, 0, 10}, {Edit::Insert, 0, 3}, {Edit::Insert, 0, 1}}},
    {"an insert in the middle, then at the end", {{Edit::Insert, 0, 20}, {Edit::Insert, 7, 5}, {Edit::Insert, -1, 2}}},
    {"the hole walks back and forth across the text",
        {{Edit::Insert, 0, 30}, {Edit::MoveHole, 3, 0}, {Edit::MoveHole, 27, 0}, {Edit::MoveHole, 15, 0}, {Edit::Insert, 2, 1},
            {Edit::Insert, 29, 1}}},
    // moving by more than the hole is wide: the source and the destination of the block overlap
    {"a jump longer than the hole is wide", {{Edit::Insert, 0, 1000}, {Edit::MoveHole, 0, 0}, {Edit::MoveHole, 1000, 0},
        {Edit::MoveHole, 1, 0}}},
    {"erasures at the start, middle and end", {{Edit::Insert, 0, 40}, {Edit::Erase, 0, 4}, {Edit::Erase, 10, 6}, {Edit::Erase, -4, 3}}},
    {"an erasure that spans the hole", {{Edit::Insert, 0, 50}, {Edit::MoveHole, 25, 0}, {Edit::Erase, 20, 10}}},
    {"everything erased, then written again", {{Edit::Insert, 0, 12}, {Edit::Erase, 0, 12}, {Edit::Insert, 0, 7}}},
    {"a long text edited near both ends", {{Edit::Insert, 0, 100000}, {Edit::Insert, 3, 7}, {Edit::Erase, -10, 9},
        {Edit::Insert, 50000, 2000}, {Edit::Erase, 1, 60000}, {Edit::Insert, 0, 1}}},
};

/// Where an edit lands in a sequence of `size` elements.
size_t placeOf(long at, size_t size)
{
    return at < 0 ? size + 1 - static_cast<size_t>(-at) : static_cast<size_t>(at);
}

/// Replays the edits on a gap buffer and on a vector, checking after each that they hold the same
/// values in the same order, that every element was told the side of the hole it lies on, and that a
/// copy holds the same.
TEST(GapBufferTest, EditsGiveWhatAVectorGives)
{
    for (const EditCase& c : kCases) {
        SCOPED_TRACE(c.what);
        GapBuffer<Sided> buffer;
        std::vector<int> model;
        int next = 1;
        for (size_t step = 0; step < c.edits.size(); ++step) {
            SCOPED_TRACE("edit " + std::to_string(step));
            const Edit& edit = c.edits[step];
            const size_t at = placeOf(edit.at, model.size());
            ASSERT_LE(at, model.size());
            switch (edit.kind) {
            case Edit::Insert: {
                std::vector<Sided> values(edit.count);
                for (Sided& value : values)
                    value.value = next++;
                buffer.insert(at, values.data(), values.size(), TellSide{});
                for (size_t i = 0; i < values.size(); ++i)
                    model.insert(model.begin() + static_cast<std::ptrdiff_t>(at + i), values[i].value);
                break;
            }
            case Edit::Erase:
                ASSERT_LE(at + edit.count, model.size());
                buffer.erase(at, at + edit.count, TellSide{});
                model.erase(model.begin() + static_cast<std::ptrdiff_t>(at), model.begin() + static_cast<std::ptrdiff_t>(at + edit.count));
                break;
            case Edit::MoveHole:
                buffer.moveGap(at, TellSide{});
                EXPECT_EQ(buffer.gap(), at);
                break;
            }
            ASSERT_EQ(buffer.size(), model.size());
            // A copy (an undo step's) must agree on the side of every element, or positions counted
            // from the hole would shift.
            const GapBuffer<Sided> copy = buffer;
            ASSERT_EQ(copy.gap(), buffer.gap());
            for (size_t i = 0; i < model.size(); ++i) {
                ASSERT_EQ(buffer[i].value, model[i]) << "at " << i;
                ASSERT_EQ(buffer[i].front, i < buffer.gap()) << "the element at " << i << " was not told its side";
                ASSERT_EQ(copy[i].value, model[i]) << "the copy, at " << i;
            }
        }
    }
}

/// Copying out, writing over and copying the buffer, on both sides of the hole and across it.
TEST(GapBufferTest, CopyAndWriteReachBothSidesOfTheHole)
{
    GapBuffer<char16_t> buffer;
    const std::u16string text = u"abcdefghijklmnopqrstuvwxyz";
    buffer.insert(0, text.data(), text.size());
    buffer.moveGap(10);
    std::u16string model = text;

    std::vector<uint16_t> out(text.size());
    buffer.copy(0, text.size(), out.data());
    EXPECT_EQ(std::u16string(out.begin(), out.end()), model) << "into the contract's 16-bit units";

    const uint16_t written[] = {'1', '2', '3', '4', '5'};
    buffer.write(8, written, std::size(written)); // across the hole
    model.replace(8, 5, u"12345");
    std::u16string read(model.size(), u'?');
    buffer.copy(0, model.size(), read.begin());
    EXPECT_EQ(read, model) << "through an iterator";

    GapBuffer<char16_t> copy = buffer;
    EXPECT_EQ(copy.gap(), buffer.gap()) << "elements may count from the hole, so it stays where it was";
    copy.insert(copy.size(), u"!", 1);
    std::u16string copied(copy.size(), u'?');
    copy.copy(0, copy.size(), copied.begin());
    EXPECT_EQ(copied, model + u"!");
    buffer.copy(0, model.size(), read.begin());
    EXPECT_EQ(read, model) << "the original is left alone";

    std::u16string blocks;
    buffer.forEachBlock(3, 20, [&](const char16_t* block, size_t count) { blocks.append(block, count); });
    EXPECT_EQ(blocks, model.substr(3, 20));
}

/// Elements that own memory are moved across the hole and let go of it when erased.
TEST(GapBufferTest, ElementsThatOwnMemoryMoveWhole)
{
    GapBuffer<std::string> buffer;
    const std::vector<std::string> words = {"a long word that does not fit in a small string", "b", "c", "d"};
    buffer.insert(0, words.data(), words.size());
    buffer.moveGap(0);
    buffer.insert(2, std::string("inserted"));
    buffer.erase(0, 1);
    const std::vector<std::string> expected = {"b", "inserted", "c", "d"};
    ASSERT_EQ(buffer.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(buffer[i], expected[i]);
}

} // namespace
} // namespace host_tests
