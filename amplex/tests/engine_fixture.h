// A host with Amplex's probe loaded and a two-page document, for the engine tests: items are built
// with the test-document helpers and scaled through the plug-in's own calls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/model/items/item_store.h"
#include "host/model/spread_layout.h"
#include "testing/test_document.h"

namespace amplex::testing {

class EngineTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        newDocument(2);
        // Tests state the switches they rely on; the rest keep Amplex's defaults.
        settings().Constrain = 0;
    }

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
};

} // namespace amplex::testing
