// Finding the table or swatch list a colour operation names.
#include "host/api/colours/colour_lists.h"

#include "host/host_context.h"

namespace host::api {

ColourList colourListOf(int32_t list)
{
    auto& documents = context().documents();
    auto& application = documents.colours();
    if (list == 0) {
        model::Layout* current = documents.current();
        return {current ? &current->colours() : &application.table(), nullptr};
    }
    if (list == application.table().ref())
        return {&application.table(), nullptr};
    for (size_t p = 0; p < documents.projectCount(); ++p) {
        model::Project& project = documents.project(p);
        for (size_t l = 0; l < project.layoutCount(); ++l) {
            if (project.layout(l).colours().ref() == list)
                return {&project.layout(l).colours(), nullptr};
        }
    }
    return {nullptr, application.findSwatchList(list)};
}

model::ColourTable* colourTableOf(int32_t list)
{
    return colourListOf(list).table;
}

const model::Colour* colourOrDraft(model::ColourTable& table, int16_t colour)
{
    if (const model::Colour* draft = table.draft(colour))
        return draft;
    return table.find(colour);
}

const model::ColourValue* colourValueOf(int32_t list, int16_t colour)
{
    const ColourList found = colourListOf(list);
    if (found.swatches)
        return found.swatches->find(colour);
    const model::Colour* entry = found.table ? colourOrDraft(*found.table, colour) : nullptr;
    return entry ? &entry->value() : nullptr;
}

} // namespace host::api
