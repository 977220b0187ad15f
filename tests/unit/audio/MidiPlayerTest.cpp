#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

#include "FakeMidiPlatform.h"
#include "SmfWriter.h"
#include "audio/MidiPlayer.h"
#include "testing/TestFolder.h"

namespace {

DWORD NoteOnMessage(int channel, int note, int velocity = 100)
{
    return (0x90 | channel) | (note << 8) | (velocity << 16);
}

DWORD NoteOffMessage(int channel, int note)
{
    return (0x80 | channel) | (note << 8);
}

class PlayerTest : public ::testing::Test {
protected:
    void Write(const Bytes& smf) { WriteBytes("song.mid", smf); }
    void Start(const Bytes& smf)
    {
        Write(smf);
        player.InitPlayer(nullptr);
        player.StartSong("song.mid");
        ASSERT_TRUE(player.TimerRunning());
    }
    // The tick on which a message first went out, -1 if never.
    int TickOf(DWORD message) const
    {
        for (const SentMessage& m : fake.Played())
            if (m.message == message)
                return m.tick;
        return -1;
    }

    TestFolder folder;
    FakeMidiPlatform fake;
    CMidiPlayer player{fake};
};

TEST_F(PlayerTest, TempoEventDoublesTheStepFromTheNextTick)
{
    Start(Smf(1, 96,
              {TrackWriter().Tempo(0, 250000).EndOfTrack(1000).bytes(),
               TrackWriter().NoteOn(0, 0, 60).NoteOff(96, 0, 60).EndOfTrack().bytes()}));
    EXPECT_DOUBLE_EQ(0.192, player.Step());
    fake.Tick(player);
    EXPECT_DOUBLE_EQ(0.384, player.Step());
    fake.Ticks(player, 300);
    const int duration = TickOf(NoteOffMessage(0, 60)) - TickOf(NoteOnMessage(0, 60));
    EXPECT_GE(duration, 250);
    EXPECT_LE(duration, 251);
}

TEST_F(PlayerTest, MalformedTemposAreIgnored)
{
    // A tempo of 0 would make the step infinite; one too short has no value.
    Start(Smf(1, 96,
              {TrackWriter()
                   .Tempo(0, 0)
                   .Event(0, {0xFF, 0x51, 0x02, 0x03, 0xD0})
                   .NoteOn(0, 0, 61)
                   .EndOfTrack(100)
                   .bytes()}));
    fake.Tick(player);
    EXPECT_DOUBLE_EQ(0.192, player.Step());
    EXPECT_EQ(1, TickOf(NoteOnMessage(0, 61)));
}

// Sends every message in the song and checks that each went out on the first
// timer tick whose song position reached the event: never early, late by
// less than one period.
void ExpectOnTime(int division, double expectedStep)
{
    SCOPED_TRACE("division " + std::to_string(division));
    TestFolder folder;
    FakeMidiPlatform fake;
    CMidiPlayer player(fake);
    std::map<DWORD, uint32_t> due;
    std::vector<Bytes> tracks;
    for (int t = 0; t < 3; ++t) {
        TrackWriter track;
        uint32_t at = 0;
        for (int n = 0; n < 20; ++n) {
            const uint32_t delta = (n * 37 + t * 11) % 53 + (n % 4 == 0 ? 0 : 1);
            at += delta;
            const int note = 20 + t * 25 + n;
            track.NoteOn(delta, t, note, 1 + t);
            due[NoteOnMessage(t, note, 1 + t)] = at;
        }
        // Not to end within the ticks played.
        tracks.push_back(track.EndOfTrack(6000).bytes());
    }
    WriteBytes("song.mid", Smf(1, division, tracks));
    player.InitPlayer(nullptr);
    player.StartSong("song.mid");
    const double step = player.Step();
    EXPECT_DOUBLE_EQ(expectedStep, step);
    fake.Ticks(player, 6000);

    std::map<DWORD, int> seen;
    for (const SentMessage& m : fake.Played())
        seen.emplace(m.message, m.tick);
    ASSERT_EQ(due.size(), seen.size());
    const double tolerance = 1e-3;
    for (const auto& [message, songTick] : due) {
        ASSERT_EQ(1u, seen.count(message)) << std::hex << message;
        // Tick 1 stands at song position 0.
        const double position = (seen[message] - 1) * step;
        EXPECT_GE(position + tolerance, songTick) << "early: " << std::hex << message;
        EXPECT_LT(position - step, songTick + tolerance) << "late: " << std::hex << message;
    }
}

TEST(PlayerTiming, EventsAreNeverEarlyAndAtMostOnePeriodLate)
{
    ExpectOnTime(125, 0.25); // exact in binary
    ExpectOnTime(96, 0.192);
    ExpectOnTime(480, 0.96);
}

TEST_F(PlayerTest, RunningStatusAndOneDataByteMessages)
{
    Start(Smf(1, 96,
              {TrackWriter()
                   .Event(0, {0x91, 0x3C, 0x40})
                   .Event(0, {0x3E, 0x41})
                   .Event(0, {0xC5, 0x07})
                   .Event(0, {0x08})
                   .Event(0, {0xD5, 0x33})
                   .Event(0, {0xE2, 0x00, 0x40})
                   .Event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7})
                   .Event(0, {0xFF, 0x01, 0x02, 'h', 'i'})
                   .Event(0, {0x3C, 0x00})
                   .EndOfTrack(10)
                   .bytes()}));
    fake.Tick(player);
    std::vector<DWORD> messages;
    for (const SentMessage& m : fake.Played())
        messages.push_back(m.message);
    const std::vector<DWORD> expected = {0x403C91, 0x413E91, 0x07C5, 0x08C5,
                                         0x33D5,   0x4000E2, 0x003CE2};
    EXPECT_EQ(expected, messages);
}

TEST(PlayerLoop, TheSongLoopsFromMemoryOnItsOwnTimerWithNotesOffAtTheEnd)
{
    // Division 125 at tempo 500000: a quarter of a tick per timer tick.
    struct Case {
        const char* why;
        Bytes track;
        int loopTicks;  // timer ticks from one start of the song to the next
        std::vector<std::pair<int, DWORD>> song;  // tick within the loop, message
    } cases[] = {
        {"a note and a program change",
         TrackWriter()
             .Event(0, {0xC3, 0x05})
             .NoteOn(0, 0, 60)
             .NoteOff(10, 0, 60)
             .EndOfTrack()
             .bytes(),
         41,
         {{0, 0x05C3}, {0, NoteOnMessage(0, 60)}, {40, NoteOffMessage(0, 60)}}},
        {"a song ending at tick 0 loops on every tick", TrackWriter().EndOfTrack().bytes(), 1,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TestFolder folder;
        FakeMidiPlatform fake;
        CMidiPlayer player(fake);
        WriteBytes("song.mid", Smf(0, 125, {c.track}));
        player.InitPlayer(nullptr);
        player.StartSong("song.mid");
        std::remove("song.mid"); // the loop needs no file
        const int loops = 3;
        fake.Ticks(player, loops * c.loopTicks);

        std::vector<std::pair<int, DWORD>> expected;
        for (int loop = 0; loop < loops; ++loop) {
            const int first = 1 + loop * c.loopTicks;
            for (const auto& [at, message] : c.song)
                expected.push_back({first + at, message});
            for (DWORD channel = 0; channel < 16; ++channel) {
                expected.push_back({first + c.loopTicks - 1, 0xB0 | channel | 64 << 8});
                expected.push_back({first + c.loopTicks - 1, 0xB0 | channel | 123 << 8});
            }
        }
        std::vector<std::pair<int, DWORD>> played;
        for (const SentMessage& m : fake.Played())
            played.push_back({m.tick, m.message});
        EXPECT_EQ(expected, played);
        EXPECT_EQ(1, fake.timersStarted);
        EXPECT_EQ(0, fake.timersKilled);
        EXPECT_TRUE(fake.TimerRunning());
        EXPECT_EQ(1, fake.periodsBegun);
        EXPECT_EQ(1, fake.resets) << "only the opening's";
    }
}

TEST(PlayerDevice, FirstDeviceWithout401InItsNameElseTheMapper)
{
    struct Case {
        std::vector<std::string> devices;
        int chosen;
    } cases[] = {
        {{"MPU-401 port", "Soft Synth"}, 1},
        {{"Soft Synth", "Other Synth"}, 0},
        {{"", "Wavetable"}, 1},
        {{"MPU-401", "Roland 401 bridge"}, MIDI_MAPPER_ID},
        {{""}, MIDI_MAPPER_ID},
        {{}, MIDI_MAPPER_ID},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.devices));
        FakeMidiPlatform fake;
        fake.devices = c.devices;
        CMidiPlayer player(fake);
        player.InitPlayer(nullptr);
        EXPECT_EQ(c.chosen, player.DeviceId());
        EXPECT_EQ(c.chosen, fake.openedId);
    }
}

TEST_F(PlayerTest, ClosingStopsNotesClosesTheDeviceAndPlaysFromTheStartAgain)
{
    Start(Smf(1, 125, {TrackWriter().NoteOn(0, 0, 60).NoteOn(100, 0, 61).EndOfTrack(100).bytes()}));
    fake.Ticks(player, 10);
    const int resets = fake.resets;
    player.ClosePlayer();
    EXPECT_EQ(resets + 1, fake.resets);
    EXPECT_EQ(1, fake.closes);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.TimerRunning());
    EXPECT_FALSE(fake.TimerRunning());
    EXPECT_EQ(nullptr, player.Song().tracks);
    EXPECT_EQ(fake.periodsBegun, fake.periodsEnded);
    const size_t sent = fake.sent.size();
    player.OnTimer(fake.LastTimerId());
    EXPECT_EQ(sent, fake.sent.size());
    player.ClosePlayer();
    EXPECT_EQ(1, fake.closes);

    player.InitPlayer(nullptr);
    player.StartSong("song.mid");
    fake.Tick(player);
    EXPECT_EQ(NoteOnMessage(0, 60), fake.sent.back().message);
    EXPECT_EQ(0, fake.strayMessages);
}

TEST_F(PlayerTest, WithoutADeviceNothingIsSentAndClosingStillStopsTheTimer)
{
    fake.openSucceeds = false;
    Start(Smf(1, 125, {TrackWriter().NoteOn(0, 0, 60).NoteOff(4, 0, 60).EndOfTrack().bytes()}));
    EXPECT_FALSE(player.IsOpen());
    fake.Ticks(player, 100);
    EXPECT_TRUE(fake.sent.empty());
    EXPECT_EQ(0, fake.resets);
    EXPECT_TRUE(fake.TimerRunning()) << "it loops silently";
    player.ClosePlayer();
    EXPECT_FALSE(fake.TimerRunning());
    EXPECT_EQ(nullptr, player.Song().tracks);
    EXPECT_EQ(0, fake.closes);
    EXPECT_EQ(fake.periodsBegun, fake.periodsEnded);
}

TEST_F(PlayerTest, SongThatFailsToLoadChangesNothing)
{
    Start(Smf(1, 96, {TrackWriter().NoteOn(0, 0, 60).EndOfTrack(500).bytes()}));
    const UINT timer = fake.LastTimerId();
    WriteBytes("bad.mid", {'M', 'T', 'h', 'd'});
    player.StartSong("bad.mid");
    player.StartSong("absent.mid");
    EXPECT_EQ(timer, fake.LastTimerId());
    EXPECT_TRUE(fake.TimerRunning());
    fake.Tick(player);
    EXPECT_EQ(1, TickOf(NoteOnMessage(0, 60)));
}

TEST_F(PlayerTest, StoppingWhileTheTimerThreadLoopsIsSafe)
{
    // A short looping song, ticked from a second thread as fast as it goes,
    // while this thread starts and stops the music.
    Write(Smf(1, 480, {TrackWriter().NoteOn(0, 0, 60).NoteOff(2, 0, 60).EndOfTrack().bytes()}));
    std::atomic<bool> done{false};
    std::thread timer([&] {
        while (!done)
            player.OnTimer(fake.LastTimerId());
    });
    for (int i = 0; i < 300; ++i) {
        player.InitPlayer(nullptr);
        player.StartSong("song.mid");
        std::this_thread::yield();
        player.ClosePlayer();
    }
    done = true;
    timer.join();
    EXPECT_FALSE(fake.TimerRunning());
    EXPECT_EQ(nullptr, player.Song().tracks);
    EXPECT_EQ(0, fake.strayMessages);
    EXPECT_EQ(fake.periodsBegun, fake.periodsEnded);
}

} // namespace
