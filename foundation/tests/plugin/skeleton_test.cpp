// Loading plug-ins built on the skeleton: activation, the two set-up levels and their refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "foundation/tests/module_fixture.h"
#include "win32/standin.h"
#include "xtapi/messages.h"
#include "xtapi/status.h"

namespace foundation_test {
namespace {

using SkeletonTest = ModuleTest;

constexpr int32_t kAllTables = 120;
constexpr int32_t kAllServices = 20;

const host::PluginInfo* pluginWithId(const std::vector<host::PluginInfo>& plugins, xt::XTensionId id)
{
    auto found = std::find_if(plugins.begin(), plugins.end(), [id](const host::PluginInfo& p) { return p.id == id; });
    return found == plugins.end() ? nullptr : &*found;
}

size_t registeredMessageHandlers(host::Host& host)
{
    size_t count = 0;
    for (int32_t message : {xt::QuitMessage, xt::LanguageMessage, xt::MenuSetupMessage, xt::MenuUpdateMessage,
             xt::MenuCommandMessage})
        count += host.handlerCount(message);
    return count;
}

TEST_F(SkeletonTest, LoadsAndRegistersHandlersAndWindowCallbacks)
{
    const auto results = load({kCellora, kHighSibling, kLowSibling});
    for (const auto& result : results)
        EXPECT_TRUE(result.loaded) << result.message;
    EXPECT_EQ(host().handlerCount(xt::MenuSetupMessage), 3u);
    EXPECT_EQ(registeredMessageHandlers(host()), 15u);

    const std::vector<host::PluginInfo> plugins = host().plugins();
    const host::PluginInfo* cellora = pluginWithId(plugins, xt::fourCC("BBR3"));
    ASSERT_NE(cellora, nullptr);
    EXPECT_EQ(cellora->windowIdCount, 6);
    EXPECT_GE(cellora->windowIdBase, xt::kFirstWindowId);
    for (int32_t offset = 0; offset < 6; ++offset)
        EXPECT_TRUE(host().hasWindowCallback(cellora->windowIdBase + offset)) << offset;
    // The high sibling reserves its two ids one at a time.
    const host::PluginInfo* high = pluginWithId(plugins, xt::fourCC("BBRq"));
    ASSERT_NE(high, nullptr);
    EXPECT_TRUE(host().hasWindowCallback(high->windowIdBase));
    EXPECT_TRUE(host().hasWindowCallback(high->windowIdBase + 1));
}

TEST_F(SkeletonTest, AComponentIsAcquiredAtEachOfItsReferences)
{
    // The low sibling asks for "QRkP" at five references, after its tables and services.
    const auto results = load({kLowSibling});
    ASSERT_TRUE(results[0].loaded) << results[0].message;
    EXPECT_EQ(host().faults().callCount("AcquireHostInterface"), kAllTables + kAllServices + 5);
    EXPECT_EQ(host().faults().callCount("FindXTension"), 1);
    EXPECT_EQ(host().faults().callCount("HostRecordSlot14"), 1);

    makeHost();
    host().faults().failNth("AcquireHostInterface", kAllTables + kAllServices + 5);
    EXPECT_FALSE(load({kLowSibling})[0].loaded) << "the last of the five references is missing";
}

struct OfferCase {
    uint32_t answer;
    bool loaded;
};

TEST_F(SkeletonTest, OnlyTheLowByteOfTheOffersAnswerCounts)
{
    const OfferCase cases[] = {
        {0x100, false},       // nonzero, but its low byte is 0: a refusal
        {0xFFFFFF00, false},
        {0x01, true},
        {0x201, true},
    };
    for (const OfferCase& c : cases) {
        host::HostOptions options;
        options.offerAnswer = c.answer;
        makeHost(options);
        const auto results = load({kCellora});
        ASSERT_EQ(results.size(), 1u);
        EXPECT_EQ(results[0].loaded, c.loaded) << std::hex << c.answer;
        if (!c.loaded) {
            EXPECT_EQ(results[0].status, xt::kStatusRefused) << std::hex << c.answer;
        }
        EXPECT_EQ(registeredMessageHandlers(host()), c.loaded ? 5u : 0u) << std::hex << c.answer;
    }
}

TEST_F(SkeletonTest, ABadRegistrationRecordIsRefusedWithNothingRegistered)
{
    host::HostOptions options;
    options.registrationWords = {11, 295, 0x40C70014};
    makeHost(options);
    const auto results = load({kCellora});
    EXPECT_FALSE(results[0].loaded);
    EXPECT_EQ(results[0].status, xt::kStatusRefused) << "the record check's own status stays inside";
    EXPECT_EQ(registeredMessageHandlers(host()), 0u);
    EXPECT_EQ(host().faults().callCount("AcquireHostInterface"), 0) << "no table is asked for after a bad record";
}

TEST_F(SkeletonTest, AFailedAcquisitionStopsTheSetUpWithNothingRegistered)
{
    // Cellora acquires 120 tables, 20 services and one component, in that order.
    const int32_t failing[] = {1, 60, kAllTables, kAllTables + 1, kAllTables + kAllServices,
        kAllTables + kAllServices + 1};
    for (int32_t n : failing) {
        makeHost();
        host().faults().failNth("AcquireHostInterface", n);
        const auto results = load({kCellora});
        EXPECT_FALSE(results[0].loaded) << n;
        EXPECT_EQ(results[0].status, xt::kStatusRefused) << n;
        EXPECT_EQ(host().faults().callCount("AcquireHostInterface"), n) << "the first failure ends the requests";
        EXPECT_EQ(registeredMessageHandlers(host()), 0u) << n;
    }
}

TEST_F(SkeletonTest, AMissingComponentRefusesTheSetUp)
{
    for (const char* call : {"FindXTension", "HostRecordSlot14"}) {
        makeHost();
        host().faults().failNth(call, 1);
        const auto results = load({kCellora});
        EXPECT_FALSE(results[0].loaded) << call;
        EXPECT_EQ(results[0].status, xt::kStatusRefused) << call;
        EXPECT_EQ(registeredMessageHandlers(host()), 0u) << call;
    }
}

TEST_F(SkeletonTest, AFailedReservationStopsBeforeTheServiceIsPublished)
{
    makeHost();
    host().faults().failNth("ReserveWindowIds", 1);
    auto results = load({kCellora});
    EXPECT_FALSE(results[0].loaded);
    EXPECT_EQ(host().faults().callCount("NewServiceId"), 0);
    EXPECT_EQ(host().faults().callCount("PublishService"), 0);
    EXPECT_EQ(registeredMessageHandlers(host()), 0u);

    // Ids reserved one at a time: the first failure ends the reservations.
    makeHost();
    host().faults().failNth("ReserveWindowIds", 1);
    results = load({kHighSibling});
    EXPECT_FALSE(results[0].loaded);
    EXPECT_EQ(host().faults().callCount("ReserveWindowIds"), 1);
}

TEST_F(SkeletonTest, AServiceThatCannotBePublishedRefusesTheSetUp)
{
    for (const char* call : {"NewServiceId", "PublishService"}) {
        makeHost();
        host().faults().failNth(call, 1);
        const auto results = load({kCellora});
        EXPECT_FALSE(results[0].loaded) << call;
        EXPECT_EQ(results[0].status, xt::kStatusRefused) << call;
        EXPECT_EQ(registeredMessageHandlers(host()), 0u) << call;
    }
}

TEST_F(SkeletonTest, AServiceBlockThatCannotBeAllocatedRefusesTheSetUp)
{
    makeHost();
    // The low sibling publishes first, so the block is the first allocation of its set-up.
    win32::failAllocation(1);
    const auto results = load({kLowSibling});
    EXPECT_FALSE(results[0].loaded);
    EXPECT_EQ(results[0].status, xt::kStatusRefused);
    EXPECT_EQ(host().faults().callCount("PublishService"), 0);
}

TEST_F(SkeletonTest, TheLanguageCodeIsKeptExactlyAsSent)
{
    const int16_t codes[] = {0, 1, 7, 300, -1};
    for (int16_t code : codes) {
        host::HostOptions options;
        options.languageCode = code;
        makeHost(options);
        load({kCellora});
        host().startSession();
        ASSERT_TRUE(host().chooseMenuItem("VORNE > Cellora..."));
        ASSERT_FALSE(host().messageBoxes().empty());
        EXPECT_EQ(host().messageBoxes().back().text,
            "Cellora... chosen, language " + std::to_string(static_cast<uint16_t>(code)));
    }
}

} // namespace
} // namespace foundation_test
