// Projects, layouts and pages, and the current layout.
#include "host/model/document_model.h"

#include <algorithm>

namespace host::model {

Layout::Layout(int16_t id, xt::DocumentRef ref, std::string name, ReferenceAllocator& references,
    ApplicationColours& colours)
    : m_id(id), m_ref(ref), m_name(std::move(name)), m_references(&references),
      m_colours(colours.nextListRef(), colours.changes())
{
}

const Page* Layout::findPage(int32_t ref) const
{
    const auto index = indexOfPage(ref);
    return index ? &m_pages[*index] : nullptr;
}

std::optional<size_t> Layout::indexOfPage(int32_t ref) const
{
    if (m_pageIndexStale) {
        m_pageIndex.clear();
        for (size_t i = 0; i < m_pages.size(); ++i)
            m_pageIndex.emplace(m_pages[i].ref(), i);
        m_pageIndexStale = false;
    }
    const auto found = m_pageIndex.find(ref);
    if (found == m_pageIndex.end())
        return std::nullopt;
    return found->second;
}

Page& Layout::appendPage(PageSize size)
{
    return insertPage(m_pages.size(), size);
}

Page& Layout::insertPage(size_t index, PageSize size)
{
    if (index > m_pages.size())
        index = m_pages.size();
    m_pageIndexStale = true;
    return *m_pages.insert(m_pages.begin() + static_cast<std::ptrdiff_t>(index), Page(m_references->next(), size));
}

Page& Layout::insertKeptPage(size_t index, const Page& page)
{
    index = std::min(index, m_pages.size());
    m_pageIndexStale = true;
    return *m_pages.insert(m_pages.begin() + static_cast<std::ptrdiff_t>(index), page);
}

bool Layout::removePage(size_t index)
{
    if (index >= m_pages.size())
        return false;
    m_sections.remove(m_pages[index].ref());
    m_pageIndexStale = true;
    m_pages.erase(m_pages.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

Project::Project(std::string name, DocumentModel& model) : m_name(std::move(name)), m_model(&model) {}

Layout& Project::addLayout(std::string name)
{
    const int16_t id = m_model->nextLayoutId();
    const xt::DocumentRef ref = m_model->references().next();
    m_layouts.push_back(std::make_unique<Layout>(id, ref, std::move(name), m_model->references(), m_model->colours()));
    return *m_layouts.back();
}

std::unique_ptr<Layout> Project::detachLayout(size_t index)
{
    if (index >= m_layouts.size())
        return nullptr;
    std::unique_ptr<Layout> layout = std::move(m_layouts[index]);
    m_layouts.erase(m_layouts.begin() + static_cast<std::ptrdiff_t>(index));
    m_model->keepCurrentOpen();
    return layout;
}

Layout& Project::attachLayout(std::unique_ptr<Layout> layout, size_t index)
{
    index = std::min(index, m_layouts.size());
    return **m_layouts.insert(m_layouts.begin() + static_cast<std::ptrdiff_t>(index), std::move(layout));
}

std::unique_ptr<Project> DocumentModel::detachProject(const Project& project, size_t& index)
{
    auto found = std::find_if(m_projects.begin(), m_projects.end(), [&](const auto& entry) { return entry.get() == &project; });
    if (found == m_projects.end())
        return nullptr;
    index = static_cast<size_t>(found - m_projects.begin());
    std::unique_ptr<Project> detached = std::move(*found);
    m_projects.erase(found);
    keepCurrentOpen();
    return detached;
}

Project& DocumentModel::attachProject(std::unique_ptr<Project> project, size_t index)
{
    index = std::min(index, m_projects.size());
    return **m_projects.insert(m_projects.begin() + static_cast<std::ptrdiff_t>(index), std::move(project));
}

void DocumentModel::keepCurrentOpen()
{
    if (m_current && projectOf(*m_current))
        return;
    m_current = nullptr;
    for (auto& remaining : m_projects) {
        if (remaining->layoutCount() > 0)
            m_current = &remaining->layout(remaining->layoutCount() - 1);
    }
}

Layout& DocumentModel::newDocument(const NewDocumentOptions& options)
{
    Project& project = addProject(options.name);
    Layout& layout = project.addLayout("Layout 1");
    for (int32_t i = 0; i < options.pageCount; ++i)
        layout.appendPage(options.pageSize);
    m_current = &layout;
    return layout;
}

Project& DocumentModel::addProject(std::string name)
{
    m_projects.push_back(std::make_unique<Project>(std::move(name), *this));
    return *m_projects.back();
}

bool DocumentModel::closeProject(const Project& project)
{
    auto found = std::find_if(m_projects.begin(), m_projects.end(), [&](const auto& entry) { return entry.get() == &project; });
    if (found == m_projects.end())
        return false;
    const bool heldCurrent = m_current && projectOf(*m_current) == &project;
    m_projects.erase(found);
    if (!heldCurrent)
        return true;
    m_current = nullptr;
    for (auto& remaining : m_projects) {
        if (remaining->layoutCount() > 0)
            m_current = &remaining->layout(remaining->layoutCount() - 1);
    }
    return true;
}

Layout* DocumentModel::findById(int16_t id)
{
    for (auto& project : m_projects) {
        for (size_t i = 0; i < project->layoutCount(); ++i) {
            if (project->layout(i).id() == id)
                return &project->layout(i);
        }
    }
    return nullptr;
}

Layout* DocumentModel::findByRef(xt::DocumentRef ref)
{
    for (auto& project : m_projects) {
        for (size_t i = 0; i < project->layoutCount(); ++i) {
            if (project->layout(i).ref() == ref)
                return &project->layout(i);
        }
    }
    return nullptr;
}

Project* DocumentModel::projectOf(const Layout& layout)
{
    for (auto& project : m_projects) {
        for (size_t i = 0; i < project->layoutCount(); ++i) {
            if (&project->layout(i) == &layout)
                return project.get();
        }
    }
    return nullptr;
}

} // namespace host::model
