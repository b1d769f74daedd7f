#!/usr/bin/env python3
"""Reads a public header as Doxygen should see it; prints it to stdout.

The headers keep plain // comments, written as this code's comments are: a
comment describes the lines directly below it, up to the next blank line or
comment. Here such a comment becomes documentation (///), shared by every
member of its block (a Doxygen member group), and a comment at the end of a
declaration's line documents that declaration. Section rules (// ---) stay
plain comments. Reimplemented Qt event handlers are left out.
"""
import re
import sys

COMMENT = re.compile(r"^(\s*)//(?: (.*))?$")
TRAILING = re.compile(r"^(\s*)(\S.*?)\s*// (.*)$")
ACCESS = re.compile(r"^\s*(public|protected|private|signals|public slots|Q_SIGNALS)\s*:")
# Qt's event handlers that a control reimplements are Qt's interface, not
# the control's: the reference leaves them out.
QT_HANDLER = re.compile(r"^(\s*)(bool|void) (event|\w+Event)\(.*\) override;")
TYPE_START = re.compile(r"^\s*(class|struct|enum|namespace|template)\b")


NAME = re.compile(r"(~?\w+)\s*\(")


def stem(line):
    """The property a member line belongs to: Foo for Foo() and SetFoo(v)."""
    m = NAME.search(line)
    if not m or TYPE_START.match(line):
        return None
    name = m.group(1)
    return name[3:] if name.startswith("Set") and name[3:4].isupper() else name


def block_after(lines, start, indent):
    """The lines a comment ending before `start` describes: the declaration
    below it, with the other members of the same name that follow at once
    (overloads, and the reader and writer of one property)."""
    end = start
    members = []
    while end < len(lines):
        line = lines[end]
        if not line.strip() or COMMENT.match(line) or ACCESS.match(line):
            break
        at_member_level = len(line) - len(line.lstrip()) == indent and line.strip() not in ("{", "}", "};")
        if at_member_level:
            if members and (stem(line) is None or stem(line) != stem(lines[members[0]])):
                break
            members.append(end)
        end += 1
    return start, end, members


def with_trailing(line):
    """A code line with a comment at its end: the comment documents what the
    line declares, after a complete declaration or before an opening one."""
    t = TRAILING.match(line)
    if not t:
        return [line]
    indent, code, text = t.groups()
    if code.endswith((";", ",", "}")) and not code.startswith("enum "):
        return [f"{indent}{code} ///< {text}"]
    return [f"{indent}/// {text}", f"{indent}{code}"]


def main(path):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    out = []
    i = 0
    while i < len(lines):
        m = COMMENT.match(lines[i])
        if not m or (m.group(2) or "").startswith("---"):
            h = QT_HANDLER.match(lines[i])
            if h:
                out.append(f"{h.group(1)}/// @private")
            out.extend(with_trailing(lines[i]) if not m else [lines[i]])
            i += 1
            continue
        indent = len(m.group(1))
        comment = []
        while i < len(lines) and COMMENT.match(lines[i]):
            c = COMMENT.match(lines[i])
            comment.append(f"{c.group(1)}///" + (f" {c.group(2)}" if c.group(2) else ""))
            i += 1
        start, end, members = block_after(lines, i, indent)
        grouped = (len(members) > 1
                   and not any(TYPE_START.match(lines[k]) for k in members))
        # The group opens before the comment, which documents its first
        # member and through it the others.
        if grouped:
            out.append(" " * indent + "///@{")
        out.extend(comment)
        for k in range(start, end):
            out.extend(with_trailing(lines[k]))
        if grouped:
            out.append(" " * indent + "///@}")
        i = end
    sys.stdout.write("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1])
