// A host with Amplex's probe loaded and a two-page document: tests set the live settings, select items
// and run a command as the palette would, then look at the document and the messages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/model/items/item_store.h"
#include "testing/test_document.h"

namespace amplex::testing {

class CommandTest : public AmplexHostTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(AmplexHostTest::SetUp());
        newDocument(2);
        // A plain percentage scale of the selection unless a test says otherwise.
        settings().Constrain = 0;
        settings().ScaleWhat = ScaleSelectionOnly;
        settings().ScaleByPercent = 1;
    }

    /// The document as it would be saved, followed by every item's host record (a shaped item's
    /// points in place of its handle), so that a comparison sees every field a scale may change.
    /// The stories' text cursors are left out: text scaling leaves the cursor at the story's start
    /// by design, and undo keeps no cursor.
    std::string saved();

private:
    void describeItem(int32_t ref, std::string& text);
};

} // namespace amplex::testing
