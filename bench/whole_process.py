#!/usr/bin/env python3
"""Times tesvant-host as a whole process on the largest inputs, side by side
with the floor and with xmllint's schema validation, in one run.

    python3 bench/whole_process.py [--build build/release] [--runs 9]
                                   [--xsd ../shared/oecd-xsd] [--host PATH] [--compare PATH]

Inputs come from `tesvant_bench --write-inputs`: CbC reports of 251 (first
schema) and 252 summaries (second schema) with 5,000 constituent entities
each, and appendix tables AIA120 and AIA540 of 5,000 records.

Floor of an input: decoding its CSV from CP932 (iconv) plus one
`xmllint --noout` of the XML its conversion writes (an appendix table's pages
wrapped in one element), each a process of its own.
Schema: `xmllint --noout --schema` of the same XML (CbC reports only; the
schemas are read where they lie, never copied).

Every command runs --runs times, the commands taking turns so that a load
on the machine falls on all of them alike; each figure is the median.
Targets: a conversion within 2 times its floor, a CbC check within half
the schema validation. The exit status is 0 whether or not they are met;
2 when a command fails.
"""

import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# input file, conversion, its extra arguments, checks, schema (folder, main file)
INPUTS = [
    ("cbc_v1.csv", "CsvConvCbCReportData", [],
     [("CbCReportCsvCheck", []), ("CbCReportIntegrityCheck", ["4010001234567"])],
     ("cbc_v1.0.1", "CbcXML_v1.0.1.xsd")),
    ("cbc_v2.csv", "CsvConvCbCReportData2", [],
     [("CbCReportCsvCheck2", []), ("CbCReportIntegrityCheck2", ["4010001234567"])],
     ("cbc_v2.0", "CbcXML_v2.0.xsd")),
    ("aia120.csv", "CsvConvAppendixTableData", ["Tesvant", "山田太郎"],
     [("AppendixTableCsvCheck", []), ("ReportIntegrityCheck", ["1", "1", "1", "", "", ""])],
     None),
    ("aia540.csv", "CsvConvGIRAppendixTableData", ["Tesvant", "山田太郎"],
     [("GIRAppendixTableCsvCheck", ["1", ""])],
     None),
]

CONVERSION_TARGET = 2.0
CHECK_TARGET = 0.5


def fail(text):
    print("whole_process.py: " + text, file=sys.stderr)
    sys.exit(2)


def run(argv, status=0):
    result = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if result.returncode != status:
        fail("%s answered %d: %s" % (" ".join(argv), result.returncode, result.stderr.decode(errors="replace")))


def timed(argv, status=0):
    start = time.perf_counter()
    run(argv, status)
    return time.perf_counter() - start


def machine():
    model = "unknown processor"
    try:
        with open("/proc/cpuinfo") as cpuinfo:
            for line in cpuinfo:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    load = " ".join("%.2f" % v for v in os.getloadavg())
    return "%s, %d cores, load %s" % (model, os.cpu_count() or 0, load)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(REPO, "build", "release"))
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--xsd", default=os.path.join(os.path.dirname(REPO), "shared", "oecd-xsd"))
    parser.add_argument("--host", help="tesvant-host to time (default: the build's)")
    parser.add_argument("--compare", help="another tesvant-host (an earlier build, say) timed in the same run")
    args = parser.parse_args()

    host = args.host or os.path.join(args.build, "tools", "tesvant-host")
    generator = os.path.join(args.build, "bench", "tesvant_bench")
    for program in (host, generator) + ((args.compare,) if args.compare else ()):
        if not os.access(program, os.X_OK):
            fail("missing %s (build with -DCMAKE_BUILD_TYPE=Release first)" % program)
    for tool in ("iconv", "xmllint"):
        if shutil.which(tool) is None:
            fail("missing %s" % tool)

    folder = tempfile.mkdtemp(prefix="tesvant_whole_")
    try:
        run([generator, "--write-inputs", folder])
        commands = {}   # name -> argv
        rows = []       # (input, [(label, name, reference name, target)])
        for csv, conversion, extra, checks, schema in INPUTS:
            csv_path = os.path.join(folder, csv)
            stem = os.path.splitext(csv)[0]
            xml_path = os.path.join(folder, stem + ".xml")
            conv_argv = [host, conversion, csv_path] + extra + [os.path.join(folder, stem + "_out.xml")]
            # The XML the floor and the schema read: the conversion's own output.
            out = subprocess.run(conv_argv[:-1] + [xml_path], stdout=subprocess.PIPE)
            if out.returncode != 0 or json.loads(out.stdout)["Result"] != "S_OK":
                fail("%s did not convert: %s" % (csv, out.stdout[:300]))
            floor_xml = xml_path
            if schema is None:
                # The pages of an appendix table stand side by side and use the
                # gen prefix undeclared: wrapped, they read as one document.
                floor_xml = os.path.join(folder, stem + "_wrapped.xml")
                with open(xml_path, "rb") as source, open(floor_xml, "wb") as wrapped:
                    wrapped.write(b'<DATA xmlns:gen="urn:x-tesvant:gen">' + source.read() + b"</DATA>")
            commands[stem + ":decode"] = ["iconv", "-f", "CP932", "-t", "UTF-8", "-o", os.devnull, csv_path]
            commands[stem + ":xmllint"] = ["xmllint", "--noout", floor_xml]
            commands[stem + ":conv"] = conv_argv
            lines = [(conversion, stem + ":conv", stem + ":floor", CONVERSION_TARGET)]
            reference = stem + ":floor"
            if schema is not None:
                xsd = os.path.join(args.xsd, schema[0], schema[1])
                if not os.path.isfile(xsd):
                    fail("missing schema %s (pass --xsd)" % xsd)
                commands[stem + ":schema"] = ["xmllint", "--noout", "--schema", xsd, xml_path]
                reference = stem + ":schema"
            for check, check_extra in checks:
                commands[stem + ":" + check] = [host, check, csv_path] + check_extra
                lines.append((check, stem + ":" + check, reference,
                              CHECK_TARGET if schema is not None else None))
            rows.append((csv, lines))

        # What every run of the host pays before any work: loading the
        # libraries and setting up the XML library (a call that fails at once).
        commands["host:startup"] = [host, "ReadXMLFile", os.path.join(folder, "missing.xml"), "-1"]
        if args.compare:
            # The same host commands with the other program (its own output file).
            for name, argv in list(commands.items()):
                if argv[0] == host:
                    commands[name + "@compare"] = [args.compare] + [
                        a.replace("_out.xml", "_out_compare.xml") for a in argv[1:]]
        samples = {name: [] for name in commands}
        for _ in range(args.runs):
            for name, argv in commands.items():
                # The startup probe fails by design (E_FAIL, exit status 1).
                samples[name].append(timed(argv, 1 if name.startswith("host:startup") else 0))
        median = {name: statistics.median(values) for name, values in samples.items()}
        for csv, conversion, *_ in INPUTS:
            stem = os.path.splitext(csv)[0]
            median[stem + ":floor"] = median[stem + ":decode"] + median[stem + ":xmllint"]

        print("machine: %s" % machine())
        print("runs: %d per command, taking turns; medians in ms" % args.runs)
        print("host startup (no work): %.1f ms" % (median["host:startup"] * 1000)
              + ("; compared host: %.1f ms" % (median["host:startup@compare"] * 1000) if args.compare else ""))
        print("%-11s %-28s %9s %-16s %9s %7s %-14s%s" % ("input", "command", "ms", "against", "ms", "ratio", "target",
                                                         "  compared: ms ratio" if args.compare else ""))
        all_met = True
        for csv, lines in rows:
            stem = os.path.splitext(csv)[0]
            print("%-11s %-28s %9.1f" % (csv, "floor: iconv + xmllint", median[stem + ":floor"] * 1000))
            if stem + ":schema" in median:
                print("%-11s %-28s %9.1f" % (csv, "xmllint --schema", median[stem + ":schema"] * 1000))
            for label, name, reference, target in lines:
                ratio = median[name] / median[reference]
                verdict = "-"
                if target is not None:
                    met = ratio <= target
                    all_met = all_met and met
                    verdict = ("<= %.1f " % target) + ("met" if met else "NOT met")
                compared = ""
                if args.compare:
                    compared = "  %9.1f %5.2f" % (median[name + "@compare"] * 1000,
                                                  median[name + "@compare"] / median[reference])
                print("%-11s %-28s %9.1f %-16s %9.1f %7.2f %-14s%s" % (
                    csv, label, median[name] * 1000, reference.split(":")[1], median[reference] * 1000,
                    ratio, verdict, compared))
        print("targets: %s" % ("all met" if all_met else "NOT all met"))
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
