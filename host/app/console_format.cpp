// How the host program words what it shows: message boxes, documents, page sizes.
#include "host/app/console_format.h"

#include <algorithm>
#include <cstdio>

namespace host::app {
namespace {

std::string counted(size_t count, const char* singular, const char* plural)
{
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

bool allPagesLikeFirst(const model::Layout& layout)
{
    const auto& pages = layout.pages();
    return std::all_of(pages.begin(), pages.end(),
        [&](const model::Page& page) { return page.size() == pages.front().size(); });
}

} // namespace

std::string formatMessageBox(const ui::MessageBoxRecord& box)
{
    std::string line = "[message] ";
    if (!box.caption.empty())
        line += box.caption + ": ";
    line += box.text;
    if (ui::buttonsOf(box.style).size() > 1) {
        line += " -> " + std::string(ui::buttonName(box.answer));
        if (!box.answered)
            line += " (no answer given; the default button)";
    }
    return line;
}

std::string formatPoints(xt::Fixed value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value) / xt::kFixedOne);
    std::string result = text;
    result.erase(result.find_last_not_of('0') + 1);
    if (result.back() == '.')
        result.pop_back();
    return result;
}

std::string describePages(const model::Layout& layout)
{
    std::string text = counted(layout.pageCount(), "page", "pages");
    if (layout.pageCount() == 0)
        return text;
    const model::PageSize& size = layout.page(0).size();
    text += allPagesLikeFirst(layout) ? ", " : ", the first ";
    return text + formatPoints(size.width) + " x " + formatPoints(size.height) + " pt";
}

std::string describeProject(const model::Project& project)
{
    size_t pages = 0;
    for (size_t i = 0; i < project.layoutCount(); ++i)
        pages += project.layout(i).pageCount();
    return "\"" + project.name() + "\", " + counted(project.layoutCount(), "layout", "layouts") + ", "
        + counted(pages, "page", "pages");
}

} // namespace host::app
