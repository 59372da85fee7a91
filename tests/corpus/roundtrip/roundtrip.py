#!/usr/bin/python3
"""Reads each foreign page with the program, writes it back, and compares what a browser-grade
parser (html5lib) sees before and after. See README.md beside this file.

usage: roundtrip.py --cli PATH/TO/htmlsim-cli CASE_FOLDER...
Exits 0 when every case passes; prints what differs for each case that does not.
"""
import argparse
import difflib
import json
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

import html5lib
from xml.etree import ElementTree

PAGE = "page.html"
SECTION_BLOCK = re.compile(rb"<!-- Section:[^\n]*?-->.*?<!-- Section End -->(\r\n|\n)?", re.S)
SHAPE_ALIASES = {"circ": "circle", "polygon": "poly", "rectangle": "rect", "": "rect"}
NUMBER = re.compile(r"-?\d+(?:\.\d+)?")
ALLOWED_MESSAGE = re.compile(r"^Tag Not Understood: '.*'$", re.S)


def run_cli(cli, command, folder):
    return subprocess.run([cli, command, PAGE], cwd=folder, capture_output=True, timeout=60)


def parse(data, encoding=None):
    """The document as html5lib builds it, and the encoding it read the bytes with."""
    parser = html5lib.HTMLParser(tree=html5lib.getTreeBuilder("etree"),
                                 namespaceHTMLElements=False)
    root = parser.parse(data, override_encoding=encoding) if encoding else parser.parse(data)
    return root, parser.documentEncoding


def is_marker(node, text):
    return node.tag is ElementTree.Comment and (node.text or "").strip() == text


def walk(node, in_images=False):
    """(element or text, inside the Images section) in document order; the state carries on."""
    state = [in_images]

    def visit(element):
        if element.tag is ElementTree.Comment:
            if is_marker(element, "Section: Images"):
                state[0] = True
            elif is_marker(element, "Section End"):
                state[0] = False
        yield element, state[0]
        if element.text and element.tag is not ElementTree.Comment:
            yield element.text, state[0]
        for child in element:
            yield from visit(child)
            if child.tail:
                yield child.tail, state[0]

    yield from visit(node)


def numbers(text):
    return [float(n) for n in NUMBER.findall(text or "")]


def plain(values):
    return ",".join(f"{value:g}" for value in values)


def describe(node):
    """What a browser takes from one node, as one comparable line."""
    if isinstance(node, str):
        text = " ".join(node.split())
        return f"text {text!r}" if text else None
    if node.tag is ElementTree.Comment:
        marker = node.text.strip().startswith("Section:") or node.text.strip() == "Section End"
        return None if marker else f"comment {node.text!r}"
    attributes = dict(node.attrib)
    tag = str(node.tag).lower()
    if tag == "area":
        shape = attributes.pop("shape", "").strip().lower()
        attributes["shape"] = SHAPE_ALIASES.get(shape, shape)
        attributes["coords"] = plain(numbers(attributes.get("coords")))
    if tag == "img":
        for size in ("width", "height"):
            if size in attributes:
                attributes[size] = plain(numbers(attributes[size])[:1])
    shown = " ".join(f"{name}={attributes[name]!r}" for name in sorted(attributes))
    return f"<{tag}> {shown}".rstrip()


def seen(root):
    return [line for line in (describe(node) for node, _ in walk(root)) if line is not None]


def compare_markup(before_root, after_root):
    before, after = seen(before_root), seen(after_root)
    if before == after:
        return []
    changes = [line for line in difflib.unified_diff(before, after, "before", "after", n=0, lineterm="")
               if line[:1] in "+-" and not line.startswith(("---", "+++"))]
    return ["what a browser sees changed:"] + [f"  {line}" for line in changes[:12]] + (
        [f"  ... and {len(changes) - 12} more"] if len(changes) > 12 else [])


def hash_name(usemap):
    return usemap.split("#", 1)[1] if usemap and "#" in usemap else None


def browser_maps(root):
    """For each IMG of the Images section, the AREAs of the map a browser gives it."""
    maps = [element for element in root.iter("map")]
    images = []
    for node, in_images in walk(root):
        if not isinstance(node, str) and node.tag == "img" and in_images:
            name = hash_name(node.get("usemap"))
            found = next((m for m in maps if name is not None and name in (m.get("name"), m.get("id"))),
                         None)
            images.append((node, list(found.iter("area")) if found is not None else []))
    return images


def expected_box(area):
    """An area's bounding box relative to its image, or None where the shape has none."""
    shape, c = describe(area), numbers(area.get("coords"))
    if "shape='rect'" in shape and len(c) >= 4:
        return c[0], c[1], c[2] - c[0], c[3] - c[1]
    if "shape='circle'" in shape and len(c) >= 3:
        return c[0] - c[2], c[1] - c[2], 2 * c[2], 2 * c[2]
    if "shape='poly'" in shape and len(c) >= 6:
        xs, ys = c[0::2], c[1::2]
        return min(xs), min(ys), max(xs) - min(xs), max(ys) - min(ys)
    return None


def compare_reading(root, design):
    """The design the program read holds the images and areas a browser finds."""
    problems = []
    for message in design.get("messages", []):
        if not ALLOWED_MESSAGE.match(message.get("text", "")):
            problems.append(f"message while reading: {message.get('text')!r}")
    images = browser_maps(root)
    read = design.get("images", [])
    if len(read) != len(images):
        problems.append(f"the design has {len(read)} images, a browser shows {len(images)}")
        return problems
    for number, ((img, areas), image) in enumerate(zip(images, read), start=1):
        if image.get("SRC") != img.get("src"):
            problems.append(f"image {number}: SRC {image.get('SRC')!r}, the page says {img.get('src')!r}")
        mine = [a for a in design.get("areas", []) if a.get("ImageID") == number and a.get("AreaType") == 0]
        if len(mine) != len(areas):
            problems.append(f"image {number}: the design has {len(mine)} areas, a browser {len(areas)}")
            continue
        for index, (area, ours) in enumerate(zip(areas, mine), start=1):
            box = expected_box(area)
            got = (ours["Left"] - image["Left"], ours["Top"] - image["Top"], ours["Width"], ours["Height"])
            box = box and tuple(round(value) for value in box)
            if box is not None and box != got:
                problems.append(f"image {number}, area {index}: box {got}, the page gives {box}")
    return problems


def outside_sections(data):
    return SECTION_BLOCK.sub(b"", data)


def check_case(cli, case):
    problems = []
    original = (case / PAGE).read_bytes()
    with tempfile.TemporaryDirectory() as temp:
        once_folder, twice_folder = Path(temp, "once"), Path(temp, "twice")
        shutil.copytree(case, once_folder)
        design_run = run_cli(cli, "design", once_folder)
        first = run_cli(cli, "regenerate", once_folder)
        if first.returncode not in (0, 1) or not first.stdout:
            return [f"regenerate exited {first.returncode}: {first.stderr.decode(errors='replace')[-400:]}"]
        shutil.copytree(case, twice_folder)
        (twice_folder / PAGE).write_bytes(first.stdout)
        second = run_cli(cli, "regenerate", twice_folder)
    once = first.stdout
    if outside_sections(once) != outside_sections(original):
        problems.append("bytes outside the sections changed")
    if b"\r\n" not in original and b"\r\n" in once:
        problems.append("a page without CR LF was written with CR LF")
    if second.stdout != once:
        problems.append("not a fixed point: a second regenerate writes other bytes")
    before, encoding = parse(original)
    after, _ = parse(once, encoding)
    problems += compare_markup(before, after)
    if design_run.returncode not in (0, 1):
        problems.append(f"design exited {design_run.returncode}")
    else:
        problems += compare_reading(before, json.loads(design_run.stdout.decode("utf-8", "replace")))
    return problems


def main():
    arguments = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    arguments.add_argument("--cli", required=True)
    arguments.add_argument("cases", nargs="+", type=Path)
    options = arguments.parse_args()
    options.cli = str(Path(options.cli).resolve())
    cases = [case for case in options.cases if (case / PAGE).is_file()]  # not doxygen-sample/
    failed = 0
    for case in cases:
        problems = check_case(options.cli, case)
        print(f"{'FAIL' if problems else 'ok  '} {case.name}")
        for problem in problems:
            print(f"     {problem}")
        failed += bool(problems)
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


sys.exit(main())
