#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Numerion developers
# Puts the licence and copyright lines at the top of every source file under src/, tests/ and
# bench/ that lacks them: `//` comments in C++, `#` in CMake, shell and Python (after a `#!`
# line). Files that already name a licence are left as they are, so running it again after a
# merge only adds the lines to new files.
#   python3 tools/add_spdx_headers.py
import pathlib
import sys

LICENCE = "SPDX-License-Identifier: GPL-3.0-or-later"
COPYRIGHT = "SPDX-FileCopyrightText: 2026 Numerion developers"
FOLDERS = ("src", "tests", "bench")
SLASHES = {".cpp", ".h", ".hpp", ".cc", ".c"}
HASHES = {".cmake", ".sh", ".py"}


def comment_of(path):
    if path.suffix in SLASHES:
        return "//"
    if path.suffix in HASHES or path.name == "CMakeLists.txt":
        return "#"
    return None


def add_header(path, comment):
    text = path.read_text(encoding="utf-8")
    if "SPDX-License-Identifier" in "\n".join(text.splitlines()[:5]):
        return False
    header = f"{comment} {LICENCE}\n{comment} {COPYRIGHT}\n"
    if text.startswith("#!"):
        first, _, rest = text.partition("\n")
        text = first + "\n" + header + rest
    else:
        text = header + text
    path.write_text(text, encoding="utf-8")
    return True


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    changed = 0
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            # Seed inputs of the fuzzers are data, not sources.
            if not path.is_file() or "corpus" in path.parts:
                continue
            comment = comment_of(path)
            if comment and add_header(path, comment):
                changed += 1
    print(f"{changed} files given the licence lines")
    return 0


if __name__ == "__main__":
    sys.exit(main())
