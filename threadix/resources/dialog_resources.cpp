// Threadix's windows. The help texts are longer than a template item holds; the help dialog's callback
// sets them when the dialog opens.
#include "threadix/resources/dialog_resources.h"

#include <iterator>

#include "foundation/resources/resource_builders.h"

namespace threadix {
namespace {

using Kind = xt::DialogItemKind;
using foundation::resources::head;
using foundation::resources::item;
using foundation::resources::window;

constexpr xt::DialogItemTemplate kLinkItems[] = {
    item(kOkButton, Kind::Button, "OK"),
    item(kCancelButton, Kind::Button, "Cancel"),
    item(kHelpButton, Kind::Button, "?"),
    item(kScopeGroup, Kind::Frame),
    item(kSelectionRadio, Kind::RadioButton, "Selection"),
    item(kPagesRadio, Kind::RadioButton, "Pages:"),
    item(kPageField, Kind::EditText),
    item(kSectionRadio, Kind::RadioButton, "Section #"),
    item(kSequenceRadio, Kind::RadioButton, "Sequence #"),
    item(kActionGroup, Kind::Frame),
    item(kUnlinkRadio, Kind::RadioButton, "Unlink"),
    item(kLinkRadio, Kind::RadioButton, "Link/Relink"),
    item(kSeparateChainsRadio, Kind::RadioButton),
    item(kFlowAroundRadio, Kind::RadioButton),
    item(kCutAtEndRadio, Kind::RadioButton),
    item(kCutAtStartRadio, Kind::RadioButton),
    item(kModesPicture, Kind::Picture, "", kModesBitmap),
    item(kKeepTextBox, Kind::CheckBox, "Keep text in boxes"),
    item(kBannerPicture, Kind::Picture, "", kBannerBitmap),
    item(kTitleLabel, Kind::StaticText, "Threadix"),
};
static_assert(std::size(kLinkItems) == kLinkItemCount);

constexpr xt::DialogItemTemplate kHelpItems[] = {
    item(kHelpOk, Kind::Button, "OK"),
    item(kHelpPicture, Kind::Picture, "", kModesBitmap),
    item(kHelpUnlinkGroup, Kind::Frame, "Unlink:"),
    item(kHelpUnlinkText, Kind::StaticText),
    item(kHelpLinkGroup, Kind::Frame, "Link/Relink:"),
    item(kHelpLinkText, Kind::StaticText),
    item(kHelpFirstModeText, Kind::StaticText),
    item(kHelpFirstModeText + 1, Kind::StaticText),
    item(kHelpFirstModeText + 2, Kind::StaticText),
    item(kHelpFirstModeText + 3, Kind::StaticText),
};
static_assert(std::size(kHelpItems) == kHelpItemCount);

constexpr xt::DialogItemTemplate kProgressItems[] = {
    item(kProgressTitle, Kind::StaticText),
    item(kProgressText, Kind::StaticText),
    item(kProgressHint, Kind::StaticText),
};
static_assert(std::size(kProgressItems) == kProgressItemCount);

} // namespace

const xt::DialogResource<kLinkItemCount> kLinkDialogTemplate = window(head(300, 280, "Threadix"), kLinkItems);
const xt::DialogResource<kHelpItemCount> kHelpDialogTemplate = window(head(320, 240, "Threadix Help"), kHelpItems);
const xt::DialogResource<kProgressItemCount> kProgressTemplate = window(head(260, 60, "Threadix"), kProgressItems);

} // namespace threadix
