"""What the page's tests in Chromium and in Firefox both use: the native tool's pages to hold the
shown ones to, the reports given to the page, a hostile report's markup, and a listener that
counts the connections it is offered."""
import os
import re
import socket
import subprocess
import threading

LOCALE = dict(os.environ, LC_ALL='pl_PL.UTF-8')
# The list is stamped with the moment it was made, and a snapshot folder's pages with the moment
# it was chosen: the comparisons keep the form, not the time.
STAMP = re.compile(r'Stan na: [^<\n]*|Stan folderu z chwili wybrania: [\d.]+, [\d:]+')
# The text a document shows: its body's, less what is never shown as text.
SHOWN_TEXT = '''const text = (doc) => { if (!doc || !doc.body) return null;
    const body = doc.body.cloneNode(true);
    body.querySelectorAll("script, style, noscript, template").forEach((e) => e.remove());
    return body.textContent; };'''


def run_native(tool, *args):
    """The native tool's page (bytes) and its standard error (text)."""
    done = subprocess.run([str(tool)] + [str(a) for a in args], env=LOCALE, capture_output=True, timeout=60)
    return done.stdout, done.stderr.decode('utf-8')


def long_report(lines, value=lambda i: f'Wiersz numer {i} sprawozdania o udziale uczniow w konkursach.'):
    rows = ''.join(f'<w{i}>{value(i)}</w{i}>\r\n' for i in range(lines))
    return ('<?xml version="1.0" encoding="windows-1250"?>\r\n<Szkola>\r\n<Doc>Inne informacje</Doc>\r\n'
            '<Date>2026-01-22</Date>\r\n<Belfer>Sikora Pawel</Belfer>\r\n<Dotyczy>Dlugie sprawozdanie</Dotyczy>\r\n'
            f'<Info>\r\n<IloscWierszy>{lines}</IloscWierszy>\r\n{rows}</Info>\r\n</Szkola>\r\n').encode('cp1250')


# A host that must not even be looked up, beside the listener's own address.
NAMED_HOST = 'http://ulnik-sonda.test'


def hostile_report(at):
    """A report whose lines are markup that would reach `at` and NAMED_HOST every way a page can:
    loads, preloads, preconnects, frames, styles, SVG, scripts, refreshes, forms and links. The
    element #link is a link and #wyslij a form's button, for the tests to click."""
    markup = []
    for host in (at, NAMED_HOST):
        markup += [
            f'<img src="{host}/img"><img srcset="{host}/srcset 1x"><input type="image" src="{host}/input">',
            f'<link rel="stylesheet" href="{host}/css"><link rel="prefetch" href="{host}/prefetch">',
            f'<link rel="preconnect" href="{host}/"><link rel="dns-prefetch" href="{host}/">',
            f'<link rel="preload" as="image" href="{host}/preload"><link rel="modulepreload" href="{host}/m">',
            f'<style>@import url({host}/import); body {{ background: url({host}/bg) }}</style>',
            f'<div style="background-image: url({host}/style)">tło</div><svg><image href="{host}/svg"/></svg>',
            f'<svg><use xlink:href="{host}/use#a"/><rect fill="url({host}/fill#p)" width="5" height="5"/></svg>',
            f'<script src="{host}/script"></script><script>fetch("{host}/fetch"); document.title = "x"</script>',
            f'<img src="x" onerror="fetch(\'{host}/onerror\')"><iframe src="{host}/iframe"></iframe>',
            f'<object data="{host}/object"></object><embed src="{host}/embed"><video src="{host}/video" autoplay></video>',
            f'<meta http-equiv="refresh" content="0;url={host}/refresh"><base href="{host}/base/"><img src="rel.png">',
            f'<form action="{host}/form" method="post"><button id="wyslij">Wyślij</button></form>',
            f'<a id="link" href="{host}/link">odnośnik</a><a href="{host}/ping" ping="{host}/ping">drugi</a>',
            f'<noscript><link rel="preconnect" href="{host}/"></noscript><template><img src="{host}/t"></template>',
            f'<frameset><frame src="{host}/frame"></frameset><portal src="{host}/portal"></portal>',
        ]
    escaped = [m.replace('&', '&amp;').replace('<', '&lt;').replace('>', '&gt;') for m in markup]
    return long_report(len(escaped), lambda i: escaped[i])


class ConnectionCounter:
    """A listener on 127.0.0.1 that counts the connections it accepts while it is entered:
    connections, not requests, as a preconnect or a refused frame's connection sends no byte."""

    def __enter__(self):
        self.accepted = []
        self._listener = socket.create_server(('127.0.0.1', 0))
        self._listener.settimeout(0.2)
        self._listening = threading.Event()
        self._listening.set()
        self._thread = threading.Thread(target=self._accept, daemon=True)
        self._thread.start()
        return self

    @property
    def address(self):
        return f'http://127.0.0.1:{self._listener.getsockname()[1]}'

    def _accept(self):
        while self._listening.is_set():
            try:
                connection, _ = self._listener.accept()
            except (TimeoutError, OSError):
                continue
            self.accepted.append(connection)

    def __exit__(self, *failure):
        self._listening.clear()
        self._thread.join()
        self._listener.close()
        for connection in self.accepted:
            connection.close()
