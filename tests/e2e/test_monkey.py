"""A monkey: random input from a seed, as a child gives it: clicks anywhere and on
buttons, drags, right clicks, keys, stickers brought near their places, another
program in front and the book brought back, WM_CANCELMODE during a carry. The book
is started again whenever it quits. It fails on a crash (an exit code other than 0),
an assertion box, a window that does not answer for 10 s, a dialog that stays open
at the end, and on files that disagree whenever the book has quit (every sticker on
a page exactly on its place there, once, and marked used; every used one on its
page). A failure names the seed and the last events, to replay it. The long form:
    python3 tests/e2e/test_monkey.py --bin B/bin --dist B/dist/Mossleaf4 --events 2000 --seed 1,2,3
"""
import os
import random
import sys
import time

import harness
from book import LEDGER_NAME, PLACES, Book, read_files, read_ledger
from harness import MAIN_CLASS, SessionTest, wait_until
from screen import CLEAR_ALL, DIALOG_CLASS, NEXT_PAGE, PAGE_CLASS, PREVIOUS_PAGE, TAB_XS, TRAY

OTHER_CLASS = "WineMine"
WM_CANCELMODE = 0x1F

ASSERT_CAPTION = "ASSERTION FAILURE"
KEYS = (list("abcdefghijklmnopqrstuvwxyz0123456789") +
        ["Return", "space", "Escape", "Tab", "Left", "Right", "Up", "Down", "Prior", "Next",
         "BackSpace", "F1", "alt+F4"])
BUTTONS = ([(x + 30, 9 + 32) for x in TAB_XS] + [(x + 30, y + 30) for x, y in TRAY] +
           [NEXT_PAGE, PREVIOUS_PAGE, CLEAR_ALL, (77, 45), (917, 45), (983, 45)])
# A dialog left open this many events is answered with its first button.
DIALOG_PATIENCE = 4


class Monkey:
    def __init__(self, session, seed):
        self.s, self.seed, self.rng, self.book = session, seed, random.Random(seed), Book(None, session)
        self.log, self.figures, self.used = [], {"events": 0, "starts": 0, "stuck": 0}, set()
        self.dialog_age, self.closing, self.back_in = 0, False, None

    def ctl(self, *args):
        return self.s.winctl(*args, check=False)

    def note(self, text):
        self.log.append("%5d %s" % (self.figures["events"], text))

    def fail(self, why):
        with open(os.path.join(harness.ARTIFACTS, "monkey-%s-events.txt" % self.seed), "w") as f:
            f.write("\n".join(self.log) + "\n")
        with open(self.s.errors) as f:
            errors = [line for line in f if not line.startswith("ALSA lib")]
        raise AssertionError("%s\nreplay with --seed %s --events %d; the last events:\n%s\nthe program's error output:\n%s"
                             % (why, self.seed, self.figures["events"], "\n".join(self.log[-25:]), "".join(errors[-40:])))

    # -- the book ----------------------------------------------------------
    def start(self):
        self.book.start(drawn=False)  # another program may be in front
        self.figures["starts"] += 1
        self.note("started")

    def check(self):
        """After each event: a crash, an assertion, a hang; a dialog answered
        when the monkey has left it open too long; the book started again
        once it has quit."""
        code, title = self.ctl("title", DIALOG_CLASS)
        if code == 0 and title.startswith(ASSERT_CAPTION):
            self.fail("assertion: %s" % self.ctl("texts", DIALOG_CLASS)[1])
        self.dialog_age = self.dialog_age + 1 if code == 0 else 0
        if self.dialog_age > DIALOG_PATIENCE:
            self.note("dialog %r answered" % title.strip())
            self.ctl("command", DIALOG_CLASS, 1)
            self.dialog_age = 0
        code, _ = self.ctl("answers", MAIN_CLASS)
        if code == 4:
            self.fail("the book did not answer for 10 s")
        if code == 1 or self.book.program.poll() is not None:
            try:
                self.s.wait_exit(self.book.program)
            except harness.Timeout:
                self.fail("the window is gone but the program did not end")
            if self.book.program.returncode != 0:
                self.fail("the book crashed: exit code %d" % self.book.program.returncode)
            self.note("quit")
            self.check_files()
            self.start()
        used = read_ledger(self.s.read(LEDGER_NAME)) or set()
        self.figures["stuck"] += len(used - self.used)
        self.used = used

    def check_files(self):
        used, pages = read_files(self.s)
        if used is None or None in pages:
            self.fail("damaged files: ledger %s, pages %s" % (used, pages))
        placed = [(index, (page, x, y)) for page, records in enumerate(pages) for index, x, y in records]
        stuck = [index for index, _ in placed]
        faults = ["sticker %d at %s (page, x, y) is off its place" % (i, at) for i, at in placed if PLACES.get(i) != at]
        faults += ["sticker %d twice" % i for i in sorted(set(stuck)) if stuck.count(i) > 1]
        faults += ["sticker %d on a page but not marked used" % i for i in sorted(set(stuck) - used)]
        faults += ["sticker %d marked used but on no page" % i for i in sorted(used - set(stuck))]
        if faults:
            self.fail("the files disagree: %s" % "; ".join(faults))

    # -- events ------------------------------------------------------------
    def point(self):
        return self.rng.randrange(1024), self.rng.randrange(768)

    def act(self, commands):
        """xdotool commands, noted as they are."""
        self.s.xdo(commands)
        self.note(commands)

    def click(self, button=1, at=None):
        self.act("mousemove %d %d click %d" % ((at or self.point()) + (button,)))

    def drag(self):
        (x, y), (x2, y2) = self.point(), self.point()
        self.act("mousemove %d %d mousedown 1 %s mouseup 1" % (x, y, " ".join(
            "mousemove %d %d" % (x + (x2 - x) * i // 4, y + (y2 - y) * i // 4) for i in range(1, 5))))

    def stick(self):
        """A sticker of the book's pages taken and brought near its place, which
        is on the page shown or not; one carry in five is ended by WM_CANCELMODE
        and a button clicked instead."""
        free = sorted(set(PLACES) - self.used)
        if not free or self.s.window_exists(DIALOG_CLASS) or self.ctl("foreground")[1].strip() != MAIN_CLASS:
            return self.click()
        index = self.rng.choice(free)
        try:
            self.book.take(index)
        except harness.Timeout:
            return self.note("took %d, but no carry began" % index)
        if self.rng.random() < 0.2:
            self.ctl("post", PAGE_CLASS, WM_CANCELMODE, 0, 0)
            self.note("took %d, WM_CANCELMODE" % index)
            return self.click(1, self.rng.choice(BUTTONS))
        page, px, py = PLACES[index]
        top_left = (px + self.rng.randint(-24, 24), py + self.rng.randint(-24, 24))
        self.book.drop_at(index, top_left, 1)
        self.note("took %d, dropped at %d,%d of page %d" % ((index,) + top_left + (page + 1,)))

    def away(self):
        """Another program in front; the book is brought back a few events later."""
        if not self.s.window_exists(OTHER_CLASS):
            self.s.spawn([harness.WINE, "winemine"])
            self.s.wait_window(OTHER_CLASS, 60)
        self.ctl("restore", OTHER_CLASS)
        self.back_in = self.rng.randrange(4)
        self.note("another program in front")

    EVENTS = ((click, 20), (lambda m: m.click(3), 8), (lambda m: m.click(1, m.rng.choice(BUTTONS)), 20), (drag, 8),
              (lambda m: m.act("key " + m.rng.choice(KEYS)), 25), (stick, 15), (away, 4))

    def run(self, events):
        self.start()
        actions, weights = zip(*self.EVENTS)
        for _ in range(events):
            self.figures["events"] += 1
            if self.back_in == 0:
                self.back_in = None
                self.ctl("restore", MAIN_CLASS)
                self.note("the book brought back")
            else:
                self.back_in = self.back_in and self.back_in - 1
                self.rng.choices(actions, weights)[0](self)
            self.check()
        # The end: open dialogs answered, the book closed through its ending
        # screen, and its files checked.
        try:
            wait_until(self.towards_the_end, 60, 0.2, "the book closed")
        except harness.Timeout as e:
            self.fail("%s: a dialog or the book stayed open" % e)
        if self.book.program.returncode != 0:
            self.fail("the book crashed at the end: exit code %d" % self.book.program.returncode)
        self.check_files()

    def towards_the_end(self):
        if self.book.program.poll() is not None:
            return True
        if self.s.window_exists(DIALOG_CLASS):
            self.ctl("command", DIALOG_CLASS, 1)
        elif self.ctl("title", MAIN_CLASS)[0] == 0 and not self.closing:
            self.ctl("close", MAIN_CLASS)
            self.closing = True
        return False


class MonkeyTest(SessionTest):
    trace = os.environ.get("MOSSLEAF_MONKEY_TRACE") == "1"

    def test_random_input_never_crashes_hangs_or_breaks_the_files(self):
        seeds = [int(s) for s in os.environ.get("MOSSLEAF_MONKEY_SEED", "2").split(",")]
        events = int(os.environ.get("MOSSLEAF_MONKEY_EVENTS", 60))
        for seed in seeds:
            if seed != seeds[0]:
                self.s = harness.Session("monkey-%d" % seed, trace=self.trace)
                self.addCleanup(self.s.close)
            begun = time.monotonic()
            monkey = Monkey(self.s, seed)
            monkey.run(events)
            seconds = time.monotonic() - begun
            sys.stderr.write("monkey: seed %d, %d events, %d starts, %d stickers stuck, 0 crashes, 0 disagreements, "
                             "%.0f s (%.1f events/s)\n" % (seed, events, monkey.figures["starts"],
                                                           monkey.figures["stuck"], seconds, events / seconds))


if __name__ == "__main__":
    harness.main("seed", "events")
