#!/usr/bin/env python3
"""Writes the seeds of fuzz_folder and fuzz_arguments: folders made of the samples (sound, cut off,
foreign, empty, a FIFO and a link among them) packed as the folder target reads its input, and a
few command lines. Run from the repository's root; the output is committed."""
import pathlib

samples = pathlib.Path("samples")
folder_seeds = pathlib.Path("fuzz/corpus_folder")
argument_seeds = pathlib.Path("fuzz/corpus_arguments")
NAMES = ["1a.xml", "1a-z.xml", "2b.xml", "2b-z.xml", "zle.xml", "pusty.xml", "Inne.XML", "notatka.txt"]


def entry(name: str, data: bytes, kind: int = 0) -> bytes:
    choice = kind or NAMES.index(name)
    data = data[:0xFFFF]
    return bytes([choice, len(data) & 0xFF, len(data) >> 8]) + data


def sample(name: str) -> bytes:
    return (samples / name).read_bytes()


classification = sample("klasyfikacja_klasy_3a.xml")
behaviour = sample("zachowanie_3a.xml")
seeds = {
    "sound": entry("1a.xml", classification) + entry("1a-z.xml", behaviour),
    "cut": entry("1a.xml", classification[:700]) + entry("2b.xml", classification[:500]),
    "foreign": entry("zle.xml", b"<Faktura><Nr>1</Nr></Faktura>") + entry("pusty.xml", b"") + entry("1a.xml", classification),
    "doubled": entry("1a.xml", classification) + entry("2b.xml", classification) + entry("Inne.XML", sample("inne_informacje.xml")),
    "fifo_link": entry("1a.xml", classification) + entry("pusty.xml", b"", 0xF8 + 5) + entry("zle.xml", b"", 0xF0 + 4),
    "types": b"".join(entry(NAMES[i % 6], sample(p.name)) for i, p in enumerate(sorted(samples.glob("*.xml"))[:6])),
}
folder_seeds.mkdir(exist_ok=True)
for name, data in seeds.items():
    (folder_seeds / name).write_bytes(data)

argument_seeds.mkdir(exist_ok=True)
for i, line in enumerate(["--summary --csv -o out.csv folder", "--check folder", "-d out a.xml b.xml",
                          "--pdf out.pdf --all folder", "--screenshot x.png --summary folder", "-o - a.xml",
                          "--tree a.xml", "--list --combined a"]):
    (argument_seeds / f"line{i}").write_bytes(b"\0".join(part.encode() for part in line.split()))
