// Greeking every item of the document, or the text boxes of a page range: each walk hands the items it
// reaches to GreekItem one by one, then gives back the tool, the page shown and the user's current item.
#include <cstdint>
#include <optional>

#include "foundation/binding/binding.h"
#include "foundation/document/item_walk.h"
#include "mockum/engine/common/box_text.h"
#include "mockum/engine/common/current_box.h"
#include "mockum/engine/common/document_view.h"
#include "mockum/engine/common/host_failures.h"
#include "mockum/engine/greek/greek_scopes.h"
#include "xtapi/box_record.h"

namespace mockum {
namespace {

/// What a walk changes on the way and gives back at the end, whatever it reached.
class WalkState {
public:
    WalkState() : m_view(readDocumentView()), m_tool(xt::calls::GetCurrentTool())
    {
        if (m_tool < 0)
            noteHostFailure();
        m_hasPageValue = watched(xt::calls::XpgOp948(&m_pageValue)) == 0;
        if (xt::calls::GetCurrentBox(&m_box) != 0)
            m_box = 0;
        xt::calls::XpgOp949(0);
    }
    ~WalkState()
    {
        xt::calls::StoryMode1375(1);
        if (m_hasPageValue)
            watched(xt::calls::XpgOp949(m_pageValue));
        xt::calls::SetCurrentBox(m_box);
        setCurrentBoxGlobal(m_box);
        if (m_tool >= 0)
            watched(xt::calls::SetCurrentTool(m_tool));
        showPageAgain(m_view);
        restoreDocumentView(m_view);
    }
    WalkState(const WalkState&) = delete;
    WalkState& operator=(const WalkState&) = delete;

    xt::DocumentRef document() const { return m_view.ref; }

private:
    DocumentView m_view;
    int32_t m_tool = -1;
    int32_t m_pageValue = 0;
    bool m_hasPageValue = false;
    int32_t m_box = 0;
};

void greekItemAt(int32_t item, const GreekSettings& settings)
{
    watched(xt::calls::SetCurrentBox(item));
    setCurrentBoxGlobal(item);
    GreekItem(settings);
}

/// The first item of the spread (from 1); 0 when it holds none or the host could not say.
int32_t firstItemOf(xt::DocumentRef document, int32_t spread)
{
    int32_t item = 0;
    if (watched(xt::calls::GetFirstItem(document, spread, 0, &item)) != 0)
        return 0;
    return item;
}

/// A walk cut short would greek part of the document unseen.
int32_t nextItemOf(int32_t item)
{
    return foundation::confirmedNextItem(item, 0);
}

/// The place of page `page` (from 1) in the document's window; nullopt when the document has no such page.
std::optional<xt::PlaceRecord> placeOfPage(xt::DocumentRef document, int32_t page)
{
    xt::WindowRef window = 0;
    if (watched(xt::calls::GetDocumentWindow(document, &window)) != 0 || window == 0)
        return std::nullopt;
    xt::PlaceRecord place{};
    if (watched(xt::calls::PageOp3594(window, page, 0, &place)) != 0)
        return std::nullopt;
    watched(xt::calls::DocumentOp868(window, page));
    return place;
}

/// The page number (from 1) the item lies on; nullopt for an item on no page.
std::optional<int32_t> pageOfItem(int32_t item)
{
    xt::PlaceRecord place{};
    if (xt::calls::GetBoxBounds(item, 0, &place) != 0)
        return std::nullopt;
    return place.pageNumber;
}

} // namespace

void GreekEntireItems(const GreekSettings& settings)
{
    const WalkState state;
    if (state.document() == 0)
        return;
    watched(xt::calls::SetCurrentTool(kTextTool));
    // The count is read again after each spread, as greeking could change it.
    for (int32_t spread = 1; spread <= xt::calls::GetCount1305(state.document()); ++spread) {
        for (int32_t item = firstItemOf(state.document(), spread); item != 0; item = nextItemOf(item))
            greekItemAt(item, settings);
    }
}

void GreekPageRange(const GreekSettings& settings)
{
    const WalkState state;
    if (state.document() == 0)
        return;
    const auto from = static_cast<int16_t>(settings.fromPage);
    for (int32_t page = from; page <= settings.toPage; ++page) {
        const std::optional<xt::PlaceRecord> place = placeOfPage(state.document(), page);
        if (!place)
            break;
        // A spread of several pages lists every page's items: each box is greeked once, on its own page.
        for (int32_t item = firstItemOf(state.document(), place->spread + 1); item != 0;
             item = nextItemOf(item)) {
            if (boxKind(item) == BoxKind::Text && pageOfItem(item) == page)
                greekItemAt(item, settings);
        }
    }
}

} // namespace mockum
