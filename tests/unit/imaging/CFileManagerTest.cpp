#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "imaging/CFileManager.h"
#include "imaging/CMemoryFile.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"
#include "testing/TraceCapture.h"

namespace {

const std::vector<uint8_t> TWELVE = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

class FileManagerTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        WriteBytes("twelve.bin", TWELVE);
        WriteBytes("empty.bin", {});
    }
    void TearDown() override { CFileManager::SetProgramFolderPath(""); }
    TestFolder folder_;
};

TEST_P(FileManagerTest, ReadsTheWholeFile)
{
    CFileManager file(GetParam());
    ASSERT_NE(nullptr, file.OpenRead("twelve.bin"));
    EXPECT_EQ(12u, file.GetSize());
    std::vector<uint8_t> got(12, 0xEE);
    DWORD count = 0;
    EXPECT_TRUE(file.Read(got.data(), 12, &count));
    EXPECT_EQ(12u, count);
    EXPECT_EQ(TWELVE, got);
    EXPECT_EQ(12u, file.GetPosition());
    count = 99;
    EXPECT_FALSE(file.Read(got.data(), 1, &count)) << "nothing is left";
    EXPECT_EQ(0u, count);
    EXPECT_TRUE(file.Close());
}

TEST_P(FileManagerTest, SeekClampsToTheFile)
{
    CFileManager file(GetParam());
    ASSERT_NE(nullptr, file.OpenRead("twelve.bin"));
    EXPECT_TRUE(file.Seek(4, 2)) << "origin 2 counts back from the end";
    EXPECT_EQ(8u, file.GetPosition());
    EXPECT_TRUE(file.Seek(-3, 1));
    EXPECT_EQ(5u, file.GetPosition());
    SetLastError(0);
    EXPECT_FALSE(file.Seek(20, 0));
    EXPECT_EQ(12u, file.GetPosition());
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    SetLastError(0);
    EXPECT_FALSE(file.Seek(-20, 1));
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    EXPECT_TRUE(file.Seek(3, 0));
    EXPECT_FALSE(file.Seek(1, 3)) << "an unknown origin";
    EXPECT_EQ(3u, file.GetPosition()) << "an unknown origin moves nothing";

    uint8_t byte = 0;
    EXPECT_TRUE(file.Read(&byte, 1, nullptr));
    EXPECT_EQ(3, byte) << "reads go from the position";
    EXPECT_TRUE(file.Close());
}

TEST_P(FileManagerTest, AReadPastTheEndCopiesWhatIsThere)
{
    CFileManager file(GetParam());
    ASSERT_NE(nullptr, file.OpenRead("twelve.bin"));
    ASSERT_TRUE(file.Seek(8, 0));
    std::vector<uint8_t> got(10, 0xEE);
    DWORD count = 0;
    SetLastError(0);
    const bool read = file.Read(got.data(), 10, &count);
    EXPECT_EQ(4u, count);
    EXPECT_EQ(12u, file.GetPosition());
    EXPECT_EQ((std::vector<uint8_t>{8, 9, 10, 11, 0xEE}), std::vector<uint8_t>(got.begin(), got.begin() + 5));
    if (GetParam()) {
        // The mapped read reports the cut.
        EXPECT_FALSE(read);
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    } else {
        EXPECT_TRUE(read) << "a plain read succeeds with fewer bytes";
    }
    EXPECT_TRUE(file.Close());
}

TEST_P(FileManagerTest, EmptyAndMissingFiles)
{
    CFileManager file(GetParam());
    EXPECT_EQ(nullptr, file.OpenRead("missing.bin"));
    EXPECT_TRUE(file.Close()) << "closing a closed file is harmless";

    ASSERT_NE(nullptr, file.OpenRead("empty.bin"));
    EXPECT_EQ(0u, file.GetSize());
    uint8_t byte = 0;
    DWORD count = 99;
    EXPECT_FALSE(file.Read(&byte, 1, &count));
    EXPECT_EQ(0u, count);
    EXPECT_TRUE(file.Close());
}

TEST_P(FileManagerTest, WritesAFile)
{
    CFileManager writer(GetParam());
    ASSERT_NE(nullptr, writer.OpenWrite("written.bin"));
    DWORD count = 0;
    EXPECT_TRUE(writer.Write("abcdef", 6, &count));
    EXPECT_EQ(6u, count);
    EXPECT_EQ(6u, writer.GetPosition());
    EXPECT_TRUE(writer.Write("gh", 2, nullptr));
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ((std::vector<uint8_t>{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}), ReadBytes("written.bin"));

    CFileManager closed(GetParam());
    EXPECT_FALSE(closed.Write("x", 1, nullptr)) << "nothing is open";
    EXPECT_EQ(nullptr, closed.OpenWrite("no-such-folder\\x.bin"));
}

TEST_P(FileManagerTest, NamesAreTakenFromTheProgramFolder)
{
    std::string full;
    CFileManager::GetFullPath(full, "\\options04.dta");
    EXPECT_EQ("\\options04.dta", full) << "no folder set: the name alone";

    std::filesystem::create_directory("data004");
    WriteBytes("data004/s0101.dat", TWELVE);
    const std::string folder = folder_.path().string();
    CFileManager::SetProgramFolderPath(folder);
    CFileManager::GetFullPath(full, "\\data004\\s0101.dat");
    EXPECT_EQ(folder + "\\data004\\s0101.dat", full);
    CFileManager::GetFullPath(full, "");
    EXPECT_EQ(folder, full);

    CFileManager file(GetParam());
    ASSERT_NE(nullptr, file.OpenRead("\\data004\\s0101.dat"));
    EXPECT_EQ(12u, file.GetSize());
    EXPECT_TRUE(file.Close());
}

INSTANTIATE_TEST_SUITE_P(MappedAndPlain, FileManagerTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Mapped" : "Plain";
                         });

TEST(FolderServicesTest, TheSaveFolderIsCreatedOnlyWhenAbsent)
{
    TestFolder folder;
    TraceCapture trace;
    EXPECT_FALSE(CFileManager::IsDirectory("save004"));
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_TRUE(CFileManager::IsDirectory("save004"));
    WriteBytes("save004/page01.sav", {1, 2, 3});
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), ReadBytes("save004/page01.sav")) << "an existing folder is left alone";

    WriteBytes("plain", {1});
    CFileManager::CheckForAndCreateDirectory("plain");
    EXPECT_FALSE(CFileManager::IsDirectory("plain")) << "a plain file blocks the folder silently";
    EXPECT_FALSE(CFileManager::CreateDirectory("plain"));
    EXPECT_EQ((std::vector<std::string>{"CFileManager::CheckForAndCreateDirectory save004",
                                        "CFileManager::CheckForAndCreateDirectory save004",
                                        "CFileManager::CheckForAndCreateDirectory plain"}),
              trace.Take());
}

TEST(MemoryFileTest, BehavesLikeAMappedFile)
{
    CMemoryFile file(TWELVE.data(), TWELVE.size());
    ASSERT_NE(nullptr, file.OpenRead("ignored"));
    EXPECT_TRUE(file.Seek(4, 2));
    EXPECT_EQ(8u, file.GetPosition());
    std::vector<uint8_t> got(10, 0);
    DWORD count = 0;
    EXPECT_FALSE(file.Read(got.data(), 10, &count));
    EXPECT_EQ(4u, count);
    EXPECT_EQ(11, got[3]);

    CMemoryFile written;
    ASSERT_NE(nullptr, written.OpenWrite("ignored"));
    EXPECT_TRUE(written.Write("abc", 3, &count));
    EXPECT_TRUE(written.Seek(1, 0));
    EXPECT_TRUE(written.Write("XYZ", 3, nullptr));
    EXPECT_EQ((std::vector<BYTE>{'a', 'X', 'Y', 'Z'}), written.Bytes());
}

} // namespace
