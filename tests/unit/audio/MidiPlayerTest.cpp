#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

#include "FakeMidiPlatform.h"
#include "SmfWriter.h"
#include "audio/MidiPlayer.h"
#include "testing/TestFolder.h"

namespace {

DWORD NoteOn(int channel, int note, int velocity = 100)
{
    return (0x90 | channel) | (note << 8) | (velocity << 16);
}

struct Player {
    TestFolder folder;
    FakeMidiPlatform fake;
    CMidiPlayer player{fake};

    void Start(const Bytes& smf)
    {
        WriteBytes("song.mid", smf);
        player.InitPlayer(nullptr);
        player.StartSong("song.mid");
        EXPECT_TRUE(player.TimerRunning());
    }
    // The tick on which a message first went out, -1 if never.
    int TickOf(DWORD message) const
    {
        for (const auto& [tick, sent] : fake.sent)
            if (sent == message)
                return tick;
        return -1;
    }
};

TEST(PlayerTiming, EventsAreNeverEarlyAndAtMostOnePeriodLate)
{
    for (const auto& [division, expectedStep] : {std::pair{125, 0.25}, {96, 0.192}, {480, 0.96}}) {
        SCOPED_TRACE("division " + std::to_string(division));
        std::map<DWORD, uint32_t> due;
        std::vector<Bytes> tracks;
        for (int t = 0; t < 3; ++t) {
            TrackWriter track;
            uint32_t at = 0;
            for (int n = 0; n < 20; ++n) {
                const uint32_t delta = (n * 37 + t * 11) % 53 + (n % 4 == 0 ? 0 : 1);
                track.NoteOn(delta, t, 20 + t * 25 + n, 1 + t);
                due[NoteOn(t, 20 + t * 25 + n, 1 + t)] = at += delta;
            }
            // The first track outlasts the ticks played, the others end early.
            tracks.push_back(track.EndOfTrack(t == 0 ? 6000 : 0));
        }
        Player p;
        p.Start(Smf(1, division, tracks));
        const double step = p.player.Step();
        EXPECT_DOUBLE_EQ(expectedStep, step);
        p.fake.Ticks(p.player, 6000);
        ASSERT_EQ(due.size(), p.fake.sent.size());
        for (const auto& [message, songTick] : due) {
            // Tick 1 stands at song position 0.
            const double position = (p.TickOf(message) - 1) * step;
            EXPECT_GE(position + 1e-3, songTick) << "early: " << std::hex << message;
            EXPECT_LT(position - step, songTick + 1e-3) << "late: " << std::hex << message;
        }
    }
}

TEST(PlayerLoop, MessagesOnTimeLoopingFromMemoryOnTheirOwnTimerWithNotesOffAtTheEnd)
{
    // Division 125 at tempo 500000: a quarter of a tick per timer tick.
    const struct {
        const char* why;
        Bytes track;
        int loopTicks; // timer ticks from one start of the song to the next
        std::vector<std::pair<int, DWORD>> song; // tick within the loop, message
    } cases[] = {
        {"running status, one-data-byte messages; system, meta and malformed tempo events skipped",
         TrackWriter()
             .Event(0, {0x91, 0x3C, 0x40}).Event(0, {0x3E, 0x41})
             .Event(0, {0xC5, 0x07}).Event(0, {0x08}).Event(0, {0xD5, 0x33})
             .Event(0, {0xE2, 0x00, 0x40})
             .Event(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}).Event(0, {0xFF, 0x01, 0x02, 'h', 'i'})
             .Event(0, {0x3C, 0x00})
             .Event(0, {0xFF, 0x51, 0x03, 0, 0, 0}) // would make the step infinite
             .Event(0, {0xFF, 0x51, 0x02, 0x03, 0xD0}) // too short to hold a tempo
             .NoteOff(10, 0, 60)
             .EndOfTrack(),
         41,
         {{0, 0x403C91}, {0, 0x413E91}, {0, 0x07C5}, {0, 0x08C5}, {0, 0x33D5}, {0, 0x4000E2},
          {0, 0x003CE2}, {40, 0x3C80}}},
        {"twice the tempo from the next tick, the default again at the loop",
         TrackWriter()
             .Event(0, {0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90})
             .NoteOn(0, 0, 60)
             .NoteOff(10, 0, 60)
             .EndOfTrack(),
         21,
         {{0, NoteOn(0, 60)}, {20, 0x3C80}}},
        {"a song ending at tick 0 loops on every tick", TrackWriter().EndOfTrack(), 1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Player p;
        p.Start(Smf(0, 125, {c.track}));
        std::remove("song.mid"); // the loop needs no file
        const int loops = 3;
        p.fake.Ticks(p.player, loops * c.loopTicks);
        std::vector<std::pair<int, DWORD>> expected;
        for (int loop = 0; loop < loops; ++loop) {
            const int first = 1 + loop * c.loopTicks;
            for (const auto& [at, message] : c.song)
                expected.push_back({first + at, message});
            for (DWORD channel = 0; channel < 16; ++channel)
                for (DWORD controller : {64, 123}) // pedal up, all notes off
                    expected.push_back({first + c.loopTicks - 1, 0xB0 | channel | controller << 8});
        }
        EXPECT_EQ(expected, p.fake.sent);
        EXPECT_EQ(1u, p.fake.LastTimerId());
        EXPECT_EQ(1, p.fake.resets) << "only the opening's";
    }
}

TEST(PlayerDevice, FirstDeviceWithout401InItsNameElseTheMapper)
{
    const struct {
        std::vector<std::string> devices;
        int chosen;
    } cases[] = {
        {{"MPU-401 port", "Soft Synth"}, 1},
        {{"Soft Synth", "Other Synth"}, 0},
        {{"", "Wavetable"}, 1},
        {{"MPU-401", "Roland 401 bridge"}, MIDI_MAPPER_ID},
        {{""}, MIDI_MAPPER_ID},
    };
    for (const auto& c : cases) {
        FakeMidiPlatform fake;
        fake.devices = c.devices;
        CMidiPlayer player(fake);
        player.InitPlayer(nullptr);
        EXPECT_EQ(c.chosen, fake.openedId) << testing::PrintToString(c.devices);
    }
}

TEST(PlayerClose, StopsNotesAndTheTimerWithOrWithoutADeviceAndPlaysFromTheStartAgain)
{
    for (const bool device : {true, false}) {
        SCOPED_TRACE(device ? "with a device" : "without a device");
        Player p;
        p.fake.openSucceeds = device;
        p.Start(Smf(1, 125, {TrackWriter().NoteOn(0, 0, 60).NoteOn(8, 0, 61).EndOfTrack()}));
        WriteBytes("bad.mid", {'M', 'T', 'h', 'd'});
        p.player.StartSong("bad.mid");
        p.fake.Ticks(p.player, 100);
        EXPECT_EQ(1u, p.fake.LastTimerId()) << "a song that fails to load changes nothing";
        EXPECT_TRUE(p.fake.TimerRunning()) << "it keeps looping";
        EXPECT_EQ(device, !p.fake.sent.empty());
        p.player.ClosePlayer();
        EXPECT_EQ(device ? 2 : 0, p.fake.resets) << "the opening's and the closing's";
        EXPECT_FALSE(p.fake.DeviceOpen());
        EXPECT_FALSE(p.fake.TimerRunning());
        EXPECT_EQ(nullptr, p.player.Song().tracks);
        EXPECT_EQ(0, p.fake.periods);
        size_t sent = p.fake.sent.size();
        p.player.OnTimer(p.fake.LastTimerId()); // a tick already due
        p.player.ClosePlayer(); // closes nothing twice: no stray messages
        EXPECT_EQ(sent, p.fake.sent.size());
        p.player.InitPlayer(nullptr);
        p.player.StartSong("song.mid");
        sent = p.fake.sent.size();
        p.player.OnTimer(1); // a late tick of the first timer
        EXPECT_EQ(sent, p.fake.sent.size());
        p.fake.Ticks(p.player);
        EXPECT_EQ(device, !p.fake.sent.empty() && p.fake.sent.back().second == NoteOn(0, 60));
        EXPECT_EQ(0, p.fake.strayMessages);
    }
}

TEST(PlayerClose, StoppingWhileTheTimerThreadLoopsIsSafe)
{
    // A short looping song, ticked from a second thread as fast as it goes,
    // while this thread starts and stops the music.
    Player p;
    WriteBytes("song.mid",
               Smf(1, 480, {TrackWriter().NoteOn(0, 0, 60).NoteOff(2, 0, 60).EndOfTrack()}));
    std::atomic<bool> done{false};
    std::thread timer([&] {
        while (!done)
            p.player.OnTimer(p.fake.LastTimerId());
    });
    for (int i = 0; i < 300; ++i) {
        p.player.InitPlayer(nullptr);
        p.player.StartSong("song.mid");
        std::this_thread::yield();
        p.player.ClosePlayer();
    }
    done = true;
    timer.join();
    EXPECT_FALSE(p.fake.TimerRunning());
    EXPECT_EQ(nullptr, p.player.Song().tracks);
    EXPECT_EQ(0, p.fake.strayMessages);
    EXPECT_EQ(0, p.fake.periods);
}

} // namespace
