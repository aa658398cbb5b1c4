#!/usr/bin/env python3
"""Writes the bare-board netlist (IPC-D-356) of a JSON design, as KiCad
exports one, for the compare benchmark: one through-hole record per pin,
net names cut to their last 14 characters, upper-cased, "?" for blanks and
"#n" ending a name that comes out like an earlier one; references cut to 6
characters and pins to 4. The same design always gives the same file.

    generate_ipc.py DESIGN.json OUTPUT.ipc
"""
import json
import sys

NAME_WIDTH = 14


def cut_name(name, taken):
    cut = name[-NAME_WIDTH:].upper().replace(" ", "?")
    number = 1
    while cut in taken and taken[cut] != name:
        suffix = f"#{number}"
        cut = name[-(NAME_WIDTH - len(suffix)):].upper().replace(" ", "?") + suffix
        number += 1
    taken[cut] = name
    return cut


def main():
    design = json.load(open(sys.argv[1], encoding="utf-8"))
    taken = {}
    lines = ["P  CODE 00", "P  UNITS CUST 0", "P  arrayDim   N"]
    position = 0
    for net in design["nets"]:
        name = cut_name(net["name"], taken)
        for ref, pin in net["nodes"]:
            position += 1
            x, y = position % 100000, position // 100000
            lines.append(f"317{name:<14}   {ref[:6]:<6}-{pin[:4]:<4} "
                         f"D0394PA00X+{x:06d}Y+{y:06d}X0669Y0669R000S0")
    lines.append("999")
    with open(sys.argv[2], "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
