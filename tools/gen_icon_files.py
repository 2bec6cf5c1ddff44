"""Writes the icons of the small icon-carrier programs that lie beside
Trailmark.exe (Up.Exe, App.Exe, FShare.Exe, OFShare.Exe, DShare.Exe): one .ico
each with a 16x16 and a 32x32 image, into src/res/iconfiles/.

The up icon is taken from the program's own up images; the others are drawn
here. Standard library only; the output is the same on every run."""
import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
OUT = os.path.join(ROOT, "src", "res", "iconfiles")
IMAGES = os.path.join(ROOT, "src", "res", "images")

YELLOW = (255, 214, 64)
DARK_YELLOW = (176, 136, 24)
BLUE = (40, 80, 200)
GREY = (176, 176, 176)
DARK = (64, 64, 64)
WHITE = (255, 255, 255)
HAND = (250, 200, 160)


def read_ico_images(path):
    """The (width, height, bytes) of every image stored in an .ico file."""
    with open(path, "rb") as f:
        data = f.read()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    images = []
    for i in range(count):
        w, h, _, _, _, _, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        images.append((w or 256, h or 256, data[offset:offset + size]))
    return images


def dib(size, pixels):
    """A 32-bit icon image: pixels is a size x size grid of (r, g, b) or None."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            p = pixels[y][x]
            colour += bytes((p[2], p[1], p[0], 255)) if p else bytes((0, 0, 0, 0))
    row_bytes = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(size):
            if pixels[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(colour) + bytes(mask)


def write_ico(path, images):
    entries = bytearray()
    blobs = bytearray()
    offset = 6 + 16 * len(images)
    for w, h, blob in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset + len(blobs))
        blobs += blob
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + bytes(entries) + bytes(blobs))


def canvas(size):
    return [[None] * size for _ in range(size)]


def fill(px, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(len(px), y1)):
        for x in range(max(0, x0), min(len(px), x1)):
            px[y][x] = colour


def outline(px, x0, y0, x1, y1, colour):
    fill(px, x0, y0, x1, y0 + 1, colour)
    fill(px, x0, y1 - 1, x1, y1, colour)
    fill(px, x0, y0, x0 + 1, y1, colour)
    fill(px, x1 - 1, y0, x1, y1, colour)


def folder(px, s, open_folder):
    u = s // 16
    fill(px, 1 * u, 3 * u, 7 * u, 5 * u, DARK_YELLOW)
    fill(px, 1 * u, 4 * u, 15 * u, 12 * u, YELLOW)
    outline(px, 1 * u, 4 * u, 15 * u, 12 * u, DARK_YELLOW)
    if open_folder:
        fill(px, 3 * u, 7 * u, 16 * u, 12 * u, (255, 236, 140))
        outline(px, 3 * u, 7 * u, 16 * u, 12 * u, DARK_YELLOW)


def drive(px, s):
    u = s // 16
    fill(px, 1 * u, 5 * u, 15 * u, 11 * u, GREY)
    outline(px, 1 * u, 5 * u, 15 * u, 11 * u, DARK)
    fill(px, 11 * u, 8 * u, 13 * u, 9 * u, (0, 200, 0))


def hand(px, s):
    """The sharing hand under the item."""
    u = s // 16
    fill(px, 0, 12 * u, 10 * u, 15 * u, BLUE)
    fill(px, 6 * u, 11 * u, 11 * u, 14 * u, HAND)
    outline(px, 6 * u, 11 * u, 11 * u, 14 * u, DARK)


def application(px, s):
    u = s // 16
    fill(px, 1 * u, 2 * u, 15 * u, 14 * u, WHITE)
    outline(px, 1 * u, 2 * u, 15 * u, 14 * u, DARK)
    fill(px, 1 * u, 2 * u, 15 * u, 5 * u, BLUE)


def drawn(painter):
    images = []
    for size in (16, 32):
        px = canvas(size)
        painter(px, size)
        images.append((size, size, dib(size, px)))
    return images


def main():
    os.makedirs(OUT, exist_ok=True)
    up = read_ico_images(os.path.join(IMAGES, "up_small.ico")) + read_ico_images(os.path.join(IMAGES, "up_large.ico"))
    write_ico(os.path.join(OUT, "up.ico"), up)
    write_ico(os.path.join(OUT, "app.ico"), drawn(application))
    write_ico(os.path.join(OUT, "fshare.ico"), drawn(lambda px, s: (folder(px, s, False), hand(px, s))))
    write_ico(os.path.join(OUT, "ofshare.ico"), drawn(lambda px, s: (folder(px, s, True), hand(px, s))))
    write_ico(os.path.join(OUT, "dshare.ico"), drawn(lambda px, s: (drive(px, s), hand(px, s))))


if __name__ == "__main__":
    main()
