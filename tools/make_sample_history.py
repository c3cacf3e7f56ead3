#!/usr/bin/env python3
"""Writes data/Sample-history.csv: a made-up 6 of 49 lottery's draw history as many European
lotteries publish theirs, for trying out the import. Semicolon-separated, newest draw first, a
title line and a header, the draw number before the date (day.month.year), a bonus ball and the
jackpot with a decimal comma after the numbers; UTF-8 with CR LF line ends. Drawn on Wednesdays
and Saturdays by a seeded generator, so the file is the same every time."""

import datetime
import pathlib
import random

DRAWS = 208
FIRST_DRAW = datetime.date(2024, 1, 3)  # a Wednesday


def draw_dates():
    date = FIRST_DRAW
    while True:
        yield date
        # Wednesday to Saturday, Saturday to Wednesday.
        date += datetime.timedelta(days=3 if date.weekday() == 2 else 4)


def euros(cents):
    whole = f"{cents // 100:,}".replace(",", ".")
    return f"{whole},{cents % 100:02d}"


def main():
    rng = random.Random(4949)
    rows = []
    jackpot = 100_000_000
    for number, date in zip(range(1, DRAWS + 1), draw_dates()):
        balls = rng.sample(range(1, 50), 7)
        numbers, bonus = sorted(balls[:6]), balls[6]
        # The jackpot grows until somebody wins it.
        if rng.random() < 0.1:
            jackpot = 100_000_000
        else:
            jackpot += rng.randrange(20_000_000, 60_000_000)
        rows.append([str(number), date.strftime("%d.%m.%Y")] + [f"{n:02d}" for n in numbers]
                    + [f"{bonus:02d}", euros(jackpot)])
    lines = ["Sample 6 of 49 - all draws", "",
             "Draw;Date;Ball 1;Ball 2;Ball 3;Ball 4;Ball 5;Ball 6;Bonus;Jackpot (€)"]
    lines += [";".join(row) for row in reversed(rows)]
    target = pathlib.Path(__file__).resolve().parent.parent / "data" / "Sample-history.csv"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("utf-8"))


if __name__ == "__main__":
    main()
