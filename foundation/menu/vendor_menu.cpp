// The shared "VORNE" menu: answer siblings, find an owner, create or join.
#include "foundation/menu/vendor_menu.h"

#include <cstring>

#include "foundation/binding/binding.h"
#include "foundation/plugin/plugin_state.h"
#include "xtapi/records.h"
#include "xtapi/status.h"

namespace foundation {

namespace {

constexpr uint32_t kSiblingIdStem = 0x00524242; // "BBR" in memory
constexpr uint32_t kLastSiblingByte = 0xFE;
constexpr int32_t kEndOfMenuBar = -1;

struct VendorMenuState {
    int32_t menuId = 0;
    bool create = false;
    bool built = false;
};

VendorMenuState& state()
{
    static VendorMenuState instance;
    return instance;
}

xt::XTensionId ownId()
{
    const PluginDescription* description = pluginState().description();
    return description ? description->id : 0;
}

/// The sibling's GetVendorMenuId, or null when its published block does not hold one.
using VendorMenuIdFn = int32_t (*)();
VendorMenuIdFn siblingOperation(void* published)
{
    auto handle = static_cast<xt::Handle>(published);
    if (!handle || !*handle)
        return nullptr;
    xt::SharedMenuServiceBlock block{};
    std::memcpy(&block, *handle, sizeof block);
    return block.getVendorMenuId;
}

/// The sibling's answer, or 0 when it is not loaded, published nothing usable, or has no menu yet.
int32_t askSibling(xt::RegistrationRecord& record, xt::XTensionId id)
{
    uint32_t reference = 0;
    if (record.findXTension(id, &reference) != xt::kStatusOk)
        return 0;
    void* published = nullptr;
    if (record.acquireHostInterface(reference, &published, nullptr, 0) != xt::kStatusOk)
        return 0;
    const VendorMenuIdFn operation = siblingOperation(published);
    return operation ? operation() : 0;
}

VendorMenuJoin createMenu()
{
    xt::TextObject title = xt::calls::NewTextObject(kVendorMenuTitle, 0, static_cast<int32_t>(std::strlen(kVendorMenuTitle)));
    if (!title)
        return VendorMenuJoin::Failed;
    int32_t menuId = 0;
    const int32_t status = xt::calls::NewMenu(&menuId, title);
    if (status == xt::kStatusOk && menuId != 0) {
        int32_t scratch = 0;
        xt::calls::InsertMenu(menuId, title, kEndOfMenuBar, &scratch);
        state().menuId = menuId;
    }
    xt::calls::DisposeTextObject(title);
    return state().menuId != 0 ? VendorMenuJoin::Created : VendorMenuJoin::Failed;
}

VendorMenuJoin joinMenu()
{
    uint16_t separatorId = 0;
    if (xt::calls::NewMenuItemId(&separatorId) == xt::kStatusOk)
        xt::calls::AppendMenuSeparator(state().menuId, separatorId);
    return VendorMenuJoin::Joined;
}

} // namespace

int32_t GetVendorMenuId()
{
    return state().menuId;
}

int32_t vendorMenuId()
{
    return state().menuId;
}

bool FindVendorMenuOwner()
{
    state().create = true;
    xt::RegistrationRecord* record = binding().record;
    if (!record || !record->findXTension || !record->acquireHostInterface)
        return false;
    const xt::XTensionId self = ownId();
    for (uint32_t k = 0; k <= kLastSiblingByte; ++k) {
        const xt::XTensionId id = kSiblingIdStem | k << 24;
        if (id == self)
            continue;
        // A zero answer is a sibling that has not built its menus yet; it must not wipe a known id.
        const int32_t answer = askSibling(*record, id);
        if (answer == 0)
            continue;
        state().menuId = answer;
        state().create = false;
        return true;
    }
    return false;
}

VendorMenuJoin CreateOrJoinVendorMenu()
{
    if (state().built)
        return VendorMenuJoin::AlreadyBuilt;
    FindVendorMenuOwner();
    const VendorMenuJoin result = state().create ? createMenu() : joinMenu();
    state().built = result != VendorMenuJoin::Failed;
    return result;
}

int32_t AppendLabelledMenuItem(int32_t menu, const char* label, uint16_t* itemId)
{
    if (!label || !itemId)
        return xt::kStatusRefused;
    uint16_t id = 0;
    const int32_t status = xt::calls::NewMenuItemId(&id);
    if (status != xt::kStatusOk)
        return status;
    xt::TextObject text = xt::calls::NewTextObject(label, 0, static_cast<int32_t>(std::strlen(label)));
    if (!text)
        return xt::kStatusRefused;
    const int32_t appended = xt::calls::AppendMenuItem(menu, id, text);
    xt::calls::DisposeTextObject(text);
    if (appended == xt::kStatusOk)
        *itemId = id;
    return appended;
}

} // namespace foundation
