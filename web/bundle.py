#!/usr/bin/env python3
"""Makes the browser edition's one self-contained page: the page, its styles and script, the
program (its wasm inside, as Emscripten's single-file output) and the artwork as data URIs."""
import argparse
import base64
import json
import pathlib
import struct

# Resource number -> the artwork's file name.
ART = {128: 'icon128-32', 129: 'bitmap129', 130: 'bitmap130', 131: 'bitmap131', 132: 'bitmap132'}
# Drawn at twice the size where no "@2x" file of its own exists.
DOUBLE_FALLBACK = {'icon128-32': 'icon-64'}


def data_uri(path):
    return 'data:image/png;base64,' + base64.b64encode(path.read_bytes()).decode()


def png_size(path):
    width, height = struct.unpack('>II', path.read_bytes()[16:24])
    return width, height


def artwork(folder):
    art = {}
    for number, name in ART.items():
        single = folder / f'{name}.png'
        double = folder / f'{name}@2x.png'
        if not double.exists():
            double = folder / f'{DOUBLE_FALLBACK.get(name, name + "@2x")}.png'
        width, height = png_size(single)
        art[number] = {'x1': data_uri(single), 'x2': data_uri(double) if double.exists() else None,
                       'width': width, 'height': height}
    return art


def script(text):
    # Nothing inside a script element may close it early.
    return text.replace('</script', '<\\/script')


def main():
    parser = argparse.ArgumentParser()
    for option in ('--page', '--art', '--program', '--out', '--version'):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    page, art = pathlib.Path(args.page), pathlib.Path(args.art)
    parts = {
        'version': args.version,
        'icon': data_uri(art / 'icon128-32.png'),
        'style': (page / 'page.css').read_text(),
        'art': json.dumps(artwork(art), separators=(',', ':')),
        'page': script((page / 'page.js').read_text()),
        'program': script(pathlib.Path(args.program).read_text()),
    }
    html = (page / 'page.html').read_text()
    for name, text in parts.items():
        html = html.replace('{{' + name + '}}', text)
    pathlib.Path(args.out).write_text(html)


if __name__ == '__main__':
    main()
