// The Threadix fixture's steps.
#include "threadix/tests/threadix_fixture.h"

#include <algorithm>

#include "host/model/composer/font_metrics.h"
#include "host/model/data_blocks.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_text.h"
#include "threadix/engine/chain_record.h"

namespace threadix::testing {

namespace testdoc = host::model::testdoc;

void ThreadixTest::SetUp()
{
    ProbeHostTest::SetUp();
    startSessionWithDocument(12);
}

int32_t ThreadixTest::lineBox(size_t page, int row, std::string_view text)
{
    const double top = 20.0 * row;
    const int32_t box = testdoc::addTextBox(layout(), page, rect(top, 0, top + 14, 52)).ref();
    testdoc::setTextFrame(layout(), box, pt(1));
    testdoc::setType(layout(), box, host::model::kMonoFont, pt(10));
    if (!text.empty())
        testdoc::setText(layout(), box, text);
    return box;
}

std::vector<int32_t> ThreadixTest::threeBoxChain(size_t page)
{
    const std::vector<int32_t> boxes = {lineBox(page, 0, "first\rsecond\rthird"), lineBox(page, 1), lineBox(page, 2)};
    EXPECT_TRUE(host::model::linkTextBoxes(layout(), boxes[0], boxes[1]));
    EXPECT_TRUE(host::model::linkTextBoxes(layout(), boxes[1], boxes[2]));
    return boxes;
}

std::string ThreadixTest::shows(int32_t box)
{
    const auto chain = host::model::chainLayoutOf(layout(), box);
    if (!chain)
        return "?";
    const int32_t next = layout().stories().nextBox(box);
    const int32_t start = chain->firstOffset(box);
    const int32_t end = next != 0 ? chain->firstOffset(next) : chain->story().length();
    std::string text;
    for (int32_t i = start; i < end; ++i) {
        const char16_t c = chain->story().charAt(i);
        text += c == 13 ? '|' : c == 12 ? '#' : static_cast<char>(c);
    }
    return text;
}

std::string ThreadixTest::chains(const std::vector<int32_t>& boxes)
{
    const auto nameOf = [&](int32_t box) {
        const auto at = std::find(boxes.begin(), boxes.end(), box);
        return at == boxes.end() ? std::string("?") : std::string(1, static_cast<char>('a' + (at - boxes.begin())));
    };
    std::string text;
    for (int32_t box : boxes) {
        if (layout().stories().previousBox(box) != 0)
            continue;
        if (!text.empty())
            text += ' ';
        text += nameOf(box);
        for (int32_t next = layout().stories().nextBox(box); next != 0; next = layout().stories().nextBox(next))
            text += '>' + nameOf(next);
    }
    return text;
}

int32_t ThreadixTest::recordOn(int32_t box)
{
    const host::model::DataBlockHolder* holder = layout().dataBlocks().holder(host::model::HolderKind::Box, box);
    const host::model::DataBlock* block = holder ? holder->find(kChainRecordId) : nullptr;
    if (!block)
        return 0;
    return decodeChainRecord(block->data(), block->size()).value_or(-1);
}

bool ThreadixTest::runThreadix(const std::vector<host::ui::DialogAction>& actions)
{
    for (const auto& action : actions)
        user().queue(action);
    user().ok();
    return m_host->chooseMenuItem("VORNE > Threadix...");
}

} // namespace threadix::testing
