#!/usr/bin/env python3
"""Writes a JSON design of a given number of nets for the benchmarks.

The design looks like a real board scaled up: supply nets with many pins,
single-node test points, signal names with digits, long bus names, 1 to 12
nodes per net (about 4.6 on average), components on both sides and routed
lengths. The same arguments always give the same file.

    generate_design.py NETS OUTPUT.json
"""
import json
import random
import sys

PREFIXES = ("U", "R", "C", "L", "D", "Q", "J", "TP", "SW", "Y")
SIGNALS = ("DATA", "ADDR", "CLK", "RESET_N", "SDA", "SCL", "MISO", "MOSI", "SPI_CS", "UART_TX",
           "UART_RX", "PWM", "ADC_IN", "LED", "EN", "IRQ", "SENSE", "DDR_DQ", "USB_D")
SUPPLIES = ("GND", "AGND", "+3V3", "+5V", "-12V", "VCC", "VCC_IO", "SHIELD", "GNDA", "+1V8")


def net_name(index, rng):
    if index < len(SUPPLIES):
        return SUPPLIES[index]
    roll = rng.random()
    if roll < 0.35:
        return f"{rng.choice(SIGNALS)}{rng.randrange(64)}"
    if roll < 0.55:
        return f"N{index:05d}"
    if roll < 0.70:
        return f"Net-({rng.choice(PREFIXES)}{rng.randrange(1, 400)}-Pad{rng.randrange(1, 40)})"
    if roll < 0.80:
        return f"{rng.choice(SIGNALS)}_BUS_{rng.randrange(8)}_ENABLE_{index}"
    if roll < 0.90:
        return f"{rng.choice('ABCDEFGH')}{rng.randrange(1, 100)}.{index}"
    return f"{rng.choice(SIGNALS).lower()}_{index}"


def node_count(index, rng):
    if index < len(SUPPLIES):
        return 12
    roll = rng.random()
    if roll < 0.08:
        return 1
    if roll < 0.50:
        return 2
    return rng.randrange(3, 13)


def main():
    nets_wanted = int(sys.argv[1])
    output = sys.argv[2]
    rng = random.Random(nets_wanted)
    component_count = max(10, nets_wanted // 3)
    components = []
    for i in range(component_count):
        prefix = PREFIXES[i % len(PREFIXES)]
        components.append({"refDes": f"{prefix}{i + 1}", "padCount": rng.randrange(2, 65),
                           "bottomSide": 1 if rng.random() < 0.3 else 0})
    nets = []
    used_names = set()
    for index in range(nets_wanted):
        name = net_name(index, rng)
        while name in used_names:
            name = f"{name}_{index}"
        used_names.add(name)
        nodes = []
        for _ in range(node_count(index, rng)):
            component = components[rng.randrange(component_count)]
            nodes.append([component["refDes"], str(rng.randrange(1, component["padCount"] + 1))])
        nets.append({"id": index + 1, "name": name, "length": rng.randrange(0, 25_400_000),
                     "nodes": nodes})
    design = {
        "kind": "PCB",
        "title": f"Benchmark board of {nets_wanted} nets",
        "engineer": "Bench",
        "revision": "1",
        "layers": [{"name": f"L{i + 1}", "type": 0 if i % 3 else 1} for i in range(8)],
        "components": components,
        "nets": nets,
    }
    with open(output, "w", encoding="utf-8") as out:
        json.dump(design, out, separators=(",", ":"))
        out.write("\n")


if __name__ == "__main__":
    main()
