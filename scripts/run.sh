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
for args in "info" "mot chat" "mot vert" "contrepeteries bateau --methode enfant" "rimes age --syllabes 2" \
            "anagrammes contrepeterie --auto --mots 1-2" "anaphones marin" "lipogrammes o --mono --obligatoires" \
            "filtre b?t?e" "liste palindromes"; do
  echo
  echo "\$ tavilo-cli $args"
  # shellcheck disable=SC2086
  "$cli" $args || true
done
