#!/usr/bin/env bash
# Builds the web page into build-web/site/: the engines and tavilo-cli's commands compiled to
# WebAssembly with emscripten (build-web/wasm/), the page's files from web/, and the dictionary.
# Installs what it needs with apt-get on a fresh Debian 12 (as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(emscripten node-acorn)
if ! dpkg-query -W -f='${Status}\n' "${packages[@]}" 2>/dev/null | grep -c "install ok installed" |
     grep -qx "${#packages[@]}"; then
  as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${packages[@]}"
fi
# Debian's node does not look in /usr/share/nodejs, where node-acorn (which emscripten needs) lives.
export NODE_PATH=/usr/share/nodejs
out=build-web
emcmake cmake -S . -B "$out/wasm" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVILO_BUILD_APP=OFF -DTAVILO_BUILD_TESTS=OFF \
  > /dev/null
cmake --build "$out/wasm" -j "$(( $(nproc) < 2 ? $(nproc) : 2 ))" --target tavilo_web

site="$out/site"
rm -rf "$site"
mkdir -p "$site/donnees"
cp web/index.html web/style.css web/page.js web/formulaire.js web/outils.js web/worker.js "$site/"
cp "$out/wasm/web/tavilo.js" "$out/wasm/web/tavilo.wasm" "$site/"
# The dictionary: the six tables, and the frequency file when the data has one.
for f in nm aj av tb po vr; do cp "data/$f.tav" "$site/donnees/"; done
[ -f data/frequences.txt ] && cp data/frequences.txt "$site/donnees/"
cp data/NOTICE "$site/donnees/NOTICE.txt"
(cd "$site/donnees" && ls -1 | grep -v '^NOTICE.txt$' > liste.txt)
# The offline copy: every file of the site, under a version that changes with their content.
files=$(cd "$site" && find . -type f | sed 's|^\./||' | sort)
version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$( (echo "./"; echo "$files") | sed 's/.*/"&"/' | paste -sd, -)
sed -e "s|VERSION_DU_SITE|tavilo-$version|" -e "s|FICHIERS_DU_SITE|[$list]|" web/hors-ligne.js > "$site/hors-ligne.js"
echo "Site : $site ($(du -sh "$site" | cut -f1))"
