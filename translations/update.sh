#!/usr/bin/env bash
# Brings the Qt Linguist sources up to date with the texts of the window, its dialogs and the
# library sentences it shows: new texts come in unfinished, texts gone are dropped. Translate
# them with Qt Linguist (linguist translations/tallvane_el.ts) or any .ts editor; the build
# compiles and embeds them, and tst_translations fails on an unfinished entry.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -locations relative -no-obsolete -extensions cpp,h,ui \
    app base storage journal users records link logo reports \
    -ts translations/tallvane_el.ts translations/tallvane_he.ts translations/tallvane_ar.ts translations/tallvane_th.ts
