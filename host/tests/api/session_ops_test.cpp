// The error frame, cursor, text objects and converters, menus, documents and list controls.
#include <cstring>

#include "host/api/text_objects.h"
#include "host/tests/host_fixture.h"

namespace host_tests {
namespace {

using namespace xt::op;

class SessionOpsTest : public HostTest {};

TEST_F(SessionOpsTest, ErrorFrameReportsTheCurrentStatus)
{
    // What a text conversion with an empty text does: open, set 4, report, close.
    hostOp<SetErrorStatus>()(0, 0);
    hostOp<SetErrorStatus>()(4, 0);
    hostOp<ReportErrorStatus>()();
    hostOp<EndErrorScope>()();
    // A conversion that succeeded: its status is set, not reported.
    hostOp<SetErrorStatus>()(0, 0);
    hostOp<SetErrorStatus>()(0, 0);
    hostOp<EndErrorScope>()();
    hostOp<SetErrorStatus>()(7, 0);
    hostOp<ReportErrorStatus>()();
    EXPECT_EQ(host().errorReports(), (std::vector<int32_t>{4, 7}));
}

TEST_F(SessionOpsTest, CursorKindsAreRecorded)
{
    EXPECT_EQ(hostOp<GetCursorKind>()(), 0);
    hostOp<SetCursorKind>()(-1);
    hostOp<SetCursorKind>()(0);
    hostOp<SetCursorKind>()(-1);
    EXPECT_EQ(host().cursorKinds(), (std::vector<int32_t>{-1, 0, -1}));
    EXPECT_EQ(hostOp<GetCursorKind>()(), -1);
}

TEST_F(SessionOpsTest, TextObjectsCopyTheirCharacters)
{
    char label[] = "Cellora...";
    xt::TextObject text = hostOp<NewTextObject>()(label, 0, 7);
    label[0] = 'X';
    EXPECT_EQ(hostOp<GetTextObjectLength>()(text), 7);
    EXPECT_EQ(std::string(hostOp<GetTextObjectChars>()(text), 7), "Cellora");
    hostOp<DisposeTextObject>()(text);
    EXPECT_EQ(hostOp<GetTextObjectLength>()(text), -1) << "a disposed text is no text";
    EXPECT_EQ(hostOp<GetTextObjectChars>()(text), nullptr);
    xt::TextObject empty = hostOp<NewTextObject>()(nullptr, 0, 0);
    EXPECT_EQ(hostOp<GetTextObjectLength>()(empty), 0);
    hostOp<DisposeTextObject>()(empty);
    EXPECT_EQ(hostOp<NewTextObject>()(nullptr, 0, 3), nullptr);
    EXPECT_EQ(hostOp<NewTextObject>()("abc", 0, -1), nullptr);
}

TEST_F(SessionOpsTest, ConvertTextNeverWritesPastTheGivenSize)
{
    int32_t converter = -1;
    ASSERT_EQ(hostOp<OpenTextConverter>()(0, 1, 0, 1, 0, 0, &converter), 0);
    ASSERT_NE(converter, -1);
    struct Case {
        const char* source;
        int32_t size;
        const char* written;
        int32_t used;
        int32_t status;
    };
    const Case cases[] = {
        {"VORNE", 6, "VORNE", 6, 0},
        {"VORNE", 64, "VORNE", 6, 0},
        {"VORNE", 4, "VOR", 4, host::api::kConvertTruncated},  // cut, still terminated
        {"VORNE", 1, "", 1, host::api::kConvertTruncated},
        {"", 8, "", 1, 0},
    };
    for (const auto& c : cases) {
        char buffer[80];
        std::memset(buffer, '#', sizeof buffer);
        int32_t length = static_cast<int32_t>(std::strlen(c.source));
        int32_t size = c.size;
        int32_t count = -1;
        EXPECT_EQ(hostOp<ConvertText>()(converter, &length, c.source, &size, buffer, 0, 0, 1, &count), c.status) << c.source << "/" << c.size;
        EXPECT_STREQ(buffer, c.written);
        EXPECT_EQ(size, c.used);
        EXPECT_EQ(buffer[c.size], '#') << "nothing after the given size";
    }
    char buffer[4];
    int32_t length = 3;
    int32_t size = 0;
    EXPECT_NE(hostOp<ConvertText>()(converter, &length, "abc", &size, buffer, 0, 0, 1, nullptr), 0) << "no room at all";
    EXPECT_EQ(hostOp<CloseTextConverter>()(converter), 0);
    size = 4;
    EXPECT_NE(hostOp<ConvertText>()(converter, &length, "abc", &size, buffer, 0, 0, 1, nullptr), 0) << "a closed converter";
    int32_t unknown = -1;
    EXPECT_NE(hostOp<OpenTextConverter>()(42, 1, 0, 1, 0, 0, &unknown), 0);
    EXPECT_EQ(unknown, -1);
}

xt::TextObject text(const char* chars)
{
    return hostOp<NewTextObject>()(chars, 0, static_cast<int32_t>(std::strlen(chars)));
}

TEST_F(SessionOpsTest, MenusAreBuiltFromTheOperations)
{
    xt::TextObject title = text("VORNE");
    int32_t menu = 0;
    int32_t scratch = -1;
    ASSERT_EQ(hostOp<NewMenu>()(&menu, title), 0);
    ASSERT_NE(menu, 0);
    ASSERT_EQ(hostOp<InsertMenu>()(menu, title, -1, &scratch), 0);
    hostOp<DisposeTextObject>()(title);
    uint16_t first = 0;
    uint16_t separator = 0;
    uint16_t second = 0;
    hostOp<NewMenuItemId>()(&first);
    hostOp<NewMenuItemId>()(&separator);
    hostOp<NewMenuItemId>()(&second);
    EXPECT_NE(first, separator);
    xt::TextObject label = text("Cellora...");
    EXPECT_EQ(hostOp<AppendMenuItem>()(menu, first, label), 0);
    EXPECT_NE(hostOp<AppendMenuItem>()(menu, first, label), 0) << "an item id is used once";
    hostOp<DisposeTextObject>()(label);
    EXPECT_EQ(hostOp<AppendMenuSeparator>()(menu, separator), 0);
    label = text("Amplex...");
    hostOp<AppendMenuItem>()(menu, second, label);
    hostOp<DisposeTextObject>()(label);
    hostOp<DisableMenuItem>()(menu, second);
    EXPECT_EQ(host().menuLines(), (std::vector<std::string>{"VORNE > Cellora...", "VORNE > ---", "VORNE > (Amplex...)"}));

    label = text("Amplex9...");
    hostOp<SetMenuItemText>()(menu, second, label);
    hostOp<DisposeTextObject>()(label);
    hostOp<EnableMenuItem>()(menu, second);
    EXPECT_EQ(host().menuLines().back(), "VORNE > Amplex9...");
    EXPECT_NE(hostOp<AppendMenuItem>()(menu + 99, 500, nullptr), 0);
}

TEST_F(SessionOpsTest, CurrentDocumentIsMinusOneUntilOneIsOpen)
{
    int16_t id = 5;
    EXPECT_EQ(hostOp<GetCurrentDocument>()(&id), 0);
    EXPECT_EQ(id, -1);
    const auto& layout = host().newDocument({2, {}, "Brochure"});
    EXPECT_EQ(hostOp<GetCurrentDocument>()(&id), 0);
    EXPECT_EQ(id, layout.id());
    EXPECT_EQ(hostOp<GetDocumentRef>()(id), layout.ref());
    EXPECT_EQ(hostOp<GetDocumentRef>()(static_cast<int16_t>(id + 40)), 0);
    EXPECT_EQ(layout.pageCount(), 2u);
    EXPECT_NE(layout.page(0).ref(), layout.page(1).ref());
}

TEST_F(SessionOpsTest, ListControlsActOnTheDrawingWindow)
{
    host::ui::Window& window = host().openWindow(xt::kFirstWindowId);
    window.addItem(7, host::ui::ItemKind::List);
    int32_t count = -1;
    EXPECT_NE(hostOp<GetListCount>()(7, &count), 0) << "no window to act on yet";

    ASSERT_EQ(hostOp<BeginWindowDrawing>()(window.ref()), 0);
    hostOp<ListOp1600>()(7, 0);
    for (const char* name : {"A.prf", "b.prf"}) {
        int32_t index = -1;
        ASSERT_EQ(hostOp<InsertListItem>()(7, -3, &index), 0);
        xt::TextObject row = text(name);
        EXPECT_EQ(hostOp<SetListEntryText>()(7, index, row), 0);
        hostOp<DisposeTextObject>()(row);
    }
    EXPECT_EQ(hostOp<SetListSelection>()(7, 1), 0);
    EXPECT_NE(hostOp<SetListSelection>()(7, 2), 0);
    hostOp<ListOp1600>()(7, 1);
    int32_t selection = -2;
    EXPECT_EQ(hostOp<GetListSelection>()(7, &selection), 0);
    EXPECT_EQ(selection, 1);
    EXPECT_EQ(hostOp<DeleteListItem>()(7, 0), 0);
    EXPECT_EQ(hostOp<GetListCount>()(7, &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_NE(hostOp<GetListCount>()(8, &count), 0) << "item 8 is no list";
    hostOp<EndWindowDrawing>()();

    EXPECT_EQ(window.item(7)->rows(), (std::vector<std::string>{"b.prf"}));
    EXPECT_EQ(window.item(7)->selection(), 0) << "the selection follows its row";
    ASSERT_EQ(host().windows().listRedraws().size(), 2u);
    EXPECT_EQ(host().windows().listRedraws()[1].value, 1);
    EXPECT_NE(hostOp<BeginWindowDrawing>()(window.ref() + 1000), 0);
}

} // namespace
} // namespace host_tests
