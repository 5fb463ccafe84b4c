// The pattern canonicaliser, the options a pattern allows, and the one-pass matcher.
#include "engines/filter/pattern.h"

#include <algorithm>
#include <bitset>

#include "core/text.h"

namespace tavilo {
namespace {

constexpr unsigned char kSection = 0xA7;  // §, the single vowel joker

bool InRange(unsigned char c, unsigned char first, unsigned char last) { return c >= first && c <= last; }

// "[A-ZÀ-Ü]": what the box lowers.
bool IsPatternUpper(unsigned char c) { return InRange(c, 'A', 'Z') || InRange(c, 0xC0, 0xDC); }

// "[a-zà-äçè-ëî-ïô-öù-ü]": the letters a pattern may hold.
bool IsPatternLetter(unsigned char c) {
  return InRange(c, 'a', 'z') || InRange(c, 0xE0, 0xE4) || c == 0xE7 || InRange(c, 0xE8, 0xEB) ||
         InRange(c, 0xEE, 0xEF) || InRange(c, 0xF4, 0xF6) || InRange(c, 0xF9, 0xFC);
}

// "[aceiouà-äçè-ëî-ïô-öù-ü]": the letters that may carry a diacritic.
bool MayCarryDiacritic(unsigned char c) {
  return c == 'a' || c == 'c' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || (c >= 0x80 && IsPatternLetter(c));
}

bool IsSingleJoker(unsigned char c) { return c == '?' || c == '!' || c == kSection; }
bool IsMultiJoker(unsigned char c) { return c == '*' || c == '^' || c == '@'; }

// The second character of a pair that stands for the whole pair ("!^" -> "^"), or 0.
unsigned char PairReplacement(unsigned char first, unsigned char second) {
  if ((first == '!' && second == '^') || (first == kSection && second == '@') || (first == '?' && second == '*')) {
    return second;
  }
  return 0;
}

// A joker that adds nothing after the character typed before it.
bool AddsNothingAfter(unsigned char previous, unsigned char c) {
  switch (previous) {
    case '^': return c == '^' || c == '!' || c == '*';
    case '!': return c == '^';
    case '@': return c == '@' || c == kSection || c == '*';
    case kSection: return c == '@';
    case '*': return c == '*' || c == '?' || c == '^' || c == '@';
    default: return false;
  }
}

// One reading of the text. Dropped characters that stand before `caret` move it back.
PatternAnalysis ReadOnce(std::string_view text, int longestWord, const PatternKeystroke& key, int caret) {
  PatternAnalysis a;
  const auto limitReached = [&] { return a.letters + a.singleJokers > longestWord; };
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (IsPatternUpper(c)) c = static_cast<unsigned char>(ToLower(static_cast<char>(c)));
    if (IsPatternLetter(c)) {
      if (MayCarryDiacritic(c)) a.diacriticLetter = true;
      ++a.letters;
      if (limitReached()) {
        a.truncated = true;
        break;
      }
      a.pattern += static_cast<char>(c);
      a.explicitLetters += static_cast<char>(c);
    } else if (i + 1 < text.size() && PairReplacement(c, static_cast<unsigned char>(text[i + 1]))) {
      // The pair's second character is read next, as itself, after the first.
      a.pattern += text[i + 1];
    } else if (i > 0 && AddsNothingAfter(static_cast<unsigned char>(text[i - 1]), c)) {
      if (static_cast<int>(i) < caret) --a.caret;
    } else if (IsSingleJoker(c)) {
      ++a.singleJokers;
      if (limitReached()) {
        a.truncated = true;
        break;
      }
      a.pattern += static_cast<char>(c);
      a.lengthAtLastSingleJoker = a.MinimumLength();
    } else if (IsMultiJoker(c)) {
      ++a.multiJokers;
      a.pattern += static_cast<char>(c);
      if (key.kind == PatternKeystroke::Kind::Character && IsMultiJoker(static_cast<unsigned char>(key.character))) {
        a.multiJokerTyped = true;
      }
    } else if (static_cast<int>(i) < caret) {
      --a.caret;  // a digit, a space or a sign
    }
  }
  a.caret += caret;
  return a;
}

// Character classes of one match, one bit each.
enum : unsigned char {
  kLetter = 1,
  kVowel = 2,
  kConsonant = 4,
  kPlainVowel = 8,       // a e i o u y
  kPlainConsonant = 16,  // b c d ... z but the vowels
  kExplicit = 32,        // an explicit letter of the pattern: outside the "once" options' class
};

bool IsPlainVowel(unsigned char c) {
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

void AppendPosition(std::string& marks, int position) {
  if (position < 10) marks += '0';
  marks += std::to_string(position);
}

}  // namespace

PatternAnalysis CanonicalisePattern(std::string_view text, int longestWord, const PatternKeystroke& key) {
  int caret = key.savedCaret;
  switch (key.kind) {
    case PatternKeystroke::Kind::Character: ++caret; break;
    case PatternKeystroke::Kind::Delete: break;
    case PatternKeystroke::Kind::Backspace: --caret; break;
  }
  caret = std::max(caret, 0);
  std::string current(text);
  bool truncated = false;
  // Each reading shortens the text or lowers a "?" of "?*", so this ends; the bound is a guard.
  for (std::size_t round = 0; round <= text.size() + 1; ++round) {
    PatternAnalysis a = ReadOnce(current, longestWord, key, caret);
    truncated = truncated || a.truncated;
    if (a.pattern == current) {
      a.truncated = truncated;
      a.caret = std::clamp(a.caret, 0, static_cast<int>(a.pattern.size()));
      return a;
    }
    current = a.pattern;
    caret = std::max(a.caret, 0);
  }
  PatternAnalysis a = ReadOnce(current, longestWord, key, caret);
  a.truncated = true;
  a.caret = std::clamp(a.caret, 0, static_cast<int>(a.pattern.size()));
  return a;
}

bool HasRepeatedLetter(std::string_view text) {
  std::bitset<256> seen;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (seen[c]) return true;
    seen[c] = true;
  }
  return false;
}

PatternOptions AvailableOptions(const PatternAnalysis& analysis, bool heterogramChosen) {
  PatternOptions options;
  if (analysis.letters > 0) {
    options.distinguishDiacritics = analysis.diacriticLetter;
    options.onceSingle = analysis.HasSingleJoker();
    options.onceMulti = analysis.HasMultiJoker();
    options.heterogram = analysis.HasJoker() && !HasRepeatedLetter(analysis.explicitLetters);
  } else {
    options.heterogram = analysis.HasJoker();
  }
  options.reversed = analysis.HasMultiJoker() || analysis.MinimumLength() > 1;
  if (options.heterogram && heterogramChosen) {
    // A heterogram repeats no letter at all, which says more than either "once" option.
    options.onceSingle = false;
    options.onceMulti = false;
  }
  return options;
}

// ---- The matcher ----

FilterMatcher::FilterMatcher(std::string pattern, const MatchOptions& options)
    : pattern_(std::move(pattern)), options_(options) {
  std::fill(std::begin(classes_), std::end(classes_), 0);
  for (unsigned char c = 'a'; c <= 'z'; ++c) {
    classes_[c] = IsPlainVowel(c) ? kLetter | kVowel | kPlainVowel : kLetter | kConsonant | kPlainConsonant;
  }
  if (options_.distinguishDiacritics) {
    // à â è é ê ë î ï ô ù û ü and ç. Without the option the word is folded and these never occur
    // as such (and ä ö ñ, which no fold touches, stay non-letters either way).
    for (unsigned char c : {0xE0, 0xE2, 0xE8, 0xE9, 0xEA, 0xEB, 0xEE, 0xEF, 0xF4, 0xF9, 0xFB, 0xFC}) {
      classes_[c] = kLetter | kVowel;
    }
    classes_[0xE7] = kLetter | kConsonant;
  }
  for (char ch : pattern_) {
    const auto c = static_cast<unsigned char>(ch);
    if (InRange(c, 'a', 'z') || InRange(c, 0xE0, 0xFC)) classes_[c] |= kExplicit;
  }
  classes_[0] = 0;  // what lies beyond the word's end: in no class
}

bool FilterMatcher::Matches(const std::string& word, std::string& marks) const {
  const int length = static_cast<int>(word.size());
  const int last = static_cast<int>(pattern_.size());
  // Positions are 1-based and never go below 1 nor past length + 1, where the string's
  // terminating 0 stands: a character in no class and equal to no pattern character.
  const auto at = [&word](int q) { return static_cast<unsigned char>(word[static_cast<std::size_t>(q - 1)]); };
  const auto kind = [&](int q) { return classes_[at(q)]; };

  int pos = 1;
  for (int p = 1; p <= last; ++p) {
    const auto c = static_cast<unsigned char>(pattern_[static_cast<std::size_t>(p - 1)]);
    const unsigned char n = p < last ? static_cast<unsigned char>(pattern_[static_cast<std::size_t>(p)]) : 0;
    // Each element either consumes up to `pos` (then the end test runs) or leaves the next
    // element to start at `pos` ("continue at").
    bool consumed = true;
    switch (c) {
      case '?':
      case '!':
      case kSection: {
        const unsigned char wanted = c == '?' ? kLetter : c == '!' ? kConsonant : kVowel;
        const unsigned char k = kind(pos);
        if (!(k & wanted) || (options_.onceSingle && (k & kExplicit))) return false;
        break;
      }
      case '@':
      case '^': {
        const unsigned char runClass = c == '@' ? kVowel : kConsonant;
        const int start = pos;
        int q = pos;
        if (options_.onceMulti) {
          while (q <= length && (kind(q) & (runClass | kExplicit)) == runClass) ++q;
        } else {
          while (q <= length && (kind(q) & runClass)) ++q;
        }
        // The next explicit letter of the run's class may take back the run's last character,
        // but only one the run itself consumed (never the preceding element's).
        const bool mayGiveBack = !options_.onceMulti && (classes_[n] & runClass);
        if (q <= length) {
          if (mayGiveBack && q > start && n == at(q - 1)) --q;
          pos = q;
          consumed = false;
        } else if (mayGiveBack && length >= start && n == at(length)) {
          pos = length;
          consumed = false;
        } else {
          pos = length;
        }
        break;
      }
      case '*': {
        int q = pos;
        if (options_.onceMulti) {
          // An explicit letter always stops the run, so no look-ahead on the next letter is needed.
          while (q <= length) {
            const unsigned char k = kind(q);
            if (!(k & kLetter) || (k & kExplicit)) break;
            if ((n == kSection && (k & kPlainVowel)) || (n == '!' && (k & kPlainConsonant))) break;
            ++q;
          }
        } else if (p == last) {
          while (q <= length && (kind(q) & kLetter)) ++q;
        } else {
          // The pattern's last letter may only match the word's last character.
          const bool nextIsLast = p + 1 == last;
          while (q <= length) {
            const unsigned char k = kind(q);
            if (!(k & kLetter)) break;
            if ((n == kSection && (k & kPlainVowel)) || (n == '!' && (k & kPlainConsonant))) break;
            if (at(q) == n && !(nextIsLast && q < length)) break;
            ++q;
          }
        }
        if (q <= length) {
          pos = q;
          consumed = false;
        } else {
          pos = length;
        }
        break;
      }
      default:  // an explicit letter
        if (at(pos) != c) return false;
        AppendPosition(marks, pos);
        break;
    }
    if (consumed) {
      if (p == last && pos >= length) return true;
      ++pos;
    }
  }
  return false;
}

}  // namespace tavilo
