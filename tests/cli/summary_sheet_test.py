#!/usr/bin/env python3
"""ulnik-render --summary --csv and --list --csv, read back as a Polish office program's import
dialog reads them by default: ";", "," and the tab all separate fields, quotes are honoured. A
folder of the samples' classification reports for three classes, one behaviour report doubled,
a teacher whose name holds a comma, and one damaged file."""
import pathlib
import re
import subprocess
import sys
import tempfile

tool, samples = sys.argv[1], pathlib.Path(sys.argv[2])


def office_rows(sheet: bytes) -> list:
    """Fields split at any of ";", "," and the tab outside quotes; "" inside quotes is one quote."""
    text = sheet.decode("utf-8-sig")
    rows, row, field, quoted, i = [], [], "", False, 0
    while i < len(text):
        c = text[i]
        if quoted:
            if c == '"' and text[i + 1:i + 2] == '"':
                field, i = field + '"', i + 1
            elif c == '"':
                quoted = False
            else:
                field += c
        elif c == '"':
            quoted = True
        elif c in ";,\t":
            row, field = row + [field], ""
        elif c == "\r" and text[i + 1:i + 2] == "\n":
            rows, row, field, i = rows + [row + [field]], [], "", i + 1
        else:
            field += c
        i += 1
    return rows


def sample(name: str) -> bytes:
    """The sample's bytes; one in UTF-16 as UTF-8, so that its class can be replaced as bytes."""
    data = (samples / name).read_bytes()
    if data.startswith(b"\xff\xfe"):
        data = data.decode("utf-16").replace('encoding="UTF-16"', 'encoding="UTF-8"').encode()
    return data


classification = sample("klasyfikacja_klasy_3a.xml")
behaviour = sample("zachowanie_3a.xml")


def of_class(report: bytes, name: str, **replace: bytes) -> bytes:
    report = report.replace(b"<Klasa>3a</Klasa>", b"<Klasa>" + name.encode() + b"</Klasa>")
    for old, new in replace.items():
        report = report.replace(old.encode(), new)
    return report


with tempfile.TemporaryDirectory() as folder:
    files = {
        "3a.xml": classification,
        "3a-z.xml": behaviour,
        "10b.xml": re.sub(rb"<Belfer>[^<]*</Belfer>", b"<Belfer>Kowalska, Ewa</Belfer>", of_class(classification, "10b")),
        "10b-z.xml": of_class(behaviour, "10b"),
        "10b-z-stare.xml": of_class(behaviour, "10b"),
        "2c.xml": of_class(classification, "2c"),
        "zepsuty.xml": b"\x00\x01",
    }
    for name, data in files.items():
        (pathlib.Path(folder) / name).write_bytes(data)
    ran = subprocess.run([tool, "--summary", "--csv", folder], capture_output=True,
                         env={"LC_ALL": "pl_PL.UTF-8", "PATH": "/usr/bin:/bin"})
    assert ran.returncode == 6, (ran.returncode, ran.stderr)
    assert "zepsuty.xml" in ran.stderr.decode(), ran.stderr
    assert ran.stdout.startswith(b"\xef\xbb\xbf") and b"\r\n" in ran.stdout
    rows = office_rows(ran.stdout)
    (pathlib.Path(folder) / "zepsuty.xml").unlink()  # which the list refuses whole
    listed = subprocess.run([tool, "--list", "--csv", folder], capture_output=True,
                            env={"LC_ALL": "pl_PL.UTF-8", "PATH": "/usr/bin:/bin"})
    list_rows = office_rows(listed.stdout)

header = ["Klasa", "Wychowawca", "Klasyfikowanych", "Frekwencja 100%", "Udział", "Wyróżnienia", "Udział",
          "Z ocenami ndst", "Udział", "Zachowanie wzorowe", "Udział", "Zachowanie obniżone", "Udział"]
assert rows[0] == header, rows[0]
assert all(len(row) == len(header) for row in rows), rows
assert [row[0] for row in rows[1:]] == ["2C", "3A", "10B", "Razem", "Podstawa udziałów"], rows
assert rows[3][1] == "Kowalska, Ewa", rows[3]
classes, totals = rows[1:-2], rows[-2]
for column in (2, 3, 5, 7, 9, 11):
    whole = [int(row[column]) for row in classes if row[column].isdigit()]
    assert int(totals[column]) == sum(whole), (header[column], totals, whole)
assert rows[1][9:] == ["", "", "", ""], rows[1]  # 2c handed in no behaviour report
assert all(len(row) == len(list_rows[0]) for row in list_rows), list_rows
assert "Kowalska, Ewa" in [row[1] for row in list_rows], list_rows
print("\n".join(";".join(row) for row in rows))
