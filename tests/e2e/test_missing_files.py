"""The missing-file check of start-up: a missing picture refuses the start with one
message naming it, creates no window and no file, and exits 0 once answered. (Files
that are created or tolerated are the first run's and the bad-input sweep's; the order
of the probes is the start-up unit test's.)"""
import os

import harness
from harness import SessionTest, wait_until
from screen import DIALOG_CLASS

MESSAGE = "A file (%s) needed for Glimmerbook is missing."


class MissingFiles(SessionTest):
    def test_a_missing_picture_refuses_the_start_before_any_file_is_made(self):
        # The last picture probed, once every other one passed.
        os.remove(self.s.file("data004/b0013.dat"))
        program = self.s.start(wait_window=False)
        self.s.wait_window(DIALOG_CLASS)
        # The box's window comes before its caption.
        wait_until(lambda: self.s.text("title", DIALOG_CLASS) == "Error", what='the "Error" box')
        texts = self.s.winctl("texts", DIALOG_CLASS)[1].split("\n")
        self.s.winctl("close", DIALOG_CLASS)
        self.assertEqual(0, self.s.wait_exit(program))
        lines = self.s.log_lines()
        self.assertIn("No handle was created.", lines)
        # Named under the folder the program traced.
        folder = [l for l in lines if l.startswith("WM_Create 3 ")][0][len("WM_Create 3 "):]
        self.assertIn(MESSAGE % (folder + "\\data004\\b0013.dat"), texts)
        self.assertEqual(1, len([t for t in texts if t.startswith("A file (")]), texts)
        self.assertFalse(os.path.exists(self.s.file("options04.dta")))


if __name__ == "__main__":
    harness.main()
