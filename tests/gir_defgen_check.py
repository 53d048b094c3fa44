#!/usr/bin/env python3
"""Regenerates the GIR definitions into a temporary folder and compares them
byte for byte with the committed ones.

    gir_defgen_check.py GENERATOR SCHEMA_DIR DEFINITION_DIR

Exit 0 when all three files are equal, 1 when one differs or the generator
fails, 77 (skip) when the schema folder is missing.
"""

import os
import subprocess
import sys
import tempfile

FILES = ("CbCDataConvDefine_AIA520.xml", "CbCValidateDefine_AIA520.xml",
         "CbCElementDefine_AIA520.lst")
SKIP = 77


def first_difference(a, b):
    for index, (x, y) in enumerate(zip(a.split(b"\n"), b.split(b"\n"))):
        if x != y:
            return index + 1
    return min(a.count(b"\n"), b.count(b"\n")) + 1


def main(generator, schema_dir, definition_dir):
    if not os.path.isfile(os.path.join(schema_dir, "GLOBEXML_v1.0.xsd")):
        print("SKIP: OECD GIR schema not found in %s; definitions not regenerated" % schema_dir)
        return SKIP
    with tempfile.TemporaryDirectory(prefix="gir_defgen_") as out_dir:
        run = subprocess.run([sys.executable, generator, schema_dir, out_dir])
        if run.returncode != 0:
            print("generator failed with exit code %d" % run.returncode)
            return 1
        failed = False
        for name in FILES:
            with open(os.path.join(out_dir, name), "rb") as f:
                fresh = f.read()
            try:
                with open(os.path.join(definition_dir, name), "rb") as f:
                    committed = f.read()
            except OSError as error:
                print("%s: %s" % (name, error))
                failed = True
                continue
            if fresh != committed:
                print("%s differs from the regenerated file (first at line %d)"
                      % (name, first_difference(fresh, committed)))
                failed = True
        return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(*sys.argv[1:]))
