#!/usr/bin/env python3
"""Checks the summaries of the API reference against the headers.

Reads the XML Doxygen writes beside the reference's pages. Every member the
reference shows (public or protected, in a class, namespace or group it
lists) must have a summary line, and that summary must come from its own
comment: the comment directly above its declaration (or above the first
member of the block it belongs to), or the one at the end of its line. A
summary that a comment above Qt's macros, or above another member, lent it
fails. A reimplementation without a comment of its own shows the summary of
what it reimplements.

Usage: check-api-briefs.py XML_DIR HEADER_DIR...
Prints one line per fault; exits 1 when there is one.
"""
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

COMMENT = re.compile(r"^\s*//\s?(.*)$")
TRAILING = re.compile(r"^\s*[^\s/].*?//\s?(.*)$")
STOP = re.compile(r"^\s*($|(public|protected|private|signals|public slots)\s*:|Q_[A-Z_]+\b|[{}]\s*;?\s*$)")


def words(s):
    return " ".join(s.replace("`", "").split())


NAME = re.compile(r"(~?\w+)\s*\(")


def stem(name):
    """The property a member belongs to: Foo for Foo() and SetFoo(v)."""
    return name[3:] if name.startswith("Set") and name[3:4].isupper() else name


def indent_of(line):
    return len(line) - len(line.lstrip())


def own_comment(lines, line_no):
    """The comment text that documents the declaration on line_no (1-based):
    the comment at its end, and the comment block directly above it and the
    declarations of its block."""
    if not 0 < line_no <= len(lines):
        return ""
    found = []
    # The comment at the end of the declaration, which may span lines.
    for line in lines[line_no - 1:]:
        t = TRAILING.match(line)
        if t:
            found.append(t.group(1))
        if t or COMMENT.match(line) or line.rstrip().endswith((";", "{", "}")):
            break
    i = line_no - 2
    here = lines[line_no - 1]
    m = NAME.search(here)
    own = stem(m.group(1)) if m else None
    # Up through the declarations of the same block: the reader and writer
    # of one property, overloads, and the lines of a declaration that spans
    # several.
    while i >= 0 and not COMMENT.match(lines[i]) and not STOP.match(lines[i]):
        above = NAME.search(lines[i])
        continuation = indent_of(lines[i]) > indent_of(here) or not lines[i].rstrip().endswith((";", "}"))
        if not continuation and (own is None or not above or stem(above.group(1)) != own):
            break
        i -= 1
    block = []
    while i >= 0 and COMMENT.match(lines[i]):
        block.insert(0, COMMENT.match(lines[i]).group(1))
        i -= 1
    return words(" ".join(found + block))


def main(xml_dir, header_dirs):
    headers = {}
    for d in header_dirs:
        for h in Path(d).glob("KeplerControls/*.h"):
            headers[f"KeplerControls/{h.name}"] = h.read_text(encoding="utf-8").split("\n")
    index = ET.parse(Path(xml_dir) / "index.xml").getroot()
    faults = []
    checked = 0
    for c in index.findall("compound"):
        if c.get("kind") not in ("class", "struct", "namespace", "group"):
            continue
        compound = ET.parse(Path(xml_dir) / f"{c.get('refid')}.xml").getroot().find("compounddef")
        owner = compound.findtext("compoundname")
        for m in compound.iter("memberdef"):
            if m.get("prot") not in ("public", "protected") or m.get("kind") in ("enumvalue",):
                continue
            name = f"{owner}::{m.findtext('name')}{m.findtext('argsstring') or ''}"
            brief = words("".join(m.find("briefdescription").itertext()))
            if not brief:
                faults.append(f"no summary: {name}")
                continue
            loc = m.find("location")
            lines = headers.get(loc.get("file")) if loc is not None else None
            if lines is None:
                continue  # declared outside the public headers (the main page)
            if m.find("reimplements") is not None and not own_comment(lines, int(loc.get("line"))):
                continue  # a reimplementation shows what it reimplements
            checked += 1
            # The summary is the comment's first sentence, as Doxygen took it.
            if brief.rstrip(".") not in own_comment(lines, int(loc.get("line"))):
                faults.append(f"summary from another comment: {name} "
                              f"({loc.get('file')}:{loc.get('line')}): \"{brief}\"")
    for f in faults:
        print(f)
    print(f"{checked} summaries checked against their own comments, {len(faults)} faults")
    return 1 if faults or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
