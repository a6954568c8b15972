// The registration record check of the binding layer.
#include <gtest/gtest.h>

#include <cstring>

#include "foundation/binding/binding.h"
#include "xtapi/status.h"

namespace {

struct TripleCase {
    uint32_t w0, w1, w2;
    int32_t status;
};

const TripleCase kTriples[] = {
    {11, 295, 0x40C70000, xt::kStatusOk},
    {12, 295, 0x40C70000, xt::kStatusRecordMismatch},
    {11, 294, 0x40C70000, xt::kStatusRecordMismatch},
    {11, 295, 0x40C70014, xt::kStatusRecordMismatch}, // the offer's version word is not the binding's
    {0, 0, 0, xt::kStatusRecordMismatch},
};

TEST(RecordCheckTest, AcceptsOnlyTheBindingWords)
{
    for (const TripleCase& c : kTriples) {
        xt::RegistrationRecord record{};
        record.version[0] = c.w0;
        record.version[1] = c.w1;
        record.version[2] = c.w2;
        EXPECT_EQ(foundation::checkRegistrationRecord(&record, 11, 295, 0x40C70000), c.status)
            << c.w0 << ", " << c.w1 << ", " << std::hex << c.w2;
    }
}

TEST(RecordCheckTest, KeepsACopyOfTheWholeRecord)
{
    xt::RegistrationRecord record{};
    record.version[0] = 11;
    record.version[1] = 295;
    record.version[2] = 0x40C70000;
    record.recordSize = sizeof record;
    record.reserved = 0xABCD;
    ASSERT_EQ(foundation::checkRegistrationRecord(&record, 11, 295, 0x40C70000), xt::kStatusOk);
    EXPECT_EQ(std::memcmp(&foundation::binding().recordCopy, &record, sizeof record), 0);
}

TEST(RecordCheckTest, RefusesANullRecord)
{
    EXPECT_EQ(foundation::checkRegistrationRecord(nullptr, 11, 295, 0x40C70000), xt::kStatusRecordMismatch);
}

} // namespace
