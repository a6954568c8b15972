// ToolboxOp5034: a whole number read from the text a user typed into a field.
#include <cstring>

#include "host/tests/host_fixture.h"

namespace host_tests {
namespace {

TEST_F(HostTest, WholeNumbersAreReadFromTypedText)
{
    struct Case {
        const char* text;
        bool read;
        int32_t value;
    } const cases[] = {
        {"12", true, 12},
        {"  7 ", true, 7},          // spaces around it are the user's
        {"-3", true, -3},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},   // too large for 32 bits
        {"1.5", false, 0},          // not whole
        {"12a", false, 0},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        xt::TextObject text = hostOp<xt::op::NewTextObject>()(c.text, 0, static_cast<int32_t>(std::strlen(c.text)));
        int32_t value = 99;
        const int32_t status = hostOp<xt::op::ToolboxOp5034>()(text, &value);
        EXPECT_EQ(status == 0, c.read) << c.text;
        EXPECT_EQ(value, c.read ? c.value : 99) << c.text;
        hostOp<xt::op::DisposeTextObject>()(text);
    }
}

} // namespace
} // namespace host_tests
