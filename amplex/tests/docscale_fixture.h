// A host with Amplex's document-scaling probe loaded and a small document, for the document,
// guide and step-and-repeat tests: pages, items, guides and style sheets built in a few lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "amplex/tests/docscale_probe/docscale_probe_api.h"
#include "amplex/tests/probe_host.h"
#include "host/model/items/item_store.h"
#include "host/model/items/test_document.h"
#include "host/model/spread_layout.h"

namespace amplex::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;

inline std::string describe(const xt::FixedRect& r)
{
    auto p = [](xt::Fixed v) { return std::to_string(v / 65536.0); };
    return "(" + p(r.top) + ", " + p(r.left) + ", " + p(r.bottom) + ", " + p(r.right) + ")";
}

inline bool sameRect(const xt::FixedRect& a, const xt::FixedRect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

class DocScaleTest : public ProbeHostTest {
protected:
    DocScaleTest() : ProbeHostTest(AMPLEX_DOCSCALE_PROBE_FILE) {}

    void SetUp() override
    {
        ProbeHostTest::SetUp();
        startHost(0);
    }

    /// A fresh host in the test's folder, with the probe loaded and the plain switches set.
    void startHost(int16_t languageCode)
    {
        ASSERT_NO_FATAL_FAILURE(ProbeHostTest::startHost(languageCode));
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kDocScaleProbeSymbol, m_probe));
        plainSwitches();
    }

    void newDocument(int32_t pages)
    {
        host::model::DocumentSpec spec;
        spec.pageCount = pages;
        m_layout = &m_host->newDocument(spec);
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

    ScaleSettings& settings() { return *m_probe->currentSettings(); }
    void setFactors(double horizontal, double vertical)
    {
        settings().HorizontalFactor = pt(horizontal);
        settings().VerticalFactor = pt(vertical);
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
        layout().guides().put(key, kind, layout().guides().count(key, kind), entry);
    }
    std::vector<xt::Fixed> guidePositions(int32_t page, host::model::GuideKind kind)
    {
        std::vector<xt::Fixed> positions;
        for (const auto& guide : layout().guides().guides({xt::kGuidePageSet, page}, kind))
            positions.push_back(guide.position());
        return positions;
    }

    const probe::DocScaleProbeApi* m_probe = nullptr;
};

} // namespace amplex::testing
