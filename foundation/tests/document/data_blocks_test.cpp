// Data blocks through the foundation as a plug-in calls them: the holder of each level, object 0 at
// the box levels, and the levels that name nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/tests/modules/probe/probe_api.h"
#include "foundation/tests/test_paths.h"
#include "host/model/data_blocks.h"
#include "testing/probe_host.h"
#include "testing/test_document.h"

namespace foundation_test {
namespace {

using host::model::HolderKind;
using namespace host::model::testdoc;

constexpr xt::FourLetterCode kId = xt::fourCC("ABCD");

class DataBlocksTest : public xt_testing::ProbeHostTest {
protected:
    DataBlocksTest() : ProbeHostTest(FOUNDATION_PROBE_PATH) {}

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ProbeHostTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(startHost());
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kProbeSymbol, m_api));
    }

    /// A block holding `bytes` with its zero, stored as the plug-in would: the caller's copy freed after.
    int32_t store(int32_t object, int16_t level, const std::string& bytes, bool zeroIsCurrentBox = true)
    {
        xt::Handle data = m_api->newHandle(static_cast<int32_t>(bytes.size() + 1));
        std::memcpy(*data, bytes.c_str(), bytes.size() + 1);
        const int32_t status = m_api->setXtData(object, level, kId, data, zeroIsCurrentBox);
        m_api->disposeHandle(data);
        return status;
    }

    /// The block's text, or "none".
    std::string read(int32_t object, int16_t level, bool zeroIsCurrentBox = true)
    {
        xt::Handle block = m_api->getXtData(object, level, kId, zeroIsCurrentBox);
        if (!block)
            return "none";
        std::string text(*block);
        m_api->disposeHandle(block);
        return text;
    }

    bool boxHolds(int32_t box)
    {
        const auto* holder = layout().dataBlocks().holder(HolderKind::Box, box);
        return holder && holder->has(kId);
    }

    const probe::ProbeApi* m_api = nullptr;
};

TEST_F(DataBlocksTest, EachLevelKeepsItsOwnBlocks)
{
    newDocument(3);
    const int32_t box = addBox(layout(), 0, rect(0, 0, 50, 50)).ref();
    const struct {
        int32_t object;
        int16_t level;
        const char* bytes;
    } cases[] = {
        {box, 0, "box"},
        {box, 1, "second"},
        {1, 2, "page one"},
        {3, 2, "page three"},
        {0, 4, "document"},
        {0, 6, "global"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(store(c.object, c.level, c.bytes), 0) << c.bytes;
    for (const auto& c : cases)
        EXPECT_EQ(read(c.object, c.level), c.bytes);

    EXPECT_EQ(store(box, 0, std::string()), 0);
    m_api->setXtData(box, 0, kId, nullptr, true);
    EXPECT_EQ(read(box, 0), "none") << "a null block removes it";
    EXPECT_EQ(m_api->setXtData(box, 0, kId, nullptr, true), 0) << "nothing left to remove";
    EXPECT_EQ(read(box, 0), "none");
    EXPECT_EQ(read(box, 1), "second") << "the box's second holder keeps its block";
}

TEST_F(DataBlocksTest, ObjectZeroIsTheCurrentBoxOnlyWhenThePlugInSaysSo)
{
    newDocument(1);
    const int32_t box = addBox(layout(), 0, rect(0, 0, 50, 50)).ref();
    select({box});
    EXPECT_EQ(store(0, 0, "current", false), 0);
    EXPECT_FALSE(boxHolds(box)) << "object 0 names no box for a plug-in that passes the box it means";
    EXPECT_EQ(read(0, 0, false), "none");

    EXPECT_EQ(store(0, 0, "current"), 0);
    EXPECT_TRUE(boxHolds(box));
    EXPECT_EQ(read(0, 0), "current");
    EXPECT_EQ(read(box, 0, false), "current") << "the box itself is found either way";

    select({});
    EXPECT_EQ(read(0, 0), "none") << "no current box, no holder";
}

TEST_F(DataBlocksTest, LevelsThatNameNothingHoldNothing)
{
    newDocument(2);
    for (int32_t page : {0, -1, 3}) {
        EXPECT_EQ(store(page, 2, "page"), 0) << page;
        EXPECT_EQ(read(page, 2), "none") << page;
    }
    for (int32_t page : {0, -1}) {
        const int32_t asked = m_host->faults().callCount("GetPageRef");
        store(page, 2, "page");
        read(page, 2);
        EXPECT_EQ(m_host->faults().callCount("GetPageRef"), asked) << "a page number below one asks the host for no page";
    }
    for (const int16_t level : {int16_t{3}, int16_t{5}, int16_t{7}, int16_t{-1}}) {
        EXPECT_EQ(store(1, level, "odd"), 0) << level;
        EXPECT_EQ(read(1, level), "none") << level;
    }
}

TEST_F(DataBlocksTest, WithoutADocumentOnlyTheGlobalHolderIsThere)
{
    EXPECT_EQ(store(0, 4, "document"), 0);
    EXPECT_EQ(read(0, 4), "none");
    EXPECT_EQ(store(1, 2, "page"), 0);
    EXPECT_EQ(read(1, 2), "none");
    EXPECT_EQ(store(0, 6, "global"), 0);
    EXPECT_EQ(read(0, 6), "global");
}

} // namespace
} // namespace foundation_test
