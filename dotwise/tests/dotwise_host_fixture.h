// A host with Dotwise's probe loaded and a one-page document holding one text box, for the tests that
// run list actions: paragraphs are set as text, selected, and read back with their indents and tabs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "dotwise/tests/probe/probe_api.h"
#include "host/model/text/story.h"
#include "host/model/text/text_boxes.h"
#include "testing/probe_host.h"
#include "testing/temporary_folder.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace dotwise::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;

inline constexpr int32_t kContentTool = 1;

class DotwiseHostTest : public xt_testing::ProbeHostTest {
protected:
    DotwiseHostTest() : ProbeHostTest(XT_PROBE_FILE) {}

    void SetUp() override
    {
        ProbeHostTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startHost());
    }

    void startHost()
    {
        ASSERT_NO_FATAL_FAILURE(ProbeHostTest::startHost());
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kProbeSymbol, m_probe));
    }

    /// A text box holding `text` ("\r" ends a paragraph), current, with the content tool and the whole
    /// text selected.
    int32_t textBox(std::string_view text)
    {
        if (!m_layout)
            newDocument(1);
        m_box = host::model::testdoc::addTextBox(layout(), 0, rect(36, 36, 500, 400)).ref();
        host::model::testdoc::setText(layout(), m_box, text);
        select({m_box});
        items().selection().setTool(kContentTool);
        story().select(0, story().length());
        return m_box;
    }

    host::model::Story& story() { return *host::model::storyOfTextBox(layout(), m_box); }

    void run(int16_t action) { m_probe->runListAction(action); }

    /// The paragraphs' texts, the break left out; characters above 127 as "<hex>".
    std::vector<std::string> paragraphs()
    {
        std::vector<std::string> out(1);
        for (const char16_t c : story().text()) {
            if (c == 13) {
                out.emplace_back();
                continue;
            }
            if (c < 32 || c > 126) {
                char code[16];
                std::snprintf(code, sizeof code, "<%X>", static_cast<unsigned>(c));
                out.back() += code;
                continue;
            }
            out.back() += static_cast<char>(c);
        }
        return out;
    }

    /// The start of paragraph `index` (from 0).
    int32_t paragraphStart(size_t index)
    {
        int32_t start = 0;
        const std::u16string& text = story().text();
        for (size_t i = 0; i < index; ++i)
            start = static_cast<int32_t>(text.find(u'\r', static_cast<size_t>(start))) + 1;
        return start;
    }

    double leftIndent(size_t index) { return toPoints(story().paragraphAttributesAt(paragraphStart(index)).leftIndent); }
    double rightIndent(size_t index) { return toPoints(story().paragraphAttributesAt(paragraphStart(index)).rightIndent); }
    const host::model::TabStops& tabs(size_t index) { return story().paragraphAttributesAt(paragraphStart(index)).tabs; }

    void setLeftIndent(size_t index, double points)
    {
        const int32_t at = paragraphStart(index);
        story().setParagraphValue({at, at}, xt::kParaLeftIndent, pt(points));
    }

    static double toPoints(xt::Fixed value) { return value / 65536.0; }

    ListSettings& settings() { return *m_probe->settings(); }

    const probe::ProbeApi* m_probe = nullptr;
    int32_t m_box = 0;
};

} // namespace dotwise::testing
