// libFuzzer target: a story of any 16-bit characters in a text box, greeked twice through the menu,
// first as a text selection, then as the whole item; each time the text must come back as it was.
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

#include "mockum/fuzz/mockum_fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    mockum_fuzz::Session& s = mockum_fuzz::session("fuzz-mockum-story");
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    // An empty box is filled rather than greeked.
    if (text.empty())
        return 0;
    host::model::Story& story = host::model::testdoc::setText(*s.layout, s.box, "");
    story.insert(0, text);
    const std::u16string before = story.text();
    host::model::testdoc::select(*s.layout, {s.box});
    for (const int32_t tool : {1, 0}) {
        s.layout->items().selection().setTool(tool);
        story.select(0, story.length() / 2 + 1);
        s.host->chooseMenuItem("VORNE > Greek-Ungreek Text");
        s.host->chooseMenuItem("VORNE > Greek-Ungreek Text");
        assert(s.layout->stories().storyOfBox(s.box)->text() == before && "greeking twice did not give the text back");
    }
    return 0;
}
