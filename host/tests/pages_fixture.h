// A host with a two-page document and its layout window, for the page, spread, guide, style-sheet
// and undo tests.
#pragma once

#include <optional>

#include "host/model/spread_layout.h"
#include "host/tests/item_fixture.h"
#include "xtapi/page_records.h"

namespace host_tests {

class PagesTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        m_window = items().windowRef();
    }

    xt::DocumentRef ref() { return layout().ref(); }
    xt::WindowRef window() const { return m_window; }

    int32_t runCommand(int32_t number)
    {
        EXPECT_EQ(hostOp<xt::op::XmoOp832>()(1), 0);
        return hostOp<xt::op::XaqOp2966>()(number);
    }

    int32_t currentBox()
    {
        int32_t box = -1;
        hostOp<xt::op::GetCurrentBox>()(&box);
        return box;
    }

    xt::PlaceRecord pageRecord(int32_t page)
    {
        xt::PlaceRecord record{};
        EXPECT_EQ(hostOp<xt::op::PageOp3594>()(window(), page, 0, &record), 0) << "page " << page;
        return record;
    }

    int32_t currentPageNumber()
    {
        int32_t page = -1;
        EXPECT_EQ(hostOp<xt::op::GetWindowValue3563>()(window(), &page), 0);
        return page;
    }

    xt::WindowRef m_window = 0;
};

} // namespace host_tests
