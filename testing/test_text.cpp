// Text helpers for test documents.
#include "testing/test_text.h"

#include <cassert>

#include "host/model/text/text_boxes.h"

namespace host::model::testdoc {

Story& setText(Layout& layout, int32_t box, std::string_view ascii)
{
    Story* story = storyOfTextBox(layout, box);
    assert(story && "setText needs a text box");
    story->erase(0, story->length());
    story->insert(0, std::u16string(ascii.begin(), ascii.end()));
    return *story;
}

void setType(Layout& layout, int32_t box, int16_t font, xt::Fixed size)
{
    Story* story = storyOfTextBox(layout, box);
    assert(story && "setType needs a text box");
    CharacterAttributes attributes = story->characterAttributesAt(0);
    attributes.font = font;
    attributes.size = size;
    story->setCharacterAttributes({0, story->length()}, attributes);
}

void setTextFrame(Layout& layout, int32_t box, xt::Fixed inset, uint8_t columns, xt::Fixed gutter)
{
    Item* item = layout.items().find(box);
    assert(item && "setTextFrame needs an item");
    xt::TextFields fields = item->text();
    fields.insetTop = fields.insetBottom = fields.insetsAcross[0] = fields.insetsAcross[1] = inset;
    fields.columns = columns;
    fields.gutter = gutter;
    item->setText(fields);
}

bool linkChain(Layout& layout, std::initializer_list<int32_t> boxes)
{
    const int32_t* previous = nullptr;
    for (const int32_t& box : boxes) {
        if (previous && !linkTextBoxes(layout, *previous, box))
            return false;
        previous = &box;
    }
    return true;
}

} // namespace host::model::testdoc
