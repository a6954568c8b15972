// Sessions of layout-host with the plug-ins this build made, on documents built by the tests.
#include "amplex/tests/sessions/session_fixture.h"

#include <algorithm>

#include "host/model/document_json.h"
#include "tools/sweep/testing/sound_runs.h"

namespace amplex::testing {

namespace fs = std::filesystem;

nlohmann::json SessionOutcome::document(const std::string& name) const
{
    return nlohmann::json::parse(saved(name), nullptr, false);
}

std::string SessionOutcome::saved(const std::string& name) const
{
    return xt_testing::readFile(work / name);
}

host::model::Layout& AmplexSessionTest::newDocument(int32_t pages)
{
    m_layout = &m_model.newDocument({pages, {}, "Session"});
    return *m_layout;
}

SessionOutcome AmplexSessionTest::run(const std::string& name, const std::vector<std::string>& lines)
{
    const fs::path folder = m_folder / name;
    fs::create_directories(folder);
    const fs::path document = folder / "doc.json";
    if (m_layout) {
        const host::model::SaveResult saved = host::model::saveDocument(*m_model.projectOf(*m_layout), document);
        EXPECT_TRUE(saved) << saved.error;
    }
    std::string script = "open " + document.string() + "\n";
    for (const std::string& line : lines)
        script += line + "\n";
    xt_testing::writeFile(folder / "session.txt", script);
    const fs::path plugins = fs::path(XT_MODULE_FILE).parent_path();
    const sweep::HostRun run = sweep::runSession(folder, folder / "session.txt", plugins, "");
    SessionOutcome outcome;
    outcome.exitCode = run.end.signalled ? -run.end.code : run.end.code;
    outcome.printed = xt_testing::readFile(folder / "stdout.txt") + xt_testing::readFile(folder / "stderr.txt");
    outcome.work = folder / "work";
    return outcome;
}

std::vector<std::string> AmplexSessionTest::scaleUndoRedo(const std::vector<std::string>& dialogLines)
{
    std::vector<std::string> lines{"save before.json", "select all", "dialog click 1", "dialog click 4"};
    lines.insert(lines.end(), dialogLines.begin(), dialogLines.end());
    for (const char* line : {"dialog ok", "menu VORNE > Amplex...", "save scaled.json", "undo", "save undone.json",
             "redo", "save redone.json", "undo", "save undone-again.json"})
        lines.emplace_back(line);
    return lines;
}

namespace {

std::string firstDifference(const std::string& actual, const std::string& expected)
{
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    if (at == actual.size() && at == expected.size())
        return "no difference";
    const size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
    const size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
    const size_t line = static_cast<size_t>(std::count(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(from), '\n')) + 1;
    return "first difference at line " + std::to_string(line) + ": expected \"" + expected.substr(from, at - from + 60)
        + "\", got \"" + actual.substr(from, at - from + 60) + "\"";
}

void expectSaved(const SessionOutcome& outcome, const char* file, const std::string& expected)
{
    const std::string actual = outcome.saved(file);
    EXPECT_TRUE(actual == expected) << file << ": " << firstDifference(actual, expected);
}

} // namespace

void AmplexSessionTest::expectExactUndoRedo(const SessionOutcome& outcome)
{
    ASSERT_EQ(outcome.exitCode, 0) << outcome.printed;
    const std::string before = outcome.saved("before.json");
    const std::string scaled = outcome.saved("scaled.json");
    ASSERT_FALSE(before.empty());
    EXPECT_NE(scaled, before) << "the scale changed nothing";
    expectSaved(outcome, "undone.json", before);
    expectSaved(outcome, "redone.json", scaled);
    expectSaved(outcome, "undone-again.json", before);
}

void AmplexSessionTest::expectUndoKeepingCopies(const SessionOutcome& outcome)
{
    ASSERT_EQ(outcome.exitCode, 0) << outcome.printed;
    const std::string undone = outcome.saved("undone.json");
    ASSERT_FALSE(undone.empty());
    EXPECT_NE(undone, outcome.saved("scaled.json")) << "undo changed nothing";
    const nlohmann::json scaled = outcome.document("scaled.json");
    const nlohmann::json kept = outcome.document("undone.json");
    EXPECT_EQ(kept["layouts"][0]["items"].size(), scaled["layouts"][0]["items"].size());
    EXPECT_EQ(kept["layouts"][0]["pages"].size(), scaled["layouts"][0]["pages"].size());
    expectSaved(outcome, "redone.json", outcome.saved("scaled.json"));
    expectSaved(outcome, "undone-again.json", undone);
}

} // namespace amplex::testing
