#!/usr/bin/env python3
"""Works out facts of a KiCad board without the program's reader, for tests to
hold the reader to: golden_facts.py BOARD.kicad_pcb [NET NAME ...]. Independent on
purpose: a regular-expression tokenizer and the arc length from the inscribed angle.
"""
import math
import re
import sys

TOKEN = re.compile(r'\s*(?:(\()|(\))|"((?:[^"\\]|\\.)*)"|([^\s()"]+))', re.S)


def parse(text):
    stack = [[]]
    pos = 0
    while True:
        match = TOKEN.match(text, pos)
        if not match:
            break
        pos = match.end()
        opening, closing, quoted, bare = match.groups()
        if opening:
            stack.append([])
        elif closing:
            done = stack.pop()
            stack[-1].append(done)
        elif quoted is not None:
            stack[-1].append(quoted.replace('\\"', '"').replace("\\\\", "\\"))
        else:
            stack[-1].append(bare)
    assert len(stack) == 1 and text[pos:].strip() == "", "unbalanced file"
    return stack[0][0]


def lists(node, head):
    return [item for item in node[1:] if isinstance(item, list) and item and item[0] == head]


def first(node, head):
    found = lists(node, head)
    return found[0] if found else None


def arc_length(start, mid, end):
    # The angle at mid between the chords to start and to end is half the
    # central angle of the arc that does not pass through mid.
    ax, ay = start[0] - mid[0], start[1] - mid[1]
    bx, by = end[0] - mid[0], end[1] - mid[1]
    inscribed = math.acos(max(-1.0, min(1.0, (ax * bx + ay * by) / (math.hypot(ax, ay) * math.hypot(bx, by)))))
    chord = math.hypot(end[0] - start[0], end[1] - start[1])
    radius = chord / (2 * math.sin(inscribed))
    return radius * (2 * math.pi - 2 * inscribed)


def point(track, head):
    found = first(track, head)
    return float(found[1]), float(found[2])


def main():
    board = parse(open(sys.argv[1], encoding="utf-8").read())
    names_by_code = {}
    for net in lists(board, "net"):
        names_by_code[int(net[1])] = net[2] if len(net) > 2 else ""
    named = {code: name for code, name in names_by_code.items() if code != 0 and name != ""}

    copper = [entry for entry in first(board, "layers")[1:] if isinstance(entry, list) and entry[1].endswith(".Cu")]

    pins = {name: [] for name in named.values()}
    components = top = bottom = 0
    for footprint in lists(board, "footprint") + lists(board, "module"):
        components += 1
        reference = ""
        for text in lists(footprint, "fp_text") + lists(footprint, "property"):
            if text[1] in ("reference", "Reference"):
                reference = text[2]
                break
        pads = lists(footprint, "pad")
        if first(footprint, "layer")[1] == "B.Cu":
            bottom += len(pads)
        else:
            top += len(pads)
        for pad in pads:
            net = first(pad, "net")
            if net and int(net[1]) != 0 and net[2] != "":
                pins[net[2]].append(f"{reference}-{pad[1]}")

    length_mm = {name: 0.0 for name in named.values()}
    for segment in lists(board, "segment"):
        code = int(first(segment, "net")[1])
        if code in named:
            (x1, y1), (x2, y2) = point(segment, "start"), point(segment, "end")
            length_mm[named[code]] += math.hypot(x2 - x1, y2 - y1)
    for arc in lists(board, "arc"):
        code = int(first(arc, "net")[1])
        if code in named:
            length_mm[named[code]] += arc_length(point(arc, "start"), point(arc, "mid"), point(arc, "end"))

    print(f"nets {len(named)}")
    print(f"components {components}")
    print(f"copper layers {len(copper)}")
    print(f"pads {top + bottom} top {top} bottom {bottom}")
    wanted = sys.argv[2:] or sorted(pins, key=lambda name: -len(pins[name]))[:5]
    for name in wanted:
        units = math.floor(length_mm[name] * 100000 + 0.5)
        print(f"net {name!r}: {len(pins[name])} pins, length {units}")
        print("    " + " ".join(pins[name]))


if __name__ == "__main__":
    main()
