// Message boxes and beeps as the host shows them, and the scripted user who answers them.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host::ui {

/// The buttons a message box can have; the values are the Windows answers (IDOK ...).
enum class Button : int32_t { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

/// Parses "OK", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore" (any case).
std::optional<Button> parseButton(std::string_view word);
std::string_view buttonName(Button button);

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    uint32_t style = 0;
    Button answer = Button::Ok;
    /// False when no scripted answer fitted and the box took its default button.
    bool answered = false;
};

/// The answers a test or a session script gives in advance, in order.
class ScriptedUser {
public:
    void answer(Button button) { m_answers.push_back(button); }
    /// Queues an answer by its name; false for a word that names no button.
    bool answer(std::string_view word);

    size_t pending() const { return m_answers.size(); }
    void clear() { m_answers.clear(); }

    /// Answers a box with these buttons: the next queued answer when the box has that button
    /// (it is then consumed), otherwise nothing (the queued answer stays for the next box).
    std::optional<Button> takeAnswerFor(const std::vector<Button>& buttons);

private:
    std::deque<Button> m_answers;
};

/// The buttons of a Windows message box style (MB_OK, MB_YESNO ...) and its default button.
std::vector<Button> buttonsOf(uint32_t style);
Button defaultButtonOf(uint32_t style);

class MessageBoxLog {
public:
    /// Shows the box to the scripted user and records it; returns the Windows answer.
    int32_t show(ScriptedUser& user, std::string text, std::string caption, uint32_t style);

    const std::vector<MessageBoxRecord>& entries() const { return m_entries; }
    size_t unansweredCount() const;
    void clear() { m_entries.clear(); }

private:
    std::vector<MessageBoxRecord> m_entries;
};

} // namespace host::ui
