// Files written by a MIDI writer that is not ours: abc2midi (Debian's
// abcmidi) converts small tunes, and the player must send their notes in
// order, each at its time in the tune.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "FakeMidiPlatform.h"
#include "audio/MidiPlayer.h"
#include "testing/TestFolder.h"

namespace {

struct Note {
    double milliseconds; // from the tune's first note
    int pitch;
};

bool HaveAbc2Midi()
{
#ifdef _WIN32
    return false;
#else
    return std::system("abc2midi -ver > /dev/null 2>&1") == 0;
#endif
}

// Converts the tune, plays it at 1 ms periods and compares the note-ons.
void ExpectTunePlays(const std::string& abc, const std::vector<Note>& expected)
{
    TestFolder folder;
    std::ofstream("tune.abc") << abc;
    ASSERT_EQ(0, std::system("abc2midi tune.abc -o tune.mid > abc2midi.log 2>&1"));
    FakeMidiPlatform fake;
    CMidiPlayer player(fake);
    player.InitPlayer(nullptr);
    player.StartSong("tune.mid");
    ASSERT_TRUE(player.TimerRunning()) << "abc2midi's file was refused";
    // The tune's end sends all notes off, channel 15's last.
    const auto atTheEnd = [&fake] {
        return !fake.sent.empty() && fake.sent.back().message == 0x7BBF;
    };
    while (!atTheEnd() && fake.tick < 60000)
        fake.Tick(player);
    ASSERT_TRUE(atTheEnd()) << "the tune never reached its end";

    std::vector<Note> played;
    for (const SentMessage& m : fake.Played()) {
        const bool noteOn = (m.message & 0xF0) == 0x90 && ((m.message >> 16) & 0x7F) != 0;
        if (noteOn)
            played.push_back({double(m.tick), int((m.message >> 8) & 0x7F)});
    }
    ASSERT_EQ(expected.size(), played.size());
    const double first = played[0].milliseconds;
    std::vector<bool> matched(played.size(), false);
    for (const Note& want : expected) {
        bool found = false;
        for (size_t i = 0; i < played.size() && !found; ++i) {
            // One period late at most, plus rounding of the writer's ticks.
            if (!matched[i] && played[i].pitch == want.pitch &&
                std::fabs(played[i].milliseconds - first - want.milliseconds) <= 2.0)
                matched[i] = found = true;
        }
        EXPECT_TRUE(found) << "pitch " << want.pitch << " at " << want.milliseconds << " ms";
    }
    for (size_t i = 1; i < played.size(); ++i)
        EXPECT_LE(played[i - 1].milliseconds, played[i].milliseconds);
}

class ForeignFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveAbc2Midi())
            GTEST_SKIP() << "abc2midi (Debian package abcmidi) is not installed";
    }
};

TEST_F(ForeignFiles, ScaleInQuarterNotesAt120)
{
    ExpectTunePlays("X:1\nT:Scale\nM:4/4\nL:1/4\nQ:1/4=120\nK:C\nC D E F | G A B c |\n",
                    {{0, 60}, {500, 62}, {1000, 64}, {1500, 65},
                     {2000, 67}, {2500, 69}, {3000, 71}, {3500, 72}});
}

TEST_F(ForeignFiles, TwoVoicesInTracksOfTheirOwn)
{
    const double eighth = 60000.0 / 90 / 2;
    std::vector<Note> notes;
    const int upper[][2] = {{0, 67}, {2, 71}, {4, 74}, {6, 79}, {10, 78},
                            {12, 76}, {14, 72}, {16, 69}, {18, 67}};
    const int lower[][2] = {{0, 55}, {4, 50}, {6, 55}, {12, 48}, {16, 50}, {18, 55}};
    for (const auto& n : upper)
        notes.push_back({n[0] * eighth, n[1]});
    for (const auto& n : lower)
        notes.push_back({n[0] * eighth, n[1]});
    ExpectTunePlays("X:2\nT:Duet\nM:3/4\nL:1/8\nQ:1/4=90\nK:G\n"
                    "V:1\nG2 B2 d2 | g4 f2 | e2 c2 A2 | G6 |\n"
                    "V:2\nG,4 D,2 | G,6 | C,4 D,2 | G,6 |\n",
                    notes);
}

TEST_F(ForeignFiles, TempoChangeInsideTheTune)
{
    // Two quarter notes at 120, then two at 60.
    ExpectTunePlays("X:3\nT:Slower\nM:4/4\nL:1/4\nQ:1/4=120\nK:C\nC D [Q:1/4=60] E F |\n",
                    {{0, 60}, {500, 62}, {1000, 64}, {2000, 65}});
}

} // namespace
