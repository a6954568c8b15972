// The Mockum fixture's steps.
#include "mockum/tests/mockum_fixture.h"

#include <nlohmann/json.hpp>

#include "host/model/document_json.h"
#include "host/model/items/item_store.h"

namespace mockum::testing {

void MockumTest::SetUp()
{
    ProbeHostTest::SetUp();
    startHost();
    m_host->startSession();
    newDocument(2);
}

int32_t MockumTest::textBox(size_t page, const xt::FixedRect& bounds, std::string_view text)
{
    const int32_t box = host::model::testdoc::addTextBox(layout(), page, bounds).ref();
    host::model::testdoc::setTextFrame(layout(), box, pt(1));
    host::model::testdoc::setType(layout(), box, host::model::kMonoFont, pt(10));
    if (!text.empty())
        host::model::testdoc::setText(layout(), box, text);
    return box;
}

host::model::Story& MockumTest::storyOf(int32_t box)
{
    return *layout().stories().storyOfBox(box);
}

std::string MockumTest::textOf(int32_t box)
{
    const std::u16string& text = storyOf(box).text();
    return std::string(text.begin(), text.end());
}

void MockumTest::useTool(int32_t tool)
{
    items().selection().setTool(tool);
}

void MockumTest::selectText(int32_t box, int32_t start, int32_t end)
{
    select({box});
    storyOf(box).select(start, end);
}

bool MockumTest::choose(std::string_view label)
{
    return m_host->chooseMenuItem("VORNE > " + std::string(label));
}

std::string MockumTest::saved()
{
    return host::model::documentToJson(*m_host->documents().projectOf(layout())).dump(1);
}

} // namespace mockum::testing
