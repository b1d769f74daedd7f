#!/usr/bin/env python3
"""Writes the page's shell for emcc: page.html with the diagram and the
Tahoma fonts put in as data URLs, so that the one HTML file needs nothing
else (it opens from a USB stick and makes no network request).

    make_page_shell.py page.html diagram.png tahoma.ttf tahomabd.ttf out.html
"""
import base64
import sys


def data_url(path, mime):
    with open(path, "rb") as f:
        return "data:%s;base64,%s" % (mime, base64.b64encode(f.read()).decode("ascii"))


def main():
    page, diagram, regular, bold, out = sys.argv[1:6]
    with open(page, encoding="utf-8") as f:
        text = f.read()
    text = text.replace("@DIAGRAM@", data_url(diagram, "image/png"))
    text = text.replace("@TAHOMA_REGULAR@", data_url(regular, "font/ttf"))
    text = text.replace("@TAHOMA_BOLD@", data_url(bold, "font/ttf"))
    with open(out, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
