// The scripted user of the host's choosers: the files, folders and colours a script gives in advance, and the
// log of every chooser that came.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace host::ui {

enum class ChooserKind : uint8_t { File, Folder, Colour };

/// One answer of `answer file NAME`, `answer folder NAME`, `answer colour NAME`, or their `Cancel`.
struct ChooserAnswer {
    ChooserKind kind = ChooserKind::File;
    std::string shown;     // as the script wrote it
    std::string value;     // a file or folder's full path, a colour's name or "#rrggbb"; empty for Cancel
    bool cancel = false;
    int scriptLine = 0;    // where a session script gave it
    bool operator==(const ChooserAnswer&) const = default;
};

/// A chooser as it came: what it asked, and the answer it got (or why it got none).
struct ChooserRecord {
    std::string what;      // "open file", "save file", "graphic file", "colour"
    std::string prompt;
    std::optional<ChooserAnswer> answer;
    /// No fitting answer was queued: the host cancelled the chooser, and the command that showed it fails.
    bool unexpected = false;
    /// Why the answer could not be used ("no colour is named Sea"), the chooser then cancelled.
    std::optional<std::string> problem;
};

class ChooserUser {
public:
    void queue(ChooserAnswer answer) { m_answers.push_back(std::move(answer)); }
    /// The first queued answer of one of the kinds, taken from the queue; none when there is no such answer.
    std::optional<ChooserAnswer> take(std::initializer_list<ChooserKind> kinds);
    size_t pending() const { return m_answers.size(); }
    const std::deque<ChooserAnswer>& answers() const { return m_answers; }
    void clear() { m_answers.clear(); }

    ChooserRecord& record(std::string what, std::string prompt);
    const std::vector<ChooserRecord>& log() const { return m_log; }
    ChooserRecord* last() { return m_log.empty() ? nullptr : &m_log.back(); }

private:
    std::deque<ChooserAnswer> m_answers;
    std::vector<ChooserRecord> m_log;
};

const char* chooserKindName(ChooserKind kind);

} // namespace host::ui
