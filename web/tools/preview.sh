#!/usr/bin/env bash
# A look at the page before the whole site is built: the window, its help and dialogs, without
# the engine.
#
#   bash web/tools/preview.sh [OUT_DIR]        # builds the site into OUT_DIR (a temp folder by
#                                              # default), serves it, takes screenshots
#   PREVIEW_SHOTS='name:?tab=1:1280x800 ...' ...  # other screenshots (name:query:size)
#   PREVIEW_KEEP=1 ...                           # leaves the server running (its pid is printed)
#
# TypeScript comes from web/node_modules (npm ci in web/), else $TSC, else `npx -y -p
# typescript@5.4 tsc`. Screenshots are taken with /usr/bin/chromium (each page, the help and the
# dialogs, at 1280x800, 1920x1080 and 1024x768) and written to OUT_DIR/shots/.
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

# name, address query and window size of each screenshot
shots=${PREVIEW_SHOTS:-"step-one::1280x800 step-one::1920x1080 step-one::1024x768
step-two:?tab=1:1920x1080 step-three:?tab=2:1920x1080 step-four:?tab=3:1920x1080
step-four:?tab=3:1024x768 help:?tab=3&help=80:1280x800 message:?dialog=message:1280x800
ask:?dialog=ask:1920x1080 progress:?tab=3&dialog=progress:1280x800"}
for shot in $shots; do
  IFS=: read -r name query size <<<"$shot"
  profile=$(mktemp -d -t quarrow-chromium.XXXXXX)
  /usr/bin/chromium --no-sandbox --headless --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --hide-scrollbars --force-device-scale-factor=1 \
    --window-size="${size/x/,}" --virtual-time-budget=3000 \
    --screenshot="$out/shots/$name-$size.png" "http://127.0.0.1:$port/index.html$query" \
    >/dev/null 2>&1 || true
  rm -rf "$profile"
done
echo "site: $site"
echo "screenshots: $out/shots"
if [ -n "${PREVIEW_KEEP:-}" ]; then
  echo "serving http://127.0.0.1:$port/index.html (server pid $server)"
fi
