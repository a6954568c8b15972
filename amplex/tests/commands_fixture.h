// A host with Amplex's probe loaded and a two-page document: tests set the live settings, select items
// and run a command as the palette would, then look at the document and the messages.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "amplex/tests/amplex_host_fixture.h"
#include "host/model/document_json.h"
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
    std::string saved()
    {
        nlohmann::ordered_json document = host::model::documentToJson(m_host->documents().project(0));
        for (auto& layoutJson : document["layouts"])
            if (layoutJson.contains("stories"))
                for (auto& story : layoutJson["stories"])
                    story.erase("selection");
        std::string text = document.dump(1);
        for (size_t page = 0; page < layout().pageCount(); ++page)
            for (const int32_t ref : items().topLevelOnPage(layout().page(page).ref()))
                describeItem(ref, text);
        return text;
    }

    void describeItem(int32_t ref, std::string& text)
    {
        const host::model::Item* item = items().find(ref);
        if (!item)
            return;
        xt::BoxRecord record = items().recordOf(*item);
        std::vector<uint8_t> bytes(sizeof record);
        if (xt::shape::hasShapeData(record.shape)) {
            const xt::Handle data = xt::readAt<xt::Handle>(&record, xt::kRecordTopLeft);
            std::memset(reinterpret_cast<uint8_t*>(&record) + xt::kRecordTopLeft, 0, sizeof(xt::Handle));
            if (data && *data) {
                const auto size = static_cast<size_t>(xt::readAt<int32_t>(*data, 0));
                bytes.insert(bytes.end(), *data, *data + size);
            }
        }
        std::memcpy(bytes.data(), &record, sizeof record);
        text += "\nitem " + std::to_string(ref) + ":";
        for (const uint8_t b : bytes)
            text += " " + std::to_string(b);
        for (const int32_t member : item->members())
            describeItem(member, text);
    }
};

} // namespace amplex::testing
