#!/usr/bin/python3
"""Runs the htmlsim-cli command of a corpus folder on every case in it and compares what it wrote
with the case's expected files, printing a diff of each difference. With --update it writes the
expected files from what the command wrote instead (review every changed file in its commit).

usage: run.py CLI [CASES-FOLDER...] [--update]      (no folder: every folder of FOLDERS)

Each case is a folder run in a copy of itself; paths of that copy read "<case>" in the outputs.
The folders written/ and regenerate/ are run by regenerate, cli/ by the arguments of each case,
the others by the command they name.
  regenerate  input.html -> expected.html (none: input.html itself), messages.txt (stderr, none
              when empty); exit 1 exactly when there are messages; expected.html regenerates to
              itself with the same messages.
  design      page.html -> design.json (stdout), messages.txt (stderr).
  simjs       start.html -> Sim.js (none: the command must not write it), messages.txt (stderr,
              exit 0 exactly when Sim.js was written), files.txt (the files of the folder after
              the walk, one a line).
  check       start.html -> check.json (stdout of `check --json`, exit 1 exactly when it lists
              problems), messages.txt (stderr), files.txt (the folder after the check: it writes
              nothing).
  cli         arguments.txt (one argument a line, taken out of the copy) -> stdout.txt (none when
              empty), messages.txt (stderr), status.txt (the exit status), files.txt.
A case's folder after/, when there is one, holds files the folder must hold after the command,
byte for byte (any command).
"""
import difflib
import json
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path


def with_placeholder(data, folder):
    return data.replace(str(folder).encode(), b"<case>")


def run(cli, folder, arguments):
    completed = subprocess.run([cli, *arguments], cwd=folder, capture_output=True, timeout=120)
    return (completed.returncode, with_placeholder(completed.stdout, folder),
            with_placeholder(completed.stderr, folder))


def status_problems(status, wanted):
    return [] if status == wanted else [f"exit status {status}, not {wanted}"]


def files_of(folder):
    return "".join(f"{path.relative_to(folder)}\n" for path in sorted(folder.rglob("*"))
                   if path.is_file()).encode()


# Each command answers the files it wrote by expected name, and the problems beyond them.
def regenerate(cli, folder):
    status, page, messages = run(cli, folder, ["regenerate", "input.html"])
    problems = status_problems(status, 1 if messages else 0)
    wanted = {"expected.html": page, "messages.txt": messages}
    if (folder / "expected.html").exists():
        again_status, again, again_messages = run(cli, folder, ["regenerate", "expected.html"])
        if (again_status, again, again_messages) != (status, page, messages):
            problems.append("expected.html does not regenerate to itself")
    return wanted, problems


def design(cli, folder):
    status, printed, messages = run(cli, folder, ["design", "page.html"])
    return {"design.json": printed, "messages.txt": messages}, status_problems(status, 0)


def simjs(cli, folder):
    status, _, messages = run(cli, folder, ["simjs", "start.html"])
    script = folder / "Sim.js"
    written = with_placeholder(script.read_bytes(), folder) if script.exists() else None
    return ({"Sim.js": written, "messages.txt": messages, "files.txt": files_of(folder)},
            status_problems(status, 0 if written is not None else 1))


def check(cli, folder):
    status, printed, messages = run(cli, folder, ["check", "--json", "start.html"])
    try:
        problems = status_problems(status, 1 if json.loads(printed)["problems"] else 0)
    except (ValueError, KeyError):
        problems = [f"exit status {status}, no JSON report"]
    return {"check.json": printed, "messages.txt": messages, "files.txt": files_of(folder)}, problems


def any_command(cli, folder):
    arguments = folder / "arguments.txt"
    listed = arguments.read_text(encoding="utf-8").splitlines()
    arguments.unlink()
    status, printed, messages = run(cli, folder, listed)
    return {"stdout.txt": printed, "messages.txt": messages, "status.txt": f"{status}\n".encode(),
            "files.txt": files_of(folder)}, []


FOLDERS = {"written": regenerate, "regenerate": regenerate, "design": design, "simjs": simjs,
           "check": check, "cli": any_command}
# The expected files and the case's description, left out of the copy the command runs in.
NOT_INPUT = ["README.md", "messages.txt", "design.json", "Sim.js", "files.txt", "check.json",
             "stdout.txt", "status.txt", "after"]
# Files a command writes that are empty or absent when nothing happened.
OPTIONAL = {"messages.txt", "Sim.js", "stdout.txt"}


def expected_bytes(case, name):
    path = case / name
    if path.exists():
        return path.read_bytes()
    if name == "expected.html":
        return (case / "input.html").read_bytes()
    return b"" if name in ("messages.txt", "stdout.txt") else None


def update(case, name, written):
    path = case / name
    unchanged_input = name == "expected.html" and written == (case / "input.html").read_bytes()
    if written is None or unchanged_input or (name in OPTIONAL and written == b""):
        path.unlink(missing_ok=True)
    else:
        path.write_bytes(written)


def diff(name, expected, written):
    text = lambda data: [] if data is None else data.decode("utf-8", "replace").splitlines(True)
    return "".join(difflib.unified_diff(text(expected), text(written), f"expected {name}",
                                        f"written {name}"))


def files_after(case, folder):
    """The files of the case's after/ as the command left them in the copy (None: not there)."""
    after = case / "after"
    names = [path.relative_to(after) for path in after.rglob("*") if path.is_file()]
    return {str(Path("after", name)): (folder / name).read_bytes() if (folder / name).is_file()
            else None for name in names}


def run_folder(cli, cases, updating):
    """Whether every case of the folder passed."""
    command = FOLDERS[cases.name]
    case_folders = sorted(path for path in cases.iterdir() if path.is_dir())
    failed = []
    for case in case_folders:
        with tempfile.TemporaryDirectory() as temp:
            folder = Path(temp, case.name)
            shutil.copytree(case, folder, ignore=shutil.ignore_patterns(*NOT_INPUT))
            wanted, problems = command(cli, folder)
            wanted.update(files_after(case, folder))
        for name, written in wanted.items():
            if updating:
                update(case, name, written)
            elif written != expected_bytes(case, name):
                problems.append(diff(name, expected_bytes(case, name), written) or
                                f"{name} differs")
        if problems:
            failed.append(case.name)
            print(f"== {cases.name}/{case.name}\n" + "\n".join(problems))
    rewritten = " (expected files rewritten)" if updating else ""
    print(f"{cases.name}: {len(failed)} failed of {len(case_folders)} cases{rewritten}")
    return not failed


def main():
    arguments = [argument for argument in sys.argv[1:] if argument != "--update"]
    cli = str(Path(arguments[0]).resolve())
    here = Path(__file__).resolve().parent
    folders = [Path(folder) for folder in arguments[1:]] or [here / name for name in FOLDERS]
    passed = [run_folder(cli, folder, "--update" in sys.argv) for folder in folders]
    sys.exit(0 if all(passed) else 1)


main()
