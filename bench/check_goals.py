#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Numerion developers
"""Runs the benchmark program and checks every goal line it prints against its goal.

    bench/check_goals.py [--runs N] [--bench PATH] [--offscreen-only] [-- BENCHMARK OPTIONS...]

Each run measures twice: with Qt's offscreen platform, and on an X display of its own (a private
Xvfb, when the machine has one), where windows are painted and sent to a server as users see them.
A goal is met when its figure is within its bounds in every run on both; a goal whose line is
missing is missed. Exits with 0 only when every goal was met.
"""
import argparse
import contextlib
import os
import pathlib
import shutil
import subprocess
import sys
import time

# "<kind> <name>": (lowest, highest), None where there is no bound.
GOALS = {
    "ratio open_draw_file": (None, 2.0),
    "ratio database_window": (None, 0.8),
    "ms add_record_2000": (None, 1.0),
    "ratio add_record_growth": (None, 1.5),
    "ratio startup_time": (None, 1.3),
    "ratio startup_rss": (None, 1.2),
    "ratio import-memory": (None, 2.0),
    "ms rado_calculate": (900.0, 1200.0),
    "ratio rado_cpu_share": (None, 0.10),
    "ms pick_10x10_of_60": (None, 0.05),
    "ms pick_abort_5000": (None, 1.0),
    "ms tracker_sheet": (None, 5.0),
    "ratio open-1m": (None, 2.0),
    "ms dbwindow-1m": (None, 30.0),
    "ms add-1m": (None, 1.0),
    "ms statistics-1m": (None, 50.0),
    "bytes-per-draw": (None, 32.0),
    "ratio wheel_size": (None, 1.03),
    "ratio wheel_best_met": (0.5, None),
    "ratio wheel_proven": (1.0, None),
    "ms wheel_small": (None, 1000.0),
}


def bounds_text(lowest, highest):
    if lowest is None:
        return f"<= {highest:g}"
    if highest is None:
        return f">= {lowest:g}"
    return f"{lowest:g}..{highest:g}"


def figures(output):
    """The goal lines of one run: {"<kind> <name>": value}, or {"<name>": value} for a figure
    whose name says its unit."""
    found = {}
    for line in output.splitlines():
        words = line.split()
        if len(words) == 3 and words[0] in ("ratio", "ms"):
            found[f"{words[0]} {words[1]}"] = float(words[2])
        elif len(words) == 2 and words[0] in GOALS:
            found[words[0]] = float(words[1])
    return found


@contextlib.contextmanager
def x_display():
    """A private Xvfb display for the run; None when the machine has no Xvfb."""
    if shutil.which("Xvfb") is None:
        yield None
        return
    number = next(n for n in range(90, 200) if not os.path.exists(f"/tmp/.X{n}-lock"))
    server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten",
                               "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                break
            time.sleep(0.05)
        yield f":{number}"
    finally:
        server.terminate()
        server.wait()


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=1, help="how many runs (default 1)")
    parser.add_argument("--bench", default=str(root / "build" / "numerion_bench"),
                        help="the benchmark program (default build/numerion_bench)")
    parser.add_argument("--offscreen-only", action="store_true",
                        help="measure on the offscreen platform only, not on an X display")
    parser.add_argument("options", nargs="*", help="options for the benchmark program")
    arguments = parser.parse_args()

    missed = set()
    with x_display() as display:
        platforms = [("offscreen", {"QT_QPA_PLATFORM": "offscreen"})]
        if display and not arguments.offscreen_only:
            platforms.append((f"xcb on Xvfb {display}", {"QT_QPA_PLATFORM": "xcb", "DISPLAY": display}))
        elif not arguments.offscreen_only:
            print("no Xvfb: measured on the offscreen platform only")
        for run in range(1, arguments.runs + 1):
            for platform, variables in platforms:
                result = subprocess.run([arguments.bench, *arguments.options], capture_output=True,
                                        text=True, check=False, env={**os.environ, **variables})
                sys.stdout.write(result.stdout)
                if result.returncode != 0:
                    sys.stderr.write(result.stderr)
                    print(f"run {run}, {platform}: the benchmark failed (exit code {result.returncode})")
                    return 1
                found = figures(result.stdout)
                print(f"run {run}, {platform}:")
                for goal, (lowest, highest) in GOALS.items():
                    value = found.get(goal)
                    met = value is not None and (lowest is None or value >= lowest) and (
                        highest is None or value <= highest)
                    if not met:
                        missed.add(f"{goal} ({platform.split()[0]})")
                    shown = "missing" if value is None else f"{value:g}"
                    print(f"  {'met   ' if met else 'MISSED'} {goal} {shown} (goal {bounds_text(lowest, highest)})")
    if missed:
        print(f"missed in {arguments.runs} run(s): {', '.join(sorted(missed))}")
        return 1
    print(f"every goal met in {arguments.runs} run(s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
