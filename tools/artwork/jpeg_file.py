"""Baseline 4:4:4 JPEG with a header laid out by hand.

PIL's encoder supplies the tables and the entropy-coded data; the APPn segments it (or its
libjpeg) writes vary between versions, so they are dropped and replaced by a JFIF 1.01
APP0 at 300 dpi and one short EXIF APP1. The launcher's decoder and the tests rely on
exactly this layout.
"""

import io
import struct

SOI, EOI, SOS, SOF0 = 0xD8, 0xD9, 0xDA, 0xC0
APP0, APP1, APP15 = 0xE0, 0xE1, 0xEF
DENSITY_DPI = 300


def segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def jfif_app0():
    # version 1.01, units 1 = dots per inch, no thumbnail
    return segment(APP0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 1, DENSITY_DPI, DENSITY_DPI, 0, 0))


def exif_app1(software):
    """EXIF holding one little-endian IFD with a single Software (0x0131) ASCII tag."""
    text = software.encode("ascii") + b"\0"
    ifd_offset = 8
    value_offset = ifd_offset + 2 + 12 + 4
    tiff = b"II*\0" + struct.pack("<I", ifd_offset)
    tiff += struct.pack("<H", 1)
    tiff += struct.pack("<HHII", 0x0131, 2, len(text), value_offset)
    tiff += struct.pack("<I", 0)
    tiff += text
    return segment(APP1, b"Exif\0\0" + tiff)


def split_segments(data):
    """Yields (marker, whole segment bytes) up to and including SOS; the rest is the scan."""
    if data[:2] != b"\xff\xd8":
        raise ValueError("not a JPEG: missing SOI")
    pos = 2
    while True:
        if pos + 4 > len(data) or data[pos] != 0xFF:
            raise ValueError(f"bad marker at offset {pos}")
        marker = data[pos + 1]
        (length,) = struct.unpack(">H", data[pos + 2:pos + 4])
        end = pos + 2 + length
        if length < 2 or end > len(data):
            raise ValueError(f"segment at offset {pos} runs past the end")
        if marker == SOS:
            yield marker, data[pos:]  # header plus entropy-coded data and EOI
            return
        yield marker, data[pos:end]
        pos = end


def check_baseline_444(sof):
    precision, height, width, count = struct.unpack(">BHHB", sof[4:10])
    sampling = [sof[10 + 3 * i + 1] for i in range(count)]
    if precision != 8 or count != 3 or any(s != 0x11 for s in sampling):
        raise ValueError(f"encoder gave precision {precision}, {count} components, sampling {sampling}")
    return width, height


def encode(image, quality, software):
    """Returns the JPEG bytes of a PIL RGB image."""
    raw = io.BytesIO()
    image.save(raw, "JPEG", quality=quality, subsampling=0, progressive=False, optimize=False)
    kept = []
    frame_seen = False
    for marker, seg in split_segments(raw.getvalue()):
        if APP0 <= marker <= APP15:
            continue
        if marker == SOF0:
            check_baseline_444(seg)
            frame_seen = True
        elif 0xC1 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            raise ValueError(f"encoder wrote a non-baseline frame (marker {marker:#x})")
        kept.append(seg)
    if not frame_seen or not kept[-1].endswith(b"\xff\xd9"):
        raise ValueError("encoder output lacks a baseline frame or EOI")
    return b"\xff\xd8" + jfif_app0() + exif_app1(software) + b"".join(kept)
