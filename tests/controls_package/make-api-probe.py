#!/usr/bin/env python3
"""Writes a C++ file that uses every declaration of the installed headers.

Reads Doxygen's XML description of the headers (made with EXTRACT_ALL) and
writes one translation unit that calls every public and protected function,
constructor, destructor, signal and slot, every free and friend function, and
returns the address of every static data member and namespace variable (an
address only taken would leave no reference behind). Linked
against the shared library alone, every declaration without an exported
definition is an undefined reference: the link fails and names it.

Members are called without virtual dispatch (p->Class::Name(...)), so that
the call names the very function. Each class gets a probe class derived from
it: inside it, the class's own nested type names mean what they mean in the
header, and protected members are within reach. The probe's vtable, made in
this file, needs every virtual function and the type information of each
class as well.

Usage: make-api-probe.py XML_DIR OUTPUT.cpp HEADER...
Prints the number of declarations used.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def text(node):
    return "".join(node.itertext()).strip() if node is not None else ""


def params(member):
    """The parameter types, or None when the function cannot be called by
    type alone (variadic, or a parameter Doxygen splits around its name)."""
    types = []
    for p in member.findall("param"):
        t = text(p.find("type"))
        if t == "void" and len(member.findall("param")) == 1 and not text(p.find("declname")):
            return []
        if not t or t == "..." or p.find("array") is not None:
            return None
        types.append(t)
    return types


def skipped(member):
    args = member.findtext("argsstring") or ""
    return (member.find("templateparamlist") is not None
            or "=delete" in args.replace(" ", "")
            or member.get("virt") == "pure-virtual")


def forwarded(types):
    decl = ", ".join(f"{t} a{i}" for i, t in enumerate(types))
    call = ", ".join(f"std::forward<{t}>(a{i})" for i, t in enumerate(types))
    return decl, call


class Probe:
    def __init__(self):
        self.out = []
        self.used = 0

    def klass(self, compound, index):
        name = compound.findtext("compoundname")
        if (compound.find("templateparamlist") is not None or compound.get("final") == "yes"
                or compound.get("prot") == "private"):
            return
        probe = f"Probe{index}"
        decls, defs = [], []
        for member in compound.iter("memberdef"):
            kind = member.get("kind")
            prot = member.get("prot")
            mname = member.findtext("name")
            if kind == "friend":
                if text(member.find("type")) in ("class", "struct") or skipped(member):
                    continue
                types = params(member)
                if types is None:
                    continue
                decl, call = forwarded(types)
                n = len(decls)
                # A friend is found through its arguments, as a program finds it.
                decls.append(f"    static void Use{n}({decl});")
                defs.append(f"void {probe}::Use{n}({decl}) {{ (void){mname}({call}); }}")
                self.used += 1
                continue
            if prot not in ("public", "protected") or skipped(member):
                continue
            if kind == "variable" and member.get("static") == "yes":
                n = len(decls)
                decls.append(f"    static const void* Use{n}();")
                defs.append(f"const void* {probe}::Use{n}() {{ return &{name}::{mname}; }}")
                self.used += 1
                continue
            if kind not in ("function", "signal", "slot"):
                continue
            types = params(member)
            if types is None:
                continue
            decl, call = forwarded(types)
            short = name.split("::")[-1]
            n = len(decls)
            if mname == short:  # constructor
                decls.append(f"    {probe}({decl});")
                defs.append(f"{probe}::{probe}({decl}) : {name}({call}) {{}}")
            elif mname == "~" + short:
                decls.append(f"    ~{probe}();")
                defs.append(f"{probe}::~{probe}() {{}}")
            elif member.get("static") == "yes":
                decls.append(f"    static void Use{n}({decl});")
                defs.append(f"void {probe}::Use{n}({decl}) {{ (void){name}::{mname}({call}); }}")
            else:
                const = "const " if member.get("const") == "yes" else ""
                self_param = f"{const}{probe}* p" + (", " if decl else "")
                decls.append(f"    static void Use{n}({self_param}{decl});")
                defs.append(f"void {probe}::Use{n}({self_param}{decl}) {{ (void)p->{name}::{mname}({call}); }}")
            self.used += 1
        if not any(d.strip().startswith(f"~{probe}") for d in decls):
            # The probe's own destructor, defined here, destroys the class
            # and makes the probe's vtable in this file.
            decls.append(f"    ~{probe}();")
            defs.append(f"{probe}::~{probe}() {{}}")
        self.out.append(f"// {name}")
        self.out.append(f"struct {probe} : {name} {{")
        self.out.extend(decls)
        self.out.append("};")
        self.out.extend(defs)
        self.out.append("")

    def namespace(self, compound, index):
        name = compound.findtext("compoundname")
        uses = []
        for member in compound.iter("memberdef"):
            kind = member.get("kind")
            mname = member.findtext("name")
            if skipped(member):
                continue
            if kind == "variable":
                uses.append(f"const void* NsUse{index}_{len(uses)}() {{ return &{name}::{mname}; }}")
            elif kind == "function":
                types = params(member)
                if types is None:
                    continue
                decl, call = forwarded(types)
                uses.append(f"void NsUse{index}_{len(uses)}({decl}) {{ (void){name}::{mname}({call}); }}")
        if uses:
            self.out.append(f"// namespace {name}")
            self.out.extend(uses)
            self.out.append("")
        self.used += len(uses)


def enclosing_namespace(name, namespaces):
    """The namespace a class or namespace is declared in ('' for the global one)."""
    parts = name.split("::")[:-1]
    while parts and "::".join(parts) not in namespaces:
        parts.pop()
    return "::".join(parts)


def main(xml_dir, output, headers):
    index = ET.parse(Path(xml_dir) / "index.xml").getroot()
    compounds = [c for c in index.findall("compound") if c.get("kind") in ("class", "struct", "namespace")]
    namespaces = {c.findtext("name") for c in compounds if c.get("kind") == "namespace"}
    body = []
    used = 0
    classes = 0
    for i, c in enumerate(compounds):
        compound = ET.parse(Path(xml_dir) / f"{c.get('refid')}.xml").getroot().find("compounddef")
        probe = Probe()
        if c.get("kind") == "namespace":
            probe.namespace(compound, i)
            home = compound.findtext("compoundname")
        else:
            probe.klass(compound, i)
            classes += 1
            home = enclosing_namespace(compound.findtext("compoundname"), namespaces)
        if probe.out:
            # Inside the declaration's own namespace, its type names mean
            # what they mean in the header.
            body += [f"namespace {home + '::' if home else ''}KeplerApiProbe {{", ""]
            body += probe.out + ["}", ""]
        used += probe.used
    lines = ["// Generated by make-api-probe.py: uses every declaration of the installed headers."]
    lines += [f"#include <KeplerControls/{Path(h).name}>" for h in headers]
    lines += ["#include <utility>", ""] + body + ["int main() { return 0; }", ""]
    Path(output).write_text("\n".join(lines), encoding="utf-8")
    print(f"{used} declarations of {classes} classes and their namespaces used")
    if classes == 0 or used == 0:
        sys.exit("no declarations found")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
