#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <map>
#include <thread>

#include "SmfWriter.h"
#include "audio/MidiManager.h"
#include "testing/FakeMidiPlatform.h"
#include "testing/Pictures.h"
#include "testing/TestFolder.h"

namespace {

const DWORD MIDDLE_C_ON = 0x643C90;

struct Player {
    TestFolder folder;
    FakeMidiPlatform fake;
    CMidiPlayer player{fake};
    ~Player() { EXPECT_EQ("", fake.faults); }

    void Start(const Bytes& smf) { WriteBytes("song.mid", smf), Play(); }
    void Play() { player.InitPlayer(nullptr), player.StartSong("song.mid"); }
};

// Every note goes out on the first tick at or past its time: song tick n at
// tick 1 + ceil(n x tempo / (1000 x division)) with a 1 ms period. A note after
// a long rest finds any rounding that built up on the way.
TEST(PlayerTiming, EventsGoOutOnTheFirstTickAtOrPastTheirTimeEvenAfterALongRest)
{
    for (const auto& [division, expectedStep] : {std::pair{125, 0.25}, {96, 0.192}, {480, 0.96}}) {
        SCOPED_TRACE("division " + std::to_string(division));
        const auto tickFor = [division = division](uint64_t songTick) {
            return int(1 + (songTick * 500000 + 1000 * division - 1) / (1000 * division));
        };
        std::map<DWORD, int> due;
        std::vector<Bytes> tracks(3);
        for (int t = 0; t < 3; ++t) {
            uint32_t at = 0;
            for (int n = 0; n < 20; ++n) {
                const uint8_t delta = (n * 37 + t * 11) % 53 + (n % 4 == 0 ? 0 : 1);
                const uint8_t note = 20 + t * 25 + n, velocity = 1 + t;
                tracks[t] = Cat(tracks[t], {delta, uint8_t(0x90 | t), note, velocity});
                due[0x90 | t | note << 8 | velocity << 16] = tickFor(at += delta);
            }
            tracks[t] = Cat(tracks[t], {0, 0xFF, 0x2F, 0});
        }
        // A rest of 16383 ticks, a note, and the song goes on a little longer.
        tracks.push_back({0xFF, 0x7F, 0x93, 0x40, 0x40, 0x7F, 0xFF, 0x2F, 0});
        due[0x404093] = tickFor(16383);
        Player p;
        p.Start(Smf(1, division, tracks));
        EXPECT_DOUBLE_EQ(expectedStep, p.player.Step());
        p.fake.Ticks(p.player, due[0x404093]);
        std::map<DWORD, int> sentAt;
        for (const auto& [tick, message] : p.fake.sent)
            sentAt.emplace(message, tick);
        EXPECT_EQ(due, sentAt);
    }
}

// A song of a MIDI writer not ours, abc2midi (Debian abcmidi): two voices in
// tracks of their own, a triplet, a rest, and a slower tempo from the second
// bar in a third track. Every note goes out in order, at its time in the tune
// (relative to the first note: the writer starts a tick late).
TEST(PlayerTiming, AnotherWritersSongPlaysItsNotesInOrderOnTime)
{
    if (std::system("abc2midi -ver > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "abc2midi (Debian abcmidi) is not installed";
    Player p;
    std::ofstream("tune.abc") << "X:1\nM:4/4\nL:1/8\nQ:1/4=120\nK:G\n"
                                 "V:1\nG2 B2 d2 (3gfe | [Q:1/4=60] d3 c B2 z2 |\n"
                                 "V:2\nG,4 D,4 | B,6 z2 |\n";
    ASSERT_EQ(0, std::system("abc2midi tune.abc -o song.mid > abc2midi.log"));
    p.Play();
    p.fake.Ticks(p.player, 4100); // past the last note, before the end of the rest
    // Eighths of 250 ms in the first bar, of 500 ms in the second; G major.
    const std::pair<double, int> expected[] = {
        {0, 67},    {0, 55},    {500, 71},  {1000, 74},  {1000, 50},  {1500, 79},
        {1666.7, 78}, {1833.3, 76}, {2000, 74}, {2000, 59}, {3500, 72}, {4000, 71}};
    std::vector<std::pair<int, int>> played; // tick, note
    for (const auto& [tick, message] : p.fake.sent)
        if ((message & 0xF0) == 0x90 && message >> 16 != 0)
            played.push_back({tick, int(message >> 8 & 0x7F)});
    ASSERT_EQ(std::size(expected), played.size()) << testing::PrintToString(played);
    for (size_t i = 0; i < played.size(); ++i) {
        EXPECT_EQ(expected[i].second, played[i].second) << "note " << i;
        EXPECT_NEAR(expected[i].first, played[i].first - played[0].first, 1.5) << "note " << i;
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
        bool notesOff = true; // at every loop
    } cases[] = {
        {"running status, one-data-byte messages; system, meta (a cue point's length is one byte, "
         "129) and malformed tempo events skipped",
         Cat(Cat({0, 0x91, 0x3C, 0x40, 0, 0x3E, 0x41, 0, 0xC5, 0x07, 0, 0x08, 0, 0xD5, 0x33,
          0, 0xE2, 0x00, 0x40, 0, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0, 0xFF, 0x01, 0x02, 'h', 'i',
          0, 0xFF, 0x07, 0x81}, Bytes(129, 'x')), {0, 0x3C, 0x00,
          0, 0xFF, 0x51, 0x03, 0, 0, 0, // would make the step infinite
          0, 0xFF, 0x51, 0x02, 0x03, 0xD0, // too short to hold a tempo
          10, 0x80, 0x3C, 0, 0, 0xFF, 0x2F, 0}),
         41,
         {{0, 0x403C91}, {0, 0x413E91}, {0, 0x07C5}, {0, 0x08C5}, {0, 0x33D5}, {0, 0x4000E2},
          {0, 0x003CE2}, {40, 0x3C80}}},
        {"twice the tempo from the next tick, the default again at the loop",
         Cat({0, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}, OneNote(10)), 21,
         {{0, MIDDLE_C_ON}, {20, 0x3C80}}},
        {"a song ending at tick 0 loops on every tick, and sounds nothing to turn off", {0, 0xFF, 0x2F, 0}, 1, {},
         false},
        {"notes off at the loop only after a note sounded", {0, 0xC0, 0x05, 0, 0x90, 0x3C, 0, 0, 0xFF, 0x2F, 0}, 1,
         {{0, 0x05C0}, {0, 0x3C90}}, false},
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
            for (DWORD channel = 0; channel < (c.notesOff ? 16 : 0); ++channel)
                for (DWORD controller : {64, 123}) // pedal up, all notes off
                    expected.push_back({first + c.loopTicks - 1, 0xB0 | channel | controller << 8});
        }
        EXPECT_EQ(expected, p.fake.sent);
        EXPECT_EQ(1u, p.fake.lastTimer);
    }
}

// Through the manager: a device chosen, activation before start-up, a bad song, deactivation,
// late ticks, activation again, activation changes while a timer thread ticks at full speed,
// and a song whose timer cannot be had.
TEST(PlayerStory, TheFirstDeviceWithout401ElseTheMapperPlaysWhileActiveAndStopsCleanly)
{
    const struct {
        std::vector<std::string> devices;
        int chosen;
        bool opens;
    } cases[] = {
        {{"MPU-401 port", "Soft Synth"}, 1, true},
        {{"Soft Synth", "Other Synth"}, 0, true},
        {{"", "Wavetable"}, 1, true},
        {{"MPU-401", "Roland 401 bridge"}, MIDI_MAPPER_ID, true},
        {{""}, MIDI_MAPPER_ID, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.devices));
        Player p;
        p.fake.devices = c.devices;
        p.fake.openSucceeds = c.opens;
        MIDI_MANAGER manager{p.player, p.fake};
        // "<directory>\ZEP04.mid" with the directory ".": one odd file name, all the host needs.
        WriteBytes(".\\ZEP04.mid", Smf(1, 480, {OneNote(2)}));
        manager.ActivateApp(1, nullptr);
        EXPECT_FALSE(p.fake.deviceOpen || p.player.TimerRunning()) << "not before start-up";
        manager.Play(MUSIC_FILES, nullptr);
        manager.InitializedMIDI();
        EXPECT_EQ(c.chosen, p.player.DeviceId());
        const std::vector<DWORD> programsZero = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7,
                                                 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF};
        EXPECT_EQ(c.opens ? programsZero : std::vector<DWORD>{}, p.fake.beforeTicks) << "on opening";
        WriteBytes("bad.mid", {'M', 'T', 'h', 'd'});
        p.player.StartSong("bad.mid");
        p.fake.Ticks(p.player, 90); // many times round the song and into its note
        EXPECT_EQ(1u, p.fake.timer) << "a song that fails to load changes nothing: it loops on";
        manager.ActivateApp(0, nullptr);
        EXPECT_EQ(c.opens ? 2 : 0, p.fake.resets) << "the opening's and the closing's";
        EXPECT_FALSE(p.fake.deviceOpen || p.fake.timer || p.fake.periods || p.player.Song().tracks);
        size_t sent = p.fake.sent.size();
        p.player.OnTimer(p.fake.lastTimer); // a tick already due
        manager.StopMusic(); // closes nothing twice: no stray messages
        EXPECT_EQ(sent, p.fake.sent.size());
        manager.ActivateApp(1, nullptr);
        sent = p.fake.sent.size();
        p.player.OnTimer(1); // a late tick of the first timer
        EXPECT_EQ(sent, p.fake.sent.size());
        p.fake.Ticks(p.player);
        EXPECT_EQ(c.opens, !p.fake.sent.empty() && p.fake.sent.back().second == MIDDLE_C_ON);
        std::atomic<bool> done{false};
        std::thread timer([&] {
            FakeMidiPlatform::inTick = true;
            while (!done)
                p.player.OnTimer(p.fake.lastTimer);
        });
        for (int i = 1; i <= 300; ++i, std::this_thread::yield())
            manager.ActivateApp(i % 2, nullptr);
        done = true;
        timer.join();
        EXPECT_FALSE(p.fake.deviceOpen || p.fake.timer || p.fake.periods || p.fake.strayMessages ||
                     p.player.Song().tracks);
        p.fake.timersRunOut = true;
        manager.ActivateApp(1, nullptr);
        EXPECT_FALSE(p.player.TimerRunning() || p.fake.periods) << "no timer, and its period ended";
    }
}

} // namespace
