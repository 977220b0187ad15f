// Records: reads that run short, meet impossible lengths or a folder, saves
// flushed before they replace, and saves that an exception, a full disk or a
// held file interrupts (a kill leaves the target as an exception does: only
// the move replaces it).
#include <gtest/gtest.h>

#include <functional>

#include "persist/DeSerializer.h"
#include "persist/Serializer.h"
#include "testing/Pictures.h"
#include "testing/ReplaceRecorder.h"
#include "testing/TestFolder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const std::string COMMIT_FAILED = "Serializer::Commit: file write failed";

std::string Caught(const std::function<void()>& action)
{
    try {
        action();
    } catch (const char* text) {
        return text;
    }
    return "(nothing thrown)";
}

// "page" holds the old contents that every interrupted save must leave.
class RecordTest : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes("page", old_); }
    void ExpectOldFileWhole()
    {
        EXPECT_EQ(old_, ReadBytes("page"));
        EXPECT_FALSE(std::filesystem::exists("page.tmp")) << "the temporary file is left behind";
    }
    TestFolder folder_;
    const Bytes old_ = {3, 0, 0, 0, 'o', 'l', 'd'};
};

TEST_F(RecordTest, ShortReadsAndImpossibleLengthsThrowFromAFileAndFromMemoryAlikeAndAFolderIsNoFile)
{
    std::filesystem::create_directory("a-folder");
    EXPECT_EQ("DeSerializer::DeSerializer: unable to open: a-folder", Caught([] { DeSerializer in("a-folder"); }));
    const std::string endOfFile = "DeSerializer::GetLong: end of file";
    const std::string tooLong = "DeSerializer::GetString: string longer than the file";
    // whole: longs of 42 read before the failing read of a long or a string.
    const struct { const char* why; Bytes bytes; int whole; bool string; std::string thrown; } cases[] = {
        {"the end after a long", {0x2A, 0, 0, 0}, 1, false, endOfFile},
        {"half a long", {0x2A, 0, 0, 0, 0x01, 0x02, 0x03}, 1, false, endOfFile},
        {"a string length cut short", {0x05, 0x00}, 0, true, endOfFile},
        {"5 said, 3 there", {0x05, 0, 0, 0, 'a', 'b', 'c'}, 0, true, tooLong},
        {"negative", {0xFF, 0xFF, 0xFF, 0xFF, 'x'}, 0, true, tooLong},
    };
    for (const auto& c : cases) {
        WriteBytes("cut", c.bytes);
        DeSerializer file("cut");
        DeSerializer memory(c.bytes.data(), c.bytes.size());
        for (DeSerializer* in : {&file, &memory}) {
            SCOPED_TRACE(testing::Message() << c.why << (in == &file ? " from a file" : " from memory"));
            for (int k = 0; k < c.whole; ++k)
                EXPECT_EQ(0x2A, in->GetLong());
            EXPECT_EQ(c.thrown, Caught([&] { c.string ? (void)in->GetString() : (void)in->GetLong(); }));
            if (!c.string) {
                EXPECT_EQ(c.thrown, Caught([&] { in->GetLong(); })) << "and again";
            }
        }
    }
}

TEST_F(RecordTest, AnExceptionOrAFailedWriteKeepsTheOldFileACommitOrTheCloseReplacesItFlushedFirstAndAMoveThatCannotHappenIsTriedOnce)
{
    EXPECT_EQ("given up", Caught([] { Serializer out("page"); out.PutString("new contents"); throw "given up"; }));
    ExpectOldFileWhole();
    Serializer out("page");
    out.PutLong(7), out.setstate(std::ios::badbit); // as a full disk leaves the stream
    EXPECT_EQ("Serializer::PutLong: file write failed", Caught([&] { out.PutLong(8); }));
    EXPECT_EQ(COMMIT_FAILED, Caught([&] { out.Commit(); }));
    ExpectOldFileWhole();
    Serializer done("page");
    done.PutLong(5), done.Commit();
    EXPECT_NO_THROW(done.Commit()) << "a second commit changes nothing";
    EXPECT_EQ((Bytes{5, 0, 0, 0}), ReadBytes("page"));
    EXPECT_THROW(done.PutLong(6), const char*) << "the writer is closed after its commit";
    Serializer("page").PutLong(-1);
    EXPECT_EQ((Bytes{0xFF, 0xFF, 0xFF, 0xFF}), ReadBytes("page")) << "committed as it closes";
    // The data is on the disk before the name points at it, so a power cut leaves
    // the old file or the new one whole; a folder in the target's place never lets
    // go, so the move over it is tried once.
    std::filesystem::create_directories("held/inside");
    ReplaceRecorder recorder;
    Serializer("page").PutLong(1);
    EXPECT_EQ(COMMIT_FAILED, Caught([] { Serializer out("held"); out.PutLong(1), out.Commit(); }));
    EXPECT_EQ((std::vector<std::string>{"flush page.tmp", "page.tmp > page", "flush held.tmp", "held.tmp > held"}),
              recorder.calls);
    EXPECT_TRUE(std::filesystem::is_directory("held/inside"));
    EXPECT_FALSE(std::filesystem::exists("held.tmp"));
}

#ifdef _WIN32
// A scanner holding the target for a moment.
DWORD WINAPI LetGoLater(void* held)
{
    Sleep(150);
    return CloseHandle(static_cast<HANDLE>(held));
}

// Held with no sharing at all: neither a read nor a save can open it meanwhile.
TEST_F(RecordTest, AReadOrASaveWaitsForAnotherProgramToLetGoOfTheFile)
{
    for (bool save : {false, true}) {
        SCOPED_TRACE(save ? "a save" : "a read");
        HANDLE held = CreateFileA("page", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        HANDLE scanner = CreateThread(nullptr, 0, LetGoLater, held, 0, nullptr);
        if (save)
            Serializer("page").PutString("new");
        else
            EXPECT_EQ("old", DeSerializer("page").GetString());
        WaitForSingleObject(scanner, INFINITE);
        CloseHandle(scanner);
    }
    EXPECT_EQ((Bytes{3, 0, 0, 0, 'n', 'e', 'w'}), ReadBytes("page"));
    HANDLE held = CreateFileA("page", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(DeSerializer::FILE_HELD, Caught([] { DeSerializer in("page"); })) << "held throughout";
    EXPECT_EQ("DeSerializer::DeSerializer: unable to open: none", Caught([] { DeSerializer in("none"); }));
    CloseHandle(held);
}
#endif

} // namespace
