// ChangeNoticeMessage: a plug-in hears that colours changed once the command that changed them is over,
// never in the middle of it, and only when something changed.
#include <dlfcn.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/tests/host_fixture.h"

namespace host_tests {
namespace {

class ColourNoticeTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        const auto results = host().loadModules({std::filesystem::path(HOST_TEST_MODULE_DIR) / "ColourProbe.xnt"});
        ASSERT_TRUE(results.front().loaded) << results.front().message;
        host().startSession();
        void* library = host::context().plugins().modules().front()->library;
        m_log = reinterpret_cast<const char* (*)()>(dlsym(library, "ColourProbeLog"));
        m_clear = reinterpret_cast<void (*)()>(dlsym(library, "ColourProbeClear"));
        ASSERT_TRUE(m_log && m_clear);
    }

    std::vector<std::string> heard()
    {
        std::vector<std::string> lines;
        std::istringstream text(m_log());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        m_clear();
        return lines;
    }

    const char* (*m_log)() = nullptr;
    void (*m_clear)() = nullptr;
};

TEST_F(ColourNoticeTest, AColourMadeByACommandIsToldOnceTheCommandIsOver)
{
    host().newDocument({1});
    ASSERT_TRUE(host().chooseMenuItem("Colours > Make Sky"));
    EXPECT_EQ(heard(), (std::vector<std::string>{"command status 0", "notice at count 1"}));
    ASSERT_NE(host().currentDocument()->colours().findByName("Sky"), nullptr);

    ASSERT_TRUE(host().chooseMenuItem("Colours > Look"));
    EXPECT_EQ(heard(), (std::vector<std::string>{"command status 0"})) << "nothing changed, nothing to tell";

    ASSERT_TRUE(host().chooseMenuItem("Colours > Make Sky"));
    const auto second = heard();
    ASSERT_EQ(second.size(), 1u) << "a second Sky is refused and changes nothing";
    EXPECT_NE(second.front(), "command status 0");
}

TEST_F(ColourNoticeTest, AChangeOutsideAnyPlugInIsToldWhenTheHostAsks)
{
    host().newDocument({1});
    ASSERT_FALSE(host().currentDocument()->colours().rename(xt::kGreenColour, "Lime"));
    EXPECT_TRUE(heard().empty());
    host().noticeColourChanges();
    EXPECT_EQ(heard(), (std::vector<std::string>{"notice at count 1"}));
    host().noticeColourChanges();
    EXPECT_TRUE(heard().empty()) << "told once";
}

TEST_F(ColourNoticeTest, WithNoDocumentTheColourGoesToTheApplicationAndIsToldToo)
{
    ASSERT_TRUE(host().chooseMenuItem("Colours > Make Sky"));
    EXPECT_EQ(heard(), (std::vector<std::string>{"command status 0", "notice at count 1"}));
    EXPECT_NE(host().documents().colours().table().findByName("Sky"), nullptr);
}

} // namespace
} // namespace host_tests
