#!/usr/bin/python3
"""Times `htmlsim-cli design` against `xmllint --html --noout` on the same generated page, in the
same run, and measures how far the CLI's memory grows with the page. Prints figures only; the
goals are told beside them, nothing is asserted.

usage: cli_vs_xmllint.py PATH/TO/htmlsim-cli [RUNS] [REAL-PAGE.html]
A real page (one that has no sections) is read with its whole body as the Images section.
"""
import re
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent


def run_once(command, folder):
    """Wall seconds, CPU seconds (user + system) and peak resident kilobytes of one run."""
    start = time.perf_counter()
    process = subprocess.Popen(command, cwd=folder, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(command)} failed in {folder}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def median_run(command, folder, runs):
    results = [run_once(command, folder) for _ in range(runs)]
    middle = len(results) // 2
    return tuple(sorted(column)[middle] for column in zip(*results))


def generate(folder, images):
    subprocess.run([sys.executable, HERE / "generate-page.py", folder, str(images), "50"],
                   check=True)
    return (folder / "page.html").stat().st_size


def wrapped_body(page):
    """The page with its body between Images section markers, or None without a body tag."""
    data = page.read_bytes()
    body, end = re.search(rb"<body[^>]*>", data, re.I), data.lower().rfind(b"</body>")
    if body is None or end < body.end():
        return None
    return (data[:body.end()] + b"\n<!-- Section: Images -->\n" + data[body.end():end]
            + b"<!-- Section End -->\n" + data[end:])


def real_page_figures(cli, page, runs, baseline_rss):
    with tempfile.TemporaryDirectory() as temp:
        data = wrapped_body(page)
        if data is None:
            sys.exit(f"{page} has no body")
        Path(temp, "page.html").write_bytes(data)
        wall, cpu, rss = median_run([cli, "design", "page.html"], temp, runs)
    growth = (rss - baseline_rss) * 1024
    print(f"real page {page.name} ({len(data) / 1e6:.2f} MB, its body as the Images section):")
    print(f"  htmlsim-cli design     wall {wall:.3f}  CPU {cpu:.3f} (goal < 0.5 s)")
    print(f"  memory growth {growth / 1e6:.1f} MB, {growth / len(data):.1f}x the document (goal < 5)")


def main():
    cli = str(Path(sys.argv[1]).resolve())
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    with tempfile.TemporaryDirectory() as temp:
        one, two, tiny = Path(temp, "one"), Path(temp, "two"), Path(temp, "tiny")
        size_one, size_two = generate(one, 200), generate(two, 400)
        generate(tiny, 1)
        design = [cli, "design", "page.html"]
        xmllint = ["xmllint", "--html", "--noout", "page.html"]
        cli_one = median_run(design, one, runs)
        xml_one = median_run(xmllint, one, runs)
        cli_two = median_run(design, two, runs)
        cli_tiny = median_run(design, tiny, runs)

    print(f"median of {runs} runs; wall and CPU (user + system) seconds")
    print(f"page of 200 image maps x 50 areas ({size_one / 1e6:.2f} MB):")
    print(f"  htmlsim-cli design     wall {cli_one[0]:.3f}  CPU {cli_one[1]:.3f}")
    print(f"  xmllint --html --noout wall {xml_one[0]:.3f}  CPU {xml_one[1]:.3f}")
    print(f"  ratio (goal <= 1.0)    wall {cli_one[0] / xml_one[0]:.2f}x  "
          f"CPU {cli_one[1] / xml_one[1]:.2f}x")
    print(f"twice that page ({size_two / 1e6:.2f} MB):")
    print(f"  htmlsim-cli design     wall {cli_two[0]:.3f}  CPU {cli_two[1]:.3f}")
    print(f"  time against the page (goal <= 2.1)  wall {cli_two[0] / cli_one[0]:.2f}x  "
          f"CPU {cli_two[1] / cli_one[1]:.2f}x")
    growth = (cli_two[2] - cli_tiny[2]) * 1024
    print(f"memory on the {size_two / 1e6:.2f} MB page: peak resident {cli_two[2] / 1024:.1f} MB, "
          f"{growth / 1e6:.1f} MB above a one-image page")
    print(f"  growth against the document (goal < 5)  {growth / size_two:.1f}x; "
          f"wall {cli_two[0]:.3f} s (goal < 0.5)")
    if len(sys.argv) > 3:
        real_page_figures(cli, Path(sys.argv[3]), runs, cli_tiny[2])


main()
