// Page runs: every chain on the pages of a typed page list unlinked (last page first) or relinked, the
// page texts the list refuses, and a run stopped by the mouse button part way.
#include <gtest/gtest.h>

#include "host/model/text/text_boxes.h"
#include "threadix/tests/threadix_fixture.h"
#include "win32/standin.h"
#include "win32/windows.h"

namespace threadix::testing {
namespace {

using host::ui::DialogAction;

class PageRunTest : public ThreadixTest {
protected:
    /// On each of the document's twelve pages, a two-box chain "pN|" "qN".
    void chainOnEveryPage()
    {
        for (size_t page = 0; page < 12; ++page) {
            const std::string n = std::to_string(page + 1);
            const int32_t first = lineBox(page, 0, "p" + n + "\rq" + n);
            const int32_t second = lineBox(page, 1);
            ASSERT_TRUE(host::model::linkTextBoxes(layout(), first, second));
            m_firsts.push_back(first);
            m_seconds.push_back(second);
        }
    }

    /// The pages (from 1) whose chain is split, as "1 2 3".
    std::string splitPages()
    {
        std::string pages;
        for (size_t i = 0; i < m_firsts.size(); ++i) {
            if (layout().stories().nextBox(m_firsts[i]) != 0)
                continue;
            pages += (pages.empty() ? "" : " ") + std::to_string(i + 1);
            EXPECT_EQ(shows(m_seconds[i]), "q" + std::to_string(i + 1)) << "page " << i + 1;
        }
        return pages;
    }

    bool unlinkPages(const std::string& text, bool bySection = false)
    {
        select({});
        std::vector<DialogAction> actions = {DialogAction::setText(kPageField, text)};
        if (bySection)
            actions.push_back(DialogAction::click(kSection));
        return runThreadix(actions);
    }

    std::vector<int32_t> m_firsts;
    std::vector<int32_t> m_seconds;
};

TEST_F(PageRunTest, TheTypedPagesAreUnlinkedAndTheOthersLeft)
{
    struct Case {
        const char* text;
        const char* pages;
        const char* message;
    };
    const std::string manyEntries = [] {
        std::string text;
        for (int i = 0; i < 600; ++i)
            text += "1,";
        return text;
    }();
    const Case cases[] = {
        {"2, 5-7", "2 5 6 7", ""},
        {"All", "1 2 3 4 5 6 7 8 9 10 11 12", ""},
        {"3-1", "", "reversed"},
        {"3-", "", "one-sided"},
        {"13", "", "beyond the last page"},
        {"", "", "empty"},
        {",", "", "only a separator"},
        {manyEntries.c_str(), "1", ""}, // the field keeps 63 characters: page 1, many times
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        newDocument(12);
        m_firsts.clear();
        m_seconds.clear();
        chainOnEveryPage();
        const size_t shown = messageTexts().size();
        ASSERT_TRUE(unlinkPages(c.text));
        EXPECT_EQ(splitPages(), c.pages);
        EXPECT_EQ(messageTexts().size() - shown, std::string(c.message).empty() ? 0u : 1u) << c.message;
    }
}

TEST_F(PageRunTest, SectionNamesNameThePages)
{
    chainOnEveryPage();
    ASSERT_TRUE(layout().sections().start(layout().page(6).ref(), {"A-", 1, host::model::NumberFormat::Arabic}));
    ASSERT_TRUE(unlinkPages("A-2-A-3, 2", true));
    EXPECT_EQ(splitPages(), "2 8 9");
}

TEST_F(PageRunTest, RelinkOverTenPagesPutsEveryChainBack)
{
    chainOnEveryPage();
    ASSERT_TRUE(unlinkPages("1-10"));
    ASSERT_EQ(splitPages(), "1 2 3 4 5 6 7 8 9 10");
    select({});
    ASSERT_TRUE(runThreadix({DialogAction::setText(kPageField, "1-10"), DialogAction::click(kLink)}));
    EXPECT_EQ(splitPages(), "");
    for (size_t i = 0; i < 10; ++i)
        EXPECT_EQ(shows(m_firsts[i]) + shows(m_seconds[i]), "p" + std::to_string(i + 1) + "|q" + std::to_string(i + 1));
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(PageRunTest, AStepOfTheItemWalkThatFailsDoesNotEndThePage)
{
    // Two chains on page 1; the walk's first step fails, once.
    const int32_t a = lineBox(0, 0, "a1\ra2");
    const int32_t b = lineBox(0, 1);
    const int32_t c = lineBox(0, 2, "c1\rc2");
    const int32_t d = lineBox(0, 3);
    ASSERT_TRUE(host::model::linkTextBoxes(layout(), a, b));
    ASSERT_TRUE(host::model::linkTextBoxes(layout(), c, d));
    m_host->faults().failNth("GetNextItem", 1);

    ASSERT_TRUE(unlinkPages("1"));

    EXPECT_EQ(chains({a, b, c, d}), "a b c d") << "both chains unlinked";
    EXPECT_EQ(shows(a) + shows(b) + shows(c) + shows(d), "a1|a2c1|c2");
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(PageRunTest, AWalkTheApplicationCannotStartIsReportedAndTheOtherPagesDone)
{
    struct Case {
        const char* operation;
    } const cases[] = {{"GetFirstItem"}, {"PageOp3594"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        newDocument(12);
        m_firsts.clear();
        m_seconds.clear();
        chainOnEveryPage();
        const size_t shown = messageTexts().size();
        // The run goes from the last page: its walk is the one refused.
        m_host->faults().failNth(c.operation, 1);

        ASSERT_TRUE(unlinkPages("All"));

        EXPECT_EQ(splitPages(), "1 2 3 4 5 6 7 8 9 10 11");
        ASSERT_EQ(messageTexts().size(), shown + 1);
        EXPECT_EQ(messageTexts().back(), "Threadix could not change every chain as asked: the application refused a step.");
    }
}

TEST_F(PageRunTest, TheMouseButtonStopsAfterTheCurrentItem)
{
    chainOnEveryPage();
    // Each page has two boxes; the button goes down at the fifth poll: after page 12's two items and
    // page 11's two, the first item of page 10.
    win32::queueKeyChange(VK_LBUTTON, true, 4);
    ASSERT_TRUE(unlinkPages("All"));
    win32::clearAsyncKeyStates();
    EXPECT_EQ(splitPages(), "10 11 12");
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Unlinking has been canceled."});
    // What was done stays whole: every chain, split or not, shows its text once.
    for (size_t i = 0; i < 12; ++i)
        EXPECT_EQ(shows(m_firsts[i]) + shows(m_seconds[i]), "p" + std::to_string(i + 1) + "|q" + std::to_string(i + 1));
}

} // namespace
} // namespace threadix::testing
