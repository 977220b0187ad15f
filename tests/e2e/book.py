"""Drives a whole sticker book through the real program and keeps a model of
what its files must hold: which stickers are used and what each page holds.
Shared by the soak, kill, bad-input and monkey tests and the benchmarks."""
import os
import struct

from harness import MAIN_CLASS, SessionTest, wait_until
from screen import (CLEAR_ALL, CLEAR_YES, DIALOG_CLASS, ENDING_QUIT, NEXT_PAGE, OPTIONS_HINT_SHOWN, PAGE, PAGE_CLASS,
                    PREVIOUS_PAGE, REST, TAB_XS, TRAY, VK_NEXT, VK_PRIOR, VK_RETURN, ledger, page_file, page_shown,
                    picture, sticker_name, tray_and_tabs, wait_dialog_shown, wait_shows)

STICKABLE_GROUP = 3
# The stickers that have a place on one of the two pages, with that place:
# page index 0 is page number 1.
PLACES = {84: (1, 100, 69), 85: (1, 140, 6), 86: (1, -7, 9), 87: (1, 338, 68),
          88: (1, 427, 26), 89: (1, 14, 205), 90: (1, 398, 186), 91: (1, 130, 360),
          92: (1, 367, 467), 93: (1, 614, 462), 106: (0, 332, 147), 107: (0, 124, 74),
          108: (0, 587, 63), 109: (0, 47, 346), 110: (0, 220, 448), 111: (0, 705, 388)}
SAVE_NAMES = ("save004/page01.sav", "save004/page02.sav")
LEDGER_NAME = "save004/page00.sav"


def sticker_size(index):
    pic = picture(sticker_name("s", index))
    return pic.width, pic.height


def screen_point(index, top_left):
    """Where the pointer goes so that the carried sticker's top-left lands there."""
    w, h = sticker_size(index)
    return PAGE[0] + top_left[0] + w // 2, PAGE[1] + top_left[1] + h // 2


def read_page(data):
    """The (index, x, y) records of a page file, or None when it is not one."""
    header = len(page_file())
    if data[:header] != page_file() or (len(data) - header) % 20:
        return None
    return sorted(struct.unpack_from("<iii", data, i) for i in range(header, len(data), 20))


def read_ledger(data):
    """The set of used stickers in a ledger file, or None when it is not one."""
    if len(data) != len(ledger()) or data[:22] != ledger()[:22]:
        return None
    states = struct.unpack_from("<224i", data, 22)
    return None if set(states) - {0, 1} else {i for i, s in enumerate(states) if s}


def temporary_files(session):
    return [n for n in os.listdir(session.folder) + os.listdir(session.file("save004")) if n.endswith(".tmp")]


def read_files(session):
    """The ledger's used stickers and both pages' records; None for a damaged file."""
    return read_ledger(session.read(LEDGER_NAME)), [read_page(session.read(name)) for name in SAVE_NAMES]


class BookTest(SessionTest):
    def folder_setup(self, folder):
        Book.prepare(folder)


class Book:
    """One program in a session, driven with the real mouse, and a model of what
    its files must hold: the used stickers and each page's records."""

    def __init__(self, test, session):
        self.t, self.s = test, session
        self.used, self.pages, self.program, self.page = set(), ([], []), None, 0

    def state(self):
        """A copy of the model, as read_files gives it."""
        return set(self.used), [sorted(p) for p in self.pages]

    @staticmethod
    def prepare(folder):
        """A program folder whose hint was already shown, so no dialog interrupts."""
        with open(os.path.join(folder, "options04.dta"), "wb") as f:
            f.write(OPTIONS_HINT_SHOWN)

    # -- starting and closing --------------------------------------------
    def start(self, env=None, drawn=True):
        self.program = self.s.start(env=env)
        self.s.winctl("key", MAIN_CLASS, VK_RETURN)
        self.s.wait_window(PAGE_CLASS)
        self.page = 0
        if drawn:  # the play screen painted whole, with no other program in front of it
            self.s.move(*REST)
            wait_until(lambda: page_shown(self.s, 0), 20, 0.1, "the play screen painted")
            wait_shows(self.s, tray_and_tabs(0), "the play screen's buttons drawn")

    def close(self):
        self.answer(lambda: self.s.winctl("key", MAIN_CLASS, ord("Q")), "EndingScrnDialogBkg", ENDING_QUIT)
        self.t.assertEqual(0, self.s.wait_exit(self.program, 60), "the exit code")
        self.program = None

    # -- actions ----------------------------------------------------------
    def stickable(self):
        """The stickers that still have a place on the page shown."""
        return [i for i, (page, _, _) in PLACES.items() if page == self.page and i not in self.used]

    def choose_group(self, group):
        self.s.click(TAB_XS[group] + 30, 9 + 30)

    def take(self, index, confirm=True):
        """Clicks the sticker's tray button; with confirm, waits for the carry
        to hide the cursor, since clicks before it would not reach the carry."""
        self.choose_group(index // 28)
        x, y = TRAY[index % 28]
        self.s.click(x + 30, y + 30)
        if confirm:
            wait_until(lambda: not self.s.cursor()[1], 10, 0.05, "the carry of %d" % index)

    def drop_at(self, index, top_left, button):
        x, y = screen_point(index, top_left)
        self.s.xdo("mousemove %d %d sleep 0.05 mousemove %d %d sleep 0.1 click %d" % (x + 1, y, x, y, button))

    def stick(self, index, wait=True):
        """Takes a sticker of the page shown and sticks it on its place."""
        page, x, y = PLACES[index]
        assert page == self.page and index not in self.used
        self.take(index)
        self.drop_at(index, (x, y), 1)
        self.used.add(index)
        self.pages[page].append((index, x, y))
        if wait:
            self.wait_equal(ledger(self.used), lambda: self.s.read(LEDGER_NAME),
                            "the ledger after sticking %d" % index)

    def turn(self, forward, check=True, key=False):
        """By Page Down or Up with key, else by the arrows; waits for the page, and with check the file left."""
        left = self.page
        if key:
            self.s.winctl("key", MAIN_CLASS, VK_NEXT if forward else VK_PRIOR)
        else:
            self.s.click(*(NEXT_PAGE if forward else PREVIOUS_PAGE))
        self.page = 1 - self.page
        wait_until(lambda: page_shown(self.s, self.page), 10, 0.1, "page index %d shown" % self.page)
        if check:
            self.t.assertEqual(sorted(self.pages[left]), read_page(self.s.read(SAVE_NAMES[left])), SAVE_NAMES[left])

    def answer(self, press, background, button):
        """Opens a dialog and, once it shows, clicks its button."""
        press()
        wait_dialog_shown(self.s, background)
        self.s.click(*button)

    def clear_all(self, wait=True):
        self.answer(lambda: self.s.click(*CLEAR_ALL), "ClearAllDialogBkg", CLEAR_YES)
        self.used, self.pages = set(), ([], [])
        if wait:
            self.check_files("after clear-all")
            self.s.wait_window(DIALOG_CLASS, 20, shown=False)

    # -- the files --------------------------------------------------------
    def wait_equal(self, expected, read, what):
        try:
            wait_until(lambda: read() == expected, 10, 0.05, what)
        except AssertionError:
            self.t.assertEqual(expected, read(), what)

    def check_files(self, when):
        self.wait_equal(self.state(), lambda: read_files(self.s), "the files %s" % when)

    def resources(self):
        """GDI handles and windows of the program, and its memory as Linux sees it."""
        handles, windows, private = (int(v) for v in self.s.winctl("resources", MAIN_CLASS)[1].split())
        # Wine runs the program in the Linux process it started as.
        with open("/proc/%d/status" % self.program.pid) as f:
            rss = [int(line.split()[1]) for line in f if line.startswith("VmRSS:")][0]
        return {"gdi_handles": handles, "windows": windows, "private_kib": private // 1024, "rss_kib": rss}


class Script:
    """One cycle of a child's play, chosen at random: perhaps another group,
    a sticker stuck on its place or thrown away, perhaps a page turn, and a
    clear-all now and then (always once every sticker is stuck)."""

    def __init__(self, book, rng):
        self.book, self.rng = book, rng
        self.actions = dict.fromkeys(("stuck", "thrown away", "group changes", "page turns", "clear-alls"), 0)

    def cycle(self):
        book, rng = self.book, self.rng
        if rng.random() < 0.2:
            self.do("group changes", book.choose_group, rng.randrange(8))
        stickable = book.stickable()
        if stickable and rng.random() < 0.4:
            self.do("stuck", book.stick, rng.choice(stickable))
        else:
            self.do("thrown away", self.throw_one_away)
        if rng.random() < 0.15:
            self.do("page turns", book.turn, rng.random() < 0.5)
        if len(book.used) == len(PLACES) or (book.used and rng.random() < 0.02):
            self.do("clear-alls", book.clear_all)

    def do(self, name, action, *args):
        action(*args)
        self.actions[name] += 1

    def throw_one_away(self):
        """Takes a sticker and drops it where it does not stick."""
        book, rng = self.book, self.rng
        index = rng.choice([i for i in range(224) if i not in book.used])
        button = rng.choice((1, 3))
        while True:
            top_left = (rng.randrange(0, 700), rng.randrange(0, 480))
            page, x, y = PLACES.get(index, (-1, 0, 0))
            if page != book.page or abs(top_left[0] - x) >= 30 or abs(top_left[1] - y) >= 30:
                break
        book.take(index)
        book.drop_at(index, top_left, button)
        wait_until(lambda: self.book.s.cursor()[1], 10, 0.05, "the cursor back after throwing %d away" % index)
