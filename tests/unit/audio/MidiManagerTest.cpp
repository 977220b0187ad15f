#include <gtest/gtest.h>

#include <algorithm>

#include "FakeMidiPlatform.h"
#include "SmfWriter.h"
#include "audio/MidiManager.h"
#include "testing/TestFolder.h"

namespace {

TEST(MidiManager, PlaysOnlyWhenActiveAfterStartUpAndFromTheBeginningOnEachActivation)
{
    TestFolder folder;
    FakeMidiPlatform fake;
    CMidiPlayer player{fake};
    MIDI_MANAGER manager{player, fake};
    // The manager looks for "<directory>\ZEP04.mid"; with the directory "."
    // that is one odd file name here, which is all the host needs.
    WriteBytes(".\\ZEP04.mid",
               Smf(1, 125, {TrackWriter().NoteOn(0, 0, 60).NoteOff(8, 0, 60).EndOfTrack()}));
    auto notesStarted = [&] {
        return std::count_if(fake.sent.begin(), fake.sent.end(),
                             [](const auto& m) { return m.second == 0x643C90; });
    };
    manager.ActivateApp(1, nullptr);
    EXPECT_FALSE(fake.DeviceOpen()) << "activation before start-up plays nothing";
    manager.Play(MUSIC_FILES, nullptr);
    manager.InitializedMIDI();
    fake.Ticks(player, 20); // past the first note
    ASSERT_EQ(1, notesStarted());
    manager.ActivateApp(0, nullptr);
    EXPECT_FALSE(fake.TimerRunning() || fake.DeviceOpen()) << "deactivation closes the music";
    manager.ActivateApp(1, nullptr);
    fake.Ticks(player);
    EXPECT_EQ(2, notesStarted());
}

} // namespace
