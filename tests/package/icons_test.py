"""The command's button icons: every size and theme the host looks for, each a valid PNG of its
size (CRCs, header, image data), and each showing a drawing on a transparent ground.

Usage: python3 icons_test.py RESOURCES_FOLDER
"""
import os
import struct
import sys
import tempfile
import unittest
import zlib

from png_reader import PngError, read_chunks, read_png

RESOURCES = None
SIZES = (16, 32, 64)
THEMES = ("", "-dark")


def icon_names():
    return [f"{size}x{size}{theme}.png" for size in SIZES for theme in THEMES]


class Icons(unittest.TestCase):
    def test_every_icon_is_a_png_of_its_size(self):
        for name in icon_names():
            with self.subTest(name):
                width, height, _ = read_png(os.path.join(RESOURCES, name))
                size = int(name.split("x")[0])
                self.assertEqual((width, height), (size, size))

    def test_icons_show_a_drawing_on_a_transparent_ground(self):
        for name in icon_names():
            with self.subTest(name):
                _, _, rows = read_png(os.path.join(RESOURCES, name))
                pixels = [pixel for row in rows for pixel in row]
                opaque = sum(1 for pixel in pixels if pixel[3] >= 128)
                # The button shows the host's colour around the drawing: corners stay clear.
                self.assertEqual(rows[0][0][3], 0)
                self.assertEqual(rows[0][-1][3], 0)
                self.assertGreater(opaque, len(pixels) // 10, "almost nothing drawn")
                self.assertLess(opaque, len(pixels) * 3 // 4, "no ground left")
                # The curve is drawn in red, the preview's colour.
                red = [p for p in pixels if p[3] >= 128 and p[0] > 160 and p[1] < 120 and p[2] < 120]
                self.assertGreater(len(red), len(pixels) // 50, "no red curve")

    def test_dark_variants_differ_from_the_light_ones(self):
        for size in SIZES:
            with self.subTest(size):
                light = read_png(os.path.join(RESOURCES, f"{size}x{size}.png"))[2]
                dark = read_png(os.path.join(RESOURCES, f"{size}x{size}-dark.png"))[2]
                self.assertNotEqual(light, dark)


class Reader(unittest.TestCase):
    """The reader must reject what the host would: otherwise the checks above prove nothing."""

    def write(self, data):
        handle, path = tempfile.mkstemp(suffix=".png")
        with os.fdopen(handle, "wb") as file:
            file.write(data)
        self.addCleanup(os.remove, path)
        return path

    def original(self):
        with open(os.path.join(RESOURCES, "16x16.png"), "rb") as file:
            return bytearray(file.read())

    def test_a_flipped_bit_in_a_chunk_fails_its_crc(self):
        data = self.original()
        data[20] ^= 1  # inside IHDR's width
        with self.assertRaisesRegex(PngError, "CRC"):
            read_png(self.write(bytes(data)))

    def test_a_truncated_file_is_refused(self):
        data = self.original()
        with self.assertRaises(PngError):
            read_png(self.write(bytes(data[:len(data) - 20])))

    def test_a_header_that_lies_about_the_size_is_refused(self):
        chunks = read_chunks(bytes(self.original()))
        rebuilt = b"\x89PNG\r\n\x1a\n"
        for kind, body in chunks:
            if kind == b"IHDR":
                body = struct.pack(">II", 17, 16) + body[8:]
            rebuilt += struct.pack(">I", len(body)) + kind + body
            rebuilt += struct.pack(">I", zlib.crc32(kind + body))
        with self.assertRaisesRegex(PngError, "size"):
            read_png(self.write(rebuilt))


if __name__ == "__main__":
    RESOURCES = sys.argv.pop(1)
    unittest.main()
