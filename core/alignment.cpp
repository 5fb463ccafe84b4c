// The walk that pairs each phoneme of a word with the letters that spell it.
//
// One cursor moves through the spelling while the phonetic form is read phoneme by phoneme. For
// each phoneme the first spelling of its grapheme row that the letters at the cursor begin with is
// consumed; letters that spell nothing are skipped as silent. A handful of letter groups are
// greedy in the table's order ("er" before "e", "que" before "qu"): when their last letter in fact
// belongs to the next sound, the cursor backs up one letter so that letter is read again.
#include "core/alignment.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>
#include <utility>

#include "core/graphemes.h"
#include "core/text.h"

namespace tavilo {
namespace {

// Which halves of a two-sound x fall inside the fragment; the values add up.
constexpr int kXHasK = 1;
constexpr int kXHasS = 2;
constexpr int kXHasG = 4;
constexpr int kXHasZ = 8;

// All x markers are three characters long.
constexpr int kXMarkerLength = 3;

// The lower-case letter at a 1-based position, or '\0' outside the spelling.
char LetterAt(const std::string& spelling, int pos) {
  if (pos < 1 || pos > static_cast<int>(spelling.size())) return '\0';
  return ToLower(spelling[static_cast<std::size_t>(pos - 1)]);
}

// Whether the letters from the 1-based position `pos` begin with `group` (lower case).
bool LettersBeginWith(const std::string& spelling, int pos, std::string_view group) {
  if (pos < 1) return false;
  const auto start = static_cast<std::size_t>(pos - 1);
  if (start > spelling.size() || spelling.size() - start < group.size()) return false;
  for (std::size_t k = 0; k < group.size(); ++k) {
    if (ToLower(spelling[start + k]) != group[k]) return false;
  }
  return true;
}

// The first spelling of the phoneme's row that the letters at `pos` begin with. The rows list
// longer groups first, so this is the longest group that fits, ties going to the earlier one.
// A character that is no phoneme code has no row and so no spelling.
std::optional<std::string_view> FirstFittingSpelling(char phoneme, const std::string& spelling,
                                                     int pos) {
  const int row = GraphemeRowOf(phoneme);
  if (row < 0) return std::nullopt;
  for (std::string_view group : GraphemeTable()[static_cast<std::size_t>(row)].spellings) {
    if (LettersBeginWith(spelling, pos, group)) return group;
  }
  return std::nullopt;
}

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

bool IsOneOf(char value, std::string_view set) {
  return value != '\0' && set.find(value) != std::string_view::npos;
}

// Whether the last letter of `group`, just consumed for a phoneme, is also the first letter of
// the next sound. `next` is the next phoneme ('\0' when there is none) and `after` the position
// just after the group. Apart from the nasal vowels' n, which goes before the rule of en, the
// groups named here are all different, so at most one rule applies.
// The x and the dj pair are handled by the walk itself.
bool LastLetterAlsoSpellsNext(std::string_view group, char next, const std::string& spelling,
                              int after) {
  const bool isLast = next == '\0';
  // "paye", "crayon": the y is also the yod (or i) that follows.
  if (IsOneOf(group, {"ey", "ay"})) return !isLast && IsOneOf(next, "7inl");
  // "chaos", "pharaon", "cacaoyer": the o is the start of the o, on or wa that follows.
  if (group == "ao") return !isLast && IsOneOf(next, "o80");
  if (group == "yg") return IsOneOf(next, "gjw");
  // "banque", "querelle", "fréquemment": a final e, é or è of the group belongs to what follows
  // (or to nothing).
  if (IsOneOf(group, {"que", "rre", "sce", "gue", "sc\xE9", "sc\xE8"})) {
    return isLast || IsOneOf(next, "e2315oa");
  }
  // "accent": the second c is the s.
  if (group == "cc") return next == 's';
  // "scolaire": the c is the k.
  if (group == "sc") return next == 'k';
  // "non-être", "bon appétit": the n of a nasal vowel ending a word is also the liaison's n
  // when the next word has none of its own; "ping-pong", "ginseng": it also starts the ng.
  if (group.size() >= 2 && group.back() == 'n' && IsOneOf(group.front(), "aeiouy")) {
    const char letter = LetterAt(spelling, after);
    if (next == 'q' && letter == 'g') return true;
    if (next == 'n' && IsOneOf(letter, " -'") && !FirstFittingSpelling(next, spelling, after + 1)) return true;
  }
  // "enivrer": the n is heard again before the vowel.
  if (group == "en") {
    const char letter = LetterAt(spelling, after);
    // "en effet": the liaison's n is the n of en.
    return letter == 'o' || letter == 'i' || (next == 'n' && !FirstFittingSpelling(next, spelling, after));
  }
  // "gas-oil", "spoiler": the l of il is also the l heard after the yod.
  if (group == "il" && next == 'l') return !FirstFittingSpelling(next, spelling, after);
  // "cuir", "aiguille": the u is also the vowel that follows.
  if (IsOneOf(group, {"cu", "gu"}) && IsOneOf(next, "u94")) return true;
  // "caecum": the u is the o of the Latin ending.
  if (group == "cu" && next == 'o') return true;
  // "quidam", "équilatéral": the u of qu is the semivowel.
  if (group == "qu" && next == '9') return true;
  // "quaker", "quanta": the u of qu is the ou, unless the ou has letters of its own ("piquouser").
  if (group == "qu" && next == '4') return !FirstFittingSpelling(next, spelling, after);
  // "suggestion": the second g is the j sound.
  if (group == "gg" && next == 'j') return true;
  // "macho", "gaspacho": the c read as t is also the start of the ch that follows.
  if (group == "c" && next == 'h') return true;
  // "chacun", "aucun": the u starts the nasal vowel, unless that vowel has letters of its own
  // right after the group ("guimbarde").
  if (IsOneOf(group, {"cu", "gu"}) && IsOneOf(next, "68")) return !FirstFittingSpelling(next, spelling, after);
  // "nuit", "huître", "juin": the i of the ui group is the i or in sound that follows, unless
  // that sound has letters of its own right after the group.
  if (IsOneOf(group, {"ui", "u\xEE", "u\xEF"}) && IsOneOf(next, "i6")) return !FirstFittingSpelling(next, spelling, after);
  // "surréel", "transsexuel": a doubled letter heard twice.
  if ((group == "rr" && next == 'r') || (group == "ss" && next == 's')) return true;
  if (group == "ccu") return next == 'u';
  // "nettoyer", "erreur": inside a word the consonant also starts the next sound.
  if (IsOneOf(group, {"\xE9""e", "er", "ez", "et"})) return !isLast;
  return false;
}

// Whether an x just consumed at the position before `after` spells only part of a two-sound
// cluster: it does unless an s, or a c that sounds s, follows it.
bool XSpellsPartOfCluster(const std::string& spelling, int after) {
  if (LetterAt(spelling, after) == 's') return false;
  for (std::string_view soft : {"c\xE9", "ce", "c\xE8", "ci"}) {
    if (LettersBeginWith(spelling, after, soft)) return false;
  }
  return true;
}

// Whether the letters from the 1-based position `pos` to the end are exactly `suffix` (lower
// case); past the end the letters are empty.
bool LettersFromAre(const std::string& spelling, int pos, std::string_view suffix) {
  const auto start = std::min(static_cast<std::size_t>(std::max(pos, 1) - 1), spelling.size());
  return spelling.size() - start == suffix.size() && LettersBeginWith(spelling, pos, suffix);
}

std::string_view XMarker(int xState) {
  switch (xState) {
    case kXHasK: return "(k)";
    case kXHasS: return "(s)";
    case kXHasG: return "(g)";
    case kXHasZ: return "(z)";
    default: return {};  // no x, or both halves inside the fragment
  }
}

// The walk itself, over phonemes 1 to `walkEnd` (capped at the phonetic form's length), the
// fragment starting at phoneme `fragmentStart`. With an `ending` to probe for, the walk stops at
// the first step whose letters to the end of the word are that ending and puts the phonemes from
// that step on in `probed` (the Alignment returned is then unfinished).
Alignment Walk(std::string_view word, std::string_view phonetic, int fragmentStart, long long walkEnd,
               const std::string* ending, std::optional<std::string>* probed) {
  Alignment out;
  out.spelling = word;
  std::string& spelling = out.spelling;
  const int phonemeCount = static_cast<int>(std::min<std::size_t>(phonetic.size(), INT_MAX / 2));
  const int lastStep = static_cast<int>(std::min<long long>(walkEnd, phonemeCount));
  out.letterStart = static_cast<int>(std::min<std::size_t>(spelling.size(), INT_MAX / 2));

  int i = 1;  // letter cursor
  int xState = 0;
  int xPos = 0;  // the x that xState speaks of
  bool lettersRunOut = false;

  for (int j = 1; j <= lastStep && !lettersRunOut; ++j) {
    const char phoneme = phonetic[static_cast<std::size_t>(j - 1)];
    const char next = j < phonemeCount ? phonetic[static_cast<std::size_t>(j)] : '\0';
    const bool inFragment = j >= fragmentStart;

    // One step; it starts again at the next letter when the letter at the cursor is silent.
    for (;;) {
      if (ending && LettersFromAre(spelling, i, *ending)) {
        *probed = std::string(phonetic.substr(static_cast<std::size_t>(j - 1)));
        return out;
      }

      if (const auto group = FirstFittingSpelling(phoneme, spelling, i)) {
        const int groupStart = i;
        if (j == fragmentStart) out.letterStart = i;
        i += static_cast<int>(group->size());

        if ((*group == "g" || *group == "j") && phoneme == 'd') {
          // "jazz", "manager": the letter spells the whole dj pair, so the j sound has no letters
          // of its own. A fragment that starts on it shares the letter with the d.
          if (j + 1 == fragmentStart) out.letterStart = groupStart;
          ++j;
        } else if (*group == "x" && XSpellsPartOfCluster(spelling, i)) {
          // "taxi", "exact": the x spells k or g and then s or z. The cursor goes back onto the x
          // for the second sound; xState records which sounds the fragment holds.
          xPos = i - 1;
          if (phoneme == 'k' || phoneme == 'g') {
            i -= 1;
            if (inFragment) xState = phoneme == 'k' ? kXHasK : kXHasG;
          } else if (phoneme == 's' && inFragment) {
            xState += kXHasS;
          } else if (phoneme == 'z' && inFragment) {
            xState += kXHasZ;
          }
        } else if (LastLetterAlsoSpellsNext(*group, next, spelling, i)) {
          i -= 1;
        }
        break;
      }

      if (i > static_cast<int>(spelling.size())) {
        lettersRunOut = true;
        break;
      }

      if (phoneme == '7' && LetterAt(spelling, i) != 'h') {
        // "crier": nothing spells the yod between the i and the e. Inside the fragment a bullet
        // shows where it is heard.
        if (j == fragmentStart) out.letterStart = i;
        if (inFragment) {
          spelling.insert(static_cast<std::size_t>(i - 1), 1, kYodBullet);
          if (xPos >= i) ++xPos;  // keep pointing at the x
          ++i;
          ++out.bulletCount;
        }
        break;
      }

      ++i;  // a silent letter: the same phoneme is tried at the next one
    }
  }

  out.letterEnd = i;
  out.lettersRanOut = lettersRunOut;

  const std::string_view marker = XMarker(xState);
  if (!marker.empty() && xPos >= 1 && xPos <= static_cast<int>(spelling.size())) {
    spelling.insert(static_cast<std::size_t>(xPos), marker);
    // The fragment's end moves past the marker. When the walk stopped on the k or g of the x,
    // the cursor was left on the x itself, so the x is taken in as well (one more position).
    out.letterEnd = std::max(out.letterEnd, xPos + 1) + kXMarkerLength;
  }

  // A fragment the walk never reached (letters run out, or a request that ends before it
  // starts) keeps the spelling's length, but never points past the fragment's end.
  out.letterStart = std::clamp(out.letterStart, 1, out.letterEnd);
  return out;
}

}  // namespace

Alignment AlignFragment(std::string_view spelling, std::string_view phonetic, int start, int length) {
  // Computed wide so that absurd requests cannot overflow; the walk never reads past the
  // phonetic form.
  return Walk(spelling, phonetic, start, static_cast<long long>(start) + length - 1, nullptr, nullptr);
}

std::optional<std::string> PhonemesOfEnding(std::string_view spelling, std::string_view phonetic,
                                            std::string_view ending) {
  const std::string lower = ToLower(ending);
  std::optional<std::string> phonemes;
  Walk(spelling, phonetic, 1, static_cast<long long>(phonetic.size()), &lower, &phonemes);
  return phonemes;
}


bool AlignsEveryPhoneme(std::string_view spelling, std::string_view phonetic) {
  const int phonemes = static_cast<int>(std::min<std::size_t>(phonetic.size(), INT_MAX / 2));
  return !AlignFragment(spelling, phonetic, 1, phonemes).lettersRanOut;
}

std::optional<EndingSound> SoundOfEnding(std::string_view spelling, std::string_view phonetic, std::string_view ending) {
  if (phonetic.size() < 2) return std::nullopt;
  std::optional<std::string> phonemes = PhonemesOfEnding(spelling, phonetic, ending);
  if (!phonemes) return std::nullopt;
  const bool afterNonVowel = spelling.size() > ending.size() &&
                             MatchesPattern(spelling.substr(spelling.size() - ending.size() - 1, 1), kRhymeNonVowelClass);
  return EndingSound{std::move(*phonemes), afterNonVowel};
}

std::size_t CountRowsNotFullyAligned(const WordTable& table) {
  std::size_t count = 0;
  for (const WordRow entry : table) count += AlignsEveryPhoneme(entry.spelling, entry.phonetic) ? 0 : 1;
  return count;
}

SpelledFragment SpellFragment(std::string_view spelling, std::string_view phonetic, int start, int length) {
  Alignment walked = AlignFragment(spelling, phonetic, start, length);
  SpelledFragment out;
  out.spelling = std::move(walked.spelling);
  out.yodMarked = walked.bulletCount > 0;
  const std::size_t size = out.spelling.size();
  out.letterStart = std::min<std::size_t>(static_cast<std::size_t>(std::max(walked.letterStart, 1) - 1), size);
  const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(std::max(walked.letterEnd, 1) - 1), size);
  out.letterLength = end > out.letterStart ? end - out.letterStart : 0;
  return out;
}

}  // namespace tavilo
