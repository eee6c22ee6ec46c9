"""A strict reader of the PNG files the icons are: chunk structure, CRCs, header, and pixels
decoded (8-bit greyscale, RGB, grey+alpha or RGBA, not interlaced) so that tests can look at them.
"""
import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
CHANNELS = {0: 1, 2: 3, 4: 2, 6: 4}  # colour type -> samples per pixel


class PngError(ValueError):
    pass


def read_chunks(data):
    """The (type, body) chunks of a PNG file after checking the signature and every CRC."""
    if not data.startswith(SIGNATURE):
        raise PngError("no PNG signature")
    chunks = []
    position = len(SIGNATURE)
    while position < len(data):
        if position + 12 > len(data):
            raise PngError("truncated chunk header")
        (length,) = struct.unpack(">I", data[position:position + 4])
        kind = data[position + 4:position + 8]
        body = data[position + 8:position + 8 + length]
        if len(body) != length or position + 12 + length > len(data):
            raise PngError(f"truncated {kind!r} chunk")
        (crc,) = struct.unpack(">I", data[position + 8 + length:position + 12 + length])
        if zlib.crc32(kind + body) != crc:
            raise PngError(f"bad CRC in {kind!r} chunk")
        chunks.append((kind, body))
        position += 12 + length
    return chunks


def _unfilter(raw, width, height, channels):
    stride = width * channels
    rows = []
    previous = bytearray(stride)
    position = 0
    for _ in range(height):
        kind = raw[position]
        row = bytearray(raw[position + 1:position + 1 + stride])
        position += 1 + stride
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            up_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                estimate = left + up - up_left
                distances = (abs(estimate - left), abs(estimate - up), abs(estimate - up_left))
                predictor = (left, up, up_left)[distances.index(min(distances))]
                row[i] = (row[i] + predictor) & 255
            elif kind != 0:
                raise PngError(f"unknown filter type {kind}")
        rows.append(bytes(row))
        previous = row
    return rows


def read_png(path):
    """(width, height, rows of RGBA pixels as (r, g, b, a) tuples). Raises PngError when the file
    is not a well-formed 8-bit, non-interlaced PNG."""
    with open(path, "rb") as file:
        chunks = read_chunks(file.read())
    kinds = [kind for kind, _ in chunks]
    if not kinds or kinds[0] != b"IHDR" or kinds[-1] != b"IEND" or b"IDAT" not in kinds:
        raise PngError(f"chunk order {kinds}")
    header = chunks[0][1]
    if len(header) != 13:
        raise PngError("IHDR is not 13 bytes")
    width, height, depth, colour, compression, filtering, interlace = struct.unpack(
        ">IIBBBBB", header)
    if depth != 8 or colour not in CHANNELS or (compression, filtering, interlace) != (0, 0, 0):
        raise PngError(f"unsupported header {depth, colour, compression, filtering, interlace}")
    channels = CHANNELS[colour]
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    if len(raw) != height * (1 + width * channels):
        raise PngError("image data does not match the header's size")
    rows = []
    for row in _unfilter(raw, width, height, channels):
        pixels = []
        for x in range(width):
            sample = row[x * channels:(x + 1) * channels]
            if channels == 1:
                sample = sample * 3 + b"\xff"
            elif channels == 2:
                sample = sample[:1] * 3 + sample[1:]
            elif channels == 3:
                sample += b"\xff"
            pixels.append(tuple(sample))
        rows.append(pixels)
    return width, height, rows
