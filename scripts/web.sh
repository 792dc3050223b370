#!/usr/bin/env bash
# Installs what is missing, builds Quarrow's browser site into build/web/site and serves it to
# this machine at http://127.0.0.1:8080/ (another port with --port PORT) until Ctrl+C.
#
#   bash scripts/web.sh [--port PORT]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/web-build.sh
exec node web/tools/serve.mjs --root build/web/site "$@"
