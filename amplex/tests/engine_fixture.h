// A host with Amplex's engine probe loaded and a two-page document, for the engine tests: items are
// built with the host's test-document helpers and scaled through the plug-in's own calls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "amplex/tests/engine_probe/engine_probe_api.h"
#include "amplex/tests/probe_host.h"
#include "host/model/items/item_store.h"
#include "host/model/items/test_document.h"
#include "host/model/spread_layout.h"

namespace amplex::testing {

using host::model::testdoc::pt;
using host::model::testdoc::rect;
using host::model::testdoc::point;

inline bool sameRect(const xt::FixedRect& a, const xt::FixedRect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

inline std::string describe(const xt::FixedRect& r)
{
    auto p = [](xt::Fixed v) { return std::to_string(v / 65536.0); };
    return "(" + p(r.top) + ", " + p(r.left) + ", " + p(r.bottom) + ", " + p(r.right) + ")";
}

class EngineTest : public ProbeHostTest {
protected:
    EngineTest() : ProbeHostTest(AMPLEX_ENGINE_PROBE_FILE) {}

    void SetUp() override
    {
        ProbeHostTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startHost());
        ASSERT_NO_FATAL_FAILURE(resolveTable(probe::kEngineProbeSymbol, m_engine));

        host::model::DocumentSpec spec;
        spec.pageCount = 2;
        m_layout = &m_host->newDocument(spec);
        // Tests state the switches they rely on; the rest keep Amplex's defaults.
        settings().Constrain = 0;
    }

    ScaleSettings& settings() { return *m_engine->currentSettings(); }
    void setFactors(double horizontal, double vertical)
    {
        settings().HorizontalFactor = pt(horizontal);
        settings().VerticalFactor = pt(vertical);
    }

    host::model::Item& item(int32_t ref)
    {
        host::model::Item* found = items().find(ref);
        EXPECT_NE(found, nullptr) << "item " << ref;
        return *found;
    }
    xt::FixedRect boundsOf(int32_t ref) { return items().bounds(item(ref)); }

    /// Facing pages: the second and third page form one spread, so that they differ only by their
    /// place in it, as the page test tells pages apart.
    void useFacingSpread()
    {
        layout().appendPage(layout().page(0).size());
        host::model::setFacingPages(layout(), true);
    }

    /// Scales the items one by one as a page-range scale of the page that holds `onPage` would.
    void scaleInPageRange(const std::vector<int32_t>& refs, int32_t onPage)
    {
        settings().ScaleWhat = ScalePageRange;
        m_engine->setCurrentScalePage(m_engine->pageKeyOf(onPage));
        for (const int32_t ref : refs) {
            host::model::testdoc::select(layout(), {ref});
            m_engine->setOrigin(point(0, 0));
            m_engine->scaleSelection();
        }
    }

    /// Selects the items as the user would, measures the selection as the command does, and scales it.
    void scaleSelected(const std::vector<int32_t>& selection)
    {
        host::model::testdoc::select(layout(), selection);
        m_engine->measureSelection();
        m_engine->scaleSelection();
    }

    /// A document-mode scale of one item about the driver's origin.
    void scaleInDocument(int32_t ref, xt::FixedPoint origin)
    {
        settings().ScaleWhat = ScaleDocument;
        host::model::testdoc::select(layout(), {ref});
        m_engine->setOrigin(origin);
        m_engine->scaleSelection();
    }

    std::vector<UndoEntry> undoEntries() const
    {
        std::vector<UndoEntry> entries;
        UndoEntry entry;
        for (int32_t i = 0; m_engine->undoEntry(i, &entry); ++i)
            entries.push_back(entry);
        return entries;
    }

    const probe::EngineProbeApi* m_engine = nullptr;
};

} // namespace amplex::testing
