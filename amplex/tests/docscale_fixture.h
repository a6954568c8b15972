// A host with Amplex's probe loaded, for the document, guide and step-and-repeat tests: pages, items,
// guides and style sheets built in a few lines (each test makes its document with `newDocument`).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/model/items/item_store.h"
#include "host/model/spread_layout.h"
#include "testing/test_document.h"

namespace amplex::testing {

class DocScaleTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        plainSwitches();
    }

    /// A fresh host in the test's folder, with the probe loaded and the plain switches set.
    void startHost(int16_t languageCode)
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::startHost(languageCode));
        plainSwitches();
    }

    /// Every switch that would keep proportions or round off: the factors act exactly as given.
    void plainSwitches()
    {
        ScaleSettings& s = settings();
        s.Constrain = 0;
        s.RoundFonts = 0;
        s.SizeWarnings = 0;
        s.KeepTextBoxesProportional = s.KeepTextProportional = s.KeepAnchoredProportional = 0;
        s.KeepLinesProportional = s.KeepPictureBoxesProportional = s.KeepGraphicsProportional = 0;
        s.KeepAllProportional = s.KeepBezierProportional = s.KeepTextPathsProportional = 0;
        s.ScaleFrom = FromUpperLeftOfSelection;
    }

    int32_t pageRef(size_t index) { return layout().page(index).ref(); }
    int32_t masterRef(size_t index)
    {
        return host::model::refOf(layout(), {host::model::PageList::Masters, index});
    }
    int32_t addBoxOn(int32_t page, const xt::FixedRect& bounds)
    {
        return items().addItem(page, xt::BoxKind::Plain, xt::shape::kRectangle, bounds).ref();
    }

    void addGuide(int32_t page, host::model::GuideKind kind, double position)
    {
        const host::model::GuideListKey key{xt::kGuidePageSet, page};
        xt::GuideEntry entry{};
        entry.position = pt(position);
        entry.colour = 0x47524E20;
        layout().guides().add(key, kind, entry);
    }
    std::vector<xt::Fixed> guidePositions(int32_t page, host::model::GuideKind kind)
    {
        std::vector<xt::Fixed> positions;
        for (const auto& guide : layout().guides().guides({xt::kGuidePageSet, page}, kind))
            positions.push_back(guide.position());
        return positions;
    }
};

} // namespace amplex::testing
