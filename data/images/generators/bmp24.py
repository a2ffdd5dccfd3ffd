"""Writing of the 24-bit BMP files the picture generators draw.

The pictures are stored uncompressed, bottom-up, each row padded to a
multiple of four bytes, at 2835 pixels per metre (72 dpi).
"""
import struct


def bgr_row(row):
    """One row of (r, g, b) tuples as the bytes of a BMP row (blue first)."""
    out = bytearray()
    for r, g, b in row:
        out += bytes((b, g, r))
    return out


def write_bmp(path, width, height, rows):
    """Writes rows (top row first) to path; a row is either bytes in BMP
    order (blue, green, red) or a sequence of (r, g, b) tuples."""
    if len(rows) != height:
        raise ValueError("expected %d rows, got %d" % (height, len(rows)))
    pad = b"\0" * ((4 - (width * 3) % 4) % 4)
    size = 54 + (width * 3 + len(pad)) * height
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", size, 0, 0, 54))
        f.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size - 54, 2835, 2835, 0, 0))
        for row in reversed(rows):
            data = row if isinstance(row, (bytes, bytearray)) else bgr_row(row)
            if len(data) != width * 3:
                raise ValueError("a row of %d bytes in a picture %d wide" % (len(data), width))
            f.write(data + pad)
