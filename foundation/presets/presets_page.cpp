// The Presets page's events and buttons.
#include "foundation/presets/presets_page.h"

#include <cstring>
#include <string>

#include "foundation/binding/binding.h"
#include "foundation/memory/handle_array.h"
#include "foundation/presets/preset_entry.h"
#include "foundation/presets/presets.h"
#include "win32/windows.h"
#include "xtapi/dialogs.h"

namespace foundation {
namespace {

struct ButtonRule {
    int32_t item;
    bool (*enabledWhen)(const PresetButtonFacts& facts);
};

bool selected(const PresetButtonFacts& facts)
{
    return facts.selection != -1;
}

bool named(const PresetButtonFacts& facts)
{
    return facts.named;
}

bool selectedAndNamed(const PresetButtonFacts& facts)
{
    return selected(facts) && facts.named;
}

bool backupValid(const PresetButtonFacts& facts)
{
    return facts.backupValid;
}

/// In the order the page sets them.
constexpr ButtonRule kButtonRules[] = {
    {PresetReplaceButton, &selected},
    {PresetDeleteButton, &selected},
    {PresetUseSettingsButton, &selected},
    {PresetSaveButton, &named},
    {PresetRenameButton, &selectedAndNamed},
    {PresetRevertAllButton, &backupValid},
};

/// The characters of a host text, which is disposed of; "" for none.
std::string takeText(xt::TextObject text)
{
    if (!text)
        return {};
    const char* chars = xt::calls::GetTextObjectChars(text);
    // A failed length comes back negative; it must not become a huge size.
    const int32_t length = xt::calls::GetTextObjectLength(text);
    std::string result = chars && length > 0 ? std::string(chars, static_cast<size_t>(length)) : std::string();
    xt::calls::DisposeTextObject(text);
    return result;
}

std::string fieldText(int32_t item)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    if (xt::calls::GetFieldNumber(item, &text, nullptr, &ok) != 0)
        return {};
    return takeText(text);
}

void setFieldString(int32_t item, const std::string& text)
{
    xt::TextObject object = xt::calls::NewTextObject(text.c_str(), 0, static_cast<int32_t>(text.size()));
    if (!object)
        return;
    xt::calls::SetStaticText(item, object);
    xt::calls::DisposeTextObject(object);
}

void setEnabled(int32_t item, bool enabled)
{
    xt::calls::SetDialogItemMode(item, enabled ? xt::kItemModeEnable : xt::kItemModeDisable);
}

/// One run of the page's work on an event, with the page's description at hand.
class PageRun {
public:
    explicit PageRun(const PresetsPage& page) : m_page(page) {}

    void created()
    {
        window() = xt::calls::GetCallbackWindow();
        InitPresetFolders(true);
        call(m_page.reloadPresets);
    }

    void showList()
    {
        refillList(-1);
        setFieldString(PresetNameField, "");
        updateButtons();
    }

    void itemHit(int32_t item)
    {
        if (item == PresetListItem) {
            const PresetEntry* entry = selectedEntry();
            setFieldString(PresetNameField, entry ? entry->name : "");
        } else {
            buttonHit(item);
        }
        updateButtons();
    }

private:
    static void call(void (*hook)())
    {
        if (hook)
            hook();
    }

    xt::WindowRef& window() const { return m_page.window(); }

    int32_t listSelection() const
    {
        int32_t row = -1;
        if (xt::calls::GetListSelection(PresetListItem, &row) != 0)
            call(m_page.noteHostFailure);
        return row;
    }

    void refillList(int32_t selection) const { FillPresetList(window(), PresetListItem, selection); }

    void updateButtons() const
    {
        const PresetButtonFacts facts{listSelection(), !fieldText(PresetNameField).empty(), presetBackupValid()};
        for (const ButtonRule& rule : kButtonRules)
            setEnabled(rule.item, rule.enabledWhen(facts));
        for (const PresetPageButton& button : m_page.extraButtons)
            setEnabled(button.item, button.enabledWhen(facts));
    }

    /// The typed name, cut to what the name buffer holds.
    static std::string typedName()
    {
        std::string name = fieldText(PresetNameField);
        if (name.size() >= kPresetNameSize)
            name.resize(kPresetNameSize - 1);
        return name;
    }

    void afterListChange(int32_t selection) const
    {
        call(m_page.reloadPresets);
        call(m_page.refreshPresetMenus);
        refillList(selection);
        updateButtons();
    }

    /// Saves the working record as a new preset named `typed`; the new row, or nothing when refused.
    static bool saveWorkingAs(const std::string& typed, int16_t* index)
    {
        size_t size = 0;
        const void* record = detail::workingRecord(&size);
        char name[kPresetNameSize] = {};
        std::memcpy(name, typed.data(), typed.size() < sizeof name ? typed.size() : sizeof name - 1);
        return record && detail::savePresetAs(record, size, name, sizeof name, index);
    }

    bool replaceSelected() const
    {
        size_t size = 0;
        const void* record = detail::workingRecord(&size);
        return record && detail::saveSelectedPreset(record, size, window(), PresetListItem);
    }

    void save() const
    {
        call(m_page.readPages);
        int16_t index = -1;
        if (!saveWorkingAs(typedName(), &index)) {
            call(m_page.refreshPresetMenus);
            return;
        }
        afterListChange(index);
    }

    void rename() const
    {
        int16_t index = -1;
        if (!RenamePreset(window(), PresetListItem, typedName().c_str(), &index))
            return;
        afterListChange(index);
    }

    void remove() const
    {
        int16_t index = -1;
        if (!DeletePreset(window(), PresetListItem, &index)) {
            MessageBeep(0);
            return;
        }
        if (m_page.afterDelete == AfterPresetDelete::NoSelection) {
            setFieldString(PresetNameField, "");
            afterListChange(-1);
            return;
        }
        const xt::Handle list = presetList();
        const int32_t count = list ? HandleArrayCount(list) : 0;
        afterListChange(index < count ? index : count - 1);
    }

    void makeDefault() const
    {
        call(m_page.readPages);
        PresetEntry key{};
        std::memcpy(key.name, kDefaultPresetName, sizeof kDefaultPresetName);
        uint16_t found = 0;
        const xt::Handle list = presetList();
        if (list && HandleArraySearch(list, &key, &ComparePresetNames, &found)) {
            xt::calls::SetListSelection(PresetListItem, found);
            updateButtons();
            replaceSelected();
            return;
        }
        int16_t index = -1;
        if (!saveWorkingAs(kDefaultPresetName, &index))
            return;
        setFieldString(PresetNameField, kDefaultPresetName);
        afterListChange(index);
    }

    void useSettings() const
    {
        const int32_t selection = listSelection();
        if (selection < 0)
            return;
        LoadPresetAt(0, 0, selection);
        call(m_page.fillPages);
    }

    void buttonHit(int32_t item) const
    {
        switch (item) {
        case PresetReplaceButton:
            call(m_page.readPages);
            if (!replaceSelected())
                MessageBeep(0);
            return;
        case PresetDeleteButton: remove(); return;
        case PresetSaveButton: save(); return;
        case PresetRenameButton: rename(); return;
        case PresetUseSettingsButton: useSettings(); return;
        case PresetRevertAllButton:
            call(m_page.refreshPresetMenus);
            refillList(0);
            return;
        case PresetMakeDefaultButton: makeDefault(); return;
        default: break;
        }
        for (const PresetPageButton& button : m_page.extraButtons) {
            if (button.item == item && button.hit)
                button.hit(listSelection());
        }
    }

    /// The preset the list shows selected; null without one, or when the list and the rows disagree.
    const PresetEntry* selectedEntry() const
    {
        const int32_t selection = listSelection();
        const xt::Handle list = presetList();
        if (!list || selection < 0 || selection >= HandleArrayCount(list))
            return nullptr;
        return static_cast<const PresetEntry*>(HandleArrayElement(list, static_cast<uint16_t>(selection)));
    }

    const PresetsPage& m_page;
};

} // namespace

int32_t PresetsPageEvent(const PresetsPage& page, void* block)
{
    auto& record = *static_cast<xt::WindowCallbackRecord*>(block);
    record.handled = 1;
    PageRun run(page);
    switch (record.event) {
    case xt::CreatedEvent: run.created(); break;
    case xt::InitItemsEvent: break;
    case xt::WindowOpened:
    case xt::TabEvent22: run.showList(); break;
    case xt::ItemHit: run.itemHit(record.item); break;
    default:
        if (page.otherEvent)
            page.otherEvent(record);
        else
            record.handled = 0;
    }
    return 0;
}

} // namespace foundation
