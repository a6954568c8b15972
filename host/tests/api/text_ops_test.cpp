// The text operations as a plug-in calls them: box text, selection, characters, attributes by code,
// run lists, paragraph attributes, tab lists and anchors.
#include <cstring>
#include <vector>

#include "host/model/text/text_boxes.h"
#include "host/tests/item_fixture.h"
#include "testing/test_text.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

using namespace xt::op;
using host::model::testdoc::pt;
using host::model::testdoc::rect;

class TextOpsTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        m_box = host::model::testdoc::addTextBox(layout(), 0, rect(0, 0, 200, 200)).ref();
        m_story = host::model::testdoc::setText(layout(), m_box, "Hello world\rSecond line").ref();
    }

    std::vector<xt::RunEntry> runList(int32_t story, bool paragraphs = false)
    {
        xt::Handle list = hostOp<NewHandle>()(0);
        int32_t count = -1;
        const int32_t status = paragraphs ? hostOp<TextOp3096>()(story, &count, &list) : hostOp<TextOp3095>()(story, &count, &list);
        EXPECT_EQ(status, 0);
        std::vector<xt::RunEntry> entries(static_cast<size_t>(count));
        EXPECT_EQ(hostOp<GetHandleSize>()(list), count * 8);
        if (!entries.empty())
            std::memcpy(entries.data(), *list, entries.size() * sizeof(xt::RunEntry));
        hostOp<DisposeHandle>()(list);
        return entries;
    }

    int32_t m_box = 0;
    int32_t m_story = 0;
};

TEST_F(TextOpsTest, BoxTextInfoOfTheCurrentOrAGivenBox)
{
    ASSERT_EQ(hostOp<SetCurrentBox>()(m_box), 0);
    ASSERT_EQ(hostOp<SetTextSelection>()(m_story, 2, 5, 0), 0);
    int32_t story = 0, start = -1, end = -1, length = -1;
    EXPECT_EQ(hostOp<GetBoxTextInfo>()(0, &story, &start, &end, &length), 0);
    EXPECT_EQ(story, m_story);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(length, 23);
    EXPECT_EQ(hostOp<GetBoxTextInfo>()(m_box, &story, nullptr, nullptr, nullptr), 0) << "outputs may be left out";

    const int32_t picture = host::model::testdoc::addPictureBox(layout(), 0, rect(0, 0, 10, 10)).ref();
    story = 99;
    EXPECT_NE(hostOp<GetBoxTextInfo>()(picture, &story, &start, &end, &length), 0);
    EXPECT_EQ(story, 0);
    EXPECT_NE(hostOp<GetBoxTextInfo>()(0x7FFF0000, &story, nullptr, nullptr, nullptr), 0) << "no such item";
}

TEST_F(TextOpsTest, SelectionsAreClampedToTheStory)
{
    struct Case {
        int32_t start, end, wantStart, wantEnd;
    } const cases[] = {{3, 8, 3, 8}, {-4, 6, 0, 6}, {10, 999, 10, 23}, {9, 2, 2, 9}};
    for (const Case& c : cases) {
        ASSERT_EQ(hostOp<SetTextSelection>()(m_story, c.start, c.end, 1), 0);
        int32_t start = -1, end = -1;
        ASSERT_EQ(hostOp<GetTextSelection>()(m_story, &start, &end, 0), 0);
        EXPECT_EQ(start, c.wantStart) << c.start << ", " << c.end;
        EXPECT_EQ(end, c.wantEnd) << c.start << ", " << c.end;
    }
    EXPECT_NE(hostOp<SetTextSelection>()(12345, 0, 1, 0), 0) << "no such story";
}

TEST_F(TextOpsTest, CharactersAreReadInsertedAndRemoved)
{
    uint16_t c = 0;
    EXPECT_EQ(hostOp<GetTextChars>()(m_story, 11, 1, &c), 0);
    EXPECT_EQ(c, 13);
    uint16_t tail[8] = {};
    EXPECT_EQ(hostOp<GetTextChars>()(m_story, 20, 8, tail), 0) << "a count past the end is cut";
    EXPECT_EQ(tail[2], u'e');
    EXPECT_EQ(tail[3], 0) << "nothing written past the story";
    EXPECT_NE(hostOp<GetTextChars>()(m_story, 23, 1, &c), 0);

    const uint16_t inserted[] = {u'B', u'i', u'g', u' '};
    ASSERT_EQ(hostOp<InsertTextChars>()(m_story, 6, 4, inserted, 0), 0);
    ASSERT_EQ(hostOp<XhjOp3103>()(m_story, 0, 6), 0);
    int32_t length = 0;
    hostOp<GetBoxTextInfo>()(m_box, nullptr, nullptr, nullptr, &length);
    EXPECT_EQ(length, 21);
    EXPECT_EQ(hostOp<GetTextChars>()(m_story, 0, 1, &c), 0);
    EXPECT_EQ(c, u'B');
}

TEST_F(TextOpsTest, CharactersAreWrittenOverInPlaceKeepingTheirAttributes)
{
    host::model::Story& story = *layout().stories().story(m_story);
    story.setCharacterValue({0, 3}, xt::kCharSize, pt(20));
    const uint16_t word[] = {u'H', u'o', u'l', u'l', u'e'};
    ASSERT_EQ(hostOp<ReplaceTextChars>()(m_story, 0, 5, word), 0);
    EXPECT_EQ(story.text(), u"Holle world\rSecond line");
    EXPECT_EQ(story.characterValue({0, 3}, xt::kCharSize), pt(20)) << "each position keeps its attributes";
    EXPECT_EQ(story.characterValue({3, 5}, xt::kCharSize), pt(12));

    struct Case {
        int32_t position;
        int32_t count;
        const uint16_t* chars;
    };
    const uint16_t overEnd[] = {u'x', u'x'};
    const uint16_t overParagraphEnd[] = {u'x'};
    const uint16_t paragraphEnd[] = {13};
    const Case refused[] = {
        {22, 2, overEnd},           // past the story's end
        {-1, 1, overEnd},           // before its start
        {11, 1, overParagraphEnd},  // a paragraph end would go
        {3, 1, paragraphEnd},       // a paragraph end would come
    };
    for (const Case& c : refused) {
        EXPECT_NE(hostOp<ReplaceTextChars>()(m_story, c.position, c.count, c.chars), 0) << c.position;
        EXPECT_EQ(story.text(), u"Holle world\rSecond line") << "nothing changed";
    }
    EXPECT_EQ(hostOp<ReplaceTextChars>()(m_story, 11, 1, paragraphEnd), 0) << "the same paragraph end may be written";
}

TEST_F(TextOpsTest, CharacterValuesOfTheSelectionInBothCodeForms)
{
    hostOp<SetTextSelection>()(m_story, 0, 5, 0);
    EXPECT_EQ(hostOp<SetStoryValue3094>()(m_story, -103, pt(20)), 0);
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 3, nullptr, 0), pt(20));
    EXPECT_EQ(hostOp<SetStoryValue3094>()(m_story, 4, xt::kFixedOne / 2), 0);
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 4, nullptr, 0), xt::kFixedOne / 2);
    EXPECT_EQ(hostOp<SetStoryValue3094>()(m_story, -109, pt(-4)), 0);
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 9, nullptr, 0), pt(-4));
    EXPECT_EQ(hostOp<SetStoryValue3094>()(m_story, 1000, 0), -1) << "an unknown code";

    hostOp<SetTextSelection>()(m_story, 3, 8, 0);
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 3, nullptr, 0), -1) << "a mixed size reads -1";
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, -103, nullptr, 0), -1);

    // Code 0: the record of the first character; byte 14 bit 0 says its width is locked.
    hostOp<SetTextSelection>()(m_story, 0, 1, 0);
    hostOp<SetStoryValue3094>()(m_story, 11, 1);
    uint8_t record[sizeof(xt::CharacterRecord)] = {};
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 0, record, 0), 0);
    EXPECT_EQ(record[14] & 1, 1);
    EXPECT_EQ(fieldAt<xt::Fixed>(record, 4), pt(20));
}

TEST_F(TextOpsTest, TypingAttributesAtAnInsertionPoint)
{
    // A bold bullet at a paragraph start: select the point, set bold, insert.
    hostOp<SetTextSelection>()(m_story, 12, 12, 0);
    ASSERT_EQ(hostOp<SetStoryValue3094>()(m_story, -102, xt::kStyleBold), 0);
    const uint16_t bullet = 0x2022;
    hostOp<InsertTextChars>()(m_story, 12, 1, &bullet, 0);
    hostOp<SetTextSelection>()(m_story, 12, 13, 0);
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 2, nullptr, 0), xt::kStyleBold);
    hostOp<SetTextSelection>()(m_story, 13, 14, 0);
    EXPECT_EQ(hostOp<GetTextValue691>()(m_story, 2, nullptr, 0), 0) << "the text after it keeps its style";
}

TEST_F(TextOpsTest, RunListsAreEightByteEntriesEndToEnd)
{
    hostOp<SetTextSelection>()(m_story, 6, 11, 0);
    hostOp<SetStoryValue3094>()(m_story, -103, pt(14));
    const std::vector<xt::RunEntry> runs = runList(m_story);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].length, 6);
    EXPECT_EQ(runs[1].length, 5);
    EXPECT_EQ(runs[2].length, 12);
    EXPECT_EQ(runs[0].style, runs[2].style) << "equal attributes, equal style numbers";
    EXPECT_NE(runs[0].style, runs[1].style);

    hostOp<SetTextRunAttribute>()(m_story, 13, 14, xt::kParaLeftIndent, pt(9), 0);
    const std::vector<xt::RunEntry> paragraphs = runList(m_story, true);
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[0].length, 12);
    EXPECT_EQ(paragraphs[1].length, 11);

    host::model::testdoc::setText(layout(), m_box, "");
    EXPECT_TRUE(runList(m_story).empty()) << "an empty story has no runs";
}

TEST_F(TextOpsTest, RunListFailsCleanlyWhenTheBlockCannotGrow)
{
    xt::Handle list = hostOp<NewHandle>()(0);
    int32_t count = -1;
    win32::failAllocation();
    EXPECT_NE(hostOp<TextOp3095>()(m_story, &count, &list), 0);
    EXPECT_EQ(count, -1) << "no count for a list that was not written";
    hostOp<DisposeHandle>()(list);
}

TEST_F(TextOpsTest, ParagraphAttributesByCodeWithBothIndentCodes)
{
    struct Case {
        int32_t code;
        xt::Fixed value;
        size_t recordOffset;
    } const cases[] = {
        {0x1A, pt(10), 4}, {0x1B, pt(-5), 8}, {0x1C, pt(7), 12}, {0x1D, pt(18), 16}, {0x1E, pt(3), 20}, {0x1F, pt(4), 24},
        {0x20, pt(2), 32}, {0x27, pt(6), 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_EQ(hostOp<SetTextRunAttribute>()(m_story, 11, 12, c.code, c.value, 0), 0);
        xt::Fixed value = 0;
        EXPECT_EQ(hostOp<GetTextRunAttribute>()(m_story, 0, 3, c.code, nullptr, &value), 0);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(hostOp<GetTextRunAttribute>()(m_story, 0, 20, c.code, nullptr, &value), 0);
        EXPECT_EQ(value, -1) << "two paragraphs that differ";
        uint8_t record[sizeof(xt::ParagraphRecord)] = {};
        EXPECT_EQ(hostOp<GetTextRunAttribute>()(m_story, 5, 5, 0, record, &value), 0);
        EXPECT_EQ(fieldAt<xt::Fixed>(record, c.recordOffset), c.value);
    }
    xt::Fixed value = 0;
    EXPECT_EQ(hostOp<GetTextRunAttribute>()(m_story, 0, 1, 0x99, nullptr, &value), -1) << "an unknown code";
    EXPECT_EQ(hostOp<SetTextRunAttribute>()(m_story, 0, 1, 0x99, 1, 0), -1);
}

TEST_F(TextOpsTest, TabStopsRoundTripThroughTheTabList)
{
    // Two 16-byte entries, positions at byte 12.
    xt::Handle tabs = hostOp<NewHandle>()(32);
    xt::TabEntry entries[2] = {};
    entries[0].position = pt(36);
    entries[1].alignment = 2;
    entries[1].position = pt(100);
    std::memcpy(*tabs, entries, sizeof entries);
    ASSERT_EQ(hostOp<SetTextRunAttribute>()(m_story, 0, 1, 0x36, reinterpret_cast<intptr_t>(tabs), 0), 0);
    hostOp<DisposeHandle>()(tabs);

    // Scale them the way the text scaler does: paragraph record, tab reference at +128, context, list.
    uint8_t record[sizeof(xt::ParagraphRecord)] = {};
    xt::Fixed value = 0;
    ASSERT_EQ(hostOp<GetTextRunAttribute>()(m_story, 0, 1, 0, record, &value), 0);
    const int32_t reference = fieldAt<int32_t>(record, 128);
    int32_t context = 0;
    ASSERT_EQ(hostOp<GetStoryTabContext>()(m_story, &context), 0);
    uint8_t list[sizeof(xt::TabList)] = {};
    ASSERT_EQ(hostOp<GetTabList>()(context, reference, list), 0);
    ASSERT_EQ(fieldAt<int16_t>(list, 2), 2);
    xt::Handle copy = fieldAt<xt::Handle>(list, 4);
    ASSERT_EQ(hostOp<GetHandleSize>()(copy), 32);
    for (int i = 0; i < 2; ++i) {
        const xt::Fixed position = xt::readAt<xt::Fixed>(*copy, 16 * i + 12);
        xt::writeAt<xt::Fixed>(*copy, position / 2, 16 * i + 12);
    }
    ASSERT_EQ(hostOp<SetTextRunAttribute>()(m_story, 0, 1, 0x36, reinterpret_cast<intptr_t>(copy), 0), 0);
    hostOp<DisposeHandle>()(copy);

    const auto& stops = host::model::storyOfTextBox(layout(), m_box)->paragraphAttributesAt(0).tabs;
    ASSERT_EQ(stops.size(), 2u);
    EXPECT_EQ(stops[0].position, pt(18));
    EXPECT_EQ(stops[1].position, pt(50));
    EXPECT_EQ(stops[1].alignment, 2);
    EXPECT_TRUE(host::model::storyOfTextBox(layout(), m_box)->paragraphAttributesAt(15).tabs.empty());

    EXPECT_NE(hostOp<GetTabList>()(context, 0, list), 0) << "a paragraph without tabs";
    EXPECT_EQ(fieldAt<int16_t>(list, 2), 0);
    xt::Handle odd = hostOp<NewHandle>()(10);
    EXPECT_NE(hostOp<SetTextRunAttribute>()(m_story, 0, 1, 0x36, reinterpret_cast<intptr_t>(odd), 0), 0) << "not whole entries";
    hostOp<DisposeHandle>()(odd);
}

TEST_F(TextOpsTest, AnchorsAreFoundInOrder)
{
    host::model::Story& story = *host::model::storyOfTextBox(layout(), m_box);
    const int32_t first = host::model::testdoc::addBox(layout(), 0, rect(0, 0, 5, 5)).ref();
    const int32_t second = host::model::testdoc::addBox(layout(), 0, rect(0, 0, 5, 5)).ref();
    story.insertAnchor(3, first);
    story.insertAnchor(4, second);

    int32_t position = 0;
    uint8_t found = 0;
    ASSERT_EQ(hostOp<FindNextAnchor>()(m_story, &position, 25, 1, 0, 1, 0, &found), 0);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(position, 3);
    EXPECT_EQ(hostOp<GetAnchoredItem>()(m_story, position, m_box), first);
    position += 1;
    hostOp<FindNextAnchor>()(m_story, &position, 25, 1, 0, 1, 0, &found);
    EXPECT_EQ(position, 4);
    EXPECT_EQ(hostOp<GetAnchoredItem>()(m_story, position, m_box), second);
    position += 1;
    hostOp<FindNextAnchor>()(m_story, &position, 25, 1, 0, 1, 0, &found);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(hostOp<GetAnchoredItem>()(m_story, 0, m_box), 0);
}

} // namespace
} // namespace host_tests

namespace host_tests {
namespace {

TEST_F(TextOpsTest, DeleteTextRangeRemovesOnlyARangeInsideTheStory)
{
    uint8_t changed = 9;
    ASSERT_EQ(hostOp<DeleteTextRange>()(m_story, 0, 6, 0, 1, &changed), 0);
    EXPECT_EQ(changed, 1);
    uint16_t c = 0;
    ASSERT_EQ(hostOp<GetTextChars>()(m_story, 0, 1, &c), 0);
    EXPECT_EQ(c, u'w');
    EXPECT_EQ(hostOp<DeleteTextRange>()(m_story, 3, 3, 0, 1, &changed), 0);
    EXPECT_EQ(changed, 0) << "an empty range removes nothing";
    EXPECT_NE(hostOp<DeleteTextRange>()(m_story, 10, 99, 0, 1, &changed), 0) << "past the story's end";
    EXPECT_NE(hostOp<DeleteTextRange>()(m_story, 4, 2, 0, 1, &changed), 0) << "a reversed range";
    int32_t length = 0;
    hostOp<GetBoxTextInfo>()(m_box, nullptr, nullptr, nullptr, &length);
    EXPECT_EQ(length, 17);
}

TEST_F(TextOpsTest, StyleSheetsApplyToTheSelectedParagraphsAndTheInsertionPoint)
{
    auto& sheets = layout().styleSheets();
    xt::ParagraphStyleRecord list = host::model::paragraphStyleNamed("List");
    list.leftIndent = pt(36);
    list.spaceAfter = pt(4);
    xt::TabEntry stop{};
    stop.alignment = 2;
    stop.position = pt(48);
    std::vector<uint8_t> tabs(sizeof stop);
    std::memcpy(tabs.data(), &stop, sizeof stop);
    sheets.addParagraphStyle(host::model::paragraphStyleNamed("Plain"));
    sheets.addParagraphStyle(list, tabs);
    xt::CharacterStyleRecord marker = host::model::characterStyleNamed("Marker");
    marker.font = 4;
    sheets.addCharacterStyle(marker);

    hostOp<SetTextSelection>()(m_story, 14, 14, 0);
    ASSERT_EQ(hostOp<ApplyParagraphStyleSheet>()(1, 1, 1, m_story), 0);
    host::model::Story& story = *host::model::storyOfTextBox(layout(), m_box);
    EXPECT_EQ(story.paragraphAttributesAt(12).leftIndent, pt(36));
    EXPECT_EQ(story.paragraphAttributesAt(12).spaceAfter, pt(4));
    ASSERT_EQ(story.paragraphAttributesAt(12).tabs.size(), 1u);
    EXPECT_EQ(story.paragraphAttributesAt(12).tabs[0].position, pt(48));
    EXPECT_EQ(story.paragraphAttributesAt(0).leftIndent, 0) << "the first paragraph was not selected";

    hostOp<SetTextSelection>()(m_story, 0, 0, 0);
    ASSERT_EQ(hostOp<ApplyCharacterStyleSheet>()(0, 1, m_story), 0);
    const uint16_t bullet[] = {0x2022, 9};
    ASSERT_EQ(hostOp<InsertTextChars>()(m_story, 0, 2, bullet, 0), 0);
    EXPECT_EQ(story.characterRuns().valueAt(0).font, 4);
    EXPECT_EQ(story.characterRuns().valueAt(2).font, story.characterRuns().valueAt(5).font);
    EXPECT_NE(story.characterRuns().valueAt(0).size, 0) << "a sheet without a size keeps the text's";

    EXPECT_NE(hostOp<ApplyParagraphStyleSheet>()(2, 1, 1, m_story), 0) << "no third paragraph sheet";
    EXPECT_NE(hostOp<ApplyCharacterStyleSheet>()(-1, 1, m_story), 0);
    EXPECT_NE(hostOp<ApplyCharacterStyleSheet>()(0, 1, 12345), 0) << "no such story";
}

} // namespace
} // namespace host_tests
