#!/usr/bin/env bash
# Collects every text the window, the views, the charts and the help titles show into the one
# source catalogue, i18n/quarrow_en.ts, keeping the translations it already holds (the English
# plural forms). Run it after adding or changing a shown text, then fill any new plural message's
# two English forms (the catalogue test names those left empty).
#
#   bash scripts/catalogue.sh [CATALOGUE]
#   bash scripts/catalogue.sh --all
#   bash scripts/catalogue.sh --new LANGUAGE
#
# With a path it updates that copy instead; the catalogue test updates a copy of the checked-in
# catalogue this way and compares the two. With --all it updates the English catalogue and then
# every other shipped language's (QUARROW_LANGUAGES in CMakeLists.txt) from the same sources,
# keeping their translations: a new text shows up there unfinished, and the translations test
# names it until it is translated; a text gone from the sources goes from them too. --new starts
# the catalogue of a language being added, every message unfinished.
# LUPDATE names the lupdate to run; by default Qt 6's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=one
case "${1:-}" in
  --all) mode=all ;;
  --new)
    mode=new
    new_language=${2:?"--new needs a language code, such as it or pt_BR"}
    ;;
esac
if [ "$mode" = one ]; then
  catalogue=$(realpath -m "${1:-$root/i18n/quarrow_en.ts}")
fi

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
# Collects the texts into one language's catalogue ($2), keeping what it already holds.
collect() {
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui \
    -I "$root" -tr-function-alias QT_TRANSLATE_NOOP+=QUARROW_TRANSLATABLE,QT_TRANSLATE_N_NOOP+=QUARROW_TRANSLATABLE_PLURAL \
    -source-language en -target-language "$1" \
    plot ui engine/scheme.h platform/learner_numbers.cpp analysis/distribution_figures.cpp web/bindings/page_texts.h -ts "$2"
}

case "$mode" in
  one) collect en "$catalogue" ;;
  new)
    target="$root/i18n/quarrow_$new_language.ts"
    if [ -e "$target" ]; then
      echo "$target exists already; --all updates it" >&2
      exit 1
    fi
    collect "$new_language" "$target"
    echo "Started $target; add $new_language to QUARROW_LANGUAGES in CMakeLists.txt"
    ;;
  all)
    collect en "$root/i18n/quarrow_en.ts"
    languages=$(sed -n 's/^set(QUARROW_LANGUAGES \(.*\))$/\1/p' "$root/CMakeLists.txt")
    for language in $languages; do
      [ "$language" = en ] && continue
      target="$root/i18n/quarrow_$language.ts"
      if [ -e "$target" ]; then
        collect "$language" "$target"
      else
        echo "i18n/quarrow_$language.ts is not in the tree (bash scripts/catalogue.sh --new $language starts it)" >&2
      fi
    done
    ;;
esac
