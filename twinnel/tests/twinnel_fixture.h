// A host with Twinnel8.xnt loaded and its session started, a four-page layout whose pages each carry
// a box, and the steps every Twinnel test takes: the dialog's answers, the choosers', reopening a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/model/document_model.h"
#include "testing/probe_host.h"
#include "testing/test_document.h"

namespace twinnel::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;

/// Popup rows (from 0) of the destination entries.
enum DestinationRow : int32_t {
    CurrentLayoutRow = 0,
    ProjectFileRow = 1,
    NewProjectRow = 2,
    NewLayoutRow = 3,
    SplitPagesRow = 4,
    SplitLayoutsRow = 5,
    AllOpenLayoutsRow = 6,
    FirstOtherLayoutRow = 8,
};

class TwinnelTest : public xt_testing::ProbeHostTest {
protected:
    TwinnelTest() : ProbeHostTest(XT_MODULE_FILE) {}

    void SetUp() override;

    /// A box on page `page` (from 0) whose width tells the pages apart: 10 + 10 x page points wide.
    int32_t markPage(host::model::Layout& layout, size_t page);
    /// The width in points of each top-level item on each page, page by page: {{10}, {20}, ...}.
    static std::vector<std::vector<int>> marks(const host::model::Layout& layout);

    /// Queues the clone dialog's answers: the page list, then the destination row, then OK.
    void answerPages(const std::string& pageText, int32_t destinationRow);
    /// The dialog's answers for a selection: its to page, number of copies and destination.
    void answerSelection(int32_t toPage, int32_t copies, int32_t destinationRow);
    /// The clone command through the menu; false when the item was missing or disabled.
    bool clone();

    /// A folder of the test's own, made for the split outputs.
    std::filesystem::path outputFolder(const std::string& name = "out");
    void answerFolder(const std::filesystem::path& folder);
    void answerFile(const std::filesystem::path& file);

    /// The project saved in `file`, read into a model of its own.
    host::model::Project& reopen(const std::filesystem::path& file);
    /// The files in the folder, by name, sorted.
    static std::vector<std::string> filesIn(const std::filesystem::path& folder);

    host::model::Project& project(size_t index) { return m_host->documents().project(index); }
    size_t projectCount() { return m_host->documents().projectCount(); }
    int16_t currentId() { return m_host->documents().current()->id(); }
    size_t beeps() const;

    int32_t m_sourceBox = 0;

private:
    std::vector<std::unique_ptr<host::model::DocumentModel>> m_reopened;
};

} // namespace twinnel::testing
