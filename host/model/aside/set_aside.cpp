// Setting aside and putting back what an undone command added.
#include "host/model/aside/set_aside.h"

#include <algorithm>
#include <set>

namespace host::model {
namespace {

void gather(const ItemStore& items, int32_t ref, std::set<int32_t>& into)
{
    const Item* item = items.find(ref);
    if (!item || !into.insert(ref).second)
        return;
    for (int32_t member : item->members())
        gather(items, member, into);
}

/// The items' stories go with them only when no box outside them shows one.
bool storiesStayWithin(const Layout& layout, const std::set<int32_t>& items)
{
    for (int32_t ref : items) {
        const Story* story = layout.stories().storyOfBox(ref);
        if (!story)
            continue;
        for (int32_t box : layout.stories().chain(story->ref())) {
            if (items.count(box) == 0)
                return false;
        }
    }
    return true;
}

ContentAside takeContent(Layout& layout, const std::set<int32_t>& items)
{
    ContentAside content;
    for (int32_t ref : items) {
        if (auto story = layout.stories().takeOut(ref))
            content.stories.push_back(std::move(*story));
    }
    // Each item keeps its own fields, the references of its group and members among them, so they go
    // and come back in any order.
    for (int32_t ref : items) {
        if (auto taken = layout.items().takeOut(ref))
            content.items.push_back(std::move(*taken));
    }
    return content;
}

void putContentBack(Layout& layout, ContentAside& content)
{
    for (auto& taken : content.items)
        layout.items().putBack(std::move(taken));
    for (auto& story : content.stories)
        layout.stories().putBack(std::move(story));
    content = {};
}

GuideListKey pageGuides(const Page& page)
{
    return {xt::kGuidePageSet, page.ref()};
}

bool putPagesBack(DocumentModel& model, PagesAside& aside)
{
    Layout* layout = model.findByRef(aside.layout);
    if (!layout || aside.index > layout->pageCount())
        return false;
    for (size_t i = 0; i < aside.pages.size(); ++i) {
        const Page& page = layout->insertKeptPage(aside.index + i, aside.pages[i]);
        if (aside.sections[i])
            layout->sections().start(page.ref(), *aside.sections[i]);
        for (const Guide& guide : aside.guides[i])
            layout->guides().add(pageGuides(page), guide.kind(), guide.entry());
    }
    putContentBack(*layout, aside.content);
    return true;
}

bool putLayoutBack(DocumentModel& model, LayoutAside& aside)
{
    Layout* sibling = model.findByRef(aside.sibling);
    Project* project = sibling ? model.projectOf(*sibling) : nullptr;
    if (!project || !aside.layout)
        return false;
    model.setCurrent(&project->attachLayout(std::move(aside.layout), aside.index));
    return true;
}

bool putProjectBack(DocumentModel& model, ProjectAside& aside)
{
    if (!aside.project)
        return false;
    Project& project = model.attachProject(std::move(aside.project), aside.index);
    if (project.layoutCount() > 0)
        model.setCurrent(&project.layout(0));
    return true;
}

} // namespace

std::optional<Aside> setProjectAside(DocumentModel& model, const Layout& layout)
{
    Project* project = model.projectOf(layout);
    if (!project)
        return std::nullopt;
    ProjectAside aside;
    aside.project = model.detachProject(*project, aside.index);
    return Aside{std::move(aside)};
}

std::optional<Aside> setLayoutAside(DocumentModel& model, const Layout& layout)
{
    Project* project = model.projectOf(layout);
    if (!project || project->layoutCount() < 2)
        return std::nullopt;
    LayoutAside aside;
    for (size_t i = 0; i < project->layoutCount(); ++i) {
        if (&project->layout(i) == &layout)
            aside.index = i;
    }
    aside.sibling = project->layout(aside.index == 0 ? 1 : 0).ref();
    aside.layout = project->detachLayout(aside.index);
    return Aside{std::move(aside)};
}

std::optional<Aside> setPagesAside(Layout& layout, size_t first, size_t count)
{
    if (count == 0 || first > layout.pageCount() || count > layout.pageCount() - first || count == layout.pageCount())
        return std::nullopt;
    std::set<int32_t> items;
    for (size_t i = first; i < first + count; ++i) {
        for (int32_t ref : layout.items().onPage(layout.page(i).ref()))
            gather(layout.items(), ref, items);
    }
    if (!storiesStayWithin(layout, items))
        return std::nullopt;
    PagesAside aside;
    aside.layout = layout.ref();
    aside.index = first;
    for (size_t i = first; i < first + count; ++i) {
        const Page& page = layout.page(i);
        aside.pages.push_back(page);
        const SectionStart* section = layout.sections().at(page.ref());
        aside.sections.push_back(section ? std::optional<SectionStart>(*section) : std::nullopt);
        std::vector<Guide> guides = layout.guides().guides(pageGuides(page), GuideKind::Vertical);
        for (const Guide& guide : layout.guides().guides(pageGuides(page), GuideKind::Horizontal))
            guides.push_back(guide);
        aside.guides.push_back(std::move(guides));
        layout.guides().clear(pageGuides(page));
    }
    aside.content = takeContent(layout, items);
    for (size_t i = 0; i < count; ++i)
        layout.removePage(first);
    return Aside{std::move(aside)};
}

std::optional<Aside> setItemAside(Layout& layout, int32_t item)
{
    const Item* found = layout.items().find(item);
    if (!found || found->parent() != 0 || found->groupRole() == GroupRole::Selection)
        return std::nullopt;
    std::set<int32_t> items;
    gather(layout.items(), item, items);
    if (!storiesStayWithin(layout, items))
        return std::nullopt;
    return Aside{ItemsAside{layout.ref(), takeContent(layout, items)}};
}

bool putBack(DocumentModel& model, Aside& aside)
{
    if (auto* project = std::get_if<ProjectAside>(&aside))
        return putProjectBack(model, *project);
    if (auto* layout = std::get_if<LayoutAside>(&aside))
        return putLayoutBack(model, *layout);
    if (auto* pages = std::get_if<PagesAside>(&aside))
        return putPagesBack(model, *pages);
    auto& items = std::get<ItemsAside>(aside);
    Layout* layout = model.findByRef(items.layout);
    if (!layout)
        return false;
    putContentBack(*layout, items.content);
    return true;
}

int32_t AsideStore::keep(Aside aside)
{
    if (m_kept.size() >= kMostKept)
        m_kept.erase(m_kept.begin());
    const int32_t number = m_next++;
    m_kept.emplace(number, std::move(aside));
    return number;
}

std::optional<Aside> AsideStore::take(int32_t number)
{
    const auto found = m_kept.find(number);
    if (found == m_kept.end())
        return std::nullopt;
    Aside aside = std::move(found->second);
    m_kept.erase(found);
    return aside;
}

} // namespace host::model
