// Finding the holder of a block by its level.
#include "foundation/document/data_blocks.h"

#include "foundation/binding/binding.h"

namespace foundation {
namespace {

/// A page's holder. Page numbers below 1 name no page, and without a layout window there is no
/// page to ask for.
int32_t pageHolder(xt::DocumentRef document, int32_t object)
{
    int16_t page = static_cast<int16_t>(object & 0xFFFF);
    xt::WindowRef window = 0;
    xt::calls::GetDocumentWindow(document, &window);
    if (window == 0 || page < 1)
        return 0;
    uint8_t masterFlag = 0;
    xt::calls::GetWindowPageFlag(window, &masterFlag);
    if (masterFlag == 0) {
        int16_t indexOffset = 0;
        xt::calls::GetPageIndexOffset(document, &indexOffset);
        page = static_cast<int16_t>(page + indexOffset);
    }
    return xt::calls::GetPageRef(document, page);
}

} // namespace

int32_t XtDataHolder(int32_t object, int16_t level, ZeroObject zero)
{
    // Only a box level takes 0 for the current box: at the page level 0 is a page number, and one
    // that names no page.
    if (object == 0 && zero == ZeroObject::CurrentBox && (level == XtDataBox || level == XtDataBoxSecond))
        xt::calls::GetCurrentBox(&object);
    int32_t global = 0;
    xt::calls::GetGlobalObject3081(&global);
    int16_t documentId = -1;
    xt::calls::GetCurrentDocument(&documentId);
    // Without a current document there is no document reference to ask for.
    const xt::DocumentRef document = documentId >= 0 ? xt::calls::GetDocumentRef(documentId) : 0;

    switch (level) {
    case XtDataBox:
        return object == 0 ? 0 : xt::calls::GetBoxXtDataRef(object);
    case XtDataBoxSecond:
        return object == 0 ? 0 : xt::calls::GetXtDataRefKind1(object);
    case XtDataPage:
        return document == 0 ? 0 : pageHolder(document, object);
    case XtDataDocument:
        return document == 0 ? 0 : xt::calls::GetDocumentXtDataRef(document);
    case XtDataGlobal:
        return xt::calls::GetXtDataRefKind6(global);
    default:
        return 0;
    }
}

xt::Handle GetXtData(int32_t object, int16_t level, xt::FourLetterCode id, ZeroObject zero)
{
    const int32_t holder = XtDataHolder(object, level, zero);
    if (holder == 0)
        return nullptr;
    uint8_t present = 0;
    xt::calls::HasXtDataBlock(holder, id, &present);
    if (present != 1)
        return nullptr;
    xt::Handle block = nullptr;
    if (xt::calls::GetXtDataBlock(holder, id, &block) != 0)
        return nullptr;
    return block;
}

int32_t SetXtData(int32_t object, int16_t level, xt::FourLetterCode id, xt::Handle data, ZeroObject zero)
{
    const int32_t holder = XtDataHolder(object, level, zero);
    if (holder != 0)
        xt::calls::SetXtDataBlock(holder, id, data);
    return 0;
}

} // namespace foundation
