// Projects through the host's operations: the open layout windows, new projects and layouts from a
// set-up, saving a project as a new file (never over one), opening it again, closing it, and style
// sheets copied and deleted between layouts.
#include <cstring>
#include <filesystem>
#include <fstream>

#include "host/host_context.h"
#include "host/tests/pages_fixture.h"
#include "xtapi/file_dialogs.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class ProjectOpsTest : public PagesTest {
protected:
    host::model::DocumentModel& documents() { return host::context().documents(); }

    int16_t newProject(const char* name)
    {
        const xt::Fixed margins[4] = {pt(36), pt(36), pt(36), pt(36)};
        void* setup = nullptr;
        EXPECT_EQ(hostOp<xt::op::XpkOp5070>()(pt(792), pt(612), margins, 0, 1, pt(12), 0, 3, 0, &setup), 0);
        xt::TextObject text = hostOp<xt::op::NewTextObject>()(name, 0, static_cast<int32_t>(std::strlen(name)));
        int16_t id = -1;
        EXPECT_EQ(hostOp<xt::op::XpkOp3090>()(text, xt::kPageSetupDocument, setup, &id), 0);
        hostOp<xt::op::DisposeTextObject>()(text);
        hostOp<xt::op::XpkOp3183>()(setup);
        return id;
    }

    static xt::FileSpec specOf(const std::filesystem::path& file)
    {
        xt::FileSpec spec{};
        std::memcpy(spec.name, file.c_str(), file.string().size() + 1);
        return spec;
    }

    std::filesystem::path folder()
    {
        const auto made = sys("projects");
        std::filesystem::create_directories(made);
        return made;
    }
};

TEST_F(ProjectOpsTest, ANewProjectTakesTheSetUpAndBecomesCurrent)
{
    const int16_t id = newProject("Made");
    ASSERT_GE(id, 0);
    host::model::Layout* made = documents().findById(id);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(documents().current(), made);
    EXPECT_EQ(made->pageCount(), 3u);
    EXPECT_EQ(documents().projectOf(*made)->name(), "Made");

    xt::TextObject layoutName = nullptr;
    xt::TextObject projectName = nullptr;
    ASSERT_EQ(hostOp<xt::op::XpkOp3141>()(made->ref(), &layoutName, &projectName), 0);
    EXPECT_STREQ(hostOp<xt::op::GetTextObjectChars>()(projectName), "Made");
    EXPECT_STREQ(hostOp<xt::op::GetTextObjectChars>()(layoutName), "Layout 1");
}

TEST_F(ProjectOpsTest, WindowsListEveryOpenLayoutInOrder)
{
    const int16_t second = newProject("Second");
    ASSERT_EQ(hostOp<xt::op::XgdOp675>()(layout().id()), 0);
    EXPECT_EQ(documents().current(), &layout());
    std::vector<int16_t> ids;
    xt::WindowRef window = 0;
    for (int32_t index = 0; hostOp<xt::op::DocumentOp504>()(index, &window) == 0; ++index)
        ids.push_back(hostOp<xt::op::XgdOp683>()(window));
    EXPECT_EQ(ids, (std::vector<int16_t>{layout().id(), second}));
    EXPECT_NE(hostOp<xt::op::XgdOp675>()(999), 0);
}

TEST_F(ProjectOpsTest, SavingNeverReplacesAFileAndTheFileOpensAgain)
{
    const int16_t id = newProject("Made");
    const xt::DocumentRef made = documents().findById(id)->ref();
    const auto taken = folder() / "Taken.json";
    std::ofstream(taken) << "mine";
    const xt::FileSpec takenSpec = specOf(taken);
    EXPECT_EQ(hostOp<xt::op::XpkOp5012>()(made, &takenSpec, 0x45), -48);
    std::ifstream in(taken);
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "mine");

    const auto file = folder() / "Fresh.json";
    const xt::FileSpec spec = specOf(file);
    ASSERT_EQ(hostOp<xt::op::XpkOp5012>()(made, &spec, 0x45), 0);
    EXPECT_EQ(documents().projectOf(*documents().findById(id))->name(), "Fresh");
    ASSERT_EQ(hostOp<xt::op::XpkOp3086>()(made), 0);
    EXPECT_EQ(documents().findById(id), nullptr);

    xt::DocumentRef first = 0;
    ASSERT_EQ(hostOp<xt::op::DocumentOp3147>()(&spec, 0x1A, &first), 0);
    ASSERT_NE(first, 0);
    EXPECT_EQ(documents().current(), &layout()) << "opening leaves the current layout as it was";
    int16_t firstId = -1;
    ASSERT_EQ(hostOp<xt::op::XpkOp3172>()(first, &firstId), 0);
    EXPECT_EQ(documents().findById(firstId)->pageCount(), 3u);
}

TEST_F(ProjectOpsTest, StyleSheetsAreCopiedByNameAndTheFirstOfAKindStays)
{
    const int16_t id = newProject("Made");
    host::model::Layout& made = *documents().findById(id);
    layout().styleSheets().addParagraphStyle(host::model::paragraphStyleNamed("Normal"));
    const int32_t heading = layout().styleSheets().addParagraphStyle(host::model::paragraphStyleNamed("Heading")).ref();
    made.styleSheets().addParagraphStyle(host::model::paragraphStyleNamed("Normal"));
    const int32_t from = layout().styleSheets().tableRef();
    const int32_t to = made.styleSheets().tableRef();

    ASSERT_EQ(hostOp<xt::op::CopyStyleSheetToDocument>()(from, heading, to), 0);
    ASSERT_EQ(hostOp<xt::op::CopyStyleSheetToDocument>()(from, heading, to), 0);
    ASSERT_EQ(made.styleSheets().count(xt::kParagraphStyle), 2u) << "a second copy replaces the first";
    const int32_t copied = made.styleSheets().styleAt(xt::kParagraphStyle, 1);
    EXPECT_EQ(made.styleSheets().findParagraph(copied)->name(), "Heading");

    EXPECT_NE(hostOp<xt::op::DeleteStyleSheet>()(to, made.styleSheets().styleAt(xt::kParagraphStyle, 0)), 0);
    EXPECT_EQ(hostOp<xt::op::DeleteStyleSheet>()(to, copied), 0);
    EXPECT_EQ(made.styleSheets().count(xt::kParagraphStyle), 1u);
}

} // namespace
} // namespace host_tests
