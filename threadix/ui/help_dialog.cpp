// The help dialog: what unlinking and relinking do, and the four unlink modes.
#include <array>

#include "foundation/binding/binding.h"
#include "foundation/dialog/dialog_skeleton.h"
#include "foundation/dialog/item_pictures.h"
#include "threadix/resources/dialog_resources.h"
#include "threadix/ui/dialog_text.h"
#include "threadix/ui/link_dialog.h"
#include "xtapi/dialogs.h"
#include "xtapi/window_callback.h"

namespace threadix {
namespace {

constexpr char kUnlinkHelp[] = "Use this to isolate text boxes from the text chain so that it will no longer affect "
                               "text flow when further edits are made.";
constexpr char kLinkHelp[] = "This is most effective when Unlink has been used. However, if not, Threadix will "
                             "attempt to link boxes based on the selection order. Relinking entire documents only "
                             "works when Unlink has been used already.";
/// In the order of the link dialog's mode items 9 to 12.
constexpr std::array<const char*, 4> kModeHelp = {
    "* Create one text chain before the selected boxes and a separate one after",
    "* Create a text chain which flows around selected boxes",
    "* Cut chain at end of selected boxes",
    "* Cut chain at start of selected boxes",
};

int32_t g_picture = 0;

void show()
{
    foundation::dialog::showItemPicture(kHelpPicture, g_picture);
    setStaticText(kHelpUnlinkText, kUnlinkHelp);
    setStaticText(kHelpLinkText, kLinkHelp);
    for (size_t i = 0; i < kModeHelp.size(); ++i)
        setStaticText(kHelpFirstModeText + static_cast<int32_t>(i), kModeHelp[i]);
}

constexpr foundation::dialog::DialogHandlers kHelpDialog{
    .resourceId = kHelpDialogResource,
    .initItems = [] { g_picture = foundation::dialog::loadItemPicture(kHelpPicture, kModesBitmap); },
    .opened = show,
    .closing = [] { foundation::dialog::disposePicture(g_picture); },
};

} // namespace

int32_t LinkHelpCallback(void* data)
{
    return foundation::dialog::dispatchDialogEvent(kHelpDialog, data);
}

} // namespace threadix
