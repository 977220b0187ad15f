#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/Log.h"
#include "testing/TestFolder.h"

namespace {

unsigned long g_FakeMilliseconds = 0;
unsigned long FakeClock() { return g_FakeMilliseconds; }

std::string ReadLog()
{
    std::ifstream in("log.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class LogTest : public ::testing::Test {
protected:
    void SetUp() override { SetLogClock(FakeClock); }
    void TearDown() override
    {
        g_LogEnabled = 0;
        SetLogClock(nullptr);
    }
    TestFolder folder_;
};

TEST_F(LogTest, OffByDefaultWritesNoFile)
{
    EXPECT_EQ(0, g_LogEnabled);
    EXPECT_EQ(1, LogMessage("WM_Create END"));
    std::FILE* file = std::fopen("log.txt", "rb");
    EXPECT_EQ(nullptr, file);
    if (file)
        std::fclose(file);
}

TEST_F(LogTest, PrefixIsTenthsOfSecondsZeroPaddedToFiveDigits)
{
    char prefix[32];
    FormatLogPrefix(prefix, sizeof prefix, 12345);
    EXPECT_STREQ("00123:\t", prefix);
    FormatLogPrefix(prefix, sizeof prefix, 0);
    EXPECT_STREQ("00000:\t", prefix);
    FormatLogPrefix(prefix, sizeof prefix, 987654321);
    EXPECT_STREQ("9876543:\t", prefix);
    // The time is a signed 32-bit value: past 2^31 ms it reads negative.
    FormatLogPrefix(prefix, sizeof prefix, 0xFFFFFF9Cul);
    EXPECT_STREQ("-00001:\t", prefix);
}

TEST_F(LogTest, LinesAppendAndArgumentsAreWrittenUnchanged)
{
    {
        std::ofstream earlier("log.txt", std::ios::binary);
        earlier << "earlier line\n";
    }
    g_LogEnabled = 1;
    g_FakeMilliseconds = 4200;
    EXPECT_EQ(1, LogMessage("WM_Create hWnd %i", 77));
    g_FakeMilliseconds = 4300;
    EXPECT_EQ(1, LogMessage("%s", "100% sure"));
    EXPECT_EQ(1, LogMessage(""));
    EXPECT_EQ("earlier line\n"
              "00042:\tWM_Create hWnd 77\n"
              "00043:\t100% sure\n"
              "00043:\t\n",
              ReadLog());
}

} // namespace
