// The Twinnel fixture's steps.
#include "twinnel/tests/twinnel_fixture.h"

#include <algorithm>

#include "host/model/document_json.h"
#include "host/model/items/item_store.h"
#include "twinnel/resources/dialog_resources.h"
#include "win32/standin.h"

namespace twinnel::testing {

void TwinnelTest::SetUp()
{
    ProbeHostTest::SetUp();
    startSessionWithDocument(4);
    for (size_t page = 0; page < 4; ++page) {
        const int32_t box = markPage(layout(), page);
        if (page == 0)
            m_sourceBox = box;
    }
    select({});
}

int32_t TwinnelTest::markPage(host::model::Layout& target, size_t page)
{
    const double width = 10.0 + 10.0 * static_cast<double>(page);
    return host::model::testdoc::addBox(target, page, rect(100, 100, 150, 100 + width)).ref();
}

std::vector<std::vector<int>> TwinnelTest::marks(const host::model::Layout& target)
{
    std::vector<std::vector<int>> out;
    for (size_t page = 0; page < target.pageCount(); ++page) {
        std::vector<int> widths;
        for (const int32_t ref : target.items().topLevelOnPage(target.page(page).ref())) {
            const host::model::Item* found = target.items().find(ref);
            const xt::FixedRect bounds = target.items().bounds(*found);
            widths.push_back((bounds.right - bounds.left) / xt::kFixedOne);
        }
        std::sort(widths.begin(), widths.end());
        out.push_back(widths);
    }
    return out;
}

void TwinnelTest::answerPages(const std::string& pageText, int32_t destinationRow)
{
    user().setText(PageTextField, pageText);
    user().choose(DestinationPopup, destinationRow);
    user().ok();
}

void TwinnelTest::answerSelection(int32_t toPage, int32_t copies, int32_t destinationRow)
{
    user().setText(ToPageField, std::to_string(toPage));
    user().setText(CopiesField, std::to_string(copies));
    user().choose(DestinationPopup, destinationRow);
    user().ok();
}

bool TwinnelTest::clone()
{
    return m_host->chooseMenuItem("VORNE > Twinnel...");
}

std::filesystem::path TwinnelTest::outputFolder(const std::string& name)
{
    const auto folder = systemFolder() / name;
    std::filesystem::create_directories(folder);
    return folder;
}

void TwinnelTest::answerFolder(const std::filesystem::path& folder)
{
    host::ui::ChooserAnswer answer;
    answer.kind = host::ui::ChooserKind::Folder;
    answer.shown = folder.filename().string();
    answer.value = folder.string();
    m_host->windows().chooserUser().queue(answer);
}

void TwinnelTest::answerFile(const std::filesystem::path& file)
{
    host::ui::ChooserAnswer answer;
    answer.kind = host::ui::ChooserKind::File;
    answer.shown = file.filename().string();
    answer.value = file.string();
    m_host->windows().chooserUser().queue(answer);
}

host::model::Project& TwinnelTest::reopen(const std::filesystem::path& file)
{
    m_reopened.push_back(std::make_unique<host::model::DocumentModel>());
    const auto result = host::model::openDocument(file, *m_reopened.back());
    EXPECT_TRUE(result) << result.error;
    if (!result)
        return m_reopened.back()->addProject("missing");
    return *result.project;
}

std::vector<std::string> TwinnelTest::filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

size_t TwinnelTest::beeps() const
{
    return m_host->beeps().size();
}

} // namespace twinnel::testing
