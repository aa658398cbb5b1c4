#!/usr/bin/python3
"""Writes the netlist a schematic of a KiCad board would export, made from the
board itself, for the tests of comparing a board with its netlist:

    tools/board-netlist/board_netlist.py BOARD.kicad_pcb OUTPUT.net

The output is KiCad's netlist export (version "E"): each footprint that has a
pad on a net as a component, and each net with each of its pins once, as a
schematic lists them. What only a board has is left out: parts without a pad
on any net (mounting holes, logos), pads without a net, and the second and
further pads of one number. Needs only Python; the same board always gives
the same file.
"""
import pathlib
import re
import sys

TOKEN = re.compile(r'\(|\)|"(?:[^"\\]|\\.)*"|[^\s()"]+')


def parse(text):
    """The file as nested lists of atoms; strings keep their quotes off."""
    stack = [[]]
    for match in TOKEN.finditer(text):
        token = match.group()
        if token == "(":
            stack.append([])
        elif token == ")":
            done = stack.pop()
            stack[-1].append(done)
        elif token.startswith('"'):
            stack[-1].append(re.sub(r"\\(.)", r"\1", token[1:-1]))
        else:
            stack[-1].append(token)
    return stack[0][0]


def children(node, head):
    return [child for child in node if isinstance(child, list) and child and child[0] == head]


def reference(footprint):
    for text in children(footprint, "fp_text"):
        values = [item for item in text[1:] if not isinstance(item, list)]
        if values and values[0] == "reference":
            # KiCad 6 may write the "locked" flag before the text.
            return [value for value in values[1:] if value != "locked"][0]
    for prop in children(footprint, "property"):
        if prop[1] == "Reference":
            return prop[2]
    raise SystemExit("a footprint without a reference")


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    board_path = pathlib.Path(sys.argv[1])
    board = parse(board_path.read_text(encoding="utf-8"))
    nets = {}  # name -> [(ref, pin)], in board order
    parts = []
    for footprint in children(board, "footprint") + children(board, "module"):
        ref = reference(footprint)
        connected = False
        for pad in children(footprint, "pad"):
            net = children(pad, "net")
            if not net or pad[1] == "":
                continue
            name = net[0][2] if len(net[0]) > 2 else None
            if not name:
                continue
            pins = nets.setdefault(name, [])
            if (ref, pad[1]) not in pins:
                pins.append((ref, pad[1]))
            connected = True
        if connected and ref not in parts:
            parts.append(ref)
    lines = ['(export (version "E")',
             f'  (design (source {quoted(board_path.stem + ".kicad_sch")}) (tool "board_netlist.py"))',
             "  (components"]
    lines += [f"    (comp (ref {quoted(ref)}))" for ref in parts]
    lines[-1] += ")"
    lines.append("  (nets")
    for code, (name, pins) in enumerate(nets.items(), start=1):
        lines.append(f"    (net (code {quoted(str(code))}) (name {quoted(name)})")
        lines += [f"      (node (ref {quoted(ref)}) (pin {quoted(pin)}))" for ref, pin in pins]
        lines[-1] += ")"
    lines[-1] += "))"
    pathlib.Path(sys.argv[2]).write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
