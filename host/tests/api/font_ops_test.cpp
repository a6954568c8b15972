// Fonts as the plug-ins find them: a family's id by its name through the font-name service, the same
// families from EnumFontFamiliesA, and each family composed with its metric set.
#include <string>
#include <vector>

#include "host/model/composer/font_metrics.h"
#include "host/model/fonts/font_families.h"
#include "host/tests/host_fixture.h"
#include "win32/windows.h"
#include "xtapi/colour_records.h"

namespace host_tests {
namespace {

class FontOpsTest : public HostTest {
protected:
    struct Found {
        int16_t id = -7;
        uint8_t found = 0xEE;
        int32_t status = 0;
    };

    /// FontIdFromName's calls: a text from the font-name service, XfuOp4952, the text disposed.
    Found lookUp(const std::string& name, int32_t kind = xt::kFontFamilyName)
    {
        Found result;
        xt::TextObject text = hostOp<xt::op::NewFontNameText>()(name.data(), 0, static_cast<int32_t>(name.size()));
        result.status = hostOp<xt::op::XfuOp4952>()(&result.id, text, kind, 0, &result.found);
        hostOp<xt::op::DisposeFontNameText>()(text);
        return result;
    }
};

TEST_F(FontOpsTest, AFamilyIsFoundByItsNameWhateverItsCase)
{
    struct Case {
        std::string name;
        int16_t id; // -7: not found, the id left as it was
    };
    const Case cases[] = {
        {"Times", 1},
        {"Helvetica", 2},
        {"helvetica", 2},
        {"COURIER", 3},
        {"Symbol", 4},
        {"Times New Roman", 6},
        {"Zapf Dingbats", 9},
        {"Garamond", -7},
        {"Helvetica ", -7}, // the whole name, not a part of it
        {"Sans", -7},       // the composer's old metric names are no families
        {"", -7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Found found = lookUp(c.name);
        EXPECT_EQ(found.status, 0);
        EXPECT_EQ(found.id, c.id);
        EXPECT_EQ(found.found, c.id == -7 ? 0 : 1);
    }
    EXPECT_EQ(host::context().texts().liveCount(), 0u) << "every text was disposed";
}

TEST_F(FontOpsTest, ALookUpThatCannotBeMadeFindsNothing)
{
    const Found otherKind = lookUp("Times", 2);
    EXPECT_NE(otherKind.status, 0);
    EXPECT_EQ(otherKind.found, 0);
    EXPECT_EQ(otherKind.id, -7);

    int16_t id = -7;
    uint8_t found = 0xEE;
    EXPECT_NE(hostOp<xt::op::XfuOp4952>()(&id, nullptr, xt::kFontFamilyName, 0, &found), 0) << "no text";
    EXPECT_EQ(found, 0);

    host().faults().failNth("XfuOp4952", 1);
    const Found failed = lookUp("Times");
    EXPECT_NE(failed.status, 0);
    EXPECT_EQ(failed.found, 0) << "a failed call answers that there is no such font";
    EXPECT_EQ(failed.id, -7);
}

int CALLBACK collectFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM data)
{
    if (type != RASTER_FONTTYPE)
        reinterpret_cast<std::vector<std::string>*>(data)->emplace_back(font->lfFaceName);
    return 1;
}

TEST_F(FontOpsTest, WindowsListsTheFamiliesTheHostFindsByName)
{
    std::vector<std::string> listed;
    EnumFontFamiliesA(GetDC(nullptr), nullptr, &collectFamily, reinterpret_cast<LPARAM>(&listed));
    ASSERT_EQ(listed.size(), host::model::fontFamilies().size());
    EXPECT_EQ(listed.front(), "Times");
    for (const std::string& name : listed) {
        SCOPED_TRACE(name);
        const Found found = lookUp(name);
        ASSERT_EQ(found.found, 1);
        EXPECT_EQ(host::model::findFontFamily(found.id)->name, name);
    }
}

TEST_F(FontOpsTest, EachFamilyIsComposedWithItsMetricSet)
{
    // Old documents name the composer's three fonts by number: 1, 2 and 3 keep their widths.
    const auto width = [](int16_t font, char16_t c) { return host::model::characterWidth(host::model::fontMetrics(font), c); };
    EXPECT_EQ(width(host::model::kMonoFont, u'i'), width(host::model::kMonoFont, u'M')) << "Courier is monospaced";
    EXPECT_EQ(width(7, u'i'), width(host::model::kMonoFont, u'i')) << "Courier New too";
    EXPECT_EQ(width(5, u'M'), width(host::model::kSansFont, u'M')) << "Arial takes Helvetica's widths";
    EXPECT_NE(width(host::model::kSerifFont, u'M'), width(host::model::kSansFont, u'M'));
    EXPECT_EQ(width(999, u'M'), width(host::model::kSerifFont, u'M')) << "an unknown font is set as Times";
}

} // namespace
} // namespace host_tests
