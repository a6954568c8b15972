// Names of clones, split projects and their files.
#include <gtest/gtest.h>

#include "twinnel/engine/common/project_names.h"

namespace twinnel {
namespace {

TEST(ProjectNamesTest, ClonesAndSplitsAreNamedAfterTheProject)
{
    const std::string thirty = "Thirty characters of a name xy";
    ASSERT_EQ(thirty.size(), 30u);
    EXPECT_EQ(cloneName(thirty), thirty.substr(0, 23) + "_clone");
    EXPECT_EQ(cloneName("Brochure.qxp"), "Brochure_clone");      // the extension goes first
    EXPECT_EQ(pageProjectName(thirty, "iv"), thirty.substr(0, 26) + "_iv");
    EXPECT_EQ(pageProjectName("Brochure.qxp", "A-3"), "Brochure_A-3");
}

TEST(ProjectNamesTest, SplitExtensionCutsAtTheLastDot)
{
    EXPECT_EQ(SplitExtension("a.b.qxp").stem, "a.b");
    EXPECT_EQ(SplitExtension("a.b.qxp").extension, "qxp");
    EXPECT_EQ(SplitExtension("plain").stem, "plain");
    EXPECT_EQ(SplitExtension("plain").extension, "");
}

TEST(ProjectNamesTest, FileNamesHoldNoPathOrWildcard)
{
    const struct {
        const char* name;
        const char* safe;
    } cases[] = {
        {"Book_1", "Book_1"},
        {"Book_A/1", "Book_A_1"},        // a prefix with a separator stays in the folder
        {"C:\\x", "C__x"},
        {"a*b?c\"d<e>f|g", "a_b_c_d_e_f_g"},
        {"tab\there", "tab_here"},
        {"..", "Untitled"},              // never the folder above
        {"", "Untitled"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileSafeName(c.name), c.safe) << c.name;
}

TEST(ProjectNamesTest, LaterAttemptsAreNumbered)
{
    EXPECT_EQ(numberedName("Book_1", 1), "Book_1");
    EXPECT_EQ(numberedName("Book_1", 2), "Book_1-2");
    EXPECT_EQ(numberedName("Book_1", 10), "Book_1-10");
}

} // namespace
} // namespace twinnel
