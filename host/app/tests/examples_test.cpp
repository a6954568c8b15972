// The files in examples/ stay usable: the document opens and saves back unchanged, the session parses.
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "host/app/page_svg.h"
#include "host/app/page_svg_colours.h"
#include "host/app/script_parser.h"
#include "host/app/tests/temporary_folder.h"
#include "host/model/document_json.h"

namespace host::app {
namespace {

const std::filesystem::path kExamples = XT_EXAMPLES_DIR;

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Examples, TheExampleDocumentOpensAndSavesBackUnchanged)
{
    model::DocumentModel documents;
    const model::OpenResult opened = model::openDocument(kExamples / "example-document.json", documents);
    ASSERT_TRUE(opened) << opened.error;
    EXPECT_EQ(opened.project->layoutCount(), 2u);

    TemporaryFolder folder;
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

TEST(Examples, TheExampleSessionsParse)
{
    for (const char* name : {"session.txt", "amplex/scale-session.txt", "amplex/palette-session.txt"}) {
        const ParseResult parsed = parseScript(readFile(kExamples / name));
        ASSERT_TRUE(parsed.script) << formatScriptError(name, parsed.errors.front());
        EXPECT_FALSE(parsed.script->commands.empty()) << name;
    }
}

} // namespace
} // namespace host::app
