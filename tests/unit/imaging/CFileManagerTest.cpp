// File access, mapped and plain, on both platforms: reads, seeks and writes
// that stay inside the file, and names under the program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "imaging/CFileManager.h"
#include "imaging/CMemoryFile.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"

namespace {

const std::vector<uint8_t> TWELVE = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

class FileManagerTest : public ::testing::TestWithParam<bool> {
protected:
    void TearDown() override { CFileManager::SetProgramFolderPath(""); }
    TestFolder folder_;
};

TEST_P(FileManagerTest, ReadsSeeksAndWritesStayInsideTheFile)
{
    WriteBytes("twelve.bin", TWELVE);
    WriteBytes("empty.bin", {});
    CFileManager file(GetParam());
    EXPECT_EQ(nullptr, file.OpenRead("missing.bin"));
    ASSERT_NE(nullptr, file.OpenRead("twelve.bin"));
    EXPECT_EQ(12u, file.GetSize());
    std::vector<uint8_t> got(12, 0xEE);
    DWORD count = 0;
    EXPECT_TRUE(file.Read(got.data(), 12, &count));
    EXPECT_EQ(TWELVE, got);
    EXPECT_FALSE(file.Read(got.data(), 1, &count)) << "nothing is left";
    EXPECT_EQ(0u, count);

    EXPECT_TRUE(file.Seek(4, 2)) << "origin 2 counts back from the end";
    EXPECT_EQ(8u, file.GetPosition());
    EXPECT_TRUE(file.Seek(-3, 1));
    EXPECT_EQ(5u, file.GetPosition());
    EXPECT_FALSE(file.Seek(20, 0));
    EXPECT_EQ(12u, file.GetPosition());
    EXPECT_FALSE(file.Seek(-20, 1));
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_FALSE(file.Seek(1, 3)) << "an unknown origin";
    EXPECT_EQ(0u, file.GetPosition());
    ASSERT_TRUE(file.Seek(8, 0));
    got.assign(10, 0xEE);
    EXPECT_EQ(!GetParam(), file.Read(got.data(), 10, &count)) << "only the mapped read reports a cut";
    EXPECT_EQ(4u, count);
    EXPECT_EQ((std::vector<uint8_t>{8, 9, 10, 11, 0xEE}), std::vector<uint8_t>(got.begin(), got.begin() + 5));
    EXPECT_TRUE(file.Close());
    ASSERT_NE(nullptr, file.OpenRead("empty.bin"));
    EXPECT_FALSE(file.Read(got.data(), 1, &count));
    EXPECT_TRUE(file.Close());

    ASSERT_NE(nullptr, file.OpenWrite("written.bin"));
    EXPECT_TRUE(file.Write("abcdef", 6, &count));
    EXPECT_TRUE(file.Write("gh", 2, nullptr));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ((std::vector<uint8_t>{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}), ReadBytes("written.bin"));
    EXPECT_FALSE(file.Write("x", 1, nullptr)) << "nothing is open";
    EXPECT_EQ(nullptr, file.OpenWrite("no-such-folder\\x.bin"));
}

TEST_P(FileManagerTest, NamesAreTakenFromTheProgramFolder)
{
    std::filesystem::create_directory("data004");
    WriteBytes("data004/s0101.dat", TWELVE);
    const std::string folder = folder_.path().string();
    CFileManager::SetProgramFolderPath(folder);
    std::string full;
    CFileManager::GetFullPath(full, "\\data004\\s0101.dat");
    EXPECT_EQ(folder + "\\data004\\s0101.dat", full);
    CFileManager file(GetParam());
    ASSERT_NE(nullptr, file.OpenRead("\\data004\\s0101.dat"));
    EXPECT_EQ(12u, file.GetSize());
    EXPECT_TRUE(file.Close());
}

INSTANTIATE_TEST_SUITE_P(MappedAndPlain, FileManagerTest, ::testing::Bool());

TEST(MemoryFileTest, ReadsAndWritesLikeAMappedFile)
{
    CMemoryFile file(TWELVE.data(), TWELVE.size());
    ASSERT_NE(nullptr, file.OpenRead("ignored"));
    EXPECT_TRUE(file.Seek(4, 2));
    std::vector<uint8_t> got(10, 0);
    DWORD count = 0;
    EXPECT_FALSE(file.Read(got.data(), 10, &count)) << "the cut is reported";
    EXPECT_EQ(4u, count);
    CMemoryFile written;
    ASSERT_NE(nullptr, written.OpenWrite("ignored"));
    EXPECT_TRUE(written.Write("abc", 3, &count));
    EXPECT_TRUE(written.Seek(1, 0));
    EXPECT_TRUE(written.Write("XYZ", 3, nullptr));
    EXPECT_EQ((std::vector<BYTE>{'a', 'X', 'Y', 'Z'}), written.Bytes());
}

TEST(FolderServicesTest, TheSaveFolderIsCreatedOnlyWhenAbsent)
{
    TestFolder folder;
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_TRUE(CFileManager::IsDirectory("save004"));
    WriteBytes("save004/page01.sav", {1, 2, 3});
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 3}), ReadBytes("save004/page01.sav")) << "an existing folder is left alone";
    WriteBytes("plain", {1});
    CFileManager::CheckForAndCreateDirectory("plain");
    EXPECT_FALSE(CFileManager::IsDirectory("plain")) << "a plain file blocks the folder silently";
}

} // namespace
