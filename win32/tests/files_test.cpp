// Paths mapped under the system directory, and the Windows file calls over them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "testing/temporary_folder.h"
#include "win32/standin.h"
#include "win32/windows.h"

namespace {

using xt_testing::TemporaryFolder;
using xt_testing::writeFile;

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override { win32::setSystemDirectory(m_folder.path()); }
    std::filesystem::path sys(const std::string& relative) const { return m_folder.path() / relative; }

    TemporaryFolder m_folder;
};

TEST_F(FilesTest, SystemDirectoryIsTheWindowsNameWithoutTrailingBackslash)
{
    char buffer[512];
    const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), "C:\\WINDOWS\\system32");
    EXPECT_EQ(length, 19u);
    char small[4] = "xyz";
    EXPECT_EQ(GetSystemDirectoryA(small, sizeof small), 20u) << "too small: the size needed, nothing written";
    EXPECT_EQ(std::string(small), "xyz");
}

TEST_F(FilesTest, PathsMapUnderTheSystemDirectory)
{
    struct Case {
        const char* windows;
        const char* expected; // relative to the system directory; null: refused
    };
    const Case cases[] = {
        {"C:\\WINDOWS\\system32\\VORNE Amplex Presets\\a.prf", "VORNE Amplex Presets/a.prf"},
        {"c:\\windows\\SYSTEM32\\x.prf", "x.prf"},          // drive and folders in any case
        {"a.prf", "a.prf"},                                  // relative: the stand-in's current folder
        {"\\Temp\\b.txt", "_drives/c/Temp/b.txt"},          // rooted without a drive: drive C
        {"D:\\Data\\c.txt", "_drives/d/Data/c.txt"},
        {"C:\\WINDOWS\\system32\\\\double\\.\\d.prf", "double/d.prf"}, // empty and "." components dropped
        {"C:\\WINDOWS\\system32\\..\\evil", nullptr},       // never above the system directory
        {"presets\\..\\..\\x", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        auto mapped = win32::mapPath(c.windows);
        if (!c.expected) {
            EXPECT_FALSE(mapped) << c.windows;
            continue;
        }
        ASSERT_TRUE(mapped) << c.windows;
        EXPECT_EQ(*mapped, sys(c.expected)) << c.windows;
    }
}

TEST_F(FilesTest, ExistingNamesAreFoundWithoutRegardToCase)
{
    std::filesystem::create_directories(sys("VORNE Amplex Presets"));
    writeFile(sys("VORNE Amplex Presets/Default.prf"), "x");
    auto mapped = win32::mapPath("C:\\WINDOWS\\system32\\vorne amplex presets\\default.prf");
    ASSERT_TRUE(mapped);
    EXPECT_EQ(*mapped, sys("VORNE Amplex Presets/Default.prf"));
}

TEST_F(FilesTest, CreateDirectoryMakesOneLevel)
{
    EXPECT_TRUE(CreateDirectoryA("C:\\WINDOWS\\system32\\Presets", nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(sys("Presets")));
    EXPECT_FALSE(CreateDirectoryA("C:\\WINDOWS\\system32\\PRESETS", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectoryA("C:\\WINDOWS\\system32\\No\\Deeper", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(FilesTest, CopyFileFailsWhenTheTargetExistsAndLeavesIt)
{
    writeFile(sys("a.prf"), "new");
    writeFile(sys("B.prf"), "old");
    EXPECT_FALSE(CopyFileA("C:\\WINDOWS\\system32\\a.prf", "C:\\WINDOWS\\system32\\b.prf", TRUE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    EXPECT_EQ(xt_testing::readFile(sys("B.prf")), "old");

    EXPECT_TRUE(CopyFileA("C:\\WINDOWS\\system32\\a.prf", "C:\\WINDOWS\\system32\\c.prf", TRUE));
    EXPECT_EQ(xt_testing::readFile(sys("c.prf")), "new");
    EXPECT_TRUE(CopyFileA("a.prf", "b.prf", FALSE)) << "overwriting when asked";
    EXPECT_EQ(xt_testing::readFile(sys("B.prf")), "new");

    EXPECT_FALSE(CopyFileA("missing.prf", "d.prf", TRUE));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(CopyFileA("a.prf", "NoFolder\\a.prf", TRUE));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(FilesTest, DeleteFileRemovesFilesOnly)
{
    writeFile(sys("a.prf"), "x");
    std::filesystem::create_directories(sys("folder"));
    EXPECT_TRUE(DeleteFileA("C:\\WINDOWS\\system32\\A.PRF"));
    EXPECT_FALSE(std::filesystem::exists(sys("a.prf")));
    EXPECT_FALSE(DeleteFileA("a.prf"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(DeleteFileA("folder"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(FilesTest, FindFilesMatchesWithoutRegardToCaseAndEndsWithNoMoreFiles)
{
    std::filesystem::create_directories(sys("P"));
    writeFile(sys("P/Default.prf"), "12345");
    writeFile(sys("P/b.PRF"), "");
    writeFile(sys("P/notes.txt"), "");
    writeFile(sys("P/a.prfx"), "");
    std::filesystem::create_directories(sys("P/dir.prf"));

    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA("C:\\WINDOWS\\system32\\P\\*.prf", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    std::set<std::string> files;
    std::set<std::string> folders;
    do {
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? folders : files).insert(data.cFileName);
        if (std::string(data.cFileName) == "Default.prf") {
            EXPECT_EQ(data.nFileSizeLow, 5u);
        }
    } while (FindNextFileA(search, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
    EXPECT_TRUE(FindClose(search));
    EXPECT_EQ(files, (std::set<std::string>{"Default.prf", "b.PRF"}));
    EXPECT_EQ(folders, (std::set<std::string>{"dir.prf"})) << "folders are reported, marked as folders";
    EXPECT_FALSE(FindClose(search));
}

TEST_F(FilesTest, FindFilesWithNothingToFind)
{
    std::filesystem::create_directories(sys("Empty"));
    WIN32_FIND_DATAA data;
    EXPECT_EQ(FindFirstFileA("C:\\WINDOWS\\system32\\Empty\\*.prf", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(FindFirstFileA("C:\\WINDOWS\\system32\\Missing\\*.prf", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(FindNextFileA(nullptr, &data));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

} // namespace
