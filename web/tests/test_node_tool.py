"""ulnik-render.js under node against the native ulnik-render: the same bytes on standard output
and in the files written, the same messages and the same exit codes, for every sample and fuzz
seed and for each way the tool is used or refused.

    test_node_tool.py NATIVE_TOOL NODE_TOOL SOURCE_DIR

NODE_TOOL is build/web/ulnik-render-node, which runs ulnik-render.js under node.
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import fcntl
import unittest

NATIVE, NODE_TOOL, SOURCE = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
SAMPLES = SOURCE / 'samples'


def run(tool, args, cwd, locale='pl_PL.UTF-8', output=None, timeout=120):
    """`output`: 'closed' or 'full' for a standard output that cannot be written."""
    # The system's reasons come in glibc's words, which the node tool has in English alone:
    # gettext's LANGUAGE keeps the native tool's in English too, and nothing else.
    environment = dict(os.environ, LC_ALL=locale, LANGUAGE='en')
    command = [str(NODE_TOOL if tool == 'node' else NATIVE)]
    stdout = {None: subprocess.PIPE, 'full': open('/dev/full', 'wb'), 'closed': subprocess.DEVNULL}[output]
    closing = (lambda: os.close(1)) if output == 'closed' else None
    done = subprocess.run(command + [str(a) for a in args], cwd=cwd, env=environment, stdout=stdout,
                          stderr=subprocess.PIPE, preexec_fn=closing, timeout=timeout)
    return done.returncode, done.stdout or b'', done.stderr


def comparable(output):
    # The list is stamped with the moment it was made: the two runs keep its form, not its time.
    # A scratch file's random name differs too.
    output = re.sub(rb'(Stan na: )[^<]*', lambda m: m.group(1) + re.sub(rb'\d', b'#', m.group(0)[9:]), output)
    return re.sub(rb'\.[A-Za-z0-9]{8}\.new', b'.XXXXXXXX.new', output)


class NodeTool(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self.scratch.name)

    def tearDown(self):
        self.scratch.cleanup()

    def same(self, args, locale='pl_PL.UTF-8', files=(), output=None, timeout=120):
        """Both tools, one after the other, in the scratch folder; the files named are compared
        too, and removed after each run."""
        results = []
        for tool in ('native', 'node'):
            code, out, err = run(tool, args, self.dir, locale, output, timeout)
            written = {}
            for name in files:
                path = self.dir / name
                written[name] = (comparable(path.read_bytes()), oct(path.stat().st_mode)) if path.exists() else None
                if path.exists():
                    path.unlink()
            results.append((code, comparable(out), comparable(err), written))
        self.assertEqual(results[0], results[1], args)

    def write(self, name, data):
        path = self.dir / name
        path.write_bytes(data)
        return path

    def test_every_sample_and_seed(self):
        files = sorted(SAMPLES.glob('*.xml')) + sorted((SAMPLES / 'odebrane').glob('*.xml'))
        files += sorted((SOURCE / 'fuzz' / 'corpus').iterdir()) + sorted((SOURCE / 'fuzz' / 'corpus_render').iterdir())
        self.assertGreater(len(files), 30)
        for path in files:
            for args in ([path], ['--tree', path]):
                with self.subTest(args=args):
                    self.same(args)

    def test_lists_in_each_locale(self):
        for locale in ('pl_PL.UTF-8', 'en_US.UTF-8', 'de_DE.UTF-8', 'C'):
            for args in (['--list', SAMPLES / 'odebrane'], ['--list', '--csv', SAMPLES / 'odebrane'],
                         ['--combined', SAMPLES / 'odebrane'], ['--summary', SAMPLES / 'odebrane'],
                         ['--summary', '--csv', SAMPLES / 'odebrane'], [SAMPLES / 'klasyfikacja_klasy_3a.xml']):
                with self.subTest(locale=locale, args=args):
                    self.same(args, locale)

    def test_refusals(self):
        empty = self.dir / 'pusty'
        empty.mkdir()
        spoiled = self.dir / 'zepsuty'
        spoiled.mkdir()
        with open(spoiled / 'duzy.xml', 'wb') as big:
            big.truncate(17 << 20)
        cases = [
            [], ['--bogus', 'a.xml'], ['--help'], ['--version'], ['-o', 'only-out'], ['--list', 'a', 'b'],
            [self.write('typ.xml', b'<Szkola><Doc>Inne</Doc></Szkola>')],
            [self.write('licznik.xml', b'<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>x</IloscWierszy></Info></Szkola>')],
            [self.write('gleboki.xml', b'<a>' * 100000)],
            [self.write('urwany.xml', SAMPLES.joinpath('z_karty.xml').read_bytes()[:-40])],
            [spoiled / 'duzy.xml'], ['--list', spoiled], ['--summary', spoiled], ['--combined', empty], ['--list', empty], ['brak.xml'], ['--list', 'brak'],
            ['--tree', 'brak.xml'], [SAMPLES], ['-d', 'brak', SAMPLES / 'z_karty.xml'],
            ['-o', 'brak/strona.htm', SAMPLES / 'z_karty.xml'],
        ]
        for args in cases:
            with self.subTest(args=args):
                self.same(args)

    def test_output_that_cannot_be_written(self):
        for output in ('full', 'closed'):
            for args in ([SAMPLES / 'z_karty.xml'], ['--list', SAMPLES / 'odebrane'], ['--help'],
                         ['-o', 'n' * 300, SAMPLES / 'z_karty.xml'], ['-o', '.', SAMPLES / 'z_karty.xml']):
                with self.subTest(output=output, args=args):
                    self.same(args, output=output)

    def test_files_written(self):
        pages = self.dir / 'strony'
        pages.mkdir()
        cases = [
            (['-o', 'strona.htm', SAMPLES / 'zachowanie_3a.xml'], ['strona.htm']),
            (['--list', '-o', 'lista.htm', SAMPLES / 'odebrane'], ['lista.htm']),
            (['--list', '--csv', '-o', 'lista.csv', SAMPLES / 'odebrane'], ['lista.csv']),
            (['-d', pages, SAMPLES / 'odebrane', SAMPLES / 'z_karty.xml', SAMPLES / 'inne_informacje.xml'],
             ['strony/' + p.stem + '.htm' for p in (SAMPLES / 'odebrane').glob('*.xml')] +
             ['strony/z_karty.htm', 'strony/inne_informacje.htm']),
        ]
        for args, files in cases:
            with self.subTest(args=args):
                self.same(args, files=files)

    def test_special_files_locks_and_names_that_are_not_utf8(self):
        folder = self.dir / 'folder'
        folder.mkdir()
        for report in sorted((SAMPLES / 'odebrane').glob('*.xml'))[:4]:
            (folder / report.name).write_bytes(report.read_bytes())
        # A name from an archive unpacked on Windows: Windows-1250 bytes, no UTF-8.
        cp1250 = os.fsencode(folder) + b'/' + 'sprawozdanie_śą.xml'.encode('cp1250')
        with open(cp1250, 'wb') as named:
            named.write((SAMPLES / 'z_karty.xml').read_bytes())
        os.mkfifo(folder / 'rura.xml')
        for mode in (['--list'], ['--list', '--csv'], ['--combined'], ['--summary'], ['--summary', '--csv']):
            with self.subTest(mode=mode):
                self.same(mode + [folder], timeout=20)
        # Pages of a folder are written under the names' own bytes.
        written = []
        for tool in ('native', 'node'):
            pages = self.dir / ('strony_' + tool)
            pages.mkdir()
            code = run(tool, ['-d', pages, folder], self.dir, timeout=20)[0]  # 3: the FIFO is no page
            written.append((code, sorted(os.listdir(os.fsencode(pages)))))
        self.assertEqual(written[0], written[1])
        self.assertIn('sprawozdanie_śą.htm'.encode('cp1250'), written[1][1])
        self.same([folder / 'rura.xml'], timeout=20)
        # A report another program holds locked is refused alike, after the same short wait.
        with open(folder / 'bak_inne_informacje.xml', 'rb') as held:
            fcntl.flock(held, fcntl.LOCK_EX)
            self.same([folder / 'bak_inne_informacje.xml'], timeout=20)
            self.same(['--list', folder], timeout=20)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[4:])
