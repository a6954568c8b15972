// The colour list the plug-ins read: which list, a walk over its colours, their values and names.
#include <algorithm>
#include <cmath>
#include <string>

#include "host/api/colours/colour_lists.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"

namespace host::api {
namespace {

/// The change count of every colour table: a plug-in that keeps a list of colours looks again when it moves.
int32_t ColorOp312()
{
    return static_cast<int32_t>(context().documents().colours().changes().count());
}

/// The current layout's colour list, or the application's while no document is open.
int32_t ColorOp331()
{
    return colourTableOf(0)->ref();
}

/// A new swatch list of the calling plug-in's own.
int32_t ColorOp336()
{
    return context().documents().colours().newSwatchList().ref();
}

void ColorOp337(int32_t list)
{
    context().documents().colours().disposeSwatchList(list);
}

/// Nonzero for a colour the list holds (a colour still being made is not one yet).
int32_t ColorOp342(int32_t list, int16_t colour)
{
    const ColourList found = colourListOf(list);
    if (found.swatches)
        return found.swatches->find(colour) ? 1 : 0;
    return found.table && found.table->find(colour) ? 1 : 0;
}

/// The first colour of the list, or xt::kColourEnd; the filter is always "every colour".
int32_t ColorOp344(int32_t list, int32_t)
{
    const ColourList found = colourListOf(list);
    if (found.swatches)
        return found.swatches->size() > 0 ? 0 : xt::kColourEnd;
    return found.table ? found.table->firstId() : xt::kColourEnd;
}

int32_t ColorOp347(int32_t list, int32_t, int16_t colour)
{
    const ColourList found = colourListOf(list);
    if (found.swatches) {
        const int32_t next = colour + 1;
        return colour >= 0 && static_cast<size_t>(next) < found.swatches->size() ? next : xt::kColourEnd;
    }
    return found.table ? found.table->nextId(colour) : xt::kColourEnd;
}

/// A walk that fails ends there, so a caller looping to the end mark never loops for ever.
template <class... Args>
int32_t walkEnds(Args...)
{
    return xt::kColourEnd;
}

/// A value code of xt::ColourValueCode; 0 for an unknown colour or code.
int32_t GetColorValue369(int32_t list, int16_t colour, int32_t code)
{
    model::ColourTable* table = colourTableOf(list);
    const model::Colour* found = table ? colourOrDraft(*table, colour) : nullptr;
    return found ? found->valueOf(code) : 0;
}

int32_t valueUnknown(int32_t, int16_t, int32_t)
{
    return 0;
}

int32_t notAColour(int32_t, int16_t)
{
    return 0;
}

/// The colour as the screen shows it at a shade, for a swatch.
int32_t ColorOp363(int32_t list, int16_t colour, xt::Fixed shade, void* swatch)
{
    const model::ColourValue* value = colourValueOf(list, colour);
    if (!value || !swatch)
        return -1;
    const model::Rgb shown = value->shownAt(shade);
    xt::writeAt(swatch, xt::ColourSwatch{shown[0], shown[1], shown[2], colour});
    return 0;
}

/// The colour's cyan, magenta, yellow and black at a shade, whatever its model; the target code and
/// the scratch handle change nothing here. `size` gets the bytes written.
int32_t ColorOp374(int32_t list, int16_t colour, xt::Fixed shade, xt::FourLetterCode, int32_t, uint16_t* components,
    int32_t* size, xt::Handle, int32_t)
{
    const model::ColourValue* value = colourValueOf(list, colour);
    if (!value || !components)
        return -1;
    const double amount = std::clamp(static_cast<double>(shade) / xt::kFixedOne, 0.0, 1.0);
    const model::Cmyk inks = value->asCmyk();
    for (size_t i = 0; i < inks.size(); ++i)
        components[i] = static_cast<uint16_t>(std::lround(inks[i] * amount));
    if (size)
        *size = static_cast<int32_t>(xt::kCmykComponents * sizeof(uint16_t));
    return 0;
}

xt::TextObject nameText(int32_t list, int16_t colour, size_t room)
{
    model::ColourTable* table = colourTableOf(list);
    const model::Colour* found = table ? colourOrDraft(*table, colour) : nullptr;
    if (!found)
        return nullptr;
    return context().texts().make(std::string_view(found->name()).substr(0, room));
}

/// The colour's name as a text object of at most `room` - 1 characters; the caller disposes it.
xt::TextObject ColorOp4869(int32_t list, int16_t colour, int32_t, int32_t room)
{
    return nameText(list, colour, room > 0 ? static_cast<size_t>(room - 1) : std::string::npos);
}

/// The name a list shows for the colour: here, its name.
xt::TextObject ColorOp4870(int32_t list, int16_t colour)
{
    return nameText(list, colour, std::string::npos);
}

} // namespace

void registerColourListOps(OperationRegistry& registry)
{
    registry.add<xt::op::ColorOp312, &ColorOp312>();
    registry.add<xt::op::ColorOp331, &ColorOp331>();
    registry.add<xt::op::ColorOp336, &ColorOp336>();
    registry.add<xt::op::ColorOp337, &ColorOp337>();
    registry.add<xt::op::ColorOp342, &ColorOp342, &notAColour>();
    registry.add<xt::op::ColorOp344, &ColorOp344, &walkEnds<int32_t, int32_t>>();
    registry.add<xt::op::ColorOp347, &ColorOp347, &walkEnds<int32_t, int32_t, int16_t>>();
    registry.add<xt::op::GetColorValue369, &GetColorValue369, &valueUnknown>();
    registry.add<xt::op::ColorOp363, &ColorOp363>();
    registry.add<xt::op::ColorOp374, &ColorOp374>();
    registry.add<xt::op::ColorOp4869, &ColorOp4869>();
    registry.add<xt::op::ColorOp4870, &ColorOp4870>();
}

} // namespace host::api
