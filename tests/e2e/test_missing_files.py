"""The missing-file check of start-up: a missing picture refuses the start
with one message naming it; files that are created or tolerated do not."""
import os
import shutil

import harness
from harness import SessionTest, wait_until

BOX_CLASS = "#32770"
MESSAGE = "A file (%s) needed for Glimmerbook is missing."


class Refusal(SessionTest):
    """The program shows the box, creates no window and exits 0 once it is answered."""
    removed = ()

    def folder_setup(self, folder):
        for name in self.removed:
            os.remove(os.path.join(folder, "data004", name))

    def refused_start(self, program):
        wait_until(lambda: self.s.window_exists(BOX_CLASS), 30, 0.3, "the message box")
        self.assertEqual("Error", self.s.winctl("title", BOX_CLASS)[1].strip())
        texts = self.s.winctl("texts", BOX_CLASS)[1].split("\n")
        self.s.winctl("close", BOX_CLASS)
        self.assertEqual(0, self.s.wait_exit(program))
        lines = self.s.log_lines()
        self.assertIn("No handle was created.", lines)
        self.assertNotIn("WM_Create END", lines)
        folder = [l for l in lines if l.startswith("WM_Create 3 ")][0][len("WM_Create 3 "):]
        return texts, folder, lines

    def assert_names(self, texts, path):
        self.assertIn(MESSAGE % path, texts)
        others = [t for t in texts if t.startswith("A file (")]
        self.assertEqual(1, len(others), texts)


class StartButtonMissing(Refusal):
    removed = ("b0013.dat",)

    def test_the_last_picture_probed_is_named_after_all_others_passed(self):
        texts, folder, lines = self.refused_start(self.s.start(wait_window=False))
        self.assert_names(texts, folder + "\\data004\\b0013.dat")
        self.assertLess(lines.index("CCheckFile CheckMissingFiles.  NUMBEROFSTICKERGRAPHICS 224"),
                        lines.index("No handle was created."))
        self.assertFalse(os.path.exists(self.s.file("options04.dta")),
                         "the options come after the check")


class StickerPictureMissing(Refusal):
    # A group-5 sticker: the check walks the whole sticker table.
    removed = ("s0517.dat", "b0202.dat", "m0001.dat")

    def test_the_first_missing_file_in_probe_order_is_named(self):
        texts, folder, _ = self.refused_start(self.s.start(wait_window=False))
        self.assert_names(texts, folder + "\\data004\\s0517.dat")


class TolerableFilesMissing(SessionTest):
    def folder_setup(self, folder):
        for name in ("b0019.dat", "b0020.dat"):
            os.remove(os.path.join(folder, "data004", name))
        shutil.rmtree(os.path.join(folder, "save004"), ignore_errors=True)

    def test_the_counters_may_be_missing_and_the_save_folder_and_options_are_made(self):
        program = self.s.start()
        wait_until(lambda: "WM_Create END" in self.s.log_lines(), 20, 0.3, "the end of WM_CREATE")
        self.assertFalse(self.s.window_exists(BOX_CLASS))
        self.assertIsNone(program.poll())
        self.assertTrue(os.path.isdir(self.s.file("save004")))
        options = self.s.read("options04.dta")
        self.assertEqual(b"\x08\x00\x00\x00ZEPGOPTN\x00\x04\x00\x00\x01\x00\x00\x00", options)
        # The fresh ledger and page files went through their temporary files.
        wait_until(lambda: os.path.exists(self.s.file("save004/page00.sav")), 20, 0.3, "the ledger")
        self.assertEqual([], [n for n in os.listdir(self.s.folder) if n.endswith(".tmp")] +
                         [n for n in os.listdir(self.s.file("save004")) if n.endswith(".tmp")],
                         "no temporary file is left behind")


if __name__ == "__main__":
    harness.main()
