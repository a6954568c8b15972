// The binding notes a failed host call by the operation's column in operations.def.
#include <gtest/gtest.h>

#include "foundation/binding/host_failures.h"

namespace foundation_test {
namespace {

template <xt::Fails Failure, class Ret>
bool noted(Ret result)
{
    const foundation::HostFailureWatch watch;
    foundation::noteIfFailed<Failure>(result);
    return watch.failed();
}

TEST(HostFailureWatchTest, EachColumnNotesItsOwnFailureAndNothingElse)
{
    int32_t record = 0;
    EXPECT_TRUE(noted<xt::Fails::status>(int32_t{-1}));
    EXPECT_TRUE(noted<xt::Fails::status>(int16_t{-39}));
    EXPECT_FALSE(noted<xt::Fails::status>(int32_t{0}));
    EXPECT_TRUE(noted<xt::Fails::null>(static_cast<int32_t*>(nullptr)));
    EXPECT_FALSE(noted<xt::Fails::null>(&record));
    EXPECT_TRUE(noted<xt::Fails::negative>(int32_t{-1}));
    EXPECT_FALSE(noted<xt::Fails::negative>(int32_t{0}));
    EXPECT_FALSE(noted<xt::Fails::negative>(int32_t{7}));
    EXPECT_FALSE(noted<xt::Fails::never>(int32_t{-1}));
    EXPECT_FALSE(noted<xt::Fails::silent>(int32_t{-1}));
}

TEST(HostFailureWatchTest, AWatchSeesOnlyFailuresAfterItBegan)
{
    foundation::noteHostFailure();
    const foundation::HostFailureWatch outer;
    EXPECT_FALSE(outer.failed());
    {
        const foundation::HostFailureWatch inner;
        foundation::noteHostFailure();
        EXPECT_TRUE(inner.failed());
    }
    EXPECT_TRUE(outer.failed()) << "an inner watch does not hide a failure from the outer one";
}

} // namespace
} // namespace foundation_test
