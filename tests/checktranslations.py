#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails, naming each one, when a text of the sources has no finished
translation in a .ts file, or a .ts file keeps a text the sources lost.

checktranslations.py LUPDATE --sources DIR... --ts FILE...

lupdate runs on copies, so the files in the repository are left alone."""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def problems(ts_path, shown_name):
    found = []
    for context in ET.parse(ts_path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            kind = translation.get('type') if translation is not None else 'unfinished'
            forms = [f.text for f in translation.iter('numerusform')] if translation is not None else []
            empty = translation is None or (not forms and not translation.text) or (forms and not all(forms))
            if kind in ('obsolete', 'vanished'):
                what = 'vanished'
            elif kind == 'unfinished' or empty:
                what = 'unfinished'
            else:
                continue
            found.append('%s: %s: %s: "%s"' % (shown_name, what, name, message.findtext('source')))
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('lupdate')
    parser.add_argument('--sources', nargs='+', required=True)
    parser.add_argument('--ts', nargs='+', required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for ts in args.ts:
            copies.append(os.path.join(work, os.path.basename(ts)))
            shutil.copyfile(ts, copies[-1])
        run = subprocess.run([args.lupdate, '-I', '.', '-locations', 'none'] + args.sources + ['-ts'] + copies,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, universal_newlines=True)
        if run.returncode != 0:
            print(run.stdout)
            print('lupdate failed with exit code %d' % run.returncode)
            return 1
        found = []
        for ts, copy in zip(args.ts, copies):
            found += problems(copy, os.path.basename(ts))
    for line in found:
        print(line)
    if found:
        print('%d texts without a finished translation or no longer in the sources: '
              'run `make translations`, translate them (Qt Linguist), and remove the vanished ones '
              '(`make translations PRUNE=1`)' % len(found))
        return 1
    print('every text translated in %s' % ', '.join(os.path.basename(ts) for ts in args.ts))
    return 0


if __name__ == '__main__':
    sys.exit(main())
