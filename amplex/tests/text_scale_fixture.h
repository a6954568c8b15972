// A document with text boxes and the text probe of Amplex, for the tests of text and picture box
// scaling.
#pragma once

#include <string_view>

#include "amplex/tests/amplex_host_fixture.h"
#include "amplex/tests/probe/text_probe_api.h"
#include "host/model/items/test_document.h"
#include "host/model/text/text_boxes.h"

namespace amplex::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;

inline std::u16string text16(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

class TextScaleTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kTextProbeSymbol, m_text));
        m_layout = &m_host->newDocument({.pageCount = 3});
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

    ScaleSettings& settings() { return *m_probe->currentSettings(); }

    void setFactors(double horizontal, double vertical)
    {
        settings().HorizontalFactor = pt(horizontal);
        settings().VerticalFactor = pt(vertical);
    }

    host::model::Item& item(int32_t ref) { return *layout().items().find(ref); }

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

    const probe::TextProbeApi* m_text = nullptr;
};

} // namespace amplex::testing
