#!/usr/bin/env python3
"""Writes the seed corpus of swd_reader_fuzz: small sound maps and damaged ones, and, given
the swdgen program, a few maps it generates.

The synthetic maps are as small as the reader allows, so that the fuzzer starts from files
whose every part it has seen; the generated ones are larger, with the terrain, objects,
resources and start positions of real maps, and few, so that the committed corpus stays
small:  make_map_corpus.py [FOLDER [SWDGEN]]"""
import os
import shutil
import subprocess
import struct
import sys
import tempfile

# The generated seeds: name, and the options of `swdgen generate` that make them.
GENERATED = {
    'sound-64x64-start-objects': ['--seed', '7', '--width', '64', '--height', '64',
                                  '--players', '2', '--start-objects'],
    'sound-48x80-oedland-ring': ['--seed', '9', '--width', '48', '--height', '80',
                                 '--type', 'oedland', '--players', '4', '--shape', 'ring'],
}


def header(width, height, kind=0, players=2, title=b'Seed', author=b'swdgen', tail=None):
    head = b'WORLD_V1.0' + title.ljust(20, b'\0')[:20] + struct.pack('<HHBB', width, height,
                                                                      kind, players)
    head += author.ljust(20, b'\0')[:20]
    hq = [5 + p if p < players else 0xFFFF for p in range(7)]
    head += struct.pack('<7H', *hq) + struct.pack('<7H', *hq)
    head = head.ljust(2342, b'\0')
    return head + (tail if tail is not None else struct.pack('<HIHH', 10001, 0, width, height))


def block(width, height, layer, length=None):
    cells = bytes((x * 3 + y * 5 + layer) % 256 for y in range(height) for x in range(width))
    size = width * height if length is None else length
    return struct.pack('<HIHHHI', 10000, 0, width, height, 1, size) + cells


def swd(width, height, **kw):
    return header(width, height, **kw) + b''.join(
        block(width, height, k) for k in range(14)) + b'\xff'


def main(folder):
    os.makedirs(folder, exist_ok=True)
    good = swd(2, 3)
    blocks = b''.join(block(2, 3, k) for k in range(14))
    seeds = {
        'sound-1x1': swd(1, 1, players=0, title=b''),
        'sound-2x3': good,
        'sound-32x32-winter': swd(32, 32, kind=2, players=7, title=b'\x8e\x99\x9a Karte'),
        'sound-long-texts': swd(1, 2, title=b'T' * 20, author=b'A' * 20),
        'damaged-empty': b'',
        'damaged-header-only': header(2, 3),
        'damaged-magic': b'WORLD_V2.0' + good[10:],
        'damaged-type': swd(2, 3, kind=3),
        'damaged-players': swd(2, 3, players=8),
        'damaged-second-header': header(2, 3, tail=struct.pack('<HIHH', 10001, 0, 3, 2)) +
                                 blocks + b'\xff',
        'damaged-block-length': header(2, 3) + block(2, 3, 0, length=5) + blocks[22:] + b'\xff',
        'damaged-truncated-block': good[:2352 + 5 * 22 + 10],
        'damaged-no-end': good[:-1],
        'damaged-trailing-byte': good + b'\0',
        'damaged-size-zero': swd(0, 3),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


def generate(folder, swdgen):
    with tempfile.TemporaryDirectory() as work:
        for name, options in GENERATED.items():
            out = os.path.join(work, 'seed.swd')
            subprocess.run([swdgen, 'generate', '--quiet', '--out', out] + options, check=True,
                           stdout=subprocess.DEVNULL)
            shutil.copyfile(out, os.path.join(folder, name))


if __name__ == '__main__':
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), 'corpus', 'swd_reader')
    main(target)
    if len(sys.argv) > 2:
        generate(target, sys.argv[2])
