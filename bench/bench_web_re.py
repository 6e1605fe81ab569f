#!/usr/bin/env python3
"""Cut-and-match of a list page with Python's re, the way bench_web does it in C++.

usage: bench_web_re.py PAGE_FILE [--json] [--repeat N]

PAGE_FILE is the page bench_web writes (bench_web --write-page FILE). The item block is cut
between two markers, split at "</tr>", and the row pattern (12 lines, 7 lazy groups, CR LF
line breaks) is run over every piece, ignoring case; "." does not match a line feed.
"""
import json
import re
import sys
import time

ROW_PATTERN = (
    '<tr class="goods-row">\r\n'
    '<td class="title"><a href="/detail/(.*?).html" target="_blank">(.*?)</a></td>\r\n'
    '<td class="desc">.*?</td>\r\n'
    '<td class="area">(.*?)</td>\r\n'
    '<td class="kind">.*?</td>\r\n'
    '<td class="price"><span>(.*?)</span>元</td>\r\n'
    '<td class="amount">(.*?)</td>\r\n'
    '<td class="unit">(.*?)元/金</td>\r\n'
    '<td class="seller"><img src="http://img.dd373.com/.*?" />.*?</td>\r\n'
    '<td class="state">.*?</td>\r\n'
    '<td class="time">(.*?)</td>\r\n'
    '<td class="op"><a href=".*?">购买</a></td>\r\n'
)


def text_between(text, left, right):
    start = text.find(left)
    if start < 0:
        return ""
    start += len(left)
    end = text.find(right, start)
    return "" if end < 0 else text[start:end]


def split_text(text, sep):
    pieces = text.split(sep)
    if pieces and pieces[-1] == "":
        pieces.pop()
    return pieces


def cut_and_match(page, row):
    block = text_between(page, '<tbody id="goods">', "</tbody>")
    rows = 0
    for piece in split_text(block, "</tr>"):
        for m in row.finditer(piece):
            cells = [m.group(g) for g in range(1, 8)]
            rows += 1 if len(cells) == 7 else 0
    return rows


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    with open(args[0], encoding="utf-8", newline="") as f:
        page = f.read()
    repeat = int(args[args.index("--repeat") + 1]) if "--repeat" in args else 20
    row = re.compile(ROW_PATTERN, re.IGNORECASE)
    rows = cut_and_match(page, row)  # warm-up
    best = float("inf")
    for _ in range(repeat):
        t0 = time.perf_counter()
        cut_and_match(page, row)
        best = min(best, time.perf_counter() - t0)
    size = len(page.encode("utf-8"))
    if "--json" in args:
        print(json.dumps({"rows": rows, "seconds_per_page": best, "bytes": size}))
    else:
        print(f"rows {rows}, {best * 1000:.2f} ms per page, {1 / best:.1f} pages/s, "
              f"{size / best / 1e6:.1f} MB/s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
