// Applying paragraph and character style sheets to a story's text.
#include "host/model/text/style_sheet_text.h"

#include <array>
#include <utility>

namespace host::model {
namespace {

// The style records are packed: a field is copied out before anything binds a reference to it.
xt::Fixed copied(xt::Fixed field) { return field; }

} // namespace

void applyParagraphStyle(Story& story, TextRange range, const ParagraphStyle& style)
{
    const xt::ParagraphStyleRecord& record = style.record();
    const std::array<std::pair<int32_t, xt::Fixed>, 6> values = {{
        {xt::kParaLeftIndent, copied(record.leftIndent)},
        {xt::kParaFirstLineIndent, copied(record.firstLineIndent)},
        {xt::kParaRightIndent, copied(record.rightIndent)},
        {xt::kParaLeading, copied(record.leading)},
        {xt::kParaSpaceBefore, copied(record.spaceBefore)},
        {xt::kParaSpaceAfter, copied(record.spaceAfter)},
    }};
    for (const auto& [code, value] : values)
        story.setParagraphValue(range, code, value);
    const std::vector<uint8_t>& bytes = style.tabs();
    const std::optional<TabStops> tabs =
        readTabEntries(reinterpret_cast<const char*>(bytes.data()), static_cast<int32_t>(bytes.size()));
    story.setTabs(range, tabs.value_or(TabStops{}));
}

void applyCharacterStyle(Story& story, TextRange range, const CharacterStyle& style)
{
    const xt::CharacterStyleRecord& record = style.record();
    if (record.font > 0)
        story.setCharacterValue(range, xt::kCharFont, record.font);
    if (record.size > 0)
        story.setCharacterValue(range, xt::kCharSize, record.size);
    if (record.horizontalScale > 0)
        story.setCharacterValue(range, xt::kCharHorizontalScale, record.horizontalScale);
    story.setCharacterValue(range, xt::kCharTracking, record.tracking);
}

} // namespace host::model
