// The "Fit to" table: target sizes per entry, the rule that turns them into factors, and the moves
// that place the selection on the page, a spread, the bleed or the nearest column first.
#include "amplex/commands/fit_to.h"

#include <array>
#include <cstdlib>

#include "foundation/binding/binding.h"
#include "foundation/numbers/fixed_math.h"

namespace amplex {
namespace {

constexpr Fixed kOnePoint = xt::kFixedOne;
constexpr Fixed kBleed = 18 * kOnePoint;
// A bleed fit grows the selection by the bleed and leaves half of it beyond each edge of the page.
constexpr Fixed kBleedMargin = kBleed / 2;
constexpr Fixed kFarAway = 0x27100000;  // 10000 pt: farther than any column

struct Context {
    const FitToInput& input;
    const PageFacts& facts;
    int32_t spreadPages;
};

/// Which axes an entry sizes: both (and "Constrain" takes the smaller factor), only across (down
/// follows across when constrained, else stays), or only down (across follows likewise).
enum class Axes : uint8_t { Both, Across, Down };
enum class Move : uint8_t { None, Page, Spread, Bleed, Column };

struct EntryRule {
    int16_t entry;
    Axes axes;
    Move move;
    Fixed (*width)(const Context&);
    Fixed (*height)(const Context&);
};

Fixed doubleColumn(const Context& c)
{
    const Fixed column = c.facts.columnWidth();
    return c.facts.columns > 1 ? 2 * column + c.facts.gutter : column;
}

constexpr auto kNone = [](const Context&) -> Fixed { return 0; };

const std::array<EntryRule, 13> kEntries{{
    {FitToPage, Axes::Both, Move::Page,
        [](const Context& c) { return c.facts.width; }, [](const Context& c) { return c.facts.height; }},
    {FitToSpread, Axes::Both, Move::Spread,
        [](const Context& c) { return c.facts.width * c.spreadPages; }, [](const Context& c) { return c.facts.height; }},
    {FitToBleed, Axes::Both, Move::Bleed,
        [](const Context& c) { return c.facts.width * c.spreadPages + kBleed; },
        [](const Context& c) { return c.facts.height + kBleed; }},
    {FitToSingleColumn, Axes::Across, Move::Column, [](const Context& c) { return c.facts.columnWidth(); }, kNone},
    {FitToDoubleColumn, Axes::Across, Move::Column, doubleColumn, kNone},
    {FitToHalfPageHorizontal, Axes::Down, Move::None, kNone, [](const Context& c) { return c.facts.liveHeight() / 2; }},
    {FitToHalfPageVertical, Axes::Across, Move::None, [](const Context& c) { return c.facts.liveWidth() / 2; }, kNone},
    {FitToThirdPageVertical, Axes::Across, Move::None, [](const Context& c) { return c.facts.liveWidth() / 3; }, kNone},
    {FitToQuarterPagePanel, Axes::Both, Move::None,
        [](const Context& c) { return c.facts.liveWidth() / 2; }, [](const Context& c) { return c.facts.liveHeight() / 2; }},
    {FitToSixthPagePanel, Axes::Both, Move::None,
        [](const Context& c) { return c.facts.liveWidth() / 3; }, [](const Context& c) { return c.facts.liveHeight() / 2; }},
    {FitToCdCover, Axes::Both, Move::None,
        [](const Context&) { return 342 * kOnePoint; }, [](const Context&) { return 342 * kOnePoint; }},
    {FitToBusinessCard, Axes::Both, Move::None,
        [](const Context&) { return 252 * kOnePoint; }, [](const Context&) { return 144 * kOnePoint; }},
    {FitToBannerAd, Axes::Both, Move::None,
        [](const Context&) { return 450 * kOnePoint; }, [](const Context&) { return 68 * kOnePoint; }},
}};

struct PaperSize {
    Fixed width;
    Fixed height;
};

// US Letter, US Legal, A4 Letter, B5 Letter, Tabloid, #10 Envelope.
constexpr std::array<PaperSize, kBuiltInPaperSizes> kPaperSizes{{
    {0x2640000, 0x3180000},
    {0x2640000, 0x3F00000},
    {0x2534BC6, 0x349E560},
    {0x1F2E353, 0x2C4B22D},
    {0x3180000, 0x4C80000},
    {0x2AC0000, 0x1290000},
}};

/// target ÷ extent; 0 (an unusable factor, refused later) for an extent of 0.
Fixed ratio(Fixed target, Fixed extent)
{
    return extent == 0 ? 0 : xt::calls::FixedDivide(target, extent);
}

Factors factorsFor(const EntryRule& rule, const Context& c)
{
    const xt::FixedRect& s = c.input.selection;
    const Fixed across = ratio(rule.width(c), s.right - s.left);
    const Fixed down = ratio(rule.height(c), s.bottom - s.top);
    switch (rule.axes) {
    case Axes::Both: {
        const Factors both{across, down};
        return c.input.constrain ? Factors{both.smaller(), both.smaller()} : both;
    }
    case Axes::Across:
        return {across, c.input.constrain ? across : xt::kFixedOne};
    case Axes::Down:
        return {c.input.constrain ? down : xt::kFixedOne, down};
    }
    return {};
}

/// The rectangle in the coordinates of the page under its left edge.
xt::FixedRect onPage(xt::DocumentRef document, xt::FixedRect rect)
{
    xt::calls::XsqOp1312(document, &rect);
    return rect;
}

Fixed spreadPageLeft(const Context& c)
{
    return c.input.selection.left + c.facts.width * placeInSpread(c.facts.window, c.facts.currentPage);
}

/// The distance from the selection's left edge to the start of the nearest column; a tie goes to
/// the lower column.
Fixed nearestColumnDistance(const Context& c, Fixed entryWidth, xt::DocumentRef document)
{
    const Fixed left = c.input.selection.left;
    const Fixed edge = onPage(document, {left, left, left + 1, left + 1}).left;
    Fixed best = kFarAway;
    for (int32_t k = 0; k < c.facts.columns; ++k) {
        const Fixed distance = edge - (c.facts.margins.left + k * (entryWidth + c.facts.gutter));
        if (foundation::FixedAbs(distance) < foundation::FixedAbs(best))
            best = distance;
    }
    return best;
}

xt::FixedPoint moveFor(const EntryRule& rule, const Context& c, xt::DocumentRef document)
{
    const Fixed top = c.input.selection.top;
    switch (rule.move) {
    case Move::None:
        return {};
    case Move::Page: {
        const xt::FixedRect r = onPage(document, {top, c.input.selection.left, top, c.input.selection.left});
        return {-r.bottom, -r.right};
    }
    case Move::Spread: {
        const Fixed x = spreadPageLeft(c);
        const xt::FixedRect r = onPage(document, {top - kOnePoint, x - kOnePoint, top, x});
        return {-r.bottom, -r.right};
    }
    case Move::Bleed: {
        const Fixed x = spreadPageLeft(c);
        const xt::FixedRect r = onPage(document, {top, x - kOnePoint, top + kOnePoint, x});
        return {-(r.top + kBleedMargin), -(r.right + kBleedMargin)};
    }
    case Move::Column:
        if (c.facts.columns < 1)
            return {};
        return {0, -nearestColumnDistance(c, rule.width(c), document)};
    }
    return {};
}

} // namespace

std::optional<FitToResult> fitToEntry(const FitToInput& input, const PageFacts& facts, xt::DocumentRef document)
{
    const EntryRule* rule = nullptr;
    for (const EntryRule& candidate : kEntries)
        if (candidate.entry == input.choice)
            rule = &candidate;
    if (!rule)
        return std::nullopt;
    const Context context{input, facts, rule->move == Move::Spread || rule->move == Move::Bleed ? pagesInSpread(facts) : 1};
    FitToResult result;
    result.factors = factorsFor(*rule, context);
    result.move = moveFor(*rule, context, document);
    result.fromUpperLeft = rule->move != Move::None;
    return result;
}

std::optional<FitToResult> fitToPaper(const FitToInput& input, const PageFacts& facts)
{
    if (input.choice < 1)
        return std::nullopt;
    const size_t index = static_cast<size_t>(input.choice - 1);
    const PaperSize paper = index < kPaperSizes.size() ? kPaperSizes[index]
                                                       : PaperSize{input.targetWidth, input.targetHeight};
    const Factors raw{ratio(paper.width, facts.width), ratio(paper.height, facts.height)};
    FitToResult result;
    result.factors = input.constrain ? Factors{raw.smaller(), raw.smaller()} : raw;
    result.fromUpperLeft = true;
    return result;
}

} // namespace amplex
