// XtData blocks through the host's operations: each holder level, the "VRN1" marker, copies in and out.
#include <cstring>
#include <string>

#include "host/tests/item_fixture.h"
#include "win32/standin.h"

namespace host_tests {
namespace {

using namespace xt::op;
using host::model::testdoc::rect;

constexpr xt::FourLetterCode kMarker = 0x314E5256; // "VRN1"

class DataBlockOpsTest : public ItemTest {
protected:
    void SetUp() override
    {
        ItemTest::SetUp();
        m_box = host::model::testdoc::addTextBox(layout(), 0, rect(0, 0, 50, 50)).ref();
    }

    /// The holder of each level, found the way a plug-in finds it.
    int32_t holderFor(int level)
    {
        int32_t global = 0;
        hostOp<GetGlobalObject3081>()(&global);
        switch (level) {
        case 0: return hostOp<GetBoxXtDataRef>()(m_box);
        case 1: return hostOp<GetXtDataRefKind1>()(m_box);
        case 2: return hostOp<GetPageRef>()(layout().ref(), static_cast<int16_t>(2 + pageIndexOffset()));
        case 4: return hostOp<GetDocumentXtDataRef>()(layout().ref());
        case 6: return hostOp<GetXtDataRefKind6>()(global);
        }
        return 0;
    }

    int16_t pageIndexOffset()
    {
        int16_t offset = -1;
        EXPECT_EQ(hostOp<GetPageIndexOffset>()(layout().ref(), &offset), 0);
        return offset;
    }

    xt::Handle block(const std::string& bytes)
    {
        xt::Handle handle = hostOp<NewHandle>()(static_cast<int32_t>(bytes.size()));
        std::memcpy(*handle, bytes.data(), bytes.size());
        return handle;
    }

    /// The block's bytes, or "(none)".
    std::string read(int32_t holder, xt::FourLetterCode id)
    {
        uint8_t has = 9;
        EXPECT_EQ(hostOp<HasXtDataBlock>()(holder, id, &has), 0);
        xt::Handle copy = nullptr;
        const int32_t status = hostOp<GetXtDataBlock>()(holder, id, &copy);
        EXPECT_EQ(has == 1, status == 0);
        if (status != 0) {
            EXPECT_EQ(copy, nullptr);
            return "(none)";
        }
        std::string bytes(*copy, static_cast<size_t>(hostOp<GetHandleSize>()(copy)));
        hostOp<DisposeHandle>()(copy);
        return bytes;
    }

    int32_t m_box = 0;
};

TEST_F(DataBlockOpsTest, EveryHolderSetsGetsAndRemoves)
{
    const int levels[] = {0, 1, 2, 4, 6};
    std::vector<int32_t> holders;
    for (int level : levels) {
        SCOPED_TRACE(level);
        const int32_t holder = holderFor(level);
        ASSERT_NE(holder, 0);
        EXPECT_EQ(holderFor(level), holder) << "the same holder every time";
        holders.push_back(holder);

        EXPECT_EQ(read(holder, kMarker), "(none)");
        xt::Handle data = block("level " + std::to_string(level));
        EXPECT_EQ(hostOp<SetXtDataBlock>()(holder, kMarker, data), 0);
        hostOp<DisposeHandle>()(data); // the host kept a copy
        EXPECT_EQ(read(holder, kMarker), "level " + std::to_string(level));
    }
    // Each holder kept its own block.
    for (size_t i = 0; i < holders.size(); ++i)
        EXPECT_EQ(read(holders[i], kMarker), "level " + std::to_string(levels[i]));
    for (int32_t holder : holders) {
        EXPECT_EQ(hostOp<SetXtDataBlock>()(holder, kMarker, nullptr), 0);
        EXPECT_EQ(read(holder, kMarker), "(none)");
        EXPECT_EQ(hostOp<SetXtDataBlock>()(holder, kMarker, nullptr), 0) << "removing an absent block changes nothing";
    }
}

TEST_F(DataBlockOpsTest, TheLinkedTextMarkerIsTwentyBytesWrittenOnce)
{
    const int32_t holder = holderFor(0);
    std::string marker(20, '\0');
    std::memcpy(marker.data(), "textdone", 9);
    for (int i = 0; i < 2; ++i) {
        xt::Handle data = block(marker);
        hostOp<SetXtDataBlock>()(holder, kMarker, data);
        hostOp<DisposeHandle>()(data);
    }
    const std::string stored = read(holder, kMarker);
    EXPECT_EQ(stored.size(), 20u);
    EXPECT_EQ(std::string(stored.c_str()), "textdone");
    EXPECT_EQ(layout().dataBlocks().holder(host::model::HolderKind::Box, m_box)->blocks().size(), 1u);
    EXPECT_EQ(read(holder, 0x554E5256), "(none)") << "another id";
}

TEST_F(DataBlockOpsTest, HoldersOfWhatDoesNotExist)
{
    EXPECT_EQ(hostOp<GetBoxXtDataRef>()(0x7FFF0000), 0);
    EXPECT_EQ(hostOp<GetPageRef>()(layout().ref(), 0), 0);
    EXPECT_EQ(hostOp<GetPageRef>()(layout().ref(), static_cast<int16_t>(pageIndexOffset() + 3)), 0) << "the document has two pages";
    EXPECT_EQ(hostOp<GetDocumentXtDataRef>()(0), 0);
    EXPECT_EQ(hostOp<GetXtDataRefKind6>()(12345), 0);
    uint8_t has = 9;
    EXPECT_NE(hostOp<HasXtDataBlock>()(0, kMarker, &has), 0);
    EXPECT_EQ(has, 0);
    xt::Handle data = block("x");
    EXPECT_NE(hostOp<SetXtDataBlock>()(0, kMarker, data), 0);
    hostOp<DisposeHandle>()(data);
}

TEST_F(DataBlockOpsTest, ThePageLookupOfLevelTwo)
{
    // The document view: page numbers are shifted past the master pages, which come first from 4.
    xt::WindowRef window = 0;
    ASSERT_EQ(hostOp<GetDocumentWindow>()(layout().ref(), &window), 0);
    uint8_t flag = 9;
    EXPECT_EQ(hostOp<GetWindowPageFlag>()(window, &flag), 0);
    EXPECT_EQ(flag, 0);
    const int16_t offset = pageIndexOffset();
    EXPECT_EQ(offset, 3 + static_cast<int16_t>(layout().masters().pageCount()));
    EXPECT_EQ(hostOp<GetPageRef>()(layout().ref(), static_cast<int16_t>(offset + 1)), layout().page(0).ref());
    EXPECT_EQ(hostOp<GetPageRef>()(layout().ref(), static_cast<int16_t>(offset + 2)), layout().page(1).ref());
    EXPECT_EQ(hostOp<GetPageRef>()(layout().ref(), 4), layout().masters().page(0).ref()) << "the first master page";
    EXPECT_NE(hostOp<GetWindowPageFlag>()(0x7FFF0000, &flag), 0) << "no such window";
}

TEST_F(DataBlockOpsTest, AFullMemoryGivesNoCopy)
{
    const int32_t holder = holderFor(4);
    xt::Handle data = block("kept");
    hostOp<SetXtDataBlock>()(holder, kMarker, data);
    hostOp<DisposeHandle>()(data);
    xt::Handle copy = reinterpret_cast<xt::Handle>(&data);
    win32::failAllocation();
    EXPECT_NE(hostOp<GetXtDataBlock>()(holder, kMarker, &copy), 0);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(read(holder, kMarker), "kept");
}

} // namespace
} // namespace host_tests
