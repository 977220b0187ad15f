"""Figures of the real program under Wine on a virtual display.

  start-up       process start to the main window mapped and to the title drawn, median of 5
  Start          click on Start to the play screen shown, median of 5
  take           click on a tray button to the sticker shown under the pointer, median of 5
  cpu            processor use over 5 s while active and while inactive
  memory         after start (play screen) and after a soak of --soak-cycles cycles in one run
Prints one "name<TAB>value<TAB>unit" line per figure.
"""
import argparse
import ctypes
import os
import random
import statistics
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402
from book import Book, Script, linux_pid, sticker_size  # noqa: E402
from harness import MAIN_CLASS, Session, wait_until  # noqa: E402
from screen import PAGE, START_BUTTON, TRAY, picture  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
TAKEN = 106
MAGENTA = (255, 0, 255)


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
                ("obdata", ctypes.c_void_p), ("create_image", ctypes.c_void_p),
                ("destroy_image", ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p))]


class Screen:
    """Reads screen pixels straight from the X server: a screenshot through
    files takes a third of a second, which would swamp the figures."""

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay((":%d" % display).encode())
        if not self.display:
            raise RuntimeError("cannot open display :%d" % display)
        self.root = self.x.XDefaultRootWindow(self.display)

    def close(self):
        self.x.XCloseDisplay(self.display)

    def shows(self, pic, at, source, size, step=3):
        """True when every sampled opaque pixel of the picture rectangle is on screen at `at`."""
        (ax, ay), (sx, sy), (w, h) = at, source, size
        image = self.x.XGetImage(self.display, self.root, ax, ay, w, h, ~0 & 0xFFFFFFFF, 2)
        if not image:
            return False
        img = image.contents
        try:
            for y in range(0, h, step):
                row = y * img.bytes_per_line
                for x in range(0, w, step):
                    want = pic.pixel(sx + x, sy + y)
                    if want == MAGENTA:
                        continue
                    i = row + 4 * x
                    if (img.data[i + 2], img.data[i + 1], img.data[i]) != want:
                        return False
            return True
        finally:
            img.destroy_image(ctypes.cast(image, ctypes.c_void_p))


def window_mapped(session):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Mossleaf 4$"],
                       env=session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return r.returncode == 0


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def timed(begin_action, shown, timeout=30):
    begin = time.monotonic()
    begin_action()
    wait_until(shown, timeout, 0.005, "the screen to change")
    return time.monotonic() - begin


def close_program(session, program):
    """Closing goes through the ending screen, which its Quit button ends."""
    session.winctl("close", MAIN_CLASS)
    wait_until(lambda: session.window_exists("#32770"), 20, 0.2, "the ending screen")
    session.winctl("command", "#32770", 1)
    session.wait_exit(program, 60)


def measure_startup(session, screen, runs):
    """Process start to the window mapped, and to the title screen drawn."""
    start_face = picture("b0013")
    mapped, title = [], []
    for _ in range(runs):
        begin = time.monotonic()
        program = session.start(wait_window=False)
        wait_until(lambda: window_mapped(session), 60, 0.01, "window mapped")
        mapped.append(time.monotonic() - begin)
        wait_until(lambda: screen.shows(start_face, START_BUTTON[:2], (0, 0), START_BUTTON[2:]),
                   60, 0.01, "the title screen")
        title.append(time.monotonic() - begin)
        close_program(session, program)
    return mapped, title


def measure_start_to_play(session, screen, runs):
    start_face, frame = picture("b0013"), picture("m0006")
    times = []
    for _ in range(runs):
        program = session.start()
        wait_until(lambda: screen.shows(start_face, START_BUTTON[:2], (0, 0), START_BUTTON[2:]),
                   30, 0.05, "the title screen")
        session.move(*START_BUTTON[:2])
        time.sleep(0.5)
        times.append(timed(lambda: session.click(START_BUTTON[0] + 60, START_BUTTON[1] + 25),
                           lambda: screen.shows(frame, (0, 0), (0, 0), (13, 90), 4)))
        close_program(session, program)
    return times


def measure_take(book, screen, runs):
    """Tray click to the sticker drawn at the pointer on the page."""
    pic = picture("s0423")
    w, h = sticker_size(TAKEN)
    at = (PAGE[0] + 400, PAGE[1] + 300)
    top_left = (at[0] - w // 2, at[1] - h // 2)
    book.choose_group(TAKEN // 28)
    time.sleep(0.5)
    x, y = TRAY[TAKEN % 28]
    times = []
    for _ in range(runs):
        book.s.move(x + 30, y + 30)
        time.sleep(0.3)

        def take():
            book.s.xdotool("click", 1)
            book.s.move(*at)
        times.append(timed(take, lambda: screen.shows(pic, top_left, (0, 0), (w, h))))
        book.s.xdotool("click", 3)
        time.sleep(0.5)
    return times


def memory(book):
    figures = book.resources()
    return figures["rss_kib"] / 1024.0, figures["private_kib"] / 1024.0, figures["gdi_handles"]


def measure_cpu(session, seconds):
    program = session.start()
    time.sleep(2)
    pid = wait_until(lambda: linux_pid(session), 10, 0.2, "program process")

    def share():
        before = cpu_seconds(pid)
        time.sleep(seconds)
        return 100.0 * (cpu_seconds(pid) - before) / seconds

    active = share()
    # What Windows sends when another application takes the foreground.
    session.winctl("post", MAIN_CLASS, 0x1C, 0, 0)
    time.sleep(0.5)
    inactive = share()
    close_program(session, program)
    return active, inactive


def row(name, value, unit):
    print("%s\t%s\t%s" % (name, value, unit))
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--soak-cycles", type=int, default=100)
    args = parser.parse_args()
    harness.configure(args.bin, args.dist)
    session = Session("bench", trace=False, folder_setup=Book.prepare)
    screen = Screen(session.display)
    try:
        mapped, title = measure_startup(session, screen, args.runs)
        row("start-up to main window mapped (median of %d)" % len(mapped),
            "%.0f" % (1000 * statistics.median(mapped)), "ms")
        row("start-up to title screen shown (median of %d)" % len(title),
            "%.0f" % (1000 * statistics.median(title)), "ms")
        times = measure_start_to_play(session, screen, args.runs)
        row("Start click to play screen shown (median of %d)" % len(times),
            "%.0f" % (1000 * statistics.median(times)), "ms")

        book = Book(unittest.TestCase(), session)
        book.start()
        rss, private, handles = memory(book)
        row("memory after start, resident (play screen)", "%.1f" % rss, "MiB")
        row("memory after start, private (play screen)", "%.1f" % private, "MiB")
        row("GDI handles after start (play screen)", handles, "handles")
        times = measure_take(book, screen, args.runs)
        row("tray click to sticker shown (median of %d)" % len(times),
            "%.0f" % (1000 * statistics.median(times)), "ms")
        script = Script(book, random.Random(4))
        begin = time.monotonic()
        for _ in range(args.soak_cycles):
            script.cycle()
        rss, private, handles = memory(book)
        row("memory after a soak of %d cycles, resident" % args.soak_cycles, "%.1f" % rss, "MiB")
        row("memory after a soak of %d cycles, private" % args.soak_cycles, "%.1f" % private, "MiB")
        row("GDI handles after a soak of %d cycles" % args.soak_cycles, handles, "handles")
        row("soak cycle, mean of %d" % args.soak_cycles,
            "%.0f" % (1000 * (time.monotonic() - begin) / max(1, args.soak_cycles)), "ms")
        book.close()

        active, inactive = measure_cpu(session, 5.0)
        row("processor use, active, title screen (5 s)", "%.2f" % active, "%")
        row("processor use, inactive (5 s)", "%.2f" % inactive, "%")
    finally:
        screen.close()
        session.close()


if __name__ == "__main__":
    main()
