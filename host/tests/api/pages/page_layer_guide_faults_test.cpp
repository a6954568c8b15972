// The fault injector on the page, section, layer and guide operations: each one told to fail answers
// with a failure and leaves the document as it was; the same call then succeeds and changes it.
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/host_context.h"
#include "host/model/document_json.h"
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class PageLayerGuideFaultsTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        m_box = addBox(layout(), 0, rect(10, 10, 50, 50)).ref();
        m_list = hostOp<xt::op::NewHandle>()(2);
        xt::writeAt(*m_list, int16_t{1});
        m_prefix = hostOp<xt::op::NewTextObject>()("P", 0, 1);
    }

    void TearDown() override
    {
        hostOp<xt::op::DisposeHandle>()(m_list);
        hostOp<xt::op::DisposeTextObject>()(m_prefix);
        PagesTest::TearDown();
    }

    std::string saved() { return host::model::documentToJson(host().documents().project(0)).dump(); }

    int32_t m_box = 0;
    xt::Handle m_list = nullptr;
    xt::TextObject m_prefix = nullptr;
};

TEST_F(PageLayerGuideFaultsTest, AFailedCallLeavesTheDocumentAsItWas)
{
    const xt::GuideEntry guide{72 * xt::kFixedOne, 0, 0, 0, 0, {}, 0};
    const xt::GuideEntry moved{90 * xt::kFixedOne, 0, 0, 0, 0, {}, 0};
    struct Case {
        const char* operation;
        std::function<int32_t()> call;
    } const cases[] = {
        {"XsqOp4977", [&] { return hostOp<xt::op::XsqOp4977>()(2, 5, 3, m_prefix); }},
        {"SetRulerOrigin", [&] { return hostOp<xt::op::SetRulerOrigin>()(ref(), pt(5), pt(5)); }},
        {"XpgOp949", [&] { return hostOp<xt::op::XpgOp949>()(0); }},
        {"XpgOp951", [&] { return hostOp<xt::op::XpgOp951>()(0); }},
        {"GuideOp3598", [&] { return hostOp<xt::op::GuideOp3598>()(ref(), 5, xt::kGuideVertical, &guide, 0, nullptr); }},
        {"GuideOp2630", [&] { return hostOp<xt::op::GuideOp2630>()(ref(), 1, xt::kGuideVertical, 0, &moved, 0); }},
        {"GuideOp2631", [&] { return hostOp<xt::op::GuideOp2631>()(ref(), 1, xt::kGuideVertical, 0, 0); }},
        {"CreateLayer", [&] {
             int32_t layer = 0;
             return componentOp<xt::component::CreateLayer>()(ref(), "Marks", &layer);
         }},
        {"SetCurrentLayer", [&] { return componentOp<xt::component::SetCurrentLayer>()(ref(), 1); }},
        {"SetItemLayer", [&] { return componentOp<xt::component::SetItemLayer>()(ref(), m_box, 1); }},
        {"XsqOp1307", [&] { return hostOp<xt::op::XsqOp1307>()(ref(), m_box, ref(), 2); }},
        {"DeleteLayerOp", [&] { return componentOp<xt::component::DeleteLayerOp>()(ref(), 1, xt::kDeleteLayerItems); }},
        {"CopyPages", [&] { return componentOp<xt::component::CopyPages>()(ref(), ref(), m_list, 2, 4); }},
    };
    for (const Case& c : cases) {
        const std::string before = saved();
        host::context().faults().failNth(c.operation, 1);
        EXPECT_NE(c.call(), 0) << c.operation;
        EXPECT_EQ(saved(), before) << c.operation << " changed the document though it failed";
        EXPECT_EQ(c.call(), 0) << c.operation << " without a fault";
        EXPECT_NE(saved(), before) << c.operation << " changed nothing";
    }
}

TEST_F(PageLayerGuideFaultsTest, FailedQueriesLeaveNothingACallerCouldTakeForAnAnswer)
{
    struct Case {
        const char* operation;
        std::function<int32_t()> call;
    } const cases[] = {
        {"PageOp871", [&] {
             int16_t count = 7;
             const int32_t status = hostOp<xt::op::PageOp871>()(ref(), 0, &count);
             return status != 0 && count == 0 ? status : 0;
         }},
        {"DocumentOp864", [&] {
             int32_t item = 7;
             const int32_t status = hostOp<xt::op::DocumentOp864>()(ref(), 0, &item);
             return status != 0 && item == 0 ? status : 0;
         }},
        {"GuideOp2628", [&] {
             int16_t count = 7;
             const int32_t status = hostOp<xt::op::GuideOp2628>()(ref(), 1, 1, 0, &count);
             return status != 0 && count == 0 ? status : 0;
         }},
        {"GetCurrentLayer", [&] {
             int32_t layer = 7;
             return componentOp<xt::component::GetCurrentLayer>()(ref(), &layer);
         }},
    };
    for (const Case& c : cases) {
        host::context().faults().failNth(c.operation, 1);
        EXPECT_NE(c.call(), 0) << c.operation;
    }
}

} // namespace
} // namespace host_tests
