// What an undone command added, set aside whole so that its redo puts back the very same objects: a
// project, a layout, pages with everything on them, or items. References stay as they were, so the
// redone document is the one the command left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "host/model/document_model.h"

namespace host::model {

/// Items with their stories, taken out of a layout.
struct ContentAside {
    std::vector<ItemStore::TakenItem> items;
    std::vector<StoryStore::TakenStory> stories;
};

struct ProjectAside {
    std::unique_ptr<Project> project;
    size_t index = 0;
};

struct LayoutAside {
    std::unique_ptr<Layout> layout;
    xt::DocumentRef sibling = 0; ///< a layout of the same project, to find the project again
    size_t index = 0;
};

struct PagesAside {
    xt::DocumentRef layout = 0;
    size_t index = 0;
    std::vector<Page> pages;
    std::vector<std::optional<SectionStart>> sections;
    std::vector<std::vector<Guide>> guides;
    ContentAside content;
};

struct ItemsAside {
    xt::DocumentRef layout = 0;
    ContentAside content;
};

using Aside = std::variant<ProjectAside, LayoutAside, PagesAside, ItemsAside>;

/// The project holding `layout`; fails for a layout that is not open.
std::optional<Aside> setProjectAside(DocumentModel& model, const Layout& layout);
/// The layout alone; fails for the only layout of its project.
std::optional<Aside> setLayoutAside(DocumentModel& model, const Layout& layout);
/// `count` document pages from index `first`, with their items, the stories those show, their guides and
/// section starts. Fails, with nothing changed, for pages the layout does not have, all of its pages, or a
/// story shown also by a box elsewhere.
std::optional<Aside> setPagesAside(Layout& layout, size_t first, size_t count);
/// A top-level item with its members and the stories they show; fails as setPagesAside does.
std::optional<Aside> setItemAside(Layout& layout, int32_t item);
/// Puts back what was set aside where it was; false, with `aside` kept, when its place is gone.
bool putBack(DocumentModel& model, Aside& aside);

/// What the host holds set aside, by number; the oldest goes once it holds too many.
class AsideStore {
public:
    int32_t keep(Aside aside);
    std::optional<Aside> take(int32_t number);
    /// Keeps again what `take` gave under `number`.
    void keepAs(int32_t number, Aside aside) { m_kept.emplace(number, std::move(aside)); }

private:
    static constexpr size_t kMostKept = 64;
    std::map<int32_t, Aside> m_kept;
    int32_t m_next = 1;
};

} // namespace host::model
