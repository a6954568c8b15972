// Paragraph attributes and tab stops, paragraph by paragraph.
#include <algorithm>
#include <array>
#include <optional>

#include "amplex/engine/text/text_passes.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/text_records.h"

namespace amplex {
namespace {

enum class ByFactor : uint8_t { PlainV, TextV, TextH };
enum class Gate : uint8_t { Always, ScaleTabs, ScalePictureBoxes };

struct ParagraphRule {
    int32_t code;
    ByFactor factor;
    Gate gate;
    int32_t onlyWhenZero;  // a code that must read 0 for this one to scale, or 0
};

// In the order the host is asked. Leading goes by V itself so that it follows the box, not the type.
constexpr std::array<ParagraphRule, 14> kParagraphRules = {{
    {xt::kParaLeading, ByFactor::PlainV, Gate::ScaleTabs, 0},
    {xt::kParaSpaceBefore, ByFactor::TextV, Gate::ScaleTabs, 0},
    {xt::kParaSpaceAfter, ByFactor::TextV, Gate::ScaleTabs, 0},
    {xt::kParaLeftIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaFirstLineIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaRightIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaRuleAboveWeight, ByFactor::TextV, Gate::ScalePictureBoxes, 0},
    {xt::kParaRuleAboveRightIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaRuleAboveLeftIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaRuleAboveOffset, ByFactor::TextV, Gate::Always, xt::kParaRuleAboveOffsetIsPercent},
    {xt::kParaRuleBelowWeight, ByFactor::TextV, Gate::ScalePictureBoxes, 0},
    {xt::kParaRuleBelowRightIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaRuleBelowLeftIndent, ByFactor::TextH, Gate::Always, 0},
    {xt::kParaRuleBelowOffset, ByFactor::TextV, Gate::Always, xt::kParaRuleBelowOffsetIsPercent},
}};

struct Selection {
    int32_t start;
    int32_t end;
};

Fixed factorOf(ByFactor which, const TextFactors& factors)
{
    switch (which) {
    case ByFactor::PlainV:
        return factors.plain.v;
    case ByFactor::TextV:
        return factors.text.v;
    case ByFactor::TextH:
        break;
    }
    return factors.text.h;
}

bool gateOpen(Gate gate)
{
    const ScaleSettings& settings = currentSettings();
    switch (gate) {
    case Gate::ScaleTabs:
        return settings.ScaleTabs;
    case Gate::ScalePictureBoxes:
        return settings.ScalePictureBoxes;
    case Gate::Always:
        break;
    }
    return true;
}

/// The attribute's value, or empty when the host has none or the paragraphs differ.
std::optional<Fixed> paragraphValue(int32_t story, Selection selection, int32_t code)
{
    Fixed value = 0;
    if (xt::calls::GetTextRunAttribute(story, selection.start, selection.end, code, nullptr, &value) != 0)
        return std::nullopt;
    if (value == xt::kMixedValue)
        return std::nullopt;
    return value;
}

void scaleRule(int32_t story, Selection selection, const ParagraphRule& rule, const TextFactors& factors)
{
    if (!gateOpen(rule.gate))
        return;
    if (rule.onlyWhenZero != 0 && paragraphValue(story, selection, rule.onlyWhenZero).value_or(1) != 0)
        return;
    const auto value = paragraphValue(story, selection, rule.code);
    if (!value)
        return;
    const Fixed scaled = xt::calls::FixedMultiply(*value, factorOf(rule.factor, factors));
    xt::calls::SetTextRunAttribute(story, selection.start, selection.end, rule.code, scaled, 0);
}

/// The tab list of the paragraph's tab reference; its entries are null when it has none or the host
/// could not give them (a failure only when the paragraph has tab stops to give).
xt::TabList tabListOf(int32_t story, int32_t tabReference)
{
    int32_t context = 0;
    xt::calls::GetStoryTabContext(story, &context);
    xt::TabList list{};
    const int32_t status = xt::calls::GetTabList(context, tabReference, &list);
    if (tabReference != 0 && (status != 0 || !list.entries))
        foundation::noteHostFailure();
    return list;
}

void scaleTabStops(int32_t story, Selection selection, Fixed factor)
{
    xt::ParagraphRecord paragraph{};
    Fixed unused = 0;
    if (xt::calls::GetTextRunAttribute(story, selection.start, selection.end, xt::kParaAttributes, &paragraph, &unused) != 0)
        return;
    const xt::TabList list = tabListOf(story, paragraph.tabReference);
    xt::Handle entries = list.entries;
    if (!entries)
        return;
    const int32_t size = xt::calls::GetHandleSize(entries);
    // Unmeasured, the stops would go back unscaled as though they were scaled.
    if (size < 0) {
        foundation::noteHostFailure();
        xt::calls::DisposeHandle(entries);
        return;
    }
    const int32_t held = size / static_cast<int32_t>(sizeof(xt::TabEntry));
    const int32_t count = std::clamp<int32_t>(list.count, 0, held);
    for (int32_t i = 0; i < count; ++i) {
        const size_t at = static_cast<size_t>(i) * sizeof(xt::TabEntry);
        auto entry = xt::readAt<xt::TabEntry>(*entries, at);
        entry.position = xt::calls::FixedMultiply(entry.position, factor);
        xt::writeAt(*entries, entry, at);
    }
    xt::calls::SetTextRunAttribute(story, selection.start, selection.end, xt::kParaTabs,
        reinterpret_cast<intptr_t>(entries), 0);
    xt::calls::DisposeHandle(entries);
}

/// The character at `position`, which lies inside the story: the host has one to give.
std::optional<uint16_t> characterAt(int32_t story, int32_t position)
{
    uint16_t character = 0;
    if (xt::calls::GetTextChars(story, position, 1, &character) != 0)
        return std::nullopt;
    return character;
}

/// Selects the paragraph end at `position` and gives back the selection as the host made it; empty
/// when the host would not select it, since the paragraph selected before is not this one.
std::optional<Selection> selectParagraphEnd(int32_t story, int32_t position, int32_t end)
{
    if (xt::calls::SetTextSelection(story, position, std::min(position + 1, end), 0) != 0)
        return std::nullopt;
    Selection selection{position, std::min(position + 1, end)};
    xt::calls::GetTextSelection(story, &selection.start, &selection.end, 0);
    return selection;
}

} // namespace

void scaleParagraphs(int32_t story, const TextFactors& factors, const StoryRange& range)
{
    const bool tabs = currentSettings().ScaleGutters;
    for (int32_t p = range.start; p < range.end; ++p) {
        const auto character = characterAt(story, p);
        const bool endsStory = p == range.end - 1 && !range.runsOn;
        if (character && (xt::isParagraphEnd(*character) || endsStory)) {
            if (const auto selection = selectParagraphEnd(story, p, range.end)) {
                for (const ParagraphRule& rule : kParagraphRules)
                    scaleRule(story, *selection, rule, factors);
                if (tabs)
                    scaleTabStops(story, *selection, factors.plain.h);
            }
        }
        xt::calls::StoryMode1375(0);
    }
}

void scaleTabsOnly(int32_t story, const TextFactors& factors, const StoryRange& range)
{
    for (int32_t p = range.start; p < range.end; ++p) {
        const auto character = characterAt(story, p);
        if (!character || !xt::isParagraphEnd(*character))
            continue;
        if (const auto selection = selectParagraphEnd(story, p, range.end))
            scaleTabStops(story, *selection, factors.plain.h);
        xt::calls::StoryMode1375(0);
    }
}

} // namespace amplex
