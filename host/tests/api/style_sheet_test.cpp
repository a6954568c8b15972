// Style sheets through the host's operations: the table, counts, records read and written whole,
// and the tab block a paragraph style lends out.
#include <cstring>

#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class StyleSheetTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        auto& sheets = layout().styleSheets();
        xt::CharacterStyleRecord character = host::model::characterStyleNamed("Caption");
        character.size = pt(9);
        sheets.addCharacterStyle(character);
        xt::ParagraphStyleRecord paragraph = host::model::paragraphStyleNamed("Body");
        paragraph.leftIndent = pt(6);
        paragraph.size = pt(11);
        sheets.addParagraphStyle(paragraph, std::vector<uint8_t>(32, 7));
        m_table = hostOp<xt::op::StyleSheetOp3710>()(ref());
    }

    int32_t style(int32_t kind, int32_t index)
    {
        int32_t found = 0;
        EXPECT_EQ(hostOp<xt::op::GetStyleSheet>()(m_table, kind, index, &found), 0);
        return found;
    }

    static xt::Handle tabsOf(const xt::ParagraphStyleRecord& record)
    {
        xt::Handle handle;
        std::memcpy(&handle, record.tabs, sizeof handle);
        return handle;
    }

    int32_t m_table = 0;
};

TEST_F(StyleSheetTest, TheTableCountsStylesByKind)
{
    ASSERT_NE(m_table, 0);
    EXPECT_EQ(hostOp<xt::op::StyleSheetOp3428>()(ref()), m_table);
    EXPECT_EQ(hostOp<xt::op::GetStyleSheetCount>()(m_table, xt::kCharacterStyle), 1);
    EXPECT_EQ(hostOp<xt::op::GetStyleSheetCount>()(m_table, xt::kParagraphStyle), 1);
    EXPECT_EQ(hostOp<xt::op::GetStyleSheetCount>()(m_table, 3), 0);
    EXPECT_EQ(hostOp<xt::op::GetStyleSheetCount>()(m_table + 999, 1), 0) << "no such table";
    int32_t none = -1;
    EXPECT_NE(hostOp<xt::op::GetStyleSheet>()(m_table, xt::kParagraphStyle, 1, &none), 0);
}

TEST_F(StyleSheetTest, ACharacterStyleIsReadAndWrittenWhole)
{
    const int32_t caption = style(xt::kCharacterStyle, 0);
    xt::CharacterStyleRecord record{};
    ASSERT_EQ(hostOp<xt::op::StyleSheetOp5141>()(m_table, caption, &record), 0);
    EXPECT_STREQ(record.name, "Caption");
    EXPECT_EQ(xt::Fixed{record.size}, pt(9));
    record.size = pt(18);
    record.horizontalScale = pt(0.5);
    ASSERT_EQ(hostOp<xt::op::StyleSheetOp5142>()(m_table, caption, &record), 0);
    EXPECT_EQ(xt::Fixed{layout().styleSheets().characterStyles()[0].record().size}, pt(18));
    EXPECT_EQ(xt::Fixed{layout().styleSheets().characterStyles()[0].record().horizontalScale}, pt(0.5));
    EXPECT_NE(hostOp<xt::op::StyleSheetOp5141>()(m_table, style(xt::kParagraphStyle, 0), &record), 0)
        << "a paragraph style is not a character style";
}

TEST_F(StyleSheetTest, AParagraphStyleLendsItsTabsAndTakesACopyBack)
{
    const int32_t body = style(xt::kParagraphStyle, 0);
    xt::ParagraphStyleRecord record{};
    ASSERT_EQ(hostOp<xt::op::StyleSheetOp5138>()(m_table, body, &record), 0);
    EXPECT_STREQ(record.name, "Body");
    EXPECT_EQ(xt::Fixed{record.leftIndent}, pt(6));
    xt::Handle lent = tabsOf(record);
    ASSERT_NE(lent, nullptr);
    EXPECT_EQ(hostOp<xt::op::GetHandleSize>()(lent), 32);

    // The plug-in's way: copy the block, change the record, write it back; the style owns the copy now.
    xt::Handle copy = lent;
    ASSERT_EQ(hostOp<xt::op::CopyHandle>()(&copy), 0);
    (*copy)[0] = 9;
    std::memcpy(record.tabs, &copy, sizeof copy);
    record.leftIndent = pt(12);
    ASSERT_EQ(hostOp<xt::op::StyleSheetOp5139>()(m_table, body, &record), 0);
    const auto& stored = layout().styleSheets().paragraphStyles()[0];
    EXPECT_EQ(xt::Fixed{stored.record().leftIndent}, pt(12));
    EXPECT_EQ(stored.tabs()[0], 9);

    ASSERT_EQ(hostOp<xt::op::StyleSheetOp5138>()(m_table, body, &record), 0);
    EXPECT_EQ(tabsOf(record), copy) << "the block written back is the one lent out next";
    char junk[16] = {};
    char* junkPointer = junk;
    const xt::Handle notAHandle = &junkPointer;
    std::memcpy(record.tabs, &notAHandle, sizeof notAHandle);
    EXPECT_NE(hostOp<xt::op::StyleSheetOp5139>()(m_table, body, &record), 0) << "not a handle";
    EXPECT_EQ(xt::Fixed{stored.record().leftIndent}, pt(12));
}

} // namespace
} // namespace host_tests
