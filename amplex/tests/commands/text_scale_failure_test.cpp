// Text host calls failing in a scale of a text box or its undo: the user is told whenever the text
// comes out other than asked, and no attribute ever takes a value neither its own nor its scaled one.
#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "amplex/tests/commands_fixture.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_text.h"

namespace amplex::testing {
namespace {

using namespace host::model::testdoc;

constexpr char kScaleUnfinished[] =
    "Amplex could not finish scaling: the host refused a change, so some items may be left part scaled.";
constexpr char kUndoUnfinished[] =
    "Amplex could not finish undoing the scale: the host refused a change. Some items may keep their new size.";

// The calls the text scaler, its undo record and its undo make.
constexpr const char* kTextCalls[] = {"GetBoxTextInfo", "GetTextChars", "GetTextRunAttribute", "GetTextValue691",
    "SetStoryValue3094", "SetTextRunAttribute", "SetTextSelection", "GetTextSelection", "TextOp3095", "TextOp3096",
    "GetStoryTabContext", "GetTabList", "NewPointer", "NewHandle", "CopyHandle", "GetHandleSize", "FindNextAnchor",
    "GetAnchoredItem", "CopyTextToHandle2828"};

enum class Sample : uint8_t {
    Box,        // one text box
    ChainTail,  // the second box of a chain, alone: its own characters scale, the first box's stay
    Anchored,   // one text box with a box anchored in its second paragraph
};
constexpr Sample kSamples[] = {Sample::Box, Sample::ChainTail, Sample::Anchored};

const char* nameOf(Sample sample)
{
    constexpr const char* kNames[] = {" box", " chain", " anchored"};
    return kNames[static_cast<size_t>(sample)];
}

/// Every text attribute the scale changes, by where it sits: "size@3", "leading@p1", "tab0@p0".
using TextState = std::map<std::string, xt::Fixed>;

class TextScaleFailureTest : public CommandTest {
protected:
    /// A fresh host and document holding the sample, selected, with the scale's settings.
    void freshDocument(Sample sample)
    {
        ASSERT_NO_FATAL_FAILURE(startHost());
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kCommandsProbeSymbol, m_commands));
        m_layout = &m_host->newDocument({.pageCount = 2});
        settings().Constrain = 0;
        settings().ScaleWhat = ScaleSelectionOnly;
        settings().ScaleByPercent = 1;
        settings().ScaleText = 1;
        settings().ScaleLeading = 1;
        settings().ScaleTabs = 1;
        settings().ScaleGutters = 1;
        settings().KeepTextProportional = 0;
        settings().RoundFonts = 0;
        settings().SizeWarnings = 0;
        settings().ScaleRunaround = 1;
        setFactors(0.5, 0.75);
        m_box = styledBox();
        m_anchored = 0;
        if (sample == Sample::ChainTail) {
            const int32_t tail = addTextBox(layout(), 0, rect(400, 100, 600, 300)).ref();
            // One line of the first paragraph fits the first box; the rest runs on.
            items().find(m_box)->setRect(rect(100, 100, 135, 300));
            ASSERT_TRUE(linkChain(layout(), {m_box, tail}));
            m_box = tail;
            m_host->user().answer(host::ui::Button::Yes);
        }
        if (sample == Sample::Anchored) {
            m_anchored = addBox(layout(), 0, rect(120, 120, 140, 160)).ref();
            host::model::storyOfTextBox(layout(), m_box)->insertAnchor(15, m_anchored);
        }
        select({m_box});
    }

    /// "Big words\r" in 24 pt with "words" 80 % wide, then "small text\r" in 10 pt. The first
    /// paragraph has leading, an indent and two tab stops, the second leading and space before.
    int32_t styledBox()
    {
        const int32_t box = addTextBox(layout(), 0, rect(100, 100, 300, 300)).ref();
        setType(layout(), box, 1, pt(10));
        host::model::Story& s = setText(layout(), box, "Big words\rsmall text\r");
        s.setCharacterValue({0, 10}, xt::kCharSize, pt(24));
        s.setCharacterValue({4, 9}, xt::kCharHorizontalScale, pt(0.8));
        s.setParagraphValue({0, 10}, xt::kParaLeading, pt(28));
        s.setParagraphValue({0, 10}, xt::kParaLeftIndent, pt(10));
        s.setTabs({0, 10}, {host::model::TabStop{.position = pt(36)}, host::model::TabStop{.position = pt(72)}});
        s.setParagraphValue({10, 21}, xt::kParaLeading, pt(12));
        s.setParagraphValue({10, 21}, xt::kParaSpaceBefore, pt(6));
        return box;
    }

    TextState textState()
    {
        const host::model::Story& s = *host::model::storyOfTextBox(layout(), m_box);
        TextState state;
        for (int32_t at = 0; at < s.length(); ++at) {
            const auto& character = s.characterRuns().valueAt(at);
            state["size@" + std::to_string(at)] = character.size;
            state["width@" + std::to_string(at)] = character.horizontalScale;
        }
        for (const int32_t at : {0, 10}) {
            const auto& paragraph = s.paragraphAttributesAt(at);
            const std::string where = at == 0 ? "@p0" : "@p1";
            state["leading" + where] = paragraph.leading;
            state["before" + where] = paragraph.spaceBefore;
            state["indent" + where] = paragraph.leftIndent;
            for (size_t i = 0; i < paragraph.tabs.size(); ++i)
                state["tab" + std::to_string(i) + where] = paragraph.tabs[i].position;
            state["tabs" + where] = static_cast<xt::Fixed>(paragraph.tabs.size());
        }
        return state;
    }

    /// The document before and after a scale and its undo that no failure touched.
    struct CleanRun {
        std::string before, scaled;
        TextState beforeText, scaledText;
        std::map<std::string, int32_t> scaleCalls, undoCalls;
    };

    std::map<std::string, int32_t> callCounts() const
    {
        std::map<std::string, int32_t> counts;
        for (const char* name : kTextCalls)
            counts[name] = m_host->faults().callCount(name);
        return counts;
    }

    static std::map<std::string, int32_t> since(const std::map<std::string, int32_t>& start,
        const std::map<std::string, int32_t>& end)
    {
        std::map<std::string, int32_t> made;
        for (const auto& [name, count] : end)
            made[name] = count - start.at(name);
        return made;
    }

    CleanRun cleanRun(Sample sample)
    {
        CleanRun run;
        freshDocument(sample);
        const xt::FixedRect anchoredBefore = m_anchored != 0 ? boundsOf(m_anchored) : xt::FixedRect{};
        run.before = saved();
        run.beforeText = textState();
        const auto start = callCounts();
        m_commands->scaleWithSettings();
        const auto scaled = callCounts();
        run.scaled = saved();
        run.scaledText = textState();
        if (m_anchored != 0) {
            EXPECT_FALSE(sameRect(boundsOf(m_anchored), anchoredBefore)) << "the anchored box scales with the text";
        }
        EXPECT_TRUE(m_host->undo());
        run.scaleCalls = since(start, scaled);
        run.undoCalls = since(scaled, callCounts());
        EXPECT_NE(run.scaled, run.before);
        EXPECT_EQ(saved(), run.before);
        // The chain's first box keeps its characters; the last character is the tail's.
        EXPECT_EQ(run.scaledText.at("size@0") == run.beforeText.at("size@0"), sample == Sample::ChainTail);
        EXPECT_NE(run.scaledText.at("size@20"), run.beforeText.at("size@20"));
        EXPECT_FALSE(shown(kScaleUnfinished) || shown(kUndoUnfinished));
        return run;
    }

    /// Each attribute holds its own value or its scaled one; never a third.
    void expectOwnOrScaled(const CleanRun& clean)
    {
        const TextState now = textState();
        ASSERT_EQ(now.size(), clean.beforeText.size());
        for (const auto& [slot, value] : now) {
            const std::set<xt::Fixed> allowed{clean.beforeText.at(slot), clean.scaledText.at(slot)};
            EXPECT_TRUE(allowed.contains(value)) << slot << " is " << value / 65536.0 << " pt";
        }
    }

    void scaleFailing(Sample sample, const CleanRun& clean, const char* name, int32_t n)
    {
        SCOPED_TRACE(std::string(name) + ":" + std::to_string(n) + nameOf(sample));
        ASSERT_NO_FATAL_FAILURE(freshDocument(sample));
        m_host->faults().failNth(name, n);
        m_commands->scaleWithSettings();
        m_host->faults().clear();
        const std::string after = saved();
        const bool told = shown(kScaleUnfinished);
        EXPECT_TRUE(told || after == clean.scaled || after == clean.before);
        expectOwnOrScaled(clean);
        if (after == clean.before)
            return;

        // What the record kept comes back; what it could not keep stays scaled, never blank.
        ASSERT_TRUE(m_host->undo());
        expectOwnOrScaled(clean);
        EXPECT_TRUE(told || saved() == clean.before);
    }

    void undoFailing(Sample sample, const CleanRun& clean, const char* name, int32_t n)
    {
        SCOPED_TRACE(std::string(name) + ":" + std::to_string(n) + nameOf(sample));
        ASSERT_NO_FATAL_FAILURE(freshDocument(sample));
        m_commands->scaleWithSettings();
        ASSERT_EQ(saved(), clean.scaled);
        m_host->faults().failNth(name, n);
        ASSERT_TRUE(m_host->undo());
        m_host->faults().clear();
        EXPECT_TRUE(shown(kUndoUnfinished) || saved() == clean.before);
        expectOwnOrScaled(clean);
    }

    bool shown(const char* message) const
    {
        const auto texts = messageTexts();
        return std::find(texts.begin(), texts.end(), message) != texts.end();
    }

    int32_t m_box = 0;
    int32_t m_anchored = 0;
};

TEST_F(TextScaleFailureTest, AFailedCallDuringTheScaleIsToldOrChangesNothingAndUndoStillRestores)
{
    for (const Sample sample : kSamples) {
        const CleanRun clean = cleanRun(sample);
        int32_t failed = 0;
        for (const char* name : kTextCalls) {
            for (int32_t n = 1; n <= clean.scaleCalls.at(name); ++n, ++failed)
                scaleFailing(sample, clean, name, n);
        }
        EXPECT_GT(failed, 0) << "the scale" << nameOf(sample) << " made none of the calls";
    }
}

TEST_F(TextScaleFailureTest, AFailedCallDuringTheUndoIsToldOrChangesNothing)
{
    for (const Sample sample : kSamples) {
        const CleanRun clean = cleanRun(sample);
        int32_t failed = 0;
        for (const char* name : kTextCalls) {
            for (int32_t n = 1; n <= clean.undoCalls.at(name); ++n, ++failed)
                undoFailing(sample, clean, name, n);
        }
        EXPECT_GT(failed, 0) << "the undo" << nameOf(sample) << " made none of the calls";
    }
}

} // namespace
} // namespace amplex::testing
