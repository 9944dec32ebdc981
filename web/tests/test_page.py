"""ulnik.html in headless Chromium, opened from file:// as a user opens it: reports chosen, dropped
and listed give the desktop's pages and messages, printing gives the report whole, copying and
a hostile report reach nothing outside.

    test_page.py PAGE NATIVE_TOOL SOURCE_DIR
"""
import base64
import functools
import http.server
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from page_fixtures import SHOWN_TEXT, STAMP, ConnectionCounter, hostile_report, long_report, run_native

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
except ImportError:
    print('skipped: no python3-selenium')
    sys.exit(77)
if not all(os.access(p, os.X_OK) for p in ('/usr/bin/chromium', '/usr/bin/chromedriver')):
    print('skipped: no chromium or chromium-driver')
    sys.exit(77)

PAGE, NATIVE, SOURCE = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
SAMPLES = SOURCE / 'samples'


def native(*args):
    return run_native(NATIVE, *args)


FOREIGN = b'<?xml version="1.0" encoding="windows-1250"?>\r\n<Zakupy><Pozycja>chleb</Pozycja></Zakupy>\r\n'


def browser(*arguments, live_folders=False):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--window-size=1000,700', '--disable-gpu') + arguments:
        options.add_argument(argument)
    # The page takes the user's language from navigator.languages, which this sets.
    options.add_experimental_option('prefs', {'intl.accept_languages': 'pl-PL,pl'})
    driver = webdriver.Chrome(options=options, service=Service('/usr/bin/chromedriver'))
    # Without the File System Access API, as in Firefox, a folder is the snapshot its input
    # gives; the live folders have a test of their own.
    if not live_folders:
        driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': 'delete window.showDirectoryPicker;'})
    return driver


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = browser()

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()

    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self.scratch.name)
        self.driver.get(PAGE.as_uri())
        self.wait('return document.body.dataset.stan === "gotowy"')

    def tearDown(self):
        self.scratch.cleanup()

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

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
        self.driver.find_element(By.ID, 'plik').send_keys(str(path))

    def shows(self, page_bytes, settled=True):
        """Waits until the frame shows the text of these page bytes, decoded as the page decodes
        them, and (when settled) the command that showed them has ended."""
        self.wait(SHOWN_TEXT + '''const f = document.getElementById("strona");
            const page = new DOMParser().parseFromString(new TextDecoder("windows-1250").decode(
                Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))), "text/html");
            return (!arguments[1] || document.body.dataset.stan === "gotowy") &&
                   f.contentDocument.readyState === "complete" && !!f.contentDocument.body &&
                   text(f.contentDocument) === text(page);''',
                  base64.b64encode(page_bytes).decode('ascii'), settled)

    def shown_text(self):
        return self.js(SHOWN_TEXT + 'return text(document.getElementById("strona").contentDocument)')

    def text_of(self, page_bytes):
        return self.js(SHOWN_TEXT + '''return text(new DOMParser().parseFromString(new TextDecoder("windows-1250")
            .decode(Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))), "text/html"));''',
                       base64.b64encode(page_bytes).decode('ascii'))

    def message(self):
        """The dialog's icon and text once it is up; Enter closes it."""
        self.wait('return !document.getElementById("zaslona").hidden')
        shown = self.js('return [document.getElementById("ikona").className,'
                        ' document.getElementById("tekst-komunikatu").textContent]')
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.wait('return document.getElementById("zaslona").hidden && document.body.dataset.stan === "gotowy"')
        return tuple(shown)

    def click_in_frame(self, frame_id, script):
        """Clicks at the frame's point the script (run in the page, `doc` being the frame's
        document) gives as [x, y]."""
        x, y = self.js(f'const doc = document.getElementById("{frame_id}").contentDocument; {script}')
        frame = self.driver.find_element(By.ID, frame_id)
        size = frame.size
        ActionChains(self.driver).move_to_element_with_offset(
            frame, int(x - size['width'] / 2), int(y - size['height'] / 2)).click().perform()

    def test_one_file_that_lets_nothing_in(self):
        html = PAGE.read_text(encoding='utf-8')
        self.assertLess(len(html.encode('utf-8')), 600 * 1024)
        policy = re.search(r'http-equiv="Content-Security-Policy" content="([^"]*)"', html).group(1)
        self.assertIn("default-src 'none'", policy)
        self.assertNotIn("'unsafe-inline'", re.search(r'script-src([^;]*)', policy).group(1))

    def test_every_sample_shows_the_desktop_page(self):
        for path in sorted(SAMPLES.glob('*.xml')) + sorted((SAMPLES / 'odebrane').glob('*.xml')):
            with self.subTest(path.name):
                self.choose(path)
                self.shows(native(path)[0])
                # A sound page loses nothing on its way to the frame: its body is the page's own.
                self.assertTrue(self.js('''const page = new DOMParser().parseFromString(new TextDecoder("windows-1250")
                    .decode(Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))), "text/html");
                    const doc = document.getElementById("strona").contentDocument;
                    return doc.body.outerHTML === page.body.outerHTML &&
                           doc.querySelectorAll("style").length === page.querySelectorAll("style").length;''',
                                        base64.b64encode(native(path)[0]).decode('ascii')))
        self.assertEqual(self.js('return document.getElementById("strona").getAttribute("sandbox")'),
                         'allow-same-origin')

    def test_refused_files_say_why_and_keep_the_page(self):
        good = SAMPLES / 'z_karty.xml'
        self.choose(good)
        self.shows(native(good)[0])
        big = self.dir / 'duzy.xml'
        with open(big, 'wb') as f:
            f.truncate(17 << 20)
        for path in (self.write('typ.xml', b'<Szkola><Doc>Inne</Doc></Szkola>'),
                     self.write('licznik.xml', b'<Szkola><Doc>Z karty</Doc><Info><IloscWierszy>x</IloscWierszy>'
                                               b'</Info></Szkola>'),
                     self.write('gleboki.xml', b'<a>' * 100000), big):
            with self.subTest(path.name):
                self.choose(path)
                self.assertEqual(self.message(), ('informacja', native(path)[1].rstrip('\n')))
                self.shows(native(good)[0])

        # A file that breaks off shows as far as it goes, then where it breaks.
        cut = self.write('urwany.xml', good.read_bytes()[:-40])
        self.choose(cut)
        self.shows(native(cut)[0], settled=False)
        icon, text = self.message()
        where = re.search(r'(wiersz \d+, kolumna \d+: .*) \(bajt', native(cut)[1]).group(1)
        self.assertEqual((icon, text), ('uwaga', f'Plik jest niekompletny: {where}.\nPokazano tylko jego początek.'))

    def test_ponow_reads_the_file_again_while_the_browser_lets_it(self):
        report = self.write('z_karty.xml', (SAMPLES / 'z_karty.xml').read_bytes())
        self.choose(report)
        self.shows(native(report)[0])
        self.js('document.getElementById("strona").srcdoc = ""')
        ActionChains(self.driver).send_keys(Keys.F5).perform()
        self.shows(native(report)[0])
        report.write_bytes(report.read_bytes() + b'\r\n')
        self.driver.find_element(By.ID, 'ponow').click()
        icon, text = self.message()
        self.assertEqual(icon, 'informacja')
        self.assertTrue(text.startswith('Plik zmienił się albo zniknął'), text)
        self.shows(native(report)[0])

    def test_dropped_files(self):
        drop = '''const [target, name, data] = arguments;
            const transfer = new DataTransfer();
            transfer.items.add(new File([Uint8Array.from(atob(data), c => c.charCodeAt(0))], name));
            const where = target === "strona" ? document.getElementById("strona").contentDocument.body : document.body;
            where.dispatchEvent(new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));'''
        report = SAMPLES / 'zachowanie_3a.xml'
        data = base64.b64encode(report.read_bytes()).decode('ascii')
        self.js(drop, 'okno', report.name, data)
        self.shows(native(report)[0])
        self.js(drop, 'strona', 'notatka.txt', data)
        self.assertEqual(self.message(), ('uwaga', '\nBłędny typ pliku.\nWskaż plik sprawozdania.'))
        self.shows(native(report)[0])

    def hint_shown(self):
        return self.js('''const hint = document.getElementById("wskazowka");
            return hint.offsetHeight > 0 && document.getElementById("strona").offsetHeight === 0 && hint.textContent;''')

    def test_the_window_around_the_page(self):
        # The empty view says what to do, and takes a file dropped on it.
        self.assertEqual(self.hint_shown(), 'Otwórz sprawozdanie (Ctrl+O) albo upuść tu plik lub folder')
        self.js('window.printed = 0; window.print = () => ++window.printed;')
        self.driver.find_element(By.ID, 'drukuj').click()
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys('p').key_up(Keys.CONTROL).perform()
        report = SAMPLES / 'zachowanie_3a.xml'
        self.js('''const transfer = new DataTransfer();
            transfer.items.add(new File([Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0))], "z.xml"));
            document.getElementById("wskazowka").dispatchEvent(
                new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));''',
                base64.b64encode(report.read_bytes()).decode('ascii'))
        self.shows(native(report)[0])
        self.assertFalse(self.hint_shown())
        self.assertEqual(self.js('return window.printed'), 0)
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys('p').key_up(Keys.CONTROL).perform()
        self.assertEqual(self.js('return window.printed'), 1)

        # Kopiuj takes the whole page and leaves the user's selection as it was.
        selected = self.js('''const view = document.getElementById("strona").contentWindow;
            view.getSelection().selectAllChildren(view.document.querySelector("b"));
            return view.getSelection().toString();''')
        data = self.copied(lambda: self.driver.find_element(By.ID, 'kopiuj').click())
        self.assertGreater(len(data['text/plain']), len(selected) + 100)
        self.assertEqual(self.js('return document.getElementById("strona").contentWindow.getSelection().toString()'),
                         selected)

        # The window's × closes the page, back to the start; Ponów opens the file again.
        self.driver.find_element(By.ID, 'zamknij-strone').click()
        self.wait('return document.body.dataset.stan === "gotowy"')
        self.assertTrue(self.hint_shown())
        self.driver.find_element(By.ID, 'drukuj').click()
        self.assertEqual(self.js('return window.printed'), 1)
        self.driver.find_element(By.ID, 'ponow').click()
        self.shows(native(report)[0])

    def test_folder_list_opens_its_entries_and_leads_back(self):
        folder = SAMPLES / 'odebrane'
        self.driver.find_element(By.ID, 'folder').send_keys(str(folder))
        self.settles_on('LISTA OTRZYMANYCH')
        expected = self.text_of(native('--list', folder)[0])
        self.assertEqual(STAMP.sub('', self.shown_text()), STAMP.sub('', expected))
        self.assertRegex(self.shown_text(), r'^Stan folderu z chwili wybrania: \d')

        entry = 'Kowalczyk Jerzy - Sprawozdanie dyrektora'
        find = f'''const span = [...doc.querySelectorAll("span")].find(s => s.textContent.includes("{entry}"));
                   const box = span.getBoundingClientRect();
                   return [doc.documentElement.clientWidth - 20, box.top + box.height / 2];'''
        report = native(folder / 'kowalczyk_sprawozdanie_dyrektora.xml')[0]
        for back in (Keys.BACKSPACE, (Keys.ALT, Keys.ARROW_LEFT)):
            with self.subTest(back=back):
                self.click_in_frame('strona', find)  # at the right end of the line
                self.shows(report)
                keys = ActionChains(self.driver)
                if isinstance(back, tuple):
                    keys.key_down(back[0]).send_keys(back[1]).key_up(back[0])
                else:
                    keys.send_keys(back)
                keys.perform()
                self.settles_on('LISTA OTRZYMANYCH')

    def settles_on(self, text):
        self.wait(SHOWN_TEXT + 'return !!text(document.getElementById("strona").contentDocument)?.includes(arguments[0])'
                  ' && document.body.dataset.stan === "gotowy"', text)

    def downloaded(self, button, name):
        self.driver.execute_cdp_cmd('Browser.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': str(self.dir)})
        self.driver.find_element(By.ID, button).click()
        table = self.dir / name
        end = time.monotonic() + 15
        while not table.exists() and time.monotonic() < end:
            time.sleep(0.05)
        return table.read_bytes()

    def test_school_pages_of_the_listed_folder(self):
        buttons = ('return ["sprawdz", "zbiorcze", "wyniki", "pobierz"]'
                   '.filter(id => !document.getElementById(id).hidden)')
        offered = ['sprawdz', 'zbiorcze', 'wyniki']
        self.assertEqual(self.js(buttons), offered)
        self.driver.find_element(By.ID, 'folder').send_keys(str(SAMPLES / 'odebrane'))
        self.settles_on('LISTA OTRZYMANYCH')
        self.assertEqual(self.js(buttons), offered)

        # Each page by its button and by its key, from the list and from the other pages: all
        # are of the listed folder, and each leads back to the list.
        combined = ('zbiorcze', (Keys.CONTROL, Keys.SHIFT, 'z'), 'SPRAWOZDANIE ZBIORCZE', offered)
        summary = ('wyniki', (Keys.CONTROL, Keys.SHIFT, 'k'), 'WYNIKI KLASYFIKACJI', offered + ['pobierz'])
        check = ('sprawdz', (Keys.CONTROL, Keys.SHIFT, 's'), 'SPRAWDZENIE PLIKÓW', offered + ['pobierz'])
        for steps in ((combined, summary, check), (check, combined)):
            for button, keys, title, shown in steps:
                for by_key in (False, True):
                    with self.subTest(title=title, by_key=by_key):
                        self.js('document.getElementById("strona").srcdoc = ""')
                        if by_key:
                            ActionChains(self.driver).key_down(keys[0]).key_down(keys[1]).send_keys(keys[2]) \
                                .key_up(keys[1]).key_up(keys[0]).perform()
                        else:
                            self.driver.find_element(By.ID, button).click()
                        self.settles_on(title)
                        self.assertEqual(self.js(buttons), shown)
            ActionChains(self.driver).send_keys(Keys.BACKSPACE).perform()
            self.settles_on('LISTA OTRZYMANYCH')
            self.assertEqual(self.js(buttons), offered)

        # The summary is copied as any page, and its table and the check's are downloaded as
        # spreadsheets.
        self.driver.find_element(By.ID, 'wyniki').click()
        self.settles_on('WYNIKI KLASYFIKACJI')
        data = self.copied(lambda: self.driver.find_element(By.ID, 'kopiuj').click())
        self.assertIn('WYNIKI KLASYFIKACJI', data['text/plain'])
        for button, title, name in (('wyniki', 'WYNIKI KLASYFIKACJI', 'wyniki_klasyfikacji.csv'),
                                    ('sprawdz', 'SPRAWDZENIE PLIKÓW', 'sprawdzenie_plikow.csv')):
            with self.subTest(name):
                self.driver.find_element(By.ID, button).click()
                self.settles_on(title)
                data = self.downloaded('pobierz', name)
                self.assertTrue(data.startswith(b'\xef\xbb\xbf'), data[:20])
                lines = data[3:].split(b'\r\n')
                self.assertEqual(lines[-1], b'')
                self.assertIn(b';', lines[0])
                self.assertFalse(any(b'\n' in line or b'\r' in line for line in lines), data)

    def folder_with_foreign_files(self, name, foreign=('obcy.xml',)):
        """A folder of one class's classification and foreign files: its list fails."""
        folder = self.dir / name
        folder.mkdir()
        report = 'lukasiewicz_klasyfikacja_2a.xml'
        (folder / report).write_bytes((SAMPLES / 'odebrane' / report).read_bytes())
        for file in foreign:
            (folder / file).write_bytes(FOREIGN)
        return folder

    def dialog_up(self):
        self.wait('return !document.getElementById("zaslona").hidden')
        return self.js('return document.getElementById("tekst-komunikatu").textContent')

    def test_a_folder_that_cannot_be_listed_is_the_one_its_school_pages_are_of(self):
        bad = self.folder_with_foreign_files('zla')
        refusal = native('--list', bad)[1].rstrip('\n')
        self.assertIn('obcy.xml', refusal)
        # The folder in its heading, where there is one, is the same folder under another path.
        summary = STAMP.sub('', self.text_of(native('--summary', bad)[0]).replace(str(bad), 'FOLDER'))
        self.driver.find_element(By.ID, 'folder').send_keys(str(SAMPLES / 'odebrane'))
        self.settles_on('LISTA OTRZYMANYCH')

        # Closed, the refusal leaves the other folder's list on the screen, and yet the figures
        # are of the folder named.
        self.driver.find_element(By.ID, 'folder').send_keys(str(bad))
        self.assertEqual(self.dialog_up(), refusal)
        self.assertFalse(self.js('return document.getElementById("przycisk-sprawdz").hidden'))
        ActionChains(self.driver).send_keys('z').perform()
        self.settles_on('LISTA OTRZYMANYCH')
        self.driver.find_element(By.ID, 'wyniki').click()
        self.settles_on('WYNIKI KLASYFIKACJI')
        self.assertEqual(STAMP.sub('', re.sub(r'/p\d+/zla', 'FOLDER', self.shown_text())), summary)
        self.assertIn('obcy.xml', self.shown_text())

        # The refusal's own button shows the check of that folder, which names the foreign file.
        # No list of it was shown, so Back leads nowhere.
        self.driver.find_element(By.ID, 'folder').send_keys(str(bad))
        self.dialog_up()
        self.driver.find_element(By.ID, 'przycisk-sprawdz').click()
        self.settles_on('SPRAWDZENIE PLIKÓW')
        self.assertIn('obcy.xml', self.shown_text())
        ActionChains(self.driver).send_keys(Keys.BACKSPACE).perform()
        time.sleep(0.5)
        self.settles_on('SPRAWDZENIE PLIKÓW')

    def test_school_pages_ask_for_a_folder_first(self):
        # The browser's folder dialog is held back; the folder is then given as a user gives it.
        ask = ('window.asked = 0; document.getElementById("folder").addEventListener("click",'
               ' (event) => { event.preventDefault(); ++window.asked; });')
        folder = self.folder_with_foreign_files('zla')
        for press in (lambda: self.driver.find_element(By.ID, 'sprawdz').click(),
                      lambda: ActionChains(self.driver).key_down(Keys.CONTROL).key_down(Keys.SHIFT).send_keys('s')
                              .key_up(Keys.SHIFT).key_up(Keys.CONTROL).perform()):
            self.driver.get(PAGE.as_uri())
            self.wait('return document.body.dataset.stan === "gotowy"')
            self.js(ask)
            press()
            self.wait('return window.asked === 1')
            self.driver.find_element(By.ID, 'folder').send_keys(str(folder))
            self.settles_on('SPRAWDZENIE PLIKÓW')
            self.assertIn('obcy.xml', self.shown_text())
            # The folder named is at hand from then on.
            self.driver.find_element(By.ID, 'wyniki').click()
            self.settles_on('WYNIKI KLASYFIKACJI')
            self.assertEqual(self.js('return window.asked'), 1)

    def dialog_boxes(self):
        """The dialog's, its text's and its buttons' boxes, within the dialog, and whether the text
        is laid out whole inside its box."""
        return self.js('''const at = (id) => document.getElementById(id).getBoundingClientRect();
            const face = at("komunikat");
            const box = (id) => { const b = at(id); return [b.left - face.left, b.top - face.top, b.width, b.height]; };
            const text = document.getElementById("tekst-komunikatu");
            const range = document.createRange();
            range.selectNodeContents(text);
            const lines = [...range.getClientRects()];
            return {face: [face.width, face.height], text: box("tekst-komunikatu"), close: box("przycisk-zamknij"),
                    whole: text.scrollHeight <= text.clientHeight &&
                           lines[lines.length - 1].bottom <= text.getBoundingClientRect().bottom,
                    scrolls: text.scrollHeight > text.clientHeight};''')

    def test_the_dialog_grows_to_its_text_then_scrolls(self):
        self.driver.find_element(By.ID, 'kopiuj').click()
        self.dialog_up()
        self.assertEqual(self.dialog_boxes(), {'face': [350, 150], 'text': [17, 51, 313, 53],
                                               'close': [190, 116, 88, 26], 'whole': True, 'scrolls': False})
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()

        long = self.folder_with_foreign_files('dluga', [f'{"bardzo_dlugi_plik_" * 9}{i}.xml' for i in range(3)])
        self.driver.find_element(By.ID, 'folder').send_keys(str(long))
        self.dialog_up()
        boxes = self.dialog_boxes()
        self.assertGreater(boxes['face'][1], 250)
        self.assertTrue(boxes['whole'])
        self.assertEqual(boxes['text'][:3], [17, 51, 313])
        # The buttons move down with the foot, as far below the text as on the face as drawn.
        self.assertEqual(boxes['close'][1], boxes['text'][1] + boxes['text'][3] + 12)
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()

        # In a window too low for it the dialog stops at two thirds of the window, and its text
        # scrolls by the keys, which leave the dialog up.
        self.driver.set_window_size(1000, 450)
        self.addCleanup(self.driver.set_window_size, 1000, 700)
        self.driver.find_element(By.ID, 'folder').send_keys(str(long))
        self.dialog_up()
        boxes = self.dialog_boxes()
        self.assertEqual(boxes['face'][1], self.js('return Math.floor(innerHeight * 2 / 3)'))
        self.assertTrue(boxes['scrolls'])
        ActionChains(self.driver).send_keys(Keys.END).perform()
        self.assertTrue(self.js('''const text = document.getElementById("tekst-komunikatu");
            return !document.getElementById("zaslona").hidden && text.scrollTop > 0 &&
                   text.scrollTop + text.clientHeight >= text.scrollHeight - 1;'''))
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.wait('return document.getElementById("zaslona").hidden')

    def test_print_has_every_line_and_the_footer(self):
        # Every shape of attribute a pasted text brings (prefixed, namespaced, odd names) is
        # printed with its line.
        shapes = ['<span xml:lang="pl">', '<span a:b="x">', '<span 1x="y" -z="w">', '<svg xlink:title="t"></svg><span>',
                  '<span xmlns:q="urn:q" q:r="s">', '<span lang=pl =x>']
        report = self.write('dlugi.xml', long_report(
            150, lambda i: (shapes[i % len(shapes)].replace('<', '&lt;').replace('>', '&gt;') +
                            f'Wiersz numer {i} sprawozdania' + '&lt;/span&gt;')))
        self.choose(report)
        self.shows(native(report)[0])
        styles = self.js('return document.getElementById("strona").contentDocument.querySelectorAll("*").length')
        pdf = self.dir / 'wydruk.pdf'
        printed = self.driver.execute_cdp_cmd('Page.printToPDF', {})
        pdf.write_bytes(base64.b64decode(printed['data']))

        pages = subprocess.run(['pdftotext', '-layout', str(pdf), '-'], capture_output=True, text=True,
                               check=True).stdout.split('\f')[:-1]
        self.assertGreaterEqual(len(pages), 3)
        text = ''.join(pages)
        for i in range(150):
            self.assertIn(f'Wiersz numer {i} sprawozdania', text)
        for number, page in enumerate(pages, 1):
            self.assertEqual(page.strip().splitlines()[-1].strip(), f'- Str. {number} -')
        for toolbar in ('Kopiuj', 'Drukuj', 'Otwórz', 'Pomoc'):
            self.assertNotIn(toolbar, text)

        # The page's content keeps to the margins of 19.05 mm (54 pt), the footer stands below.
        boxes = subprocess.run(['pdftotext', '-bbox', '-f', '1', '-l', '1', str(pdf), '-'], capture_output=True,
                               text=True, check=True).stdout
        height = float(re.search(r'<page width="[\d.]+" height="([\d.]+)"', boxes).group(1))
        words = [(float(a), float(b), float(c), w) for a, b, c, w in
                 re.findall(r'xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<', boxes)]
        footer = [word for x, top, bottom, word in words if top > height - 54]
        self.assertEqual(footer, ['-', 'Str.', '1', '-'])
        for x, top, bottom, word in words:
            if top <= height - 54:
                self.assertGreaterEqual(x, 54)
                self.assertGreaterEqual(top, 53)
                self.assertLessEqual(bottom, height - 53)

        # Printing leaves the page in its frame as it was.
        self.shows(native(report)[0])
        self.assertEqual(self.js('return document.getElementById("strona").contentDocument.querySelectorAll("*").length'),
                         styles)

    def copied(self, press):
        self.js('''window.copied = {};
            const setData = DataTransfer.prototype.setData;
            DataTransfer.prototype.setData = function (type, data) { copied[type] = data; return setData.call(this, type, data); };''')
        press()
        return self.js('return window.copied')

    def test_copy_takes_the_text_and_safe_html(self):
        self.driver.find_element(By.ID, 'kopiuj').click()
        self.assertEqual(self.message(), ('informacja', 'Brak strony do skopiowania.'))

        report = self.write('obraz.xml', long_report(
            2, lambda i: '&lt;b&gt;Pogrubiony&lt;/b&gt; &lt;img src="http://127.0.0.1:9/x.png"&gt;'
                         '&lt;a href="http://127.0.0.1:9/"&gt;odnośnik&lt;/a&gt;'))
        self.choose(report)
        self.shows(native(report)[0])
        data = self.copied(lambda: self.driver.find_element(By.ID, 'kopiuj').click())
        self.assertIn('DLUGIE SPRAWOZDANIE', data['text/plain'].upper())
        self.assertIn('Pogrubiony odnośnik', data['text/plain'])
        html = data['text/html']
        self.assertIn('<b', html)
        self.assertIn('font-weight: 700', html)
        for reference in ('127.0.0.1', '<img', 'href', '<style', '<script'):
            self.assertNotIn(reference, html)
        self.assertTrue(self.js('return document.getElementById("strona").contentWindow.getSelection().isCollapsed'))

    def on_disk(self, script, *args):
        """Runs the script on the folder the page's picker gives (`folder`), as another program
        changes a folder on the disk."""
        return self.driver.execute_async_script('''const done = arguments[arguments.length - 1];
            const bytes = (data) => Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
            const write = async (folder, name, data) => {
                const writable = await (await folder.getFileHandle(name, {create: true})).createWritable();
                await writable.write(bytes(data));
                await writable.close();
            };
            (async () => {
                const folder = await (await navigator.storage.getDirectory()).getDirectoryHandle("sprawozdania", {create: true});
                ''' + script + '''
            })().then(() => done(true), (error) => done(String(error)));''', *args)

    def test_a_live_folder_is_read_from_the_disk(self):
        # The page over http, where the browser has a private file system whose folders are the
        # API's own; only the picker is stubbed to give one of them.
        served = http.server.ThreadingHTTPServer(
            ('127.0.0.1', 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=str(PAGE.parent)))
        threading.Thread(target=served.serve_forever, daemon=True).start()
        self.addCleanup(served.server_close)
        self.addCleanup(served.shutdown)
        self.driver = browser(live_folders=True)
        self.addCleanup(lambda: (self.driver.quit(), delattr(self, 'driver')))
        self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': '''
            window.showDirectoryPicker = async () =>
                (await navigator.storage.getDirectory()).getDirectoryHandle("sprawozdania", {create: true});'''})
        self.driver.get(f'http://127.0.0.1:{served.server_port}/{PAGE.name}')
        self.wait('return document.body.dataset.stan === "gotowy"')
        received = SAMPLES / 'odebrane'
        data = lambda name: base64.b64encode((received / name).read_bytes()).decode('ascii')
        put = 'await write(folder, arguments[0], arguments[1]);'
        for name in ('bak_inne_informacje.xml', 'kowalczyk_sprawozdanie_dyrektora.xml'):
            self.assertTrue(self.on_disk(put, name, data(name)))
        self.driver.find_element(By.ID, 'lista').click()
        self.settles_on('LISTA OTRZYMANYCH')
        self.assertIn('Kowalczyk Jerzy', self.shown_text())
        self.assertIn('Bąk Grzegorz', self.shown_text())
        self.assertNotIn('Stan folderu z chwili wybrania', self.shown_text())

        # The list follows the folder while shown: a report added, one removed.
        self.assertTrue(self.on_disk(put, 'lewandowska_z_karty.xml', data('lewandowska_z_karty.xml')))
        self.settles_on('Lewandowska Katarzyna')
        self.assertTrue(self.on_disk('await folder.removeEntry(arguments[0]);', 'bak_inne_informacje.xml'))
        self.wait(SHOWN_TEXT + 'return !text(document.getElementById("strona").contentDocument)?.includes("Bąk")')

        # A report corrected on the disk: Ponów reads it anew, and so does Back its list.
        self.click_in_frame('strona', '''const span = [...doc.querySelectorAll("span")].find(
                s => s.textContent.includes("Kowalczyk Jerzy"));
            const box = span.getBoundingClientRect();
            return [box.left + 5, box.top + box.height / 2];''')
        self.settles_on('SPRAWOZDANIE DYREKTORA')
        corrected = (received / 'kowalczyk_sprawozdanie_dyrektora.xml').read_bytes().replace(b'Kowalczyk Jerzy', b'Nowak Anna')
        self.assertTrue(self.on_disk(put, 'kowalczyk_sprawozdanie_dyrektora.xml', base64.b64encode(corrected).decode()))
        ActionChains(self.driver).send_keys(Keys.F5).perform()
        self.settles_on('Nowak Anna')
        self.assertTrue(self.js('return document.getElementById("zaslona").hidden'))
        self.assertTrue(self.on_disk(put, 'bak_program_wf.xml', data('bak_program_wf.xml')))
        ActionChains(self.driver).send_keys(Keys.BACKSPACE).perform()
        self.settles_on('Bąk Grzegorz')
        self.assertIn('Nowak Anna', self.shown_text())

        # The school pages too are of the folder as it is now.
        self.assertTrue(self.on_disk('await folder.removeEntry(arguments[0]);', 'bak_program_wf.xml'))
        self.driver.find_element(By.ID, 'sprawdz').click()
        self.settles_on('SPRAWDZENIE PLIKÓW')
        self.assertNotIn('bak_program_wf.xml', self.shown_text())
        self.assertIn('lewandowska_z_karty.xml', self.shown_text())

        # The next visit offers the folder again.
        self.driver.refresh()
        self.wait('return document.body.dataset.stan === "gotowy"')
        offered = self.wait('const b = document.getElementById("ostatni-folder"); return !b.hidden && b.textContent')
        self.assertEqual(offered, 'Pokaż ostatni folder: sprawozdania')
        self.driver.find_element(By.ID, 'ostatni-folder').click()
        self.settles_on('LISTA OTRZYMANYCH')
        self.assertIn('Lewandowska Katarzyna', self.shown_text())

    def test_hostile_report_runs_and_reaches_nothing(self):
        net_log = self.dir / 'net-log.json'
        with ConnectionCounter() as listener:
            # A browser of its own for this test, whose net log is complete once it has quit.
            self.driver = browser(f'--log-net-log={net_log}', '--net-log-capture-mode=Everything')
            try:
                self.reaches_nothing(listener.address)
            finally:
                self.driver.quit()
                del self.driver
        self.assertEqual(len(listener.accepted), 0)
        self.assertNotIn('ulnik-sonda', net_log.read_text(encoding='utf-8', errors='replace'))

    def reaches_nothing(self, at):
        report = self.write('wrogi.xml', hostile_report(at))
        self.driver.get(PAGE.as_uri())
        self.wait('return document.body.dataset.stan === "gotowy"')
        self.choose(report)
        self.shows(native(report)[0])
        for element in ('link', 'wyslij'):
            self.click_in_frame('strona', f'''const target = doc.getElementById("{element}");
                                              target.scrollIntoView();
                                              const box = target.getBoundingClientRect();
                                              return [box.left + 3, box.top + box.height / 2];''')
        ActionChains(self.driver).move_by_offset(5, 5).perform()  # links pointed at
        self.driver.execute_cdp_cmd('Page.printToPDF', {})
        self.driver.find_element(By.ID, 'kopiuj').click()
        time.sleep(1.5)
        self.shows(native(report)[0])
        self.assertEqual(self.driver.title, 'Ulnik – przeglądarka sprawozdań szkolnych')

    def test_browser_help_names_the_keys_the_page_handles(self):
        script = (SOURCE / 'web' / 'page' / 'ulnik.js').read_text(encoding='utf-8')
        handled = set()
        for modifiers, keys in (('Ctrl+', r'if \(ctrl && !event.shiftKey\) run = \{([^}]*)\}'),
                                ('Ctrl+Shift+', r'else if \(ctrl\) run = \{([^}]*)\}')):
            for entry in re.search(keys, script).group(1).split(','):
                handled.add(modifiers + entry.split(':')[0].strip().upper())
        for snippet, named in (("key === 'F5'", 'F5'), ("key === 'F1'", 'F1'), ("key === 'Backspace'", 'Backspace'),
                               ("event.altKey && !event.ctrlKey && key === 'ArrowLeft'", 'Alt+Strzałka w lewo'),
                               ("event.key === 'Escape'", 'Esc')):
            if snippet in script:
                handled.add(named)
        help_page = (SOURCE / 'pomoc' / 'przegladarka.htm').read_text(encoding='utf-8')
        table = re.search(r'<h2>Polecenia i klawisze</h2>.*?</table>', help_page, re.S).group(0)
        self.assertEqual(set(re.findall(r'<kbd>([^<]*)</kbd>', table)), handled)
        for desktop_only in ('Ctrl+W', 'Ctrl+M', 'Ctrl+Q', 'Ctrl+Shift+P'):
            self.assertNotIn(desktop_only, help_page)
        # F1 shows it, and every help page's menu leads to it.
        ActionChains(self.driver).send_keys(Keys.F1).perform()
        self.wait('return document.getElementById("strona-pomocy").contentDocument?.title === "Ulnik – w przeglądarce"')
        for page in (SOURCE / 'pomoc').glob('*.htm'):
            nav = re.search(r'<nav>.*?</nav>', page.read_text(encoding='utf-8'), re.S).group(0)
            self.assertIn('href="przegladarka.htm"', nav, page.name)

    def test_browser_keys_keep_the_page(self):
        report = SAMPLES / 'z_karty.xml'
        self.choose(report)
        self.shows(native(report)[0])
        # F5 with the help open is Ponów, not the browser's reload; Esc closes the help.
        self.js('window.notReloaded = true')
        self.driver.find_element(By.ID, 'pomoc').click()
        self.wait('return !!document.getElementById("strona-pomocy").contentDocument?.querySelector("h1")')
        ActionChains(self.driver).send_keys(Keys.F5).perform()
        self.shows(native(report)[0])
        self.assertTrue(self.js('return window.notReloaded === true'))
        self.driver.find_element(By.ID, 'pomoc').click()
        self.wait('return !!document.getElementById("strona-pomocy").contentDocument?.querySelector("h1")')
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.wait('return document.getElementById("okno-pomocy").hidden')

        # The browser's Back and Forward walk the pages shown: report, list, report from it.
        folder = SAMPLES / 'odebrane'
        self.driver.find_element(By.ID, 'folder').send_keys(str(folder))
        self.settles_on('LISTA OTRZYMANYCH')
        self.click_in_frame('strona', '''const span = [...doc.querySelectorAll("span")].find(
                s => s.textContent.includes("Kowalczyk Jerzy - Sprawozdanie dyrektora"));
            const box = span.getBoundingClientRect();
            return [box.left + 5, box.top + box.height / 2];''')
        entry = native(folder / 'kowalczyk_sprawozdanie_dyrektora.xml')[0]
        self.shows(entry)
        self.driver.back()
        self.settles_on('LISTA OTRZYMANYCH')
        self.driver.back()
        self.shows(native(report)[0])
        self.driver.forward()
        self.settles_on('LISTA OTRZYMANYCH')
        self.driver.forward()
        self.shows(entry)
        # Backspace back to the list, from the report reached by Forward.
        ActionChains(self.driver).send_keys(Keys.BACKSPACE).perform()
        self.settles_on('LISTA OTRZYMANYCH')
        self.assertTrue(self.js('return window.notReloaded === true'))

    def test_help_pages(self):
        self.driver.find_element(By.ID, 'pomoc').click()
        self.wait('return !!document.getElementById("strona-pomocy").contentDocument.querySelector("h1")')
        self.click_in_frame('strona-pomocy', '''const link = doc.querySelector('a[href="przegladarka.htm"]');
                                                 link.scrollIntoView();
                                                 const box = link.getBoundingClientRect();
                                                 return [box.left + 3, box.top + box.height / 2];''')
        self.wait('return !!document.getElementById("strona-pomocy").contentDocument?.body?.textContent.includes("Firefox")')
        ActionChains(self.driver).send_keys(Keys.ESCAPE).perform()
        self.wait('return document.getElementById("okno-pomocy").hidden')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1] + sys.argv[4:])
