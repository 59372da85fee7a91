#!/usr/bin/python3
"""Writes a page as the program writes it: IMAGES image maps of AREAS areas each, every image
naming one 800 x 600 picture beside the page (written too, as a PNG).

usage: generate-page.py FOLDER [IMAGES] [AREAS]   -> FOLDER/page.html, FOLDER/screen.png
"""
import struct
import sys
import zlib
from pathlib import Path


def png(width, height):
    row = b"\x00" + b"\xdd\xe7\xf0" * width
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(row * height, 9)) + chunk(b"IEND", b""))


def images_section(images, areas):
    lines, index = [], 0
    for i in range(1, images + 1):
        left, top = i % 40 * 20, i // 40 * 30
        lines.append(f"<IMG SRC='screen.png' Name='Screen{i}' BORDER='0' Width='800' Height='600' "
                     f"STYLE='position:absolute; left:{left}px; top:{top}px' UseMap='#Map{i}'/>")
        lines.append(f"<map name='Map{i}'>")
        for a in range(areas):
            index += 1
            x, y = a * 7 % 740, a * 11 % 570
            lines.append(f"<AREA SHAPE='rect' COORDS='{x},{y},{x + 60},{y + 25}' "
                         f"Title='Go on to the step {index} of the simulation walk' "
                         f"HREF='pages/step_{index}_of_the_walk_through.htm'/> ")
        lines.append("</map>")
    return "".join(line + "\r\n" for line in lines)


def main():
    folder = Path(sys.argv[1])
    images = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    areas = int(sys.argv[3]) if len(sys.argv) > 3 else 50
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "screen.png").write_bytes(png(800, 600))
    sections = "".join(f"<!-- Section: {name} -->\r\n{body}<!-- Section End -->\r\n" for name, body in [
        ("CanvasScript_Top", ""), ("Balloons", ""), ("Images", images_section(images, areas)),
        ("Labels", ""), ("Anchors", ""), ("Inputs", ""), ("CanvasScript_Bottom", "")])
    page = f"<HTML>\r\n<HEAD>\r\n</HEAD>\r\n<BODY>\r\n{sections}</BODY>\r\n</HTML>\r\n"
    (folder / "page.html").write_bytes(page.encode())


main()
