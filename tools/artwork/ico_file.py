"""ICO container with 32-bit DIB images (no PNG), written field by field.

Each image is a BITMAPINFOHEADER whose height counts the colour rows and the AND-mask rows,
then straight-alpha BGRA rows bottom-up, then the 1-bit AND mask bottom-up with rows padded
to 32 bits. The mask is set exactly where alpha is zero, so shells that ignore alpha still
cut the right outline.
"""

import struct

import numpy as np

ICONDIR_SIZE = 6
ICONDIRENTRY_SIZE = 16
BITMAPINFOHEADER_SIZE = 40


def mask_row_bytes(width):
    return 4 * ((width + 31) // 32)


def image_size(width):
    return BITMAPINFOHEADER_SIZE + 4 * width * width + width * mask_row_bytes(width)


def dib(rgba):
    """rgba: h x w x 4 uint8, straight alpha, top row first."""
    height, width, _ = rgba.shape
    if height != width or not 1 <= width <= 256:
        raise ValueError(f"icon images must be square and at most 256 px, got {width}x{height}")
    header = struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, width, 2 * width, 1, 32, 0,
                         4 * width * width, 0, 0, 0, 0)
    bgra = rgba[::-1][..., [2, 1, 0, 3]].copy()
    bgra[bgra[..., 3] == 0] = 0  # keep invisible pixels deterministic and clean
    transparent = rgba[::-1, :, 3] == 0
    padded = np.zeros((height, mask_row_bytes(width) * 8), dtype=bool)
    padded[:, :width] = transparent
    mask = np.packbits(padded, axis=1, bitorder="big")
    data = header + bgra.tobytes() + mask.tobytes()
    assert len(data) == image_size(width)
    return data


def encode(images):
    """images: list of square rgba arrays, in the order the directory should list them."""
    blobs = [dib(rgba) for rgba in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = ICONDIR_SIZE + ICONDIRENTRY_SIZE * len(blobs)
    for rgba, blob in zip(images, blobs):
        width = rgba.shape[1]
        size_byte = width % 256  # 0 stands for 256
        out += struct.pack("<BBBBHHII", size_byte, size_byte, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)
