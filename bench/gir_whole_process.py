#!/usr/bin/env python3
"""Times the GIR folder operations of tesvant-host as a whole process on
folders at and past the limits, with their peak memory, side by side with
the floor, in one run.

    python3 bench/gir_whole_process.py [--build build/release] [--runs 3]
                                       [--host PATH] [--compare PATH] [--only NAME,...]

Folders, written from examples/gir into a temporary folder:
  many_files     the example with 6,000 summary files
  output_limit   the constituent-entity block (CEComputation) of the example
                 repeated until the XML stands just under 19,922,944 bytes
  records        the same block repeated to 981,003 records (24.5 MB)
  both_limits    999,937 records in exactly 68,157,440 bytes (values padded
                 with blanks, which the reader trims)
  one_column     a 62 MB body file of one-column lines
  header_N       01_MessageSpec.csv with N ReceivingCountry rows
  past_records   1,500,000 records (past the record limit)
  past_bytes     a 100 MB folder (past the size limit)

Floor of a folder: decoding all its files from CP932 (one iconv) plus one
`xmllint --noout` of the XML its conversion writes, when it writes one.
Every command runs --runs times, the commands taking turns; each time is
the median, the peak memory (maximum resident set) the largest.
Target: both roads within 3 times the floor on many_files and output_limit.
"""

import argparse
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXAMPLE = os.path.join(REPO, "examples", "gir")
BODY = "02_GLOBEBody"
JURISDICTION = "04_JurisdictionSection_1.csv"
XML_LIMIT = 19922944
SIZE_LIMIT = 68157440
TARGET = 3.0
HEADER_ROWS = (40000, 160000, 999000)


def fail(text):
    print("gir_whole_process.py: " + text, file=sys.stderr)
    sys.exit(2)


def example_files():
    files = {}
    for folder, _, names in os.walk(EXAMPLE):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, EXAMPLE)] = f.read()
    return files


def lines_of(data):
    return data.split(b"\r\n") if b"\r\n" in data else data.split(b"\n")


def ce_block(data):
    """The example's first CEComputation block: its row and the deeper rows after it."""
    lines = [l for l in lines_of(data) if l]
    start = next(i for i, l in enumerate(lines) if l.startswith(b"CEComputation,"))
    level = int(lines[start].rsplit(b",", 1)[1])
    end = next(i for i in range(start + 1, len(lines)) if int(lines[i].rsplit(b",", 1)[1]) <= level)
    return lines[:start], lines[start:end], lines[end:]


def write_folder(path, files):
    for rel, data in files.items():
        full = os.path.join(path, rel)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)


def record_count(files):
    return sum(len([l for l in lines_of(d) if l.strip()]) for d in files.values())


def with_blocks(files, copies, pad=0):
    """The example with the jurisdiction section's block given `copies` times,
    every value padded with `pad` blanks."""
    head, block, tail = ce_block(files[os.path.join(BODY, JURISDICTION)])
    rows = head + block * copies + tail
    if pad:
        rows = [r.replace(b",", b" " * pad + b",", 1) for r in rows]
    out = dict(files)
    out[os.path.join(BODY, JURISDICTION)] = b"\r\n".join(rows) + b"\r\n"
    return out


def blocks_for_records(files, records):
    _, block, _ = ce_block(files[os.path.join(BODY, JURISDICTION)])
    return (records - record_count(files)) // len(block) + 1


def more_receiving(header, n):
    """The header with n more ReceivingCountry rows after its own."""
    first, rest = header.split(b"\n", 1)
    return first + b"\n" + b"ReceivingCountry,JP,,,,6\r\n" * n + rest


def make_folders(root, host, only):
    files = example_files()
    folders = {}

    def add(name, content):
        if only and name not in only:
            return
        path = os.path.join(root, name)
        write_folder(path, content)
        folders[name] = path

    if not only or "many_files" in only:
        summary = files[os.path.join(BODY, "03_Summary_1.csv")]
        # A document id is the message id and four digits.
        prefix, number = re.search(rb"DocRefId,(JP\d{20})(\d{4}),", summary).groups()
        many = {k: v for k, v in files.items() if "03_Summary_" not in k}
        for n in range(1, 6001):
            # Every summary its own document id.
            many[os.path.join(BODY, "03_Summary_%d.csv" % n)] = summary.replace(
                prefix + number, prefix + b"%04d" % (3000 + n))
        add("many_files", many)

    if not only or "output_limit" in only:
        # The XML grows by the same bytes per block: two small conversions place the limit.
        sizes = []
        for copies in (1, 101):
            probe = os.path.join(root, "probe%d" % copies)
            write_folder(probe, with_blocks(files, copies))
            out = os.path.join(root, "probe%d.xml" % copies)
            subprocess.run([host, "CsvConvGIRData", probe, out], stdout=subprocess.DEVNULL, check=True)
            sizes.append(os.path.getsize(out))
        per_block = (sizes[1] - sizes[0]) / 100
        add("output_limit", with_blocks(files, 1 + int((XML_LIMIT - sizes[0]) / per_block)))
    add("records", with_blocks(files, blocks_for_records(files, 981003)))
    if not only or "both_limits" in only:
        content = with_blocks(files, blocks_for_records(files, 999937) - 1)
        extra = 999937 - record_count(content)
        # Fill the records up with header rows, then the bytes with blanks.
        header = "01_MessageSpec.csv"
        content[header] = more_receiving(content[header], extra)
        missing = SIZE_LIMIT - sum(len(d) for d in content.values())
        jur = os.path.join(BODY, JURISDICTION)
        content[jur] = content[jur].replace(b",", b" " * missing + b",", 1) if missing > 0 else content[jur]
        add("both_limits", content)
    add("one_column", dict(files, **{os.path.join(BODY, JURISDICTION): b"RecJurCode\r\n" * (62000000 // 12)}))
    for n in HEADER_ROWS:
        add("header_%d" % n, dict(files, **{"01_MessageSpec.csv": more_receiving(files["01_MessageSpec.csv"], n)}))
    add("past_records", with_blocks(files, blocks_for_records(files, 1500000)))
    if not only or "past_bytes" in only:
        content = with_blocks(files, 40)
        jur = os.path.join(BODY, JURISDICTION)
        content[jur] = content[jur].replace(b",", b" " * (100 << 20) + b",", 1)
        add("past_bytes", content)
    return folders


def measure(argv, scratch):
    """(seconds, peak resident KiB, stdout) of one process. The peak comes from
    GNU time: a child of this process would count what this process holds."""
    start = time.perf_counter()
    out = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", scratch] + argv, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL).stdout
    seconds = time.perf_counter() - start
    with open(scratch) as f:
        peak = int(f.read().split()[-1])
    return seconds, peak, out


def answer(out):
    text = out.decode("utf-8", errors="replace")
    result = re.search(r'"Result": "([^"]*)"', text)
    codes = sorted(set(re.findall(r"HE6\d{4}E", text)))
    return (result.group(1) if result else "?") + (" " + " ".join(codes) if codes else "")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(REPO, "build", "release"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--host", help="tesvant-host to time (default: the build's)")
    parser.add_argument("--compare", help="another tesvant-host (an earlier build) timed in the same run")
    parser.add_argument("--only", help="comma-separated folder names")
    parser.add_argument("--write", help=argparse.SUPPRESS)
    args = parser.parse_args()
    host = args.host or os.path.join(args.build, "tools", "tesvant-host")
    hosts = [("", host)] + ([("@compare", args.compare)] if args.compare else [])
    for _, program in hosts if not args.write else ():
        if not os.access(program, os.X_OK):
            fail("missing %s (build with -DCMAKE_BUILD_TYPE=Release first)" % program)
    for tool in ("iconv", "xmllint", "/usr/bin/time"):
        if shutil.which(tool) is None:
            fail("missing %s" % tool)
    only = set(args.only.split(",")) if args.only else None

    if args.write:
        print(json.dumps(make_folders(args.write, host, only)))
        return 0
    root = tempfile.mkdtemp(prefix="tesvant_gir_whole_")
    try:
        # Written by a process of its own, so that this one stays small.
        written = subprocess.run([sys.executable, os.path.abspath(__file__), "--write", root, "--host", host]
                                 + (["--only", args.only] if args.only else []),
                                 stdout=subprocess.PIPE, check=True)
        folders = json.loads(written.stdout)
        commands = {}
        for name, path in folders.items():
            paths = sorted(os.path.join(d, f) for d, _, fs in os.walk(path) for f in fs)
            xml = os.path.join(root, name + ".xml")
            subprocess.run([host, "CsvConvGIRData", path, xml], stdout=subprocess.DEVNULL)
            commands[name + ":decode"] = ["iconv", "-f", "CP932", "-t", "UTF-8", "-o", os.devnull] + paths
            if os.path.exists(xml):
                commands[name + ":xmllint"] = ["xmllint", "--noout", xml]
            for suffix, program in hosts:
                commands[name + ":check" + suffix] = [program, "GIRCsvCheck", path, ""]
                commands[name + ":conv" + suffix] = [program, "CsvConvGIRData", path,
                                                     os.path.join(root, name + suffix + "_out.xml")]
                commands[name + ":folder" + suffix] = [program, "GIRFolderCheck", path]
        samples = {name: [] for name in commands}
        peaks = {name: 0 for name in commands}
        answers = {}
        for _ in range(args.runs):
            for name, argv in commands.items():
                seconds, peak, out = measure(argv, os.path.join(root, "peak.txt"))
                samples[name].append(seconds)
                peaks[name] = max(peaks[name], peak)
                answers[name] = answer(out)
        median = {name: statistics.median(v) for name, v in samples.items()}

        load = " ".join("%.2f" % v for v in os.getloadavg())
        print("runs: %d per command, taking turns; load %s" % (args.runs, load))
        print("%-13s %-15s %9s %8s %9s %6s  %-28s%s" % ("folder", "road", "ms", "peak MB", "floor ms", "ratio",
                                                         "answer", "  compared: ms peak MB" if args.compare else ""))
        met = True
        for name in folders:
            floor = median[name + ":decode"] + median.get(name + ":xmllint", 0.0)
            for road, label in (("check", "GIRCsvCheck"), ("conv", "CsvConvGIRData"), ("folder", "GIRFolderCheck")):
                key = name + ":" + road
                ratio = median[key] / floor
                if name in ("many_files", "output_limit") and road != "folder":
                    met = met and ratio <= TARGET
                compared = ""
                if args.compare:
                    compared = "  %9.0f %8.0f" % (median[key + "@compare"] * 1000, peaks[key + "@compare"] / 1024)
                print("%-13s %-15s %9.0f %8.0f %9.0f %6.2f  %-28s%s" % (
                    name, label, median[key] * 1000, peaks[key] / 1024, floor * 1000, ratio, answers[key][:28],
                    compared))
        if "many_files" in folders or "output_limit" in folders:
            print("target (both roads within %.0f times the floor on many_files and output_limit): %s"
                  % (TARGET, "met" if met else "NOT met"))
    finally:
        shutil.rmtree(root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
