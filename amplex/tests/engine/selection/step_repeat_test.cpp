// Step and repeat with scaling: copies by the host's offsets, copies on added pages with labels,
// and what the run leaves behind (factors, offsets, clipboard, undo step).
#include <gtest/gtest.h>

#include <string>

#include "amplex/tests/docscale_fixture.h"
#include "host/model/text/story_store.h"

namespace amplex::testing {
namespace {

class StepRepeatTest : public DocScaleTest {
protected:
    void SetUp() override
    {
        DocScaleTest::SetUp();
        newDocument(1);
        m_box = addBoxOn(pageRef(0), rect(100, 100, 150, 200));
        settings().ScaleWhat = ScaleSelectionOnly;
        settings().StepFactor = pt(0.1);
        // Vertical is overruled: copies scale proportionally, by the horizontal factor.
        setFactors(0.75, 0.3);
        auto& offsets = m_host->documents().stepRepeatOffsets();
        offsets.horizontal = pt(20);
        offsets.vertical = pt(30);
        host::model::testdoc::select(layout(), {m_box});
        m_docscale->measureSelection();
    }

    /// The items of a page other than `except`, in the order they were made.
    std::vector<int32_t> itemsOn(int32_t page, int32_t except = 0)
    {
        std::vector<int32_t> found;
        for (const int32_t ref : items().topLevelOnPage(page))
            if (ref != except)
                found.push_back(ref);
        return found;
    }

    std::string textOf(int32_t box)
    {
        const host::model::Story* story = layout().stories().storyOfBox(box);
        if (!story)
            return "<no story>";
        return {story->text().begin(), story->text().end()};
    }

    int32_t m_box = 0;
};

/// Scaled about its own upper left by `factor` both ways, after moving by (dv, dh).
xt::FixedRect copyOf(double dv, double dh, double factor)
{
    return rect(100 + dv, 100 + dh, 100 + dv + 50 * factor, 100 + dh + 100 * factor);
}

TEST_F(StepRepeatTest, ThreeCopiesStepByTheOffsetsAndTheStepFactor)
{
    m_docscale->setRepeatCount(pt(3));

    m_docscale->stepAndRepeat();

    const std::vector<int32_t> copies = itemsOn(pageRef(0), m_box);
    ASSERT_EQ(copies.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        // 0.85, 0.95 and 1.05 as the Fixed sums make them (0.1 is 0.0999908 as a Fixed).
        const int32_t k = static_cast<int32_t>(i + 1);
        const double factor = (pt(0.75) + k * pt(0.1)) / 65536.0;
        const xt::FixedRect expected = copyOf(30.0 * k, 20.0 * k, factor);
        const xt::FixedRect actual = boundsOf(copies[i]);
        EXPECT_EQ(actual.top, expected.top) << i;
        EXPECT_EQ(actual.left, expected.left) << i;
        EXPECT_NEAR(actual.bottom, expected.bottom, 2) << i << describe(actual);
        EXPECT_NEAR(actual.right, expected.right, 2) << i << describe(actual);
    }
    EXPECT_PRED2(sameRect, boundsOf(m_box), rect(100, 100, 150, 200));
    // What the run borrowed is back as it was.
    EXPECT_EQ(settings().HorizontalFactor, pt(0.75));
    EXPECT_EQ(settings().VerticalFactor, pt(0.3));
    EXPECT_EQ(m_host->documents().stepRepeatOffsets().horizontal, pt(20));
    EXPECT_EQ(m_host->documents().stepRepeatOffsets().vertical, pt(30));
    // The user's clipboard is left alone when no copy goes through it.
    EXPECT_TRUE(m_host->documents().clipboard().empty());
    EXPECT_EQ(m_host->undoText(), "Undo Amplex");
}

TEST_F(StepRepeatTest, MinusTwoAddsTwoLabelledPages)
{
    m_docscale->setRepeatCount(-pt(2));

    m_docscale->stepAndRepeat();

    ASSERT_EQ(layout().pageCount(), 3u);
    EXPECT_PRED2(sameRect, boundsOf(m_box), rect(100, 100, 150, 200));
    const double factors[] = {0.75, (pt(0.75) + pt(0.1)) / 65536.0};
    const char* labels[] = {"75%", "85%"};
    for (size_t i = 0; i < 2; ++i) {
        const std::vector<int32_t> added = itemsOn(pageRef(i + 1));
        ASSERT_EQ(added.size(), 2u) << "page " << i + 2;
        const xt::FixedRect copy = boundsOf(added[0]);
        const xt::FixedRect expected = copyOf(0, 0, factors[i]);
        EXPECT_EQ(copy.top, expected.top);
        EXPECT_EQ(copy.left, expected.left);
        EXPECT_NEAR(copy.bottom, expected.bottom, 2) << describe(copy);
        EXPECT_NEAR(copy.right, expected.right, 2) << describe(copy);
        EXPECT_PRED2(sameRect, boundsOf(added[1]), rect(6, 6, 24, 60)) << describe(boundsOf(added[1]));
        EXPECT_EQ(items().find(added[1])->kind(), xt::BoxKind::Text);
        EXPECT_EQ(textOf(added[1]), labels[i]);
    }
    EXPECT_EQ(settings().HorizontalFactor, pt(0.75));
    EXPECT_EQ(settings().VerticalFactor, pt(0.3));
}

TEST_F(StepRepeatTest, CountsOfOneScaleTheSelectionOnce)
{
    for (const xt::Fixed count : {pt(1), -pt(1)}) {
        setFactors(0.5, 2.0);
        host::model::testdoc::select(layout(), {m_box});
        m_docscale->setRepeatCount(count);

        m_docscale->stepAndRepeat();

        EXPECT_EQ(layout().pageCount(), 1u);
        EXPECT_EQ(itemsOn(pageRef(0), m_box).size(), 0u);
    }
    // Twice by 0.5 across and 2.0 down, about the box's upper left.
    EXPECT_PRED2(sameRect, boundsOf(m_box), rect(100, 100, 300, 125)) << describe(boundsOf(m_box));
}

TEST_F(StepRepeatTest, CountZeroChangesNothing)
{
    m_docscale->setRepeatCount(0);

    m_docscale->stepAndRepeat();

    EXPECT_EQ(itemsOn(pageRef(0), m_box).size(), 0u);
    EXPECT_PRED2(sameRect, boundsOf(m_box), rect(100, 100, 150, 200));
    EXPECT_TRUE(m_host->documents().clipboard().empty());
    EXPECT_EQ(settings().VerticalFactor, pt(0.3));
}

TEST_F(StepRepeatTest, OffsetsPastTheFixedRangeMakeNoFurtherCopies)
{
    m_host->documents().stepRepeatOffsets().horizontal = pt(20000);
    m_docscale->setRepeatCount(pt(3));

    m_docscale->stepAndRepeat();

    // 20000 pt is a Fixed; 40000 pt is not.
    EXPECT_EQ(itemsOn(pageRef(0), m_box).size(), 1u);
    EXPECT_EQ(m_host->documents().stepRepeatOffsets().horizontal, pt(20000));
}

TEST_F(StepRepeatTest, ASelectionOfSeveralItemsIsCopiedWholeAndScaledAboutTheCopysCorner)
{
    const int32_t other = addBoxOn(pageRef(0), rect(100, 300, 150, 400));
    host::model::testdoc::select(layout(), {m_box, other});
    m_docscale->measureSelection();
    settings().StepFactor = 0;
    setFactors(0.5, 0.5);
    m_docscale->setRepeatCount(pt(2));

    m_docscale->stepAndRepeat();

    // Each copy is made from the first selection at k times the offsets, then halved about its
    // own upper left: (130, 120) for the first copy, (160, 140) for the second.
    const std::vector<int32_t> all = itemsOn(pageRef(0));
    ASSERT_EQ(all.size(), 6u);
    const xt::FixedRect expected[] = {
        rect(130, 120, 155, 170), rect(130, 220, 155, 270), rect(160, 140, 185, 190), rect(160, 240, 185, 290)};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_PRED2(sameRect, boundsOf(all[i + 2]), expected[i]) << i << describe(boundsOf(all[i + 2]));
    EXPECT_PRED2(sameRect, boundsOf(other), rect(100, 300, 150, 400));
}

} // namespace
} // namespace amplex::testing
