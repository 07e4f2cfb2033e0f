#!/usr/bin/env python3
"""Writes the desktop icons (hicolor theme) from the built-in tree images.

Each icon is a 16x16 tree image scaled up pixel by pixel, with teal
(0,128,128) made transparent. Run from any folder; the files are written
into hicolor/ next to this script.
"""

import os
import struct
import zlib

SIZES = (16, 32, 48, 64, 128, 256)
TRANSPARENT = (0, 128, 128)

# icon name, theme context, tree image number
ICONS = (
    ('brekko', 'apps', 7),                          # folder with a page
    ('application-x-brekko-project', 'mimetypes', 1),  # folder closed
    ('application-x-brekko-macro', 'mimetypes', 9),    # page with a start arrow
    ('application-x-brekko-settings', 'mimetypes', 20),  # gear
)


def read_bmp(path):
    """The rows (top first) of an uncompressed 24-bit 16x16 BMP as RGB tuples."""
    with open(path, 'rb') as bmp:
        data = bmp.read()
    offset = struct.unpack_from('<I', data, 10)[0]
    width, height = struct.unpack_from('<ii', data, 18)
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height):
        start = offset + y * stride
        rows.append([tuple(reversed(data[start + x * 3:start + x * 3 + 3])) for x in range(width)])
    rows.reverse()
    return rows


def png_bytes(rows, size):
    scale = size // len(rows)
    raw = bytearray()
    for row in rows:
        line = bytearray(b'\0')
        for pixel in row:
            alpha = 0 if pixel == TRANSPARENT else 255
            line += bytes(pixel + (alpha,)) * scale
        raw += bytes(line) * scale

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(bytes(raw), 9))
            + chunk(b'IEND', b''))


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    images = os.path.join(folder, '..', 'images')
    for name, context, number in ICONS:
        rows = read_bmp(os.path.join(images, f'tree{number:03d}.bmp'))
        for size in SIZES:
            target = os.path.join(folder, 'hicolor', f'{size}x{size}', context)
            os.makedirs(target, exist_ok=True)
            with open(os.path.join(target, f'{name}.png'), 'wb') as out:
                out.write(png_bytes(rows, size))


if __name__ == '__main__':
    main()
