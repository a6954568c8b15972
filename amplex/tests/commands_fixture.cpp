// The saved form of the command tests' document, built once here so that the tests that compare it need
// not compile the JSON writer each.
#include "amplex/tests/commands_fixture.h"

#include <cstring>

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"

namespace amplex::testing {

std::string CommandTest::saved()
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

void CommandTest::describeItem(int32_t ref, std::string& text)
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

} // namespace amplex::testing
