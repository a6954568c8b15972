// Dotwise loaded by the host: its two menu items, the palette opened and closed from the View menu, its
// place and shown flag kept across a restart, and the language rule.
#include <algorithm>
#include <string>

#include "dotwise/tests/dotwise_host_fixture.h"
#include "foundation/plugin/skeleton.h"
#include "xtapi/messages.h"

namespace dotwise::testing {
namespace {

bool hasLine(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class StartupTest : public DotwiseHostTest {
protected:
    void SetUp() override
    {
        ProbeHostTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(restart());
    }

    void restart()
    {
        ASSERT_NO_FATAL_FAILURE(startHost());
        m_host->startSession();
        m_host->updateMenus();
    }

    std::string preferenceBytes() const { return xt_testing::readFile(realPath("Dotwise Preferences.prf")); }
};

TEST_F(StartupTest, TheSettingsItemJoinsVorneAndTheShowItemTheViewMenu)
{
    const auto lines = m_host->menuLines();
    EXPECT_TRUE(hasLine(lines, "VORNE > Dotwise...")) << ::testing::PrintToString(lines);
    EXPECT_TRUE(hasLine(lines, "View > Show VORNE Dotwise")) << ::testing::PrintToString(lines);
}

TEST_F(StartupTest, ThePaletteOpensAndClosesFromTheViewMenu)
{
    ASSERT_TRUE(m_host->chooseMenuItem("View > Show VORNE Dotwise"));
    EXPECT_TRUE(m_probe->paletteOpen());
    EXPECT_EQ(m_probe->palettePrefs().shown, 1);
    m_host->updateMenus();
    EXPECT_TRUE(hasLine(m_host->menuLines(), "View > Hide VORNE Dotwise"));
    ASSERT_TRUE(m_host->chooseMenuItem("View > Hide VORNE Dotwise"));
    EXPECT_FALSE(m_probe->paletteOpen());
    EXPECT_EQ(m_probe->palettePrefs().shown, 0);
}

TEST_F(StartupTest, APaletteOpenAtQuitComesBackAtTheNextStart)
{
    ASSERT_TRUE(m_host->chooseMenuItem("View > Show VORNE Dotwise"));
    m_host->quit();
    EXPECT_EQ(preferenceBytes().substr(4, 1), std::string(1, '\x01'));
    ASSERT_NO_FATAL_FAILURE(restart());
    EXPECT_TRUE(m_probe->paletteOpen());
}

TEST_F(StartupTest, ALanguageMessageKeepsCodeZeroAndReopensThePalette)
{
    ASSERT_TRUE(m_host->chooseMenuItem("View > Show VORNE Dotwise"));
    xt::LanguageBlock block{};
    block.header.message = xt::LanguageMessage;
    block.languageCode = 3;
    m_host->sendMessage(xt::LanguageMessage, &block);
    EXPECT_TRUE(m_probe->paletteOpen());
    EXPECT_EQ(m_probe->palettePrefs().shown, 1);
    m_host->updateMenus();
    EXPECT_TRUE(hasLine(m_host->menuLines(), "View > Hide VORNE Dotwise"));
}

} // namespace
} // namespace dotwise::testing
