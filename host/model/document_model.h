// The host's documents: projects holding layouts, layouts holding pages, and the current layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <string>
#include <vector>

#include "host/model/data_blocks.h"
#include "host/model/clipboard.h"
#include "host/model/colours/application_colours.h"
#include "host/model/colours/colour_table.h"
#include "host/model/guides.h"
#include "host/model/guides/guide_kind_colours.h"
#include "host/model/items/item_store.h"
#include "host/model/layers/layers.h"
#include "host/model/master_pages.h"
#include "host/model/page.h"
#include "host/model/page_setup.h"
#include "host/model/pages/document_settings.h"
#include "host/model/pages/sections.h"
#include "host/model/pages/spread_page_items.h"
#include "host/model/reference_allocator.h"
#include "host/model/spread_view.h"
#include "host/model/style_sheets.h"
#include "host/model/text/story_store.h"
#include "host/model/undo_steps.h"
#include "xtapi/types.h"

namespace host::model {

/// What a new document looks like; the defaults are the host's own (one US Letter page).
struct NewDocumentOptions {
    int32_t pageCount = 1;
    PageSize pageSize{};
    std::string name = "Project1";
};

/// A layout is what the plug-ins call a document: an id for GetCurrentDocument and a reference
/// for the operations that take one.
class Layout {
public:
    Layout(int16_t id, xt::DocumentRef ref, std::string name, ReferenceAllocator& references, ApplicationColours& colours);

    int16_t id() const { return m_id; }
    xt::DocumentRef ref() const { return m_ref; }
    const std::string& name() const { return m_name; }
    void rename(std::string name) { m_name = std::move(name); }

    size_t pageCount() const { return m_pages.size(); }
    const Page& page(size_t index) const { return m_pages.at(index); }
    Page& page(size_t index) { return m_pages.at(index); }
    const std::vector<Page>& pages() const { return m_pages; }
    /// Looks a page up by its reference; null when this layout has none with it.
    const Page* findPage(int32_t ref) const;
    /// The index of the document page with this reference.
    std::optional<size_t> indexOfPage(int32_t ref) const;

    Page& appendPage(PageSize size);
    Page& insertPage(size_t index, PageSize size);
    /// Puts a page taken out earlier back at `index`, under its own reference.
    Page& insertKeptPage(size_t index, const Page& page);
    bool removePage(size_t index);

    /// The layout's items, its selection and the window that shows them.
    ItemStore& items() { return m_items; }
    const ItemStore& items() const { return m_items; }

    /// The layout's stories and the chains of text boxes that show them.
    StoryStore& stories() { return m_stories; }
    const StoryStore& stories() const { return m_stories; }
    /// The XtData holders of the layout, its pages and its items.
    DataBlockStore& dataBlocks() { return m_dataBlocks; }
    const DataBlockStore& dataBlocks() const { return m_dataBlocks; }

    /// Margins, columns, facing pages and the baseline grid of the document pages.
    PageSetup& setup() { return m_setup; }
    const PageSetup& setup() const { return m_setup; }
    MasterPages& masters() { return m_masters; }
    const MasterPages& masters() const { return m_masters; }
    GuideStore& guides() { return m_guides; }
    const GuideStore& guides() const { return m_guides; }
    StyleSheets& styleSheets() { return m_styleSheets; }
    const StyleSheets& styleSheets() const { return m_styleSheets; }
    /// The layout's colours, which its items, text and rules name by number.
    ColourTable& colours() { return m_colours; }
    const ColourTable& colours() const { return m_colours; }
    /// The layers the layout's items sit on.
    Layers& layers() { return m_layers; }
    const Layers& layers() const { return m_layers; }
    /// Section starts, which name the pages.
    Sections& sections() { return m_sections; }
    const Sections& sections() const { return m_sections; }
    /// The stored switches and the ruler origin.
    DocumentSettings& settings() { return m_settings; }
    const DocumentSettings& settings() const { return m_settings; }
    /// The page item of each spread, whose record is its page table.
    SpreadPageItems& spreadItems() { return m_spreadItems; }
    /// The layout window: document pages or masters, view scale, recorded view calls.
    SpreadView& view() { return m_view; }
    const SpreadView& view() const { return m_view; }

private:
    int16_t m_id;
    xt::DocumentRef m_ref;
    std::string m_name;
    ReferenceAllocator* m_references;
    std::vector<Page> m_pages;
    /// Page reference -> index, built when first asked for after the pages changed: a page's place is
    /// asked for item by item, and looking through every page each time costs the square of the pages.
    mutable std::unordered_map<int32_t, size_t> m_pageIndex;
    mutable bool m_pageIndexStale = true;
    ItemStore m_items{*m_references};
    StoryStore m_stories{*m_references};
    DataBlockStore m_dataBlocks{*m_references};
    PageSetup m_setup;
    MasterPages m_masters{*m_references};
    GuideStore m_guides;
    StyleSheets m_styleSheets{*m_references};
    ColourTable m_colours;
    Layers m_layers;
    Sections m_sections;
    DocumentSettings m_settings;
    SpreadPageItems m_spreadItems{*m_references};
    SpreadView m_view;
};

/// A project is one document file; it holds one or more layouts.
class Project {
public:
    Project(std::string name, class DocumentModel& model);

    const std::string& name() const { return m_name; }
    void rename(std::string name) { m_name = std::move(name); }

    size_t layoutCount() const { return m_layouts.size(); }
    Layout& layout(size_t index) { return *m_layouts.at(index); }
    const Layout& layout(size_t index) const { return *m_layouts.at(index); }

    /// Adds an empty layout (no pages yet) at the end of the project.
    Layout& addLayout(std::string name);
    /// Takes a layout out of the project whole (an undone command's new layout); null for no such index.
    std::unique_ptr<Layout> detachLayout(size_t index);
    /// Puts a detached layout back at `index` (at the end when past it).
    Layout& attachLayout(std::unique_ptr<Layout> layout, size_t index);

private:
    std::string m_name;
    DocumentModel* m_model;
    std::vector<std::unique_ptr<Layout>> m_layouts;
};

/// Every open project, and which layout is current.
class DocumentModel {
public:
    DocumentModel() = default;
    DocumentModel(const DocumentModel&) = delete;
    DocumentModel& operator=(const DocumentModel&) = delete;

    /// A new project with one layout of `options.pageCount` pages, made current.
    Layout& newDocument(const NewDocumentOptions& options = {});
    /// An empty project, not current; callers (such as the JSON reader) fill it and then make it current.
    Project& addProject(std::string name);
    /// Closes the project; when it held the current layout, the last remaining layout becomes current.
    bool closeProject(const Project& project);
    /// Takes the project out whole, as closeProject does, without destroying it; null for an unknown one.
    /// `index` receives its place among the projects.
    std::unique_ptr<Project> detachProject(const Project& project, size_t& index);
    /// Puts a detached project back at `index` (at the end when past it); it is not made current.
    Project& attachProject(std::unique_ptr<Project> project, size_t index);
    /// When the current layout is no longer open, the last open layout becomes current (none when none is).
    void keepCurrentOpen();

    size_t projectCount() const { return m_projects.size(); }
    Project& project(size_t index) { return *m_projects.at(index); }
    const Project& project(size_t index) const { return *m_projects.at(index); }

    Layout* current() { return m_current; }
    const Layout* current() const { return m_current; }
    void setCurrent(Layout* layout) { m_current = layout; }

    Layout* findById(int16_t id);
    Layout* findByRef(xt::DocumentRef ref);
    Project* projectOf(const Layout& layout);

    ReferenceAllocator& references() { return m_references; }
    int16_t nextLayoutId() { return m_nextLayoutId++; }

    /// The host's global XtData holders, which belong to no document.
    DataBlockStore& globalData() { return m_globalData; }
    const DataBlockStore& globalData() const { return m_globalData; }

    /// The change count of every colour table, the colours used with no document open, swatch lists.
    ApplicationColours& colours() { return m_colours; }
    const ApplicationColours& colours() const { return m_colours; }

    /// The display colours of guide kinds, registered by the plug-ins for every document.
    GuideKindColours& guideColours() { return m_guideColours; }
    const GuideKindColours& guideColours() const { return m_guideColours; }

    /// The host's undo steps, clipboard and step-and-repeat offsets, shared by every document.
    UndoSteps& undoSteps() { return m_undoSteps; }
    Clipboard& clipboard() { return m_clipboard; }
    StepRepeatOffsets& stepRepeatOffsets() { return m_stepRepeat; }

private:
    ReferenceAllocator m_references;
    int16_t m_nextLayoutId = 1;
    std::vector<std::unique_ptr<Project>> m_projects;
    Layout* m_current = nullptr;
    DataBlockStore m_globalData{m_references};
    ApplicationColours m_colours;
    GuideKindColours m_guideColours;
    UndoSteps m_undoSteps;
    Clipboard m_clipboard;
    StepRepeatOffsets m_stepRepeat;
};

} // namespace host::model
