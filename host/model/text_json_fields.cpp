// Attribute names of document files.
#include "host/model/text_json_fields.h"

#include <array>

#include "xtapi/text_records.h"

namespace host::model {
namespace {

constexpr std::array kCharacterFields{
    JsonField{"font", xt::kCharFont, false},
    JsonField{"style", xt::kCharStyle, false},
    JsonField{"size", xt::kCharSize, true},
    JsonField{"horizontalScale", xt::kCharHorizontalScale, true},
    JsonField{"verticalScale", xt::kCharVerticalScale, true},
    JsonField{"colour", xt::kCharColour, false},
    JsonField{"shade", xt::kCharShade, true},
    JsonField{"baselineShift", xt::kCharBaselineShift, true},
    JsonField{"tracking", xt::kCharTracking, true},
    JsonField{"leading", xt::kCharLeading, true},
    JsonField{"widthLocked", xt::kCharWidthLocked, false},
};

constexpr std::array kParagraphFields{
    JsonField{"leftIndent", xt::kParaLeftIndent, true},
    JsonField{"firstLineIndent", xt::kParaFirstLineIndent, true},
    JsonField{"rightIndent", xt::kParaRightIndent, true},
    JsonField{"leading", xt::kParaLeading, true},
    JsonField{"spaceBefore", xt::kParaSpaceBefore, true},
    JsonField{"spaceAfter", xt::kParaSpaceAfter, true},
    JsonField{"alignment", xt::kParaAlignment, false},
};

constexpr std::array kRuleFields{
    JsonField{"on", xt::kParaRuleAboveOn, false},
    JsonField{"offsetIsPercent", xt::kParaRuleAboveOffsetIsPercent, false},
    JsonField{"weight", xt::kParaRuleAboveWeight, true},
    JsonField{"style", xt::kParaRuleAboveStyle, false},
    JsonField{"colour", xt::kParaRuleAboveColour, false},
    JsonField{"shade", xt::kParaRuleAboveShade, true},
    JsonField{"leftIndent", xt::kParaRuleAboveLeftIndent, true},
    JsonField{"rightIndent", xt::kParaRuleAboveRightIndent, true},
    JsonField{"offset", xt::kParaRuleAboveOffset, true},
};

} // namespace

std::span<const JsonField> characterJsonFields()
{
    return kCharacterFields;
}

std::span<const JsonField> paragraphJsonFields()
{
    return kParagraphFields;
}

std::span<const JsonField> ruleAboveJsonFields()
{
    return kRuleFields;
}

int32_t ruleBelowCode(int32_t ruleAboveCode)
{
    // The on and percent switches sit one apart (6/7, 0x0A/0x0B); the rule fields seven apart.
    if (ruleAboveCode == xt::kParaRuleAboveOn || ruleAboveCode == xt::kParaRuleAboveOffsetIsPercent)
        return ruleAboveCode + 1;
    return ruleAboveCode + (xt::kParaRuleBelowWeight - xt::kParaRuleAboveWeight);
}

} // namespace host::model
