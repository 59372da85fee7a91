#!/usr/bin/python3
"""Runs the htmlsim-cli command of a corpus folder on every case in it and compares what it wrote
with the case's expected files, printing a diff of each difference. With --update it writes the
expected files from what the command wrote instead (review every changed file in its commit).

usage: run.py CLI [CASES-FOLDER...] [--update]      (no folder: every folder of FOLDERS)

Each case is a folder run in a copy of itself; paths of that copy read "<case>" in the outputs.
The folders written/ and regenerate/ are run by regenerate, the others by the command they name.
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
  cli         command.txt (the arguments, one a line; {ftp} reads ftp://writer:write-secret@
              127.0.0.1:PORT of an FTP server serving the case's ftp/ folder, started with the
              options of server.txt, one a line, and {host} its 127.0.0.1:PORT alone), with the
              environment changed by environment.txt (NAME=VALUE sets, NAME alone removes) ->
              stdout.txt, stderr.txt (none when empty), exit.txt, files.txt (the folder after the
              run; a PNG with its decoded size). The server's address reads <server>.
A case's folder after/, when there is one, holds files the folder must hold after the command,
byte for byte (any command). Today's date reads <today> in them and in the cli outputs.
"""
import datetime
import difflib
import json
import os
import shutil
import subprocess
import struct
import sys
import tempfile
import zlib
from unittest import mock
from pathlib import Path


def with_placeholder(data, folder):
    return data.replace(str(folder).encode(), b"<case>")


def run(cli, folder, arguments):
    completed = subprocess.run([cli, *arguments], cwd=folder, capture_output=True, timeout=120)
    return (completed.returncode, with_placeholder(completed.stdout, folder),
            with_placeholder(completed.stderr, folder))


def day():
    return datetime.date.today().strftime("%m/%d/%Y").encode()


def without_days(data, days):
    for today in days:
        data = data.replace(today, b"<today>")
    return data


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


def png_size(data):
    """WIDTHxHEIGHT of a PNG whose pixel data inflates to its full size, else "undecodable"."""
    if not data.startswith(b"\x89PNG\r\n\x1a\n") or len(data) < 26:
        return "undecodable"
    width, height, depth, colour = struct.unpack(">IIBB", data[16:26])
    pixels, at = b"", 8
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        pixels += data[at + 8:at + 8 + length] if kind == b"IDAT" else b""
        at += length + 12
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}.get(colour, 0)
    try:
        whole = len(zlib.decompress(pixels)) == height * (1 + (width * channels * depth + 7) // 8)
    except zlib.error:
        whole = False
    return f"{width}x{height}" if whole and channels else "undecodable"


def files_with_sizes(folder):
    def line(name):
        size = f"\t{png_size((folder / name).read_bytes())}" if name.endswith(".png") else ""
        return f"{name}{size}\n"
    return "".join(map(line, files_of(folder).decode().splitlines())).encode()


def ftp_server(root, options):
    """The test FTP server (Debian's pyftpdlib) serving root, and the host:port it listens on."""
    script = Path(__file__).resolve().parents[1] / "support/servers/ftp_server.py"
    server = subprocess.Popen(["/usr/bin/python3", script, root, *options], stdout=subprocess.PIPE)
    return server, f"127.0.0.1:{int(server.stdout.readline())}"


def environment(lines):
    """The environment of the run: NAME=VALUE sets a variable, NAME alone removes it."""
    changed = dict(os.environ)
    for name, is_set, value in (line.partition("=") for line in lines):
        if is_set:
            changed[name] = value
        else:
            changed.pop(name, None)
    return changed


def run_with_server(cli_path, folder, arguments, options, variables):
    # An empty ftp/ is not kept by git: the server starts whenever the command names it.
    wanted = any("{ftp}" in argument or "{host}" in argument for argument in arguments)
    (folder / "ftp").mkdir(exist_ok=True) if wanted else None
    server, host = ftp_server(folder / "ftp", options) if wanted else (None, "")
    address = f"ftp://writer:write-secret@{host}"
    named = lambda argument: argument.replace("{ftp}", address).replace("{host}", host)
    # A home of its own: no trust, password or recent files of the user's are read or written.
    with tempfile.TemporaryDirectory() as home, mock.patch.dict(
            os.environ, {**environment(variables), "HOME": home}, clear=True):
        try:
            return host, run(cli_path, folder, [named(argument) for argument in arguments])
        finally:
            if server:
                server.kill()
                server.wait()


def cli(cli_path, folder):
    read = lambda name: (folder / name).read_text() if (folder / name).exists() else ""
    arguments, options = read("command.txt").splitlines(), read("server.txt").split()
    variables = read("environment.txt").splitlines()
    for name in ["command.txt", "server.txt", "environment.txt"]:
        (folder / name).unlink(True)
    before = day()
    host, (status, printed, messages) = run_with_server(cli_path, folder, arguments, options,
                                                        variables)
    days = {before, day()}  # the run may pass midnight

    def neutral(data):
        data = without_days(data, days)
        return data.replace(host.encode(), b"<server>") if host else data

    return {"stdout.txt": neutral(printed), "stderr.txt": neutral(messages),
            "exit.txt": f"{status}\n".encode(), "files.txt": files_with_sizes(folder)}, []


FOLDERS = {"written": regenerate, "regenerate": regenerate, "design": design, "simjs": simjs,
           "check": check, "cli": cli}
# The expected files and the case's description, left out of the copy the command runs in.
NOT_INPUT = ["README.md", "messages.txt", "design.json", "Sim.js", "files.txt", "check.json",
             "stdout.txt", "stderr.txt", "exit.txt", "after"]
# Files a command writes that are empty or absent when nothing happened.
OPTIONAL = {"messages.txt", "Sim.js", "stdout.txt", "stderr.txt"}


def expected_bytes(case, name):
    path = case / name
    if path.exists():
        return path.read_bytes()
    if name == "expected.html":
        return (case / "input.html").read_bytes()
    return b"" if name in ("messages.txt", "stdout.txt", "stderr.txt") else None


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


def files_after(case, folder, days):
    """The files of the case's after/ as the command left them in the copy (None: not there)."""
    after = case / "after"
    names = [path.relative_to(after) for path in after.rglob("*") if path.is_file()]
    return {str(Path("after", name)): without_days((folder / name).read_bytes(), days)
            if (folder / name).is_file() else None for name in names}


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
            wanted.update(files_after(case, folder, {day()}))
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
