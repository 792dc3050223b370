#!/usr/bin/env bash
# A look at the page before the whole site is built: the window, its help and dialogs, without
# the engine.
#
#   bash web/tools/preview.sh [OUT_DIR]        # builds the site into OUT_DIR (a temp folder by
#                                              # default), serves it, takes screenshots
#   PREVIEW_PAGE='?x' bash web/tools/preview.sh  # adds a query to the page's address
#   PREVIEW_KEEP=1 ...                           # leaves the server running (its pid is printed)
#
# TypeScript comes from web/node_modules (npm ci in web/), else $TSC, else `npx -y -p
# typescript@5.4 tsc`. Screenshots are taken with /usr/bin/chromium at 1280x800, 1920x1080 and
# 1024x768 and written to OUT_DIR/shots/.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$(mktemp -d -t quarrow-preview.XXXXXX)}
site=$out/site
mkdir -p "$site/js/generated" "$site/help" "$out/shots"

tsc_command() {
  if [ -x "$repo/web/node_modules/.bin/tsc" ]; then
    echo "$repo/web/node_modules/.bin/tsc"
  elif [ -n "${TSC:-}" ]; then
    echo "$TSC"
  else
    echo "npx -y -p typescript@5.4 tsc"
  fi
}

# The compiler settings of the site's build, for the page's files only.
cat >"$out/tsconfig.json" <<EOF
{
  "compilerOptions": {
    "target": "ES2020",
    "module": "ES2020",
    "moduleResolution": "bundler",
    "lib": ["ES2020", "DOM", "DOM.Iterable"],
    "strict": true,
    "noUnusedLocals": true,
    "noUnusedParameters": true,
    "noImplicitReturns": true,
    "skipLibCheck": true,
    "rootDir": "$repo/web/page",
    "outDir": "$site/js"
  },
  "include": ["$repo/web/page/**/*.ts"]
}
EOF
$(tsc_command) -p "$out/tsconfig.json"
python3 "$repo/web/tools/ui_layout.py" --repo "$repo" "$site/js/generated/layout.js"
python3 "$repo/web/tools/catalogue.py" --repo "$repo" "$site/js/generated/texts.js"
cp "$repo"/web/static/* "$site/"
cp "$repo"/ui/help/pages/*.html "$site/help/"

port=${PREVIEW_PORT:-$((20000 + RANDOM % 20000))}
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >"$out/server.log" 2>&1 &
server=$!
if [ -z "${PREVIEW_KEEP:-}" ]; then
  trap 'kill "$server" 2>/dev/null || true' EXIT
fi
for _ in $(seq 50); do
  curl -sf "http://127.0.0.1:$port/index.html" >/dev/null && break
  sleep 0.1
done

url="http://127.0.0.1:$port/index.html${PREVIEW_PAGE:-}"
for size in 1280x800 1920x1080 1024x768; do
  profile=$(mktemp -d -t quarrow-chromium.XXXXXX)
  /usr/bin/chromium --no-sandbox --headless --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --hide-scrollbars --force-device-scale-factor=1 \
    --window-size="${size/x/,}" --virtual-time-budget=3000 \
    --screenshot="$out/shots/page-$size.png" "$url" >/dev/null 2>&1 || true
  rm -rf "$profile"
done
echo "site: $site"
echo "screenshots: $out/shots"
if [ -n "${PREVIEW_KEEP:-}" ]; then
  echo "serving $url (server pid $server)"
fi
