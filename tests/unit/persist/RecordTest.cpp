#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "persist/DeSerializer.h"
#include "persist/Serializer.h"
#include "testing/PictureBytes.h"
#include "testing/TestFolder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>

#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

typedef std::vector<uint8_t> Bytes;

template <typename Action>
std::string Caught(Action action)
{
    try {
        action();
    } catch (const char* text) {
        return text;
    }
    return "(nothing thrown)";
}

class RecordTest : public ::testing::Test {
protected:
    TestFolder folder_;
};

TEST_F(RecordTest, LongsAndStringsHaveTheirByteLayout)
{
    {
        Serializer out("records");
        out.PutLong(1024);
        out.PutString("abc");
        out.PutLong(-1);
        out.PutString("");
    }
    const Bytes expected = {0x00, 0x04, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x61, 0x62, 0x63,
                            0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(expected, ReadBytes("records"));

    DeSerializer in("records");
    EXPECT_EQ(1024, in.GetLong());
    EXPECT_EQ("abc", in.GetString());
    EXPECT_EQ(-1, in.GetLong());
    EXPECT_EQ("", in.GetString());
}

TEST_F(RecordTest, ANumberCutShortThrowsFromAFileAndFromMemoryAlike)
{
    // Each case: the bytes, and how many longs read whole before the end.
    const std::vector<std::pair<Bytes, int>> cases = {
        {{0x2A, 0x00, 0x00, 0x00}, 1}, {{0x2A, 0, 0, 0, 0x01, 0x02, 0x03}, 1}, {{0x01, 0x02}, 0}};
    for (const auto& c : cases) {
        WriteBytes("cut", c.first);
        DeSerializer file("cut");
        DeSerializer memory(c.first.data(), c.first.size());
        for (DeSerializer* in : {&file, &memory}) {
            SCOPED_TRACE(c.first.size());
            for (int k = 0; k < c.second; ++k)
                EXPECT_EQ(0x2A, in->GetLong());
            for (int again = 0; again < 2; ++again)
                EXPECT_EQ("DeSerializer::GetLong: end of file", Caught([&] { in->GetLong(); }));
        }
    }
    WriteBytes("cut", {0x05, 0x00});
    DeSerializer in("cut");
    EXPECT_EQ("DeSerializer::GetLong: end of file", Caught([&] { in.GetString(); }))
        << "a string length cut short";
}

TEST_F(RecordTest, StringLengthsBeyondTheFileAreRefusedWithoutAllocating)
{
    const std::vector<Bytes> damaged = {
        {0x05, 0x00, 0x00, 0x00, 'a', 'b', 'c'},              // 5 said, 3 there
        {0xFF, 0xFF, 0xFF, 0x7F, 'x'},                        // 2 GB said
        {0xFF, 0xFF, 0xFF, 0xFF},                             // negative
        {0x00, 0x00, 0x00, 0x80, 'x', 'y', 'z', 'w', 'v'},    // most negative
    };
    for (size_t k = 0; k < damaged.size(); ++k) {
        SCOPED_TRACE(k);
        WriteBytes("string", damaged[k]);
        DeSerializer in("string");
        try {
            in.GetString();
            ADD_FAILURE() << "a string longer than the file must throw";
        } catch (const char* text) {
            EXPECT_STREQ("DeSerializer::GetString: string longer than the file", text);
        }
    }
    // Exactly what is left is fine.
    WriteBytes("string", {0x03, 0x00, 0x00, 0x00, 'a', 'b', 'c'});
    DeSerializer in("string");
    EXPECT_EQ("abc", in.GetString());
}

TEST_F(RecordTest, OpenFailuresThrowTheirTexts)
{
    EXPECT_EQ("DeSerializer::DeSerializer: unable to open: no-such-file",
              Caught([] { DeSerializer in("no-such-file"); }));
    EXPECT_EQ("Serializer::Serializer: couldn't open file",
              Caught([] { Serializer out("no-such-folder/file"); }));
    std::filesystem::create_directory("a-folder");
    EXPECT_EQ("DeSerializer::DeSerializer: unable to open: a-folder",
              Caught([] { DeSerializer in("a-folder"); }))
        << "a folder is not a readable file";
}

TEST_F(RecordTest, TheBackslashNamesOfTheProgramWork)
{
    std::filesystem::create_directory("save004");
    {
        Serializer out("save004\\page01.sav");
        out.PutString("MORVEN04");
    }
    DeSerializer in("save004\\page01.sav");
    EXPECT_EQ("MORVEN04", in.GetString());
}

// The old contents of "page" are what every interrupted save must leave.
class InterruptedSaveTest : public RecordTest {
protected:
    void SetUp() override
    {
        Serializer out("page");
        out.PutString("old");
        out.Commit();
        old_ = ReadBytes("page");
    }
    void ExpectOldFileWhole()
    {
        EXPECT_EQ(old_, ReadBytes("page"));
        EXPECT_FALSE(std::filesystem::exists("page.tmp")) << "the temporary file is left behind";
    }
    Bytes old_;
};

TEST_F(InterruptedSaveTest, AnExceptionPartWayKeepsTheOldFile)
{
    try {
        Serializer out("page");
        out.PutString("new contents");
        throw "the owner gave up";
    } catch (const char*) {
    }
    ExpectOldFileWhole();
}

TEST_F(InterruptedSaveTest, AFailedWriteKeepsTheOldFileAndCommitReportsIt)
{
    Serializer out("page");
    out.PutLong(7);
    out.setstate(std::ios::badbit); // as a full disk leaves the stream
    EXPECT_EQ("Serializer::PutLong: file write failed",
              [&] {
                  try {
                      out.PutLong(8);
                  } catch (const char* text) {
                      return std::string(text);
                  }
                  return std::string("(nothing thrown)");
              }());
    try {
        out.Commit();
        ADD_FAILURE() << "a commit after a failed write must throw";
    } catch (const char* text) {
        EXPECT_STREQ("Serializer::Commit: file write failed", text);
    }
    ExpectOldFileWhole();
}

TEST_F(InterruptedSaveTest, AReplaceThatCannotHappenFailsAtOnceAndKeepsTheTarget)
{
    std::filesystem::create_directory("held");
    std::filesystem::create_directory("held/inside");
    const auto begun = std::chrono::steady_clock::now();
    EXPECT_EQ("Serializer::Commit: file write failed", Caught([] {
                  Serializer out("held");
                  out.PutLong(1);
                  out.Commit();
              })) << "moving a file over a folder must fail";
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::milliseconds(500))
        << "retried although a folder never lets go";
    EXPECT_TRUE(std::filesystem::is_directory("held/inside"));
    EXPECT_FALSE(std::filesystem::exists("held.tmp"));
    ExpectOldFileWhole();
}

#ifdef _WIN32
// A scanner holding the target for a moment.
DWORD WINAPI LetGoLater(void* held)
{
    Sleep(150);
    return CloseHandle(static_cast<HANDLE>(held));
}

TEST_F(InterruptedSaveTest, ASaveWaitsForAnotherProgramToLetGoOfTheFile)
{
    HANDLE held = CreateFileA("page", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    HANDLE scanner = CreateThread(nullptr, 0, LetGoLater, held, 0, nullptr);
    {
        Serializer out("page");
        out.PutString("new");
    }
    WaitForSingleObject(scanner, INFINITE);
    CloseHandle(scanner);
    EXPECT_EQ((Bytes{3, 0, 0, 0, 'n', 'e', 'w'}), ReadBytes("page"));
}
#endif

#ifndef _WIN32
TEST_F(InterruptedSaveTest, AProcessKilledPartWayKeepsTheOldFile)
{
    const Bytes unfinished = {4, 0, 0, 0, 'n', 'e', 'w', '!'};
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Serializer out("page");
        out.PutString("new!");
        out.flush();
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    EXPECT_EQ(unfinished, ReadBytes("page.tmp")) << "the child got as far as its temporary file";
    EXPECT_EQ(old_, ReadBytes("page"));
}
#endif

TEST_F(InterruptedSaveTest, ACompletedSaveReplacesTheFile)
{
    {
        Serializer out("page");
        out.PutString("new");
        // No Commit: leaving the scope normally commits.
    }
    EXPECT_EQ((Bytes{3, 0, 0, 0, 'n', 'e', 'w'}), ReadBytes("page"));
    EXPECT_FALSE(std::filesystem::exists("page.tmp"));

    Serializer out("page");
    out.PutLong(5);
    out.Commit();
    EXPECT_NO_THROW(out.Commit()) << "a second commit changes nothing";
    EXPECT_EQ((Bytes{5, 0, 0, 0}), ReadBytes("page"));
    EXPECT_THROW(out.PutLong(6), const char*) << "the writer is closed after its commit";
}

} // namespace
