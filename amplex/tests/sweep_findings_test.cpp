// Failures the fault sweep found in Amplex's sessions, each once a crash or a silent change of the
// document: every one of those calls, failed again, now ends soundly.
#include <gtest/gtest.h>

#include <filesystem>

#include "tools/sweep/testing/sound_runs.h"

namespace amplex::testing {
namespace {

const std::filesystem::path kSweepSessions = std::filesystem::path(XT_PLUGIN_SOURCE_DIR) / "sweep";
const std::filesystem::path kExamples = std::filesystem::path(XT_EXAMPLES_DIR);

TEST(AmplexSweepFindings, MenusAndDialog)
{
    sweep::expectSoundRuns(kSweepSessions / "amplex-menus.txt",
        {
            "GetTextObjectLength:1", // a failed length became a huge string size: the dialog aborted the host
            "XpgOp982:1",            // a failed read of the grid start wrote a start of zero back
            "XdgOp512:4",            // a failed read of the margins wrote margins of zero back
        });
}

TEST(AmplexSweepFindings, DocumentScale)
{
    sweep::expectSoundRuns(kSweepSessions / "amplex-scale-document.txt",
        {
            "XdnOp519:4",           // the page width unread: margins scaled, pages not
            "DocumentOp5216:1",     // a master page's margins left as they were
            "GetDocumentWindow:12", // no window: the master pages were passed over
            "SetFieldNumber:5",     // a value field not made numeric read the typed value as nothing
        });
}

TEST(AmplexSweepFindings, ScaleSession)
{
    sweep::expectSoundRuns(kExamples / "scale-session.txt",
        {
            "BoxRecordOp3010:1", // an item not scaled while the others were
            "XgfOp672:1",        // a line's end left untransformed
            "TabOp1685:1",       // the Scale page missing: the old settings scaled
            "GetHandleSize:15",  // redo with no readable undo entry crashed
        });
}

TEST(AmplexSweepFindings, PaletteSession)
{
    sweep::expectSoundRuns(kExamples / "palette-session.txt",
        {
            "GetCurrentBox:7", // the palette's button found no selection and scaled the page instead
            "ItemOp224:3",     // redo measured no selection and scaled about the wrong point
        });
}

TEST(AmplexSweepFindings, TextFitSession)
{
    sweep::expectSoundRuns(kExamples / "text-fit-session.txt",
        {
            "GetSelectedTab:1",   // the Text Fit page in front unknown: OK scaled instead of fitting
            "GetTextValue691:9",  // a run's value unread looked "mixed": the fit passed it over
            "SetControlValue:3",  // a Text Fit switch not shown: the page read back another choice
        });
}

TEST(AmplexSweepFindings, StepAndRepeatAndPageRange)
{
    sweep::expectSoundRuns(kSweepSessions / "amplex-step-and-pages.txt",
        {
            "GetFieldNumber:8", // the repeat count unread: one scale instead of two copies
            "XaqOp2966:1",      // the host's step and repeat refused: no copy, no word
            "GetGroupItem:5",   // a group's members not gathered again after their scale
            "GetBoxBounds:18",  // "From page": an item whose page is unknown was passed over
        });
}

} // namespace
} // namespace amplex::testing
