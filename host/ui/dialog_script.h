// The scripted user of dialogs and palettes: queued actions addressed by item id, and the log of every dialog run.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace host::ui {

enum class DialogActionKind : uint8_t { SetText, Check, Choose, Click, Tab, Ok, Cancel };

/// Which window an item number names: the tab page in front when it has such an item, else the dialog;
/// or the dialog itself, whose own items may share numbers with a page's.
enum class ItemScope : uint8_t { Front, Dialog };

struct DialogAction {
    DialogActionKind kind = DialogActionKind::Ok;
    int32_t item = 0;
    std::string text;      // SetText
    int32_t value = 0;     // Check: 1 on, 0 off; Choose: the row; Tab: the tab index
    ItemScope scope = ItemScope::Front;
    int32_t column = -1;   // Choose: the column clicked in a list with columns, -1 for the row alone
    bool operator==(const DialogAction&) const = default;

    static DialogAction setText(int32_t item, std::string text, ItemScope scope = ItemScope::Front);
    static DialogAction check(int32_t item, bool on, ItemScope scope = ItemScope::Front);
    static DialogAction choose(int32_t item, int32_t row, ItemScope scope = ItemScope::Front, int32_t column = -1);
    static DialogAction click(int32_t item, ItemScope scope = ItemScope::Front);
    static DialogAction tab(int32_t index);
    static DialogAction ok();
    static DialogAction cancel();
};

/// "set 12 \"50%\"", "click main 3", "ok": the action as a script writes it.
std::string describe(const DialogAction& action);

/// The actions a test or a session script gives in advance; each modal dialog takes them in order
/// until an OK or a Cancel (or the dialog closes itself).
class DialogUser {
public:
    void setText(int32_t item, std::string text, ItemScope scope = ItemScope::Front);
    void check(int32_t item, bool on, ItemScope scope = ItemScope::Front);
    void choose(int32_t item, int32_t row, ItemScope scope = ItemScope::Front, int32_t column = -1);
    void click(int32_t item, ItemScope scope = ItemScope::Front);
    void tab(int32_t index);
    void ok();
    void cancel();
    void queue(DialogAction action) { m_actions.push_back(std::move(action)); }

    size_t pending() const { return m_actions.size(); }
    std::optional<DialogAction> take();
    void clear() { m_actions.clear(); }

private:
    std::deque<DialogAction> m_actions;
};

enum class DialogOutcome : uint8_t { Ok, Cancelled, Closed, Failed };

/// One dialog as it ran: which, how it ended, and what went wrong on the way.
struct DialogRecord {
    int32_t windowId = 0;
    int32_t resourceId = 0;
    std::string title;
    DialogOutcome outcome = DialogOutcome::Failed;
    /// No scripted action was waiting for it (or they ran out before OK or Cancel): the host cancelled it.
    bool unexpected = false;
    /// Actions the dialog could not take, and why ("click 7: item 7 is disabled").
    std::vector<std::string> problems;
    /// Fields whose typed text the host refused, keeping the dialog open ("item 19 \"abc\"").
    std::vector<std::string> refusedFields;
};

class DialogLog {
public:
    DialogRecord& add(int32_t windowId);
    const std::vector<DialogRecord>& entries() const { return m_entries; }
    DialogRecord* last() { return m_entries.empty() ? nullptr : &m_entries.back(); }
    DialogRecord& at(size_t index) { return m_entries.at(index); }
    /// Dialogs that were unexpected or had a problem.
    size_t troubledCount() const;
    void clear() { m_entries.clear(); }

private:
    std::vector<DialogRecord> m_entries;
};

const char* outcomeName(DialogOutcome outcome);

} // namespace host::ui
