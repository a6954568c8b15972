// The colour table: numbers never reused while the table lives, names unique, fixed colours untouched.
#include "host/model/colours/colour_table.h"

#include <algorithm>
#include <iterator>

namespace host::model {
namespace {

constexpr uint16_t kFull = 0xFFFF;

struct DefaultColour {
    int16_t id;
    const char* name;
    ColourValue value;
    Ink ink;
    ColourKind kind;
};

/// The host's colours of a new table, by number.
const DefaultColour kDefaults[] = {
    {xt::kWhiteColour, "White", ColourValue::cmyk({0, 0, 0, 0}), Ink::Process, ColourKind::Paper},
    {xt::kBlackColour, "Black", ColourValue::cmyk({0, 0, 0, kFull}), Ink::Process, ColourKind::Ink},
    {xt::kCyanColour, "Cyan", ColourValue::cmyk({kFull, 0, 0, 0}), Ink::Process, ColourKind::Ink},
    {xt::kMagentaColour, "Magenta", ColourValue::cmyk({0, kFull, 0, 0}), Ink::Process, ColourKind::Ink},
    {xt::kYellowColour, "Yellow", ColourValue::cmyk({0, 0, kFull, 0}), Ink::Process, ColourKind::Ink},
    {xt::kBlueColour, "Blue", ColourValue::rgb({0, 0, kFull}), Ink::Spot, ColourKind::User},
    {xt::kRedColour, "Red", ColourValue::rgb({kFull, 0, 0}), Ink::Spot, ColourKind::User},
    {xt::kGreenColour, "Green", ColourValue::rgb({0, kFull, 0}), Ink::Spot, ColourKind::User},
    {xt::kRegistrationColour, "Registration", ColourValue::cmyk({kFull, kFull, kFull, kFull}), Ink::Process,
        ColourKind::Registration},
};

} // namespace

ColourTable::ColourTable(int32_t ref, ColourChanges& changes) : m_ref(ref), m_changes(&changes)
{
    for (const DefaultColour& colour : kDefaults)
        put(Colour(colour.id, colour.name, colour.value, colour.ink, colour.kind));
}

bool ColourTable::holdsDefaultsOnly() const
{
    static ColourChanges unused;
    static const ColourTable fresh(0, unused);
    return m_colours == fresh.m_colours;
}

const Colour* ColourTable::find(int16_t id) const
{
    const auto at = std::lower_bound(m_colours.begin(), m_colours.end(), id,
        [](const Colour& colour, int16_t value) { return colour.id() < value; });
    return at != m_colours.end() && at->id() == id ? &*at : nullptr;
}

const Colour* ColourTable::findByName(std::string_view name) const
{
    const auto at = std::find_if(m_colours.begin(), m_colours.end(), [&](const Colour& c) { return c.name() == name; });
    return at == m_colours.end() ? nullptr : &*at;
}

int16_t ColourTable::firstId() const
{
    return m_colours.empty() ? xt::kColourEnd : m_colours.front().id();
}

int16_t ColourTable::nextId(int16_t id) const
{
    const auto after = std::upper_bound(m_colours.begin(), m_colours.end(), id,
        [](int16_t value, const Colour& colour) { return value < colour.id(); });
    return after == m_colours.end() ? xt::kColourEnd : after->id();
}

ColourTable::Added ColourTable::add(std::string name, const ColourValue& value, Ink ink)
{
    if (const auto problem = checkName(name, xt::kColourEnd))
        return {xt::kColourEnd, problem};
    const auto id = reserve();
    if (!id)
        return {xt::kColourEnd, ColourProblem::TableFull};
    m_drafts.erase(*id);
    put(Colour(*id, std::move(name), value, ink));
    m_changes->note();
    return {*id, std::nullopt};
}

void ColourTable::replaceUserColours(const std::vector<Colour>& colours)
{
    std::erase_if(m_colours, [](const Colour& colour) { return !colour.isFixed(); });
    m_drafts.clear();
    for (const Colour& colour : colours)
        put(colour);
}

std::optional<ColourProblem> ColourTable::rename(int16_t id, std::string name)
{
    std::optional<ColourProblem> problem;
    Colour* colour = findToChange(id, problem);
    if (!colour)
        return problem;
    if ((problem = checkName(name, id)))
        return problem;
    colour->rename(std::move(name));
    m_changes->note();
    return std::nullopt;
}

std::optional<ColourProblem> ColourTable::setValue(int16_t id, const ColourValue& value)
{
    std::optional<ColourProblem> problem;
    Colour* colour = findToChange(id, problem);
    if (!colour)
        return problem;
    colour->setValue(value);
    m_changes->note();
    return std::nullopt;
}

std::optional<ColourProblem> ColourTable::setInk(int16_t id, Ink ink)
{
    std::optional<ColourProblem> problem;
    Colour* colour = findToChange(id, problem);
    if (!colour)
        return problem;
    colour->setInk(ink);
    m_changes->note();
    return std::nullopt;
}

std::optional<ColourProblem> ColourTable::remove(int16_t id)
{
    std::optional<ColourProblem> problem;
    if (!findToChange(id, problem))
        return problem;
    std::erase_if(m_colours, [id](const Colour& colour) { return colour.id() == id; });
    m_drafts.erase(id);
    m_changes->note();
    return std::nullopt;
}

std::optional<int16_t> ColourTable::reserve()
{
    if (m_nextId > INT16_MAX)
        return std::nullopt;
    const auto id = static_cast<int16_t>(m_nextId++);
    m_drafts.insert_or_assign(id, Colour(id, "", ColourValue::rgb({0, 0, 0}), Ink::Process));
    return id;
}

bool ColourTable::beginEdit(int16_t id)
{
    if (m_drafts.count(id))
        return true;
    const Colour* colour = find(id);
    if (!colour || colour->isFixed())
        return false;
    m_drafts.insert_or_assign(id, *colour);
    return true;
}

Colour* ColourTable::draft(int16_t id)
{
    const auto found = m_drafts.find(id);
    return found == m_drafts.end() ? nullptr : &found->second;
}

std::optional<ColourProblem> ColourTable::commit(int16_t id)
{
    const auto found = m_drafts.find(id);
    if (found == m_drafts.end())
        return ColourProblem::NoSuchColour;
    const Colour draft = found->second;
    m_drafts.erase(found);
    if (const auto problem = checkName(draft.name(), id))
        return problem;
    put(draft);
    m_changes->note();
    return std::nullopt;
}

std::optional<ColourProblem> ColourTable::checkName(std::string_view name, int16_t id) const
{
    if (name.empty())
        return ColourProblem::NoName;
    if (name.size() > kMaxColourNameLength)
        return ColourProblem::NameTooLong;
    if (name == kNoColourName)
        return ColourProblem::ReservedName;
    const Colour* other = findByName(name);
    if (other && other->id() != id)
        return ColourProblem::NameTaken;
    return std::nullopt;
}

Colour* ColourTable::findToChange(int16_t id, std::optional<ColourProblem>& problem)
{
    const Colour* colour = find(id);
    if (!colour)
        problem = ColourProblem::NoSuchColour;
    else if (colour->isFixed())
        problem = ColourProblem::Fixed;
    return problem ? nullptr : const_cast<Colour*>(colour);
}

void ColourTable::put(const Colour& colour)
{
    const auto at = std::lower_bound(m_colours.begin(), m_colours.end(), colour.id(),
        [](const Colour& c, int16_t value) { return c.id() < value; });
    if (at != m_colours.end() && at->id() == colour.id())
        *at = colour;
    else
        m_colours.insert(at, colour);
    m_nextId = std::max<int32_t>(m_nextId, colour.id() + 1);
}

} // namespace host::model
