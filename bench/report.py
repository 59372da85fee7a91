#!/usr/bin/python3
"""Runs every benchmark once and prints each figure beside its goal, and beside its baseline
where one is measured in the same run. Goals missed are marked but do not fail the run (the
machine may be busy); a benchmark whose self-check failed, or a binary that failed, does.

usage: bench/report.py BUILD-DIR
"""
import json
import os
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
failures = []


def google_benchmark(binary, environment=None):
    """Real milliseconds of each benchmark by name; a benchmark that skipped with an error
    counts as a failure."""
    completed = subprocess.run([binary, "--benchmark_format=json"], capture_output=True,
                               text=True, env={**os.environ, **(environment or {})})
    if completed.returncode != 0:
        failures.append(f"{binary.name} exited with {completed.returncode}: {completed.stderr}")
        return {}
    times = {}
    for run in json.loads(completed.stdout)["benchmarks"]:
        if run.get("error_occurred"):
            failures.append(f"{run['name']}: {run['error_message']}")
            continue
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
        times[run["name"]] = run["real_time"] * scale
    return times


def figure(text, value, unit, goal=None):
    """One line: the figure, its goal and whether it met it."""
    if value is None:
        print(f"  {text:<58} (not measured: see the failures below)")
        return
    verdict = ""
    if goal is not None:
        verdict = f"goal < {goal:g} {unit}: " + ("met" if value < goal else "MISSED")
    print(f"  {text:<58} {value:9.2f} {unit:<3} {verdict}")


def ratio(times, slow, fast):
    return times[slow] / times[fast] if slow in times and fast in times else None


def core_figures(build):
    times = google_benchmark(build / "core_bench")
    print("core (build/bench/core_bench):")
    figure("sections of a 1 MB page with 2,000 sections listed",
           times.get("ListSectionsOfALargeDocument"), "ms", 50)
    figure("page of 200 image maps x 50 areas (1.5 MB) imported",
           times.get("BM_ImportDocument/1"), "ms", 100)
    figure("  twice that page, against it", ratio(times, "BM_ImportDocument/2",
                                                   "BM_ImportDocument/1"), "x", 2.2)
    figure("the design sections of that page written",
           times.get("BM_DocumentUpdateSectionImages"), "ms", 50)
    figure("300 generated pages checked for links", times.get("BM_CheckLinks/300"), "ms", 3000)
    figure("5 MB page opened, listed, imported and saved",
           times.get("OpenListImportSaveALongDocument/5"), "ms")
    figure("  20 MB, against 5 MB (linear: 4)",
           ratio(times, "OpenListImportSaveALongDocument/20", "OpenListImportSaveALongDocument/5"),
           "x", 4.4)
    for snippets in (1000, 5000):
        figure(f"code library of {snippets} snippets opened, one type listed",
               times.get(f"BM_OpenLibraryAndListOneType/{snippets}"), "ms")
        figure(f"  one snippet stored among {snippets}",
               times.get(f"BM_StoreOneSnippet/{snippets}"), "ms")


def cli_figures(build):
    times = google_benchmark(build / "cli_bench")
    print("design command in-process (build/bench/cli_bench, build/bench/heap_bench):")
    figure("1.5 MB page read and printed as JSON", times.get("BM_ImportAndDesignJson/1"), "ms")
    figure("3 MB page read and printed as JSON", times.get("BM_ImportAndDesignJson/2"), "ms",
           500)
    heap = subprocess.run([build / "heap_bench"], capture_output=True, text=True)
    if heap.returncode != 0:
        failures.append(f"heap_bench did not read the whole page: {heap.stdout}")
        figure("peak heap of that, against the page", None, "x")
    else:
        growth = float(heap.stdout.rsplit(" ", 1)[1].rstrip("x\n"))
        print(f"  {heap.stdout.strip()}")
        figure("peak heap of that, against the page", growth, "x", 5)


def gui_figures(build):
    times = google_benchmark(build / "gui_bench", {"QT_QPA_PLATFORM": "offscreen"})
    print("editor and CLI processes (build/bench/gui_bench):")
    figure("one drag step of a 1920 x 1080 picture on the surface",
           times.get("BM_SurfaceImageDragStep"), "ms", 8)
    figure("htmlsim-cli simjs on a chain of 300 pages",
           times.get("SimjsWalksAChainOfThreeHundredPages/real_time"), "ms", 5000)


def process_figures(script, environment=None):
    """Scripts and binaries that print their own figures and goals."""
    sys.stdout.flush()  # our headings before their lines
    completed = subprocess.run(script, env={**os.environ, **(environment or {})})
    if completed.returncode != 0:
        failures.append(f"{Path(script[0]).name} exited with {completed.returncode}")


def main():
    build = Path(sys.argv[1]).resolve() / "bench"
    cli = str(build.parent / "src" / "cli" / "htmlsim-cli")
    core_figures(build)
    cli_figures(build)
    gui_figures(build)
    print("htmlsim-cli design against xmllint (bench/cli/cli_vs_xmllint.py):")
    process_figures([sys.executable, HERE / "cli" / "cli_vs_xmllint.py", cli])
    print("a 200-press recording under a virtual display (build/bench/record_bench):")
    process_figures([build / "record_bench"],
                    {"HTMLSIM_CLI": cli, "HTMLSIM_RECORD_TARGET":
                     str(build.parent / "tests" / "record" / "record_target")})
    for failure in failures:
        print(f"FAILED: {failure}")
    sys.exit(1 if failures else 0)


main()
