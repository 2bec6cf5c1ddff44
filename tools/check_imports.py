"""Checks the import tables of the shipped programs against the allow-list.

Windows 95 and NT 4 refuse to start a program that imports a function their
DLLs lack, so every DLL and function a shipped exe imports must be on the
list of what both systems provide (tools/imports-allowed.txt). A new import
fails here, by name, until someone has checked it and added it.

usage: check_imports.py OBJDUMP ALLOW_LIST NAME EXE...
Writes one test case per exe as XML where GTEST_OUTPUT asks for reports."""
import os
import re
import subprocess
import sys
from xml.sax.saxutils import escape, quoteattr


def read_allowed(path):
    """(dll, function) pairs, lower-cased DLL names; '#' starts a comment."""
    allowed = set()
    with open(path) as f:
        for number, line in enumerate(f, 1):
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            parts = line.split()
            if len(parts) != 2:
                raise SystemExit(f"{path}:{number}: expected 'DLL function', got {line!r}")
            allowed.add((parts[0].lower(), parts[1]))
    return allowed


def read_imports(objdump, exe):
    """(dll, function) pairs from objdump's import tables; ordinals as '#n'."""
    text = subprocess.run([objdump, "-p", exe], check=True, capture_output=True, text=True).stdout
    imports = []
    dll = None
    for line in text.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            dll = m.group(1).lower()
            continue
        if dll is None:
            continue
        if not line.strip():
            dll = None
            continue
        # "\t7184\t  277  DeleteCriticalSection" (hint and name) or an ordinal alone.
        m = re.match(r"\s+[0-9a-f]+\s+(\d+)\s+(\S+)\s*$", line)
        if m:
            imports.append((dll, m.group(2)))
            continue
        m = re.match(r"\s+[0-9a-f]+\s+<none>\s+([0-9a-f]+)\s*$", line) or \
            re.match(r"\s+[0-9a-f]+\s+(\d+)\s*$", line)
        if m:
            imports.append((dll, "#" + m.group(1)))
    return imports


def report_path(name):
    """Where GTEST_OUTPUT ("xml:DIR/", possibly a Wine path) wants the report."""
    output = os.environ.get("GTEST_OUTPUT", "")
    if not output.startswith("xml:"):
        return None
    folder = output[4:]
    if re.match(r"[A-Za-z]:\\", folder):
        # Wine's Z: drive is the host's root.
        folder = folder[2:].replace("\\", "/")
    return os.path.join(folder, name + ".xml")


def main():
    objdump, allow_list, name, exes = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    allowed = read_allowed(allow_list)
    cases = []
    for exe in exes:
        imports = read_imports(objdump, exe)
        missing = sorted({f"{dll} {function}" for dll, function in imports
                          if (dll, function) not in allowed})
        if not imports:
            missing = ["no import table found"]
        cases.append((os.path.basename(exe), missing, len(imports)))

    failed = 0
    for exe, missing, count in cases:
        if missing:
            failed += 1
            print(f"{exe}: {len(missing)} of {count} imports are not on {os.path.basename(allow_list)}:")
            for entry in missing:
                print(f"  {entry}")
        else:
            print(f"{exe}: all {count} imports allowed")

    path = report_path(name)
    if path:
        with open(path, "w") as f:
            f.write('<?xml version="1.0" encoding="UTF-8"?>\n')
            f.write(f'<testsuites tests="{len(cases)}" failures="{failed}" name="{name}">\n')
            f.write(f'  <testsuite name="Imports" tests="{len(cases)}" failures="{failed}">\n')
            for exe, missing, _ in cases:
                f.write(f'    <testcase name={quoteattr(exe)} status="run" classname="Imports">\n')
                if missing:
                    message = "not on the allow-list: " + ", ".join(missing)
                    f.write(f'      <failure message={quoteattr(message)}>{escape(message)}</failure>\n')
                f.write("    </testcase>\n")
            f.write("  </testsuite>\n</testsuites>\n")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
