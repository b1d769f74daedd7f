"""Finds the 433 by 433 picture on a screenshot and checks it shows the diagram.

Usage: find_diagram.py SCREENSHOT.png   (exit 0 when found and correct)
"""
import subprocess
import sys

SIZE = 433


def read_ppm(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"],
                          check=True, capture_output=True).stdout
    # Header: P6 <w> <h> <max> then one whitespace byte.
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def main():
    width, height, px = read_ppm(sys.argv[1])

    def rgb(x, y):
        i = (y * width + x) * 3
        return tuple(px[i:i + 3])

    black = (0, 0, 0)
    # The picture's outermost pixels are black: find a row with a black run
    # of its width whose left column is black all the way down too.
    for y in range(0, height - SIZE + 1):
        run = 0
        for x in range(width):
            run = run + 1 if rgb(x, y) == black else 0
            if run < SIZE:
                continue
            left = x - SIZE + 1
            if all(rgb(left, y + k) == black for k in range(SIZE)):
                return check(rgb, left, y)
    print("no picture frame on screen")
    return 1


def check(rgb, left, top):
    def at(x, y):
        return rgb(left + x, top + y)

    samples = {
        "inside white": ((100, 100), (255, 255, 255)),
        "base line": ((150, 270), (0, 0, 0)),
        "planet": ((283, 137), (255, 0, 0)),
        "Q": ((283, 93), (0, 128, 0)),
        "frame dark grey": ((1, 200), (128, 128, 128)),
        "frame light grey": ((2, 200), (192, 192, 192)),
    }
    failed = [name for name, ((x, y), want) in samples.items() if at(x, y) != want]
    drawn = sum(1 for y in range(3, SIZE - 3) for x in range(3, SIZE - 3)
                if at(x, y) != (255, 255, 255))
    print(f"picture at {left},{top}; {drawn} drawn pixels inside the frame")
    if failed:
        print("wrong pixels: " + ", ".join(failed))
        return 1
    # Lines, arcs and labels, but far from a filled area.
    if not 2000 <= drawn <= 30000:
        print("the drawing does not look like the diagram")
        return 1
    # The window's cream background just left of the picture.
    if rgb(left - 10, top + 100) != (255, 251, 240):
        print(f"background left of the picture is {rgb(left - 10, top + 100)}, not cream")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
