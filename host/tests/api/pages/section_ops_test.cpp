// Sections and page names through the operations the plug-ins call: XsqOp4977 starts a section,
// PageOp4223 names a page, PageOp5004 finds a page by a typed name, GetPageSection reads one back.
#include <string>

#include "host/host_context.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

class SectionOpsTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        ASSERT_EQ(hostOp<xt::op::PageOp2213>()(ref(), 2, 6, 0, 0, 0), 0); // eight pages
    }

    xt::TextObject text(const std::string& chars)
    {
        return hostOp<xt::op::NewTextObject>()(chars.c_str(), 0, static_cast<int32_t>(chars.size()));
    }

    int32_t startSection(int32_t page, int32_t start, int32_t format, const char* prefix = nullptr)
    {
        xt::TextObject given = prefix ? text(prefix) : nullptr;
        const int32_t status = hostOp<xt::op::XsqOp4977>()(page, start, format, given);
        if (given)
            hostOp<xt::op::DisposeTextObject>()(given);
        return status;
    }

    /// The name PageOp4223 gives a document page, through the page index offset as the callers add it.
    std::string nameOf(int32_t page)
    {
        int16_t offset = 0;
        EXPECT_EQ(hostOp<xt::op::GetPageIndexOffset>()(ref(), &offset), 0);
        xt::TextObject name = nullptr;
        if (hostOp<xt::op::PageOp4223>()(ref(), page + offset, &name) != 0 || !name)
            return "<refused>";
        const std::string chars = *host::context().texts().find(name);
        hostOp<xt::op::DisposeTextObject>()(name);
        return chars;
    }

    int32_t pageNamed(const std::string& name, int32_t mode = 1)
    {
        xt::TextObject given = text(name);
        int32_t page = -7;
        const int32_t status = hostOp<xt::op::PageOp5004>()(ref(), mode, given, &page);
        hostOp<xt::op::DisposeTextObject>()(given);
        EXPECT_EQ(status == 0, page != 0) << name;
        return page;
    }
};

TEST_F(SectionOpsTest, PagesAreNamedFromTheirSection)
{
    ASSERT_EQ(startSection(1, 1, 3), 0);       // i, ii, iii
    ASSERT_EQ(startSection(4, 1, 1, "A-"), 0); // A-1 ...
    ASSERT_EQ(startSection(7, 26, 4), 0);      // Z, AA

    const char* expected[] = {"i", "ii", "iii", "A-1", "A-2", "A-3", "Z", "AA"};
    for (int32_t page = 1; page <= 8; ++page)
        EXPECT_EQ(nameOf(page), expected[page - 1]) << "page " << page;
}

TEST_F(SectionOpsTest, ATypedNameFindsItsPage)
{
    ASSERT_EQ(startSection(1, 1, 3), 0);
    ASSERT_EQ(startSection(4, 1, 1, "A-"), 0);

    struct Case {
        const char* typed;
        int32_t mode;
        int32_t page; // 0: none
    } const cases[] = {
        {"A-3", 1, 6},
        {"iv", 1, 0},  // the roman section ends at iii
        {"ii", 1, 2},
        {"a-2", 1, 5}, // only one page matches without regard to case
        {"3", 1, 0},   // no page shows the name "3"
        {"3", 0, 3},   // mode 0: a sequence number
        {"9", 0, 0},   // past the last page
        {"3-", 0, 0},
        {"", 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pageNamed(c.typed, c.mode), c.page) << '"' << c.typed << "\" mode " << c.mode;
}

TEST_F(SectionOpsTest, SectionsFollowTheirPageWhenPagesAreAddedOrDeleted)
{
    ASSERT_EQ(startSection(3, 10, 1), 0);
    ASSERT_EQ(hostOp<xt::op::PageOp2213>()(ref(), 0, 2, 0, 0, 0), 0); // two pages in front
    EXPECT_EQ(nameOf(5), "10");
    EXPECT_EQ(nameOf(4), "4");
    ASSERT_EQ(hostOp<xt::op::PageOp859>()(ref(), 5, 5, 0), 0); // the section's first page goes
    EXPECT_EQ(nameOf(5), "5");
}

TEST_F(SectionOpsTest, BadSectionsAreRefusedAndChangeNothing)
{
    struct Case {
        int32_t page, start, format;
        const char* prefix;
    } const cases[] = {
        {0, 1, 1, nullptr},   // no page 0
        {9, 1, 1, nullptr},   // past the last page
        {2, 0, 1, nullptr},   // numbers start from 1
        {2, 1, 6, nullptr},   // no such format
        {2, 1, -1, nullptr},  // a sign the callers drop themselves
        {2, 1, 1, "ABCDE"},   // prefix longer than four characters
        {2, 1, 1, "A\tB"},    // control character
    };
    for (const Case& c : cases)
        EXPECT_NE(startSection(c.page, c.start, c.format, c.prefix), 0) << c.page << " " << c.start << " " << c.format;
    EXPECT_TRUE(layout().sections().starts().empty());
    EXPECT_EQ(hostOp<xt::op::XsqOp4977>()(2, 1, 1, reinterpret_cast<xt::TextObject>(uintptr_t{0x1234})), -1); // no text object
}

TEST_F(SectionOpsTest, ThePageSectionIsReadBackWithItsPrefix)
{
    ASSERT_EQ(startSection(2, 5, 2, "S"), 0);
    int32_t start = 0, format = 0;
    xt::TextObject prefix = nullptr;
    ASSERT_EQ(hostOp<xt::op::GetPageSection>()(ref(), 4, &start, &format, &prefix), 0);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(format, 2);
    EXPECT_EQ(*host::context().texts().find(prefix), "S");
    hostOp<xt::op::DisposeTextObject>()(prefix);
    EXPECT_EQ(nameOf(4), "SVII");
    EXPECT_EQ(hostOp<xt::op::GetPageSection>()(ref(), 9, &start, &format, &prefix), -1);
}

TEST_F(SectionOpsTest, MasterPagesAreNamedByTheirSpread)
{
    xt::TextObject name = nullptr;
    ASSERT_EQ(hostOp<xt::op::PageOp4223>()(ref(), xt::kFirstMasterIndex, &name), 0);
    EXPECT_EQ(*host::context().texts().find(name), "A-Master");
    hostOp<xt::op::DisposeTextObject>()(name);
    EXPECT_EQ(hostOp<xt::op::PageOp4223>()(ref(), 1, &name), -1);
    EXPECT_EQ(name, nullptr);
}

TEST_F(SectionOpsTest, PageCountAndMasterNumbers)
{
    int16_t count = -1;
    ASSERT_EQ(hostOp<xt::op::PageOp871>()(ref(), 0, &count), 0);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(hostOp<xt::op::PageOp871>()(ref(), 1, &count), -1);
    EXPECT_EQ(count, 0);
    int16_t last = 0;
    ASSERT_EQ(hostOp<xt::op::XmbOp810>()(ref(), &last), 0);
    EXPECT_EQ(last, xt::kFirstMasterIndex); // one master page
}

TEST_F(SectionOpsTest, FailedCallsWriteNothingAPluginCouldMistakeForAPage)
{
    host::context().faults().failNth("PageOp5004", 1);
    int32_t page = -7;
    xt::TextObject name = text("1");
    EXPECT_NE(hostOp<xt::op::PageOp5004>()(ref(), 1, name, &page), 0);
    EXPECT_EQ(page, 0);
    hostOp<xt::op::DisposeTextObject>()(name);
    host::context().faults().failNth("PageOp4223", 1);
    xt::TextObject out = nullptr;
    EXPECT_NE(hostOp<xt::op::PageOp4223>()(ref(), 5, &out), 0);
    EXPECT_EQ(out, nullptr);
}

} // namespace
} // namespace host_tests
