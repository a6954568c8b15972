// Page set-up: page and spread sizes, margins (top, bottom, left, right), columns, gutter, the
// baseline grid, and the set-up records that resize the pages without moving any item.
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "host/api/layout_access.h"
#include "host/api/operation_areas.h"
#include "host/host_context.h"
#include "host/model/spread_layout.h"
#include "xtapi/page_records.h"

namespace host::api {
namespace {

/// The set-up records XpkOp5070 gave out and XpkOp3183 has not freed yet.
std::map<const void*, std::unique_ptr<xt::PageSetupRecord>>& liveSetups()
{
    static std::map<const void*, std::unique_ptr<xt::PageSetupRecord>> setups;
    return setups;
}

const model::PageSetup* setupOf(xt::DocumentRef document)
{
    const model::Layout* layout = layoutOfDocument(document);
    return layout ? &layout->setup() : nullptr;
}

/// Reads one value of the layout into `out`.
template <class T, class Read>
int32_t readValue(xt::DocumentRef document, T* out, Read read)
{
    const model::Layout* layout = layoutOfDocument(document);
    if (!layout || !out || layout->pageCount() == 0)
        return -1;
    *out = read(*layout);
    return 0;
}

xt::Fixed pageWidth(const model::Layout& layout)
{
    return layout.page(0).size().width;
}

xt::Fixed pageHeight(const model::Layout& layout)
{
    return layout.page(0).size().height;
}

xt::Fixed saturated(int64_t value)
{
    return static_cast<xt::Fixed>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

xt::Fixed widestSpread(const model::Layout& layout)
{
    int64_t widest = 0;
    for (size_t spread = 0; spread < model::spreadCount(layout); ++spread) {
        int64_t width = 0;
        for (size_t page : model::pagesOfSpread(layout, spread))
            width += layout.page(page).size().width;
        widest = std::max(widest, width);
    }
    return saturated(widest);
}

xt::Fixed tallestPage(const model::Layout& layout)
{
    xt::Fixed tallest = 0;
    for (const model::Page& page : layout.pages())
        tallest = std::max(tallest, page.size().height);
    return tallest;
}

int32_t XdnOp519(xt::DocumentRef d, xt::Fixed* out) { return readValue(d, out, pageWidth); }
int32_t XdnOp520(xt::DocumentRef d, xt::Fixed* out) { return readValue(d, out, pageHeight); }
int32_t XdnOp521(xt::DocumentRef d, xt::Fixed* out) { return readValue(d, out, widestSpread); }
int32_t XdnOp523(xt::DocumentRef d, xt::Fixed* out) { return readValue(d, out, tallestPage); }

/// The pasteboard reaches one page width beyond each side of the widest spread.
int32_t XdnOp517(xt::DocumentRef d, xt::Fixed* out)
{
    return readValue(d, out, [](const model::Layout& l) { return saturated(int64_t{widestSpread(l)} + 2 * int64_t{pageWidth(l)}); });
}

/// ... and one page height above and below the tallest page.
int32_t XdnOp518(xt::DocumentRef d, xt::Fixed* out)
{
    return readValue(d, out, [](const model::Layout& l) { return saturated(3 * int64_t{tallestPage(l)}); });
}

int32_t XdgOp512(xt::DocumentRef document, xt::Fixed* top, xt::Fixed* bottom, xt::Fixed* left, xt::Fixed* right)
{
    const model::PageSetup* setup = setupOf(document);
    if (!setup || !top || !bottom || !left || !right)
        return -1;
    const model::PageMargins& margins = setup->margins();
    *top = margins.top;
    *bottom = margins.bottom;
    *left = margins.left;
    *right = margins.right;
    return 0;
}

int32_t XdgOp510(xt::DocumentRef document, int32_t* columns)
{
    return readValue(document, columns, [](const model::Layout& l) { return l.setup().columns().count; });
}

int32_t XdgOp509(xt::DocumentRef document, xt::Fixed* gutter)
{
    return readValue(document, gutter, [](const model::Layout& l) { return l.setup().columns().gutter; });
}

int32_t XpgOp2573(xt::DocumentRef document, xt::Fixed top, xt::Fixed bottom, xt::Fixed left, xt::Fixed right)
{
    model::Layout* layout = layoutOfDocument(document);
    const model::PageMargins margins{top, bottom, left, right};
    if (!layout || layout->pageCount() == 0)
        return -1;
    if (!model::fitsPage(margins, layout->setup().columns(), layout->page(0).size()))
        return -1;
    layout->setup().setMargins(margins);
    return 0;
}

int32_t XpgOp982(xt::DocumentRef d, xt::Fixed* out)
{
    return readValue(d, out, [](const model::Layout& l) { return l.setup().baselineGrid().start; });
}

int32_t XpgOp978(xt::DocumentRef d, xt::Fixed* out)
{
    return readValue(d, out, [](const model::Layout& l) { return l.setup().baselineGrid().increment; });
}

int32_t XpgOp983(xt::DocumentRef document, xt::Fixed start)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || start < 0)
        return -1;
    model::BaselineGrid grid = layout->setup().baselineGrid();
    grid.start = start;
    layout->setup().setBaselineGrid(grid);
    return 0;
}

int32_t XpgOp979(xt::DocumentRef document, xt::Fixed increment)
{
    model::Layout* layout = layoutOfDocument(document);
    if (!layout || increment <= 0)
        return -1;
    model::BaselineGrid grid = layout->setup().baselineGrid();
    grid.increment = increment;
    layout->setup().setBaselineGrid(grid);
    return 0;
}

int32_t XpkOp3141(xt::DocumentRef document, xt::TextObject* text, xt::TextObject* projectName)
{
    model::Layout* layout = layoutOfDocument(document);
    const model::Project* project = layout ? context().documents().projectOf(*layout) : nullptr;
    if (!project || !text)
        return -1;
    *text = context().texts().make(layout->name());
    if (!*text)
        return -1;
    if (!projectName)
        return 0;
    *projectName = context().texts().make(project->name());
    return *projectName ? 0 : -1;
}

int32_t XpkOp5070(xt::Fixed height, xt::Fixed width, const xt::Fixed* margins, int32_t facing, int32_t columns,
    xt::Fixed gutter, int32_t, int32_t pageCount, int32_t, void** setup)
{
    if (!setup)
        return -1;
    *setup = nullptr;
    if (!margins)
        return -1;
    const model::PageMargins asked{margins[0], margins[1], margins[2], margins[3]};
    if (!model::fitsPage(asked, {columns, gutter}, {width, height}))
        return -1;
    auto record = std::make_unique<xt::PageSetupRecord>();
    *record = {height, width, {asked.top, asked.bottom, asked.left, asked.right}, facing != 0, columns, gutter, pageCount};
    *setup = record.get();
    liveSetups().emplace(record.get(), std::move(record));
    return 0;
}

/// A failing build hands back no record, so a caller that did not preset its variable finds none.
int32_t failXpkOp5070(xt::Fixed, xt::Fixed, const xt::Fixed*, int32_t, int32_t, xt::Fixed, int32_t, int32_t, int32_t,
    void** setup)
{
    if (setup)
        *setup = nullptr;
    return -1;
}

void applySetup(model::Layout& layout, const xt::PageSetupRecord& setup)
{
    // Items stay where they are: only the pages and their guides for margins and columns change.
    for (size_t i = 0; i < layout.pageCount(); ++i)
        layout.page(i).resize({setup.width, setup.height});
    layout.setup().setMargins({setup.margins[0], setup.margins[1], setup.margins[2], setup.margins[3]});
    layout.setup().setColumns({setup.columns, setup.gutter});
    if ((setup.facing != 0) != layout.setup().facing())
        model::setFacingPages(layout, setup.facing != 0);
}

int32_t XpkOp3146(xt::DocumentRef document, xt::TextObject, xt::FourLetterCode type, const void* setup, int32_t* out)
{
    model::Layout* layout = layoutOfDocument(document);
    auto found = liveSetups().find(setup);
    if (!layout || type != xt::kPageSetupDocument || found == liveSetups().end())
        return -1;
    applySetup(*layout, *found->second);
    if (out)
        *out = 0;
    return 0;
}

/// A layout of the set-up's pages (at least one) added to the project and made current.
int32_t addLayoutFromSetup(model::Project& project, const std::string& name, const xt::PageSetupRecord& setup, int16_t* id)
{
    model::Layout& layout = project.addLayout(name);
    for (int32_t i = 0; i < std::max(setup.pageCount, 1); ++i)
        layout.appendPage({setup.width, setup.height});
    applySetup(layout, setup);
    context().documents().setCurrent(&layout);
    *id = layout.id();
    return 0;
}

/// The text of a name the caller passed, or the fallback when it passed none; nothing for a text object the host never made.
std::optional<std::string> nameOrDefault(xt::TextObject name, const std::string& fallback)
{
    if (!name)
        return fallback;
    const std::string* text = context().texts().find(name);
    if (!text)
        return std::nullopt;
    return text->empty() ? fallback : *text;
}

int32_t XpkOp3090(xt::TextObject name, xt::FourLetterCode type, const void* setup, int16_t* id)
{
    const auto found = liveSetups().find(setup);
    const auto text = nameOrDefault(name, "Project");
    if (!id || !text || type != xt::kPageSetupDocument || found == liveSetups().end())
        return -1;
    return addLayoutFromSetup(context().documents().addProject(*text), "Layout 1", *found->second, id);
}

int32_t NewLayoutInProject(xt::DocumentRef document, xt::TextObject name, const void* setup, int16_t* id)
{
    model::Layout* layout = layoutOfDocument(document);
    model::Project* project = layout ? context().documents().projectOf(*layout) : nullptr;
    const auto found = liveSetups().find(setup);
    const auto text = project ? nameOrDefault(name, "Layout " + std::to_string(project->layoutCount() + 1)) : std::nullopt;
    if (!id || !text || found == liveSetups().end())
        return -1;
    return addLayoutFromSetup(*project, *text, *found->second, id);
}

void XpkOp3183(void* setup)
{
    liveSetups().erase(setup);
}

} // namespace

void registerPageSetupOps(OperationRegistry& registry)
{
    registry.add<xt::op::XdnOp519, &XdnOp519>();
    registry.add<xt::op::XdnOp520, &XdnOp520>();
    registry.add<xt::op::XdnOp521, &XdnOp521>();
    registry.add<xt::op::XdnOp523, &XdnOp523>();
    registry.add<xt::op::XdnOp517, &XdnOp517>();
    registry.add<xt::op::XdnOp518, &XdnOp518>();
    registry.add<xt::op::XdgOp512, &XdgOp512>();
    registry.add<xt::op::XdgOp510, &XdgOp510>();
    registry.add<xt::op::XdgOp509, &XdgOp509>();
    registry.add<xt::op::XpgOp2573, &XpgOp2573>();
    registry.add<xt::op::XpgOp982, &XpgOp982>();
    registry.add<xt::op::XpgOp978, &XpgOp978>();
    registry.add<xt::op::XpgOp983, &XpgOp983>();
    registry.add<xt::op::XpgOp979, &XpgOp979>();
    registry.add<xt::op::XpkOp3141, &XpkOp3141>();
    registry.add<xt::op::XpkOp5070, &XpkOp5070, &failXpkOp5070>();
    registry.add<xt::op::XpkOp3146, &XpkOp3146>();
    registry.add<xt::op::XpkOp3183, &XpkOp3183>();
    registry.add<xt::op::XpkOp3090, &XpkOp3090>();
    registry.add<xt::op::NewLayoutInProject, &NewLayoutInProject>();
}

} // namespace host::api
