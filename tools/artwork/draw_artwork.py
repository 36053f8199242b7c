#!/usr/bin/python3
"""Draws the launcher's artwork into src/resources/artwork (or --out DIR).

Run with Debian's /usr/bin/python3 (python3-pil, python3-numpy, fonts-dejavu-core,
fonts-wqy-microhei). Every run writes byte-identical files: all randomness is seeded and
no file carries a time stamp.
"""

import argparse
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__

from PIL import Image  # noqa: E402

import button  # noqa: E402
import icon  # noqa: E402
import ico_file  # noqa: E402
import jpeg_file  # noqa: E402
import title  # noqa: E402

REPO = Path(__file__).resolve().parents[2]
DEFAULT_OUT = REPO / "src" / "resources" / "artwork"
SOFTWARE = "Vaskoran launcher artwork"


def write_all(out):
    out.mkdir(parents=True, exist_ok=True)
    written = {}

    picture = Image.fromarray(title.draw(), "RGB")
    written["title.jpg"] = jpeg_file.encode(picture, 90, SOFTWARE)

    letters = button.lettering()
    for name, fill in button.FILLS.items():
        face = Image.fromarray(button.draw(fill, letters), "RGB")
        written[name] = jpeg_file.encode(face, 95, SOFTWARE)

    written["launcher.ico"] = ico_file.encode([icon.draw(size) for size in icon.SIZES])

    for name, data in written.items():
        (out / name).write_bytes(data)
    return {name: len(data) for name, data in written.items()}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=Path, default=DEFAULT_OUT, help="output directory")
    args = parser.parse_args()
    for name, size in write_all(args.out).items():
        print(f"{args.out / name}: {size} bytes")


if __name__ == "__main__":
    main()
