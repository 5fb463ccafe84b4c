// Reading a typed sentence into words, and the elisions French requires between two words.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "core/graphemes.h"
#include "core/text.h"
#include "engines/phrase/phrase.h"
#include "engines/phrase/phrase_internal.h"

namespace tavilo {
namespace {

bool IsWordChar(unsigned char c) { return IsLetter(c) || c == '\'' || c == '-'; }

// Spaces and the punctuation a sentence may hold between its words.
bool IsPunctuation(unsigned char c) {
  static constexpr std::string_view kPunctuation =
      " \t\r\n.,;:!?()[]\"\xAB\xBB\x85\x96\x97\x91\x93\x94\xA0";
  return kPunctuation.find(static_cast<char>(c)) != std::string_view::npos;
}

// The elided forms that are words of their own, longest first so "jusqu'" wins over "qu'".
constexpr std::array<std::string_view, 12> kElidedForms = {"jusqu'", "lorsqu'", "puisqu'", "qu'", "l'", "d'",
                                                           "j'",     "m'",      "n'",      "s'",  "t'", "c'"};

// The full form of each elided form, and the other way round: l' stands for le (and la, which a
// rebuilt sentence cannot tell apart; le is the more common).
struct Elision {
  std::string_view full;
  std::string_view elided;
};
constexpr std::array<Elision, 13> kElisions = {{{"le", "l'"},
                                                {"la", "l'"},
                                                {"de", "d'"},
                                                {"je", "j'"},
                                                {"me", "m'"},
                                                {"te", "t'"},
                                                {"se", "s'"},
                                                {"ne", "n'"},
                                                {"que", "qu'"},
                                                {"ce", "c'"},
                                                {"jusque", "jusqu'"},
                                                {"lorsque", "lorsqu'"},
                                                {"puisque", "puisqu'"}}};

// The same word with the case of `model`: all capitals when it is, a capital first letter when it
// has one.
std::string WithCaseOf(std::string_view model, std::string_view word) {
  std::string out(word);
  // "LE" is in capitals, "L'" only starts with one.
  const auto letters =
      std::count_if(model.begin(), model.end(), [](char c) { return IsLetter(static_cast<unsigned char>(c)); });
  const bool allCaps = letters > 1 && ToUpper(model) == model;
  if (allCaps) return ToUpper(out);
  if (!model.empty() && !out.empty() && IsUpper(static_cast<unsigned char>(model[0]))) out[0] = ToUpper(out[0]);
  return out;
}

}  // namespace

SentenceReading ReadSentence(std::string_view typed) {
  SentenceReading reading;
  std::size_t i = 0;
  while (i < typed.size()) {
    const auto c = static_cast<unsigned char>(typed[i]);
    if (!IsWordChar(c)) {
      if (!IsPunctuation(c)) {
        reading.refusal = SentenceRefusal::Sign;
        reading.refusedChar = static_cast<char>(c);
        reading.words.clear();
        return reading;
      }
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < typed.size() && IsWordChar(static_cast<unsigned char>(typed[end]))) ++end;
    // Apostrophes and hyphens at the ends of a run are quotes and dashes.
    std::size_t start = i;
    while (start < end && !IsLetter(static_cast<unsigned char>(typed[start]))) ++start;
    std::size_t stop = end;
    while (stop > start && !IsLetter(static_cast<unsigned char>(typed[stop - 1]))) --stop;
    // An elided form ends with its apostrophe: keep it when a letter follows it in the run.
    if (stop < end && typed[stop] == '\'' && stop + 1 - start <= 7) {
      const std::string head = ToLower(typed.substr(start, stop + 1 - start));
      for (std::string_view form : kElidedForms) {
        if (head == form) ++stop;
      }
    }
    while (start < stop) {
      const std::string rest = ToLower(typed.substr(start, stop - start));
      std::size_t take = stop - start;
      for (std::string_view form : kElidedForms) {
        if (rest.size() > form.size() && rest.starts_with(form)) {
          take = form.size();
          break;
        }
      }
      reading.words.push_back({start, take});
      start += take;
    }
    i = end;
  }
  if (reading.words.empty()) {
    reading.refusal = SentenceRefusal::Empty;
  } else if (reading.words.size() > kPhraseMaxWords) {
    reading.refusal = SentenceRefusal::TooManyWords;
    reading.words.clear();
  }
  return reading;
}

namespace phrase_internal {

bool StartsWithVowelSound(std::string_view phonetic) {
  if (phonetic.empty()) return false;
  const int row = GraphemeRowOf(phonetic[0]);
  return row >= 0 && row <= 14 && phonetic[0] != '7';
}

bool StartsWithVowelLetter(std::string_view spelling) {
  if (spelling.empty()) return false;
  static constexpr std::string_view kVowels = "aeiouyh\xE0\xE2\xE9\xE8\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
  return kVowels.find(ToLower(spelling[0])) != std::string_view::npos;
}

std::string_view ElidedFormOf(std::string_view word) {
  const std::string lower = ToLower(word);
  for (const Elision& e : kElisions) {
    if (lower == e.full) return e.elided;
  }
  return {};
}

std::string_view FullFormOf(std::string_view word) {
  const std::string lower = ToLower(word);
  for (const Elision& e : kElisions) {
    if (lower == e.elided) return e.full;
  }
  return {};
}

std::string MatchCase(std::string_view model, std::string_view word) { return WithCaseOf(model, word); }

}  // namespace phrase_internal
}  // namespace tavilo
