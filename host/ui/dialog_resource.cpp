// Dialog resources to item tables, menu resources to list rows.
#include "host/ui/dialog_resource.h"

#include <cstring>
#include <set>

#include "host/ui/window_model.h"

namespace host::ui {
namespace {

struct KindEntry {
    xt::DialogItemKind resource;
    ItemKind item;
};

constexpr KindEntry kKinds[] = {
    {xt::DialogItemKind::Button, ItemKind::Button},
    {xt::DialogItemKind::CheckBox, ItemKind::CheckBox},
    {xt::DialogItemKind::RadioButton, ItemKind::RadioButton},
    {xt::DialogItemKind::EditText, ItemKind::EditText},
    {xt::DialogItemKind::StaticText, ItemKind::StaticText},
    {xt::DialogItemKind::PopupMenu, ItemKind::PopupMenu},
    {xt::DialogItemKind::List, ItemKind::List},
    {xt::DialogItemKind::Picture, ItemKind::Picture},
    {xt::DialogItemKind::TabControl, ItemKind::TabPane},
    {xt::DialogItemKind::Frame, ItemKind::Frame},
};

const KindEntry* kindOf(xt::DialogItemKind kind)
{
    for (const auto& entry : kKinds) {
        if (entry.resource == kind)
            return &entry;
    }
    return nullptr;
}

template <size_t N>
bool terminated(const char (&text)[N])
{
    return std::memchr(text, 0, N) != nullptr;
}

/// Why an item is not sound, or empty.
std::string itemFault(const xt::DialogItemTemplate& item)
{
    if (!kindOf(item.kind))
        return "item " + std::to_string(item.id) + " has an unknown kind " + std::to_string(static_cast<int>(item.kind));
    if (!terminated(item.text))
        return "the text of item " + std::to_string(item.id) + " does not end";
    return {};
}

} // namespace

DialogReadResult readDialogResource(const void* data, size_t size)
{
    xt::DialogTemplateHeader header{};
    if (!data || size < sizeof header)
        return std::string("the dialog resource is shorter than its head");
    std::memcpy(&header, data, sizeof header);
    if (header.itemCount < 0 || size != xt::dialogResourceSize(static_cast<size_t>(header.itemCount)))
        return "the dialog resource has " + std::to_string(size) + " bytes, not the size of "
            + std::to_string(header.itemCount) + " items";
    if (!terminated(header.title) || !terminated(header.windowClass))
        return std::string("the dialog's title or class does not end");
    DialogTemplate dialog{header.width, header.height, header.title, header.windowClass, {}};
    std::set<int16_t> seen;
    const auto* bytes = static_cast<const char*>(data) + sizeof header;
    for (int16_t i = 0; i < header.itemCount; ++i) {
        xt::DialogItemTemplate item{};
        std::memcpy(&item, bytes + static_cast<size_t>(i) * sizeof item, sizeof item);
        if (std::string fault = itemFault(item); !fault.empty())
            return fault;
        if (!seen.insert(item.id).second)
            return "item " + std::to_string(item.id) + " appears twice";
        dialog.items.push_back(item);
    }
    return dialog;
}

void buildWindow(Window& window, int32_t resourceId, const DialogTemplate& dialog)
{
    window.setResource(resourceId, dialog.title, dialog.windowClass);
    for (const auto& source : dialog.items) {
        WindowItem& item = window.addItem(source.id, kindOf(source.kind)->item);
        item.setText(source.text);
        item.setEnabled((source.flags & xt::kDialogItemDisabled) == 0);
        item.setVisible((source.flags & xt::kDialogItemHidden) == 0);
        if (item.kind() == ItemKind::Picture)
            item.setBitmap(source.value);
        else if (!item.hasRows())
            item.setValue(source.value);
        if (item.kind() == ItemKind::TabPane)
            window.addTabControl(source.id);
    }
}

std::vector<std::string> readMenuResource(const void* data, size_t size)
{
    const auto* text = static_cast<const char*>(data);
    if (!text || size == 0 || text[size - 1] != '\0')
        return {};
    std::vector<std::string> entries;
    for (size_t start = 0; start < size;) {
        const size_t length = std::strlen(text + start);
        entries.emplace_back(text + start, length);
        start += length + 1;
    }
    return entries;
}

} // namespace host::ui
