// Message boxes answered by the scripted user, and their log.
#include "host/ui/message_boxes.h"

#include <algorithm>
#include <cctype>

#include "win32/standin.h"

namespace host::ui {
namespace {

struct ButtonName {
    Button button;
    std::string_view name;
};

constexpr ButtonName kButtonNames[] = {
    {Button::Ok, "OK"},
    {Button::Cancel, "Cancel"},
    {Button::Abort, "Abort"},
    {Button::Retry, "Retry"},
    {Button::Ignore, "Ignore"},
    {Button::Yes, "Yes"},
    {Button::No, "No"},
};

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<Button> parseButton(std::string_view word)
{
    for (const auto& entry : kButtonNames) {
        if (sameIgnoringCase(entry.name, word))
            return entry.button;
    }
    return std::nullopt;
}

std::string_view buttonName(Button button)
{
    for (const auto& entry : kButtonNames) {
        if (entry.button == button)
            return entry.name;
    }
    return "?";
}

bool ScriptedUser::answer(std::string_view word)
{
    auto button = parseButton(word);
    if (!button)
        return false;
    answer(*button);
    return true;
}

std::optional<Button> ScriptedUser::takeAnswerFor(const std::vector<Button>& buttons)
{
    if (m_answers.empty() || std::find(buttons.begin(), buttons.end(), m_answers.front()) == buttons.end())
        return std::nullopt;
    const Button answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<Button> buttonsOf(uint32_t style)
{
    std::vector<Button> buttons;
    for (int id : win32::messageBoxButtons(style))
        buttons.push_back(static_cast<Button>(id));
    return buttons;
}

Button defaultButtonOf(uint32_t style)
{
    return static_cast<Button>(win32::defaultMessageBoxAnswer(style));
}

int32_t MessageBoxLog::show(ScriptedUser& user, std::string text, std::string caption, uint32_t style)
{
    MessageBoxRecord record{std::move(text), std::move(caption), style, defaultButtonOf(style), false};
    if (auto answer = user.takeAnswerFor(buttonsOf(style))) {
        record.answer = *answer;
        record.answered = true;
    }
    m_entries.push_back(std::move(record));
    return static_cast<int32_t>(m_entries.back().answer);
}

size_t MessageBoxLog::unansweredCount() const
{
    return static_cast<size_t>(std::count_if(m_entries.begin(), m_entries.end(), [](const auto& entry) { return !entry.answered; }));
}

} // namespace host::ui
