// Style-sheet scaling: the Fixed fields of the host's character and paragraph style records that
// follow the text factors, by their byte offsets, and the read-multiply-write walk over a table.
#include "amplex/engine/document/style_sheet_scale.h"

#include <cstring>
#include <span>

#include "amplex/engine/document/document_run.h"
#include "foundation/binding/binding.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

enum class TextFactor : uint8_t { Horizontal, Vertical, Ratio };
enum class Condition : uint8_t { Always, ScaleTabs, ScalePictureBoxes };

struct ScaledField {
    size_t offset;
    TextFactor factor;
    Condition when;
};

constexpr ScaledField kCharacterFields[] = {
    {offsetof(xt::CharacterStyleRecord, size), TextFactor::Vertical, Condition::Always},
    {offsetof(xt::CharacterStyleRecord, horizontalScale), TextFactor::Ratio, Condition::Always},
};

constexpr ScaledField kParagraphFields[] = {
    {offsetof(xt::ParagraphStyleRecord, size), TextFactor::Vertical, Condition::Always},
    {offsetof(xt::ParagraphStyleRecord, horizontalScale), TextFactor::Ratio, Condition::Always},
    {offsetof(xt::ParagraphStyleRecord, leftIndent), TextFactor::Horizontal, Condition::Always},
    {offsetof(xt::ParagraphStyleRecord, firstLineIndent), TextFactor::Horizontal, Condition::Always},
    {offsetof(xt::ParagraphStyleRecord, rightIndent), TextFactor::Horizontal, Condition::Always},
    {offsetof(xt::ParagraphStyleRecord, leading), TextFactor::Vertical, Condition::ScaleTabs},
    {offsetof(xt::ParagraphStyleRecord, spaceBefore), TextFactor::Vertical, Condition::ScaleTabs},
    {offsetof(xt::ParagraphStyleRecord, spaceAfter), TextFactor::Vertical, Condition::ScaleTabs},
    {offsetof(xt::ParagraphStyleRecord, ruleAboveOffset), TextFactor::Vertical, Condition::ScaleTabs},
    {offsetof(xt::ParagraphStyleRecord, baselineShift), TextFactor::Vertical, Condition::ScaleTabs},
    {offsetof(xt::ParagraphStyleRecord, dropCapDepth), TextFactor::Vertical, Condition::ScalePictureBoxes},
    {offsetof(xt::ParagraphStyleRecord, ruleBelowOffset), TextFactor::Vertical, Condition::ScalePictureBoxes},
};
static_assert(offsetof(xt::CharacterStyleRecord, size) == 0xA4);
static_assert(offsetof(xt::ParagraphStyleRecord, size) == 0x146);
static_assert(offsetof(xt::ParagraphStyleRecord, ruleBelowOffset) == 0x102);
static_assert(offsetof(xt::ParagraphStyleRecord, baselineShift) == 0x12A);
static_assert(offsetof(xt::ParagraphStyleRecord, dropCapDepth) == 0xD6);

constexpr size_t kTabHandleOffset = 0xAA;

bool applies(Condition when, const ScaleSettings& settings)
{
    switch (when) {
    case Condition::ScaleTabs:
        return settings.ScaleTabs != 0;
    case Condition::ScalePictureBoxes:
        return settings.ScalePictureBoxes != 0;
    case Condition::Always:
        break;
    }
    return true;
}

Fixed factorOf(TextFactor which, const TextFactors& factors)
{
    switch (which) {
    case TextFactor::Horizontal:
        return factors.h;
    case TextFactor::Vertical:
        return factors.v;
    case TextFactor::Ratio:
        break;
    }
    return factors.ratio;
}

void multiplyFields(std::span<uint8_t> record, std::span<const ScaledField> fields)
{
    const ScaleSettings& settings = currentSettings();
    const TextFactors factors = textFactors(settings);
    for (const ScaledField& field : fields) {
        const Fixed factor = factorOf(field.factor, factors);
        if (!applies(field.when, settings) || factor == 0)
            continue;
        Fixed value = 0;
        std::memcpy(&value, record.data() + field.offset, sizeof value);
        value = xt::calls::FixedMultiply(value, factor);
        std::memcpy(record.data() + field.offset, &value, sizeof value);
    }
}

/// The document's style table, made by the host when it has none; released when the walk ends.
class StyleTable {
public:
    StyleTable()
    {
        const xt::DocumentRef ref = documentRun().documentRef();
        m_table = xt::calls::StyleSheetOp3710(ref);
        if (m_table != 0)
            return;
        m_table = xt::calls::StyleSheetOp3428(ref);
        m_borrowed = m_table != 0;
    }
    ~StyleTable()
    {
        if (m_borrowed)
            xt::calls::StyleSheetOp3398(m_table);
    }
    StyleTable(const StyleTable&) = delete;
    StyleTable& operator=(const StyleTable&) = delete;

    int32_t ref() const { return m_table; }

private:
    int32_t m_table = 0;
    bool m_borrowed = false;
};

void scaleCharacterStyle(int32_t table, int32_t style)
{
    xt::CharacterStyleRecord record{};
    if (xt::calls::StyleSheetOp5141(table, style, &record) != 0)
        return;
    multiplyFields({reinterpret_cast<uint8_t*>(&record), sizeof record}, kCharacterFields);
    xt::calls::StyleSheetOp5142(table, style, &record);
}

/// The tab block a paragraph record is read out with is the caller's own copy: the host copies what
/// is written back, so the copy is freed whether or not the write succeeds.
void scaleParagraphStyle(int32_t table, int32_t style)
{
    xt::ParagraphStyleRecord record{};
    if (xt::calls::StyleSheetOp5138(table, style, &record) != 0)
        return;
    multiplyFields({reinterpret_cast<uint8_t*>(&record), sizeof record}, kParagraphFields);
    xt::calls::StyleSheetOp5139(table, style, &record);
    xt::Handle tabs = nullptr;
    std::memcpy(&tabs, reinterpret_cast<const uint8_t*>(&record) + kTabHandleOffset, sizeof tabs);
    if (tabs)
        xt::calls::DisposeHandle(tabs);
}

void scaleKind(int32_t table, int32_t kind)
{
    const int32_t count = xt::calls::GetStyleSheetCount(table, kind);
    for (int32_t index = 0; index < count; ++index) {
        int32_t style = 0;
        if (xt::calls::GetStyleSheet(table, kind, index, &style) != 0 || style == 0)
            continue;
        if (kind == xt::kParagraphStyle)
            scaleParagraphStyle(table, style);
        else
            scaleCharacterStyle(table, style);
    }
}

} // namespace

TextFactors textFactors(const ScaleSettings& settings)
{
    TextFactors factors{settings.HorizontalFactor, settings.VerticalFactor, 0};
    if (settings.KeepTextProportional != 0 && settings.Constrain == 0) {
        const Fixed smaller = factors.h < factors.v ? factors.h : factors.v;
        factors.h = smaller;
        factors.v = smaller;
    }
    if (factors.h != factors.v && factors.v != 0)
        factors.ratio = xt::calls::FixedDivide(factors.h, factors.v);
    return factors;
}

void scaleStyleSheets()
{
    const StyleTable table;
    if (table.ref() == 0)
        return;
    scaleKind(table.ref(), xt::kParagraphStyle);
    scaleKind(table.ref(), xt::kCharacterStyle);
}

} // namespace amplex
