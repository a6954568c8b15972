// Documents as JSON files: what a saved file holds, round trips, and damaged files refused whole.
#include "host/model/document_json.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "testing/temporary_folder.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace host::model {
namespace {

using Json = nlohmann::ordered_json;

constexpr xt::Fixed points(double value)
{
    return static_cast<xt::Fixed>(value * xt::kFixedOne);
}

/// A project of two layouts: three Letter pages, then an A4 page and an odd size with a fraction of a point.
Project& buildBrochure(DocumentModel& model)
{
    model.newDocument({3, {}, "Brochure"});
    Project& project = model.project(0);
    Layout& second = project.addLayout("Inserts");
    second.appendPage({points(595.25), points(841.875)});
    second.appendPage({points(100.5), points(0.015625)});
    return project;
}

using xt_testing::readFile;
using xt_testing::writeFile;

class DocumentFile : public ::testing::Test {
protected:
    xt_testing::TemporaryFolder m_folder;
};

TEST_F(DocumentFile, SavedFileNamesItsFormatAndHoldsPagesInPoints)
{
    DocumentModel model;
    const Project& project = buildBrochure(model);
    ASSERT_TRUE(saveDocument(project, m_folder.path() / "brochure.json"));

    const Json saved = Json::parse(readFile(m_folder.path() / "brochure.json"));
    EXPECT_EQ(saved.begin().key(), "format");
    EXPECT_EQ(saved["format"], "vorne-layout");
    EXPECT_EQ(saved["version"], 1);
    EXPECT_EQ(saved["name"], "Brochure");
    ASSERT_EQ(saved["layouts"].size(), 2u);
    EXPECT_EQ(saved["layouts"][0]["pages"].size(), 3u);
    EXPECT_EQ(saved["layouts"][0]["pages"][0].dump(), R"({"width":612,"height":792})");
    EXPECT_EQ(saved["layouts"][1]["name"], "Inserts");
    EXPECT_EQ(saved["layouts"][1]["pages"][0].dump(), R"({"width":595.25,"height":841.875})");
}

TEST_F(DocumentFile, RoundTripKeepsEveryLayoutAndPage)
{
    DocumentModel original;
    const Project& written = buildBrochure(original);
    const auto file = m_folder.path() / "brochure.json";
    ASSERT_TRUE(saveDocument(written, file));

    DocumentModel reopened;
    const OpenResult result = openDocument(file, reopened);
    ASSERT_TRUE(result) << result.error;
    const Project& read = *result.project;
    EXPECT_EQ(read.name(), "Brochure");
    ASSERT_EQ(read.layoutCount(), 2u);
    for (size_t l = 0; l < 2; ++l) {
        const Layout& a = written.layout(l);
        const Layout& b = read.layout(l);
        EXPECT_EQ(b.name(), a.name());
        ASSERT_EQ(b.pageCount(), a.pageCount());
        for (size_t p = 0; p < a.pageCount(); ++p)
            EXPECT_EQ(b.page(p).size(), a.page(p).size()) << "layout " << l << " page " << p;
    }
    EXPECT_EQ(reopened.current(), &read.layout(0));
    EXPECT_EQ(documentToJson(read), documentToJson(written));
}

TEST_F(DocumentFile, OpeningAddsANewProjectBesideTheOpenOnes)
{
    DocumentModel model;
    const Project& first = buildBrochure(model);
    const auto file = m_folder.path() / "brochure.json";
    ASSERT_TRUE(saveDocument(first, file));

    const OpenResult result = openDocument(file, model);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(model.projectCount(), 2u);
    EXPECT_NE(result.project->layout(0).id(), first.layout(0).id());
    EXPECT_NE(result.project->layout(0).page(0).ref(), first.layout(0).page(0).ref());
}

struct DamagedDocument {
    const char* text;
    const char* error; // the start of the message the user sees
};

const DamagedDocument kDamagedDocuments[] = {
    {"", "not valid JSON: "},
    {"{\"format\": \"vorne-layout\", ", "not valid JSON: "},   // cut short
    {"[1, 2]", "not a VORNE layout document (expected a JSON object)"},
    {R"({"version": 1})", "not a VORNE layout document (\"format\" is not \"vorne-layout\")"},
    {R"({"format": "svg", "version": 1})", "not a VORNE layout document"},
    {R"({"format": "vorne-layout"})", "\"version\" must be a whole number"},
    {R"({"format": "vorne-layout", "version": "1"})", "\"version\" must be a whole number"},
    {R"({"format": "vorne-layout", "version": 2, "name": "x", "layouts": []})",
        "written in document format version 2; this host reads version 1"},
    {R"({"format": "vorne-layout", "version": 1, "layouts": [{"name": "L", "pages": [{"width": 1, "height": 1}]}]})",
        "\"name\" is missing"},
    {R"({"format": "vorne-layout", "version": 1, "name": 7, "layouts": []})", "\"name\" must be a text"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": []})",
        "\"layouts\" must be a list of at least one layout"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": {}})",
        "\"layouts\" must be a list of at least one layout"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [3]})",
        "\"layouts[0]\" must be a layout with a name and pages"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": []}]})",
        "\"layouts[0].pages\" must be a list of at least one page"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": [{"width": 612}]}]})",
        "\"layouts[0].pages[0].height\" is missing"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": [{"width": 612, "height": "792"}]}]})",
        "\"layouts[0].pages[0].height\" must be a length in points above 0 and below 32768"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": [{"width": -1, "height": 792}]}]})",
        "\"layouts[0].pages[0].width\" must be a length in points above 0 and below 32768"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": [{"width": 40000, "height": 792}]}]})",
        "\"layouts[0].pages[0].width\" must be a length in points above 0 and below 32768"}, // beyond 16.16
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": [{"width": 1e400, "height": 792}]}]})",
        "not valid JSON: "}, // overflows a double
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "pages": [{"width": 612, "height": 792}, null]}]})",
        "\"layouts[0].pages[1]\" must be a page like {\"width\": 612, \"height\": 792}"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "guides": [], "layouts": [{"name": "L", "pages": [{"width": 1, "height": 1}]}]})",
        "\"guides\" is not part of a version-1 document"},
    {R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [{"name": "L", "colour": 1, "pages": [{"width": 1, "height": 1}]}]})",
        "\"layouts[0].colour\" is not part of a version-1 document"},
    {"{\"format\": \"vorne-layout\", \"version\": 1, \"name\": \"\xff\", \"layouts\": []}", "not valid JSON: "}, // not UTF-8
};

TEST(DocumentJson, RefusesDamagedDocumentsAndAddsNothing)
{
    for (const auto& row : kDamagedDocuments) {
        SCOPED_TRACE(row.text);
        DocumentModel model;
        const OpenResult result = documentFromText(row.text, model);
        EXPECT_FALSE(result);
        EXPECT_TRUE(result.error.starts_with(row.error)) << result.error;
        EXPECT_EQ(model.projectCount(), 0u);
        EXPECT_EQ(model.current(), nullptr);
    }
}

TEST(DocumentJson, ALateFaultLeavesNoHalfLoadedProject)
{
    // The first layout is sound; the fault sits in the last page of the second.
    const char* text = R"({"format": "vorne-layout", "version": 1, "name": "x", "layouts": [
        {"name": "A", "pages": [{"width": 612, "height": 792}]},
        {"name": "B", "pages": [{"width": 612, "height": 792}, {"width": 0, "height": 792}]}]})";
    DocumentModel model;
    model.newDocument();
    const Layout* before = model.current();

    const OpenResult result = documentFromText(text, model);
    EXPECT_EQ(result.error, "\"layouts[1].pages[1].width\" must be a length in points above 0 and below 32768");
    EXPECT_EQ(model.projectCount(), 1u);
    EXPECT_EQ(model.current(), before);
}

TEST_F(DocumentFile, OpenNamesTheFileAndWhy)
{
    DocumentModel model;
    const auto missing = m_folder.path() / "missing.json";
    EXPECT_EQ(openDocument(missing, model).error, "cannot open \"" + missing.string() + "\": no such file");
    EXPECT_EQ(openDocument(m_folder.path(), model).error,
        "cannot open \"" + m_folder.path().string() + "\": it is not a file");

    const auto damaged = m_folder.path() / "damaged.json";
    writeFile(damaged, "{\"format\": \"vorne-layout\", \"version\": 1, \"name\": \"x\"");
    const OpenResult result = openDocument(damaged, model);
    EXPECT_TRUE(result.error.starts_with("cannot open \"" + damaged.string() + "\": not valid JSON: ")) << result.error;
    EXPECT_EQ(model.projectCount(), 0u);
}

/// Two layouts, each with a box, a line and a text box whose story says which layout it is in.
Project& buildFilledBrochure(DocumentModel& model)
{
    Project& project = buildBrochure(model);
    for (size_t l = 0; l < 2; ++l) {
        Layout& layout = project.layout(l);
        testdoc::addBox(layout, 0, testdoc::rect(36, 36, 72, 200));
        testdoc::addLine(layout, 0, testdoc::point(80, 36), testdoc::point(80, 200));
        const int32_t box = testdoc::addTextBox(layout, 0, testdoc::rect(90, 36, 150, 200)).ref();
        testdoc::setText(layout, box, "Story of layout " + std::to_string(l + 1) + ".");
    }
    return project;
}

TEST_F(DocumentFile, AFileOfSeveralLayoutsOpensWholeThoughItIsReadAPartAtATime)
{
    // The file is parsed as it is read and each layout's parsed items and stories are let go once read:
    // every layout still comes back with all of them, and the saved form is the same.
    DocumentModel original;
    const auto file = m_folder.path() / "filled.json";
    ASSERT_TRUE(saveDocument(buildFilledBrochure(original), file));

    // Items take new references when a file is first opened; from then on a round trip changes nothing.
    DocumentModel reopened;
    const OpenResult result = openDocument(file, reopened);
    ASSERT_TRUE(result) << result.error;
    for (size_t l = 0; l < 2; ++l) {
        const Layout& layout = result.project->layout(l);
        EXPECT_EQ(layout.items().size(), 3u) << "layout " << l;
        const Json stories = documentToJson(*result.project)["layouts"][l]["stories"];
        ASSERT_EQ(stories.size(), 1u) << "layout " << l;
        EXPECT_EQ(stories[0]["text"], "Story of layout " + std::to_string(l + 1) + ".");
    }
    const auto once = m_folder.path() / "once.json";
    ASSERT_TRUE(saveDocument(*result.project, once));
    DocumentModel third;
    const OpenResult again = openDocument(once, third);
    ASSERT_TRUE(again) << again.error;
    const auto twice = m_folder.path() / "twice.json";
    ASSERT_TRUE(saveDocument(*again.project, twice));
    EXPECT_EQ(readFile(twice), readFile(once));
    EXPECT_EQ(readFile(once), documentToJson(*result.project).dump(2) + "\n") << "the file is the whole document printed";
}

TEST_F(DocumentFile, AFaultInALaterLayoutRefusesTheFileThoughEarlierPartsWereAlreadyLetGo)
{
    DocumentModel original;
    const auto file = m_folder.path() / "filled.json";
    ASSERT_TRUE(saveDocument(buildFilledBrochure(original), file));
    Json damaged = Json::parse(readFile(file));
    damaged["layouts"][1]["stories"][0]["text"] = 12; // not a text
    writeFile(file, damaged.dump(2));

    DocumentModel model;
    const OpenResult result = openDocument(file, model);
    EXPECT_EQ(result.error, "cannot open \"" + file.string() + "\": \"layouts[1].stories[0].text\" must be a text");
    EXPECT_EQ(model.projectCount(), 0u);

    writeFile(file, readFile(file).substr(0, readFile(file).size() / 2)); // cut off half-way
    EXPECT_TRUE(openDocument(file, model).error.starts_with("cannot open \"" + file.string() + "\": not valid JSON: "));
    EXPECT_EQ(model.projectCount(), 0u);
}

TEST_F(DocumentFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    DocumentModel model;
    Project& project = buildBrochure(model);
    const auto file = m_folder.path() / "brochure.json";
    writeFile(file, "old contents");

    project.layout(1).rename("Caf\xe9"); // a Windows-1252 byte, not UTF-8
    const SaveResult result = saveDocument(project, file);
    EXPECT_EQ(result.error, "cannot write \"" + file.string() + "\": a name in the document is not UTF-8 text");
    EXPECT_EQ(readFile(file), "old contents");
    EXPECT_EQ(m_folder.fileNames(), std::vector<std::string>{"brochure.json"});
}

TEST_F(DocumentFile, SavingIntoAMissingFolderIsRefused)
{
    DocumentModel model;
    const auto file = m_folder.path() / "no-such-folder" / "a.json";
    const SaveResult result = saveDocument(buildBrochure(model), file);
    EXPECT_EQ(result.error, "cannot write \"" + file.string() + "\": the folder is missing or not writable");
    EXPECT_TRUE(m_folder.fileNames().empty());
}

} // namespace
} // namespace host::model
