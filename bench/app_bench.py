"""Figures of the real program under Wine on a virtual display.

  start-up   process start to the main window being mapped, median of 5
  cpu        processor use over 5 s while active and while inactive
Prints one "name<TAB>value<TAB>unit" line per figure.
"""
import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402
from harness import MAIN_CLASS, Session, wait_until  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def window_mapped(session):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Mossleaf 4$"],
                       env=session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return r.returncode == 0


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def program_pid(session):
    out = subprocess.run(["pgrep", "-f", "Mossleaf4.exe"], capture_output=True, text=True).stdout
    for pid in (int(p) for p in out.split()):
        try:
            with open("/proc/%d/environ" % pid, "rb") as f:
                if ("WINEPREFIX=" + session.prefix).encode() in f.read():
                    return pid
        except OSError:
            pass
    return None


def measure_startup(session, runs):
    times = []
    for _ in range(runs):
        begin = time.monotonic()
        program = session.start(wait_window=False)
        wait_until(lambda: window_mapped(session), 60, 0.01, "window mapped")
        times.append(time.monotonic() - begin)
        session.winctl("close", MAIN_CLASS)
        session.wait_exit(program, 60)
    return times


def measure_cpu(session, seconds):
    program = session.start()
    time.sleep(2)
    pid = wait_until(lambda: program_pid(session), 10, 0.2, "program process")

    def share():
        before = cpu_seconds(pid)
        time.sleep(seconds)
        return 100.0 * (cpu_seconds(pid) - before) / seconds

    active = share()
    # What Windows sends when another application takes the foreground.
    session.winctl("post", MAIN_CLASS, 0x1C, 0, 0)
    time.sleep(0.5)
    inactive = share()
    session.winctl("close", MAIN_CLASS)
    session.wait_exit(program, 60)
    return active, inactive


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    harness.configure(args.bin, args.dist)
    session = Session("bench", trace=False)
    try:
        times = measure_startup(session, args.runs)
        print("start-up to main window mapped (median of %d)\t%.0f\tms" %
              (len(times), 1000 * statistics.median(times)))
        active, inactive = measure_cpu(session, 5.0)
        print("processor use, active, title screen (5 s)\t%.2f\t%%" % active)
        print("processor use, inactive (5 s)\t%.2f\t%%" % inactive)
    finally:
        session.close()


if __name__ == "__main__":
    main()
