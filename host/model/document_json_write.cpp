// Writes a project as a JSON document: its format and version, layouts and pages; whole, or straight
// into a file with a layout's items and stories made one at a time.
#include "host/model/document_json.h"

#include "host/model/colours/colours_json.h"
#include "host/model/document_json_points.h"
#include "host/model/items_json.h"
#include "host/model/json_pretty_writer.h"
#include "host/model/page_setup_json.h"
#include "host/model/pages/pages_json.h"
#include "host/model/text_json.h"

namespace host::model {
namespace {

nlohmann::ordered_json pageToJson(const Page& page)
{
    return {{"width", pointsFromFixed(page.size().width)}, {"height", pointsFromFixed(page.size().height)}};
}

/// Everything of a layout's object that comes before its items and stories.
nlohmann::ordered_json layoutHeadJson(const Layout& layout)
{
    nlohmann::ordered_json pages = nlohmann::ordered_json::array();
    for (const Page& page : layout.pages())
        pages.push_back(pageToJson(page));
    nlohmann::ordered_json object = {{"name", layout.name()}, {"pages", std::move(pages)}};
    writePageSetup(layout, object);
    writeLayoutPages(layout, object);
    writeLayoutColours(layout, object);
    return object;
}

nlohmann::ordered_json layoutToJson(const Layout& layout)
{
    nlohmann::ordered_json object = layoutHeadJson(layout);
    writeLayoutItems(layout, object);
    writeLayoutText(layout, object);
    return object;
}

/// Everything of the document's object that comes before its layouts.
nlohmann::ordered_json documentHeadJson(const Project& project)
{
    return {{"format", kDocumentFormat}, {"version", kDocumentFormatVersion}, {"name", project.name()}};
}

void writeLayout(PrettyWriter& writer, const Layout& layout)
{
    writer.open('{');
    writer.members(layoutHeadJson(layout));
    writer.list(kItemsKey, [&layout](const JsonSink& sink) { forEachItemJson(layout, sink); });
    writer.list(kMasterItemsKey, [&layout](const JsonSink& sink) { forEachMasterItemJson(layout, sink); });
    writer.list(kStoriesKey, [&layout](const JsonSink& sink) { forEachStoryJson(layout, sink); });
    nlohmann::ordered_json tail = nlohmann::ordered_json::object();
    writeLayoutDataBlocks(layout, tail);
    writer.members(tail);
    writer.close('}');
}

} // namespace

nlohmann::ordered_json documentToJson(const Project& project)
{
    nlohmann::ordered_json layouts = nlohmann::ordered_json::array();
    for (size_t i = 0; i < project.layoutCount(); ++i)
        layouts.push_back(layoutToJson(project.layout(i)));
    nlohmann::ordered_json document = documentHeadJson(project);
    document["layouts"] = std::move(layouts);
    return document;
}

void writeDocumentJson(std::ostream& out, const Project& project)
{
    PrettyWriter writer(out);
    writer.open('{');
    writer.members(documentHeadJson(project));
    writer.key("layouts");
    writer.open('[');
    for (size_t i = 0; i < project.layoutCount(); ++i) {
        writer.entry();
        writeLayout(writer, project.layout(i));
    }
    writer.close(']');
    writer.close('}');
}

} // namespace host::model
