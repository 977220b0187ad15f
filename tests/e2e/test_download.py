"""The Windows download: Mossleaf4-win32.zip holds exactly the program folder,
and the program starts from a fresh folder it was unzipped into."""
import os
import shutil
import zipfile

import harness
from book import Book
from harness import SessionTest, wait_until
from screen import PAGE_HEADER, ledger


def zip_path():
    return os.path.normpath(os.path.join(harness.DIST_DIR, "..", "..", "Mossleaf4-win32.zip"))


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Download(SessionTest):
    trace = False

    def folder_setup(self, folder):
        shutil.rmtree(folder)
        with zipfile.ZipFile(zip_path()) as archive:
            archive.extractall(os.path.dirname(folder))

    def test_the_zip_is_the_program_folder_and_runs_from_where_it_was_unzipped(self):
        with zipfile.ZipFile(zip_path()) as archive:
            names = set(archive.namelist())
            pictures = sorted(os.listdir(os.path.join(harness.DIST_DIR, "data004")))
            self.assertGreater(len(pictures), 400)
            expected = {"Mossleaf4/", "Mossleaf4/Mossleaf4.exe", "Mossleaf4/ZEP04.mid",
                        "Mossleaf4/data004/"} | {"Mossleaf4/data004/" + p for p in pictures}
            self.assertEqual(set(), names - expected, "entries that do not belong")
            self.assertEqual(set(), expected - names, "entries missing")
            self.assertEqual(read(os.path.join(harness.BIN_DIR, "Mossleaf4.exe")),
                             archive.read("Mossleaf4/Mossleaf4.exe"), "the product, not the trace build")
            for name in ("ZEP04.mid", "data004/" + pictures[0], "data004/" + pictures[-1]):
                self.assertEqual(read(os.path.join(harness.DIST_DIR, name)),
                                 archive.read("Mossleaf4/" + name), name)

        self.assertEqual({"Mossleaf4.exe", "ZEP04.mid", "data004"}, set(os.listdir(self.s.folder)))
        book = Book(self, self.s)
        book.start()
        wait_until(lambda: os.path.exists(self.s.file("save004/page02.sav")), 10, 0.2, "the save folder")
        book.close()
        self.assertEqual(ledger(), self.s.read("save004/page00.sav"))
        for name in ("save004/page01.sav", "save004/page02.sav"):
            self.assertEqual(PAGE_HEADER, self.s.read(name), name)
        self.assertEqual(20, len(self.s.read("options04.dta")))


if __name__ == "__main__":
    harness.main()
