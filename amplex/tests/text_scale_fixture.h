// A document with text boxes and the text probe of Amplex, for the tests of text and picture box
// scaling.
#pragma once

#include <string_view>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/model/text/text_boxes.h"
#include "testing/test_document.h"

namespace amplex::testing {

inline std::u16string text16(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

class TextScaleTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        newDocument(3);
        // Every switch that a test does not name is off, so each test shows what its own switch does.
        ScaleSettings& s = settings();
        const ScaleSettings kept = s;
        s = ScaleSettings{};
        s.RoundFontsStep = kept.RoundFontsStep;
        s.ScaleWhat = ScaleSelectionOnly;
        s.ScaleFrom = kept.ScaleFrom;
        setFactors(1.0, 1.0);
        m_text->setOrigin({0, 0});
    }

    /// A text box on `page` (from 0) holding `text` ("\r" ends a paragraph) in 12 pt type.
    int32_t textBox(const xt::FixedRect& bounds, std::string_view text = {}, size_t page = 0)
    {
        const int32_t box = host::model::testdoc::addTextBox(layout(), page, bounds).ref();
        if (!text.empty())
            story(box).insert(0, text16(text));
        return box;
    }

    host::model::Story& story(int32_t box) { return *host::model::storyOfTextBox(layout(), box); }

    xt::Fixed sizeAt(int32_t box, int32_t offset)
    {
        return story(box).characterRuns().valueAt(offset).size;
    }

    /// The offset at which each box's text begins, as the host lays the chain out now.
    std::vector<int32_t> firstOffsets(int32_t box)
    {
        const auto chain = host::model::chainLayoutOf(layout(), box);
        std::vector<int32_t> offsets;
        for (int32_t b : chain->boxes())
            offsets.push_back(chain->firstOffset(b));
        return offsets;
    }

    bool hasDoneMarker(int32_t box)
    {
        const auto* holder = layout().dataBlocks().holder(host::model::HolderKind::Box, box);
        return holder && holder->has(xt::fourCC("VRN1"));
    }
};

} // namespace amplex::testing
