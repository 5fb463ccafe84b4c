#!/usr/bin/env bash
# Sets up, builds and starts Tavilo: the window when a display exists, otherwise a short demo of
# the command line on the shipped dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
bash scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/app/tavilo ]; then
  exec build/app/tavilo "$@"
fi
cli=build/cli/tavilo-cli
echo "(pas d'affichage graphique : démonstration de la ligne de commande)"
for args in "info" "mot chat" "mot ane" "mot vert" "aligner taxi 3 1" "cle garçon"; do
  echo
  echo "\$ tavilo-cli $args"
  # shellcheck disable=SC2086
  "$cli" $args || true
done
if "$cli" --help | grep -q '^  rimes'; then
  echo; echo "\$ tavilo-cli rimes age --syllabes 2"
  "$cli" rimes age --syllabes 2 || true
fi
