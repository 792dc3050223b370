#!/usr/bin/env bash
# Builds the browser site into build/web/site, a folder of static files that any web server can
# serve as it is:
#   index.html, quarrow.css, the icon          from web/static/
#   js/*.js                                    the page, compiled from web/page/*.ts
#   js/generated/layout.js, texts.js           the window's layout and the catalogue's texts
#   engine/quarrow-engine.mjs, .wasm           the engine, compiled to WebAssembly
#   help/*.html                                the help pages the window shows
#   help/<language>/*.html                     the same in each shipped language
#   manifest.webmanifest, icons/*.png          what installs the page as an app
#   service-worker.js, site-version.js         the cache that keeps the site for offline use
# Installs the packages that are missing first (scripts/setup.sh --web).
#
#   bash scripts/web-build.sh
set -euo pipefail
cd "$(dirname "$0")/.."

wasm=build/web/wasm
site=build/web/site

bash scripts/setup.sh --web

# Everything the steps below read, so that a missing piece is named before anything is built.
missing=()
grep -q '"name": *"web"' CMakePresets.json || missing+=("the CMake preset 'web' in CMakePresets.json")
for file in web/CMakeLists.txt web/package.json web/package-lock.json web/tsconfig.json \
  web/tools/ui_layout.py web/tools/catalogue.py web/tools/site_version.mjs web/static/index.html \
  web/tsconfig.sw.json web/icons/icon-maskable.svg \
  ui/window/quarrow.ui i18n/quarrow_en.ts ui/help/pages/contents.html; do
  [ -e "$file" ] || missing+=("$file")
done
compgen -G 'web/page/*.ts' >/dev/null || missing+=("web/page/*.ts")
if [ "${#missing[@]}" -gt 0 ]; then
  echo "web-build: cannot build the site, missing:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

echo "web-build: the engine (emscripten)"
# emscripten runs its JavaScript tools with the system's node and Debian's node-acorn, which
# lives in /usr/share/nodejs: Debian's node looks there by itself, a node from elsewhere does
# not.
engine_env=(env "NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}")
"${engine_env[@]}" emcmake cmake --preset web >/dev/null
"${engine_env[@]}" cmake --build "$wasm"
engine_js=$(find "$wasm" -name quarrow-engine.mjs -not -path '*/CMakeFiles/*' | head -n 1)
if [ -z "$engine_js" ] || [ ! -f "${engine_js%.mjs}.wasm" ]; then
  echo "web-build: the build made no quarrow-engine.mjs with its quarrow-engine.wasm in $wasm" >&2
  exit 1
fi

# npm ci starts from an empty node_modules each time; skip it while node_modules was installed
# from this very lockfile with this very npm.
lock_stamp="$(sha256sum web/package-lock.json | cut -d' ' -f1) npm $(npm --version)"
if [ "$(cat web/node_modules/.installed-from 2>/dev/null)" != "$lock_stamp" ]; then
  echo "web-build: the build and test tools (npm ci)"
  (cd web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
  echo "$lock_stamp" >web/node_modules/.installed-from
fi

# A fresh folder each time, so that nothing removed from the sources lingers in the site.
rm -rf "$site"
# The tests load the site's modules under Node too, which reads a .js file as a module only
# where the nearest package.json says so (Node 18 does not guess); this one sits above the site,
# which ships no such file.
mkdir -p "$(dirname "$site")"
printf '{ "type": "module" }\n' >"$(dirname "$site")/package.json"
# The WebAssembly probe beside it is a CommonJS script that node runs for the probe test; that
# file would make node read it as a module, so its own folder says otherwise.
printf '{ "type": "commonjs" }\n' >"$wasm/package.json"
mkdir -p "$site/js/generated" "$site/engine" "$site/help"

echo "web-build: the page (tsc)"
tsc=web/node_modules/.bin/tsc
"$tsc" -p web/tsconfig.json
if [ -f web/page/engine-worker.ts ]; then
  "$tsc" -p web/tsconfig.worker.json
fi
"$tsc" -p web/tsconfig.sw.json

echo "web-build: the layout and the texts"
python3 web/tools/ui_layout.py --repo . "$site/js/generated/layout.js"
python3 web/tools/catalogue.py --repo . "$site/js/generated/texts.js"

cp -R web/static/. "$site/"
cp ui/help/pages/*.html "$site/help/"
# Each shipped language's help pages beside the English ones, in help/<language>/.
for help_dir in ui/help/pages/*/; do
  language=$(basename "$help_dir")
  mkdir -p "$site/help/$language"
  cp "$help_dir"*.html "$site/help/$language/"
done
cp "$engine_js" "${engine_js%.mjs}.wasm" "$site/engine/"
# The one library the page ships: the chart library, as an ES module beside the page's own, and
# its style sheet. web/page/vendor/uplot.d.ts gives the page its types.
mkdir -p "$site/js/vendor"
cp web/node_modules/uplot/dist/uPlot.esm.js "$site/js/vendor/uplot.js"
cp web/node_modules/uplot/dist/uPlot.min.css "$site/uplot.css"
cp web/node_modules/uplot/LICENSE "$site/js/vendor/uplot.LICENSE.txt"

echo "web-build: the app's icons and the site's version"
# The installed app's icons, drawn from the site's own; the maskable one fills its square for
# launchers that cut icons to a shape.
mkdir -p "$site/icons"
for size in 192 512; do
  rsvg-convert -w "$size" -h "$size" web/static/icon.svg -o "$site/icons/icon-$size.png"
done
rsvg-convert -w 512 -h 512 web/icons/icon-maskable.svg -o "$site/icons/icon-maskable-512.png"
# Last, once every other file is in the site: its version names the service worker's cache.
node web/tools/site_version.mjs "$site"

echo "web-build: the site is in $site"
