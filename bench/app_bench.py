"""Figures of the real program under Wine on a virtual display, with the least
Win32 window program (bench/floor) measured beside it in the same session, so
that every start-up and memory figure is also a ratio to that floor.

  start-up       process start to the first screen read from the X server (the
                 program's title with its Start button, the floor's colour) and
                 private memory after start, floor and program in turn
  Start          click on Start to the play screen shown
  carry          tray click to the sticker drawn under the pointer, a pointer move
                 to the sticker drawn at its new place, a click on its place to the
                 sticker stuck and the counter redrawn: median and 90th percentile
  glide          a carried sticker moved 100 times a second: processor use of the
                 program and the share of moves drawn before the next one came
  cpu            processor use over 5 s while active and while inactive
  memory         after start (play screen) and after a soak of --soak-cycles cycles
All input is XTest events and all screen reads are X image reads from this one
process (bench/xdisplay.py). Prints one "name<TAB>value<TAB>unit" line per figure.
"""
import argparse
import math
import os
import random
import shutil
import statistics
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402
from book import PLACES, STICKABLE_GROUP, Book, Script, screen_point, sticker_size  # noqa: E402
from harness import MAIN_CLASS, Session, wait_until  # noqa: E402
from screen import PAGE, START_BUTTON, TRAY, picture  # noqa: E402
from xdisplay import XDisplay  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
FLOOR_CLASS = "MossleafFloor"
FLOOR_COLOUR = (0x20, 0xE0, 0x40)
FLOOR_POINTS = ((5, 5), (512, 384), (1018, 762))
# Where the pointer waits, away from every button.
ASIDE = (1020, 300)
GLIDE_RATE = 100
GLIDE_SECONDS = 3.0
# The counter's number pictures, from the top: 223 down to 2 without 99 and 9.
COUNTER_ROWS = [n for n in range(223, 1, -1) if n not in (99, 9)]


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def percentile(values, p):
    """The p-th percentile, by the nearest rank."""
    ordered = sorted(values)
    return ordered[max(0, math.ceil(p / 100.0 * len(ordered)) - 1)]


def private_mib(session, cls):
    code, out = session.winctl("resources", cls)
    if code != 0:
        raise RuntimeError("winctl resources %s: %s" % (cls, out))
    return int(out.split()[2]) / 1048576.0


def close_program(session, program):
    """Closing goes through the ending screen, which its Quit button ends."""
    session.winctl("close", MAIN_CLASS)
    wait_until(lambda: session.window_exists("#32770"), 20, 0.2, "the ending screen")
    session.winctl("command", "#32770", 1)
    session.wait_exit(program, 60)


def start_floor(session, floor):
    return session.spawn([harness.WINE, floor])


def close_floor(session, program):
    session.winctl("close", FLOOR_CLASS)
    session.wait_exit(program, 60)


def first_screen(session, x, launch, shown):
    """Seconds from the process start to the first screen on the X server."""
    begin = time.monotonic()
    program = launch()
    wait_until(shown, 60, 0.002, "the first screen")
    return program, time.monotonic() - begin


def measure_startup(session, x, floor, runs):
    """Floor and program in turn, a warm-up of each first: time to the first
    screen and private memory once it has settled, per run."""
    start_face = picture("b0013")
    floor_shown = lambda: x.colour_at(FLOOR_POINTS, FLOOR_COLOUR)  # noqa: E731
    title_shown = lambda: x.shows(start_face, START_BUTTON[:2], (0, 0), START_BUTTON[2:])  # noqa: E731
    kinds = {
        "floor": (lambda: start_floor(session, floor), floor_shown, FLOOR_CLASS, close_floor),
        "program": (lambda: session.start(wait_window=False), title_shown, MAIN_CLASS,
                    close_program),
    }
    figures = {name: ([], []) for name in kinds}
    # The first pair warms Wine up and is not counted.
    for run in range(runs + 1):
        for name, (start, shown, window_class, close) in kinds.items():
            program, seconds = first_screen(session, x, start, shown)
            time.sleep(1)
            memory = private_mib(session, window_class)
            close(session, program)
            if run:
                figures[name][0].append(seconds)
                figures[name][1].append(memory)
    return figures


def measure_start_to_play(session, x, runs):
    start_face, frame = picture("b0013"), picture("m0006")
    times = []
    for _ in range(runs):
        program = session.start()
        wait_until(lambda: x.shows(start_face, START_BUTTON[:2], (0, 0), START_BUTTON[2:]),
                   30, 0.05, "the title screen")
        x.move(START_BUTTON[0] + 60, START_BUTTON[1] + 25)
        time.sleep(0.5)
        x.click()
        times.append(x.until(lambda: x.shows(frame, (0, 0), (0, 0), (13, 90), 4), 30))
        close_program(session, program)
    return times


def sticker_picture(index):
    return picture("s%02d%02d" % (index // 28 + 1, index % 28 + 1))


def sticker_shown(x, index, top_left, step=3):
    """The sticker drawn with its top-left at `top_left` of the page (the part
    of it on the page)."""
    return lambda: x.shows(sticker_picture(index), (PAGE[0] + top_left[0], PAGE[1] + top_left[1]),
                           (0, 0), sticker_size(index), step, PAGE)


def shown_under_pointer(x, index):
    """The sticker drawn centred on the pointer, wherever it is: a carry that
    begins off the page pulls the pointer back to the page's edge, which may
    come after the move onto the page."""
    w, h = sticker_size(index)

    def shown():
        px, py = x.pointer()
        return sticker_shown(x, index, (px - w // 2 - PAGE[0], py - h // 2 - PAGE[1]))()
    return shown


def counter_shown(x, count):
    """The counter's number picture of `count` (2 to 223, not 9 or 99) on screen."""
    at = (440, 52) if count >= 100 else (436, 52) if count >= 10 else (433, 52)
    return lambda: x.shows(picture("b0020"), at, (0, 24 * COUNTER_ROWS.index(count)), (30, 24), 2)


def take(x, index, pointer):
    """Clicks the sticker's tray button and moves the pointer onto the page at
    once; seconds until the sticker is drawn centred on the pointer."""
    tray = TRAY[index % 28]
    x.move(tray[0] + 30, tray[1] + 30)
    time.sleep(0.25)
    begin = time.monotonic()
    x.click()
    x.move(*pointer)
    if not x.until(shown_under_pointer(x, index), 10):
        raise RuntimeError("sticker %d never shown under the pointer" % index)
    return time.monotonic() - begin


def measure_carry(book, x, samples):
    """Per sample: take a sticker of page 1, move it next to its place, click
    to stick it; a clear-all once every one of them is used."""
    latencies = {"take": [], "move": [], "stick": []}
    book.choose_group(STICKABLE_GROUP)
    stickable = sorted(i for i, (page, _, _) in PLACES.items() if page == 0)
    used = 0
    while len(latencies["stick"]) < samples:
        if used == len(stickable):
            x.move(*ASIDE)
            book.clear_all()
            used = 0
        index = stickable[used]
        _, px, py = PLACES[index]
        latencies["take"].append(take(x, index, screen_point(index, (px + 25, py + 15))))
        time.sleep(0.15)
        begin = time.monotonic()
        x.move(*screen_point(index, (px + 3, py + 2)))
        if not x.until(sticker_shown(x, index, (px + 3, py + 2)), 10):
            raise RuntimeError("sticker %d never shown where it was moved" % index)
        latencies["move"].append(time.monotonic() - begin)
        time.sleep(0.15)
        used += 1
        stuck, counter = sticker_shown(x, index, (px, py)), counter_shown(x, 224 - used)
        begin = time.monotonic()
        x.click()
        if not x.until(lambda: stuck() and counter(), 10):
            raise RuntimeError("sticker %d never shown stuck with the counter at %d"
                               % (index, 224 - used))
        latencies["stick"].append(time.monotonic() - begin)
        time.sleep(0.3)
    x.move(*ASIDE)
    book.clear_all()
    return latencies


def measure_glide(book, x, pid):
    """A carried sticker moved round an ellipse at GLIDE_RATE moves a second;
    a move counts as drawn when the screen shows it before the next is due."""
    index = 84
    w, h = sticker_size(index)
    centre = (PAGE[0] + PAGE[2] // 2, PAGE[1] + PAGE[3] // 2)
    points = []
    moves = int(GLIDE_RATE * GLIDE_SECONDS)
    for i in range(moves):
        angle = 2 * math.pi * i / 150.0
        points.append((int(centre[0] + 250 * math.cos(angle)), int(centre[1] + 180 * math.sin(angle))))
    take(x, index, points[-1])
    time.sleep(0.3)
    interval = 1.0 / GLIDE_RATE
    drawn = 0
    cpu_before, begin = cpu_seconds(pid), time.monotonic()
    for i, point in enumerate(points):
        due = begin + (i + 1) * interval
        x.move(*point)
        top_left = (point[0] - w // 2 - PAGE[0], point[1] - h // 2 - PAGE[1])
        shown = sticker_shown(x, index, top_left, 4)
        while time.monotonic() < due:
            if shown():
                drawn += 1
                break
        while time.monotonic() < due:
            time.sleep(0.0005)
    seconds = time.monotonic() - begin
    cpu = 100.0 * (cpu_seconds(pid) - cpu_before) / seconds
    x.click(3)
    time.sleep(0.3)
    return cpu, 100.0 * drawn / moves


def measure_cpu(session, seconds):
    program = session.start()
    time.sleep(2)
    pid = program.pid  # wine runs the program in the process it started as

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


BUILD = ""  # the Windows build measured, named in every row


def row(name, value, unit):
    print("%s: %s\t%s\t%s" % (BUILD, name, value, unit))
    sys.stdout.flush()


def ms(seconds):
    return "%.0f" % (1000 * seconds)


def latency_rows(what, values):
    row("%s, median of %d" % (what, len(values)), ms(statistics.median(values)), "ms")
    row("%s, 90th percentile of %d" % (what, len(values)), ms(percentile(values, 90)), "ms")


def measure_input(book, x, pid, samples):
    latencies = measure_carry(book, x, samples)
    latency_rows("tray click to sticker drawn under the pointer", latencies["take"])
    latency_rows("pointer move to carried sticker redrawn", latencies["move"])
    latency_rows("click on its place to sticker stuck and counter redrawn", latencies["stick"])
    cpu, drawn = measure_glide(book, x, pid)
    row("glide at %d moves/s: processor use of the program" % GLIDE_RATE, "%.1f" % cpu, "%")
    row("glide at %d moves/s: moves drawn before the next" % GLIDE_RATE, "%.1f" % drawn, "%")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("--wine", required=True, help="the Wine loader of the build measured")
    parser.add_argument("--build", required=True, help="its name in the table: win32 or win64")
    parser.add_argument("--floor", required=True, help="the floor program, bench/floor built")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--samples", type=int, default=20)
    parser.add_argument("--soak-cycles", type=int, default=100)
    parser.add_argument("--only", choices=("startup", "soak"),
                        help="measure only start-up, or only memory after start and after the soak")
    args = parser.parse_args()
    harness.configure(args.bin, args.dist, args.wine)
    global BUILD
    BUILD = args.build
    session = Session("bench", trace=False, folder_setup=Book.prepare, cursor=True)
    floor = os.path.join(session.root, "Floor.exe")
    shutil.copy(args.floor, floor)
    x = XDisplay(session.display)
    try:
        x.move(*ASIDE)
        figures = measure_startup(session, x, floor, args.runs)
        (floor_times, floor_memory), (times, memory) = figures["floor"], figures["program"]
        n = len(times)
        row("start to first screen, floor (median of %d)" % n, ms(statistics.median(floor_times)), "ms")
        row("start to title screen (median of %d)" % n, ms(statistics.median(times)), "ms")
        row("start to title screen / floor (median of %d pairs)" % n,
            "%.2f" % statistics.median(t / f for t, f in zip(times, floor_times)), "x")
        floor_private = statistics.median(floor_memory)
        row("private memory after start, floor", "%.1f" % floor_private, "MiB")
        row("private memory after start, title screen", "%.1f" % statistics.median(memory), "MiB")
        row("private memory after start, title screen / floor",
            "%.2f" % (statistics.median(memory) / floor_private), "x")
        if args.only == "startup":
            return
        if not args.only:
            times = measure_start_to_play(session, x, 5)
            row("Start click to play screen shown (median of %d)" % len(times),
                ms(statistics.median(times)), "ms")

        book = Book(unittest.TestCase(), session)
        book.start()
        pid = book.program.pid
        after_start = book.resources()["private_kib"] / 1024.0
        row("private memory after start, play screen", "%.1f" % after_start, "MiB")
        row("private memory after start, play screen - floor", "%.1f" % (after_start - floor_private),
            "MiB")
        row("private memory after start, play screen / floor", "%.2f" % (after_start / floor_private),
            "x")
        if not args.only:
            measure_input(book, x, pid, args.samples)

        script = Script(book, random.Random(4))
        begin, half = time.monotonic(), after_start
        for cycle in range(args.soak_cycles):
            script.cycle()
            if cycle + 1 == args.soak_cycles // 2:
                half = book.resources()["private_kib"] / 1024.0
        # Read at rest, as the figure after start was: a sound plays on a
        # thread of its own (about 1 MiB under Wine) for as long as it lasts.
        time.sleep(1)
        figures = book.resources()
        soaked = figures["private_kib"] / 1024.0
        row("private memory after a soak of %d cycles" % args.soak_cycles, "%.1f" % soaked, "MiB")
        row("private memory after the soak - after start", "%.1f" % (soaked - after_start), "MiB")
        row("private memory after the soak - after its first half", "%.1f" % (soaked - half), "MiB")
        row("resident memory after the soak", "%.1f" % (figures["rss_kib"] / 1024.0), "MiB")
        row("GDI handles after the soak", figures["gdi_handles"], "handles")
        row("soak cycle, mean of %d" % args.soak_cycles,
            ms((time.monotonic() - begin) / max(1, args.soak_cycles)), "ms")
        book.close()
        if args.only:
            return

        active, inactive = measure_cpu(session, 5.0)
        row("processor use, active, title screen (5 s)", "%.2f" % active, "%")
        row("processor use, inactive (5 s)", "%.2f" % inactive, "%")
    finally:
        x.close()
        session.close()


if __name__ == "__main__":
    main()
