"""The missing-file check of start-up, one start per case: a missing picture refuses
the start with one message naming it, creates no window and exits 0 once answered.
(Files that are created or tolerated are the first run's and the bad-input sweep's.)"""
import os

import harness
from harness import SessionTest
from screen import DIALOG_CLASS

MESSAGE = "A file (%s) needed for Glimmerbook is missing."


class MissingFiles(SessionTest):
    def refused(self, named):
        """Starts the program; it must refuse, naming data004\\<named> under the
        folder it traced."""
        if os.path.exists(self.s.file("log.txt")):
            os.remove(self.s.file("log.txt"))
        program = self.s.start(wait_window=False)
        self.s.wait_window(DIALOG_CLASS)
        self.assertEqual("Error", self.s.text("title", DIALOG_CLASS))
        texts = self.s.winctl("texts", DIALOG_CLASS)[1].split("\n")
        self.s.winctl("close", DIALOG_CLASS)
        self.assertEqual(0, self.s.wait_exit(program))
        lines = self.s.log_lines()
        self.assertIn("No handle was created.", lines)
        self.assertNotIn("WM_Create END", lines)
        folder = [l for l in lines if l.startswith("WM_Create 3 ")][0][len("WM_Create 3 "):]
        self.assertIn(MESSAGE % (folder + "\\data004\\" + named), texts)
        self.assertEqual(1, len([t for t in texts if t.startswith("A file (")]), texts)

    def test_a_missing_picture_refuses_the_start_before_any_file_is_made(self):
        # The last picture probed, once every other one passed; and the first missing
        # file in probe order, the check walking the whole sticker table.
        for missing in (["b0013.dat"], ["s0517.dat", "b0202.dat", "m0001.dat"]):
            for name in missing:
                os.rename(self.s.file("data004/" + name), self.s.file(name))
            self.refused(missing[0])
            self.assertFalse(os.path.exists(self.s.file("options04.dta")))
            for name in missing:
                os.rename(self.s.file(name), self.s.file("data004/" + name))


if __name__ == "__main__":
    harness.main()
