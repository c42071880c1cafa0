#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into tests/fuzz/corpus/<target>/.

Seeds are hand-made edge cases plus a few small files of a bundled data set (the build's
bin/kelvoed/data_big, given with --data). Inputs that a fuzz run found are kept in the same
folders under names starting with "found-"; this script never removes them.
"""
import argparse
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The world's library of fuzz_entries.cpp, file by file (type_library replaces one of them).
LIBRARY = {
    "dro": "DRAWORDER NORM POZADI 1 NORM OBLICEJE 1 MASK OBLICEJE 2 OREZ OCI 1 COND VLASY 1\r\n"
           "NORM VLASY 2 END_OF_DRAWORDER\r\n",
    "dep": "DEPENDENCIES OBLICEJE OCI OBLICEJE VLASY END_OF_DEPENDENCIES\r\n",
    "cmp": "COMPONENTS\r\n"
           "TYP POZADI PATH poz BITS 16 BARVY 0 0 0 0\r\n"
           "  COMP bg CETNOST 10 PICFILE 1 bg1 REF 1 0 0 END_OF_COMP END_OF_TYP\r\n"
           "TYP OBLICEJE PATH obl BODY 2 OCI VLASY BARVY 1 0 0 0\r\n"
           "  COMP face CETNOST 10 PICFILE 1 f1 PICFILE 2 f2 REF 1 -10 -12 REF 2 -5 -5\r\n"
           "    BODY 2 0 -4 4 4 2 2 0 0 0 0  0 -12 0 0 0 0 3 0 0 0 END_OF_COMP\r\n"
           "END_OF_TYP\r\n"
           "TYP OCI PATH oci SCOLMASKOU BARVY 2 0 0 0\r\n"
           "  COMP eye CETNOST 5 PICFILE 1 e1 REF 1 -3 -1 END_OF_COMP\r\n"
           "  COMP blink ANIMACE PICFILE 1 e2 REF 1 -3 0 END_OF_COMP END_OF_TYP\r\n"
           "TYP VLASY PATH vla SROZESUNEM BARVY 1 2 0 0\r\n"
           "  COMP \"long hair\" CETNOST 5 PICFILE 1 h1 PICFILE 2 h2 REF 1 -15 -5 OREZAT 1\r\n"
           "  END_OF_COMP END_OF_TYP\r\n"
           "END_OF_COMPONENTS\r\n",
    "col": "COLORS COLOR_TYPE 1 Skin COUNT 2 1 0\r\n"
           "  COLOR 80C0FF KONT 85 CETN 10 END_OF_COLOR\r\n"
           "  COLOR 203040 KONT 5 CETN 1 VL 1 0 END_OF_COLOR END_OF_COLOR_TYPE\r\n"
           "COLOR_TYPE 2 Eyes COUNT 1 1 1 COLOR 0000FF KONT 20 CETN 3 END_OF_COLOR "
           "END_OF_COLOR_TYPE\r\nEND_OF_COLORS\r\n",
    "ani": "ANIMACE TYP OCI COMP eye ANIM 1 blink END_OF_COMP END_OF_TYP END_OF_ANIMACE\r\n",
}
FILE_INDEX = {name: i for i, name in enumerate(["dro", "dep", "cmp", "col", "ani"])}

KEYWORD_SEEDS = {
    "empty": b"",
    "three-tokens": b'MALE  "two words"\r\nx',
    "quote-inside": b'"say &"hi&"" "a&" b',
    "ampersand-before-closing": b'"ends with &" more" tail',
    "open-quote": b'first "never closed',
    "open-comment": b"A { never closed",
    "comments": b"a {one}{two} b{x}c {\"} \"q\"{after}d",
    "first-char-brace": b"{x} y",
    "first-char-tab": b"\tx\ny\rz",
    "nul-inside": b"a b\x00 c d",
    "numbers": b"0 -2147483648 2147483647 2147483648 +5 +-1 - 1e3 99999999999999999999",
    "hex": b"80C0ff 0x1F zz FFFFFFFFFF -1",
    "control-and-high": bytes(range(1, 256)),
    "empty-quotes": b'"" "" ""',
}


def image(depth, width, height, pixels=None, value=1):
    header = struct.pack("<Bhh", depth & 0xFF, width, height)
    if pixels is None:
        pixels = bytes([value]) * max(0, width * height * (2 if depth == 16 else 1))
    return header + pixels


IMAGE_SEEDS = {
    "empty": b"",
    "one-byte": b"\x08",
    "header-short": b"\x08\x03\x00\x02",
    "depth8": image(8, 3, 2, value=64 + 30),
    "depth16": image(16, 3, 2, value=0x12),
    "depth16-transparent": image(16, 2, 2, pixels=b"\xE0\x07" * 4),
    "depth7": image(7, 3, 2),
    "depth0": image(0, 3, 2),
    "depth255": image(255, 1, 1),
    "zero-size": image(8, 0, 0),
    "zero-width": image(8, 0, 50),
    "negative-width": image(8, -3, 2, pixels=b"\x01" * 6),
    "negative-both": image(8, -3, -2, pixels=b"\x01" * 6),
    "truncated": image(16, 3, 2)[:-1],
    "longer-than-announced": image(8, 2, 2) + b"\xFF" * 9,
    "oversized-header": image(8, 640, 801, pixels=b""),
    "huge-header": image(16, 32767, 32767, pixels=b""),
    "wide-row": image(8, 600, 1, value=100),
    "tall-column": image(16, 1, 500, value=0x7F),
}


def bitmap(width, height, pixel, offset=54, bits=24, compression=0, info=40):
    row = (3 * width + 3) // 4 * 4
    rows = b""
    for y in range(height - 1, -1, -1):
        line = bytearray(row)
        for x in range(width):
            r, g, b = pixel(x, y)
            line[3 * x:3 * x + 3] = bytes([b, g, r])
        rows += bytes(line)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    header += struct.pack("<IiiHHIIiiII", info, width, height, 1, bits, compression, len(rows),
                          2835, 2835, 0, 0)
    return header + b"\x00" * (offset - 54) + rows


def grey(x, y):
    return (10 * x + 40, 7 * y + 60, 90)


def keyed(x, y):
    return (200, 200, 200) if (x, y) == (2, 1) else (0, 255, 0)


def mask_colours(x, y):
    return [(255, 0, 255), (255, 255, 255), (0, 0, 255), (255, 0, 0)][(x + y) % 4]


def masked(flags, picture, mask):
    return bytes([flags | 2]) + struct.pack("<H", len(picture)) + picture + mask


GOOD = bitmap(4, 3, grey)


def patched(data, at, fmt, value):
    data = bytearray(data)
    struct.pack_into(fmt, data, at, value)
    return bytes(data)


BITMAP_SEEDS = {
    "empty": b"",
    "flag-only": b"\x00",
    "depth8": b"\x00" + GOOD,
    "depth16": b"\x01" + GOOD,
    "invisible": b"\x00" + bitmap(5, 4, lambda x, y: (0, 250, 10)),
    "one-visible": b"\x00" + bitmap(5, 4, keyed),
    "width3-padding": b"\x00" + bitmap(3, 2, grey),
    "one-pixel": b"\x01" + bitmap(1, 1, grey),
    "with-mask": masked(0, bitmap(4, 4, grey), bitmap(4, 4, mask_colours)),
    "mask-other-size": masked(0, bitmap(4, 4, grey), bitmap(4, 3, mask_colours)),
    "mask-truncated": masked(0, GOOD, GOOD[:-5]),
    "mask-empty": masked(0, GOOD, b""),
    "mask-depth16": masked(1, GOOD, bitmap(2, 2, grey)),
    "header-short": b"\x00" + GOOD[:30],
    "truncated": b"\x00" + GOOD[:-1],
    "bits8": b"\x00" + patched(GOOD, 28, "<H", 8),
    "compressed": b"\x00" + patched(GOOD, 30, "<I", 1),
    "core-header": b"\x00" + patched(GOOD, 14, "<I", 12),
    "top-down": b"\x00" + patched(GOOD, 22, "<i", -3),
    "zero-width": b"\x00" + patched(GOOD, 18, "<i", 0),
    "huge-width": b"\x00" + patched(GOOD, 18, "<i", 0x7FFFFFFF),
    "wide-short": b"\x00" + patched(GOOD, 18, "<i", 32767),
    "offset-small": b"\x00" + patched(GOOD, 10, "<I", 10),
    "offset-huge": b"\x00" + patched(GOOD, 10, "<I", 0xFFFFFFF0),
    "offset-gap": b"\x00" + bitmap(2, 2, grey, offset=70),
    "not-bm": b"\x00" + b"XX" + GOOD[2:],
}

PORTRAIT = ("  PORTRET\r\n    PAK {pak}\r\n    VOICE 2\r\n    PORT_COMPONENTS\r\n"
            "      NAZEV \"a &\"name&\"\"\r\n"
            "      TYP OBLICEJE COMP face BARVY 80C0FF 85 0000FF 0 000000 0 FFFFFF 10\r\n"
            "        POSUN {x} {y} ROZESUN {sx} {sy} END_OF_TYP\r\n"
            "      TYP OCI COMP eye BARVY ff 3 1 2 3 4 5 6 POSUN 1 -1 END_OF_TYP\r\n"
            "      TYP VLASY COMP \"long hair\" ROZESUN 5 5 END_OF_TYP\r\n"
            "    END_OF_PORT_COMPONENTS\r\n  END_OF_PORTRET\r\n")


def gallery(*portraits):
    return ("GALLERY\r\n" + "".join(portraits) + "END_OF_GALLERY\r\nEND\r\n").encode("latin-1")


def portrait(pak="base", x=0, y=0, sx=0, sy=0):
    return PORTRAIT.format(pak=pak, x=x, y=y, sx=sx, sy=sy)


MINIMAL = "PORTRET PAK base PORT_COMPONENTS END_OF_PORT_COMPONENTS END_OF_PORTRET\n"

GALLERY_SEEDS = {
    "empty": b"",
    "end-only": b"END",
    "empty-gallery": b"GALLERY\r\nEND_OF_GALLERY\r\nEND\r\n",
    "one-portrait": gallery(portrait()),
    "foreign-library": gallery(portrait("other"), portrait("OTHER\\"), portrait("Base")),
    "missing-library": gallery(portrait("nowhere")),
    "four-libraries": gallery(*(portrait(p) for p in ("other", "lib", "img", "nowhere"))),
    "far-shift": gallery(portrait(x=2147483647, y=-2147483648)),
    "far-span": gallery(portrait(sx=-2147483648, sy=2147483647)),
    "big-shift": gallery(portrait(x=100000, y=-70000, sx=40000, sy=-40000)),
    "unknown-category": b"GALLERY PORTRET PAK base PORT_COMPONENTS TYP NIC COMP x END_OF_TYP "
                        b"END_OF_PORT_COMPONENTS END_OF_PORTRET END_OF_GALLERY END",
    "unknown-component": b"GALLERY PORTRET PAK base PORT_COMPONENTS TYP OCI COMP nope END_OF_TYP "
                         b"END_OF_PORT_COMPONENTS END_OF_PORTRET END_OF_GALLERY END",
    "bad-number": b"GALLERY PORTRET PAK base VOICE x PORT_COMPONENTS",
    "voice-large": b"GALLERY PORTRET PAK base VOICE 99999 PORT_COMPONENTS "
                   b"END_OF_PORT_COMPONENTS END_OF_PORTRET END_OF_GALLERY END",
    "truncated": gallery(portrait())[:200],
    "open-quote": b"GALLERY PORTRET PAK base PORT_COMPONENTS NAZEV \"never closed",
    "open-comment": b"GALLERY { PORTRET",
    "two-blocks": gallery(portrait()) .replace(b"END\r\n", b"") + gallery(portrait("other")),
    "201-portraits": ("GALLERY\n" + MINIMAL * 201 + "END_OF_GALLERY\nEND\n").encode(),
}

TYPE_SEEDS = {
    "cmp-bits7": ("cmp", LIBRARY["cmp"].replace("BITS 16", "BITS 7")),
    "cmp-bits-max": ("cmp", LIBRARY["cmp"].replace("BITS 16", "BITS 2147483647")),
    "cmp-points-mismatch": ("cmp", LIBRARY["cmp"].replace("BODY 2 0 -4", "BODY 3 0 -4")),
    "cmp-far-points": ("cmp", LIBRARY["cmp"].replace("BODY 2 0 -4", "BODY 2 2147483647 -4")
                       .replace("0 -12 0 0", "-2147483648 -12 0 0")),
    "cmp-far-ref": ("cmp", LIBRARY["cmp"].replace("REF 1 -10 -12", "REF 1 2147483647 -2147483648")),
    "cmp-missing-image": ("cmp", LIBRARY["cmp"].replace("PICFILE 1 f1", "PICFILE 1 gone")),
    "cmp-odd-subcomponents": ("cmp", LIBRARY["cmp"].replace("PICFILE 2 f2", "PICFILE 5 f2 "
                                                            "PICFILE 0 f2 PICFILE -1 f2")),
    "cmp-unknown-typ": ("cmp", "COMPONENTS TYP NIC END_OF_TYP END_OF_COMPONENTS"),
    "cmp-empty-typ": ("cmp", "COMPONENTS TYP OCI END_OF_TYP END_OF_COMPONENTS"),
    "cmp-bad-colour-slot": ("cmp", LIBRARY["cmp"].replace("BARVY 2 0 0 0", "BARVY 12 0 0 0")),
    "cmp-truncated": ("cmp", LIBRARY["cmp"][:300]),
    "cmp-image-folder-up": ("cmp", LIBRARY["cmp"].replace("PATH obl", "PATH ..\\base\\obl")),
    "dro-odd-subcomponents": ("dro", "DRAWORDER NORM OBLICEJE 99 MASK OCI -1 OREZ XYZ 0 "
                                     "COND VLASY 2147483647 END_OF_DRAWORDER"),
    "dro-many": ("dro", "DRAWORDER " + "NORM OBLICEJE 1 " * 300 + "END_OF_DRAWORDER"),
    "dro-wrong-start": ("dro", "DRAW"),
    "dep-loop": ("dep", "DEPENDENCIES OCI OBLICEJE OBLICEJE OCI END_OF_DEPENDENCIES"),
    "dep-self": ("dep", "DEPENDENCIES VLASY VLASY END_OF_DEPENDENCIES"),
    "dep-unknown": ("dep", "DEPENDENCIES OCI"),
    "col-type12": ("col", "COLORS COLOR_TYPE 12 x END_OF_COLORS"),
    "col-count-huge": ("col", "COLORS COLOR_TYPE 1 Skin COUNT 2147483647 1 0 COLOR 1 "
                              "END_OF_COLOR END_OF_COLOR_TYPE END_OF_COLORS"),
    "col-selected-out": ("col", LIBRARY["col"].replace("COUNT 2 1 0", "COUNT 2 9 -4")),
    "col-empty": ("col", "COLORS END_OF_COLORS"),
    "ani-frame5": ("ani", LIBRARY["ani"].replace("ANIM 1", "ANIM 5")),
    "ani-frame0": ("ani", LIBRARY["ani"].replace("ANIM 1", "ANIM 0")),
    "ani-self": ("ani", LIBRARY["ani"].replace("blink", "eye")),
    "ani-unknown": ("ani", LIBRARY["ani"].replace("blink", "nope")),
    "ani-empty-file": ("ani", ""),
}


def pack(files, count=None, marker=0x0A0D, offsets=None, sizes=None):
    """A pack: the data one after another, an 80-byte entry each, the count."""
    data = b""
    entries = b""
    for i, (name, body) in enumerate(files):
        offset = len(data) if offsets is None else offsets[i]
        size = len(body) if sizes is None else sizes[i]
        raw = name.encode("latin-1")
        entry = struct.pack("<HHIII", marker, 0, 0x5A8B6000, size, offset)
        entry += bytes([min(len(raw), 255)]) + raw[:63]
        entries += entry.ljust(80, b"\x00")
        data += body
    return data + entries + struct.pack("<i", len(files) if count is None else count)


TWO = [("male\\dro", b"DRAWORDER END_OF_DRAWORDER"), ("male\\obl\\f1", b"\x08\x01\x00\x01\x00\x05")]
PACK_SEEDS = {
    "empty": b"",
    "count-only": pack([]),
    "two-files": pack(TWO),
    "empty-file": pack([("a", b"")]),
    "long-name": pack([("x" * 60, b"sixty"), ("y" * 63, b"cut")]),
    "same-name": pack([("a\\b", b"one"), ("A/B", b"two"), ("a\\b", b"three")]),
    "unsafe-names": pack([("..\\up", b"1"), ("/abs", b"2"), ("C:\\x", b"3"),
                          ("nul\x00in", b"4"), ("ok", b"5")]),
    "negative-count": pack(TWO, count=-1),
    "huge-count": pack(TWO, count=0x7FFFFFFF),
    "count-too-small": pack(TWO, count=1),
    "bad-marker": pack(TWO, marker=0x1234),
    "offset-outside": pack(TWO, offsets=[0, 1000]),
    "size-wraps": pack(TWO, offsets=[0, 0xFFFFFFF0], sizes=[26, 0x20]),
    "size-into-directory": pack(TWO, sizes=[26, 100]),
    "truncated": pack(TWO)[:-7],
    "three-bytes": b"\x01\x00\x00",
}


AVATAR_SEEDS = {
    "empty": b"",
    "fourteen": b"1;2;3;4;5;6;7;8;9;10;11;12;13;14;\n0",
    "female": b"0;1;1;1;1;1;1;1;1;1;1;0;1;0;\n1",
    "sex-two": b"1;1;\n2",
    "short": b"3;",
    "blanks": b" 7 ;\t2\r; 0 ;\n 1 ",
    "too-many": b"1;" * 15 + b"\n0",
    "out-of-range": b"256;-1;99999999999999999999;\n0",
    "no-number": b"a;1x;;+1;\n0",
    "sex-huge": b"1;\n99999999999",
    "sex-negative": b"1;\n-255",
    "past-list": b"255;255;255;255;255;255;255;255;255;255;255;255;255;255;\n0",
}

SETTINGS_SEEDS = {
    "empty": b"",
    "all": b"SrcPath=C:\\x\nMainWinX=10\nMainWinY=20\nLoadDirectory=male\nSaveDirectory=.\n"
           + b"".join(b"Win%dX=%d\nWin%dY=%d\nWin%dVisible=%s\n" % (i, i * 100, i, i * 50, i,
                      b"true" if i % 2 else b"0") for i in range(1, 5)),
    "extremes": b"MainWinX=2147483647\nMainWinY=-2147483648\nWin1X=-2147483648\nWin1Y=2147483647\n"
                b"Win2X=2147483600\nWin2Y=2147483600\nWin3X=-2147483600\nWin3Y=0\n",
    "too-large": b"MainWinX=99999999999\nMainWinY=1\nWin1X=1e3\nWin1Y=0x10\n",
    "blanks": b"MainWinX= 5 \nMainWinY=\t-7\r\nWin4Visible= TRUE \nWin3Visible=yes\n",
    "off-screen": b"MainWinX=-5000\nMainWinY=9000\nWin2X=5000\nWin2Y=-9000\n",
    "second-screen": b"MainWinX=3100\nMainWinY=-150\nWin1X=3190\nWin1Y=800\n",
    "directories": b"LoadDirectory=/\nSaveDirectory=..\\..\\nowhere\nLoadDirectory=\n",
    "no-equals": b"MainWinX\n=\n==\nWin1X==3\n",
    "nul-and-high": b"LoadDirectory=a\x00b\nSaveDirectory=\xe9\xff\n",
    "recent": b"".join(b"Recent%d=G /g/%d.xgl\n" % (n, n % 11) for n in range(1, 17))
              + b"Recent3=L /lib\nRecent4=X bad\nRecent5=G \nRecent6=L\nRecent17=G /beyond.xgl\n",
}

CLI_SEEDS = {
    "empty": b"",
    "help": b"--help\0",
    "version": b"--version\0",
    "unknown": b"nosuch\0",
    "check": b"check\0--data\0x\0",
    "render": b"render\0--gallery\0g.xgl\0--portrait\x000\0--png-level\x0010\0--jobs\0-1\0",
    "render-huge": b"render\0--random\x0099999999999999999999\0--seed\0-\0out\0",
    "random": b"random\0--count\x002147483648\0--nation\0martian\0",
    "pack-no-action": b"pack\0",
    "pack-extract": b"pack\0extract\0a.vxp\0--out\0",
    "avatar-import": b"avatar\0import\0--settings\0;;;\0--sex\0x\0--out\0",
    "global-after": b"--data\0\0--pack\0\0sheet\0--help\0",
    "dashes": b"-\0--\0---\0-h\0-=\0--data=\0",
    "repeated": b"frames\0--data\0a\0--data\0b\0--sync\0--sync\0",
}


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data.encode("latin-1") if isinstance(data, str) else data)


def bundled_seeds(data_dir):
    """Small files of the bundled male data set, cut to keep the corpus small."""
    male = os.path.join(data_dir, "male")
    for name in ["dro", "dep", "col", "ani", "cmp"]:
        with open(os.path.join(male, name), "rb") as f:
            text = f.read()
        if name == "cmp":
            # The first category record and the closing keyword.
            end = text.index(b"END_OF_TYP") + len(b"END_OF_TYP")
            text = text[:end] + b"\r\nEND_OF_COMPONENTS\r\n"
        write("type_library", "bundled-" + name, bytes([FILE_INDEX[name]]) + text)
        write("keyword_file", "bundled-" + name, text[:4000])
    with open(os.path.join(male, "pus", "tenka_s01"), "rb") as f:
        write("library_image", "bundled-mouth", f.read())
    with open(os.path.join(data_dir, "male.xgl"), "rb") as f:
        text = f.read()
    # Two portraits, pointed at the world's library; their components are unknown there.
    second = text.index(b"END_OF_PORTRET", text.index(b"END_OF_PORTRET") + 1)
    cut = text[:second + len(b"END_OF_PORTRET")] + b"\r\nEND_OF_GALLERY\r\nEND\r\n"
    write("gallery", "bundled-male", re.sub(rb"PAK \S+", b"PAK base", cut))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--data", help="the build's bin/kelvoed/data_big")
    args = parser.parse_args()
    for name, data in KEYWORD_SEEDS.items():
        write("keyword_file", name, data)
    for name, data in IMAGE_SEEDS.items():
        write("library_image", name, data)
    for name, data in BITMAP_SEEDS.items():
        write("bitmap_import", name, data)
    for name, data in GALLERY_SEEDS.items():
        write("gallery", name, data)
    for file, text in LIBRARY.items():
        write("type_library", "base-" + file, bytes([FILE_INDEX[file]]) + text.encode())
        write("keyword_file", "base-" + file, text)
    write("type_library", "empty", b"")
    for name, data in PACK_SEEDS.items():
        write("pack_index", name, data)
    for target, seeds in [("avatar_settings", AVATAR_SEEDS), ("stored_settings", SETTINGS_SEEDS),
                          ("command_line", CLI_SEEDS)]:
        for name, data in seeds.items():
            write(target, name, data)
    for name, (file, text) in TYPE_SEEDS.items():
        write("type_library", name, bytes([FILE_INDEX[file]]) + text.encode("latin-1"))
    if args.data:
        bundled_seeds(args.data)


if __name__ == "__main__":
    main()
