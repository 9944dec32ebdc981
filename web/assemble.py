#!/usr/bin/env python3
"""Makes ulnik.html: one file that holds everything the page needs, so that it opens from a
disk or a mail attachment with no network and nothing beside it.

    assemble.py OUT --template T --style CSS --script JS --core-js GLUE --core-wasm WASM
                --pictures DIR --help DIR

The WebAssembly module goes in gzipped (the page inflates it with DecompressionStream), the
skin pictures as data: URLs, the help pages (each with its style sheet inlined) as JSON. The
page's Content-Security-Policy names its two scripts by their hashes, so that nothing else,
a copy of a report's markup included, can run in it.
"""
import argparse
import base64
import gzip
import hashlib
import json
import pathlib
import re


def data_url(path):
    return 'url("data:image/jpeg;base64,' + base64.b64encode(path.read_bytes()).decode('ascii') + '")'


def picture(folder, name):
    """A skin picture as CSS: with its double-size drawing beside it, for screens that scale
    (Windows laptops commonly run at 125 to 200 %), an image-set of both. Prefixed, as every
    Chrome and Edge reads it: the plain image-set() needs Chrome 113, and Chrome 109 is the
    last for Windows 7."""
    plain = data_url(folder / (name + '.jpg'))
    double = folder / (name + '@2x.jpg')
    return f'-webkit-image-set({plain} 1x, {data_url(double)} 2x)' if double.exists() else plain


def pictures_in(css, folder):
    return re.sub(r'@PICTURE:(\w+)@', lambda m: picture(folder, m.group(1)), css)


def help_pages(folder):
    style = (folder / 'style.css').read_text(encoding='utf-8')
    pages = {}
    for page in sorted(folder.glob('*.htm')):
        html = page.read_text(encoding='utf-8')
        pages[page.name] = html.replace('<link rel="stylesheet" href="style.css">', '<style>\n' + style + '</style>')
    # Kept inside its script element: no "</" may end it early.
    return json.dumps(pages, ensure_ascii=False).replace('</', '<\\/')


def inline_script(text):
    if re.search(r'</script', text, re.IGNORECASE):
        raise SystemExit('a script holds "</script": it would end its element early')
    return text


def script_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode('utf-8')).digest()).decode('ascii') + "'"


def policy(scripts):
    # Every fetch directive falls back to default-src; the others are named. Styles may be
    # inline because report pages carry theirs; they can load nothing, as images come only
    # from data: URLs and fonts from nowhere.
    return '; '.join([
        "default-src 'none'",
        'script-src ' + ' '.join(script_hash(s) for s in scripts) + " 'wasm-unsafe-eval'",
        "style-src 'unsafe-inline'",
        'img-src data:',
        "frame-src 'none'",
        "form-action 'none'",
        "base-uri 'none'",
    ])


def main():
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument('out', type=pathlib.Path)
    for option in ('template', 'style', 'core-js', 'core-wasm', 'pictures', 'help'):
        parser.add_argument('--' + option, type=pathlib.Path, required=True)
    # The page's own scripts, in order, become one: each file holds one part of the page.
    parser.add_argument('--script', type=pathlib.Path, action='append', required=True)
    args = parser.parse_args()

    core = inline_script(args.core_js.read_text(encoding='utf-8'))
    page = inline_script('\n'.join(script.read_text(encoding='utf-8') for script in args.script))
    module = base64.b64encode(gzip.compress(args.core_wasm.read_bytes(), compresslevel=9, mtime=0)).decode('ascii')
    parts = {
        'CSP': policy([core, page]),
        'STYLE': pictures_in(args.style.read_text(encoding='utf-8'), args.pictures),
        'HELP': help_pages(args.help),
        'MODULE': module,
        'CORE': core,
        'PAGE': page,
    }
    html = re.sub(r'@(CSP|STYLE|HELP|MODULE|CORE|PAGE)@', lambda m: parts[m.group(1)],
                  args.template.read_text(encoding='utf-8'))
    args.out.parent.mkdir(parents=True, exist_ok=True)
    args.out.write_text(html, encoding='utf-8')


if __name__ == '__main__':
    main()
