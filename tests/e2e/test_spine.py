"""The main window, the single-instance rule, closing, and the start-up trace."""
import time

import harness
from harness import MAIN_CLASS, SessionTest, wait_until


def answer_ending_screen(session):
    """Closing shows the ending screen, which only its Quit button ends."""
    wait_until(lambda: session.window_exists("#32770"), 20, 0.3, "the ending screen")
    session.winctl("command", "#32770", 1)


class MainWindow(SessionTest):
    def test_window_class_title_and_geometry_then_close_exits_zero(self):
        program = self.s.start()
        self.assertEqual((0, 0, 1024, 768), self.s.window_rect())
        self.assertEqual("Mossleaf 4", self.s.winctl("title", MAIN_CLASS)[1].strip())
        self.s.winctl("close", MAIN_CLASS)
        answer_ending_screen(self.s)
        self.assertEqual(0, self.s.wait_exit(program))

        lines = self.s.log_lines()
        banners = ["------------------Beginning of Message Loop------------------",
                   "------------------End of Message Loop------------------"]
        for banner in banners:
            self.assertIn(banner, lines)
        begin, end = (lines.index(b) for b in banners)
        self.assertLess(lines.index("WM_Create END"), begin)
        self.assertTrue(any(l.startswith("hGlobal ") for l in lines[:begin]), lines)
        self.assertLess(begin, end)
        self.assertEqual(["", banners[0], ""], lines[begin - 1:begin + 2])

    def test_second_copy_restores_the_first_and_exits_zero(self):
        first = self.s.start()
        self.s.winctl("minimize", MAIN_CLASS)
        wait_until(lambda: self.s.winctl("iconic", MAIN_CLASS)[1].strip() == "1", 10,
                   what="first copy minimised")
        second = self.s.start(wait_window=False)
        self.assertEqual(0, self.s.wait_exit(second))
        wait_until(lambda: self.s.winctl("iconic", MAIN_CLASS)[1].strip() == "0", 10,
                   what="first copy restored")
        self.assertEqual(MAIN_CLASS, self.s.winctl("foreground")[1].strip())
        self.assertIsNone(first.poll(), "the first copy must keep running")
        # Only the first copy wrote start-up lines.
        self.assertEqual(1, self.s.log_lines().count("WM_Create END"))


class UnsuitableDisplay(SessionTest):
    screen = "800x600x24"

    def test_mode_switch_failure_is_traced_and_the_program_runs(self):
        program = self.s.start()
        wait_until(lambda: "SetDisplayMode Failed" in self.s.log_lines(), 10,
                   what="the traced mode failure")
        time.sleep(1)
        self.assertIsNone(program.poll())
        self.s.winctl("close", MAIN_CLASS)
        answer_ending_screen(self.s)
        self.assertEqual(0, self.s.wait_exit(program))


if __name__ == "__main__":
    harness.main()
