// libFuzzer target: whatever a user types into the settings dialog's From, To and size fields, with a
// scope chosen, then OK. The command must end, and the text keeps its length and every character
// that belongs to no word.
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "mockum/fuzz/mockum_fuzz_session.h"

namespace {

constexpr int32_t kScopeRadios[] = {1003, 1004, 1005};
constexpr int32_t kSizeRadios[] = {1006, 1007};

bool inWord(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= 0x40 && c <= 0x7E);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    mockum_fuzz::Session& s = mockum_fuzz::session("fuzz-mockum-fields");
    const uint8_t choice = data[0];
    const std::string_view typed(reinterpret_cast<const char*>(data + 1), size - 1);
    // From, To and size, one a line.
    std::string fields[3];
    size_t field = 0;
    for (const char c : typed) {
        if (c == '\n' && field < 2)
            ++field;
        else
            fields[field].push_back(c);
    }
    host::model::Story& story = host::model::testdoc::setText(*s.layout, s.box, "Lorem ipsum 2024 dolor, sit amet.");
    const std::u16string before = story.text();
    host::model::testdoc::select(*s.layout, {s.box});
    auto& user = s.host->windows().dialogUser();
    user.setText(1000, fields[0]);
    user.setText(1001, fields[1]);
    user.setText(1002, fields[2]);
    user.click(kScopeRadios[choice % 3]);
    user.click(kSizeRadios[(choice / 3) % 2]);
    user.ok();
    s.host->chooseMenuItem("VORNE > Mockum Settings...");
    user.clear();
    const std::u16string& after = s.layout->stories().storyOfBox(s.box)->text();
    assert(after.size() == before.size() && "greeking changed the text's length");
    for (size_t i = 0; i < before.size(); ++i)
        assert((inWord(before[i]) || after[i] == before[i]) && "a character outside the words moved");
    return 0;
}
