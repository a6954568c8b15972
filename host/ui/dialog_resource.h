// Reading a module's dialog and menu resources (layouts in xtapi/dialogs.h) and building a window's items from them.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "xtapi/dialogs.h"

namespace host::ui {

class Window;

struct DialogTemplate {
    int16_t width = 0;
    int16_t height = 0;
    std::string title;
    std::string windowClass;
    std::vector<xt::DialogItemTemplate> items;
};

/// A template, or the reason the bytes are not a sound dialog resource.
using DialogReadResult = std::variant<DialogTemplate, std::string>;

/// Checks the size against the item count, every item kind, every text's terminating zero and
/// that no item number appears twice.
DialogReadResult readDialogResource(const void* data, size_t size);

/// Gives the window the template's title, class and items with their texts, values and states.
void buildWindow(Window& window, int32_t resourceId, const DialogTemplate& dialog);

/// The entries of a menu resource; nothing for bytes that do not end with a zero.
std::vector<std::string> readMenuResource(const void* data, size_t size);

} // namespace host::ui
