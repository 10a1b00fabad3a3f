"""PNG files read with the standard library, and how far two pictures of one
size are apart, block by block."""

import struct
import zlib


def read_png(path):
    """(width, height, pixels): pixels holds R, G, B bytes a pixel, rows top first.
    Reads 8-bit RGB and RGBA without interlace, as quorvel-capture and
    Chromium write them."""
    with open(path, "rb") as file:
        data = file.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG file")
    at, chunks, header = 8, [], None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit RGB or RGBA without interlace is read here")
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    previous = bytearray(stride)
    pixels = bytearray()
    for row in range(height):
        kind = raw[row * (stride + 1)]
        line = bytearray(raw[row * (stride + 1) + 1:(row + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        previous = line
        if channels == 3:
            pixels += line
        else:
            for i in range(0, stride, 4):
                pixels += line[i:i + 3]
    return width, height, bytes(pixels)


def block_means(width, height, pixels, size):
    """The mean of each channel over each size x size block (the last row and
    column of blocks cut short), as a list of [r, g, b] in block rows."""
    columns, rows = (width + size - 1) // size, (height + size - 1) // size
    sums = [[0, 0, 0, 0] for _ in range(columns * rows)]
    for y in range(height):
        row = (y // size) * columns
        start = y * width * 3
        for x in range(width):
            block = sums[row + x // size]
            i = start + 3 * x
            block[0] += pixels[i]
            block[1] += pixels[i + 1]
            block[2] += pixels[i + 2]
            block[3] += 1
    return [[s[0] / s[3], s[1] / s[3], s[2] / s[3]] for s in sums]


def block_difference(a, b):
    """(mean absolute difference of the block channels; the largest one)."""
    differences = [abs(p - q) for block_a, block_b in zip(a, b) for p, q in zip(block_a, block_b)]
    return sum(differences) / len(differences), max(differences)
