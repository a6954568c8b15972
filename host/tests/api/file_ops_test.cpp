// File operations over full Windows paths: create, open, read to the end, write, rename, delete, specs.
#include <cstring>

#include "host/api/file_spec.h"
#include "host/api/file_status.h"
#include "host/tests/host_fixture.h"

namespace host_tests {
namespace {

using namespace xt::op;
using xt_testing::readFile;
using xt_testing::writeFile;

constexpr xt::FourLetterCode kCreator = 0x33524242; // "BBR3"
constexpr const char* kFolder = "C:\\WINDOWS\\system32\\VORNE Cellora Presets";

class FileOpsTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        std::filesystem::create_directories(sys("VORNE Cellora Presets"));
    }
    static std::string path(const std::string& name)
    {
        std::string full = kFolder;
        full += '\\';
        return full += name;
    }
};

TEST_F(FileOpsTest, CreateFailsWhenTheFileExistsAndRecordsCreatorAndType)
{
    EXPECT_EQ(hostOp<CreateFile>()(0, 0, path("Default.prf").c_str(), kCreator, xt::kFileTypePreferences), 0);
    auto kind = host::context().files().kindOf(sys("VORNE Cellora Presets/Default.prf"));
    ASSERT_TRUE(kind);
    EXPECT_EQ(kind->creator, kCreator);
    EXPECT_EQ(kind->type, xt::kFileTypePreferences);

    EXPECT_EQ(hostOp<CreateFile>()(0, 0, path("default.PRF").c_str(), kCreator, xt::kFileTypePreferences),
        host::api::kFileDuplicate) << "an existing name in other capitals is the same file";
    EXPECT_EQ(hostOp<CreateFile>()(0, 0, "C:\\WINDOWS\\system32\\Missing\\a.prf", kCreator, 0),
        host::api::kFileFolderNotFound);
    EXPECT_EQ(hostOp<CreateFile>()(0, 7, path("x.prf").c_str(), kCreator, 0), host::api::kFileFolderNotFound)
        << "the host knows no folder ids";
    EXPECT_EQ(hostOp<CreateFile>()(0, 0, path("..\\..\\x.prf").c_str(), kCreator, 0), host::api::kFileBadName);
}

TEST_F(FileOpsTest, ReadingPastTheEndGivesMinus39WithThePartialCount)
{
    writeFile(sys("VORNE Cellora Presets/short.prf"), "0123456789");
    xt::FileRef file = 0;
    ASSERT_EQ(hostOp<OpenFile>()(0, 0, path("SHORT.prf").c_str(), 3, &file), 0);
    char buffer[32] = {};
    int32_t count = 4;
    EXPECT_EQ(hostOp<ReadFile>()(file, &count, buffer), 0);
    EXPECT_EQ(count, 4);
    count = 20;
    EXPECT_EQ(hostOp<ReadFile>()(file, &count, buffer), xt::kStatusEndOfFile);
    EXPECT_EQ(count, 6);
    EXPECT_EQ(std::string(buffer, 6), "456789");
    count = 1;
    EXPECT_EQ(hostOp<ReadFile>()(file, &count, buffer), xt::kStatusEndOfFile);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(hostOp<CloseFile>()(file), 0);
    EXPECT_EQ(hostOp<CloseFile>()(file), host::api::kFileBadReference);
}

TEST_F(FileOpsTest, ReadWriteOpensAtTheStartAndOverwrites)
{
    writeFile(sys("VORNE Cellora Presets/a.prf"), "old contents");
    xt::FileRef file = 0;
    ASSERT_EQ(hostOp<OpenFile>()(0, 0, path("a.prf").c_str(), 3, &file), 0);
    int32_t count = 3;
    EXPECT_EQ(hostOp<WriteFile>()(file, &count, "NEW"), 0);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(hostOp<CloseFile>()(file), 0);
    EXPECT_EQ(readFile(sys("VORNE Cellora Presets/a.prf")), "NEW contents");

    ASSERT_EQ(hostOp<OpenFile>()(0, 0, path("a.prf").c_str(), 1, &file), 0);
    count = 1;
    EXPECT_EQ(hostOp<WriteFile>()(file, &count, "x"), host::api::kFileNoPermission) << "opened for reading only";
    EXPECT_EQ(hostOp<CloseFile>()(file), 0);
    EXPECT_EQ(hostOp<OpenFile>()(0, 0, path("missing.prf").c_str(), 3, &file), host::api::kFileNotFound);
}

TEST_F(FileOpsTest, RenameWorksWithinTheFolderOfTheOldPath)
{
    writeFile(sys("VORNE Cellora Presets/Old.prf"), "x");
    writeFile(sys("VORNE Cellora Presets/Taken.prf"), "y");
    const auto rename = hostOp<ToolboxOp2012>();
    EXPECT_EQ(rename(0, 0, path("old.prf").c_str(), "New.prf"), 0);
    EXPECT_TRUE(std::filesystem::exists(sys("VORNE Cellora Presets/New.prf")));
    EXPECT_FALSE(std::filesystem::exists(sys("VORNE Cellora Presets/Old.prf")));
    EXPECT_EQ(rename(0, 0, path("New.prf").c_str(), "NEW.prf"), 0) << "a change of capitals only";
    EXPECT_TRUE(std::filesystem::exists(sys("VORNE Cellora Presets/NEW.prf")));
    EXPECT_EQ(rename(0, 0, path("NEW.prf").c_str(), "taken.PRF"), host::api::kFileDuplicate);
    EXPECT_EQ(rename(0, 0, path("NEW.prf").c_str(), "..\\escape.prf"), host::api::kFileBadName);
    EXPECT_EQ(rename(0, 0, path("gone.prf").c_str(), "x.prf"), host::api::kFileNotFound);
    EXPECT_EQ(readFile(sys("VORNE Cellora Presets/Taken.prf")), "y");
}

TEST_F(FileOpsTest, DeleteRefusesAnOpenFile)
{
    writeFile(sys("VORNE Cellora Presets/a.prf"), "x");
    xt::FileRef file = 0;
    ASSERT_EQ(hostOp<OpenFile>()(0, 0, path("a.prf").c_str(), 3, &file), 0);
    EXPECT_EQ(hostOp<DeleteFile>()(0, 0, path("a.prf").c_str()), host::api::kFileBusy);
    hostOp<CloseFile>()(file);
    EXPECT_EQ(hostOp<DeleteFile>()(0, 0, path("A.PRF").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(sys("VORNE Cellora Presets/a.prf")));
    EXPECT_EQ(hostOp<DeleteFile>()(0, 0, path("a.prf").c_str()), host::api::kFileNotFound);
}

TEST_F(FileOpsTest, MakeFileSpecWritesTheBareNameAtByte6)
{
    unsigned char spec[262];
    std::memset(spec, 0xEE, sizeof spec);
    ASSERT_EQ(hostOp<MakeFileSpec>()(0, 0, "Default.prf", spec), 0);
    EXPECT_EQ(spec[0], 0);
    EXPECT_EQ(spec[1], 0);
    EXPECT_EQ(std::memcmp(spec + 2, "\0\0\0\0", 4), 0) << "folder id at the unaligned byte 2";
    EXPECT_STREQ(reinterpret_cast<const char*>(spec + 6), "Default.prf");
    EXPECT_EQ(spec[261], 0) << "the rest of the name is zero";

    const std::string tooLong(256, 'n');
    std::memset(spec, 0xEE, sizeof spec);
    EXPECT_EQ(hostOp<MakeFileSpec>()(0, 0, tooLong.c_str(), spec), host::api::kFileBadName);
    EXPECT_EQ(spec[0], 0xEE) << "a refused name writes nothing";
}

} // namespace
} // namespace host_tests
