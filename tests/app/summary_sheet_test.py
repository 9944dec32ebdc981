#!/usr/bin/env python3
"""ulnik-render --summary --csv, read back as a spreadsheet program reads it: Python's csv module
with ";" and the byte-order mark. A folder of the samples' classification reports for three
classes, one of them counted "brak", one behaviour report doubled, and one damaged file."""
import csv
import io
import pathlib
import subprocess
import sys
import tempfile

tool, samples = sys.argv[1], pathlib.Path(sys.argv[2])


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
        "10b.xml": of_class(classification, "10b"),
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
    rows = list(csv.reader(io.StringIO(ran.stdout.decode("utf-8-sig"), newline=""), delimiter=";"))

header = ["Klasa", "Wychowawca", "Klasyfikowanych", "Frekwencja 100%", "Wyróżnienia", "Z ocenami ndst",
          "Zachowanie wzorowe", "Zachowanie obniżone"]
assert rows[0] == header, rows[0]
assert [row[0] for row in rows[1:]] == ["2C", "3A", "10B", "Razem"], rows
classes = rows[1:-1]
for column in range(2, 8):
    whole = [int(row[column]) for row in classes if row[column].isdigit()]
    assert int(rows[-1][column]) == sum(whole), (header[column], rows[-1], whole)
assert rows[1][6:] == ["", ""], rows[1]  # 2c handed in no behaviour report
print("\n".join(";".join(row) for row in rows))
