"""The missing-file check of start-up, one session, one start per case: a
missing picture refuses the start with one message naming it, creates no
window and exits 0 once answered; files that are created or tolerated do not
refuse it."""
import os
import shutil

import harness
from harness import SessionTest, wait_until
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

    def remove(self, *names, back=False):
        """Moves the pictures out of their folder; with back, into it again."""
        for name in names:
            paths = (self.s.file("data004/" + name), self.s.file(name))
            os.rename(*paths[::-1] if back else paths)

    def test_missing_pictures_refuse_the_start_and_tolerable_files_do_not(self):
        # The last picture probed, once every other one passed; before the options are made.
        self.remove("b0013.dat")
        self.refused("b0013.dat")
        self.assertFalse(os.path.exists(self.s.file("options04.dta")))
        self.remove("b0013.dat", back=True)

        # The first missing file in probe order; the check walks the whole sticker table.
        self.remove("s0517.dat", "b0202.dat", "m0001.dat")
        self.refused("s0517.dat")
        self.remove("s0517.dat", "b0202.dat", "m0001.dat", back=True)

        # The counters may be missing; the save folder and the options are made.
        self.remove("b0019.dat", "b0020.dat")
        shutil.rmtree(self.s.file("save004"), ignore_errors=True)
        program = self.s.start()
        wait_until(lambda: os.path.exists(self.s.file("save004/page00.sav")), 20, 0.3,
                   "the page files")
        self.assertFalse(self.s.window_exists(DIALOG_CLASS))
        self.assertIsNone(program.poll())
        self.assertEqual(20, len(self.s.read("options04.dta")))
        # The fresh files went through their temporary files and left none behind.
        self.assertEqual([], [n for n in os.listdir(self.s.folder) + os.listdir(self.s.file("save004"))
                              if n.endswith(".tmp")])


if __name__ == "__main__":
    harness.main()
