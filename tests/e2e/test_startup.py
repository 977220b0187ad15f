"""Start-up in one session. A missing picture refuses the start with one message naming
it, creates no window and no file, and exits 0 once answered (files that are created or
tolerated are the first run's and the bad-input sweep's; the order of the probes is the
start-up unit test's). With the picture back: start-up on a display that cannot switch
to the program's mode, and the background music under Wine, where there is no MIDI
device: start-up plays, activation changes stop and restart it (more often than Wine has
timers, so a timer kept by each stop would show), and closing stops it, without an error
or a hang. A second copy leaves the display mode alone; the first restores it once."""
import os
from pathlib import Path

import harness
from harness import MAIN_CLASS, SessionTest, wait_until
from screen import DIALOG_CLASS, PAGE_CLASS, VK_SPACE, Screens

WM_ACTIVATEAPP = 0x1C
STARTED = "MidiManager.InitializedMIDI() ******;"
RESTARTED = "MIDI_MANAGER::ActivateApp 1"
CYCLES = 20
MISSING = "data004/b0013.dat"  # the last picture probed, once every other one passed


class Startup(SessionTest, Screens):
    screen = "800x600x24"

    def ddraw_calls(self):  # of every copy so far, as Wine traces them
        with open(self.s.errors) as f:
            return [line.split()[0].split(":")[-1] for line in f if ":trace:ddraw:" in line]

    def test_a_missing_picture_refuses_the_start_then_mode_failure_traced_music_through_activation_changes(self):
        kept = self.s.read(MISSING)
        os.remove(self.s.file(MISSING))
        refused = self.s.start(wait_window=False)
        self.s.wait_window(DIALOG_CLASS)
        wait_until(lambda: self.s.text("title", DIALOG_CLASS) == "Error", what='the "Error" box')
        texts = self.s.winctl("texts", DIALOG_CLASS)[1].split("\n")
        self.s.winctl("close", DIALOG_CLASS)
        self.assertEqual(0, self.s.wait_exit(refused))
        lines = self.s.log_lines()
        self.assertIn("No handle was created.", lines)
        # Named under the folder the program traced.
        folder = [l for l in lines if l.startswith("WM_Create 3 ")][0][len("WM_Create 3 "):]
        self.assertIn("A file (%s\\data004\\b0013.dat) needed for Glimmerbook is missing." % folder, texts)
        self.assertEqual(1, len([t for t in texts if t.startswith("A file (")]), texts)
        self.assertFalse(os.path.exists(self.s.file("options04.dta")))
        Path(self.s.file(MISSING)).write_bytes(kept)
        os.remove(self.s.file("log.txt"))  # what follows reads only the next starts' lines

        self.s.env["WINEDEBUG"] = "-all,trace+ddraw"
        self.program = self.s.start()
        wait_until(lambda: "SetDisplayMode Failed" in self.s.log_lines(), 20,
                   what="the traced mode failure")
        calls = self.ddraw_calls()
        self.assertEqual(0, self.s.wait_exit(self.s.start(wait_window=False)), "a second copy")
        self.assertEqual(calls, self.ddraw_calls(), "a second copy leaves the display mode alone")
        self.key(VK_SPACE)
        self.s.wait_window(PAGE_CLASS, 20)
        wait_until(lambda: STARTED in self.s.log_lines(), 20, what="the music started")
        lines = self.s.log_lines()
        started, before = lines.index(STARTED), lines.count(RESTARTED)
        for _ in range(CYCLES):
            self.s.winctl("post", MAIN_CLASS, WM_ACTIVATEAPP, 0, 0)
            self.s.winctl("post", MAIN_CLASS, WM_ACTIVATEAPP, 1, 0)
        wait_until(lambda: self.s.log_lines().count(RESTARTED) >= before + CYCLES, 60,
                   what="every re-activation to restart the music")
        # Each re-activation plays the song again from its start.
        self.assertGreaterEqual(self.s.log_lines()[started:].count("PlayMIDI BattleMode 0"), CYCLES)
        self.alive("activation changes")

        # The ending screen's Quit button, as a command: after a deactivation
        # that the system did not make, its button may miss a synthetic click.
        self.s.winctl("close", MAIN_CLASS)
        self.wait_dialog()
        self.s.winctl("command", DIALOG_CLASS, 1)
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertEqual(1, self.ddraw_calls()[len(calls):].count("ddraw1_RestoreDisplayMode"),
                         "the mode restored once at exit: %s" % self.ddraw_calls())
        self.assertFalse(any(l.startswith("DoAssert") for l in self.s.log_lines()))


if __name__ == "__main__":
    harness.main()
