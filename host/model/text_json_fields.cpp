// Attribute names of document files.
#include "host/model/text_json_fields.h"

#include <array>

#include "xtapi/text_records.h"

namespace host::model {
namespace {

constexpr std::array kCharacterFields{
    JsonField{"font", xt::kCharFont, JsonValue::Whole},
    JsonField{"style", xt::kCharStyle, JsonValue::Whole},
    JsonField{"size", xt::kCharSize, JsonValue::Fixed},
    JsonField{"horizontalScale", xt::kCharHorizontalScale, JsonValue::Fixed},
    JsonField{"verticalScale", xt::kCharVerticalScale, JsonValue::Fixed},
    JsonField{"colour", xt::kCharColour, JsonValue::Colour},
    JsonField{"shade", xt::kCharShade, JsonValue::Fixed},
    JsonField{"baselineShift", xt::kCharBaselineShift, JsonValue::Fixed},
    JsonField{"tracking", xt::kCharTracking, JsonValue::Fixed},
    JsonField{"leading", xt::kCharLeading, JsonValue::Fixed},
    JsonField{"widthLocked", xt::kCharWidthLocked, JsonValue::Whole},
};

constexpr std::array kParagraphFields{
    JsonField{"leftIndent", xt::kParaLeftIndent, JsonValue::Fixed},
    JsonField{"firstLineIndent", xt::kParaFirstLineIndent, JsonValue::Fixed},
    JsonField{"rightIndent", xt::kParaRightIndent, JsonValue::Fixed},
    JsonField{"leading", xt::kParaLeading, JsonValue::Fixed},
    JsonField{"spaceBefore", xt::kParaSpaceBefore, JsonValue::Fixed},
    JsonField{"spaceAfter", xt::kParaSpaceAfter, JsonValue::Fixed},
    JsonField{"alignment", xt::kParaAlignment, JsonValue::Whole},
};

constexpr std::array kRuleFields{
    JsonField{"on", xt::kParaRuleAboveOn, JsonValue::Whole},
    JsonField{"offsetIsPercent", xt::kParaRuleAboveOffsetIsPercent, JsonValue::Whole},
    JsonField{"weight", xt::kParaRuleAboveWeight, JsonValue::Fixed},
    JsonField{"style", xt::kParaRuleAboveStyle, JsonValue::Whole},
    JsonField{"colour", xt::kParaRuleAboveColour, JsonValue::Colour},
    JsonField{"shade", xt::kParaRuleAboveShade, JsonValue::Fixed},
    JsonField{"leftIndent", xt::kParaRuleAboveLeftIndent, JsonValue::Fixed},
    JsonField{"rightIndent", xt::kParaRuleAboveRightIndent, JsonValue::Fixed},
    JsonField{"offset", xt::kParaRuleAboveOffset, JsonValue::Fixed},
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
