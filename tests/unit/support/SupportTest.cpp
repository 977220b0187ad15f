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

unsigned long g_FakeMilliseconds = 0;
std::vector<std::string> g_Shown;
int g_Destroyed = 0, g_ExitCode = -1;

TEST(LogTest, OffWritesNoFileOnLinesAppendWithTheirTimeAndArgumentsUnchanged)
{
    TestFolder folder;
    SetLogClock([] { return g_FakeMilliseconds; });
    EXPECT_EQ(1, LogMessage("WM_Create END"));
    EXPECT_FALSE(std::filesystem::exists("log.txt")) << "off by default";
    std::ofstream("log.txt", std::ios::binary) << "earlier line\n";
    g_LogEnabled = 1;
    g_FakeMilliseconds = 4200;
    EXPECT_EQ(1, LogMessage("WM_Create hWnd %i", 77));
    g_FakeMilliseconds = 4300;
    EXPECT_EQ(1, LogMessage("%s", "100% sure"));
    g_LogEnabled = 0;
    SetLogClock(nullptr);
    std::stringstream text;
    text << std::ifstream("log.txt", std::ios::binary).rdbuf();
    EXPECT_EQ("earlier line\n00042:\tWM_Create hWnd 77\n00043:\t100% sure\n", text.str());

    // Tenths of seconds, from signed 32-bit milliseconds.
    const std::pair<unsigned long, const char*> prefixes[] = {
        {0, "00000:\t"}, {987654321, "9876543:\t"}, {0xFFFFFF9Cul, "-00001:\t"}};
    for (const auto& [milliseconds, expected] : prefixes) {
        char prefix[32];
        FormatLogPrefix(prefix, sizeof prefix, milliseconds);
        EXPECT_STREQ(expected, prefix);
    }
}

TEST(AssertTest, TheBoxNamesLineFileAndExpressionCancelClosesAndTheFatalFormExits)
{
    // Cancel from the second box on.
    SetAssertUi(AssertUi{[](const char* text) { return g_Shown.push_back(text), g_Shown.size() > 1; },
                         [] { ++g_Destroyed; }, [](int code) { throw g_ExitCode = code; }});
    DoAssert("(stickersUsed) != NULL", "WM_Messages.cpp", 412);
    EXPECT_EQ(0, g_Destroyed);
    DoAssert("animView", "AnimView.cpp", 9);
    EXPECT_EQ(1, g_Destroyed) << "Cancel destroys the main window";
    EXPECT_THROW(DoAssertFatal("ButtonSubclass.cpp", 30), int);
    SetAssertUi(AssertUi{nullptr, nullptr, nullptr});
    EXPECT_EQ(1, g_ExitCode) << "the fatal form exits with 1";
    ASSERT_EQ(3u, g_Shown.size());
    EXPECT_EQ("at line 412 in file WM_Messages.cpp: \"(stickersUsed) != NULL\": OK to continue.", g_Shown[0]);
    EXPECT_NE(std::string::npos, g_Shown[2].find("\"x\""));

    char buffer[2048];
    FormatAssertMessage(buffer, sizeof buffer, std::string(3000, 'e').c_str(), "f.cpp", 1);
    EXPECT_EQ(1024u, std::string(buffer).size()) << "a long text is cut";
}

} // namespace
