// The layout a chain keeps between questions: after each kind of change to the story or the chain, the
// next question is answered from a layout equal to one composed afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "host/model/composer/chain_layout.h"
#include "host/model/composer/font_metrics.h"
#include "host/model/document_model.h"
#include "host/model/items/item_walk.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace host_tests {
namespace {

namespace testdoc = host::model::testdoc;
using host::model::ChainLayout;
using host::model::Composition;
using host::model::Layout;
using testdoc::pt;
using testdoc::rect;

/// Three linked boxes of four lines each and a fourth box on its own, in monospaced 10 pt type: 10
/// characters a line. The text runs past the third box.
class CompositionCacheTest : public ::testing::Test {
protected:
    void SetUp() override { build(); }

    void build()
    {
        m_model = std::make_unique<host::model::DocumentModel>();
        m_boxes.clear();
        m_layout = &m_model->newDocument({.pageCount = 1});
        for (int i = 0; i < 4; ++i) {
            const double top = 60.0 * i;
            m_boxes.push_back(testdoc::addTextBox(*m_layout, 0, rect(top, 0, top + 50, 52)).ref());
            testdoc::setTextFrame(*m_layout, m_boxes.back(), pt(1));
            testdoc::setType(*m_layout, m_boxes.back(), host::model::kMonoFont, pt(10));
        }
        ASSERT_TRUE(testdoc::linkChain(*m_layout, {m_boxes[0], m_boxes[1], m_boxes[2]}));
        testdoc::setText(*m_layout, m_boxes[0],
            "one two three four five\rsix seven eight nine ten eleven\rtwelve thirteen fourteen\r"
            "fifteen sixteen seventeen eighteen nineteen twenty\rtwenty-one");
    }

    host::model::Story& story() { return *host::model::storyOfTextBox(*m_layout, m_boxes[0]); }

    /// The chain's layout composed from nothing, with the boxes as they are now.
    Composition fresh(int32_t box)
    {
        return ChainLayout::of(m_layout->stories(), box, [&](int32_t b) { return host::model::textFrameOf(*m_layout, b); })
            ->composition();
    }

    std::unique_ptr<host::model::DocumentModel> m_model;
    Layout* m_layout = nullptr;
    std::vector<int32_t> m_boxes;
};

TEST_F(CompositionCacheTest, EachKindOfChangeIsSeenByTheNextQuestion)
{
    struct Case {
        const char* change;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"insert text", [this] { story().insert(30, u"inserted words "); }},
        {"delete text", [this] { story().erase(24, 60); }},
        {"delete the text's end", [this] { story().erase(100, story().length()); }},
        {"change an attribute",
            [this] { story().setCharacterValue({40, 45}, xt::kCharSize, pt(20)); }},
        {"change a paragraph attribute",
            [this] { story().setParagraphValue({60, 60}, xt::kParaSpaceBefore, pt(12)); }},
        {"resize a box",
            [this] { m_layout->items().find(m_boxes[1])->setRect(rect(60, 0, 90, 52)); }},
        {"link a box", [this] { ASSERT_TRUE(host::model::linkTextBoxes(*m_layout, m_boxes[2], m_boxes[3])); }},
        {"unlink a box", [this] { ASSERT_TRUE(host::model::unlinkTextBox(*m_layout, m_boxes[1])); }},
        {"delete a box", [this] { ASSERT_TRUE(host::model::deleteItem(*m_layout, m_boxes[1])); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        build();
        const Composition before = host::model::chainLayoutOf(*m_layout, m_boxes[0])->composition();
        ASSERT_EQ(before.lines, fresh(m_boxes[0]).lines) << "the first question composes";

        c.make();

        const Composition after = host::model::chainLayoutOf(*m_layout, m_boxes[0])->composition();
        const Composition expected = fresh(m_boxes[0]);
        EXPECT_NE(after.lines, before.lines) << "the change shows in the layout";
        EXPECT_EQ(after.lines, expected.lines);
        EXPECT_EQ(after.firstOffsets, expected.firstOffsets);
        EXPECT_EQ(after.storyLength, expected.storyLength);
        EXPECT_EQ(after.paragraphStarts, expected.paragraphStarts);
    }
}

TEST_F(CompositionCacheTest, ChangesAnywhereInTheStoryLeaveNoTraceOfTheOldLayout)
{
    // Edits spread over the whole story, one after another, each checked against a fresh layout.
    std::mt19937 random(7);
    auto below = [&](int32_t n) { return static_cast<int32_t>(random() % static_cast<uint32_t>(std::max(n, 1))); };
    for (int step = 0; step < 200; ++step) {
        SCOPED_TRACE(step);
        const int32_t at = below(story().length() + 1);
        switch (random() % 4) {
        case 0:
            story().insert(at, random() % 3 == 0 ? u"new paragraph\r" : u"more words ");
            break;
        case 1:
            story().erase(at, at + below(20));
            break;
        case 2:
            story().setCharacterValue({at, at + below(15)}, xt::kCharSize, pt(8 + below(10)));
            break;
        default:
            story().setParagraphValue({at, at}, xt::kParaSpaceBefore, pt(below(8)));
            break;
        }
        const Composition after = host::model::chainLayoutOf(*m_layout, m_boxes[1])->composition();
        const Composition expected = fresh(m_boxes[1]);
        ASSERT_EQ(after.lines, expected.lines);
        ASSERT_EQ(after.firstOffsets, expected.firstOffsets);
    }
}

TEST_F(CompositionCacheTest, AQuestionAskedAgainWithoutAChangeGetsTheSameLayout)
{
    const auto first = host::model::chainLayoutOf(*m_layout, m_boxes[0]);
    const auto again = host::model::chainLayoutOf(*m_layout, m_boxes[2]);
    EXPECT_EQ(&first->composition(), &again->composition()) << "not composed again";
}

TEST_F(CompositionCacheTest, ALayoutHeldWhileTheStoryChangesStaysAsItWas)
{
    const auto held = host::model::chainLayoutOf(*m_layout, m_boxes[0]);
    const Composition copy = held->composition();
    story().insert(0, u"more text at the start ");
    const auto after = host::model::chainLayoutOf(*m_layout, m_boxes[0]);
    EXPECT_EQ(held->composition().lines, copy.lines);
    EXPECT_EQ(after->composition().lines, fresh(m_boxes[0]).lines);
}

} // namespace
} // namespace host_tests
