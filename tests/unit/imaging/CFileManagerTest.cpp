// File access, mapped, plain and in memory: reads, seeks and writes that stay
// inside the file, missing files and folders, names under the program folder.
#include <gtest/gtest.h>

#include "imaging/CFileManager.h"
#include "imaging/CMemoryFile.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

using Bytes = std::vector<uint8_t>;
const Bytes TWELVE = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// Reads and seeks of a twelve-byte file, each seek from where the one before
// left it; a read cut by the end is reported as failed by the mapped reads only.
void ExpectSeeksAndReads(CFile& file, bool cutReported)
{
    Bytes got(12, 0xEE);
    DWORD count = 0;
    EXPECT_TRUE(file.Read(got.data(), 12, &count));
    EXPECT_EQ(TWELVE, got);
    EXPECT_FALSE(file.Read(got.data(), 1, &count)) << "nothing is left";
    EXPECT_EQ(0u, count);
    const struct { const char* why; long offset; int origin; bool ok; DWORD position; } seeks[] = {
        {"back from the end", 4, 2, true, 8}, {"back from here", -3, 1, true, 5}, {"past the end", 20, 0, false, 12},
        {"before the start", -20, 1, false, 0}, {"unknown origin", 1, 3, false, 0}, {"from the start", 8, 0, true, 8},
    };
    for (const auto& s : seeks) {
        EXPECT_EQ(s.ok, file.Seek(s.offset, s.origin)) << s.why;
        EXPECT_EQ(s.position, file.GetPosition()) << s.why;
    }
    got.assign(10, 0xEE);
    EXPECT_EQ(!cutReported, file.Read(got.data(), 10, &count));
    EXPECT_EQ(4u, count);
    EXPECT_EQ((Bytes{8, 9, 10, 11, 0xEE}), Bytes(got.begin(), got.begin() + 5));
}

class FileManagerTest : public ::testing::TestWithParam<bool> {};

TEST_P(FileManagerTest, ReadsSeeksAndWritesStayInsideTheFile)
{
    TestFolder folder;
    std::filesystem::create_directory("data004");
    WriteBytes("data004/twelve.bin", TWELVE);
    WriteBytes("empty.bin", {});
    CFileManager::SetProgramFolderPath(".");
    CFileManager file(GetParam());
    EXPECT_EQ(nullptr, file.OpenRead("\\data004\\missing.bin"));
    ASSERT_NE(nullptr, file.OpenRead("\\data004\\twelve.bin")) << "a name under the program folder";
    EXPECT_EQ(12u, file.GetSize());
    ExpectSeeksAndReads(file, GetParam());
    EXPECT_TRUE(file.Close());
    ASSERT_NE(nullptr, file.OpenRead("\\empty.bin"));
    DWORD count = 0;
    BYTE byte = 0;
    EXPECT_FALSE(file.Read(&byte, 1, &count));
    EXPECT_TRUE(file.Close());
    ASSERT_NE(nullptr, file.OpenWrite("\\written.bin"));
    EXPECT_TRUE(file.Write("abcdef", 6, &count) && file.Write("gh", 2, nullptr) && file.Close());
    EXPECT_EQ((Bytes{'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}), ReadBytes("written.bin"));
    EXPECT_FALSE(file.Write("x", 1, nullptr)) << "nothing is open";
    EXPECT_EQ(nullptr, file.OpenWrite("\\no-such-folder\\x.bin"));
}

INSTANTIATE_TEST_SUITE_P(MappedAndPlain, FileManagerTest, ::testing::Bool());

TEST(MemoryFileTest, ReadsLikeAMappedFileAndWritesOverItsBytes)
{
    CMemoryFile file(TWELVE.data(), TWELVE.size());
    ASSERT_NE(nullptr, file.OpenRead("ignored"));
    ExpectSeeksAndReads(file, true);
    CMemoryFile written;
    ASSERT_NE(nullptr, written.OpenWrite("ignored"));
    DWORD count = 0;
    EXPECT_TRUE(written.Write("abc", 3, &count) && written.Seek(1, 0) && written.Write("XYZ", 3, nullptr));
    EXPECT_EQ((Bytes{'a', 'X', 'Y', 'Z'}), written.Bytes());
}

TEST(FolderServicesTest, TheSaveFolderIsCreatedOnlyWhenAbsent)
{
    TestFolder folder;
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_TRUE(CFileManager::IsDirectory("save004"));
    WriteBytes("save004/page01.sav", {1, 2, 3});
    CFileManager::CheckForAndCreateDirectory("save004");
    EXPECT_EQ((Bytes{1, 2, 3}), ReadBytes("save004/page01.sav")) << "an existing folder is left alone";
    WriteBytes("plain", {1});
    CFileManager::CheckForAndCreateDirectory("plain");
    EXPECT_FALSE(CFileManager::IsDirectory("plain")) << "a plain file blocks the folder silently";
}

} // namespace
