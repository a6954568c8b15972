// The phases of text fitting, in direct mode (the layout probe says whether the text overflows)
// and in chain mode (where the range's end lies: in this box, left of the column limit).
#include "amplex/engine/fitting/fit_text.h"

#include <limits>

#include "amplex/engine/fitting/fit_session.h"
#include "amplex/engine/fitting/layout_probe.h"
#include "amplex/engine/fitting/style_run_walk.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"

namespace amplex {
namespace {

constexpr int32_t kPhaseLimit = 1000;
constexpr xt::Fixed kNoLimit = std::numeric_limits<xt::Fixed>::max();

enum class FitMode : uint8_t { Direct, Chain };

/// Where the end of the range lies, for chain mode.
class ChainProbe {
public:
    ChainProbe(int32_t box, int32_t end, const FitBoxFacts& facts)
        : m_box(box), m_end(end), m_columnWidth(facts.columnWidth),
          m_byColumn(currentSettings().FitToBox == 0 && facts.columns > 1)
    {
    }

    /// The right edge of the column that holds the range's end, fixed before the first step.
    void fixColumnLimit()
    {
        if (!m_byColumn || m_columnWidth <= 0)
            return;
        const xt::Fixed x = endX();
        const int64_t column = x < m_columnWidth ? 0 : x / m_columnWidth;
        const int64_t limit = (column + 1) * int64_t{m_columnWidth};
        m_limit = limit > kNoLimit ? kNoLimit : static_cast<xt::Fixed>(limit);
    }

    /// Whether the text fits after a step in `direction`; also notes the host's stop flag.
    bool fits(StepDirection direction)
    {
        const bool inBox = xt::calls::TextOp687(m_box, m_end, 0) == m_box;
        if (!m_byColumn)
            return inBox;
        const bool leftOfLimit = endX() < m_limit;
        if (direction == StepDirection::Grow)
            return inBox && leftOfLimit;
        return leftOfLimit;
    }

    bool stopped() const { return m_stop != 0; }

private:
    xt::Fixed endX()
    {
        xt::Fixed x = 0;
        xt::Fixed y = 0;
        xt::calls::TextOffsetPosition404(m_box, m_end, &x, &y, &m_stop, 1);
        return x;
    }

    int32_t m_box;
    int32_t m_end;
    xt::Fixed m_columnWidth;
    bool m_byColumn;
    xt::Fixed m_limit = kNoLimit;
    uint8_t m_stop = 0;
};

class TextFitter {
public:
    TextFitter(int32_t box, int32_t story, TextPiece range, FitMode mode, const FitBoxFacts& facts)
        : m_box(box), m_story(story), m_range(range), m_mode(mode), m_chain(box, range.end, facts)
    {
    }

    void run()
    {
        if (m_mode == FitMode::Chain)
            runChain();
        else
            runDirect();
    }

private:
    void runDirect()
    {
        const std::optional<LayoutProbe> first = probeLayout(m_box);
        if (!first)
            return;
        auto overflows = [this] { return m_overflows; };
        auto fits = [this] { return !m_overflows; };
        if (!first->overflows() && !runPhase(StepDirection::Grow, StepSize::Coarse, fits))
            return;
        if (!runPhase(StepDirection::Shrink, StepSize::Coarse, overflows) || !anyFineTune(currentSettings()))
            return;
        if (runPhase(StepDirection::Grow, StepSize::Fine, fits))
            runPhase(StepDirection::Shrink, StepSize::Fine, overflows);
    }

    void runChain()
    {
        m_chain.fixColumnLimit();
        auto fitsAndGoesOn = [this] { return m_fits && !m_chain.stopped(); };
        auto doesNotFit = [this] { return !m_fits; };
        runPhase(StepDirection::Grow, StepSize::Coarse, fitsAndGoesOn);
        runPhase(StepDirection::Shrink, StepSize::Coarse, doesNotFit);
        if (!anyFineTune(currentSettings()))
            return;
        runPhase(StepDirection::Grow, StepSize::Fine, fitsAndGoesOn);
        runPhase(StepDirection::Shrink, StepSize::Fine, doesNotFit);
    }

    /// Steps while `goOn` holds after a step, at least once and at most kPhaseLimit times. False when
    /// the host could not compose, which ends the command.
    template <class GoOn>
    bool runPhase(StepDirection direction, StepSize size, GoOn goOn)
    {
        for (int32_t n = 0; n < kPhaseLimit; ++n) {
            if (!iterate(direction, size))
                return false;
            if (!goOn())
                return true;
        }
        return true;
    }

    bool iterate(StepDirection direction, StepSize size)
    {
        xt::calls::SetCursorKind(-1);
        const RecomposeEach recompose = m_mode == FitMode::Chain ? RecomposeEach::Yes : RecomposeEach::No;
        stepRunsOfRange(m_box, m_story, m_range, direction, size, AttributeLevel::Character, recompose);
        stepRunsOfRange(m_box, m_story, m_range, direction, size, AttributeLevel::Paragraph, recompose);
        if (m_mode == FitMode::Chain) {
            m_fits = m_chain.fits(direction);
            return true;
        }
        const std::optional<LayoutProbe> probe = probeLayout(m_box);
        if (!probe)
            return false;
        m_overflows = probe->overflows();
        return true;
    }

    int32_t m_box;
    int32_t m_story;
    TextPiece m_range;
    FitMode m_mode;
    ChainProbe m_chain;
    bool m_overflows = false;
    bool m_fits = false;
};

} // namespace

void FitTextToBox(int32_t box)
{
    std::optional<FitSession> session = FitSession::begin(box);
    if (!session)
        return;
    const bool storyMode = currentSettings().FitCommand == FitStoryToBox;
    const std::optional<FitBoxFacts> facts = readFitBoxFacts(box);
    if (!facts)
        return;
    const bool direct = !facts->chained && (currentSettings().FitToBox || facts->columns <= 1);
    const BoxText text = currentBoxText(box);
    session->restoreSelectionAtEnd({text.story, text.selStart, text.selEnd});
    if (text.length <= 0 || (!storyMode && text.selStart == text.selEnd))
        return;
    TextPiece range{text.selStart, text.selEnd};
    if (storyMode) {
        range = {0, text.length};
        xt::calls::SetTextSelection(text.story, 0, text.length, 0);
    }
    if (!direct)
        session->removeAddedPagesAtEnd();
    TextFitter(box, text.story, range, direct ? FitMode::Direct : FitMode::Chain, *facts).run();
}

} // namespace amplex
