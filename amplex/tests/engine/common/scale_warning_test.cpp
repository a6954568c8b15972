// The scaling engine's two message boxes, as the user sees them.
#include "amplex/tests/amplex_host_fixture.h"
#include "win32/windows.h"

namespace amplex::testing {
namespace {

using ScaleWarningTest = AmplexHostTest;

TEST_F(ScaleWarningTest, WarningIsAnOkBoxTitledWithTheProductAndAnArrowCursor)
{
    m_probe->showScaleWarning("Memory problem!");
    ASSERT_EQ(m_host->messageBoxes().size(), 1u);
    const auto& box = m_host->messageBoxes().back();
    EXPECT_EQ(box.text, "Memory problem!");
    EXPECT_EQ(box.caption, "VORNE Amplex");
    EXPECT_EQ(box.style & MB_TYPEMASK, MB_OK);
    EXPECT_EQ(box.style & MB_ICONMASK, MB_ICONWARNING);
    ASSERT_FALSE(m_host->cursorKinds().empty());
    EXPECT_EQ(m_host->cursorKinds().back(), 0);
}

TEST_F(ScaleWarningTest, LinkedChainQuestionGoesOnUnlessTheUserSaysNo)
{
    const struct {
        host::ui::Button answer;
        bool goesOn;
    } cases[] = {{host::ui::Button::Yes, true}, {host::ui::Button::No, false}};
    for (const auto& c : cases) {
        m_host->user().answer(c.answer);
        EXPECT_EQ(m_probe->confirmLinkedChainScale(), c.goesOn);
        const auto& box = m_host->messageBoxes().back();
        EXPECT_EQ(box.caption, "VORNE Warning");
        EXPECT_EQ(box.text,
            "Scaling within a linked text chain can cause upredictable results. We suggest first unlinking "
            "using VORNE Joinix. Would you like to continue scaling?");
        EXPECT_EQ(box.style & MB_TYPEMASK, MB_YESNO);
        EXPECT_TRUE(box.answered);
        // The watch is back for the scale that follows.
        EXPECT_EQ(m_host->cursorKinds().back(), -1);
    }
}

} // namespace
} // namespace amplex::testing
