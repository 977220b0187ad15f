#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Assert.h"

namespace {

std::vector<std::string> g_Shown;
bool g_AnswerCancel = false;
int g_Destroyed = 0;
int g_ExitCode = -1;

bool RecordBox(const char* text)
{
    g_Shown.push_back(text);
    return g_AnswerCancel;
}
void RecordDestroy() { ++g_Destroyed; }
[[noreturn]] void ThrowExit(int code)
{
    g_ExitCode = code;
    throw code;
}

class AssertTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_Shown.clear();
        g_AnswerCancel = false;
        g_Destroyed = 0;
        g_ExitCode = -1;
        SetAssertUi(AssertUi{RecordBox, RecordDestroy, ThrowExit});
    }
    void TearDown() override { SetAssertUi(AssertUi{nullptr, nullptr, nullptr}); }
};

TEST_F(AssertTest, MessageNamesLineFileAndQuotedExpression)
{
    DoAssert("(stickersUsed) != NULL && (stickersUsed)->IsValid()", "WM_Messages.cpp", 412);
    ASSERT_EQ(1u, g_Shown.size());
    EXPECT_EQ("at line 412 in file WM_Messages.cpp: "
              "\"(stickersUsed) != NULL && (stickersUsed)->IsValid()\": OK to continue.",
              g_Shown[0]);
    EXPECT_EQ(0, g_Destroyed);
}

TEST_F(AssertTest, CancelDestroysTheMainWindowAndReturns)
{
    g_AnswerCancel = true;
    DoAssert("animView", "AnimView.cpp", 9);
    EXPECT_EQ(1, g_Destroyed);
}

TEST_F(AssertTest, FatalFormReportsXThenExitsWithOne)
{
    EXPECT_THROW(DoAssertFatal("ButtonSubclass.cpp", 30), int);
    ASSERT_EQ(1u, g_Shown.size());
    EXPECT_NE(std::string::npos, g_Shown[0].find("\"x\""));
    EXPECT_EQ(1, g_ExitCode);
}

TEST_F(AssertTest, LongTextIsCutAt1024Characters)
{
    const std::string expression(3000, 'e');
    char buffer[2048];
    FormatAssertMessage(buffer, sizeof buffer, expression.c_str(), "f.cpp", 1);
    EXPECT_EQ(1024u, std::string(buffer).size());
}

} // namespace
