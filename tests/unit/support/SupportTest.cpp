// The trace log and the assertion box.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/Assert.h"
#include "support/Log.h"
#include "testing/TestFolder.h"

namespace {

// Tenths of seconds from signed 32-bit milliseconds: padded, wide, negative.
const unsigned long FAKE_MILLISECONDS[] = {4200, 987654321, 0xFFFFFF9Cul};
int g_ClockReads = 0;
std::vector<std::string> g_Shown;
int g_Destroyed = 0, g_ExitCode = -1;

TEST(LogTest, OffWritesNoFileOnLinesAppendWithTheirTimeAndArgumentsUnchanged)
{
    TestFolder folder;
    SetLogClock([] { return FAKE_MILLISECONDS[g_ClockReads++ % 3]; });
    EXPECT_EQ(1, LogMessage("WM_Create END"));
    EXPECT_FALSE(std::filesystem::exists("log.txt")) << "off by default";
    std::ofstream("log.txt", std::ios::binary) << "earlier line\n";
    g_LogEnabled = 1;
    EXPECT_EQ(1, LogMessage("WM_Create hWnd %i", 77));
    EXPECT_EQ(1, LogMessage("%s", "100% sure"));
    EXPECT_EQ(1, LogMessage("late"));
    g_LogEnabled = 0;
    SetLogClock(nullptr);
    std::stringstream text;
    text << std::ifstream("log.txt", std::ios::binary).rdbuf();
    EXPECT_EQ("earlier line\n00042:\tWM_Create hWnd 77\n9876543:\t100% sure\n-00001:\tlate\n", text.str());
}

TEST(AssertTest, TheBoxNamesLineFileAndExpressionCancelClosesAndTheFatalFormExits)
{
    // Cancel from the second box on.
    SetAssertUi(AssertUi{[](const char* text) { return g_Shown.push_back(text), g_Shown.size() > 1; },
                         [] { ++g_Destroyed; }, [](int code) { throw g_ExitCode = code; }});
    DoAssert("(stickersUsed) != NULL", "WM_Messages.cpp", 412);
    DoAssert(std::string(3000, 'e').c_str(), "AnimView.cpp", 9);
    EXPECT_THROW(DoAssertFatal("ButtonSubclass.cpp", 30), int);
    SetAssertUi(AssertUi{nullptr, nullptr, nullptr});
    EXPECT_EQ(std::pair(2, 1), std::pair(g_Destroyed, g_ExitCode)) << "windows destroyed by Cancel, exit code";
    ASSERT_EQ(3u, g_Shown.size());
    EXPECT_EQ("at line 412 in file WM_Messages.cpp: \"(stickersUsed) != NULL\": OK to continue.", g_Shown[0]);
    EXPECT_EQ(std::pair(size_t(1024), true), std::pair(g_Shown[1].size(), g_Shown[2].find("\"x\"") != std::string::npos))
        << "a long text cut, the fatal form's expression";
}

} // namespace
