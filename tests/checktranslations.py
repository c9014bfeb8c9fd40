#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# checktranslations.py LUPDATE SOURCE... -ts FILE...
# Fails, naming each one, when a text of the sources has no finished
# translation in a .ts file or a file keeps a text the sources lost. lupdate
# runs on copies: the repository's files are left alone.
import os, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

lupdate, args = sys.argv[1], sys.argv[2:]
sources, files = args[:args.index('-ts')], args[args.index('-ts') + 1:]
found = []
with tempfile.TemporaryDirectory() as work:
    copies = [shutil.copy(f, work) for f in files]
    subprocess.run([lupdate, '-silent', '-I', '.', '-locations', 'none'] + sources + ['-ts'] + copies, check=True)
    for copy in copies:
        for context in ET.parse(copy).getroot().iter('context'):
            for message in context.iter('message'):
                translation = message.find('translation')
                kind = translation.get('type')
                forms = [f.text for f in translation.iter('numerusform')] or [translation.text]
                if kind in ('obsolete', 'vanished'):
                    what = 'vanished'
                elif kind == 'unfinished' or not all(forms):
                    what = 'unfinished'
                else:
                    continue
                found.append('%s: %s: %s: "%s"' % (os.path.basename(copy), what, context.findtext('name'),
                                                  message.findtext('source')))
for line in found:
    print(line)
if found:
    sys.exit('%d texts unfinished or gone: run `make translations`, translate them, then '
             '`make translations PRUNE=1` drops the gone ones' % len(found))
print('every text translated in', ', '.join(map(os.path.basename, files)))
