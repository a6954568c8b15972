// Amplex's data blocks: the holder of each level, and the linked-text marker.
#include <cstring>

#include "amplex/tests/text_scale_fixture.h"

namespace amplex::testing {
namespace {

using host::model::HolderKind;

constexpr xt::FourLetterCode kMarker = xt::fourCC("VRN1");
constexpr xt::FourLetterCode kOther = xt::fourCC("ABCD");

using DataBlocksTest = TextScaleTest;

TEST_F(DataBlocksTest, TheMarkerIsTwentyBytesThatBeginWithTextdone)
{
    const int32_t box = textBox(rect(0, 0, 50, 50));
    m_text->markTextDone(box);
    m_text->markTextDone(box);
    const auto* holder = layout().dataBlocks().holder(HolderKind::Box, box);
    ASSERT_NE(holder, nullptr);
    ASSERT_EQ(holder->blocks().size(), 1u) << "written twice, held once";
    const auto* block = holder->find(kMarker);
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->size(), 20u);
    EXPECT_EQ(std::memcmp(block->data(), "textdone", 9), 0) << "with its terminator";
}

TEST_F(DataBlocksTest, ObjectZeroIsTheCurrentBox)
{
    const int32_t box = textBox(rect(0, 0, 50, 50));
    m_text->markTextDone(box);
    host::model::testdoc::select(layout(), {box});
    xt::Handle block = m_text->getXtData(0, 0, kMarker);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(m_text->handleSize(block), 20);
    m_text->disposeHandle(block);

    m_text->setXtData(0, 0, kMarker, nullptr);
    EXPECT_FALSE(hasDoneMarker(box));
    m_text->setXtData(0, 0, kMarker, nullptr);  // nothing left to remove
    EXPECT_FALSE(hasDoneMarker(box));

    m_text->markTextDone(box);
    host::model::testdoc::select(layout(), {});
    EXPECT_EQ(m_text->getXtData(0, 0, kMarker), nullptr) << "no current box, no holder";
}

TEST_F(DataBlocksTest, EachLevelKeepsItsOwnBlocks)
{
    const int32_t box = textBox(rect(0, 0, 50, 50));
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
    for (const auto& c : cases) {
        const size_t size = std::strlen(c.bytes) + 1;
        xt::Handle data = m_text->newHandle(static_cast<int32_t>(size));
        std::memcpy(*data, c.bytes, size);
        EXPECT_EQ(m_text->setXtData(c.object, c.level, kOther, data), 0);
        m_text->disposeHandle(data);
    }
    for (const auto& c : cases) {
        xt::Handle block = m_text->getXtData(c.object, c.level, kOther);
        ASSERT_NE(block, nullptr) << c.bytes;
        EXPECT_STREQ(*block, c.bytes);
        m_text->disposeHandle(block);
    }
}

TEST_F(DataBlocksTest, APageNumberBelowOneNamesNoPage)
{
    for (int32_t page : {0, -1}) {
        const int32_t asked = m_host->faults().callCount("GetPageRef");
        EXPECT_EQ(m_text->getXtData(page, 2, kOther), nullptr);
        EXPECT_EQ(m_text->setXtData(page, 2, kOther, nullptr), 0);
        EXPECT_EQ(m_host->faults().callCount("GetPageRef"), asked) << "page " << page;
    }
}

} // namespace
} // namespace amplex::testing
