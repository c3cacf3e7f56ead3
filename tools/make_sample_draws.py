#!/usr/bin/env python3
"""Writes data/Sample.lto: a made-up 6 of 49 lottery with weekly draws from a seeded generator,
in the draw file format (header line, twelve fields per record, CR LF)."""

import datetime
import pathlib
import random

DRAWS = 150
FIRST_DRAW = datetime.date(2024, 1, 6)


def main():
    rng = random.Random(649)
    lines = [f'{DRAWS},8,49,"Sample 6 of 49"']
    for record in range(1, DRAWS + 1):
        date = FIRST_DRAW + datetime.timedelta(weeks=record - 1)
        numbers = sorted(rng.sample(range(1, 50), 6)) + [0] * 4
        lines.append(",".join([str(record), f"#{date.isoformat()}#"] + [str(n) for n in numbers]))
    target = pathlib.Path(__file__).resolve().parent.parent / "data" / "Sample.lto"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
