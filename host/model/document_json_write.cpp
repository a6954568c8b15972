// Writes a project as a JSON document: its format and version, layouts and pages.
#include "host/model/document_json.h"

#include "host/model/colours/colours_json.h"
#include "host/model/document_json_points.h"
#include "host/model/items_json.h"
#include "host/model/page_setup_json.h"
#include "host/model/pages/pages_json.h"
#include "host/model/text_json.h"

namespace host::model {
namespace {

nlohmann::ordered_json pageToJson(const Page& page)
{
    return {{"width", pointsFromFixed(page.size().width)}, {"height", pointsFromFixed(page.size().height)}};
}

nlohmann::ordered_json layoutToJson(const Layout& layout)
{
    nlohmann::ordered_json pages = nlohmann::ordered_json::array();
    for (const Page& page : layout.pages())
        pages.push_back(pageToJson(page));
    nlohmann::ordered_json object = {{"name", layout.name()}, {"pages", std::move(pages)}};
    writePageSetup(layout, object);
    writeLayoutPages(layout, object);
    writeLayoutColours(layout, object);
    writeLayoutItems(layout, object);
    writeLayoutText(layout, object);
    return object;
}

} // namespace

nlohmann::ordered_json documentToJson(const Project& project)
{
    nlohmann::ordered_json layouts = nlohmann::ordered_json::array();
    for (size_t i = 0; i < project.layoutCount(); ++i)
        layouts.push_back(layoutToJson(project.layout(i)));
    return {
        {"format", kDocumentFormat},
        {"version", kDocumentFormatVersion},
        {"name", project.name()},
        {"layouts", std::move(layouts)},
    };
}

} // namespace host::model
