#!/usr/bin/env python3
"""Reads a public header as Doxygen should see it; prints it to stdout.

The headers keep plain // comments, written as this code's comments are: a
comment describes the lines directly below it, up to the next blank line or
comment. Here such a comment becomes documentation (///) of every member of
its block, each of which shows it (the reader and writer of a property
alike), and a comment at the end of a declaration's line documents that
declaration. A comment above Qt's macros (Q_PROPERTY and the like) speaks of
them and documents nothing, nor does one followed by a blank line, which
speaks of a section; section rules (// ---) stay plain comments.
Reimplemented Qt event handlers, deleted functions and destructors without a
comment of their own are left out. Every line stays where it was, so that
Doxygen's warnings and the reference's locations name the header's lines.

The classes a developer uses go into the reference's groups (GROUPS), the
controls first; the group pages list them in that order.
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
QT_MACRO = re.compile(r"^\s*Q_[A-Z_]+\b")
CLASS_NAME = re.compile(r"^(class|struct)\s+(?:KEPLERCONTROLS_EXPORT\s+)?(\w+)\b(?!;)")
DELETED = re.compile(r"=\s*delete\s*;")
DESTRUCTOR = re.compile(r"^\s*(virtual\s+)?~\w+\(\)")

# The group of each class that goes into one; the groups are defined, in
# the order the reference lists them, in api-mainpage.md.
GROUPS = {
    "TMeter": "controls", "TSpinEdit": "controls", "TSpinButton": "controls",
    "TNeedleLayout": "controls",
    "TMeterPaintEvents": "painting", "TCanvas": "painting", "TPen": "painting",
    "TBrush": "painting", "TFont": "painting", "TBitmap": "painting",
    "TPoint": "painting", "TRect": "painting",
    "TControl": "standard", "TComponent": "standard", "TSizeConstraints": "standard",
    "TEnumSet": "standard",
}


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
        return line
    indent, code, text = t.groups()
    if code.endswith((";", ",", "}")) and not code.startswith("enum "):
        return f"{indent}{code} ///< {text}"
    return f"{indent}/** {text} */ {code}"


def hidden(line):
    """Whether a declaration stays out of the reference."""
    return bool(QT_HANDLER.match(line) or DELETED.search(line))


def group_of(lines):
    """The group command for a class declared among `lines`, if it has one."""
    for line in lines:
        c = CLASS_NAME.match(line)
        if c and c.group(2) in GROUPS:
            return f" @ingroup {GROUPS[c.group(2)]}"
    return ""


def prefixed(line, doc):
    """The line with a documentation comment put before its code."""
    code = line.lstrip()
    return f"{line[:len(line) - len(code)]}/** {doc} */ {code}"


def main(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if not path.endswith(".h"):
        sys.stdout.write(text)  # the main page's examples keep their comments
        return
    lines = text.split("\n")
    # Line for line: Doxygen's warnings and the reference's locations name
    # the header's own lines.
    out = []
    i = 0
    while i < len(lines):
        m = COMMENT.match(lines[i])
        if not m or (m.group(2) or "").startswith("---"):
            line = lines[i]
            if not m and (hidden(line) or DESTRUCTOR.match(line)):
                line = prefixed(line, "@private")
            out.append(with_trailing(line) if not m else line)
            i += 1
            continue
        indent = len(m.group(1))
        start = i
        while i < len(lines) and COMMENT.match(lines[i]):
            i += 1
        if i < len(lines) and QT_MACRO.match(lines[i]):
            out.extend(lines[start:i])  # about the macros below, as written
            continue
        texts = [COMMENT.match(line).group(2) or "" for line in lines[start:i]]
        comment = [f"{COMMENT.match(line).group(1)}///" + (f" {t}" if t else "")
                   for line, t in zip(lines[start:i], texts)]
        start, end, members = block_after(lines, i, indent)
        if not members:
            out.extend(lines[start - len(texts):start])  # about a section: no member's own
            i = start
            continue
        comment[-1] += group_of(lines[start:end])
        out.extend(comment)
        # Every member of the block shows the comment: each has its summary.
        for k in range(start, end):
            line = lines[k]
            if k in members and hidden(line):
                line = prefixed(line, "@private")
            elif k in members and k != members[0]:
                line = prefixed(line, " ".join(t for t in texts if t))
            out.append(with_trailing(line))
        i = end
    sys.stdout.write("\n".join(out))


if __name__ == "__main__":
    main(sys.argv[1])
