#!/usr/bin/python3
"""Writes the IPC-D-356 netlist of every board of Debian's kicad-demos
package with KiCad's own exporter, for the tests of the IPC-D-356 reader:

    tools/kicad-demo-ipc/generate.py [OUTPUT_FOLDER]

OUTPUT_FOLDER defaults to tests/design/ipc/data/kicad6/; each board
FOLDER/NAME.kicad_pcb gives NAME.d356 there. Needs the `kicad` package (its
Python module pcbnew) and `kicad-demos`; run it with the system's Python,
which is the one KiCad's module is built for. KiCad is needed only to make
these files, never to build or test: install it, run this, and remove it
(apt-get install -y kicad; ...; apt-get remove -y kicad).

The exporter writes the file's path nowhere, so the output depends only on the
boards and KiCad's version, which is written to OUTPUT_FOLDER/GENERATOR.
"""
import pathlib
import sys

try:
    import pcbnew
except ImportError:
    sys.exit("KiCad's Python module is missing: apt-get install -y kicad, "
             "and run this with /usr/bin/python3")

DEMOS = pathlib.Path("/usr/share/kicad/demos")
REPOSITORY = pathlib.Path(__file__).resolve().parents[2]


def main():
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else (
        REPOSITORY / "tests/design/ipc/data/kicad6")
    boards = sorted(DEMOS.rglob("*.kicad_pcb"))
    if not boards:
        sys.exit(f"no boards under {DEMOS}: apt-get install -y kicad-demos")
    stems = [board.stem for board in boards]
    duplicates = {stem for stem in stems if stems.count(stem) > 1}
    if duplicates:
        sys.exit(f"two boards share a name, which the output names cannot tell apart: "
                 f"{sorted(duplicates)}")
    output.mkdir(parents=True, exist_ok=True)
    for board in boards:
        target = output / (board.stem + ".d356")
        # The writer reports nothing; a missing or empty file is the failure.
        target.unlink(missing_ok=True)
        pcbnew.IPC356D_WRITER(pcbnew.LoadBoard(str(board))).Write(str(target))
        if not target.is_file() or target.stat().st_size == 0:
            sys.exit(f"{board}: KiCad wrote no IPC-D-356 file")
        print(f"{target.relative_to(output)}  from {board.relative_to(DEMOS)}")
    (output / "GENERATOR").write_text(
        f"KiCad {pcbnew.Version()}, tools/kicad-demo-ipc/generate.py, "
        f"from the boards of Debian's kicad-demos package\n")


if __name__ == "__main__":
    main()
