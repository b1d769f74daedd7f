#!/usr/bin/env python3
"""Writes the page's shell for emcc: page.html with the diagram and the
Tahoma fonts put in as data URLs, so that the one HTML file needs nothing
else (it opens from a USB stick and makes no network request).

The fonts keep only the characters of Latin text (Basic Latin, Latin-1,
Latin Extended-A, general punctuation, the euro sign): the page's own texts
and whatever a user types in a European language. That is less than half
of each font, and the browser reads it sooner on opening; other characters
fall back to the browser's sans-serif font.

    make_page_shell.py page.html diagram.png tahoma.ttf tahomabd.ttf out.html
"""
import base64
import io
import sys

from fontTools import subset

LATIN = (list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)) + list(range(0x2000, 0x2070))
         + [0x20AC, 0x2122, 0x2212])


def data_url(data, mime):
    return "data:%s;base64,%s" % (mime, base64.b64encode(data).decode("ascii"))


def latin_font(path):
    """The font with only the Latin characters, everything else about them
    kept: outlines, hinting, the embedded bitmaps, kerning and names."""
    options = subset.Options()
    # FontForge's own notes (BDF, FFTM) go, which the subsetter cannot keep.
    options.drop_tables = [t for t in options.drop_tables if t not in ("EBDT", "EBLC", "EBSC")] + ["BDF", "FFTM"]
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    options.legacy_kern = True
    font = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=LATIN)
    subsetter.subset(font)
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def main():
    page, diagram, regular, bold, out = sys.argv[1:6]
    with open(page, encoding="utf-8") as f:
        text = f.read()
    with open(diagram, "rb") as f:
        text = text.replace("@DIAGRAM@", data_url(f.read(), "image/png"))
    text = text.replace("@TAHOMA_REGULAR@", data_url(latin_font(regular), "font/ttf"))
    text = text.replace("@TAHOMA_BOLD@", data_url(latin_font(bold), "font/ttf"))
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
