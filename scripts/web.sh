#!/usr/bin/env bash
# Builds the web page and serves it on http://localhost:8000 (Ctrl-C stops the server).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-web.sh
command -v python3 > /dev/null || {
  as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends python3
}
echo "Tavilo : http://localhost:8000/"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
