#!/usr/bin/python3
"""Gives a face subset from an IPA font a name of its own in every name record, and fails if any
record still holds a name of the original: the IPA Font License lets a derived face be passed on
only under a name that neither is nor contains the original's.
   tools/rename_web_face.py ORIGINAL.ttf FACE.woff2 'Metria Mincho'"""
import sys

from fontTools.ttLib import TTFont

# Family, full, PostScript and typographic names: the names a face is known by (the unique name
# also holds the version, which a renamed face keeps).
NAME_IDS = (1, 4, 6, 16, 17, 21, 22)
LICENCE_NOTE = ('A subset of an IPA font, passed on under the IPA Font License Agreement v1.0 '
                '(IPA_Font_License_Agreement_v1.0.txt beside this face) under a name of its own.')


def names_of(face):
    return {record.toUnicode() for record in face['name'].names if record.nameID in NAME_IDS}


def main(original_path, face_path, family):
    originals = names_of(TTFont(original_path))
    face = TTFont(face_path, recalcTimestamp=False)  # the same build, the same cache name
    table = face['name']
    postscript = family.replace(' ', '')
    version = table.getDebugName(5) or ''
    new = {1: family, 3: f'{postscript} {version}'.strip(), 4: family, 6: postscript}
    for record in table.names:
        if record.nameID in new:
            record.string = new[record.nameID]
    table.setName(LICENCE_NOTE, 13, 3, 1, 0x409)
    left = [(record.nameID, record.toUnicode()) for record in table.names
            if any(name.lower() in record.toUnicode().lower() for name in originals)]
    if left:
        sys.exit(f'rename_web_face.py: {face_path} still holds the original name in {left}')
    face.save(face_path)


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
