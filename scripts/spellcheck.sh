#!/usr/bin/env bash
# Spell-checks what a user reads: the help pages (app/help/), the two manual pages generated at
# build time, and every --help of tavilo-cli, with hunspell's French dictionary and the game's
# own words (scripts/spelling-words.txt, one word a line). Prints each unknown word with the
# place it was found ("app/help/rimes.html:12: rimme") and fails when there is one.
#
# Needs a build (build/, or the folder given as $TAVILO_BUILD_DIR) for tavilo-cli and the manual
# pages, and the packages hunspell and hunspell-fr.
#
# What is not prose is left out: command lines, options, file names and patterns, the sounds the
# pages show ([kok]), and whatever a page marks as no language, such as the letters it quotes
# (« <span lang="zxx">ée</span> »).
set -euo pipefail
cd "$(dirname "$0")/.."
# hunspell reads the word list and splits words by the locale's encoding.
export LC_ALL=C.UTF-8
build="${TAVILO_BUILD_DIR:-build}"
words="$PWD/scripts/spelling-words.txt"
cli="$build/cli/tavilo-cli"
for needed in "$cli" "$build/packaging/tavilo-cli.1.gz" "$build/packaging/tavilo.1.gz"; do
  [ -e "$needed" ] || { echo "spellcheck: $needed is missing: build first (bash scripts/build.sh)" >&2; exit 2; }
done
command -v hunspell > /dev/null || { echo "spellcheck: hunspell is missing (apt-get install hunspell hunspell-fr)" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work" "$work".*' EXIT
# hunspell ignores the word list (-p) when HOME is not set.
export HOME="${HOME:-$work}"

# Each text to check is written to $work under the name it is reported by, line for line as the
# reader sees it, so that hunspell's line numbers are the source's.
add() {  # add NAME < text
  mkdir -p "$work/$(dirname "$1")"
  cat > "$work/$1"
}

# HTML: the elements that hold no prose go (code, preformatted output, command lines, file names
# shown as a result, anything marked lang="zxx"), then the tags (an inline one may stand inside a
# word: « <b>p</b>ain ») and the entities; line breaks are kept.
html_text() {
  perl -CSD -0777 -pe '
    sub blank { my $t = shift; $t =~ s/[^\n]//g; " $t " }
    s{<(pre|code|style|title)\b[^>]*>.*?</\1>}{blank($&)}gse;
    s{<(\w+)\b[^>]*(?:class="(?:resultat|exemple)"|lang="zxx")[^>]*>.*?</\1>}{blank($&)}gse;
    s{<!--.*?-->}{blank($&)}gse;
    s{</?(?:b|i|em|strong|span|a)\b[^>]*>}{}g;
    s{<[^>]*>}{blank($&)}gse;
    s/&nbsp;/\x{a0}/g; s/&gt;/>/g; s/&lt;/</g; s/&amp;/&/g;
  ' "$1"
}

# roff: the requests' own names and the font changes go, the named characters become the
# characters they stand for.
roff_text() {
  gzip -dc "$1" | perl -CSD -Mutf8 -pe '
    if (/^\.(\\"|TH\b)/) { $_ = "\n"; next }
    s/^\.(SH|SS|TH|B|I|BR|IR|TP|PP|nf|fi|br)\b ?//;
    s/\\f[BIRP]//g; s/\\-/-/g; s/\\e/\\/g; s/\\&//g; s/\\~/\x{a0}/g; s/\\\|//g;
    my %named = ("\x27e" => "é", "`e" => "è", "^e" => "ê", "`a" => "à", "^a" => "â", "^i" => "î",
                 "`u" => "ù", ",c" => "ç", "\x27E" => "É", "Fo" => "«", "Fc" => "»");
    s/\\\[([^\]]*)\]/exists $named{$1} ? $named{$1} : " "/ge;
  '
}

# What is left of a --help text or a manual page once its syntax is out: usage lines, example
# command lines, and the words typed as they are (command names and option values written without
# their accents: "inversee"), collected from the program's own usage lines into $work.vocabulary.
drop_syntax() {
  VOCABULARY="$work.vocabulary" perl -CSD -Mutf8 -pe '
    BEGIN {
      open(my $v, "<:encoding(UTF-8)", $ENV{VOCABULARY}) or die "$ENV{VOCABULARY}: $!";
      chomp(my @typed = <$v>);
      %typed = map { $_ => 1 } @typed;
    }
    if (/^\s*Usage :/) { $_ = "\n"; next }
    s/(^|\s)tavilo-cli\s.*$//;
    s/(?<![\w-])([a-z][\w-]*)(?![\w-])/$typed{$1} ? "" : $1/ge;
  '
}

# Every text: options (with the placeholder of their value), file names and extensions, paths and
# patterns, and the sounds written between brackets ([kok]) leave the checked text.
drop_tokens() {
  perl -CSD -pe '
    s/(?<![\w-])--?[a-z][\w-]*(\s+[A-Z]+(-[A-Z]+)*\b)?//g;
    s/(?<![\w.])\.[a-z]\w*//g;
    s/\S*[\/\\_*?|=<>{}@#\$]\S*//g;
    s/\b[\w-]+\.(txt|rtf|liste|tav|html|conf|gz|1)\b//g;
    s/\[[^\]\n]*\]/ /g;
  '
}

# The words typed as they are, each command's name and the values its usage lists ("a|b|c"), when
# they are not French words as they stand ("inversee", "cle", "palindromes-phonetiques").
{
  "$cli" --help | sed -n '/^Commandes :/,/^$/{s/^  \([a-z][a-z-]*\) .*/\1/p}' > "$work.commands"
  cat "$work.commands"
  while read -r command; do
    "$cli" "$command" --help | sed -n '1s/^Usage : //p' |
      { grep -o '[a-z][a-z-]*\(|[a-z][a-z-]*\)\+' || true; } | tr '|' '\n'
  done < "$work.commands"
} | sort -u | hunspell -i utf-8 -d fr -p "$words" -l > "$work.vocabulary"

for page in app/help/*.html; do
  html_text "$page" | drop_tokens | add "$page"
done
for page in tavilo-cli.1 tavilo.1; do
  roff_text "$build/packaging/$page.gz" | drop_syntax | drop_tokens | add "man/$page"
done
"$cli" --help | drop_syntax | drop_tokens | add "tavilo-cli --help"
while read -r command; do
  "$cli" "$command" --help | drop_syntax | drop_tokens | add "tavilo-cli $command --help"
done < "$work.commands"

# hunspell -l lists a file's unknown words (quickly: it looks for no correction); each is then
# found again in its file to say on which line. A single letter is never a spelling mistake: the
# pages name letters (« é », « ï ») as letters.
unknown="$(cd "$work" && find . -type f | sed 's|^\./||' | sort | while IFS= read -r file; do
  hunspell -i utf-8 -d fr -p "$words" -l "$file" | sort -u | FILE="$file" perl -CSD -Mutf8 -ne '
    chomp; next if /^\w\.*$/;
    my $word = $_;
    open(my $in, "<:encoding(UTF-8)", $ENV{FILE}) or die "$ENV{FILE}: $!";
    my @lines;
    while (my $line = <$in>) { push @lines, $. if $line =~ /(?<![\w-])\Q$word\E(?![\w-])/ }
    print "$ENV{FILE}:$_: $word\n" for (@lines ? @lines : ("?"));
  '
done | sort -t: -k1,1 -k2,2n)"

if [ -n "$unknown" ]; then
  echo "$unknown"
  echo "spellcheck: $(echo "$unknown" | wc -l) unknown word(s); fix the text, or add a game word or a name to $(basename "$words")" >&2
  exit 1
fi
echo "spellcheck: help pages, manual pages and $(find "$work" -name '*--help' | wc -l) --help texts: no unknown word"
