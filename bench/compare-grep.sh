#!/usr/bin/env bash
# Times `tavilo-cli filtre --brut` against `grep -E` on the same words, both as whole processes
# under hyperfine, after checking that both find the same words.
#
# The shipped words are written to a file (UTF-8, one row a line, in the order the search reads
# the tables: nouns, locutions, adjectives, verbs, adverbs), and each pattern is turned into the
# regular expression that means the same thing for grep: "?" any letter whose accents fold to
# a-z, "!" a consonant, "§" a vowel, an explicit letter that letter with any accent it folds from,
# a final "*" any run of letters. The patterns are of the kinds where the tool's one-pass matcher
# and a backtracking matcher agree (no multi joker but a final "*"), and each finds fewer than the
# 15000 words a search may hold.
#
# Usage: bench/compare-grep.sh [BUILD_DIR]   (default build-bench; needs tavilo-cli built there)
# Prints one hyperfine table per pattern; the markdown tables go to BUILD_DIR/compare-grep.md.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
cli=$build/cli/tavilo-cli
data=${TAVILO_DATA:-$root/data}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8

# perl-base is enough: no module beyond the core is used.
for tool in hyperfine perl grep; do
  command -v "$tool" >/dev/null || { echo "compare-grep.sh: $tool is missing" >&2; exit 3; }
done
[[ -x $cli ]] || { echo "compare-grep.sh: $cli is missing (build tavilo-cli first)" >&2; exit 3; }

# The words of the data files, decoded as the loader decodes them (the spelling is the first
# field; its letters are stored shifted).
words=$work/words.txt
for file in nm po aj vr av; do
  perl -ne '
    BEGIN { binmode STDOUT, ":utf8" }
    # Windows-1252 to characters: Latin-1 but for the few letters of 0x80-0x9F.
    my %cp1252 = (0x8A => 0x160, 0x8C => 0x152, 0x8E => 0x17D, 0x92 => 0x2019, 0x9A => 0x161, 0x9C => 0x153,
                  0x9E => 0x17E, 0x9F => 0x178);
    s/\r?\n\z//;
    my ($spelling) = split /\x13/;
    $spelling =~ s/([\x80-\x9F])/chr(ord($1) - 32)/ge;
    $spelling =~ s/([\xA1-\xC0])/chr(ord($1) + 63)/ge;
    print join("", map { chr($cp1252{ord $_} // ord $_) } split //, $spelling), "\n";
  ' "$data/$file.tav"
done >"$words"
echo "$(wc -l <"$words") words in $words"

# The grep expression of a pattern.
to_regex() {
  perl -CSA -Mutf8 -e '
    my %class = ("?" => "[a-zàâçèéêëîïôùûü]", "!" => "[bcdfghjklmnpqrstvwxzç]", "§" => "[aeiouyàâèéêëîïôùûü]",
                 "a" => "[aàâ]", "e" => "[eèéêë]", "i" => "[iîï]", "o" => "[oô]", "u" => "[uùûü]", "c" => "[cç]");
    my $re = "";
    for my $c (split //, $ARGV[0]) {
      $re .= $c eq "*" ? $class{"?"} . "*" : ($class{$c} // $c);
    }
    print $re;
  ' "$1"
}

patterns=('?a?e?e' 'b?t*' '!§!§!§' 'ch§!*' 'mai?on' '?????')
report=$build/compare-grep.md
: >"$report"
for pattern in "${patterns[@]}"; do
  regex=$(to_regex "$pattern")
  ours=$("$cli" --data "$data" filtre "$pattern" --brut | sort)
  theirs=$(grep -E -x "$regex" "$words" | sort || true)
  if [[ $ours != "$theirs" ]]; then
    echo "compare-grep.sh: '$pattern' and grep -E -x '$regex' disagree:" >&2
    diff <(echo "$ours") <(echo "$theirs") | head -20 >&2
    exit 1
  fi
  echo "== $pattern ($(echo -n "$ours" | grep -c '') words, same as grep -E -x '$regex')"
  hyperfine -N --warmup 5 --runs 40 --style basic --export-markdown "$work/table.md" \
    -n "tavilo-cli filtre '$pattern' --brut" "$cli --data $data filtre '$pattern' --brut" \
    -n "grep -E -x '$regex'" "grep -E -x '$regex' $words"
  { echo "### $pattern"; cat "$work/table.md"; echo; } >>"$report"
done
echo "Tables written to $report"
