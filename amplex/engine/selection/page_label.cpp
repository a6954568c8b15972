// The factor label of a page added by step and repeat.
#include "amplex/engine/selection/page_label.h"

#include <string>
#include <vector>

#include "amplex/engine/document/document_run.h"
#include "amplex/engine/document/page_walk.h"
#include "foundation/binding/binding.h"
#include "foundation/text/text_helpers.h"
#include "xtapi/box_record.h"

namespace amplex {
namespace {

constexpr xt::FixedRect kLabelRect{0x60000, 0x60000, 0x180000, 0x3C0000};
constexpr int32_t kPercentUnit = 0x65;
constexpr int32_t kLabelCapacity = 256;

std::string percentText(xt::Fixed factor)
{
    xt::TextObject text = nullptr;
    uint8_t ok = 0;
    xt::calls::FormatMeasurement(factor, &text, kPercentUnit, 0, &ok);
    if (!text)
        return {};
    char buffer[kLabelCapacity] = {};
    if (ok == 1)
        foundation::TextToCString(text, buffer, kLabelCapacity);
    xt::calls::DisposeTextObject(text);
    return buffer;
}

void fillLabel(const std::string& text)
{
    int32_t story = 0;
    if (text.empty() || xt::calls::GetBoxTextInfo(0, &story, nullptr, nullptr, nullptr) != 0)
        return;
    const std::vector<uint16_t> chars(text.begin(), text.end());
    xt::calls::InsertTextChars(story, 0, static_cast<int32_t>(chars.size()), chars.data(), 0);
}

} // namespace

void addFactorLabel(int32_t page, xt::Fixed factor)
{
    const xt::DocumentRef ref = documentRun().documentRef();
    xt::PlaceRecord place{};
    xt::calls::PageOp3594(runWindow(), page, 0, &place);
    xt::calls::SetCurrentTool(1);
    void* record = nullptr;
    if (xt::calls::NewBoxRecord(0, static_cast<int32_t>(xt::BoxKind::Text), xt::shape::kRectangle, &record) == 0
        && record) {
        auto* fields = static_cast<xt::BoxRecord*>(record);
        xt::FixedRect rect = kLabelRect;
        xt::calls::XsqOp1311(ref, &place, &rect);
        fields->geometry.rect = rect;
        int32_t label = 0;
        if (xt::calls::InsertBox(ref, record, 0, 0, 1, &label) == 0)
            fillLabel(percentText(factor));
        xt::calls::ReleaseBoxRecord(record, 1);
    }
    xt::calls::StoryMode1375(1);
    xt::calls::SetCurrentBox(0);
    xt::calls::SetCurrentTool(0);
}

} // namespace amplex
