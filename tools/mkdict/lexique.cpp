#include "tools/mkdict/lexique.h"

#include <utility>

#include "core/text.h"

namespace tavilo::mkdict {
namespace {

struct Symbol {
  std::string_view written;  // as the pronunciation list writes it
  char code;                 // Tavilo's phoneme code ('\0' for N, resolved from the spelling)
  bool vowel;                // counts as a syllable
};

// The Lexique symbols; the list spells out five of them (cinq, deux, neuf, huit, un) and writes
// the schwa as ^.
constexpr Symbol kSymbols[] = {
    {"a", 'a', true},     {"i", 'i', true},     {"e", '2', true},     {"E", '3', true},
    {"o", 'o', true},     {"O", 'o', true},     {"u", '4', true},     {"y", 'u', true},
    {"deux", '1', true},  {"neuf", '1', true},  {"^", 'e', true},     {"@", '5', true},
    {"cinq", '6', true},  {"un", '6', true},    {"j", '7', false},    {"w", '4', false},
    {"huit", '9', false}, {"S", 'h', false},    {"Z", 'j', false},    {"G", 'q', false},
    {"R", 'r', false},    {"x", 'x', false},    {"N", '\0', false},   {"b", 'b', false},
    {"d", 'd', false},    {"f", 'f', false},    {"g", 'g', false},    {"k", 'k', false},
    {"l", 'l', false},    {"m", 'm', false},    {"n", 'n', false},    {"p", 'p', false},
    {"s", 's', false},    {"t", 't', false},    {"v", 'v', false},    {"z", 'z', false},
};

const Symbol* Find(std::string_view written) {
  for (const Symbol& s : kSymbols) {
    if (s.written == written) return &s;
  }
  return nullptr;
}

// What may follow an N that is the gn sound: a vowel, another N, or a semivowel.
bool OpensGn(const Symbol& next) {
  return next.vowel || next.written == "N" || next.written == "w" || next.written == "j" || next.written == "huit";
}

std::size_t CountGn(std::string_view lower) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    if (lower[i] == '\xF1') ++n;  // ñ
    if (lower.substr(i, 2) == "gn") ++n;
  }
  return n;
}

bool EndsGn(std::string_view lower) {
  return lower.ends_with("gne") || lower.ends_with("gnes") || lower.ends_with("gnent");
}

}  // namespace

std::vector<std::string_view> SplitPhones(std::string_view text) {
  std::vector<std::string_view> phones;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) phones.push_back(text.substr(start, i - start));
  }
  return phones;
}

LexiqueConversion ConvertLexique(std::string_view spelling, const std::vector<std::string_view>& phones) {
  auto refuse = [](std::string why) { return LexiqueConversion{std::nullopt, std::move(why)}; };
  if (phones.empty()) return refuse("transcription vide");
  std::vector<const Symbol*> symbols;
  symbols.reserve(phones.size());
  for (std::string_view p : phones) {
    const Symbol* s = Find(p);
    if (!s) return refuse("symbole inconnu \xAB" + std::string(p) + "\xBB");
    symbols.push_back(s);
  }

  const std::string lower = ToLower(spelling);
  std::size_t gnLeft = CountGn(lower);
  Transcription out;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    const Symbol& s = *symbols[i];
    const Symbol* next = i + 1 < symbols.size() ? symbols[i + 1] : nullptr;
    if (s.written == "w" && next && next->written == "a") {  // wa is one code
      out.phonetic += '0';
      ++out.syllables;
      ++i;
      continue;
    }
    if (s.written == "N") {
      const bool gn = gnLeft > 0 && (next ? OpensGn(*next) : EndsGn(lower));
      if (gn) {
        --gnLeft;
        out.phonetic += 'w';
      } else {
        out.phonetic += '8';
        ++out.syllables;
      }
      continue;
    }
    out.phonetic += s.code;
    if (s.vowel) ++out.syllables;
  }
  return {std::move(out), {}};
}

}  // namespace tavilo::mkdict
