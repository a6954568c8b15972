// The operation registry, its fault injection and traps, and the tables built from the request rows.
#include "host/api/interface_tables.h"
#include "host/api/operation_areas.h"
#include "host/loader/host_records.h"
#include "host/tests/host_fixture.h"
#include "xtapi/operation_tables.h"

namespace host_tests {
namespace {

using host::api::InterfaceTables;
using host::api::OperationRegistry;

constexpr xt::FourLetterCode kToolboxRow = 0x584D462C; // "XMF,"
constexpr xt::FourLetterCode kEmptyRow = 0x58534A27;   // "XSJ'"
constexpr xt::FourLetterCode kMenuRow = 0x584D4229;    // "XMB)"
constexpr xt::FourLetterCode kTextObjectService = 0x51534201;

size_t rowOf(xt::FourLetterCode code)
{
    auto row = InterfaceTables::requestRowOf(code);
    EXPECT_TRUE(row);
    return row.value_or(0);
}

const uint32_t* listOf(size_t row)
{
    return &xt::kRequestTable.words[xt::kRequestTable.rows[row].offset];
}

class RegistryTest : public HostTest {};

TEST_F(RegistryTest, RequestTableSlotKHoldsTheRowsKthOperation)
{
    OperationRegistry registry;
    host::api::registerAllOperations(registry);
    const InterfaceTables tables(registry);
    const size_t row = rowOf(kToolboxRow);
    void* const* table = tables.requestTable(row);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(table[0]), xt::kRequestListVersion);
    EXPECT_EQ(table[1], registry.entry(1855)) << "DisposeHandle in slot 1";
    EXPECT_EQ(table[14], registry.entry(1868)) << "NewHandle in slot 14";
    EXPECT_NE(table[14], nullptr);
    const auto length = static_cast<size_t>(xt::kRequestTable.rows[row].length);
    EXPECT_EQ(table[length - 1], nullptr) << "a row's empty slots stay empty";
}

TEST_F(RegistryTest, AnOperationTheHostLacksGetsItsTrap)
{
    OperationRegistry registry;
    host::api::registerMemoryOperations(registry);
    const InterfaceTables tables(registry);
    void* const* menus = tables.requestTable(rowOf(kMenuRow));
    EXPECT_EQ(menus[1], host::api::trapFor(xt::op::NewMenu::number));
    EXPECT_NE(menus[1], nullptr);
    EXPECT_EQ(host::api::trapFor(59999), nullptr) << "no trap for a number outside the contract";
}

TEST_F(RegistryTest, UnimplementedOperationAbortsNamingItself)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto* trap = reinterpret_cast<xt::op::NewMenu::Signature*>(host::api::trapFor(xt::op::NewMenu::number));
    EXPECT_DEATH(trap(nullptr, nullptr), "host operation 6040 NewMenu is not implemented");
}

TEST_F(RegistryTest, AcquiringTablesChecksTheListAgainstTheRow)
{
    xt::RegistrationRecord record = host::loader::makeRegistrationRecord({11, 295, 0x40C70000});
    const size_t row = rowOf(kToolboxRow);
    const int32_t length = xt::kRequestTable.rows[row].length;
    void** table = nullptr;
    ASSERT_EQ(record.acquireHostInterface(kToolboxRow, reinterpret_cast<void**>(&table), listOf(row), length), 0);
    EXPECT_EQ(table, host::context().tables().requestTable(row));

    std::vector<uint32_t> wrong(listOf(row), listOf(row) + length);
    wrong[3] = 9999;
    void* out = nullptr;
    EXPECT_NE(record.acquireHostInterface(kToolboxRow, &out, wrong.data(), length), 0) << "a changed number";
    EXPECT_NE(record.acquireHostInterface(kToolboxRow, &out, listOf(row), length - 1), 0) << "a short list";
    wrong.assign(listOf(row), listOf(row) + length);
    wrong[0] = 0x46470001;
    EXPECT_NE(record.acquireHostInterface(kToolboxRow, &out, wrong.data(), length), 0) << "another version word";
    EXPECT_EQ(out, nullptr);

    const size_t empty = rowOf(kEmptyRow);
    EXPECT_EQ(xt::kRequestTable.rows[empty].length, 1);
    ASSERT_EQ(record.acquireHostInterface(kEmptyRow, &out, listOf(empty), 1), 0) << "the empty row is acquirable";
    EXPECT_EQ(reinterpret_cast<uintptr_t>(static_cast<void**>(out)[0]), xt::kRequestListVersion);

    EXPECT_NE(record.acquireHostInterface(0x58585858, &out, listOf(empty), 1), 0) << "an unknown group code";
}

TEST_F(RegistryTest, ServicesAreAcquiredByCodeAlone)
{
    xt::RegistrationRecord record = host::loader::makeRegistrationRecord({11, 295, 0x40C70000});
    for (const auto& service : xt::kServiceTable.rows) {
        void* out = nullptr;
        EXPECT_EQ(record.acquireHostInterface(service.code, &out, nullptr, 0), 0) << std::hex << service.code;
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(static_cast<void**>(out)[0]), static_cast<uintptr_t>(service.count));
    }
    void* texts = nullptr;
    record.acquireHostInterface(kTextObjectService, &texts, nullptr, 0);
    auto* newText = reinterpret_cast<xt::op::NewTextObject::Signature*>(static_cast<void**>(texts)[1]);
    xt::TextObject text = newText("VORNE", 0, 5);
    EXPECT_EQ(hostOp<xt::op::GetTextObjectLength>()(text), 5);
    hostOp<xt::op::DisposeTextObject>()(text);
}

TEST_F(RegistryTest, ComponentsAreFoundAndAcquirableAtEachReference)
{
    xt::RegistrationRecord record = host::loader::makeRegistrationRecord({11, 295, 0x40C70000});
    struct Case {
        xt::FourLetterCode code;
        uint32_t references;
    };
    const Case cases[] = {{0x41545058, 1}, {0x55414651, 1}, {0x506B5251, 5}, {0x00594C51, 2}};
    for (const auto& c : cases) {
        uint32_t reference = 0;
        ASSERT_EQ(record.findXTension(c.code, &reference), 0) << std::hex << c.code;
        for (uint32_t k = 0; k < c.references; ++k) {
            void* table = nullptr;
            EXPECT_EQ(record.acquireHostInterface(reference + k, &table, nullptr, 0), 0) << std::hex << c.code << " +" << k;
            EXPECT_NE(table, nullptr);
        }
        uint32_t token = 0;
        EXPECT_EQ(record.hostRecordSlot14(c.code, &token), 0);
        EXPECT_NE(token, 0u);
    }
    uint32_t reference = 0;
    EXPECT_NE(record.findXTension(0x4F524242, &reference), 0) << "no plug-in BBRO is loaded";
    EXPECT_NE(record.hostRecordSlot14(0x4F524242, &reference), 0);
}

int32_t tableFlag(int32_t, uint8_t* isTable)
{
    *isTable = 1;
    return 0;
}

TEST_F(RegistryTest, ComponentTablesHoldOperationsByByteOffset)
{
    using XptaOp40 = xt::component::XptaOp40;
    static_assert(XptaOp40::slot == 10, "byte offset 40 is slot 10");
    OperationRegistry bare;
    const InterfaceTables withoutIt(bare);
    void* const* table = withoutIt.componentTable(XptaOp40::component, 0);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table[XptaOp40::slot], host::api::componentTrapFor({XptaOp40::component, 0, XptaOp40::slot}));
    EXPECT_NE(table[XptaOp40::slot], nullptr) << "an operation the host lacks is a trap, not a null slot";

    OperationRegistry registry;
    registry.addComponent<XptaOp40, &tableFlag>();
    const InterfaceTables tables(registry);
    auto* call = reinterpret_cast<XptaOp40::Signature*>(tables.componentTable(XptaOp40::component, 0)[XptaOp40::slot]);
    uint8_t isTable = 0;
    EXPECT_EQ(call(1, &isTable), 0);
    EXPECT_EQ(isTable, 1);
    EXPECT_EQ(tables.componentTable(0x12345678, 0), nullptr);
}

TEST_F(RegistryTest, FaultInjectionFailsTheNthCallAndCountsEveryCall)
{
    auto& faults = host().faults();
    faults.failNth("GetCurrentDocument", 3);
    int16_t id = 7;
    EXPECT_EQ(hostOp<xt::op::GetCurrentDocument>()(&id), 0);
    EXPECT_EQ(hostOp<xt::op::GetCurrentDocument>()(&id), 0);
    id = 7;
    EXPECT_EQ(hostOp<xt::op::GetCurrentDocument>()(&id), -1) << "the third call fails with -1";
    EXPECT_EQ(id, 7) << "a failed call writes nothing";
    EXPECT_EQ(hostOp<xt::op::GetCurrentDocument>()(&id), 0);
    EXPECT_EQ(faults.callCount("GetCurrentDocument"), 4);

    faults.failFrom("NewTextObject", 2);
    xt::TextObject first = hostOp<xt::op::NewTextObject>()("a", 0, 1);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(hostOp<xt::op::NewTextObject>()("b", 0, 1), nullptr);
    EXPECT_EQ(hostOp<xt::op::NewTextObject>()("c", 0, 1), nullptr) << "failFrom keeps failing";
    faults.clear();
    xt::TextObject later = hostOp<xt::op::NewTextObject>()("d", 0, 1);
    EXPECT_NE(later, nullptr);
    hostOp<xt::op::DisposeTextObject>()(first);
    hostOp<xt::op::DisposeTextObject>()(later);
}

} // namespace
} // namespace host_tests
