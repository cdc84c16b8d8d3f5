#!/usr/bin/env python3
"""Writes seed inputs for picture_reader_fuzz: a size byte, then a small 8-bit bitmap."""
import os
import struct
import sys


def bmp(width, height, palette=256, top_down=False, header=40):
    stride = (width + 3) // 4 * 4
    offset = 14 + header + 4 * palette
    pixels = bytes((x * 7 + y) % 256 for y in range(height) for x in range(stride))
    info = struct.pack('<IiiHHIIiiII', header, width, -height if top_down else height, 1, 8, 0,
                       len(pixels), 2835, 2835, palette, 0) + bytes(header - 40)
    head = b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset)
    return head + info + bytes(4 * palette) + pixels


def main(folder):
    os.makedirs(folder, exist_ok=True)
    seeds = {
        'square32': bytes([0x00]) + bmp(32, 32),
        'wide48x32': bytes([0x01]) + bmp(48, 32, palette=16),
        'topdown': bytes([0x11]) + bmp(48, 48, top_down=True),
        'v5header': bytes([0x00]) + bmp(32, 32, header=124),
        'mismatch': bytes([0x22]) + bmp(32, 32),
        # The size byte gives 32 + 16 * nibble: 128 x 64, and the largest map, 256 x 256.
        'wide128x64': bytes([0x26]) + bmp(128, 64),
        'largest256': bytes([0xEE]) + bmp(256, 256),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'seeds')
