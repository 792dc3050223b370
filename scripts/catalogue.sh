#!/usr/bin/env bash
# Collects every text the window, the views, the charts and the help titles show into the one
# source catalogue, i18n/quarrow_en.ts, keeping the translations it already holds (the English
# plural forms). Run it after adding or changing a shown text, then fill any new plural message's
# two English forms (the catalogue test names those left empty).
#
#   bash scripts/catalogue.sh [CATALOGUE]
#
# With a path it updates that copy instead; the catalogue test updates a copy of the checked-in
# catalogue this way and compares the two. LUPDATE names the lupdate to run; by default Qt 6's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
catalogue=$(realpath -m "${1:-$root/i18n/quarrow_en.ts}")

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
  for candidate in "$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || true)/lupdate" \
    /usr/lib/qt6/bin/lupdate; do
    if [ -x "$candidate" ]; then
      lupdate=$candidate
      break
    fi
  done
fi
if [ -z "$lupdate" ] || [ ! -x "$lupdate" ]; then
  echo "lupdate not found: install qt6-l10n-tools (bash scripts/setup.sh) or set LUPDATE" >&2
  exit 1
fi

# The texts live in plot/ and ui/ (the window's form included); below them only the scheme
# captions, marked where they are written (platform/translatable.h) and translated where they
# are shown. No line numbers: a catalogue that changes with every edit of a file would
# never be up to date.
cd "$root"
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui \
  -I "$root" -tr-function-alias QT_TRANSLATE_NOOP+=QUARROW_TRANSLATABLE,QT_TRANSLATE_N_NOOP+=QUARROW_TRANSLATABLE_PLURAL \
  -source-language en -target-language en \
  plot ui engine/scheme.h platform/learner_numbers.cpp analysis/distribution_figures.cpp web/bindings/page_texts.h -ts "$catalogue"
