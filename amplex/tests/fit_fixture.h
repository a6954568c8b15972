// A host with Amplex's probe loaded and a one-page document, for the fitting tests: text boxes set in
// the host's mono font (10 pt: 5 pt a character, 12 pt a line) and fitted through the plug-in's own calls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/model/composer/font_metrics.h"
#include "host/model/items/item_store.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_document.h"
#include "testing/test_text.h"

namespace amplex::testing {

class FitTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        newDocument(1);
        // Text size alone takes part unless a test says otherwise; increments keep their defaults.
        ScaleSettings& s = settings();
        s.FitToBox = 1;
        s.FitCommand = FitStoryToBox;
        for (uint8_t ScaleSettings::*field : kFitSwitches)
            s.*field = 0;
        s.FitTextSize = 1;
    }

    static constexpr uint8_t ScaleSettings::*kFitSwitches[] = {&ScaleSettings::FitTextSize,
        &ScaleSettings::FitLeading, &ScaleSettings::FitSpaceBefore, &ScaleSettings::FitSpaceAfter,
        &ScaleSettings::FitTracking, &ScaleSettings::FitHorizontalScale, &ScaleSettings::FitIndents,
        &ScaleSettings::FineTuneTextSize, &ScaleSettings::FineTuneLeading, &ScaleSettings::FineTuneSpaceBefore,
        &ScaleSettings::FineTuneSpaceAfter, &ScaleSettings::FineTuneTracking,
        &ScaleSettings::FineTuneHorizontalScale, &ScaleSettings::FineTuneIndents};

    host::model::Story& story(int32_t box) { return *host::model::storyOfTextBox(layout(), box); }

    /// A current text box holding `text` ("\r" ends a paragraph) in 10 pt mono type, 1 pt insets.
    int32_t textBox(const xt::FixedRect& bounds, std::string_view text, uint8_t columns = 1)
    {
        const int32_t box = host::model::testdoc::addTextBox(layout(), 0, bounds).ref();
        host::model::testdoc::setTextFrame(layout(), box, pt(1), columns, pt(0));
        host::model::testdoc::setText(layout(), box, text);
        host::model::testdoc::setType(layout(), box, host::model::kMonoFont, pt(10));
        host::model::testdoc::select(layout(), {box});
        return box;
    }

    xt::Fixed sizeAt(int32_t box, int32_t offset) { return story(box).characterRuns().valueAt(offset).size; }
    void setSizes(int32_t box, int32_t start, int32_t end, xt::Fixed size)
    {
        story(box).setCharacterValue({start, end}, xt::kCharSize, size);
    }

    bool overflows(int32_t box)
    {
        const auto chain = host::model::chainLayoutOf(layout(), box);
        const auto lines = chain->lineRecords(box);
        return !lines.empty() && lines.back().fit == xt::kLineDoesNotFit;
    }
    int32_t boxHolding(int32_t box, int32_t offset)
    {
        return host::model::chainLayoutOf(layout(), box)->boxHolding(offset);
    }

    int32_t openUndoSteps() { return m_host->documents().undoSteps().depth(); }
    int32_t probes() { return m_host->faults().callCount("CopyTextToHandle2828"); }
};

} // namespace amplex::testing
