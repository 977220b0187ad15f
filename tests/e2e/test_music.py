"""Background music of the real program under Wine, where there is no MIDI
device: start-up plays, activation changes stop and restart the music, and
closing stops it, all without an error or a hang."""
import time

import harness
from harness import MAIN_CLASS, wait_until
from test_screens import DIALOG_CLASS, ScreensTest

WM_ACTIVATEAPP = 0x1C
STARTED = "MidiManager.InitializedMIDI() ******;"
RESTARTED = "MIDI_MANAGER::ActivateApp 1"
CYCLES = 5


class Music(ScreensTest):
    def test_start_up_activation_changes_and_closing(self):
        self.start_play()
        wait_until(lambda: STARTED in self.s.log_lines(), 20, what="the music started")
        lines = self.s.log_lines()
        started = lines.index(STARTED)
        self.assertEqual("PlayMIDI BattleMode 0", lines[started - 1])
        self.assertTrue(any(l.startswith("hGlobal ") for l in lines[:started]), lines)

        before = lines.count(RESTARTED)
        for _ in range(CYCLES):
            self.s.winctl("post", MAIN_CLASS, WM_ACTIVATEAPP, 0, 0)
            self.s.winctl("post", MAIN_CLASS, WM_ACTIVATEAPP, 1, 0)
        wait_until(lambda: self.s.log_lines().count(RESTARTED) >= before + CYCLES, 20,
                   what="every re-activation to restart the music")
        lines = self.s.log_lines()
        # Each re-activation after start-up plays the song again.
        self.assertGreaterEqual(lines[started:].count("PlayMIDI BattleMode 0"), CYCLES)
        self.assertIn("WM_ACTIVATEAPP 1", lines[started:])
        time.sleep(1)
        self.assertIsNone(self.program.poll(), "the program must keep running")

        # The ending screen's Quit button, as a command: after a deactivation
        # that the system did not make, its button may miss a synthetic click.
        self.s.winctl("close", MAIN_CLASS)
        self.wait_dialog()
        self.s.winctl("command", DIALOG_CLASS, 1)
        self.assertEqual(0, self.s.wait_exit(self.program))
        self.assertFalse(any(l.startswith("DoAssert") for l in self.s.log_lines()))


if __name__ == "__main__":
    harness.main()
