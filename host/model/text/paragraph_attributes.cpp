// Paragraph attributes by code: one table row per code, each a getter and a setter.
#include "host/model/text/paragraph_attributes.h"

#include <array>
#include <cstring>

namespace host::model {
namespace {

struct ParagraphField {
    int32_t code;
    xt::Fixed (*get)(const ParagraphAttributes&);
    void (*set)(ParagraphAttributes&, xt::Fixed);
};

#define XT_PARA_FIELD(code, member, Type)                                                              \
    ParagraphField                                                                                     \
    {                                                                                                  \
        code, [](const ParagraphAttributes& a) { return static_cast<xt::Fixed>(a.member); },           \
            [](ParagraphAttributes& a, xt::Fixed v) { a.member = static_cast<Type>(v); }               \
    }

const std::array kFields{
    XT_PARA_FIELD(xt::kParaRuleAboveOn, ruleAbove.on, bool),
    XT_PARA_FIELD(xt::kParaRuleBelowOn, ruleBelow.on, bool),
    XT_PARA_FIELD(xt::kParaRuleAboveOffsetIsPercent, ruleAbove.offsetIsPercent, bool),
    XT_PARA_FIELD(xt::kParaRuleBelowOffsetIsPercent, ruleBelow.offsetIsPercent, bool),
    XT_PARA_FIELD(xt::kParaAlignment, alignment, Alignment),
    XT_PARA_FIELD(xt::kParaLeftIndent, leftIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaFirstLineIndent, firstLineIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRightIndent, rightIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaLeading, leading, xt::Fixed),
    XT_PARA_FIELD(xt::kParaSpaceBefore, spaceBefore, xt::Fixed),
    XT_PARA_FIELD(xt::kParaSpaceAfter, spaceAfter, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleAboveWeight, ruleAbove.weight, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleAboveStyle, ruleAbove.style, int16_t),
    XT_PARA_FIELD(xt::kParaRuleAboveColour, ruleAbove.colour, int16_t),
    XT_PARA_FIELD(xt::kParaRuleAboveShade, ruleAbove.shade, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleAboveLeftIndent, ruleAbove.leftIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleAboveRightIndent, ruleAbove.rightIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleAboveOffset, ruleAbove.offset, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleBelowWeight, ruleBelow.weight, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleBelowStyle, ruleBelow.style, int16_t),
    XT_PARA_FIELD(xt::kParaRuleBelowColour, ruleBelow.colour, int16_t),
    XT_PARA_FIELD(xt::kParaRuleBelowShade, ruleBelow.shade, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleBelowLeftIndent, ruleBelow.leftIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleBelowRightIndent, ruleBelow.rightIndent, xt::Fixed),
    XT_PARA_FIELD(xt::kParaRuleBelowOffset, ruleBelow.offset, xt::Fixed),
};

#undef XT_PARA_FIELD

const ParagraphField* fieldOf(int32_t code)
{
    for (const auto& entry : kFields) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

xt::RuleRecord ruleRecord(const ParagraphRule& rule)
{
    xt::RuleRecord record;
    std::memset(&record, 0, sizeof record);
    record.weight = rule.weight;
    record.leftIndent = rule.leftIndent;
    record.rightIndent = rule.rightIndent;
    record.offset = rule.offset;
    record.colour = rule.colour;
    record.style = rule.style;
    record.shade = rule.shade;
    record.on = rule.on ? 1 : 0;
    record.offsetIsPercent = rule.offsetIsPercent ? 1 : 0;
    return record;
}

} // namespace

bool isParagraphValueCode(int32_t code)
{
    return fieldOf(code) != nullptr;
}

xt::Fixed paragraphValue(const ParagraphAttributes& attributes, int32_t code)
{
    const ParagraphField* entry = fieldOf(code);
    return entry ? entry->get(attributes) : 0;
}

void setParagraphValue(ParagraphAttributes& attributes, int32_t code, xt::Fixed value)
{
    if (const ParagraphField* entry = fieldOf(code))
        entry->set(attributes, value);
}

xt::ParagraphRecord paragraphRecord(const ParagraphAttributes& attributes, int32_t tabReference)
{
    xt::ParagraphRecord record;
    std::memset(&record, 0, sizeof record);
    record.flags = (attributes.ruleAbove.on ? xt::kParagraphRuleAbove : 0u) | (attributes.ruleBelow.on ? xt::kParagraphRuleBelow : 0u);
    record.leftIndent = attributes.leftIndent;
    record.firstLineIndent = attributes.firstLineIndent;
    record.rightIndent = attributes.rightIndent;
    record.leading = attributes.leading;
    record.spaceBefore = attributes.spaceBefore;
    record.spaceAfter = attributes.spaceAfter;
    record.alignment = static_cast<int16_t>(attributes.alignment);
    record.ruleAbove = ruleRecord(attributes.ruleAbove);
    record.ruleBelow = ruleRecord(attributes.ruleBelow);
    record.tabReference = tabReference;
    record.tabCount = static_cast<int16_t>(attributes.tabs.size());
    return record;
}

} // namespace host::model
