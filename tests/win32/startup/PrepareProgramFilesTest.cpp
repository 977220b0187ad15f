#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>

#include "imaging/CFileManager.h"
#include "sticker/Catalogue.h"
#include "support/StartupFiles.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"
#include "testing/TraceCapture.h"

namespace {

struct Box {
    int shown = 0;
    std::string text;
    std::string caption;
    UINT type = 0;
};
Box g_Box;

int WINAPI FakeMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    ++g_Box.shown;
    g_Box.text = text;
    g_Box.caption = caption;
    g_Box.type = type;
    return IDOK;
}

std::string CurrentDirectory()
{
    char buffer[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, buffer);
    return buffer;
}

class PrepareProgramFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_Box = Box();
        std::filesystem::create_directory("data004");
        std::vector<std::string> names = {"\\data004\\m0006.dat", "\\data004\\m0003.dat",
                                          "\\data004\\m0005.dat", "\\data004\\m0001.dat",
                                          "\\data004\\b0017.dat", "\\data004\\b0013.dat",
                                          CornerStripName()};
        for (int k = 0; k < NUMBEROFSTICKERGRAPHICS; ++k) {
            names.push_back(StickerPictureName(k));
            names.push_back(TrayPictureName(k));
        }
        for (int k = 0; k < NUMBEROFPAGEBACKGROUNDS; ++k)
            names.push_back(PageBackgroundName(k));
        for (int k = 0; k < NUMBEROFCOMMANDBUTTONPICTURES; ++k)
            names.push_back(CommandButtonPictureName(k));
        for (int k = 0; k < NUMBEROFGROUPTABPICTURES; ++k)
            names.push_back(GroupTabPictureName(k));
        for (const std::string& name : names)
            ASSERT_TRUE(WriteBytes(name.substr(1), {'Y', '5'})) << name;
    }
    void TearDown() override { CFileManager::SetProgramFolderPath(""); }

    TestFolder folder_;
    TraceCapture trace_;
};

TEST_F(PrepareProgramFilesTest, AFullProgramFolderStarts)
{
    EXPECT_TRUE(PrepareProgramFiles(nullptr, FakeMessageBox));
    EXPECT_EQ(0, g_Box.shown);
    const std::string folder = CurrentDirectory();
    EXPECT_EQ(folder, CFileManager::GetProgramFolder());
    EXPECT_TRUE(std::filesystem::is_directory("save004"));
    EXPECT_EQ(20u, ReadBytes("options04.dta").size());
    const std::vector<std::string> trace = trace_.Take();
    ASSERT_LE(3u, trace.size()) << Joined(trace);
    EXPECT_EQ("CFileManager::CheckForAndCreateDirectory save004", trace[0]);
    EXPECT_EQ("WM_Create 3 " + folder, trace[1]);
    EXPECT_EQ("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS 224", trace[2]);
}

TEST_F(PrepareProgramFilesTest, AMissingPictureRefusesTheStartNamingIt)
{
    std::filesystem::remove("data004/b0013.dat");
    std::filesystem::remove("data004/b0019.dat");
    EXPECT_FALSE(PrepareProgramFiles(nullptr, FakeMessageBox));
    EXPECT_EQ(1, g_Box.shown);
    EXPECT_EQ("A file (" + CurrentDirectory() + "\\data004\\b0013.dat) needed for Glimmerbook is missing.",
              g_Box.text);
    EXPECT_EQ("Error", g_Box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), g_Box.type);
    EXPECT_FALSE(std::filesystem::exists("options04.dta")) << "the options come after the check";
}

TEST_F(PrepareProgramFilesTest, ALockedPictureCountsAsMissing)
{
    HANDLE locked = CreateFileA("data004\\p0001.dat", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);
    EXPECT_FALSE(PrepareProgramFiles(nullptr, FakeMessageBox));
    CloseHandle(locked);
    EXPECT_EQ("A file (" + CurrentDirectory() + "\\data004\\p0001.dat) needed for Glimmerbook is missing.",
              g_Box.text);
}

} // namespace
