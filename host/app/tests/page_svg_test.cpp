// Pages drawn as SVG: the page and its guides, each kind of item where it lies, text made safe, and `draw`.
#include "host/app/page_svg.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

#include "host/app/script_parser.h"
#include "host/app/script_runner.h"
#include "host/app/svg_writer.h"
#include "host/host.h"
#include "host/model/spread_layout.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace host::app {
namespace {

using namespace model::testdoc;
using model::Item;

/// The lines of the SVG that hold every one of `parts`: each element sits on a line of its own.
std::vector<std::string> linesWith(const std::string& svg, std::initializer_list<std::string_view> parts)
{
    std::vector<std::string> found;
    std::istringstream lines(svg);
    for (std::string line; std::getline(lines, line);) {
        bool all = true;
        for (std::string_view part : parts)
            all = all && line.find(part) != std::string::npos;
        if (all)
            found.push_back(line);
    }
    return found;
}

std::string itemLine(const std::string& svg, const model::Item& item)
{
    const auto found = linesWith(svg, {"data-item=\"" + std::to_string(item.ref()) + "\""});
    EXPECT_EQ(found.size(), 1u) << svg;
    return found.empty() ? std::string() : found.front();
}

class PageDrawing : public ::testing::Test {
protected:
    model::DocumentModel m_model;
    model::Layout& m_layout = m_model.newDocument({2, {}, "Brochure"});
};

TEST_F(PageDrawing, DrawsThePageItsMarginsColumnsAndGuides)
{
    m_layout.setup().setColumns({2, pt(12)});
    m_layout.guides().add({0, m_layout.page(0).ref()}, model::GuideKind::Vertical, {pt(100), {}, 0, 0, 0, {}, 0});
    m_layout.guides().add({0, m_layout.page(0).ref()}, model::GuideKind::Horizontal, {pt(250.5), {}, 0, 0, 0, {}, 0});
    m_layout.guides().add({0, m_layout.page(1).ref()}, model::GuideKind::Vertical, {pt(400), {}, 0, 0, 0, {}, 0});

    const std::string svg = drawPageSvg(m_layout, 0);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_EQ(linesWith(svg, {"<svg ", "width=\"612pt\"", "height=\"792pt\"", "viewBox=\"0 0 612 792\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"class=\"page\"", "width=\"612\"", "height=\"792\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"class=\"margins\"", "x=\"36\" y=\"36\" width=\"540\" height=\"720\""}).size(), 1u);
    // Two columns of 264 pt with a 12 pt gutter between them.
    EXPECT_EQ(linesWith(svg, {"column-guide", "x1=\"300\" y1=\"36\" x2=\"300\" y2=\"756\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"column-guide", "x1=\"312\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"class=\"guide\"", "x1=\"100\" y1=\"0\" x2=\"100\" y2=\"792\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"class=\"guide\"", "x1=\"0\" y1=\"250.5\" x2=\"612\" y2=\"250.5\""}).size(), 1u);
    EXPECT_TRUE(linesWith(svg, {"x1=\"400\""}).empty()) << "page 2's guide is not page 1's";
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST_F(PageDrawing, DrawsEachKindOfItemWhereItLies)
{
    Item& box = addBox(m_layout, 0, rect(100, 50, 200, 150));
    box.setWeight(pt(2));
    Item& turned = addBox(m_layout, 0, rect(300, 100, 340, 200));
    turned.setAngle(pt(30));
    Item& oval = addBox(m_layout, 0, rect(400, 100, 440, 200), xt::BoxKind::Plain, xt::shape::kOval);
    Item& line = addLine(m_layout, 0, point(10, 20), point(30, 60));
    Item& polygon = addShape(m_layout, 0, {point(500, 100), point(500, 200), point(550, 150)});
    Item& picture = addPictureBox(m_layout, 0, rect(600, 300, 700, 400));
    Item& elsewhere = addBox(m_layout, 1, rect(10, 10, 20, 20));

    const std::string svg = drawPageSvg(m_layout, 0);
    const std::string boxLine = itemLine(svg, box);
    EXPECT_NE(boxLine.find("<rect class=\"box\""), std::string::npos) << boxLine;
    EXPECT_NE(boxLine.find("x=\"50\" y=\"100\" width=\"100\" height=\"100\""), std::string::npos) << boxLine;
    EXPECT_NE(boxLine.find("stroke-width=\"2\""), std::string::npos) << boxLine;
    // Counter-clockwise on the page is a negative SVG rotation, about the box's centre.
    EXPECT_EQ(linesWith(svg, {"<g transform=\"rotate(-30 150 320)\">"}).size(), 1u);
    EXPECT_NE(itemLine(svg, turned).find("x=\"100\" y=\"300\" width=\"100\" height=\"40\""), std::string::npos);
    EXPECT_NE(itemLine(svg, oval).find("<ellipse class=\"box\" data-item=\"" + std::to_string(oval.ref())
                                           + "\" cx=\"150\" cy=\"420\" rx=\"50\" ry=\"20\""),
        std::string::npos);
    EXPECT_NE(itemLine(svg, line).find("x1=\"20\" y1=\"10\" x2=\"60\" y2=\"30\""), std::string::npos);
    EXPECT_NE(itemLine(svg, polygon).find("<polygon class=\"box\""), std::string::npos);
    EXPECT_NE(itemLine(svg, polygon).find("points=\"100,500 200,500 150,550\""), std::string::npos);
    EXPECT_NE(itemLine(svg, picture).find("<rect class=\"picture-box\""), std::string::npos);
    EXPECT_EQ(linesWith(svg, {"picture-cross", "x1=\"300\" y1=\"600\" x2=\"400\" y2=\"700\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"picture-cross", "x1=\"300\" y1=\"700\" x2=\"400\" y2=\"600\""}).size(), 1u);
    EXPECT_TRUE(linesWith(svg, {"data-item=\"" + std::to_string(elsewhere.ref()) + "\""}).empty());
}

TEST_F(PageDrawing, TurnedLineIsDrawnByItsEndPoints)
{
    Item& line = addAngledLine(m_layout, 0, point(100, 100), pt(50), 90);
    const std::string svg = drawPageSvg(m_layout, 0);
    // Turned a quarter counter-clockwise about its first end, the line runs up the page, unrotated in SVG.
    EXPECT_NE(itemLine(svg, line).find("x1=\"100\" y1=\"100\" x2=\"100\" y2=\"50\""), std::string::npos)
        << itemLine(svg, line);
    EXPECT_TRUE(linesWith(svg, {"rotate("}).empty());
}

/// A line's style draws as dashes in multiples of its weight, and its arrowheads at the ends the style names;
/// a box's frame takes its style too, and a picture box shows its image file from its top left corner.
TEST_F(PageDrawing, DrawsLineStylesArrowheadsAndPictureFiles)
{
    Item& fold = addLine(m_layout, 0, point(100, 100), point(100, 200));
    fold.setWeight(pt(2));
    fold.setLineStyle(3);
    fold.setArrowheads(xt::kArrowAtSecond);
    Item& dotted = addBox(m_layout, 0, rect(300, 100, 350, 200));
    dotted.setWeight(pt(1));
    dotted.setLineStyle(1);
    Item& picture = addPictureBox(m_layout, 0, rect(400, 100, 450, 200));
    picture.setPictureFile({"logo & mark.png", {pt(120), pt(60)}});
    const std::string svg = drawPageSvg(m_layout, 0);
    EXPECT_NE(itemLine(svg, fold).find("stroke-dasharray=\"8 4 2 4\""), std::string::npos) << itemLine(svg, fold);
    EXPECT_NE(itemLine(svg, dotted).find("stroke-dasharray=\"1 2\""), std::string::npos) << itemLine(svg, dotted);
    // One arrowhead, its tip at the second end (200, 100), reaching back 8 pt along the line.
    const auto arrows = linesWith(svg, {"class=\"arrowhead\""});
    ASSERT_EQ(arrows.size(), 1u) << svg;
    EXPECT_NE(arrows.front().find("points=\"200,100 192,103 192,97\""), std::string::npos) << arrows.front();
    EXPECT_EQ(linesWith(svg, {"picture-cross"}).size(), 0u) << "a picture box with a picture shows no cross";
    EXPECT_EQ(linesWith(svg, {"<image href=\"logo &amp; mark.png\" width=\"120\" height=\"60\""}).size(), 1u) << svg;
    EXPECT_EQ(linesWith(svg, {"<svg class=\"picture\" x=\"100\" y=\"400\" width=\"100\" height=\"50\""}).size(), 1u) << svg;
}

TEST_F(PageDrawing, DrawsGroupsAsTheirMembersAndTablesAsTheirCells)
{
    Item& a = addBox(m_layout, 0, rect(10, 10, 20, 20));
    Item& b = addBox(m_layout, 0, rect(30, 30, 40, 40));
    Item& group = addGroup(m_layout, {a.ref(), b.ref()});
    Item& table = addTable(m_layout, 0, point(100, 100), {pt(50), pt(70)}, {pt(20)});
    // Selected together, two items stand in a pseudo-group: each is still drawn once, by itself.
    Item& c = addBox(m_layout, 0, rect(50, 50, 60, 60));
    Item& d = addBox(m_layout, 0, rect(70, 70, 80, 80));
    select(m_layout, {c.ref(), d.ref()});

    const std::string svg = drawPageSvg(m_layout, 0);
    const std::string open = "<g class=\"group\" data-item=\"" + std::to_string(group.ref()) + "\">";
    const size_t groupAt = svg.find(open);
    ASSERT_NE(groupAt, std::string::npos) << svg;
    EXPECT_GT(svg.find("data-item=\"" + std::to_string(a.ref()) + "\""), groupAt);
    EXPECT_GT(svg.find("data-item=\"" + std::to_string(b.ref()) + "\""), groupAt);
    EXPECT_EQ(linesWith(svg, {"<g class=\"table\" data-item=\"" + std::to_string(table.ref()) + "\">"}).size(), 1u);
    EXPECT_NE(itemLine(svg, c).find("x=\"50\" y=\"50\""), std::string::npos);
    EXPECT_NE(itemLine(svg, d).find("x=\"70\" y=\"70\""), std::string::npos);
    EXPECT_EQ(linesWith(svg, {"<rect class=\"text-box\"", "x=\"100\" y=\"100\" width=\"50\" height=\"20\""}).size(), 1u);
    EXPECT_EQ(linesWith(svg, {"<rect class=\"text-box\"", "x=\"150\" y=\"100\" width=\"70\" height=\"20\""}).size(), 1u);
}

TEST_F(PageDrawing, DrawsComposedTextLinesEscaped)
{
    Item& box = addTextBox(m_layout, 0, rect(100, 50, 300, 350));
    setTextFrame(m_layout, box.ref(), pt(4));
    setType(m_layout, box.ref(), 1, pt(12));
    setText(m_layout, box.ref(), "Tom & <Jerry>\r\"Quotes\" 'too'");

    const std::string svg = drawPageSvg(m_layout, 0);
    const auto texts = linesWith(svg, {"<text "});
    ASSERT_EQ(texts.size(), 2u) << svg;
    EXPECT_NE(texts[0].find("x=\"54\""), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find("font-size=\"12\""), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find(">Tom &amp; &lt;Jerry&gt;</text>"), std::string::npos) << texts[0];
    EXPECT_NE(texts[1].find(">&quot;Quotes&quot; &apos;too&apos;</text>"), std::string::npos) << texts[1];
    // The baselines lie inside the box, the second below the first.
    const auto baseline = [](const std::string& line) {
        const size_t at = line.find(" y=\"") + 4;
        return std::stod(line.substr(at, line.find('"', at) - at));
    };
    EXPECT_GT(baseline(texts[0]), 104);
    EXPECT_LT(baseline(texts[0]), 104 + 12 * 1.5);
    EXPECT_GT(baseline(texts[1]), baseline(texts[0]));
}

TEST_F(PageDrawing, DrawsFramesBackgroundsLinesAndTextInTheirColours)
{
    const int16_t sky = m_layout.colours().add("Sky", model::ColourValue::rgb({0x6666, 0xB333, 0xFFFF}), model::Ink::Spot).id;
    Item& box = addBox(m_layout, 0, rect(100, 50, 200, 150));
    box.setWeight(pt(2));
    box.setFrame({xt::kRedColour, xt::kFixedOne});
    box.setBackground({sky, pt(0.5)});
    Item& noFrameColour = addBox(m_layout, 0, rect(300, 50, 400, 150));
    noFrameColour.setWeight(pt(2));
    noFrameColour.setFrame({xt::kNoColour, xt::kFixedOne});
    noFrameColour.setBackground({xt::kYellowColour, 0});
    Item& noBackground = addBox(m_layout, 0, rect(500, 50, 600, 150));
    noBackground.setBackground({xt::kYellowColour, xt::kFixedOne});
    xt::BoxRecord record = noBackground.record();
    record.reserved0[4] = 0x01; // the no-background bit
    noBackground.apply(record);
    Item& line = addLine(m_layout, 0, point(10, 20), point(30, 60));
    line.setFrame({xt::kCyanColour, pt(0.5)});
    Item& text = addTextBox(m_layout, 0, rect(650, 50, 750, 550));
    model::Story& story = setText(m_layout, text.ref(), "Blue sky\rall black");
    model::CharacterAttributes blue = story.characterRuns().valueAt(0);
    blue.colour = sky;
    story.setCharacterAttributes({5, 8}, blue);

    const std::string svg = drawPageSvg(m_layout, 0);
    EXPECT_NE(itemLine(svg, box).find("fill=\"#b3d9ff\" stroke=\"#ff0000\" stroke-width=\"2\""), std::string::npos)
        << itemLine(svg, box) << " (Sky at 50 % and Red)";
    EXPECT_NE(itemLine(svg, noFrameColour).find("fill=\"none\" stroke=\"#999999\" stroke-width=\"0.25\""), std::string::npos)
        << "a frame of no colour shows as a hairline, a background at 0 % not at all: " << itemLine(svg, noFrameColour);
    EXPECT_NE(itemLine(svg, noBackground).find("fill=\"none\""), std::string::npos) << itemLine(svg, noBackground);
    EXPECT_NE(itemLine(svg, line).find("stroke=\"#7fffff\""), std::string::npos) << itemLine(svg, line);
    const auto texts = linesWith(svg, {"<text "});
    ASSERT_EQ(texts.size(), 2u) << svg;
    EXPECT_NE(texts[0].find("><tspan fill=\"#000000\">Blue </tspan><tspan fill=\"#66b3ff\">sky</tspan></text>"), std::string::npos)
        << texts[0];
    EXPECT_NE(texts[1].find("fill=\"#000000\">all black</text>"), std::string::npos) << texts[1];
}

TEST_F(PageDrawing, DrawsARightPageInItsOwnCoordinates)
{
    model::setFacingPages(m_layout, true);
    m_layout.appendPage({});
    // Pages 2 and 3 share a spread; page 3 starts 612 pt across it.
    Item& box = addBox(m_layout, 2, rect(100, 700, 150, 750));
    const std::string svg = drawPageSvg(m_layout, 2);
    EXPECT_NE(itemLine(svg, box).find("x=\"88\" y=\"100\" width=\"50\" height=\"50\""), std::string::npos)
        << itemLine(svg, box);
}

TEST_F(PageDrawing, RefusesAPageTheLayoutDoesNotHave)
{
    EXPECT_THROW(drawPageSvg(m_layout, 2), std::out_of_range);
}

TEST(SvgText, EscapesMarkupAndReplacesWhatXmlForbids)
{
    const struct {
        std::string_view text;
        std::string_view expected;
    } kCases[] = {
        {"a<b>&\"c'", "a&lt;b&gt;&amp;&quot;c&apos;"},
        {"tab\tand line\n", "tab\tand line\n"},
        {std::string_view("nul\0bell\x07", 9), "nul\xEF\xBF\xBD" "bell\xEF\xBF\xBD"},
        {"caf\xC3\xA9 \xE2\x82\xAC", "caf\xC3\xA9 \xE2\x82\xAC"},    // well-formed UTF-8 kept
        {"bad \xC3 end", "bad \xEF\xBF\xBD end"},                      // a cut sequence
        {"over \xC0\xAF", "over \xEF\xBF\xBD\xEF\xBF\xBD"},            // an overlong '/'
        {"sur \xED\xA0\x80", "sur \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // an encoded surrogate
    };
    for (const auto& row : kCases) {
        SCOPED_TRACE(std::string(row.text));
        EXPECT_EQ(escapeXml(row.text), row.expected);
    }
    EXPECT_EQ(utf8FromUtf16(u"a\u00E9\U0001F600"), "a\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(svgNumber(-0.0001), "0");
    EXPECT_EQ(svgNumber(12.5), "12.5");
    EXPECT_EQ(svgNumber(1.0 / 3), "0.333");
}

TEST(SvgText, CommentsAndTextOfAnyContentStayWellFormed)
{
    SvgWriter svg(10, 10);
    svg.comment("a -- b --> c");
    svg.textElement("text", {{"data-name", "\"><script>"}}, "</text><script>");
    const std::string out = svg.finish();
    EXPECT_NE(out.find("<!-- a - - b - -&gt; c -->"), std::string::npos) << out;
    EXPECT_NE(out.find("data-name=\"&quot;&gt;&lt;script&gt;\""), std::string::npos) << out;
    EXPECT_EQ(out.find("<script>"), std::string::npos) << out;
}

/// A host with no plug-ins, for the `draw` command; the work directory is a fresh folder.
class DrawCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostOptions options;
        options.systemDirectory = m_folder.path() / "system";
        m_host = std::make_unique<Host>(options);
        m_host->startSession();
    }

    ExitStatus run(const char* text)
    {
        const ParseResult parsed = parseScript(text);
        EXPECT_TRUE(parsed.script);
        if (!parsed.script)
            return ExitStatus::BadInput;
        ScriptRunner runner(*m_host, m_out, m_err, m_folder.path());
        return runner.run(*parsed.script, "session.txt");
    }

    std::string fileText(const std::string& name) const
    {
        std::ifstream in(m_folder.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    xt_testing::TemporaryFolder m_folder;
    std::unique_ptr<Host> m_host;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(DrawCommand, WritesThePageAsAnSvgFile)
{
    EXPECT_EQ(run("new pages 2 size 300 x 400\ndraw 2 page-2.svg\n"), ExitStatus::Ok) << m_err.str();
    EXPECT_NE(m_out.str().find("[document] drew page 2 as \"page-2.svg\"\n"), std::string::npos) << m_out.str();
    const std::string svg = fileText("page-2.svg");
    EXPECT_NE(svg.find("viewBox=\"0 0 300 400\""), std::string::npos) << svg;
    EXPECT_EQ(svg, drawPageSvg(*m_host->currentDocument(), 1));
    EXPECT_EQ(m_folder.fileNames(), (std::vector<std::string>{"page-2.svg", "system"}));
}

TEST_F(DrawCommand, RefusesABadPageNamingTheLineAndWritesNothing)
{
    EXPECT_EQ(run("new pages 2\n# then a page too far\ndraw 3 page-3.svg\necho not reached\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:3: draw: there is no page 3; the document has 2 pages\n");
    EXPECT_EQ(m_out.str().find("not reached"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_folder.path() / "page-3.svg"));
}

TEST_F(DrawCommand, RefusesWithoutADocumentOrAFolderToWriteIn)
{
    EXPECT_EQ(run("draw 1 page-1.svg\n"), ExitStatus::Failed);
    EXPECT_EQ(m_err.str(), "session.txt:1: draw: no document is open\n");

    m_err.str("");
    EXPECT_EQ(run("new\ndraw 1 missing/page-1.svg\n"), ExitStatus::Failed);
    EXPECT_NE(m_err.str().find("session.txt:2: draw: cannot write"), std::string::npos) << m_err.str();
    EXPECT_EQ(m_folder.fileNames(), (std::vector<std::string>{"system"}));
}

TEST_F(DrawCommand, AFailedDrawLeavesTheEarlierFileWhole)
{
    ASSERT_EQ(run("new\ndraw 1 page.svg\n"), ExitStatus::Ok) << m_err.str();
    const std::string before = fileText("page.svg");
    // A folder in the way of the rename: the write fails and the picture drawn before stays.
    std::filesystem::create_directory(m_folder.path() / ("page.svg.drawing-" + std::to_string(::getpid())));
    EXPECT_EQ(run("new size 100 x 100\ndraw 1 page.svg\n"), ExitStatus::Failed);
    EXPECT_EQ(fileText("page.svg"), before);
}

} // namespace
} // namespace host::app
