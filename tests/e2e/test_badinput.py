"""The program started against damaged files: each use of a picture, the options,
ledger and page files, and the music, damaged in one way its reader refuses or reads
in part (every damage's refusal is the readers' unit tests'). It must start, play and
close as usual, rewriting what it treats as absent, never crash and never hang. The
suite damages several unrelated files per start; --separately starts once per damage."""
import collections
import os
import shutil
import struct
from pathlib import Path

import harness
from book import (LEDGER_NAME as LEDGER, PLACES, SAVE_NAMES, Book, read_files, read_ledger, read_page,
                  temporary_files)
from harness import SessionTest, wait_until
from screen import DIALOG_CLASS, REST, ledger, page_file, sticker_name

OPTIONS, MUSIC, (PAGE1, PAGE2) = "options04.dta", "ZEP04.mid", SAVE_NAMES
HUGE_STRING = struct.pack("<I", 0x7FFFFFF0) + b"MORVEN04" * 4
# The picture damages hit the sticker the drive takes and throws away; it
# sticks one sticker on each page.
TAKEN, STUCK, STUCK_ON_2 = 108, 107, 84


def at_place(index):
    return (index,) + PLACES[index][1:]


def original(name):
    return Path(harness.DIST_DIR, name).read_bytes()


def patched(name, offset, fmt, *values):
    data = bytearray(original(name))
    struct.pack_into(fmt, data, offset, *values)
    return bytes(data)


# Files to write (None removes one), what the files hold afterwards, and whether
# the hint shows: a rejected options file is rewritten with the hint still to show.
Damage = collections.namedtuple("Damage", "label files after hint", defaults=({}, False))


def write(folder, files):
    for name, data in files.items():
        path = Path(folder, name)
        if data is None:
            path.unlink()
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)


def families():
    sticker, tray = ("data004/%s.dat" % sticker_name(kind, TAKEN) for kind in "sb")
    # A rejected ledger is rebuilt from the pages: the page's sticker stays, beside the drive's two.
    rebuilt = {LEDGER: ledger({106, STUCK, STUCK_ON_2}), PAGE1: page_file([(106, 332, 147), at_place(STUCK)]),
               PAGE2: page_file([at_place(STUCK_ON_2)])}
    return {
        "options": [Damage("options with a huge string length", {OPTIONS: HUGE_STRING}, hint=True)],
        "ledger": [Damage("ledger cut after 100 states",
                          {LEDGER: ledger({106})[:22 + 400], PAGE1: page_file([(106, 332, 147)])}, rebuilt)],
        # Cut, the page keeps its whole records; the ledger's other sticker is put back.
        "pages": [Damage("page file cut inside its second record",
                         {LEDGER: ledger({106, 109}), PAGE1: page_file([(106, 332, 147), (109, 47, 346)])[:16 + 27]},
                         {PAGE1: page_file([(106, 332, 147), at_place(109), at_place(STUCK)])})],
        "music": [Damage("music with a track of 2 GB", {MUSIC: patched(MUSIC, 18, ">I", 0x7FFFFFFF)}),
                  Damage("music missing", {MUSIC: None})],
        # One damage for each use of a picture: the readers refuse every kind alike.
        "sticker": [Damage("sticker picture truncated", {sticker: original(sticker)[:20]})],
        # 65536 x 65536 at 3 bytes a pixel: the row bytes times the rows wrap to 0 in 32 bits.
        "tray": [Damage("tray picture of 65536 x 65536 pixels", {tray: patched(tray, 18, "<ii", 0x10000, 0x10000)})],
        "background": [Damage("page background with the BM magic",
                              {"data004/p0001.dat": b"BM" + original("data004/p0001.dat")[2:]})],
        "corners": [Damage("corner strip of 65536 x 65536 pixels",
                           {"data004/m0002.dat": patched("data004/m0002.dat", 18, "<ii", 0x10000, 0x10000)})],
        "title": [Damage("Start button truncated", {"data004/b0013.dat": original("data004/b0013.dat")[:20]})],
        # The counters may be missing: they do not refuse the start.
        "counters": [Damage("counter pictures missing", {"data004/b0019.dat": None, "data004/b0020.dat": None})],
    }


def rounds(separately):
    """Lists of damages to apply together: one file family each, and never the
    ledger together with the page files (the ledger's damage comes with a page of its own)."""
    all_families = families()
    if separately:
        return [[d] for damages in all_families.values() for d in damages]
    apart = {"pages": "ledger", "ledger": "pages"}
    result = []
    for lead, excluded in apart.items():
        others = [f for name, f in all_families.items() if name not in (lead, excluded)]
        for damage in all_families[lead]:
            result.append([damage] + [f[len(result) % len(f)] for f in others])
    return result


class BadInput(SessionTest):
    def folder_setup(self, folder):
        self.pristine = os.path.join(os.path.dirname(folder), "pristine")
        shutil.copytree(folder, self.pristine)

    def restore(self):
        """The program folder as a run left it: hint shown, nothing stuck."""
        shutil.rmtree(self.s.folder)
        shutil.copytree(self.pristine, self.s.folder)
        Book.prepare(self.s.folder)
        write(self.s.folder, {LEDGER: ledger(), PAGE1: page_file(), PAGE2: page_file()})

    def test_damaged_files_never_crash_or_hang_the_program(self):
        for damages in rounds(os.environ.get("MOSSLEAF_BADINPUT_SEPARATELY") == "1"):
            labels = ", ".join(d.label for d in damages)
            with self.subTest(labels):
                self.restore()
                for damage in damages:
                    write(self.s.folder, damage.files)
                hint = any(d.hint for d in damages)
                self.assertEqual(hint, self.play_a_little(labels, hint), "%s: the hint shown" % labels)
                self.assertSound(labels)
                for damage in damages:
                    for name, expected in damage.after.items():
                        self.assertFile(expected, name, "%s: %s" % (damage.label, name))

    def play_a_little(self, labels, hint_expected):
        """Takes and throws away one sticker, sticks another, turns the pages
        and closes; answers whether the hint was shown."""
        book = Book(self, self.s)
        book.start()
        # The hint may come first, and a damaged picture may leave nothing to carry.
        book.take(TAKEN, confirm=False)
        try:
            self.s.wait_window(DIALOG_CLASS, 10 if hint_expected else 1)
        except harness.Timeout:
            hint = False
        else:
            hint = True
            self.s.winctl("command", DIALOG_CLASS, 1)
            self.s.wait_window(DIALOG_CLASS, 10, shown=False)
        self.s.click(*REST, button=3)
        wait_until(lambda: self.s.cursor()[1], 10, 0.05, "the cursor back after the right click")
        book.used = read_ledger(self.s.read(LEDGER)) or set()
        book.stick(STUCK)
        # By key: a sticker that could not be made must leave the shortcuts working.
        book.turn(True, check=False, key=True)
        book.stick(STUCK_ON_2)
        book.turn(False, check=False)
        book.close()
        return hint

    def assertFile(self, expected, name, what):
        if name in (PAGE1, PAGE2):
            # Depths are renumbered on every reading: compare the stickers.
            self.assertEqual(read_page(expected), read_page(self.s.read(name)), what)
        else:
            self.assertEqual(expected, self.s.read(name), what)

    def assertSound(self, labels):
        """Whatever came in, what the program leaves is whole (what a page may
        hold is the page reader's unit test's and the monkey's); the files went
        through their temporary files and left none behind."""
        used, pages = read_files(self.s)
        self.assertTrue(used is not None and None not in pages, "%s: %s" % (labels, (used, pages)))
        self.assertEqual(20, len(self.s.read(OPTIONS)), labels)
        self.assertEqual([], temporary_files(self.s), labels)


if __name__ == "__main__":
    harness.main("separately")
