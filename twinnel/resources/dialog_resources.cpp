// The clone dialog and the page-insert confirmation as window templates.
#include "twinnel/resources/dialog_resources.h"

#include <iterator>

#include "foundation/resources/resource_builders.h"

namespace twinnel {
namespace {

using Kind = xt::DialogItemKind;
using foundation::resources::head;
using foundation::resources::item;
using foundation::resources::window;

constexpr xt::DialogItemTemplate kCloneItems[] = {
    item(OkButton, Kind::Button, "OK"),
    item(CancelButton, Kind::Button, "Cancel"),
    item(SourceGroup, Kind::Frame, "Clone Source"),
    item(SelectionRadio, Kind::RadioButton, "Selection"),
    item(PagesRadio, Kind::RadioButton, "Pages:"),
    item(PageTextField, Kind::EditText),
    item(SectionNumberRadio, Kind::RadioButton, "Section #"),
    item(SequenceNumberRadio, Kind::RadioButton, "Sequence #"),
    item(DestinationGroup, Kind::Frame, "Clone Destination"),
    item(DestinationLabel, Kind::StaticText, "Destination:"),
    item(DestinationPopup, Kind::PopupMenu),
    item(ToPageLabel, Kind::StaticText, "To page:"),
    item(ToPageField, Kind::EditText),
    item(CopiesLabel, Kind::StaticText, "Copies:"),
    item(CopiesField, Kind::EditText),
    item(MakeSectionsCheck, Kind::CheckBox, "Make section(s)"),
    item(KeepContiguousRadio, Kind::RadioButton, "Keep contiguous"),
    item(MultipleSectionsRadio, Kind::RadioButton, "Multiple sections"),
    item(CopyStyleSheetsCheck, Kind::CheckBox, "Copy Style Sheets"),
    item(BannerPicture, Kind::Picture, "", kBannerBitmap),
    item(TitleLabel, Kind::StaticText, "Twinnel"),
    item(EmptyLabel, Kind::StaticText),
};
static_assert(std::size(kCloneItems) == kCloneItemCount);

constexpr xt::DialogItemTemplate kInsertItems[] = {
    item(InsertOkButton, Kind::Button, "OK"),
    item(InsertCancelButton, Kind::Button, "Cancel"),
    // The question is longer than a template item holds: the callback sets it.
    item(InsertQuestion, Kind::StaticText),
    item(InsertBanner, Kind::Picture, "", kBannerBitmap),
};
static_assert(std::size(kInsertItems) == kInsertPagesItemCount);

} // namespace

const xt::DialogResource<kCloneItemCount> kCloneDialogTemplate = window(head(300, 320, "VORNE Twinnel"), kCloneItems);
const xt::DialogResource<kInsertPagesItemCount> kInsertPagesTemplate = window(head(300, 80, "VORNE Twinnel"), kInsertItems);

} // namespace twinnel
