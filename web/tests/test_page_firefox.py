"""ulnik.html in headless Firefox ESR, opened from file:// as a user opens it: a report chosen and
a folder listed give the desktop's pages, a wrong file its refusal, printing gives the report
whole, copying fills the clipboard, and a hostile report reaches nothing outside.

Debian has no geckodriver, so the tests speak Firefox's own Marionette protocol.

    test_page_firefox.py PAGE NATIVE_TOOL SOURCE_DIR
"""
import base64
import json
import os
import pathlib
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

from page_fixtures import SHOWN_TEXT, STAMP, ConnectionCounter, hostile_report, long_report, run_native

FIREFOX = '/usr/bin/firefox-esr'
if not os.access(FIREFOX, os.X_OK):
    print('skipped: no firefox-esr')
    sys.exit(77)

PAGE, NATIVE, SOURCE = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
SAMPLES = SOURCE / 'samples'
DECODED = 'new DOMParser().parseFromString(new TextDecoder("windows-1250").decode(' \
          'Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))), "text/html")'


def native(*args):
    return run_native(NATIVE, *args)


class Firefox:
    """A headless Firefox of its own profile, and a Marionette session with it."""

    def __init__(self, env=None):
        self.profile = tempfile.mkdtemp(prefix='ulnik-firefox-')
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            port = probe.getsockname()[1]
        prefs = {'marionette.port': port, 'browser.shell.checkDefaultBrowser': False,
                 'datareporting.policy.dataSubmissionEnabled': False,
                 'toolkit.telemetry.reportingpolicy.firstRun': False, 'app.update.disabledForTesting': True,
                 # The page takes the user's language from navigator.languages, which this sets.
                 'intl.accept_languages': 'pl-PL,pl',
                 # A folder is given to the page as Firefox's picker gives one, by Firefox's own
                 # walk of it; only the picker itself, which grants the path, is left out.
                 'dom.filesystem.pathcheck.disabled': True}
        pathlib.Path(self.profile, 'user.js').write_text(
            ''.join(f'user_pref({json.dumps(k)}, {json.dumps(v)});\n' for k, v in prefs.items()))
        self.process = subprocess.Popen([FIREFOX, '--headless', '--marionette', '--no-remote', '--profile', self.profile],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                        start_new_session=True, env=env)
        self.received, self.serial = b'', 0
        try:
            end = time.monotonic() + 60
            while not hasattr(self, 'connection'):
                try:
                    self.connection = socket.create_connection(('127.0.0.1', port), timeout=120)
                except OSError:
                    if time.monotonic() > end or self.process.poll() is not None:
                        raise
                    time.sleep(0.1)
            self.receive()  # the handshake
            self.command('WebDriver:NewSession', {})
        except BaseException:
            self.quit()
            raise

    def receive(self):
        while b':' not in self.received:
            self.received += self.connection.recv(1 << 16) or self.closed()
        length, _, rest = self.received.partition(b':')
        while len(rest) < int(length):
            rest += self.connection.recv(1 << 16) or self.closed()
        self.received = rest[int(length):]
        return json.loads(rest[:int(length)])

    @staticmethod
    def closed():
        raise ConnectionError('Firefox closed the Marionette connection')

    def command(self, name, parameters=None):
        self.serial += 1
        message = json.dumps([0, self.serial, name, parameters or {}]).encode('utf-8')
        self.connection.sendall(b'%d:%s' % (len(message), message))
        while True:
            _, serial, error, result = self.receive()
            if serial == self.serial:
                break
        if error:
            raise RuntimeError(f'{name}: {error.get("error")}: {error.get("message")}')
        return result

    def js(self, script, *args, **parameters):
        return self.command('WebDriver:ExecuteScript', {'script': script, 'args': list(args), **parameters})['value']

    def element(self, css):
        return next(iter(self.command('WebDriver:FindElement', {'using': 'css selector', 'value': css})['value'].values()))

    def click(self, css):
        self.command('WebDriver:ElementClick', {'id': self.element(css)})

    def quit(self):
        try:
            if hasattr(self, 'connection'):
                self.command('Marionette:Quit', {'flags': ['eForceQuit']})
        except (OSError, RuntimeError, ValueError):
            pass
        try:
            self.process.wait(30)
        except subprocess.TimeoutExpired:
            pass
        # Whatever of its process group outlives it (a content process that hung) goes too.
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        if hasattr(self, 'connection'):
            self.connection.close()
        shutil.rmtree(self.profile, ignore_errors=True)


class PageInFirefox(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.firefox = Firefox()

    @classmethod
    def tearDownClass(cls):
        cls.firefox.quit()

    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.addCleanup(self.scratch.cleanup)
        self.dir = pathlib.Path(self.scratch.name)
        self.open_page()

    def open_page(self):
        self.firefox.command('WebDriver:Navigate', {'url': PAGE.as_uri()})
        self.wait('return document.body.dataset.stan === "gotowy"')

    def js(self, script, *args):
        return self.firefox.js(script, *args)

    def wait(self, script, *args, timeout=15):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            result = self.js(script, *args)
            if result:
                return result
            time.sleep(0.05)
        self.fail('timed out: ' + script)

    def write(self, name, data):
        path = self.dir / name
        path.write_bytes(data)
        return path

    def choose(self, path):
        self.firefox.command('WebDriver:ElementSendKeys', {'id': self.firefox.element('#plik'), 'text': str(path)})

    def choose_folder(self, path):
        # What a folder dropped on the folder input gives, which is what its picker gives: every
        # file under the folder, named by its path from the folder, then input and change.
        self.firefox.js('document.getElementById("folder").mozSetDndFilesAndDirectories([new Directory(arguments[0])]);',
                        str(path), sandbox='system')

    def shows(self, page_bytes):
        """Waits until the frame shows the text of these page bytes, decoded as the page decodes
        them, and the command that showed them has ended."""
        self.wait(SHOWN_TEXT + f'''const f = document.getElementById("strona");
            return document.body.dataset.stan === "gotowy" && f.contentDocument.readyState === "complete" &&
                   !!f.contentDocument.body && text(f.contentDocument) === text({DECODED});''',
                  base64.b64encode(page_bytes).decode('ascii'))

    def shown_text(self):
        return self.js(SHOWN_TEXT + 'return text(document.getElementById("strona").contentDocument)')

    def text_of(self, page_bytes):
        return self.js(SHOWN_TEXT + f'return text({DECODED});', base64.b64encode(page_bytes).decode('ascii'))

    def settles_on(self, text):
        self.wait(SHOWN_TEXT + 'return !!text(document.getElementById("strona").contentDocument)?.includes(arguments[0])'
                  ' && document.body.dataset.stan === "gotowy"', text)

    def message(self):
        """The dialog's icon and text once it is up; its Zamknij closes it."""
        self.wait('return !document.getElementById("zaslona").hidden')
        shown = self.js('return [document.getElementById("ikona").className,'
                        ' document.getElementById("tekst-komunikatu").textContent]')
        self.firefox.click('#przycisk-zamknij')
        self.wait('return document.getElementById("zaslona").hidden && document.body.dataset.stan === "gotowy"')
        return tuple(shown)

    def copied(self, press):
        self.js('''window.copied = {};
            const setData = DataTransfer.prototype.setData;
            DataTransfer.prototype.setData = function (type, data) { copied[type] = data; return setData.call(this, type, data); };''')
        press()
        return self.js('return window.copied')

    def printed(self):
        """The text of the page's printout, sheet by sheet."""
        pdf = self.dir / 'wydruk.pdf'
        pdf.write_bytes(base64.b64decode(self.firefox.command('WebDriver:Print', {})['value']))
        return subprocess.run(['pdftotext', '-layout', str(pdf), '-'], capture_output=True, text=True,
                              check=True).stdout.split('\f')[:-1]

    def test_reports_chosen_show_the_desktop_page_and_a_wrong_file_is_refused(self):
        for path in sorted(SAMPLES.glob('*.xml')):
            with self.subTest(path.name):
                self.choose(path)
                self.shows(native(path)[0])
        good = SAMPLES / 'z_karty.xml'
        self.choose(good)
        self.shows(native(good)[0])
        wrong = self.write('typ.xml', b'<Szkola><Doc>Inne</Doc></Szkola>')
        self.choose(wrong)
        self.assertEqual(self.message(), ('informacja', native(wrong)[1].rstrip('\n')))
        self.shows(native(good)[0])

    def test_folder_list_is_the_desktop_list_of_the_folder_as_chosen(self):
        folder = SAMPLES / 'odebrane'
        self.choose_folder(folder)
        self.settles_on('LISTA OTRZYMANYCH')
        self.assertEqual(STAMP.sub('', self.shown_text()), STAMP.sub('', self.text_of(native('--list', folder)[0])))
        self.assertRegex(self.shown_text(), r'^Stan folderu z chwili wybrania: \d')

    def test_print_has_every_line_of_a_long_report(self):
        report = self.write('dlugi.xml', long_report(150, lambda i: f'Wiersz numer {i} sprawozdania'))
        self.choose(report)
        self.shows(native(report)[0])
        pages = self.printed()
        self.assertGreaterEqual(len(pages), 3)
        text = ''.join(pages)
        for i in range(150):
            self.assertIn(f'Wiersz numer {i} sprawozdania', text)
        for toolbar in ('Kopiuj', 'Drukuj', 'Otwórz', 'Pomoc'):
            self.assertNotIn(toolbar, text)
        # Printing leaves the page in its frame as it was.
        self.shows(native(report)[0])

    def test_kopiuj_puts_the_page_on_the_clipboard(self):
        report = SAMPLES / 'zachowanie_3a.xml'
        self.choose(report)
        self.shows(native(report)[0])
        data = self.copied(lambda: self.firefox.click('#kopiuj'))
        self.assertTrue(self.js('return document.getElementById("zaslona").hidden'))
        # Every line shown, as the selection gives it: spaces run together.
        words = lambda text: ' '.join(text.split())
        shown = [words(line) for line in self.shown_text().splitlines() if line.strip()]
        for line in shown:
            self.assertIn(line, words(data.get('text/plain', '')))
        self.assertIn(shown[0], data.get('text/html', ''))

    def test_hostile_report_runs_and_reaches_nothing(self):
        # A browser of its own for this test, whose log of names looked up is complete once it
        # has quit: a name the report gives is not even looked up.
        log = self.dir / 'dns'
        with ConnectionCounter() as listener:
            self.firefox = Firefox(dict(os.environ, MOZ_LOG='nsHostResolver:5', MOZ_LOG_FILE=str(log)))
            try:
                self.reaches_nothing(listener.address)
            finally:
                self.firefox.quit()
                del self.firefox
        self.assertEqual(len(listener.accepted), 0)
        logs = list(self.dir.glob('dns*'))
        self.assertTrue(logs)
        for path in logs:
            self.assertNotIn('ulnik-sonda', path.read_text(encoding='utf-8', errors='replace'))

    def reaches_nothing(self, at):
        report = self.write('wrogi.xml', hostile_report(at))
        self.open_page()
        self.choose(report)
        self.shows(native(report)[0])
        # The link followed and the form sent, as a user clicks them in the page.
        self.firefox.command('WebDriver:SwitchToFrame', {'element': self.firefox.element('#strona')})
        for element in ('#link', '#wyslij'):
            self.firefox.click(element)
        self.firefox.command('WebDriver:SwitchToParentFrame')
        self.printed()
        self.firefox.click('#kopiuj')
        time.sleep(1.5)
        self.shows(native(report)[0])
        self.assertEqual(self.js('return document.title'), 'Ulnik – przeglądarka sprawozdań szkolnych')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[4:])
