#!/usr/bin/env bash
# Checks the built site (scripts/build-web.sh) against tavilo-cli (scripts/build.sh): the forms
# against the commands' usage and help (node's test runner), then the page in headless Chromium
# served from this machine's loopback (web/verifier.mjs). Installs Chromium (and npm, python3
# when missing) with apt-get, and playwright-core (the driver alone: it uses the system's
# Chromium) with npm into build-web/.
# Extra arguments go to verifier.mjs (--mesurer prints the page's times).
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${TAVILO_BUILD_DIR:-build}/cli/tavilo-cli"
[ -x "$cli" ] || { echo "verifier.sh : $cli manque (bash scripts/build.sh d'abord)" >&2; exit 2; }
[ -f build-web/site/index.html ] || { echo "verifier.sh : build-web/site manque (bash scripts/build-web.sh d'abord)" >&2; exit 2; }
pkgs=()
for tool in chromium npm python3; do command -v "$tool" > /dev/null || pkgs+=("$tool"); done
if [ "${#pkgs[@]}" -gt 0 ]; then
  as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${pkgs[@]}"
fi
checks=build-web/verifications
mkdir -p "$checks"
cp web/package.json "$checks/"
if [ ! -d "$checks/node_modules/playwright-core" ]; then
  (cd "$checks" && npm install --no-audit --no-fund --silent)
fi

echo "-- Formulaires et commandes (node --test)"
TAVILO_CLI="$cli" TAVILO_DATA=data node --test web/

echo "-- La page dans Chromium sans écran"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site > "$checks/serveur.log" 2>&1 &
server=$!
trap 'kill "$server" 2> /dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/index.html')" 2> /dev/null && break
  sleep 0.1
done
PLAYWRIGHT_CORE="$PWD/$checks/node_modules/playwright-core" node web/verifier.mjs "http://127.0.0.1:$port" "$cli" data "$@"
