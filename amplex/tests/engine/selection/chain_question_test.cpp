// The linked-chain question of a Selection scale: asked for a chained text box and for a group whose
// chain leaves it, never for a chain that stays inside the group; "No" leaves the item alone.
#include "amplex/tests/engine_fixture.h"
#include "testing/test_text.h"
#include "win32/windows.h"

namespace amplex::testing {
namespace {

using ChainQuestionTest = EngineTest;
using host::model::testdoc::addTextBox;

constexpr const char* kQuestion =
    "Scaling within a linked text chain can cause upredictable results. We suggest first unlinking "
    "using VORNE Joinix. Would you like to continue scaling?";

struct ChainCase {
    const char* name;
    bool groupBoth;  // else only the first box is in the group
    host::ui::Button answer;
    bool asked;
    bool scaled;
};

TEST_F(ChainQuestionTest, GroupAsksOnlyWhenItsChainLeavesIt)
{
    const ChainCase cases[] = {
        {"chain inside the group", true, host::ui::Button::Yes, false, true},
        {"chain leaves, user goes on", false, host::ui::Button::Yes, true, true},
        {"chain leaves, user says no", false, host::ui::Button::No, true, false},
    };
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        const int32_t first = addTextBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        const int32_t second = addTextBox(layout(), 0, rect(50, 20, 70, 60)).ref();
        const int32_t plain = host::model::testdoc::addBox(layout(), 0, rect(100, 20, 120, 60)).ref();
        host::model::testdoc::setText(layout(), first, "Linked text that runs on\rinto the second box.");
        ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {first, second}));
        const std::vector<int32_t> members = c.groupBoth ? std::vector<int32_t>{first, second, plain}
                                                         : std::vector<int32_t>{first, plain};
        const int32_t group = host::model::testdoc::addGroup(layout(), members).ref();
        const size_t shown = m_host->messageBoxes().size();
        if (c.asked)
            m_host->user().answer(c.answer);
        scaleSelected({group});
        const bool asked = m_host->messageBoxes().size() > shown;
        EXPECT_EQ(asked, c.asked) << c.name;
        if (asked) {
            EXPECT_EQ(m_host->messageBoxes().back().text, kQuestion);
        }
        EXPECT_EQ(!sameRect(item(plain).rect(), rect(100, 20, 120, 60)), c.scaled) << c.name;
    }
}

TEST_F(ChainQuestionTest, ChainedTextBoxIsAskedForAndLeftAloneOnNo)
{
    struct BoxCase {
        int16_t scaleWhat;
        host::ui::Button answer;
        bool asked;
    } cases[] = {
        {ScaleSelectionOnly, host::ui::Button::No, true},
        {ScaleDocument, host::ui::Button::No, false},  // only a Selection scale asks
    };
    setFactors(0.5, 0.5);
    for (const auto& c : cases) {
        const int32_t first = addTextBox(layout(), 0, rect(10, 20, 30, 60)).ref();
        const int32_t second = addTextBox(layout(), 0, rect(50, 20, 70, 60)).ref();
        host::model::testdoc::setText(layout(), first, "Some text");
        ASSERT_TRUE(host::model::testdoc::linkChain(layout(), {first, second}));
        settings().ScaleWhat = c.scaleWhat;
        const size_t shown = m_host->messageBoxes().size();
        if (c.asked)
            m_host->user().answer(c.answer);
        host::model::testdoc::select(layout(), {first});
        m_engine->setOrigin(point(0, 0));
        m_engine->scaleSelection();
        EXPECT_EQ(m_host->messageBoxes().size() > shown, c.asked);
        if (c.asked) {
            EXPECT_TRUE(sameRect(item(first).rect(), rect(10, 20, 30, 60))) << describe(item(first).rect());
        }
    }
}

} // namespace
} // namespace amplex::testing
