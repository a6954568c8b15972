// Undo and redo of the last clone through the host's set-aside.
#include "twinnel/engine/undo/clone_undo.h"

#include "foundation/binding/binding.h"

namespace twinnel {

void CloneUndo::begin(int16_t source)
{
    m_added.clear();
    m_source = source;
    m_undone = false;
}

void CloneUndo::noteNewLayout(xt::DocumentRef layout, bool wholeProject)
{
    m_added.push_back({wholeProject ? Kind::Project : Kind::Layout, layout});
}

void CloneUndo::notePages(xt::DocumentRef layout, int32_t first, int32_t count)
{
    if (count > 0)
        m_added.push_back({Kind::Pages, layout, first, count});
}

void CloneUndo::noteItem(xt::DocumentRef layout, int32_t item)
{
    if (item != 0)
        m_added.push_back({Kind::Item, layout, item});
}

int32_t CloneUndo::setAside(const Added& added) const
{
    int32_t kept = 0;
    int32_t status = -1;
    switch (added.kind) {
    case Kind::Layout:
    case Kind::Project:
        status = xt::calls::SetDocumentAside(added.layout, added.kind == Kind::Project ? 1 : 0, &kept);
        break;
    case Kind::Pages:
        status = xt::calls::SetPagesAside(added.layout, added.first, added.count, &kept);
        break;
    case Kind::Item:
        status = xt::calls::SetItemAside(added.layout, added.first, &kept);
        break;
    }
    return status == 0 ? kept : 0;
}

bool CloneUndo::undo()
{
    if (m_undone)
        return true;
    bool whole = true;
    // Last first: the copies on added pages go before the pages, and a new layout's content with it.
    for (auto added = m_added.rbegin(); added != m_added.rend(); ++added) {
        added->kept = setAside(*added);
        whole = whole && added->kept != 0;
    }
    m_undone = true;
    // The clone ended with its source current, and so do its undo and redo.
    xt::calls::XgdOp675(m_source);
    return whole;
}

bool CloneUndo::redo()
{
    if (!m_undone)
        return true;
    bool whole = true;
    for (Added& added : m_added) {
        if (added.kept != 0)
            whole = xt::calls::PutAsideBack(added.kept) == 0 && whole;
        added.kept = 0;
    }
    m_undone = false;
    xt::calls::XgdOp675(m_source);
    return whole;
}

CloneUndo& cloneUndo()
{
    static CloneUndo undo;
    return undo;
}

} // namespace twinnel
