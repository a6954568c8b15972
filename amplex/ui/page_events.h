// The window-callback events the Scale dialog's tab pages answer alike, and the one callback the
// Options and Text Fit pages share.
#pragma once

#include <cstdint>

#include "amplex/ui/dialog_state.h"
#include "xtapi/window_callback.h"

namespace amplex::ui {

/// Answers the events every tab page answers the same way (which resource, Cancel, Accept,
/// Closing); any other event is marked as not handled.
void answerCommonPageEvent(xt::WindowCallbackRecord& record, int32_t resourceId);

/// A page of switches over the live settings: what differs between the Options and Text Fit pages.
struct SwitchesPage {
    int32_t resourceId;
    xt::WindowRef PageWindows::*window;
    void (*initItems)();
    void (*fill)();
    void (*itemHit)(xt::WindowCallbackRecord& record);
};

/// The callback of a switches page. The Scale page is read before each fill so that switches
/// that depend on it (the scope, the keep rules) see what the user has just typed there.
int32_t switchesPageProc(void* block, const SwitchesPage& page);

} // namespace amplex::ui
