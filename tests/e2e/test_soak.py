"""A long scripted session: taking, sticking and throwing away stickers, switching
groups, turning pages and clearing, with a restart every so many cycles. The program's
GDI handles, windows and memory must stay flat within a run, and the files must hold
exactly what the script stuck. The suite runs a short form; the full form:
    python3 tests/e2e/test_soak.py --bin B/bin --dist B/dist/Mossleaf4 --cycles 1000 --restart 100
"""
import os
import random
import sys
import time

import harness
from book import Book, BookTest, Script

# Growth allowed within one run once it has warmed up: a leak of one handle
# or one picture per cycle is far above these.
GDI_SLACK = 8
MEMORY_SLACK_KIB = 6 * 1024


class Soak(BookTest):
    trace = False


    def test_a_long_session_keeps_resources_flat_and_the_files_exact(self):
        cycles, restart, sample = (int(os.environ.get("MOSSLEAF_SOAK_" + name, default))
                                   for name, default in (("CYCLES", 60), ("RESTART", 30), ("SAMPLE", 15)))
        book = Book(self, self.s)
        script = Script(book, random.Random(4))
        runs = []
        begun = time.monotonic()
        book.start()
        runs.append([(0, book.resources())])
        for cycle in range(1, cycles + 1):
            script.cycle()
            if cycle % sample == 0:
                runs[-1].append((cycle, book.resources()))
            if cycle % restart == 0 or cycle == cycles:
                book.close()
                book.check_files("after closing at cycle %d" % cycle)
                if cycle < cycles:
                    book.start()
                    runs.append([(cycle, book.resources())])
        seconds = time.monotonic() - begun
        self.report(runs, script.actions, cycles, restart, seconds)
        for run in runs:
            self.assert_flat(run)

    def assert_flat(self, run):
        """Within a run: no growth of GDI handles or windows after the start,
        nor of memory once the first samples have warmed the caches."""
        first = run[0][1]
        self.assertGreater(first["gdi_handles"], 0, "the GDI handles counted")
        settled = run[1][1] if len(run) > 2 else first
        for cycle, figures in run[1:]:
            self.assertLessEqual(figures["gdi_handles"], first["gdi_handles"] + GDI_SLACK,
                                 "GDI handles at cycle %d: %s" % (cycle, run))
            self.assertEqual(first["windows"], figures["windows"],
                             "windows at cycle %d: %s" % (cycle, run))
        for key in ("rss_kib", "private_kib"):
            self.assertLessEqual(run[-1][1][key], settled[key] + MEMORY_SLACK_KIB,
                                 "%s grows within a run: %s" % (key, run))

    def report(self, runs, actions, cycles, restart, seconds):
        sys.stderr.write("soak: %d cycles, restart every %d, %.0f s\n%s\n" % (
            cycles, restart, seconds, ", ".join("%s %d" % item for item in actions.items())))
        sys.stderr.write("".join("%5d %s\n" % (cycle, f) for run in runs for cycle, f in run))


if __name__ == "__main__":
    harness.main("cycles", "restart", "sample")
