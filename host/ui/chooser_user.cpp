// Answers for the host's choosers, taken by kind in the order the script gave them.
#include "host/ui/chooser_user.h"

#include <algorithm>

namespace host::ui {

std::optional<ChooserAnswer> ChooserUser::take(std::initializer_list<ChooserKind> kinds)
{
    auto fits = [&](const ChooserAnswer& answer) { return std::find(kinds.begin(), kinds.end(), answer.kind) != kinds.end(); };
    auto found = std::find_if(m_answers.begin(), m_answers.end(), fits);
    if (found == m_answers.end())
        return std::nullopt;
    ChooserAnswer answer = std::move(*found);
    m_answers.erase(found);
    return answer;
}

ChooserRecord& ChooserUser::record(std::string what, std::string prompt)
{
    m_log.push_back({std::move(what), std::move(prompt), std::nullopt, false, std::nullopt});
    return m_log.back();
}

const char* chooserKindName(ChooserKind kind)
{
    switch (kind) {
    case ChooserKind::File: return "file";
    case ChooserKind::Folder: return "folder";
    case ChooserKind::Colour: return "colour";
    }
    return "?";
}

} // namespace host::ui
