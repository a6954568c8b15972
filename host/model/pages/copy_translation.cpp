// Colour and layer numbers of copied items, as the destination layout numbers them.
#include "host/model/pages/copy_translation.h"

#include "host/model/colours/colour_copy.h"

namespace host::model {

int16_t Translation::colour(int16_t id)
{
    if (&m_source == &m_destination)
        return id;
    const auto found = m_colours.find(id);
    if (found != m_colours.end())
        return found->second;
    // A colour the destination cannot take prints in black rather than in whatever number it had.
    const int16_t copied = copyColourByName(m_source.colours(), id, m_destination.colours()).value_or(xt::kBlackColour);
    m_colours.emplace(id, copied);
    return copied;
}

int32_t Translation::layer(int32_t id)
{
    if (&m_source == &m_destination)
        return id;
    const Layer* from = m_source.layers().find(id);
    if (!from || id == kDefaultLayer)
        return kDefaultLayer;
    if (const Layer* there = m_destination.layers().findByName(from->name))
        return there->id;
    const auto made = m_destination.layers().create(from->name);
    if (!made)
        return kDefaultLayer;
    m_destination.layers().setVisible(*made, from->visible);
    m_destination.layers().setLocked(*made, from->locked);
    return *made;
}

void Translation::apply(ItemSnapshot& snapshot)
{
    snapshot.record.frameColour = colour(snapshot.record.frameColour);
    snapshot.record.backgroundColour = colour(snapshot.record.backgroundColour);
    if (snapshot.kind == xt::BoxKind::Picture)
        snapshot.record.content.picture.colour = colour(snapshot.record.content.picture.colour);
    snapshot.layer = layer(snapshot.layer);
    if (snapshot.text) {
        for (auto& run : snapshot.text->characterRuns)
            run.second.colour = colour(run.second.colour);
        for (auto& run : snapshot.text->paragraphRuns) {
            run.second.ruleAbove.colour = colour(run.second.ruleAbove.colour);
            run.second.ruleBelow.colour = colour(run.second.ruleBelow.colour);
        }
    }
    for (ItemSnapshot& member : snapshot.members)
        apply(member);
}

} // namespace host::model
