// Document and page-range scaling: pages, items, margins, masters, guides, style sheets, page size.
#include <gtest/gtest.h>

#include <array>

#include "amplex/resources/strings.h"
#include "amplex/tests/docscale_fixture.h"
#include "host/model/style_sheets.h"
#include "xtapi/page_records.h"

namespace amplex::testing {
namespace {

using host::model::GuideKind;

class DocumentScaleTest : public DocScaleTest {
protected:
    /// Two pages with margins 20/30/40/50, two columns, a master page with its own margins, a box on
    /// every page, guides on the first page, a paragraph and a character style sheet.
    void buildTwoPageDocument()
    {
        newDocument(2);
        layout().setup().setMargins({pt(20), pt(30), pt(40), pt(50)});
        layout().setup().setColumns({2, pt(12)});
        layout().masters().page(0).setMargins({pt(10), pt(12), pt(14), pt(16)});
        m_first = addBoxOn(pageRef(0), rect(100, 100, 200, 300));
        m_second = addBoxOn(pageRef(1), rect(50, 60, 150, 160));
        m_onMaster = addBoxOn(masterRef(0), rect(700, 40, 740, 200));
        addGuide(pageRef(0), GuideKind::Vertical, 100);
        addGuide(pageRef(0), GuideKind::Horizontal, 200);

        xt::ParagraphStyleRecord paragraph = host::model::paragraphStyleNamed("Body");
        paragraph.leftIndent = pt(10);
        paragraph.firstLineIndent = pt(-4);
        paragraph.leading = pt(14);
        paragraph.spaceBefore = pt(6);
        paragraph.size = pt(12);
        paragraph.horizontalScale = pt(1);
        layout().styleSheets().addParagraphStyle(paragraph);
        xt::CharacterStyleRecord character = host::model::characterStyleNamed("Emphasis");
        character.size = pt(12);
        character.horizontalScale = pt(1);
        layout().styleSheets().addCharacterStyle(character);
    }

    void documentSwitches()
    {
        ScaleSettings& s = settings();
        s.ScaleWhat = ScaleDocument;
        s.ScaleGuides = s.ScaleStyleSheets = s.ScaleLeading = s.ScaleTabs = 1;
        s.ScaleDocumentSize = s.ScaleAnchoredBoxes = 1;
        s.ScalePictureBoxes = 0;
        m_docscale->setPageRange(1, static_cast<int32_t>(layout().pageCount()));
    }

    int32_t m_first = 0;
    int32_t m_second = 0;
    int32_t m_onMaster = 0;
};

TEST_F(DocumentScaleTest, DocumentScalesEveryPartOfATwoPageDocument)
{
    buildTwoPageDocument();
    documentSwitches();
    setFactors(2.0, 0.5);

    m_docscale->scaleDocument();

    // Pages: the width grew before the items scaled, the height shrank after them.
    for (size_t page = 0; page < 2; ++page) {
        EXPECT_EQ(layout().page(page).size().width, pt(1224)) << page;
        EXPECT_EQ(layout().page(page).size().height, pt(396)) << page;
    }
    // Margins: top and bottom by the vertical factor, left and right by the horizontal one.
    const auto& margins = layout().setup().margins();
    EXPECT_EQ(margins.top, pt(10));
    EXPECT_EQ(margins.bottom, pt(15));
    EXPECT_EQ(margins.left, pt(80));
    EXPECT_EQ(margins.right, pt(100));
    EXPECT_EQ(layout().setup().columns().count, 2);
    EXPECT_EQ(layout().setup().columns().gutter, pt(24));
    EXPECT_EQ(layout().setup().baselineGrid().start, pt(18));
    EXPECT_EQ(layout().setup().baselineGrid().increment, pt(6));
    // Items about each page's upper-left corner.
    EXPECT_PRED2(sameRect, boundsOf(m_first), rect(50, 200, 100, 600)) << describe(boundsOf(m_first));
    EXPECT_PRED2(sameRect, boundsOf(m_second), rect(25, 120, 75, 320)) << describe(boundsOf(m_second));
    // The master page: its item and its own margins.
    EXPECT_PRED2(sameRect, boundsOf(m_onMaster), rect(350, 80, 370, 400)) << describe(boundsOf(m_onMaster));
    const auto& masterMargins = layout().masters().page(0).margins();
    EXPECT_EQ(masterMargins.top, pt(5));
    EXPECT_EQ(masterMargins.bottom, pt(6));
    EXPECT_EQ(masterMargins.left, pt(28));
    EXPECT_EQ(masterMargins.right, pt(32));
    // Guides: vertical ones by the horizontal factor, horizontal ones by the vertical factor.
    EXPECT_EQ(guidePositions(pageRef(0), GuideKind::Vertical), std::vector<xt::Fixed>{pt(200)});
    EXPECT_EQ(guidePositions(pageRef(0), GuideKind::Horizontal), std::vector<xt::Fixed>{pt(100)});
    // Style sheets (packed host records, so each field is copied out before it is compared): sizes and vertical spacing by the vertical factor, indents by the horizontal one,
    // the horizontal scale by their ratio (2.0 / 0.5).
    const xt::ParagraphStyleRecord& paragraph = layout().styleSheets().paragraphStyles().at(0).record();
    EXPECT_EQ(xt::Fixed{paragraph.leftIndent}, pt(20));
    EXPECT_EQ(xt::Fixed{paragraph.firstLineIndent}, pt(-8));
    EXPECT_EQ(xt::Fixed{paragraph.leading}, pt(7));
    EXPECT_EQ(xt::Fixed{paragraph.spaceBefore}, pt(3));
    EXPECT_EQ(xt::Fixed{paragraph.size}, pt(6));
    EXPECT_EQ(xt::Fixed{paragraph.horizontalScale}, pt(4));
    const xt::CharacterStyleRecord& character = layout().styleSheets().characterStyles().at(0).record();
    EXPECT_EQ(xt::Fixed{character.size}, pt(6));
    EXPECT_EQ(xt::Fixed{character.horizontalScale}, pt(4));
    EXPECT_TRUE(messageTexts().empty());
}

TEST_F(DocumentScaleTest, KeepTextProportionalScalesStyleSheetsByTheSmallerFactor)
{
    buildTwoPageDocument();
    documentSwitches();
    settings().KeepTextProportional = 1;
    setFactors(2.0, 0.5);

    m_docscale->scaleDocument();

    const xt::ParagraphStyleRecord& paragraph = layout().styleSheets().paragraphStyles().at(0).record();
    EXPECT_EQ(xt::Fixed{paragraph.leftIndent}, pt(5));
    EXPECT_EQ(xt::Fixed{paragraph.size}, pt(6));
    EXPECT_EQ(xt::Fixed{paragraph.horizontalScale}, pt(1)); // equal text factors: no ratio
}

TEST_F(DocumentScaleTest, FactorsOfOneLeaveThePagesAsTheyWere)
{
    buildTwoPageDocument();
    documentSwitches();
    setFactors(1.0, 1.0);

    m_docscale->scaleDocument();

    EXPECT_EQ(layout().page(0).size(), host::model::PageSize{});
    EXPECT_PRED2(sameRect, boundsOf(m_first), rect(100, 100, 200, 300));
    EXPECT_EQ(guidePositions(pageRef(0), GuideKind::Vertical), std::vector<xt::Fixed>{pt(100)});
}

TEST_F(DocumentScaleTest, FacingRightPageScalesAboutItsSpreadsCorner)
{
    newDocument(3);
    host::model::setFacingPages(layout(), true);
    // Page 3 is the right page of the second spread, which starts at 612 pt across.
    const int32_t right = addBoxOn(pageRef(2), rect(100, 712, 200, 812));
    documentSwitches();
    setFactors(2.0, 1.0);

    m_docscale->scaleDocument();

    EXPECT_EQ(layout().page(2).size().width, pt(1224));
    // 100 pt into the right page before; 200 pt into the (now 1224 pt wide) right page after.
    EXPECT_PRED2(sameRect, boundsOf(right), rect(100, 1424, 200, 1624)) << describe(boundsOf(right));
}

TEST_F(DocumentScaleTest, ReductionToAPaperSizeAfterTheItems)
{
    buildTwoPageDocument();
    documentSwitches();
    settings().FitToChoice = 3; // "A4 Letter"
    m_docscale->setFitTo(true, true);
    setFactors(0.5, 0.5);

    m_docscale->scaleDocument();

    EXPECT_EQ(layout().page(0).size().width, 0x2534BC6);
    EXPECT_EQ(layout().page(0).size().height, 0x349E560);
    EXPECT_PRED2(sameRect, boundsOf(m_first), rect(50, 50, 100, 150));
}

TEST_F(DocumentScaleTest, DocumentModeOnMasterPagesIsRefusedInEveryLanguage)
{
    // Only the first language has strings of its own; the others fall back to it.
    for (const int16_t language : std::array<int16_t, 4>{0, 1, 3, 8}) {
        startHost(language);
        buildTwoPageDocument();
        documentSwitches();
        m_docscale->setOnMasterPage(true);
        setFactors(2.0, 2.0);

        m_docscale->scaleDocument();

        EXPECT_EQ(messageTexts(), std::vector<std::string>{"Can not scale the document while on a Master Page."})
            << "language " << language;
        EXPECT_PRED2(sameRect, boundsOf(m_first), rect(100, 100, 200, 300));
        EXPECT_EQ(layout().page(0).size(), host::model::PageSize{});
    }
}

TEST_F(DocumentScaleTest, AStyleSheetTheHostCannotReadIsLeftAsItWas)
{
    buildTwoPageDocument();
    xt::ParagraphStyleRecord second = host::model::paragraphStyleNamed("Caption");
    second.leftIndent = pt(3);
    second.size = pt(9);
    layout().styleSheets().addParagraphStyle(second);
    documentSwitches();
    setFactors(2.0, 0.5);
    m_host->faults().failNth("StyleSheetOp5138", 2);

    m_docscale->scaleDocument();

    const auto& paragraphs = layout().styleSheets().paragraphStyles();
    EXPECT_EQ(xt::Fixed{paragraphs.at(0).record().leftIndent}, pt(20));
    // Not the first sheet's scaled record written over it, nor scaled itself.
    EXPECT_EQ(paragraphs.at(1).name(), "Caption");
    EXPECT_EQ(xt::Fixed{paragraphs.at(1).record().leftIndent}, pt(3));
    EXPECT_EQ(xt::Fixed{paragraphs.at(1).record().size}, pt(9));
}

// A host call that fails while the page set-up is read stops the scale before anything changes; one
// that fails once pages and items are changing is reported, since the document is then part scaled.
TEST_F(DocumentScaleTest, AFailedHostCallIsReportedAndAFailedReadChangesNothing)
{
    const std::string unread =
        "Amplex could not read the page set-up of the document, so it left the document as it was.";
    const std::string unfinished =
        "Amplex could not finish scaling the document: the host refused a change. The document may be "
        "partly scaled; close it without saving to keep the version last saved.";
    struct Case {
        const char* call;
        int32_t nth;
        const std::string& message;
        bool changed;
    };
    const Case cases[] = {
        {"XdgOp512", 1, unread, false},  // the margins
        {"XdnOp519", 1, unread, false},  // the page width
        {"XdgOp509", 1, unread, false},  // the gutter
        {"PageOp3594", 1, unfinished, true},  // the first page, whose items then stay as they were
        {"DocumentOp5270", 1, unfinished, true},  // a master page's margins
        {"XpkOp5070", 1, unfinished, true},  // the new page size
    };
    for (const Case& c : cases) {
        startHost(0);
        buildTwoPageDocument();
        documentSwitches();
        setFactors(2.0, 0.5);
        m_host->faults().failNth(c.call, c.nth);

        m_docscale->scaleDocument();

        EXPECT_EQ(messageTexts(), std::vector<std::string>{c.message}) << c.call;
        const bool pageChanged = layout().page(0).size().width != host::model::PageSize{}.width;
        const bool boxChanged = !sameRect(boundsOf(m_second), rect(50, 60, 150, 160));
        EXPECT_EQ(pageChanged || boxChanged, c.changed) << c.call;
        if (!c.changed) {
            EXPECT_EQ(layout().setup().margins().left, pt(40)) << c.call;
        }
    }
}

class PageRangeTest : public DocumentScaleTest {
protected:
    void buildThreePages()
    {
        newDocument(3);
        for (size_t page = 0; page < 3; ++page) {
            m_boxes.push_back(addBoxOn(pageRef(page), rect(100, 100, 200, 300)));
            addGuide(pageRef(page), GuideKind::Vertical, 100);
        }
        m_onMaster = addBoxOn(masterRef(0), rect(700, 40, 740, 200));
        ScaleSettings& s = settings();
        s.ScaleWhat = ScalePageRange;
        s.ScaleGuides = 1;
        s.ScaleDocumentSize = 0; // the command clears it for a page range
    }

    std::vector<int32_t> m_boxes;
};

TEST_F(PageRangeTest, FromPageScalesOnlyItsPages)
{
    buildThreePages();
    setFactors(0.5, 0.5);
    m_docscale->setPageRange(2, 2);

    m_docscale->scaleDocument();

    EXPECT_PRED2(sameRect, boundsOf(m_boxes[0]), rect(100, 100, 200, 300));
    EXPECT_PRED2(sameRect, boundsOf(m_boxes[1]), rect(50, 50, 100, 150));
    EXPECT_PRED2(sameRect, boundsOf(m_boxes[2]), rect(100, 100, 200, 300));
    EXPECT_PRED2(sameRect, boundsOf(m_onMaster), rect(700, 40, 740, 200));
    EXPECT_EQ(guidePositions(pageRef(0), GuideKind::Vertical), std::vector<xt::Fixed>{pt(100)});
    EXPECT_EQ(guidePositions(pageRef(1), GuideKind::Vertical), std::vector<xt::Fixed>{pt(50)});
    EXPECT_EQ(layout().page(1).size(), host::model::PageSize{});
}

TEST_F(PageRangeTest, RangesAreHeldToThePagesThatExist)
{
    struct Case {
        int32_t first;
        int32_t last;
        std::vector<bool> scaled;
    };
    const Case cases[] = {
        {2, 10, {false, true, true}}, // past the end: the last page is not scaled twice
        {0, 1, {true, false, false}}, // page 0 does not exist
        {3, 2, {false, false, false}}, // first after last: nothing
    };
    for (const Case& c : cases) {
        buildThreePages();
        setFactors(0.5, 0.5);
        m_docscale->setPageRange(c.first, c.last);

        m_docscale->scaleDocument();

        for (size_t page = 0; page < 3; ++page) {
            const xt::FixedRect expected = c.scaled[page] ? rect(50, 50, 100, 150) : rect(100, 100, 200, 300);
            EXPECT_PRED2(sameRect, boundsOf(m_boxes[page]), expected)
                << c.first << ".." << c.last << " page " << page + 1 << ": " << describe(boundsOf(m_boxes[page]));
        }
        m_boxes.clear();
    }
}

TEST_F(PageRangeTest, OnFacingMasterPagesAtMostTheTwoMastersShownScale)
{
    newDocument(2);
    host::model::setFacingPages(layout(), true);
    const int32_t left = addBoxOn(masterRef(0), rect(100, 100, 200, 300));
    const int32_t right = addBoxOn(masterRef(1), rect(100, 712, 200, 812));
    const int32_t onPage = addBoxOn(pageRef(0), rect(100, 100, 200, 300));
    ASSERT_TRUE(host::model::showMasterSpread(layout(), 1));
    settings().ScaleWhat = ScalePageRange;
    settings().ScaleDocumentSize = 0;
    setFactors(0.5, 0.5);
    m_docscale->setOnMasterPage(true);
    m_docscale->setPageOffset(static_cast<int16_t>(xt::kFirstMasterIndex - 1));
    m_docscale->setPageRange(1, 5);

    m_docscale->scaleDocument();

    // Each master page about its own corner; the right one's lies at 612 pt across.
    EXPECT_PRED2(sameRect, boundsOf(left), rect(50, 50, 100, 150)) << describe(boundsOf(left));
    EXPECT_PRED2(sameRect, boundsOf(right), rect(50, 662, 100, 712)) << describe(boundsOf(right));
    EXPECT_PRED2(sameRect, boundsOf(onPage), rect(100, 100, 200, 300));
}

} // namespace
} // namespace amplex::testing
