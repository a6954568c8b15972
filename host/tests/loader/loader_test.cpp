// Loading modules: the set-up order, every refusal with its message, inert plug-ins, and unloading.
#include <dlfcn.h>

#include "host/loader/host_records.h"
#include "host/tests/host_fixture.h"
#include "win32/windows.h"
#include "xtapi/status.h"

namespace host_tests {
namespace {

constexpr xt::XTensionId kRawA = 0x61574152; // "RAWa"
constexpr xt::XTensionId kRawB = 0x62574152; // "RAWb"

std::filesystem::path module(const std::string& name)
{
    return std::filesystem::path(HOST_TEST_MODULE_DIR) / (name + ".xnt");
}

class LoaderTest : public HostTest {
protected:
    host::LoadResult loadOne(const std::string& name) { return host().loadModules({module(name)}).front(); }
};

TEST_F(LoaderTest, GoodModuleLoadsWithWindowIdsFromTheReservedRange)
{
    const auto result = loadOne("RawA");
    EXPECT_TRUE(result.loaded) << result.message;
    EXPECT_EQ(result.status, 0);
    const auto plugins = host().plugins();
    ASSERT_EQ(plugins.size(), 1u);
    EXPECT_EQ(plugins[0].id, kRawA);
    EXPECT_EQ(plugins[0].state, host::PluginState::Active);
    EXPECT_EQ(plugins[0].windowIdBase, xt::kFirstWindowId);
    EXPECT_EQ(plugins[0].windowIdCount, 2);
    EXPECT_TRUE(host().hasWindowCallback(xt::kFirstWindowId));
    EXPECT_EQ(host().handlerCount(xt::MenuCommandMessage), 1u);
}

TEST_F(LoaderTest, EveryLevel300SetUpRunsBeforeAnyLevel200SetUp)
{
    // RawB's level-200 set-up needs the service RawA publishes at level 300, and RawB loads first.
    const auto results = host().loadModules({module("RawB"), module("RawA")});
    ASSERT_EQ(results.size(), 2u);
    EXPECT_TRUE(results[0].loaded) << results[0].message;
    EXPECT_TRUE(results[1].loaded) << results[1].message;
    const auto plugins = host().plugins();
    EXPECT_EQ(plugins[0].windowIdBase, xt::kFirstWindowId);
    EXPECT_EQ(plugins[1].windowIdBase, xt::kFirstWindowId + 2) << "ranges never overlap";
}

TEST_F(LoaderTest, EachFailureIsReportedOnceNamingTheFileAndWhy)
{
    struct Case {
        const char* file;
        const char* message;
        int32_t status;
    };
    const Case cases[] = {
        {"RawRefuses", "plug-in \"RawRefuses.xnt\" refused at activation (status 0x51000401)", xt::kStatusRefused},
        {"RawNoActivate", "plug-in \"RawNoActivate.xnt\" has no XTActivateCallback", xt::kStatusRefused},
        {"RawBadImage", "plug-in \"RawBadImage.xnt\" has resource table version 2 (the host reads version 1)", xt::kStatusRefused},
        {"RawFailsSetup", "plug-in \"RawFailsSetup.xnt\" failed its set-up at level 200 (status 0x51000401)", xt::kStatusRefused},
    };
    for (const auto& c : cases) {
        const auto result = loadOne(c.file);
        EXPECT_FALSE(result.loaded) << c.file;
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.status, c.status) << c.file;
        EXPECT_EQ(result.file, module(c.file).string());
    }
    const auto missing = loadOne("NoSuchModule");
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.message.rfind("plug-in \"NoSuchModule.xnt\" cannot be loaded: ", 0), 0u) << missing.message;
}

TEST_F(LoaderTest, FailedSetUpAfterRegistrationLeavesAnInertModule)
{
    ASSERT_FALSE(loadOne("RawFailsSetup").loaded);
    const auto plugins = host().plugins();
    ASSERT_EQ(plugins.size(), 1u) << "it stays loaded: a sibling may hold its service";
    EXPECT_EQ(plugins[0].state, host::PluginState::Inert);
    EXPECT_EQ(host().handlerCount(xt::MenuSetupMessage), 0u);
    EXPECT_FALSE(host().hasWindowCallback(plugins[0].windowIdBase));
    xt::RegistrationRecord record = host::loader::makeRegistrationRecord({11, 295, 0x40C70000});
    uint32_t reference = 0;
    EXPECT_NE(record.findXTension(plugins[0].id, &reference), 0) << "its service is unpublished";
    host().startSession();
    EXPECT_TRUE(host().menuLines().empty());
}

TEST_F(LoaderTest, OfferRefusals)
{
    ASSERT_TRUE(loadOne("RawA").loaded);
    const auto twice = loadOne("RawA");
    EXPECT_FALSE(twice.loaded);
    EXPECT_EQ(twice.message, "plug-in \"RawA.xnt\" refused at activation (status 0x51000401): its id 0x61574152 is already loaded");
    EXPECT_EQ(host().plugins().size(), 1u);
    EXPECT_EQ(host().handlerCount(xt::MenuSetupMessage), 1u);
}

class ForcedOfferTest : public LoaderTest {
protected:
    host::HostOptions options() const override
    {
        auto forced = LoaderTest::options();
        forced.offerAnswer = 0x100; // nonzero, but its low byte is 0
        return forced;
    }
};

TEST_F(ForcedOfferTest, AZeroLowByteIsARefusal)
{
    const auto result = loadOne("RawA");
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.message, "plug-in \"RawA.xnt\" refused at activation (status 0x51000401): the host answered the offer with 0x00000100");
    EXPECT_TRUE(host().plugins().empty());
}

TEST_F(LoaderTest, ATableRequestFailingPartWayFailsTheSetUp)
{
    host().faults().failNth("AcquireHostInterface", 50);
    const auto result = loadOne("RawA");
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.message, "plug-in \"RawA.xnt\" failed its set-up at level 200 (status 0x51000401)");
    EXPECT_EQ(host().faults().callCount("AcquireHostInterface"), 50);
    EXPECT_EQ(host().handlerCount(xt::LanguageMessage), 0u);
}

TEST_F(LoaderTest, SessionSendsTheLanguageThenBuildsMenusOnePlugInAtATime)
{
    host().loadModules({module("RawA"), module("RawB")});
    host().startSession();
    EXPECT_EQ(host().menuLines(), (std::vector<std::string>{"RawA > RawA item (language 0)", "RawB > RawB item (language 0)"}));
    host().updateMenus();
    EXPECT_EQ(host().menuLines().front(), "RawA > (RawA item (language 0))") << "disabled without a document";
    EXPECT_FALSE(host().chooseMenuItem("RawA > RawA item (language 0)"));
    EXPECT_TRUE(host().messageBoxes().empty());
}

TEST_F(LoaderTest, MenuCommandsReachThePlugInWhichReadsItsOwnResources)
{
    host().loadModules({module("RawA"), module("RawB")});
    host().startSession();
    host().newDocument();
    host().user().answer("OK");
    EXPECT_TRUE(host().chooseMenuItem("RawB > RawB item (language 0)"));
    EXPECT_TRUE(host().chooseMenuItem("RawA > RawA item (language 0)"));
    EXPECT_FALSE(host().chooseMenuItem("RawA > Nothing"));
    const auto& boxes = host().messageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "RawB");
    EXPECT_EQ(boxes[0].text, "2.0 B");
    EXPECT_TRUE(boxes[0].answered);
    EXPECT_EQ(boxes[1].text, "1.0 A");
    EXPECT_FALSE(boxes[1].answered);
}

class LanguageTest : public LoaderTest {
protected:
    host::HostOptions options() const override
    {
        auto withCode = LoaderTest::options();
        withCode.languageCode = 3;
        return withCode;
    }
};

TEST_F(LanguageTest, TheLanguageCodeComesFromTheOptions)
{
    loadOne("RawA");
    host().startSession();
    EXPECT_EQ(host().menuLines(), (std::vector<std::string>{"RawA > RawA item (language 3)"}));
}

TEST_F(LoaderTest, WindowCallbacksSeeTheirWindowAndTheirModule)
{
    loadOne("RawA");
    host::ui::Window& window = host().openWindow(xt::kFirstWindowId);
    xt::WindowCallbackRecord record{};
    record.windowId = xt::kFirstWindowId;
    record.event = xt::CreatedEvent;
    EXPECT_EQ(host().sendWindowEvent(window.ref(), record), 0);
    EXPECT_EQ(record.handled, 1);
    ASSERT_EQ(host().messageBoxes().size(), 1u);
    EXPECT_EQ(host().messageBoxes()[0].text, "window " + std::to_string(window.ref()) + ": RawA string");
    record.windowId = xt::kFirstWindowId + 5;
    EXPECT_EQ(host().sendWindowEvent(window.ref(), record), -1) << "no callback under that id";
}

TEST_F(LoaderTest, DestroyingTheHostUnloadsTheModules)
{
    ASSERT_TRUE(loadOne("RawA").loaded);
    m_host.reset();
    EXPECT_EQ(dlopen(module("RawA").c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "dlclose really unloaded it";
    m_host = std::make_unique<host::Host>(options());
    EXPECT_TRUE(loadOne("RawA").loaded) << "it loads again in a new host";
}

} // namespace
} // namespace host_tests
