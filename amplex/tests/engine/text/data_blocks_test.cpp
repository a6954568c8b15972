// Amplex's linked-text marker on a box. The data-block calls it is written with (holders, levels,
// object 0) are the foundation's and are tested there.
#include <cstring>

#include "amplex/tests/text_scale_fixture.h"

namespace amplex::testing {
namespace {

using host::model::HolderKind;

constexpr xt::FourLetterCode kMarker = xt::fourCC("VRN1");

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

} // namespace
} // namespace amplex::testing
