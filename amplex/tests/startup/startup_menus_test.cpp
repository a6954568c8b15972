// Amplex loaded by the host: its menu items under "VORNE" and in the host's menu, the language
// rule, the mouse hook and the palette preference record.
#include <algorithm>
#include <cstring>

#include "amplex/settings/palette_state.h"
#include "amplex/tests/amplex_host_fixture.h"
#include "testing/test_document.h"
#include "win32/standin.h"
#include "xtapi/messages.h"

namespace amplex::testing {
namespace {

const fs::path kTestPlugins = XT_TEST_PLUGIN_FOLDER;

bool containsInOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted)
{
    auto at = lines.begin();
    for (const auto& line : wanted) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end())
            return false;
        ++at;
    }
    return true;
}

class AmplexMenusTest : public ::testing::Test {
protected:
    void TearDown() override { m_host.reset(); }

    void load(const std::vector<fs::path>& modules)
    {
        host::HostOptions options;
        options.systemDirectory = m_systemFolder.path();
        m_host = std::make_unique<host::Host>(options);
        for (const auto& result : m_host->loadModules(modules))
            ASSERT_TRUE(result.loaded) << result.message;
        m_host->startSession();
        m_host->updateMenus();
    }

    xt_testing::TemporaryFolder m_systemFolder{"amplex-menus"};
    std::unique_ptr<host::Host> m_host;
};

TEST_F(AmplexMenusTest, AmplexJoinsVorneAndEnablesOnlyWithADocument)
{
    load({kTestPlugins / "TestCellora.xnt", XT_MODULE_FILE});
    const auto lines = m_host->menuLines();
    EXPECT_TRUE(containsInOrder(lines, {"VORNE > Cellora...", "VORNE > ---", "VORNE > (Amplex...)"}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "View > Show Amplex Palette"), lines.end());
    EXPECT_FALSE(m_host->chooseMenuItem("VORNE > Amplex..."));

    m_host->newDocument();
    m_host->updateMenus();
    const auto withDocument = m_host->menuLines();
    EXPECT_TRUE(containsInOrder(withDocument, {"VORNE > Cellora...", "VORNE > ---", "VORNE > Amplex..."}));
    EXPECT_TRUE(m_host->chooseMenuItem("VORNE > Amplex..."));
}

TEST_F(AmplexMenusTest, AmplexFirstCreatesVorneAndOthersJoinIt)
{
    load({XT_MODULE_FILE, kTestPlugins / "TestCellora.xnt", kTestPlugins / "TestLowSibling.xnt"});
    const auto lines = m_host->menuLines();
    EXPECT_TRUE(containsInOrder(lines, {"VORNE > (Amplex...)", "VORNE > ---", "VORNE > Cellora...", "VORNE > ---",
        "VORNE > Low Sibling..."}));
    const auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& line) { return line.rfind("VORNE > ", 0) == 0; });
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(*first, "VORNE > (Amplex...)");  // the group of the plug-in that made the menu has no separator
}

TEST_F(AmplexMenusTest, OneMouseHookWhateverTheMenuSetupsAndNoneAfterQuit)
{
    load({XT_MODULE_FILE});
    xt::MenuSetupBlock block{};
    m_host->sendMessage(xt::MenuSetupMessage, &block);
    EXPECT_EQ(win32::hooks().size(), 1u);
    const auto lines = m_host->menuLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "VORNE > (Amplex...)"), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "View > Show Amplex Palette"), 1);

    m_host->sendMessage(xt::QuitMessage);
    EXPECT_TRUE(win32::hooks().empty());
}

TEST_F(AmplexMenusTest, AClickWithNoBoxPassesThroughTheHook)
{
    load({XT_MODULE_FILE});
    m_host->newDocument();
    MOUSEHOOKSTRUCT mouse{};
    win32::callHooks(WH_MOUSE, HC_ACTION, WM_LBUTTONDOWN, reinterpret_cast<LPARAM>(&mouse));
    EXPECT_EQ(m_host->faults().callCount("GetCurrentBox"), 1);
    EXPECT_EQ(m_host->faults().callCount("GetBoxRecord"), 0);
}

using AmplexStartTest = AmplexHostTest;

TEST_F(AmplexStartTest, KeepsOnlyTheLanguageCodesItHasAWordFor)
{
    const struct {
        uint16_t sent;
        uint16_t kept;
    } cases[] = {{1, 1}, {3, 3}, {8, 8}, {2, 0}, {0, 0}, {9, 0}};
    for (const auto& c : cases) {
        xt::LanguageBlock block{};
        block.languageCode = c.sent;
        m_host->sendMessage(xt::LanguageMessage, &block);
        EXPECT_EQ(m_probe->languageCode(), c.kept) << "code " << c.sent;
    }
}

PalettePreferences paletteRecordOf(const probe::ProbeApi& probe)
{
    PalettePreferences record{};
    EXPECT_TRUE(probe.paletteRecord(&record, sizeof record));
    return record;
}

TEST_F(AmplexStartTest, AHiddenPaletteStartsAtItsDefaultPlaceAndQuitKeepsItsRecord)
{
    EXPECT_FALSE(m_probe->paletteShown());
    const PalettePreferences record = paletteRecordOf(*m_probe);
    EXPECT_EQ(record.left, 100);
    EXPECT_EQ(record.top, 100);
    EXPECT_EQ(record.width, 180);
    EXPECT_EQ(record.height, 32);

    m_host->sendMessage(xt::ReopenPalettesMessage);
    EXPECT_EQ(m_host->faults().callCount("OpenPalette"), 0);

    m_host->sendMessage(xt::QuitMessage);
    const auto kept = readFile(realPath("Amplex9.palette"));
    ASSERT_EQ(kept.size(), sizeof(PalettePreferences));
    PalettePreferences saved{};
    std::memcpy(&saved, kept.data(), sizeof saved);
    EXPECT_EQ(saved.flags >> 1, 0);
    EXPECT_EQ(saved.left, 100);
    EXPECT_EQ(saved.width, 180);
}

TEST_F(AmplexStartTest, APaletteShownAtQuitKeepsItsPlaceAndReopens)
{
    const PalettePreferences shown{0x03, 0, 40, 60, 200, 36};  // the host's bit 0 and the shown flag
    writeBytes(realPath("Amplex9.palette"), &shown, sizeof shown);
    startHost();
    EXPECT_TRUE(m_probe->paletteShown());
    const PalettePreferences record = paletteRecordOf(*m_probe);
    EXPECT_EQ(record.left, 40);
    EXPECT_EQ(record.top, 60);
    EXPECT_EQ(record.width, 200);

    m_host->startSession();
    EXPECT_EQ(m_host->faults().callCount("OpenPalette"), 1);
    m_host->updateMenus();
    const auto lines = m_host->menuLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "View > Hide Amplex Palette"), lines.end());

    m_host->sendMessage(xt::QuitMessage);
    PalettePreferences saved{};
    const auto kept = readFile(realPath("Amplex9.palette"));
    ASSERT_EQ(kept.size(), sizeof saved);
    std::memcpy(&saved, kept.data(), sizeof saved);
    EXPECT_EQ(saved.flags, 0x03);  // the host's bit stays, the shown flag is stored above it
}

TEST_F(AmplexStartTest, WithNoRecordFromTheHostThePaletteGetsADefaultOne)
{
    startHost(0, [](host::Host& host) { host.faults().failNth("XpbOp5062", 1); });

    const PalettePreferences record = paletteRecordOf(*m_probe);
    EXPECT_EQ(record.left, 100);
    EXPECT_EQ(record.height, 32);
    m_host->startSession();
    m_host->sendMessage(xt::QuitMessage);
    EXPECT_EQ(m_host->faults().callCount("XpbOp877"), 0);  // the plug-in's own record is not the host's to keep
}

TEST_F(AmplexStartTest, OnAScreenOf120PixelsPerInchAHiddenPaletteTakesTheLargerSize)
{
    startHost(0, [](host::Host&) { win32::setScreenResolution(120); });
    const PalettePreferences record = paletteRecordOf(*m_probe);
    EXPECT_EQ(record.width, 240);
    EXPECT_EQ(record.height, 34);
}

TEST_F(AmplexStartTest, AMenuUpdateIsAnsweredWithOne)
{
    m_host->startSession();
    xt::MenuUpdateBlock block{};
    m_host->sendMessage(xt::MenuUpdateMessage, &block);
    EXPECT_EQ(block.answer, 1);
}

TEST_F(AmplexStartTest, TheContextMenuGetsASeparatorOnlyWhileABoxIsSelected)
{
    m_host->startSession();
    host::model::Layout& layout = m_host->newDocument();
    EXPECT_EQ(m_host->openContextMenu().size(), 3u) << "the host's own entries alone";

    const int32_t box = host::model::testdoc::addBox(layout, 0, host::model::testdoc::rect(10, 10, 50, 50)).ref();
    host::model::testdoc::select(layout, {box});
    const auto entries = m_host->openContextMenu();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries.back().flags, MF_SEPARATOR);
    EXPECT_EQ(entries.back().id, 203u);
}

} // namespace
} // namespace amplex::testing
