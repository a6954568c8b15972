// Page set-up for a document scale: read, scale the margins, and apply a new page size through
// the host's page set-up records.
#include "amplex/engine/document/page_setup_scale.h"

#include <iterator>

#include "amplex/engine/document/document_run.h"
#include "amplex/settings/settings.h"
#include "foundation/binding/binding.h"
#include "foundation/binding/host_failures.h"
#include "xtapi/page_records.h"

namespace amplex {
namespace {

constexpr PaperSize kPaperSizes[] = {
    {0x2640000, 0x3180000}, // "US Letter"
    {0x2640000, 0x3F00000}, // "US Legal"
    {0x2534BC6, 0x349E560}, // "A4 Letter"
    {0x1F2E353, 0x2C4B22D}, // "B5 Letter"
    {0x3180000, 0x4C80000}, // "Tabloid"
    {0x2AC0000, 0x1290000}, // "#10 Envelope", landscape
};

/// Hands the document a set-up of the given page size with the plan's scaled margins, columns and gutter.
void applyPageSize(const PageSetupPlan& plan, Fixed width, Fixed height)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    xt::TextObject name = nullptr;
    xt::calls::XpkOp3141(ref, &name, nullptr);
    void* setup = nullptr;
    xt::calls::XpkOp5070(height, width, plan.margins, plan.facing, plan.columns, plan.gutter, 0,
        plan.pageCount, 0, &setup);
    if (setup) {
        int32_t out = 0;
        xt::calls::XpkOp3146(ref, name, xt::kPageSetupDocument, setup, &out);
        xt::calls::XpkOp3183(setup);
    }
    if (name)
        xt::calls::DisposeTextObject(name);
    xt::calls::DocumentOp459(ref, 1);
    Fixed widest = 0;
    Fixed tallest = 0;
    xt::calls::XdnOp521(ref, &widest);
    xt::calls::XdnOp523(ref, &tallest);
}

Fixed larger(Fixed extent, Fixed factor)
{
    return factor > xt::kFixedOne ? xt::calls::FixedMultiply(extent, factor) : extent;
}

} // namespace

PageSetupPlan readPageSetup()
{
    const xt::DocumentRef ref = documentRun().documentRef();
    const ScaleSettings& settings = currentSettings();
    PageSetupPlan plan;
    Fixed* m = plan.margins;
    foundation::reportHostResult(xt::calls::XdgOp512(ref, &m[0], &m[1], &m[2], &m[3]));
    foundation::reportHostResult(xt::calls::XdgOp510(ref, &plan.columns));
    xt::PageInfo info{};
    xt::calls::GetPageInfo(ref, &info);
    plan.pageCount = info.pageCount;
    xt::calls::XdnOp519(ref, &plan.width);
    xt::calls::XdnOp520(ref, &plan.height);
    xt::calls::XdgOp509(ref, &plan.gutter);
    foundation::reportHostResult(xt::calls::DocumentOp490(ref, &plan.facing));
    xt::calls::ToolboxOp2844(xt::calls::GetDocumentValue464());
    // Top and bottom lie along the vertical axis, left and right along the horizontal one.
    for (int i = 0; i < 4; ++i)
        m[i] = xt::calls::FixedMultiply(m[i], i < 2 ? settings.VerticalFactor : settings.HorizontalFactor);
    if (settings.ScaleAnchoredBoxes != 0)
        plan.gutter = xt::calls::FixedMultiply(plan.gutter, settings.HorizontalFactor);
    return plan;
}

void enlargePages(const PageSetupPlan& plan)
{
    const ScaleSettings& settings = currentSettings();
    const bool grows = settings.HorizontalFactor > xt::kFixedOne || settings.VerticalFactor > xt::kFixedOne;
    if (!grows || settings.ScaleDocumentSize == 0)
        return;
    applyPageSize(plan, larger(plan.width, settings.HorizontalFactor), larger(plan.height, settings.VerticalFactor));
}

void reducePages(const PageSetupPlan& plan)
{
    const ScaleSettings& settings = currentSettings();
    if (settings.ScaleDocumentSize == 0)
        return;
    PaperSize size{xt::calls::FixedMultiply(plan.width, settings.HorizontalFactor),
        xt::calls::FixedMultiply(plan.height, settings.VerticalFactor)};
    const DocumentRun& run = documentRun();
    if (run.fitToOn() && run.paperSizeFit())
        paperSizeOf(settings.FitToChoice, size);
    const bool shrinks = settings.HorizontalFactor < xt::kFixedOne || settings.VerticalFactor < xt::kFixedOne;
    if (shrinks)
        applyPageSize(plan, size.width, size.height);
}

void writeScaledMargins(const PageSetupPlan& plan)
{
    const Fixed* m = plan.margins;
    foundation::reportHostResult(xt::calls::XpgOp2573(documentRun().documentRef(), m[0], m[1], m[2], m[3]));
}

bool paperSizeOf(int16_t choice, PaperSize& size)
{
    if (choice < 1 || choice > static_cast<int16_t>(std::size(kPaperSizes)))
        return false;
    size = kPaperSizes[choice - 1];
    return true;
}

} // namespace amplex
