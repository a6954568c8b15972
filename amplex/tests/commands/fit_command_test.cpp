// The fit requests of the settings: a scale command runs the requested fit instead of a scale,
// text before picture, and clears the requests so that the next command scales again.
#include <nlohmann/json.hpp>

#include "amplex/tests/commands_fixture.h"
#include "host/model/document_json.h"
#include "testing/test_text.h"

namespace amplex::testing {
namespace {

using namespace host::model::testdoc;

class FitCommandTest : public CommandTest {
protected:
    int32_t textBoxWithRoomToGrow()
    {
        const int32_t box = addTextBox(layout(), 0, rect(100, 100, 300, 400)).ref();
        setType(layout(), box, 1, pt(10));
        setText(layout(), box, "Short text.");
        select({box});
        return box;
    }

    xt::Fixed firstSize(int32_t box)
    {
        const auto json = host::model::documentToJson(m_host->documents().project(0));
        for (const auto& story : json["layouts"][0]["stories"])
            for (const auto& boxRef : story["boxes"])
                if (boxRef.get<int32_t>() == box)
                    return pt(story["characterRuns"][0]["size"].get<double>());
        return 0;
    }
};

TEST_F(FitCommandTest, TextFitWinsOverPictureFitAndBothRequestsAreClearedAfterwards)
{
    const int32_t box = textBoxWithRoomToGrow();
    settings().FitTextRequest = 1;
    settings().FitCommand = FitStoryToBox;
    settings().FitPictureRequest = 1;
    settings().FitTextSize = 1;
    setFactors(0.5, 0.5);

    m_commands->scaleWithSettings();

    EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 300, 400)));
    EXPECT_GT(firstSize(box), pt(10));
    EXPECT_EQ(settings().FitTextRequest, 0);
    EXPECT_EQ(settings().FitPictureRequest, 0);

    // The next command scales, as the user asked it to.
    select({box});
    m_commands->scaleWithSettings();
    EXPECT_TRUE(sameRect(boundsOf(box), rect(100, 100, 200, 250)));
}

TEST_F(FitCommandTest, TheTextFitCommandWantsATextBoxAndARequest)
{
    const int32_t plain = addBox(layout(), 0, rect(100, 100, 200, 200)).ref();
    select({plain});
    settings().FitTextRequest = 1;
    settings().FitCommand = FitStoryToBox;
    const std::string before = saved();

    m_commands->textFitCommand();
    EXPECT_EQ(saved(), before);

    const int32_t box = textBoxWithRoomToGrow();
    settings().FitTextSize = 1;
    m_commands->textFitCommand();
    EXPECT_EQ(firstSize(box), pt(10)) << "the content tool is not the item tool";

    items().selection().setTool(1);
    settings().FitTextRequest = 0;
    m_commands->textFitCommand();
    EXPECT_EQ(firstSize(box), pt(10));

    settings().FitTextRequest = 1;
    m_commands->textFitCommand();
    EXPECT_GT(firstSize(box), pt(10));
    EXPECT_TRUE(m_commands->currentIsTextBox());
}

} // namespace
} // namespace amplex::testing
