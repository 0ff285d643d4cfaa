#!/usr/bin/python3
"""Puts the licences into the web build OUT: Metria's own (LICENSE.txt); the IPA Font License beside
the faces it governs, taken from Debian's font packages so that it is the very text the originals
came with; the faces' README (where the originals come from, how the faces are made, how to use the
originals instead); and licence.html, which shows both licences.
   tools/web_licences.py ROOT OUT SUBSET_OPTION..."""
import html
import pathlib
import re
import shlex
import sys

COPYRIGHT_FILES = ('/usr/share/doc/fonts-ipafont-mincho/copyright',
                   '/usr/share/doc/fonts-ipafont-gothic/copyright')
LICENCE_FILE = 'IPA_Font_License_Agreement_v1.0.txt'
JAPANESE_TITLE = 'IPAフォントライセンスv1.0'
ENGLISH_TITLE = 'IPA Font License Agreement v1.0'


def fonts_copyright():
    """The upstream Source and the IPA-1 licence text of Debian's machine-readable copyright file."""
    found = [pathlib.Path(path) for path in COPYRIGHT_FILES if pathlib.Path(path).is_file()]
    if not found:
        sys.exit('web_licences.py: no copyright file of fonts-ipafont-mincho / fonts-ipafont-gothic')
    source, licence = None, None
    for paragraph in re.split(r'\n[ \t]*\n', found[0].read_text(encoding='utf-8')):
        lines = paragraph.splitlines()
        source = source or next((line.split(':', 1)[1].strip() for line in lines
                                 if line.startswith('Source:')), None)
        # The stand-alone License paragraph holds the text; the Files paragraph only names it.
        if len(lines) > 1 and lines[0].strip() == 'License: IPA-1':
            licence = '\n'.join('' if line.strip() == '.' else line[1:] for line in lines[1:])
    if not source or not licence or JAPANESE_TITLE not in licence or ENGLISH_TITLE not in licence:
        sys.exit(f'web_licences.py: no IPA Font License v1.0 in {found[0]}')
    return source, licence.rstrip() + '\n'


def fill(template, values):
    for key, value in values.items():
        template = template.replace('@' + key + '@', value)
    return template


def main(root, out, subset_options):
    root, out = pathlib.Path(root), pathlib.Path(out)
    source, licence = fonts_copyright()
    mit = (root / 'LICENSE').read_text(encoding='utf-8')
    (out / 'LICENSE.txt').write_text(mit, encoding='utf-8')
    (out / 'fonts' / LICENCE_FILE).write_text(licence, encoding='utf-8')
    readme = (root / 'web/fonts/README.txt').read_text(encoding='utf-8')
    (out / 'fonts/README.txt').write_text(
        fill(readme, {'SOURCE': source, 'SUBSET_OPTIONS': shlex.join(subset_options)}), encoding='utf-8')
    english = licence.index('\n' + ENGLISH_TITLE)
    page = (root / 'web/licence.html').read_text(encoding='utf-8')
    (out / 'licence.html').write_text(fill(page, {
        'METRIA_LICENCE': html.escape(mit.rstrip(), quote=False),
        'IPA_LICENCE_JA': html.escape(licence[:english].rstrip(), quote=False),
        'IPA_LICENCE_EN': html.escape(licence[english:].strip(), quote=False),
        'SOURCE': html.escape(source)}), encoding='utf-8')


if __name__ == '__main__':
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
