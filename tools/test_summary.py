"""Counts test cases over the XML reports of every test binary.

A binary that CTest ran but that left no report (it crashed or hung) counts as
one failure, as does a binary whose report shows no failure but whose exit
status was bad (a crash at exit)."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET


def ctest_outcomes(build_dir):
    """Name -> passed, from CTest's last log; empty when CTest did not run."""
    log = os.path.join(build_dir, "Testing", "Temporary", "LastTest.log")
    outcomes = {}
    if not os.path.exists(log):
        return outcomes
    name = None
    with open(log, errors="replace") as f:
        for line in f:
            m = re.match(r'\d+/\d+ Test: (\S+)', line)
            if m:
                name = m.group(1)
            if name and line.startswith('Test Passed.'):
                outcomes[name] = True
            elif name and line.startswith('Test Failed.'):
                outcomes[name] = False
    return outcomes


def main():
    results, native, win32, build_failures = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    passed, failed = 0, build_failures
    for kind, build_dir in (("native", native), ("win32", win32)):
        outcomes = ctest_outcomes(build_dir)
        reported = set()
        for report in glob.glob(os.path.join(results, kind, "*.xml")):
            name = os.path.splitext(os.path.basename(report))[0]
            reported.add(name)
            try:
                root = ET.parse(report).getroot()
            except ET.ParseError:
                failed += 1
                continue
            for case in root.iter("testcase"):
                if case.get("status") == "notrun" or case.get("result") == "skipped":
                    continue
                if case.find("failure") is not None:
                    failed += 1
                else:
                    passed += 1
            if outcomes.get(name) is False and not any(True for _ in root.iter("failure")):
                failed += 1
        for name, ok in outcomes.items():
            if name not in reported and not ok:
                print(f"{kind}/{name}: no results (crashed?)", file=sys.stderr)
                failed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
