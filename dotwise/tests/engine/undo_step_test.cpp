// Each list action is one undo step: Undo gives back the document as saved before it, Redo the one it
// left; an action that changes nothing leaves the Undo offered before.
#include <gtest/gtest.h>

#include <string>

#include <nlohmann/json.hpp>

#include "dotwise/engine/list_run.h"
#include "dotwise/tests/dotwise_host_fixture.h"
#include "host/model/document_json.h"

namespace dotwise::testing {
namespace {

class ListUndoTest : public DotwiseHostTest {
protected:
    /// The document made last, as saved.
    std::string saved()
    {
        auto& documents = m_host->documents();
        return host::model::documentToJson(documents.project(documents.projectCount() - 1)).dump(1);
    }
};

TEST_F(ListUndoTest, EveryActionIsUndoneAndRedoneWhole)
{
    struct Case {
        const char* name;
        int16_t prepare; // run first, 0 for none
        int16_t action;
    };
    const Case cases[] = {
        {"bullets", 0, ActionBullets},
        {"numbers", 0, ActionNumbers},
        {"level in", ActionNumbers, ActionLevelIn},
        {"level out", ActionNumbers, ActionLevelOut},
        {"remove markers", ActionBullets, ActionRemoveMarkers},
        {"remove markers and indent", ActionNumbers, ActionRemoveMarkersAndIndent},
        {"zero indents", ActionBullets, ActionZeroIndents},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        newDocument(1);
        textBox("Apples\rPears\rPlums");
        if (c.prepare != 0)
            run(c.prepare);
        story().select(0, story().length());
        const std::string before = saved();
        run(c.action);
        const std::string after = saved();
        ASSERT_NE(after, before);
        ASSERT_TRUE(m_host->undo());
        EXPECT_EQ(saved(), before);
        ASSERT_TRUE(m_host->redo());
        EXPECT_EQ(saved(), after);
    }
}

TEST_F(ListUndoTest, AnActionThatChangesNothingKeepsTheUndoBefore)
{
    textBox("Apples\rPears");
    run(ActionBullets);
    const std::string bulleted = saved();
    // Level out of paragraphs already at level zero after the markers went changes nothing.
    run(ActionRemoveMarkersAndIndent);
    const std::string removed = saved();
    ASSERT_NE(removed, bulleted);
    run(ActionZeroIndents);
    EXPECT_EQ(saved(), removed);
    ASSERT_TRUE(m_host->undo());
    EXPECT_EQ(saved(), bulleted);
}

} // namespace
} // namespace dotwise::testing
