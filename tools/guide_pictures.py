#!/usr/bin/env python3
"""Writes the user guide with its pictures inside, so that the one HTML file
reads offline: each src="NAME.png" of the guide becomes a data: URI holding
the PNG file NAME.png beside the guide. The same guide and pictures give the
same bytes. A picture that is missing is an error.

Usage: guide_pictures.py GUIDE.html OUTPUT.html
"""
import base64
import os
import re
import sys


def inline(guide_path):
    folder = os.path.dirname(guide_path)
    with open(guide_path, encoding='utf-8') as f:
        text = f.read()

    def data_uri(match):
        with open(os.path.join(folder, match.group(1)), 'rb') as picture:
            return 'src="data:image/png;base64,' + base64.b64encode(picture.read()).decode('ascii') + '"'

    return re.sub(r'src="([A-Za-z0-9_-]+\.png)"', data_uri, text)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        text = inline(sys.argv[1])
    except OSError as error:
        sys.exit('guide_pictures.py: %s: %s' % (error.filename, error.strerror))
    with open(sys.argv[2], 'w', encoding='utf-8', newline='') as f:
        f.write(text)


if __name__ == '__main__':
    main()
