// The mouse hook that follows left clicks in the document window and notes the clicked item.
#pragma once

#include <cstdint>

#include "win32/windows.h"
#include "xtapi/types.h"

namespace amplex {

/// What the hook saw at the last left-button press.
struct ClickRecord {
    int32_t item = 0;           // the clicked item, 0 when none
    xt::Fixed bounds[4] = {};   // its top, left, bottom, right, each less 1.0
    int32_t box = 0;            // the selected box
    bool kindFlag = false;      // the box is not a group
    bool groupFlag = false;     // the box is a real group, whose members are listed
    xt::Handle members = nullptr;
    int16_t memberCount = 0;
};

const ClickRecord& lastClick();

/// The WH_MOUSE hook procedure; it never swallows an event.
LRESULT CALLBACK SelectionMouseHook(int code, WPARAM message, LPARAM data);

/// Installs the hook on the host's thread once; later calls keep the one hook.
void installSelectionHook();
/// Removes the hook and frees the member list it kept.
void removeSelectionHook();
bool selectionHookInstalled();

} // namespace amplex
