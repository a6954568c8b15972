// A host with Mockum9.xnt loaded and its session started, a two-page document, and the few steps
// every Mockum test takes: text boxes with text, the tool, the menu items, the story's text.
#pragma once

#include <string>
#include <string_view>

#include "host/model/composer/font_metrics.h"
#include "testing/probe_host.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace mockum::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;

class MockumTest : public xt_testing::ProbeHostTest {
protected:
    MockumTest() : ProbeHostTest(XT_MODULE_FILE) {}

    void SetUp() override;

    /// A text box on page `page` (from 0) with 1 pt insets, monospaced 10 pt type (5 pt a character,
    /// 12 pt a line) and the text given.
    int32_t textBox(size_t page, const xt::FixedRect& bounds, std::string_view text = {});
    /// The text of the box's story, as ASCII where it is.
    std::string textOf(int32_t box);
    host::model::Story& storyOf(int32_t box);

    void useTool(int32_t tool);
    void selectText(int32_t box, int32_t start, int32_t end);

    /// "VORNE > label": true when the item was there and enabled.
    bool choose(std::string_view label);
    /// The current document as saved, for comparing before and after.
    std::string saved();
};

} // namespace mockum::testing
