// The files in examples/ stay usable: the document opens and saves back unchanged, every session parses.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/app/page_svg.h"
#include "host/app/page_svg_colours.h"
#include "host/app/script_parser.h"
#include "host/model/document_json.h"
#include "host/model/pages/page_names.h"
#include "testing/temporary_folder.h"

namespace host::app {
namespace {

namespace fs = std::filesystem;
using xt_testing::readFile;

const fs::path kExamples = XT_EXAMPLES_DIR;

TEST(Examples, TheExampleDocumentOpensAndSavesBackUnchanged)
{
    model::DocumentModel documents;
    const model::OpenResult opened = model::openDocument(kExamples / "example-document.json", documents);
    ASSERT_TRUE(opened) << opened.error;
    EXPECT_EQ(opened.project->layoutCount(), 2u);

    xt_testing::TemporaryFolder folder;
    ASSERT_TRUE(model::saveDocument(*opened.project, folder.path() / "copy.json"));
    EXPECT_EQ(readFile(folder.path() / "copy.json"), readFile(kExamples / "example-document.json"));
}

TEST(Examples, TheExampleDocumentsColoursShowOnItsFirstPage)
{
    model::DocumentModel documents;
    const model::OpenResult opened = model::openDocument(kExamples / "example-document.json", documents);
    ASSERT_TRUE(opened) << opened.error;
    const model::Layout& layout = opened.project->layout(0);
    const auto shown = [&](const char* name, xt::Fixed shade) {
        const model::Colour* colour = layout.colours().findByName(name);
        EXPECT_NE(colour, nullptr) << name;
        return colour ? *svgColour(layout.colours(), colour->id(), shade) : std::string();
    };
    const std::string svg = drawPageSvg(layout, 0);
    EXPECT_NE(svg.find("stroke=\"" + shown("Harbour Blue", xt::kFixedOne) + "\" stroke-width=\"2\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("fill=\"" + shown("Sunflower", xt::kFixedOne / 2) + "\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("stroke=\"" + shown("Red", xt::kFixedOne) + "\" stroke-width=\"4\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("fill=\"" + shown("Harbour Blue", xt::kFixedOne) + "\">Scaled by Amplex.</text>"), std::string::npos) << svg;
}

TEST(Examples, TheLayersAndSectionsExampleOpensSavesBackAndDrawsItsGuidesAndShownLayers)
{
    model::DocumentModel documents;
    const model::OpenResult opened = model::openDocument(kExamples / "pages-document.json", documents);
    ASSERT_TRUE(opened) << opened.error;
    const model::Layout& layout = opened.project->layout(0);
    EXPECT_EQ(model::pageName(layout, 0), "i");
    EXPECT_EQ(model::pageName(layout, 2), "A-1");
    ASSERT_EQ(layout.layers().inOrder().size(), 3u);
    EXPECT_EQ(layout.layers().current(), layout.layers().findByName("Marks")->id);
    EXPECT_EQ(layout.settings().rulerOrigin.top, 36 * xt::kFixedOne);

    xt_testing::TemporaryFolder folder;
    ASSERT_TRUE(model::saveDocument(*opened.project, folder.path() / "copy.json"));
    EXPECT_EQ(readFile(folder.path() / "copy.json"), readFile(kExamples / "pages-document.json"));

    model::GuideKindColours colours;
    colours.set(xt::fourCC("GRD1"), {0xFFFF, 0, 0});
    const std::string svg = drawPageSvg(layout, 0, colours);
    EXPECT_NE(svg.find("class=\"guide\" x1=\"306\" y1=\"0\" x2=\"306\" y2=\"792\" fill=\"none\" stroke=\"#ff0000\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("class=\"guide\" x1=\"0\" y1=\"420\" x2=\"612\" y2=\"420\" fill=\"none\" stroke=\"#3399ff\""), std::string::npos) << svg;
    int hidden = 0;
    for (int32_t ref : layout.items().topLevelOnPage(layout.page(0).ref())) {
        const bool shown = layout.layers().find(layout.items().find(ref)->layer())->visible;
        hidden += shown ? 0 : 1;
        EXPECT_EQ(svg.find("data-item=\"" + std::to_string(ref) + "\"") != std::string::npos, shown) << ref;
    }
    EXPECT_EQ(hidden, 1) << "the Sunflower box sits on the hidden layer";
}

TEST(Examples, EverySessionParses)
{
    int sessions = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kExamples)) {
        if (entry.path().extension() != ".txt")
            continue;
        const std::string name = fs::relative(entry.path(), kExamples).string();
        const ParseResult parsed = parseScript(readFile(entry.path()));
        ASSERT_TRUE(parsed.script) << formatScriptError(name, parsed.errors.front());
        EXPECT_FALSE(parsed.script->commands.empty()) << name;
        ++sessions;
    }
    EXPECT_GT(sessions, 0) << "no session in " << kExamples;
}

} // namespace
} // namespace host::app
