// Failures the fault sweep found in Mockum's sessions, each once a silent change of the document:
// every one of those calls, failed again, now ends soundly.
#include <gtest/gtest.h>

#include <filesystem>

#include "tools/sweep/testing/sound_runs.h"

namespace mockum::testing {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(XT_EXAMPLES_DIR);

TEST(MockumSweepFindings, FillSession)
{
    sweep::expectSoundRuns(kExamples / "fill-box.txt",
        {
            "SetTextSelection:1", // the insertion point not put back at the start, and nobody told
        });
}

TEST(MockumSweepFindings, SelectionSession)
{
    sweep::expectSoundRuns(kExamples / "greek-selection.txt",
        {
            "GetCurrentTool:1", // the tool unread: the whole box greeked instead of the selection
            "GetCurrentTool:3", // the same when greeking back
        });
}

} // namespace
} // namespace mockum::testing
