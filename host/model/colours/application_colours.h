// The colours that belong to the application rather than to a document: the change count shared by
// every table, the table used while no document is open, and the plug-ins' own swatch lists.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/model/colours/colour_table.h"
#include "host/model/colours/swatch_list.h"

namespace host::model {

class ApplicationColours {
public:
    ApplicationColours() = default;
    ApplicationColours(const ApplicationColours&) = delete;
    ApplicationColours& operator=(const ApplicationColours&) = delete;

    /// Colour lists have numbers of their own (from 1; list 0 means the current one), so that making
    /// them never moves the references of documents and items.
    int32_t nextListRef() { return m_nextListRef++; }

    ColourChanges& changes() { return m_changes; }
    const ColourChanges& changes() const { return m_changes; }
    /// The host's default colours, where colours made with no document open go.
    ColourTable& table() { return m_table; }

    SwatchList& newSwatchList();
    SwatchList* findSwatchList(int32_t ref);
    bool disposeSwatchList(int32_t ref);

private:
    int32_t m_nextListRef = 1;
    ColourChanges m_changes;
    ColourTable m_table{nextListRef(), m_changes};
    std::vector<std::unique_ptr<SwatchList>> m_swatchLists;
};

} // namespace host::model
