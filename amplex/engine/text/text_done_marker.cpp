// The linked-text marker.
#include "amplex/engine/text/text_done_marker.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/document/data_blocks.h"

namespace amplex {

using foundation::GetXtData;
using foundation::SetXtData;
using foundation::XtDataBox;

void markTextDone(int32_t box)
{
    xt::Handle block = xt::calls::NewHandle(sizeof(TextDoneMarker));
    if (!block || !*block)
        return;
    TextDoneMarker marker{};
    std::memcpy(marker.text, "textdone", sizeof marker.text);
    std::memcpy(*block, &marker, sizeof marker);
    SetXtData(box, XtDataBox, kTextDoneId, block);
    xt::calls::DisposeHandle(block);
}

bool currentBoxIsTextDone()
{
    xt::Handle block = GetXtData(0, XtDataBox, kTextDoneId);
    if (!block)
        return false;
    xt::calls::DisposeHandle(block);
    return true;
}

void clearTextDoneOnCurrentBox()
{
    SetXtData(0, XtDataBox, kTextDoneId, nullptr);
}

} // namespace amplex
