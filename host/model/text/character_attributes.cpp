// Character attributes by code: one table row per attribute, read and written through member pointers.
#include "host/model/text/character_attributes.h"

#include <array>
#include <cassert>
#include <cstring>
#include <type_traits>

namespace host::model {
namespace {

struct CharacterField {
    xt::CharacterCode code;
    xt::Fixed (*get)(const CharacterAttributes&);
    void (*set)(CharacterAttributes&, xt::Fixed);
};

template <auto Member>
xt::Fixed readField(const CharacterAttributes& a)
{
    return static_cast<xt::Fixed>(a.*Member);
}

template <auto Member>
void writeField(CharacterAttributes& a, xt::Fixed value)
{
    using Field = std::remove_reference_t<decltype(a.*Member)>;
    a.*Member = static_cast<Field>(value);
}

template <auto Member>
constexpr CharacterField field(xt::CharacterCode code)
{
    return {code, &readField<Member>, &writeField<Member>};
}

const std::array<CharacterField, 11> kFields{{
    field<&CharacterAttributes::font>(xt::kCharFont),
    field<&CharacterAttributes::style>(xt::kCharStyle),
    field<&CharacterAttributes::size>(xt::kCharSize),
    field<&CharacterAttributes::horizontalScale>(xt::kCharHorizontalScale),
    field<&CharacterAttributes::verticalScale>(xt::kCharVerticalScale),
    field<&CharacterAttributes::colour>(xt::kCharColour),
    field<&CharacterAttributes::shade>(xt::kCharShade),
    field<&CharacterAttributes::baselineShift>(xt::kCharBaselineShift),
    field<&CharacterAttributes::tracking>(xt::kCharTracking),
    field<&CharacterAttributes::leading>(xt::kCharLeading),
    {xt::kCharWidthLocked, [](const CharacterAttributes& a) { return xt::Fixed{a.widthLocked ? 1 : 0}; },
        [](CharacterAttributes& a, xt::Fixed value) { a.widthLocked = value != 0; }},
}};

const CharacterField* fieldOf(xt::CharacterCode code)
{
    for (const auto& entry : kFields) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace

std::optional<xt::CharacterCode> characterCodeOf(int32_t code)
{
    const int32_t plain = code <= -100 ? -(code + 100) : code;
    if (plain <= 0 || plain >= xt::kCharacterCodeCount)
        return std::nullopt;
    return static_cast<xt::CharacterCode>(plain);
}

xt::Fixed characterValue(const CharacterAttributes& attributes, xt::CharacterCode code)
{
    const CharacterField* entry = fieldOf(code);
    assert(entry && "every character code has a field");
    return entry->get(attributes);
}

void setCharacterValue(CharacterAttributes& attributes, xt::CharacterCode code, xt::Fixed value)
{
    const CharacterField* entry = fieldOf(code);
    assert(entry && "every character code has a field");
    entry->set(attributes, value);
}

xt::CharacterRecord characterRecord(const CharacterAttributes& attributes)
{
    xt::CharacterRecord record;
    std::memset(&record, 0, sizeof record);
    record.font = attributes.font;
    record.style = attributes.style;
    record.size = attributes.size;
    record.tracking = attributes.tracking;
    record.colour = attributes.colour;
    record.flags = attributes.widthLocked ? xt::kCharacterFlagWidthLocked : 0;
    record.horizontalScale = attributes.horizontalScale;
    record.verticalScale = attributes.verticalScale;
    record.baselineShift = attributes.baselineShift;
    record.shade = attributes.shade;
    record.leading = attributes.leading;
    return record;
}

} // namespace host::model
