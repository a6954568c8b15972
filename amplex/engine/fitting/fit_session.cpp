// The start and the end of a fitting command.
#include "amplex/engine/fitting/fit_session.h"

#include <utility>

#include "amplex/resources/amplex_id.h"
#include "amplex/undo/record_item.h"
#include "foundation/binding/binding.h"
#include "foundation/document/box_record_lease.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

constexpr int32_t kUndoStepKind = 8;
constexpr int32_t kRemovePagesFlags = 0x80;

xt::DocumentRef currentDocumentRef(int16_t& id)
{
    id = -1;
    xt::calls::GetCurrentDocument(&id);
    return xt::calls::GetDocumentRef(id);
}

int16_t pageCount(xt::DocumentRef document)
{
    xt::PageInfo info{};
    xt::calls::GetPageInfo(document, &info);
    return info.pageCount;
}

} // namespace

std::optional<FitBoxFacts> readFitBoxFacts(int32_t box)
{
    foundation::BoxRecordLease record = foundation::BoxRecordLease::of(box);
    if (!record)
        return std::nullopt;
    FitBoxFacts facts;
    facts.shape = record->shape;
    facts.runsOn = (record->content.text.flags & xt::kTextRunsOn) != 0;
    facts.chained = facts.runsOn || xt::calls::GetPreviousLinkedBox(box) != 0;
    facts.columns = record->content.text.columns;
    const std::optional<xt::FixedRect> outline = foundation::outlineRect(*record.get());
    if (facts.columns > 1 && outline && outline->right > outline->left)
        facts.columnWidth = xt::calls::FixedDivide(outline->right - outline->left, facts.columns * xt::kFixedOne);
    return facts;
}

std::optional<FitSession> FitSession::begin(int32_t box)
{
    int16_t id = -1;
    const xt::DocumentRef document = currentDocumentRef(id);
    const int16_t pagesBefore = pageCount(document);
    if (xt::calls::DocumentServiceTest(id) != 0 && xt::calls::BoxServiceTest(box) != 0)
        return std::nullopt;
    RecordItemForUndo(box, Anchored::No, Replay::No);
    xt::calls::UndoOp2951(0, kAmplexId, kUndoStepKind);
    return FitSession(box, document, pagesBefore);
}

FitSession::FitSession(int32_t box, xt::DocumentRef document, int16_t pagesBefore)
    : m_box(box), m_document(document), m_pagesBefore(pagesBefore), m_open(true)
{
}

FitSession::FitSession(FitSession&& other) noexcept
    : m_box(other.m_box), m_document(other.m_document), m_pagesBefore(other.m_pagesBefore),
      m_restore(other.m_restore), m_removeAddedPages(other.m_removeAddedPages),
      m_open(std::exchange(other.m_open, false))
{
}

FitSession::~FitSession()
{
    if (!m_open)
        return;
    if (m_removeAddedPages)
        removeAddedPages();
    xt::calls::UndoOp2952();
    xt::calls::StoryMode1375(1);
    if (m_restore)
        xt::calls::SetTextSelection(m_restore->story, m_restore->start, m_restore->end, 0);
    xt::calls::SetCursorKind(0);
}

void FitSession::removeAddedPages() const
{
    const int16_t pagesAfter = pageCount(m_document);
    if (pagesAfter <= m_pagesBefore)
        return;
    // Every page the flow added goes, not only the last one.
    int16_t id = -1;
    const xt::DocumentRef document = currentDocumentRef(id);
    xt::calls::PageOp859(document, m_pagesBefore + 1, pagesAfter, kRemovePagesFlags);
}

BoxText currentBoxText(int32_t box)
{
    xt::calls::SetCurrentBox(box);
    BoxText text;
    xt::calls::GetBoxTextInfo(box, &text.story, &text.selStart, &text.selEnd, &text.length);
    return text;
}

} // namespace amplex
