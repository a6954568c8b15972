// The stored switches (XpgOp948-951), the ruler origin (SetRulerOrigin, DocumentOp494/496, XpgOp958)
// and spread-to-page coordinates (XsqOp1306).
#include "host/tests/pages_fixture.h"

namespace host_tests {
namespace {

using namespace host::model::testdoc;

class DocumentSettingOpsTest : public PagesTest {};

TEST_F(DocumentSettingOpsTest, SwitchesAreReadAndSetOneEach)
{
    struct Case {
        int32_t (*read)(int32_t*);
        int32_t (*write)(int32_t);
        int32_t host::model::DocumentSettings::*field;
    } const cases[] = {
        {hostOp<xt::op::XpgOp948>(), hostOp<xt::op::XpgOp949>(), &host::model::DocumentSettings::setting948},
        {hostOp<xt::op::XpgOp950>(), hostOp<xt::op::XpgOp951>(), &host::model::DocumentSettings::setting950},
    };
    for (const Case& c : cases) {
        int32_t value = -1;
        ASSERT_EQ(c.read(&value), 0);
        EXPECT_EQ(value, 1); // on in a new document
        ASSERT_EQ(c.write(0), 0);
        ASSERT_EQ(c.read(&value), 0);
        EXPECT_EQ(value, 0);
        EXPECT_EQ(layout().settings().*c.field, 0);
        ASSERT_EQ(c.write(1), 0);
        EXPECT_EQ(c.read(nullptr), -1);
    }
    EXPECT_EQ(layout().settings().setting948, 1);
}

TEST_F(DocumentSettingOpsTest, SwitchesNeedAnOpenDocument)
{
    host().documents().closeProject(host().documents().project(0));
    int32_t value = 5;
    EXPECT_EQ(hostOp<xt::op::XpgOp948>()(&value), -1);
    EXPECT_EQ(hostOp<xt::op::XpgOp951>()(0), -1);
}

TEST_F(DocumentSettingOpsTest, TheRulerOriginIsSetAndReadBack)
{
    ASSERT_EQ(hostOp<xt::op::SetRulerOrigin>()(ref(), pt(18), pt(-9)), 0);
    xt::Fixed top = 0, left = 0;
    ASSERT_EQ(hostOp<xt::op::DocumentOp494>()(ref(), &top), 0);
    ASSERT_EQ(hostOp<xt::op::DocumentOp496>()(ref(), &left), 0);
    EXPECT_EQ(top, pt(18));
    EXPECT_EQ(left, pt(-9));
    uint8_t spreadWide = 7;
    ASSERT_EQ(hostOp<xt::op::XpgOp958>()(ref(), &spreadWide), 0);
    EXPECT_EQ(spreadWide, 0);
    EXPECT_EQ(hostOp<xt::op::SetRulerOrigin>()(12345, 0, 0), -1);
    EXPECT_EQ(hostOp<xt::op::DocumentOp494>()(ref(), nullptr), -1);
}

TEST_F(DocumentSettingOpsTest, SpreadPointsComeBackInTheCurrentPagesCoordinates)
{
    host::model::setFacingPages(layout(), true);
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 2), 0); // page 2: the left page of spread 1
    xt::Fixed x = pt(100), y = pt(50);
    ASSERT_EQ(hostOp<xt::op::XsqOp1306>()(ref(), &x, &y), 0);
    EXPECT_EQ(x, pt(100));
    EXPECT_EQ(y, pt(50));
    ASSERT_EQ(hostOp<xt::op::PageOp2213>()(ref(), 2, 1, 0, 0, 0), 0);
    ASSERT_EQ(hostOp<xt::op::DocumentOp868>()(window(), 3), 0); // the right page starts at 612
    ASSERT_EQ(hostOp<xt::op::XsqOp1306>()(ref(), &x, &y), 0);
    EXPECT_EQ(x, pt(100 - 612));
}

TEST_F(DocumentSettingOpsTest, ARectangleIsInsetOrGrownByTheAmounts)
{
    struct Case {
        xt::FixedRect before;
        double dv, dh;
        xt::FixedRect after; // equal to before when refused
        int32_t status;
    } const cases[] = {
        {rect(10, 20, 110, 220), -1, -1, rect(9, 19, 111, 221), 0}, // grown by 1 pt on every side
        {rect(10, 20, 110, 220), 5, 10, rect(15, 30, 105, 210), 0},
        {rect(10, 20, 20, 220), 6, 0, rect(10, 20, 20, 220), -1},    // would turn inside out
    };
    for (const Case& c : cases) {
        xt::FixedRect r = c.before;
        EXPECT_EQ(hostOp<xt::op::XfsOp617>()(&r.top, pt(c.dv), pt(c.dh)), c.status);
        EXPECT_TRUE(sameRect(r, c.after)) << describe(r);
    }
    EXPECT_EQ(hostOp<xt::op::XfsOp617>()(nullptr, 0, 0), -1);
}

} // namespace
} // namespace host_tests
