#!/usr/bin/env bash
# Grabs the four pages (step-one .. step-four, each after its "Go"), the help window, the live
# view (at 4 generations a second, paused with its offspring, finished) and the Repeat window as
# a class sees them: at 100%, 200% and full screen on a 1920 x 1080 screen and at 100% on a
# 1024 x 768 one, under a private X server with a window manager (../shared/tools/screen.sh).
# The pictures go to the folder given (docs/ by default), named SCENE-SIZE-ZOOM.png; look at
# every one before committing them.
#
#   bash scripts/screenshots.sh [FOLDER] [PHRASE]
#
# LANGUAGE=de (or fr, es, pt_BR) shows the program in that language and adds it to each name.
# SCENES=pages takes only the pages and the help window, in seconds rather than minutes.
# SIZES="1920x1080-100 1024x768-100" takes only the runs named (of 1920x1080-100, 1920x1080-200,
# 1920x1080-full-screen and 1024x768-100).
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p "${1:-docs}"
out=$(realpath "${1:-docs}")
phrase=${2:-METHINKS IT IS LIKE A WEASEL}
screen=../shared/tools/screen.sh
export SCREEN_STATE=${SCREEN_STATE:-/tmp/quarrow-screenshots}
cmake --build build/release --target quarrow_screen_tour >/dev/null
home=$(mktemp -d)
trap 'rm -rf "$home"; bash "$screen" stop >/dev/null 2>&1 || true' EXIT

sizes=${SIZES:-1920x1080-100 1920x1080-200 1920x1080-full-screen 1024x768-100}
for wanted in $sizes; do
  case $wanted in
    1920x1080-100 | 1920x1080-200 | 1920x1080-full-screen | 1024x768-100) ;;
    *) echo "no such run: $wanted" >&2 && exit 2 ;;
  esac
done
scenes=()
case ${SCENES:-all} in
  all) ;;
  pages) scenes=(--pages-only) ;;
  *) echo "SCENES is all or pages" >&2 && exit 2 ;;
esac

shoot() { # SIZE NAME TOUR-OPTIONS...
  local size=$1 name=$2
  shift 2
  [[ " $sizes " == *" $name "* ]] || return 0
  bash "$screen" stop >/dev/null 2>&1 || true
  eval "$(bash "$screen" start "$size")"
  HOME=$home XDG_DATA_HOME=$home/share timeout 900 \
    ./build/release/tests/ui/quarrow_screen_tour "$out" "$name${LANGUAGE:+-$LANGUAGE}" "$phrase" \
    ${LANGUAGE:+--language "$LANGUAGE"} "${scenes[@]}" "$@"
}

shoot 1920x1080 1920x1080-100
shoot 1920x1080 1920x1080-200 --zoom-steps 3
shoot 1920x1080 1920x1080-full-screen --full-screen
shoot 1024x768 1024x768-100
