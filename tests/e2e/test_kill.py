"""The program killed (SIGKILL to its Wine process) at random moments while it writes:
right after a stick and during clear-all (a page turn writes one page file, whose
replace the record unit test kills). Once the next start has mended the files, the
ledger and both page files must hold the book exactly as it was just before or just
after the interrupted action: nothing in between, nothing stuck earlier lost. The suite runs a short form; the full form:
    python3 tests/e2e/test_kill.py --bin B/bin --dist B/dist/Mossleaf4 --kills 200
"""
import os
import random
import signal
import sys
import time

import harness
from book import SAVE_NAMES, Book, BookTest, read_files
from harness import MAIN_CLASS, wait_until

ACTIONS = ("stick", "clear")


class Kill(BookTest):
    trace = False

    def test_killed_while_writing_the_book_comes_back_whole(self):
        kills = int(os.environ.get("MOSSLEAF_KILL_KILLS", 12))
        rng = random.Random(10)
        book = self.book = Book(self, self.s)
        outcomes = {action: dict.fromkeys(("before", "after", "other"), 0) for action in ACTIONS}
        faults = []
        begun = time.monotonic()
        book.start()
        for kill in range(kills):
            self.prepare_book(book, rng)
            action = self.ready(book, ACTIONS[kill % len(ACTIONS)])
            before = book.state()
            self.interrupt(book, action, rng)
            after = book.state()
            self.kill(book)
            book.start()
            outcome, found = self.judge(before, after)
            outcomes[action][outcome] += 1
            if outcome == "other":
                faults.append("kill %d during %s: expected %s or %s, found %s" % (
                    kill, action, before, after, found))
        # Closed properly at last: the files still hold what the last start found.
        book.close()
        book.check_files("after the last restart")
        self.report(kills, outcomes, faults, time.monotonic() - begun)
        self.assertEqual([], faults)

    def prepare_book(self, book, rng):
        """A few finished actions first, so that there is something to lose."""
        for _ in range(rng.randrange(3)):
            if book.stickable():
                book.stick(rng.choice(book.stickable()))
            book.turn(rng.random() < 0.5)

    @staticmethod
    def ready(book, action):
        """The action to interrupt, made possible first."""
        if action == "clear" and not book.used:
            return "stick"
        if action == "stick" and not book.stickable():
            book.clear_all()
        return action

    def interrupt(self, book, action, rng):
        # Timed from the first file the action writes, the page shown, so
        # that some kills land before the ledger is written.
        # Two replacements in a row may hand the first inode number back: the
        # modification time tells the file was written all the same.
        shown = self.s.file(SAVE_NAMES[book.page])

        def stamp():
            status = os.stat(shown)
            return status.st_ino, status.st_mtime_ns

        first = stamp()
        if action == "stick":
            book.stick(rng.choice(book.stickable()), wait=False)
        else:
            book.clear_all(wait=False)
        wait_until(lambda: stamp() != first, 20, 0.002, "%s writing" % action)
        time.sleep(rng.uniform(0.0, 0.01))

    def kill(self, book):
        os.kill(book.program.pid, signal.SIGKILL)
        self.s.wait_exit(book.program)
        self.s.wait_window(MAIN_CLASS, 30, shown=False)

    def judge(self, before, after):
        """'before' or 'after' when the files, as the start after the kill
        left them, hold one of the two books; else 'other'. Goes on from them."""
        found = used, pages = read_files(self.s)
        if used is None or None in pages:
            return "other", found
        self.book.used, self.book.pages = set(used), tuple(pages)
        return ([name for name, state in (("before", before), ("after", after)) if found == state]
                + ["other"])[0], found

    def report(self, kills, outcomes, faults, seconds):
        lines = ["kill: %d kills, %d disagreements, %.0f s" % (kills, len(faults), seconds)]
        lines += ["  %(action)-6s before %(before)3d  after %(after)3d  other %(other)3d" % dict(counts, action=action)
                  for action, counts in outcomes.items()]
        lines += faults[:10]
        sys.stderr.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    harness.main("kills")
