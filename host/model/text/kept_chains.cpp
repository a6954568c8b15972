// A layout's chains, text and data blocks kept and put back for an undo step.
#include "host/model/text/kept_chains.h"

#include <nlohmann/json.hpp>

#include "host/model/document_model.h"
#include "host/model/text/text_boxes.h"
#include "host/model/text_json.h"

namespace host::model {

KeptChains keepChains(const Layout& layout)
{
    KeptChains kept{layout.stories().contents(), {}, layout.dataBlocks().contents(), {}};
    nlohmann::ordered_json text = nlohmann::ordered_json::object();
    writeLayoutText(layout, text);
    kept.savedText = text.dump();
    for (int32_t ref : layout.items().stackingOrder()) {
        const Item* item = layout.items().find(ref);
        if (!item || !isTextItem(layout, ref))
            continue;
        kept.boxFields.emplace(ref, item->text());
        const auto* bytes = reinterpret_cast<const char*>(&item->text());
        kept.savedText.append(bytes, sizeof(xt::TextFields));
    }
    return kept;
}

void putBackChains(Layout& layout, const KeptChains& kept)
{
    layout.stories().restore(kept.stories);
    // A box deleted since the state was kept leaves its chain, as a deletion does.
    for (const auto& [box, story] : kept.stories.chainOf) {
        if (!layout.items().find(box))
            layout.stories().removeTextBox(box);
    }
    layout.dataBlocks().restore(kept.blocks);
    for (const auto& [ref, fields] : kept.boxFields) {
        if (Item* item = layout.items().find(ref))
            item->setText(fields);
    }
}

} // namespace host::model
