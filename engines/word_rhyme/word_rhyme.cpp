// The search for the rhymes of a word: check and look up the word, take its rime, scan the
// domain once, keep each spelling's richest reading, then order each section by frequency.
#include <algorithm>
#include <unordered_map>

#include "core/graphemes.h"
#include "core/text.h"
#include "core/validation.h"
#include "engines/word_rhyme/word_rhyme.h"

namespace tavilo {
namespace {

// A word between French guillemets, with the non-breaking spaces inside.

std::string RefusalMessage(WordRhymeRefusal refusal, const WordRhymeResult& result, const std::string& typed) {
  switch (refusal) {
    case WordRhymeRefusal::None:
      return {};
    case WordRhymeRefusal::Empty:
      return "Entrez un mot : ses rimes suivront.";
    case WordRhymeRefusal::Digit:
      return "Les chiffres ne riment avec rien.\nUtilisez seulement l'alphabet.";
    case WordRhymeRefusal::Sign:
      return "Un mot s'\xE9" "crit avec des lettres, des espaces, des traits d'union et des apostrophes.\n"
             "Utilisez seulement l'alphabet.";
    case WordRhymeRefusal::UnknownWord:
      return UnknownWordMessage(typed);
    case WordRhymeRefusal::NoSuchReading:
      return "Le mot " + QuotedInput(result.readings.front().spelling) + " n'a " +
             (result.readings.size() == 1 ? std::string("qu'une lecture.")
                                          : "que " + std::to_string(result.readings.size()) + " lectures.") +
             "\nChoisissez-en une de 1 \xE0 " + std::to_string(result.readings.size()) + ".";
    case WordRhymeRefusal::NoVowel:
      return "Le mot " + QuotedInput(result.word) + " n'a pas de voyelle sur laquelle rimer.";
    case WordRhymeRefusal::NothingFound:
      return "Aucun mot ne rime avec " + QuotedInput(result.word) + " avec ces options.\nEssayez autre chose.";
  }
  return {};
}

WordRhymeResult Refuse(WordRhymeResult result, WordRhymeRefusal refusal, const std::string& typed) {
  result.refusal = refusal;
  result.message = RefusalMessage(refusal, result, typed);
  return result;
}

// The typed word as the lookup wants it, or the refusal of what was typed.
WordRhymeRefusal PrepareWord(std::string_view typed, std::string& word) {
  word = FoldValidation(ToLower(Trim(typed)));
  if (word.empty()) return WordRhymeRefusal::Empty;
  const auto has = [&word](auto test) {
    return std::any_of(word.begin(), word.end(), [&](char c) { return test(static_cast<unsigned char>(c)); });
  };
  if (has(IsDigit)) return WordRhymeRefusal::Digit;
  if (has([](unsigned char c) { return !IsLetter(c) && c != ' ' && c != '-' && c != '\''; })) {
    return WordRhymeRefusal::Sign;
  }
  return WordRhymeRefusal::None;
}

// The tables a domain scans, in this order.
std::vector<const WordTable*> DomainTables(const Lexicon& lexicon, const Session& session, SearchDomain domain) {
  if (domain == SearchDomain::All) {
    return {&lexicon.nouns, &lexicon.adjectives, &lexicon.verbs, &lexicon.functionWords, &lexicon.locutions};
  }
  if (domain == SearchDomain::ResultList) return {&session.resultList};
  return {&lexicon.Domain(domain)};
}

// How many final characters two strings share.
int SharedEnd(std::string_view a, std::string_view b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return static_cast<int>(n);
}

// A spelling met while scanning: the row of its richest reading so far.
struct Found {
  WordRow row;
  int richness;  // 0 for an assonance
};

}  // namespace

std::string_view RimeOf(std::string_view phonetic) {
  for (std::size_t i = phonetic.size(); i-- > 0;) {
    if (IsVowelPhoneme(phonetic[i])) return phonetic.substr(i);
  }
  return {};
}

WordRhymeResult FindWordRhymes(const Lexicon& lexicon, const Session& session, const WordFrequencies& frequencies,
                               const WordRhymeQuery& query, SearchObserver& observer) {
  WordRhymeResult result;
  result.fromResultList = query.domain == SearchDomain::ResultList;
  result.domainLabel = DomainLabel(query.domain, session);
  result.syllableItem = query.syllables == 0 ? "Toutes" : std::to_string(query.syllables);

  std::string typed;
  if (const WordRhymeRefusal refusal = PrepareWord(query.typed, typed); refusal != WordRhymeRefusal::None) {
    return Refuse(std::move(result), refusal, typed);
  }
  result.readings = FindReadings(lexicon, typed);
  if (result.readings.empty()) return Refuse(std::move(result), WordRhymeRefusal::UnknownWord, typed);
  if (query.reading < 1 || static_cast<std::size_t>(query.reading) > result.readings.size()) {
    return Refuse(std::move(result), WordRhymeRefusal::NoSuchReading, typed);
  }
  result.readingIndex = static_cast<std::size_t>(query.reading - 1);
  const WordEntry& reading = result.readings[result.readingIndex];
  result.word = reading.spelling;
  result.phonetic = reading.phonetic;
  result.rime = RimeOf(reading.phonetic);
  if (result.rime.empty()) return Refuse(std::move(result), WordRhymeRefusal::NoVowel, typed);

  const std::string_view phonetic = result.phonetic;
  const std::string_view rime = result.rime;
  const char vowel = rime.front();
  // Each spelling once: the position of its row in `found`.
  std::vector<Found> found;
  std::unordered_map<std::string_view, std::size_t> bySpelling;
  bySpelling.reserve(1024);
  for (const WordTable* table : DomainTables(lexicon, session, query.domain)) {
    for (const WordRow row : *table) {
      if (!observer.Yield()) {
        result.stopped = true;
        break;
      }
      if (query.syllables != 0 && row.syllables != query.syllables) continue;
      if (row.phonetic == phonetic || row.spelling == result.word) continue;
      int richness = 0;
      if (row.phonetic.ends_with(rime)) {
        richness = SharedEnd(row.phonetic, phonetic);
      } else if (!query.assonances || RimeOf(row.phonetic).substr(0, 1) != std::string_view(&vowel, 1)) {
        continue;
      }
      const auto [at, added] = bySpelling.try_emplace(row.spelling, found.size());
      if (added) {
        found.push_back({row, richness});
        observer.SetCount(static_cast<long>(found.size()));
      } else if (richness > found[at->second].richness) {
        found[at->second] = {row, richness};
      }
    }
    if (result.stopped) break;
  }

  // One section per richness, the richest first; the assonances (richness 0) last. Inside a
  // section the most common words first, then display order (every spelling is there once).
  struct Ranked {
    int richness;
    int tenths;
    const WordRow* row;
  };
  std::vector<std::string_view> spellings;
  spellings.reserve(found.size());
  for (const Found& f : found) spellings.push_back(f.row.spelling);
  std::vector<Ranked> ranked;
  ranked.reserve(found.size());
  for (const std::uint32_t i : DisplayOrder(spellings)) {
    ranked.push_back({found[i].richness, frequencies.Tenths(found[i].row.spelling), &found[i].row});
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    return a.richness != b.richness ? a.richness > b.richness : a.tenths > b.tenths;
  });
  for (const Ranked& r : ranked) {
    if (result.sections.empty() || result.sections.back().richness != r.richness) {
      WordRhymeSection section;
      section.richness = r.richness;
      section.sound = r.richness > 0 ? std::string(phonetic.substr(phonetic.size() - static_cast<std::size_t>(r.richness)))
                                     : std::string(1, vowel);
      result.sections.push_back(std::move(section));
    }
    result.sections.back().words.push_back({r.row->ToEntry(), r.tenths});
  }
  result.count = ranked.size();
  observer.SetCount(static_cast<long>(result.count));
  if (result.count == 0) return Refuse(std::move(result), WordRhymeRefusal::NothingFound, typed);
  return result;
}

std::vector<std::pair<int, std::string>> WordRhymeLines(const WordRhymeResult& result) {
  std::vector<std::pair<int, std::string>> lines;
  lines.reserve(result.count);
  for (const WordRhymeSection& section : result.sections) {
    for (const WordRhymeEntry& word : section.words) lines.emplace_back(section.richness, word.entry.spelling);
  }
  return lines;
}

void KeepWordRhymeResult(const WordRhymeResult& result, Session& session) {
  if (!result.Accepted() || result.fromResultList) return;
  session.StartResultList(std::string(kWordRhymeListKind));
  for (const WordRhymeSection& section : result.sections) {
    for (const WordRhymeEntry& word : section.words) {
      if (!session.resultList.Append(word.entry)) return;  // full: the rest is listed but not kept
    }
  }
}

}  // namespace tavilo
