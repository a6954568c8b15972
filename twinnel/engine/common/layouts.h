// The layouts Twinnel reads and switches between: the current one, page counts and names, project and
// layout names, the other open layouts, and the page list over a layout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "page_range/page_range.h"
#include "xtapi/types.h"

namespace twinnel {

struct LayoutRef {
    int16_t id = -1;
    xt::DocumentRef ref = 0;
};

/// The current layout, or nothing when no document is open.
std::optional<LayoutRef> currentLayout();
/// The layout with that id, made current; nothing when the host refuses it.
std::optional<LayoutRef> makeCurrent(int16_t id);

int32_t pageCountOf(xt::DocumentRef layout);
/// The name the layout shows for document page `page` (from 1), section prefix and numbering included.
std::string PageNameToCString(xt::DocumentRef layout, int32_t page);
std::string layoutNameOf(xt::DocumentRef layout);
std::string projectNameOf(xt::DocumentRef layout);

/// The open layouts other than `current`, in the order of their windows.
std::vector<int16_t> otherOpenLayouts(int16_t current);

/// A host text as a string; the text object is disposed.
std::string takeText(xt::TextObject text);
/// A new host text object holding `text` (null when the host refuses one).
xt::TextObject newText(const std::string& text);

/// The layout's pages as the page list reader sees them.
class HostPages final : public page_range::PageDirectory {
public:
    explicit HostPages(xt::DocumentRef layout) : m_layout(layout) {}
    int pageCount() const override { return pageCountOf(m_layout); }
    std::string pageName(int sequence) const override { return PageNameToCString(m_layout, sequence); }

private:
    xt::DocumentRef m_layout;
};

} // namespace twinnel
