// A host with Threadix8.xnt loaded, a document of a few pages, and the steps every Threadix test takes:
// text boxes one line tall, chains, the link dialog answered, what each box shows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "testing/probe_host.h"
#include "testing/test_document.h"

namespace threadix::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;

/// The link dialog's items, as a user clicks them.
enum Item : int32_t {
    kSelection = 3,
    kPages = 4,
    kPageField = 5,
    kUnlink = 6,
    kLink = 7,
    kKeepText = 8,
    kSeparateChains = 9,
    kFlowAround = 10,
    kCutAtEnd = 11,
    kCutAtStart = 12,
    kHelp = 14,
    kSection = 20,
};

class ThreadixTest : public xt_testing::ProbeHostTest {
protected:
    ThreadixTest() : ProbeHostTest(XT_MODULE_FILE) {}

    void SetUp() override;

    /// A text box one line of 10 characters big (monospaced 10 pt type, 1 pt insets) on page `page`
    /// (from 0), `row` lines down the page, holding `text`.
    int32_t lineBox(size_t page, int row, std::string_view text = {});
    /// Three one-line boxes on `page` linked into a chain showing "first", "second" and "third", each
    /// paragraph in its own box.
    std::vector<int32_t> threeBoxChain(size_t page = 0);

    /// The characters the box shows (from its first offset up to the next box's), paragraph ends as "|".
    std::string shows(int32_t box);
    /// The chains of the boxes as "a>b c" by their place in `boxes`, "a" for boxes[0].
    std::string chains(const std::vector<int32_t>& boxes);
    /// The box the chain record on `box` names, 0 for none.
    int32_t recordOn(int32_t box);

    /// Chooses "VORNE > Threadix..." with the link dialog answered by `actions` then OK.
    bool runThreadix(const std::vector<host::ui::DialogAction>& actions);
};

} // namespace threadix::testing
