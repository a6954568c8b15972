// The scalers' page test: every item is on the page except in a page-range scale.
#include "amplex/tests/amplex_host_fixture.h"

namespace amplex::testing {
namespace {

using ScaledPageTest = AmplexHostTest;

TEST_F(ScaledPageTest, OnlyAPageRangeScaleAsksWhereTheItemLies)
{
    m_host->newDocument();
    const struct {
        int16_t scaleWhat;
        bool onPage;
    } cases[] = {
        {ScaleSelectionOnly, true},
        {ScaleDocument, true},
        {ScalePageRange, false},  // no item is current, so none lies on the page being scaled
    };
    for (const auto& c : cases) {
        m_probe->currentSettings()->ScaleWhat = c.scaleWhat;
        const int32_t asked = m_host->faults().callCount("GetCurrentBox");
        EXPECT_EQ(m_probe->isOnScaledPage(), c.onPage) << "mode " << c.scaleWhat;
        EXPECT_EQ(m_host->faults().callCount("GetCurrentBox") - asked, c.scaleWhat == ScalePageRange ? 1 : 0);
    }
}

} // namespace
} // namespace amplex::testing
