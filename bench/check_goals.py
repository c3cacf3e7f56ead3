#!/usr/bin/env python3
"""Runs the benchmark program and checks every goal line it prints against its goal.

    bench/check_goals.py [--runs N] [--bench PATH] [-- BENCHMARK OPTIONS...]

A goal is met when its figure is within its bounds in every run; a goal whose line is missing
is missed. Exits with 0 only when every goal was met.
"""
import argparse
import pathlib
import subprocess
import sys

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
}


def bounds_text(lowest, highest):
    if lowest is None:
        return f"<= {highest:g}"
    if highest is None:
        return f">= {lowest:g}"
    return f"{lowest:g}..{highest:g}"


def figures(output):
    """The goal lines of one run: {"<kind> <name>": value}."""
    found = {}
    for line in output.splitlines():
        words = line.split()
        if len(words) == 3 and words[0] in ("ratio", "ms"):
            found[f"{words[0]} {words[1]}"] = float(words[2])
    return found


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=1, help="how many runs (default 1)")
    parser.add_argument("--bench", default=str(root / "build" / "numerion_bench"),
                        help="the benchmark program (default build/numerion_bench)")
    parser.add_argument("options", nargs="*", help="options for the benchmark program")
    arguments = parser.parse_args()

    missed = set()
    for run in range(1, arguments.runs + 1):
        result = subprocess.run([arguments.bench, *arguments.options], capture_output=True,
                                text=True, check=False)
        sys.stdout.write(result.stdout)
        if result.returncode != 0:
            sys.stderr.write(result.stderr)
            print(f"run {run}: the benchmark failed (exit code {result.returncode})")
            return 1
        found = figures(result.stdout)
        print(f"run {run}:")
        for goal, (lowest, highest) in GOALS.items():
            value = found.get(goal)
            met = value is not None and (lowest is None or value >= lowest) and (
                highest is None or value <= highest)
            if not met:
                missed.add(goal)
            shown = "missing" if value is None else f"{value:g}"
            print(f"  {'met   ' if met else 'MISSED'} {goal} {shown} (goal {bounds_text(lowest, highest)})")
    if missed:
        print(f"missed in {arguments.runs} run(s): {', '.join(sorted(missed))}")
        return 1
    print(f"every goal met in {arguments.runs} run(s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
