#!/bin/sh
# Times Tavilo's automatic anagram search against `an` (Debian package an), the free anagram
# generator a user would pick instead, on the same words and the same bounds, and checks that
# both give the same groups.
#
#   bench/compare-an.sh [BUILD_DIR]     (default: build-rel, configured with
#                                        -DCMAKE_BUILD_TYPE=Release -DTAVILO_BUILD_BENCH=ON)
#
# `an` gets the words of the shipped anagram index, folded as the keys are (tavilo-anagram-words
# writes them: two letters or more, a to z only, each once); Tavilo reads its own data files.
# Each case runs `an -d WORDS -l N -m 2 LETTERS` and
# `tavilo-cli anagrammes LETTERS --auto --niveau 4 --mots 1-N --longueurs 2-L --brut`. The groups
# are compared as sets after folding Tavilo's words the same way and sorting the words of each
# group: Tavilo lists accented variants apart ("élève élevé" are two words for it, one for the
# folded list), so its raw count can be higher; the groups per second below count the common
# folded groups for both, so the two figures measure the same work. Each command's time includes
# loading its dictionary, as a user running it from a shell waits for it; the "search" row leaves
# out Tavilo's start-up (the same command without --auto), to show the group search alone.
set -eu

BUILD=${1:-build-rel}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
AN=$(command -v an || echo /usr/games/an)
CLI="$BUILD/cli/tavilo-cli"
WORDS_TOOL="$BUILD/bench/tavilo-anagram-words"
for tool in "$AN" "$CLI" "$WORDS_TOOL"; do
  [ -x "$tool" ] || { echo "missing: $tool (build the Release tree with -DTAVILO_BUILD_BENCH=ON, apt-get install an)" >&2; exit 3; }
done
command -v hyperfine >/dev/null || { echo "missing: hyperfine (apt-get install hyperfine)" >&2; exit 3; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
"$WORDS_TOOL" > "$WORK/words.txt"
echo "Words given to an: $(wc -l < "$WORK/words.txt") (from the shipped anagram index)"

# Folds what Tavilo prints as the word list was folded, sorts the words of each group, and keeps
# each group once.
normalise() {
  python3 -c '
import sys, unicodedata
table = str.maketrans("èéêëàâîïùûüôç", "eeeeaaiiuuuoc")
seen = set()
for line in sys.stdin:
    words = line.lower().translate(table).split()
    if words:
        seen.add(" ".join(sorted(words)))
for g in sorted(seen):
    print(g)
'
}

printf '\n%-22s %-7s %10s %10s %12s %8s\n' "case" "tool" "time (ms)" "groups" "groups/s" "ratio"
for case in "contrepeterie 3" "anticonstitutionnel 3" "lavieestbelle 3"; do
  set -- $case
  letters=$1
  words=$2
  length=${#letters}
  "$AN" -d "$WORK/words.txt" -l "$words" -m 2 "$letters" | normalise > "$WORK/an.txt"
  "$CLI" anagrammes "$letters" --auto --niveau 4 --mots "1-$words" --longueurs "2-$length" --brut > "$WORK/tavilo-raw.txt"
  normalise < "$WORK/tavilo-raw.txt" > "$WORK/tavilo.txt"
  if ! cmp -s "$WORK/an.txt" "$WORK/tavilo.txt"; then
    echo "$letters: the groups differ (< an only, > Tavilo only):" >&2
    diff "$WORK/an.txt" "$WORK/tavilo.txt" | head -20 >&2
  fi
  common=$(comm -12 "$WORK/an.txt" "$WORK/tavilo.txt" | wc -l)
  raw=$(wc -l < "$WORK/tavilo-raw.txt")
  hyperfine --style none --warmup 2 --min-runs 10 --export-json "$WORK/times.json" \
    -n an "$AN -d $WORK/words.txt -l $words -m 2 $letters" \
    -n tavilo "$CLI anagrammes $letters --auto --niveau 4 --mots 1-$words --longueurs 2-$length --brut" \
    -n load "$CLI anagrammes $letters --brut" >/dev/null
  python3 - "$WORK/times.json" "$letters ($words mots)" "$common" "$raw" <<'EOF'
import json, sys
runs = {r["command"]: r["mean"] for r in json.load(open(sys.argv[1]))["results"]}
name, common, raw = sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
rate = {tool: common / runs[tool] for tool in runs}
print("%-22s %-7s %10.1f %10d %12.0f %8s" % (name, "an", runs["an"] * 1000, common, rate["an"], ""))
print("%-22s %-7s %10.1f %10s %12.0f %7.2fx" % ("", "tavilo", runs["tavilo"] * 1000, "%d (%d)" % (common, raw),
                                               rate["tavilo"], rate["tavilo"] / rate["an"]))
search = max(runs["tavilo"] - runs["load"], 1e-4)
print("%-22s %-7s %10.1f %10s %12.0f %7.2fx" % ("", "search", search * 1000, "", common / search,
                                               common / search / rate["an"]))
EOF
done
echo
echo "groups: the common folded groups (Tavilo's own count in brackets); ratio: Tavilo's groups/s over an's."
echo "search: Tavilo's time less that of the same command without --auto (loading the dictionary and the"
echo "manual pass), i.e. the group search and its output alone."
