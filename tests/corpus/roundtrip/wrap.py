#!/usr/bin/python3
"""Makes a case's page from a foreign page: the Images section markers are put on lines of their
own around lines FIRST to LAST (1-based, inclusive), each ended with the page's own line break.
Every byte of the foreign page stays as it was, so removing the two marker lines gives it back.

usage: wrap.py FOREIGN.html FIRST LAST > page.html
"""
import sys


def main():
    source, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    data = open(source, "rb").read()
    newline = b"\r\n" if b"\r\n" in data else b"\n"
    lines = data.splitlines(keepends=True)
    if not 1 <= first <= last <= len(lines):
        sys.exit(f"wrap.py: lines {first} to {last} are not within the page's {len(lines)}")
    page = (b"".join(lines[: first - 1]) + b"<!-- Section: Images -->" + newline
            + b"".join(lines[first - 1 : last]) + b"<!-- Section End -->" + newline
            + b"".join(lines[last:]))
    sys.stdout.buffer.write(page)


main()
