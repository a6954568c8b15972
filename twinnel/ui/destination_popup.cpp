// Filling the destination popup.
#include "twinnel/ui/destination_popup.h"

#include "foundation/binding/binding.h"
#include "twinnel/engine/common/layouts.h"
#include "twinnel/resources/dialog_resources.h"
#include "xtapi/dialogs.h"

namespace twinnel {
namespace {

constexpr char kSeparator[] = "-";

/// Appends a row with the label; its index, or -1.
int32_t appendRow(const std::string& label)
{
    int32_t row = -1;
    if (xt::calls::InsertListItem(DestinationPopup, xt::kAppendListRow, &row) != 0)
        return -1;
    xt::TextObject text = newText(label);
    xt::calls::SetListEntryText(DestinationPopup, row, text);
    if (text)
        xt::calls::DisposeTextObject(text);
    return row;
}

} // namespace

std::string openLayoutLabel(const std::string& project, const std::string& layout)
{
    return project + " : " + layout;
}

std::vector<int16_t> FillDestinationPopup(int16_t current)
{
    xt::calls::SetPopupMenuResource(DestinationPopup, nullptr, kDestinationMenu);
    const std::vector<int16_t> others = otherOpenLayouts(current);
    if (others.empty())
        return others;
    const int32_t separator = appendRow(kSeparator);
    if (separator >= 0)
        xt::calls::ListOp1621(DestinationPopup, separator, 0);
    for (const int16_t id : others) {
        const xt::DocumentRef ref = xt::calls::GetDocumentRef(id);
        appendRow(openLayoutLabel(projectNameOf(ref), layoutNameOf(ref)));
    }
    return others;
}

} // namespace twinnel
