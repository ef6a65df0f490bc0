#!/usr/bin/env python3
"""Writes the files that the compile tests of the editor open.

  fixtures.py script OUT SIZE [SHORT]
                                a script whose compacted text is SIZE bytes,
                                or SHORT bytes fewer, left out of its padding
  fixtures.py icon OUT          an icon file of the program's own format

The editor opens files below 65,535 bytes, so the largest script is written
one byte short and the test types the last byte. The script holds no blank and no comment, so that its compacted text is the
file itself, and its length can reach 65,535 bytes and still be opened. It
sets its caption twice: "start" at CREATE, then "sizeSIZE" in INIT, the last
section of the text, so that the caption shows the whole text was stored.
Its LBUTTONDOWN reads an undefined variable, for the error box. The padding
is an unused section of double-byte characters, so that the editor holds the
text in about half as many characters as bytes and takes one more typed.

The icon is red (file index 2) with pixel (5, 3) transparent (16).
"""
import sys

HEAD = 'CREATE{SetCaption("start");SetWinSize(240,120);}LBUTTONDOWN{x=y;}PAD{'
WIDE = 'あ'.encode('cp932')


def script(size, short):
    tail = '}INIT{SetCaption("size%d");}' % size
    room = size - short - len(HEAD) - len(tail)
    body = WIDE * (room // 2) + b'x' * (room % 2)
    text = HEAD.encode('ascii') + body + tail.encode('ascii')
    assert len(text) == size - short
    return text


def icon():
    pixels = bytearray([2] * 1024)
    pixels[3 * 32 + 5] = 16
    return b'\x00or Zep' + bytes(pixels)


def main(argv):
    if len(argv) in (4, 5) and argv[1] == 'script':
        data = script(int(argv[3]), int(argv[4]) if len(argv) == 5 else 0)
    elif len(argv) == 3 and argv[1] == 'icon':
        data = icon()
    else:
        sys.exit(__doc__)
    with open(argv[2], 'wb') as out:
        out.write(data)


if __name__ == '__main__':
    main(sys.argv)
