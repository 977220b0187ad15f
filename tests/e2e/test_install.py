"""The Windows downloads in a fresh Wine prefix: the zip is exactly the program folder;
a silent install lays it out with its shortcuts and its entry in the list of apps; the
program runs from there and from anywhere; a reinstall and a silent uninstall keep the
child's book."""
import glob
import os
import zipfile
from pathlib import Path

import harness
from book import Book
from harness import MAIN_CLASS, wait_until
from screen import PAGE_CLASS, VK_RETURN, page_shown

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mossleaf4"
BOOK = ("options04.dta", "save004/page00.sav", "save004/page01.sav", "save004/page02.sav")


class Install(harness.SessionTest):
    def setUp(self):
        super().setUp()
        self.s.env["WINEDLLOVERRIDES"] += ";winemenubuilder.exe=d"  # no menus on this machine
        # A fresh prefix links the desktop to the real home folder: keep it in the prefix.
        for desktop in glob.glob(os.path.join(self.s.prefix, "drive_c/users/*/Desktop")):
            if os.path.islink(desktop):
                os.unlink(desktop)
                os.makedirs(desktop)
        downloads = os.path.normpath(os.path.join(harness.DIST_DIR, "..", ".."))
        self.zip = os.path.join(downloads, "Mossleaf4-win32.zip")
        self.setup_exe = os.path.join(downloads, "Mossleaf4-setup.exe")

    def unix(self, windows_path):
        assert windows_path[:3].upper() == "C:\\", windows_path
        return os.path.join(self.s.prefix, "drive_c", *windows_path[3:].split("\\"))

    def registry(self):
        code, out = self.s.run_wine(["reg", "query", UNINSTALL_KEY])
        rows = (line.strip().split("    ", 2) for line in out.split("\n")[2:])
        return code, {row[0]: row[2] for row in rows if len(row) == 3}

    def folder_files(self, folder):
        return {os.path.relpath(os.path.join(d, f), folder).replace(os.sep, "/")
                for d, _, files in os.walk(folder) for f in files}

    def test_install_reinstall_and_uninstall_keep_the_book(self):
        self.assertEqual(0, self.s.run_wine([self.setup_exe, "/S"], 120)[0], "silent install")
        code, entry = self.registry()
        self.assertEqual(0, code, "the uninstall entry")
        place = entry["InstallLocation"]
        folder = self.unix(place)
        user_folder = self.unix("\\".join(place.split("\\")[:3]))
        with zipfile.ZipFile(self.zip) as archive:
            program = {n[len("Mossleaf4/"):]: archive.read(n) for n in archive.namelist()
                       if not n.endswith("/")}
        self.assertEqual(Path(harness.BIN_DIR, "Mossleaf4.exe").read_bytes(), program["Mossleaf4.exe"],
                         "the product, not the trace build")
        self.assertEqual(self.folder_files(harness.DIST_DIR), set(program), "the zip is the program folder")
        self.assertEqual(set(program) | {"Uninstall Mossleaf 4.exe"}, self.folder_files(folder))
        for name, data in program.items():
            self.assertEqual(data, Path(folder, name).read_bytes(), name)
        kib = (sum(len(d) for d in program.values()) + 1023) // 1024
        self.assertEqual(("Mossleaf 4", "4.0", place + "\\Mossleaf4.exe,0", "The Mossleaf 4 authors", hex(kib), "0x1", "0x1"),
                         tuple(entry.get(k) for k in ("DisplayName", "DisplayVersion", "DisplayIcon", "Publisher",
                                                      "EstimatedSize", "NoModify", "NoRepair")), "the list of apps")
        # The shortcuts name the program; it finds its files from any folder (below).
        start_menu = "AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
        links = [os.path.join(user_folder, start_menu, "Mossleaf 4.lnk"),
                 os.path.join(user_folder, "Desktop/Mossleaf 4.lnk")]
        for link in links:
            self.assertIn((place + "\\Mossleaf4.exe").encode("latin-1"), Path(link).read_bytes(), link)

        # The program, started in its folder as the shortcuts do, keeps its book there.
        copy = self.s.folder
        self.s.folder = folder
        Book.prepare(folder)
        book = Book(self, self.s)
        book.start()
        book.stick(106)
        book.close()
        stuck = {name: self.s.read(name) for name in BOOK}

        self.assertEqual(0, self.s.run_wine([self.setup_exe, "/S"], 120)[0], "reinstall")
        self.assertEqual(stuck, {name: self.s.read(name) for name in BOOK}, "the book after a reinstall")

        # Started from elsewhere, it finds its files beside itself; a second copy
        # from another folder brings it back to the front and stops before it makes a file.
        elsewhere = os.path.join(self.s.root, "elsewhere")
        os.makedirs(elsewhere)
        book.program = self.s.spawn([harness.WINE, place + "\\Mossleaf4.exe"], cwd=elsewhere)
        self.s.wait_window()
        self.s.winctl("minimize", MAIN_CLASS)
        wait_until(lambda: self.s.text("iconic") == "1", 20, 0.3, "minimised")
        second = self.s.spawn([harness.WINE, "Mossleaf4.exe"], cwd=copy)
        self.assertEqual(0, self.s.wait_exit(second, 60), "the second copy")
        wait_until(lambda: self.s.text("iconic") == "0", 20, 0.3, "restored")
        self.assertEqual(MAIN_CLASS, self.s.winctl("foreground")[1].strip(), "in front")
        self.s.winctl("key", MAIN_CLASS, VK_RETURN)
        self.s.wait_window(PAGE_CLASS)
        wait_until(lambda: page_shown(self.s, 0), 20, 0.1, "the play screen painted, where keys work")
        book.close()
        self.assertEqual([], os.listdir(elsewhere))
        self.assertFalse(os.path.exists(os.path.join(copy, "save004")), "the second copy stopped early")

        # The uninstall as the list of apps runs it, silently.
        uninstaller, quiet = entry["QuietUninstallString"].rsplit(" ", 1)
        self.assertEqual(0, self.s.run_wine([uninstaller.strip('"'), quiet], 120)[0], "silent uninstall")
        # The uninstaller runs on from a copy of itself in the temporary folder.
        wait_until(lambda: self.folder_files(folder) == set(BOOK), 120, 0.5, "the program removed")
        wait_until(lambda: self.registry()[0] != 0, 60, 0.5, "the uninstall entry removed")
        self.assertEqual(stuck, {name: self.s.read(name) for name in BOOK}, "the book after uninstalling")
        self.assertEqual([], [link for link in links if os.path.exists(link)])


if __name__ == "__main__":
    harness.main()
