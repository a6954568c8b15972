// Making and editing colours: a new number (ColorOp350), an edit opened (ColorOp376), the value, ink and
// name set, and the colour committed (ColorOp390). Without an open edit a change applies at once.
#include <string>

#include "host/api/colours/colour_lists.h"
#include "host/api/operation_areas.h"
#include "host/api/layout_access.h"
#include "host/host_context.h"
#include "host/model/colours/colour_copy.h"

namespace host::api {
namespace {

constexpr int32_t kDone = 0;
constexpr int32_t kRefused = -1;

int32_t statusOf(const std::optional<model::ColourProblem>& problem)
{
    return problem ? kRefused : kDone;
}

/// A new entry: in a swatch list at once; in a table a number for a colour being made.
int32_t ColorOp350(int32_t list, int32_t, int16_t* colour)
{
    if (!colour)
        return kRefused;
    const ColourList found = colourListOf(list);
    std::optional<int16_t> id;
    if (found.swatches)
        id = found.swatches->add();
    else if (found.table)
        id = found.table->reserve();
    if (!id)
        return kRefused;
    *colour = *id;
    return kDone;
}

/// Builds a specification from components in the model's order (three for RGB, four for CMYK).
int32_t XcdOp264(xt::FourLetterCode model, const uint16_t* components, void* specification)
{
    const auto known = model::colourModelOf(model);
    if (!known || !components || !specification)
        return kRefused;
    const size_t count = *known == model::ColourModel::Rgb ? xt::kRgbComponents : xt::kCmykComponents;
    xt::ColourSpecification built{};
    built.model = model;
    for (size_t i = 0; i < count; ++i)
        built.components[i] = components[i];
    xt::writeAt(specification, built);
    return kDone;
}

/// Sets a colour's model and components from a specification of that model.
int32_t ColorOp359(int32_t list, int16_t colour, int32_t, xt::FourLetterCode model, const void* specification)
{
    if (!specification)
        return kRefused;
    const auto given = xt::readAt<xt::ColourSpecification>(specification);
    const auto value = model::ColourValue::fromSpecification(given);
    if (!value || given.model != model)
        return kRefused;
    const ColourList found = colourListOf(list);
    if (found.swatches)
        return found.swatches->set(colour, *value) ? kDone : kRefused;
    if (!found.table)
        return kRefused;
    if (model::Colour* draft = found.table->draft(colour)) {
        draft->setValue(*value);
        return kDone;
    }
    return statusOf(found.table->setValue(colour, *value));
}

/// Writes value code 1 (spot) or 2 (process); the two are one switch seen from both sides.
int32_t ColorOp370(int32_t list, int16_t colour, int32_t code, int32_t value)
{
    model::ColourTable* table = colourTableOf(list);
    if (!table || (code != xt::kColourIsSpot && code != xt::kColourIsProcess))
        return kRefused;
    const bool spot = code == xt::kColourIsSpot ? value != 0 : value == 0;
    const model::Ink ink = spot ? model::Ink::Spot : model::Ink::Process;
    if (model::Colour* draft = table->draft(colour)) {
        draft->setInk(ink);
        return kDone;
    }
    return statusOf(table->setInk(colour, ink));
}

int32_t ColorOp376(int32_t list, int16_t colour, int32_t)
{
    model::ColourTable* table = colourTableOf(list);
    return table && table->beginEdit(colour) ? kDone : kRefused;
}

/// Commits the colour; one whose name is empty or taken is dropped, and the call fails.
int32_t ColorOp390(int32_t list, int16_t colour, int32_t)
{
    model::ColourTable* table = colourTableOf(list);
    return table ? statusOf(table->commit(colour)) : kRefused;
}

int32_t SetColorNameText(int32_t list, int16_t colour, int32_t, xt::TextObject text)
{
    model::ColourTable* table = colourTableOf(list);
    const std::string* name = context().texts().find(text);
    if (!table || !name)
        return kRefused;
    if (model::Colour* draft = table->draft(colour)) {
        draft->rename(*name);
        return kDone;
    }
    return statusOf(table->rename(colour, *name));
}

/// Copies a colour of a list into a document's table by name (the one of that name there when it has
/// one) and gives its number there.
int32_t CopyColorToDocument(int32_t list, int16_t colour, xt::DocumentRef document, int16_t* copied)
{
    model::ColourTable* from = colourTableOf(list);
    model::Layout* to = layoutOfDocument(document);
    if (!from || !to || !copied)
        return kRefused;
    const auto id = model::copyColourByName(*from, colour, to->colours());
    if (!id)
        return kRefused;
    *copied = *id;
    return kDone;
}

} // namespace

void registerColourEditOps(OperationRegistry& registry)
{
    registry.add<xt::op::ColorOp350, &ColorOp350>();
    registry.add<xt::op::XcdOp264, &XcdOp264>();
    registry.add<xt::op::ColorOp359, &ColorOp359>();
    registry.add<xt::op::ColorOp370, &ColorOp370>();
    registry.add<xt::op::ColorOp376, &ColorOp376>();
    registry.add<xt::op::ColorOp390, &ColorOp390>();
    registry.add<xt::op::SetColorNameText, &SetColorNameText>();
    registry.add<xt::op::CopyColorToDocument, &CopyColorToDocument>();
}

} // namespace host::api
