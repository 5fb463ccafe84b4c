#include "tools/mkdict/builder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "core/text.h"

namespace tavilo::mkdict {
namespace {

constexpr unsigned Bit(TableKind kind) { return 1u << static_cast<int>(kind); }
constexpr std::size_t Index(TableKind kind) { return static_cast<std::size_t>(kind); }
constexpr std::size_t kExamples = 12;

// The homographs whose readings no spelling rule sorts out. An empty phonetic form keeps every
// reading for that table.
struct HomographChoice {
  std::string_view spelling;
  TableKind table;
  std::string_view phonetic;
};
constexpr HomographChoice kHomographChoices[] = {
    {"but", TableKind::Nouns, ""},           // "le but" is heard with and without its t
    {"plus", TableKind::FunctionWords, ""},  // "plus" and "plusse" are both right
    {"jean", TableKind::Nouns, "djin"},      // the cloth; the other reading is the first name
};

bool EndsNasal(const Transcription& r) {
  return !r.phonetic.empty() && (r.phonetic.back() == '5' || r.phonetic.back() == '6' || r.phonetic.back() == '8');
}

bool IsStrictPrefixOfAnother(const Transcription& r, const std::vector<Transcription>& readings) {
  return std::any_of(readings.begin(), readings.end(), [&](const Transcription& other) {
    return other.phonetic.size() > r.phonetic.size() && other.phonetic.starts_with(r.phonetic);
  });
}

// Counts `words` and keeps the most frequent few (ties in byte order) as the examples.
WordCount Count(const std::vector<std::string>& words, const FrequencyList& freq) {
  std::vector<std::pair<double, const std::string*>> order;
  order.reserve(words.size());
  for (const std::string& w : words) order.emplace_back(freq.Of(w), &w);
  const std::size_t n = std::min(kExamples, order.size());
  std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n), order.end(),
                    [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : *a.second < *b.second; });
  WordCount count{words.size(), {}};
  for (std::size_t i = 0; i < n; ++i) count.examples.push_back(*order[i].second);
  return count;
}

bool HasUpper(std::string_view s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return IsUpper(static_cast<unsigned char>(c)); });
}

// The readings of one entry of a project list: its own transcription, else every reading the
// pronunciation list has.
std::vector<Transcription> ListedReadings(const ListedWord& word, const PronunciationList& list) {
  if (!word.transcription.empty()) {
    if (auto r = ConvertLexique(word.text, SplitPhones(word.transcription))) return {*r};
    return {};
  }
  const auto it = list.readings.find(ToUpper(word.text));
  return it == list.readings.end() ? std::vector<Transcription>{} : it->second;
}

std::string ListError(std::string_view file, const ListedWord& word, std::string_view why) {
  return "Le fichier \xAB " + std::string(file) + " \xBB, ligne " + std::to_string(word.line) + " : \xAB" + word.text +
         "\xBB " + std::string(why) + ".";
}

std::string FormatZipf(double zipf) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", zipf);
  return buf;
}

}  // namespace

std::array<std::size_t, kTableCount> BuildOptions::DefaultCapacities() {
  std::array<std::size_t, kTableCount> caps{};
  for (std::size_t i = 0; i < kTableCount; ++i) caps[i] = InfoOf(static_cast<TableKind>(i)).capacity;
  return caps;
}

double Zipf(double frequency) { return frequency > 0 ? std::log10(frequency) + 9.0 : 0.0; }

bool IsStorableSpelling(std::string_view spelling) {
  if (spelling.empty()) return false;
  return std::all_of(spelling.begin(), spelling.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    // š œ ž (128-159) and ß have no place in the stored spelling; œ is spelled out before.
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c != 0xF7) || c == '-' || c == '\'';
  });
}

std::vector<Transcription> ReadingsFor(std::string_view spelling, TableKind table, const std::vector<Analysis>& analyses,
                                       const std::vector<Transcription>& readings) {
  if (readings.size() <= 1) return readings;
  for (const HomographChoice& choice : kHomographChoices) {
    if (choice.spelling != spelling || choice.table != table) continue;
    if (choice.phonetic.empty()) return readings;
    for (const Transcription& r : readings) {
      if (r.phonetic == choice.phonetic) return {r};
    }
  }
  const bool verb = table == TableKind::Verbs;
  std::vector<bool> keep(readings.size(), false);
  for (const Analysis& a : analyses) {
    if (a.reformOnly || !(a.tables & Bit(table))) continue;
    auto fits = [&](const Transcription& r) {
      if (spelling.ends_with("ent")) return a.verbThirdPlural ? !EndsNasal(r) : EndsNasal(r);
      if (spelling.ends_with("ions")) return r.phonetic.ends_with(verb ? "t78" : "s78");
      if (spelling.ends_with("er")) return r.phonetic.ends_with(verb ? '2' : 'r');
      return IsStrictPrefixOfAnother(r, readings) == verb;
    };
    bool any = false;
    for (std::size_t i = 0; i < readings.size(); ++i) {
      if (fits(readings[i])) keep[i] = any = true;
    }
    if (!any) std::fill(keep.begin(), keep.end(), true);
  }
  std::vector<Transcription> chosen;
  for (std::size_t i = 0; i < readings.size(); ++i) {
    if (keep[i]) chosen.push_back(readings[i]);
  }
  return chosen.empty() ? readings : chosen;
}

std::vector<WordEntry> SelectForTable(std::vector<Candidate> candidates, std::size_t capacity,
                                      std::vector<Candidate>* dropped) {
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.frequency != b.frequency) return a.frequency > b.frequency;
    if (a.lemmaFrequency != b.lemmaFrequency) return a.lemmaFrequency > b.lemmaFrequency;
    if (a.entry.spelling != b.entry.spelling) return a.entry.spelling < b.entry.spelling;
    return a.entry.phonetic < b.entry.phonetic;
  });
  std::vector<WordEntry> kept;
  const std::size_t n = std::min(capacity, candidates.size());
  kept.reserve(n);
  for (std::size_t i = 0; i < n; ++i) kept.push_back(std::move(candidates[i].entry));
  if (dropped) dropped->assign(std::make_move_iterator(candidates.begin() + static_cast<std::ptrdiff_t>(n)),
                               std::make_move_iterator(candidates.end()));
  std::sort(kept.begin(), kept.end(), [](const WordEntry& a, const WordEntry& b) {
    if (a.phonetic != b.phonetic) return a.phonetic < b.phonetic;
    return a.spelling < b.spelling;
  });
  return kept;
}

std::optional<Transcription> ComposeLocution(std::string_view text, const PronunciationList& list,
                                             std::string* missing) {
  Transcription out;
  auto add = [&](std::string_view word) {
    const auto it = list.readings.find(ToUpper(word));
    if (it == list.readings.end()) return false;
    out.phonetic += it->second.front().phonetic;
    out.syllables += it->second.front().syllables;
    return true;
  };
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string_view word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (add(word)) continue;
    const std::size_t apostrophe = word.find('\'');
    if (apostrophe != std::string_view::npos && apostrophe + 1 < word.size() &&
        add(word.substr(0, apostrophe + 1)) && add(word.substr(apostrophe + 1))) {
      continue;
    }
    if (missing) *missing = std::string(word);
    return std::nullopt;
  }
  if (out.phonetic.empty()) return std::nullopt;
  return out;
}

BuildResult BuildDictionary(const Sources& sources, const BuildOptions& options) {
  BuildResult result;
  BuildReport& report = result.report;
  report.childVocabularyZipf = options.childVocabularyZipf;
  const FrequencyList& freq = sources.frequencies;
  const auto& pronunciations = sources.pronunciations.readings;

  std::array<std::vector<Candidate>, kTableCount> candidates;
  std::array<std::vector<std::string>, kLeftOutReasonCount> leftOut;
  std::unordered_set<std::string> usedPronunciations;

  auto isChildWord = [&](const std::string& spelling, int syllables) {
    return syllables <= 2 && Zipf(freq.Of(spelling)) >= options.childVocabularyZipf &&
           std::all_of(spelling.begin(), spelling.end(), [](char c) { return c != '-' && c != '\''; });
  };

  for (const auto& [form, analyses] : sources.morphology) {
    auto leave = [&](LeftOutReason why) { leftOut[static_cast<std::size_t>(why)].push_back(form); };
    if (HasUpper(form)) {
      leave(LeftOutReason::Capital);
      continue;
    }
    unsigned tables = 0;
    bool current = false;
    for (const Analysis& a : analyses) {
      if (a.reformOnly) continue;
      current = true;
      tables |= a.tables;
    }
    if (!current) {
      leave(LeftOutReason::ReformOnly);
      continue;
    }
    if (!tables) {
      leave(LeftOutReason::NoCategory);
      continue;
    }
    if (form.ends_with('\'')) {
      leave(LeftOutReason::Elided);
      continue;
    }
    if (!IsStorableSpelling(form)) {
      leave(LeftOutReason::Characters);
      continue;
    }
    if (form.size() > kMaxSpellingLength) {
      leave(LeftOutReason::TooLong);
      continue;
    }
    const std::string key = ToUpper(form);
    const auto found = pronunciations.find(key);
    if (found == pronunciations.end()) {
      leave(LeftOutReason::NoPronunciation);
      continue;
    }
    double lemmaFrequency = 0;
    for (const Analysis& a : analyses) {
      if (!a.reformOnly && a.tables) lemmaFrequency = std::max(lemmaFrequency, freq.Of(a.lemma));
    }
    bool stored = false;
    for (TableKind kind : kWordTableKinds) {
      if (!(tables & Bit(kind))) continue;
      for (const Transcription& r : ReadingsFor(form, kind, analyses, found->second)) {
        if (r.syllables < kMinWordSyllables || r.syllables > kMaxWordSyllables) continue;
        const auto marker = static_cast<std::int16_t>(isChildWord(form, r.syllables) ? 1 : 0);
        candidates[Index(kind)].push_back(
            {WordEntry{form, r.phonetic, static_cast<std::int16_t>(r.syllables), marker}, freq.Of(form), lemmaFrequency});
        stored = true;
      }
    }
    if (stored) {
      usedPronunciations.insert(key);
    } else {
      leave(LeftOutReason::Syllables);
    }
  }

  // The project's lists: every entry must be transcribable and fit the format.
  auto addListed = [&](const std::vector<ListedWord>& words, TableKind kind, bool locutions) -> bool {
    const char* file = locutions ? kLocutionListFile : kTabooListFile;
    for (const ListedWord& word : words) {
      if (word.text.size() > kMaxSpellingLength) {
        result.error = ListError(file, word, "d\xE9passe " + std::to_string(kMaxSpellingLength) + " caract\xE8res");
        return false;
      }
      std::vector<Transcription> readings;
      std::string missing;
      if (locutions && word.transcription.empty()) {
        if (auto r = ComposeLocution(word.text, sources.pronunciations, &missing)) readings.push_back(*r);
      } else {
        readings = ListedReadings(word, sources.pronunciations);
      }
      if (readings.empty()) {
        result.error = ListError(file, word,
                                 missing.empty() ? "est absent de la liste de prononciations ; donnez sa transcription"
                                                 : "contient \xAB" + missing + "\xBB, absent de la liste de prononciations");
        return false;
      }
      for (const Transcription& r : readings) {
        candidates[Index(kind)].push_back(
            {WordEntry{word.text, r.phonetic, static_cast<std::int16_t>(r.syllables), 0}, freq.Of(word.text), 0});
      }
    }
    return true;
  };
  if (!addListed(sources.taboo, TableKind::Taboo, false) || !addListed(sources.locutions, TableKind::Locutions, true)) {
    return result;
  }

  std::unordered_set<std::string> inWordTables;
  std::unordered_set<std::string> childSpellings;
  for (std::size_t t = 0; t < kTableCount; ++t) {
    TableReport& tr = report.tables[t];
    tr.candidates = candidates[t].size();
    std::vector<Candidate> dropped;
    std::vector<WordEntry> rows = SelectForTable(std::move(candidates[t]), options.capacities[t], &dropped);
    result.tables[t].Reset(options.capacities[t]);
    double lastKept = -1;
    for (WordEntry& e : rows) {
      if (t < std::size(kWordTableKinds)) {
        inWordTables.insert(e.spelling);
        if (e.marker == 1) {
          ++tr.marked;
          childSpellings.insert(e.spelling);
        }
      }
      const double f = freq.Of(e.spelling);
      lastKept = lastKept < 0 ? f : std::min(lastKept, f);
      result.tables[t].Append(std::move(e));
    }
    tr.rows = result.tables[t].Size();
    tr.lastKeptZipf = Zipf(std::max(lastKept, 0.0));
    tr.overCapacity.count = dropped.size();
    for (std::size_t i = 0; i < dropped.size() && i < kExamples; ++i) {
      tr.overCapacity.examples.push_back(dropped[i].entry.spelling);
    }
  }
  report.childSpellings = childSpellings.size();

  for (std::size_t r = 0; r < kLeftOutReasonCount; ++r) report.leftOut[r] = Count(leftOut[r], freq);

  std::vector<std::string> unused;
  for (const auto& [spelling, readings] : pronunciations) {
    if (!usedPronunciations.count(spelling)) unused.push_back(ToLower(spelling));
  }
  report.unusedPronunciations = Count(unused, freq);
  report.refusedTranscriptions = sources.pronunciations.refused;

  for (const std::string& form : freq.ranked) {
    if (report.coverageSample == kCoverageSample) break;
    if (!sources.morphology.count(form)) continue;
    ++report.coverageSample;
    if (inWordTables.count(form)) {
      ++report.coverageHits;
    } else if (report.coverageMisses.size() < 3 * kExamples) {
      report.coverageMisses.push_back(form);
    }
  }
  return result;
}

std::string FormatReport(const BuildReport& report) {
  static const char* const kReasons[kLeftOutReasonCount] = {
      "avec majuscule (noms propres, sigles)",
      "de la r\xE9" "forme de 1990 seulement",
      "sans cat\xE9gorie retenue (fragments de locutions, pr\xE9" "fixes, symboles)",
      "\xE9lid\xE9" "es (l', qu'...)",
      "avec un caract\xE8re hors des lettres minuscules, du trait d'union et de l'apostrophe",
      "trop longues (plus de 21 caract\xE8res)",
      "sans prononciation",
      "sans voyelle ou de plus de 9 syllabes",
  };
  auto examples = [](const std::vector<std::string>& words) {
    std::string s;
    for (const std::string& w : words) s += (s.empty() ? "" : ", ") + w;
    return s.empty() ? s : " (" + s + (words.size() >= kExamples ? "..." : "") + ")";
  };
  std::string out = "Tables \xE9" "crites :\n";
  for (std::size_t t = 0; t < kTableCount; ++t) {
    const TableReport& tr = report.tables[t];
    const TableInfo& info = InfoOf(static_cast<TableKind>(t));
    out += "  " + std::string(info.fileName) + " : " + std::to_string(tr.rows) + " lignes sur " +
           std::to_string(info.capacity) + " (" + std::to_string(tr.candidates) + " candidates";
    if (t < std::size(kWordTableKinds)) out += ", " + std::to_string(tr.marked) + " au marqueur 1";
    out += ")\n";
    if (tr.overCapacity.count) {
      out += "    faute de place : " + std::to_string(tr.overCapacity.count) + " \xE9" "cart\xE9" "es, la moins fr\xE9quente gard\xE9" "e au Zipf " +
             FormatZipf(tr.lastKeptZipf) + examples(tr.overCapacity.examples) + "\n";
    }
  }
  out += "Formes de la liste morphologique \xE9" "cart\xE9" "es :\n";
  for (std::size_t r = 0; r < kLeftOutReasonCount; ++r) {
    out += "  " + std::string(kReasons[r]) + " : " + std::to_string(report.leftOut[r].count) +
           examples(report.leftOut[r].examples) + "\n";
  }
  out += "Graphies de la liste de prononciations qu'aucune table n'a prises : " + std::to_string(report.unusedPronunciations.count) +
         examples(report.unusedPronunciations.examples) + "\n";
  out += "Transcriptions refus\xE9" "es : " + std::to_string(report.refusedTranscriptions.size()) + "\n";
  for (const std::string& r : report.refusedTranscriptions) out += "  " + r + "\n";
  out += "Vocabulaire r\xE9" "duit (une ou deux syllabes, Zipf >= " + FormatZipf(report.childVocabularyZipf) + ") : " +
         std::to_string(report.childSpellings) + " graphies\n";
  char share[32] = "0";
  if (report.coverageSample) {
    std::snprintf(share, sizeof share, "%.1f", 100.0 * static_cast<double>(report.coverageHits) /
                                                   static_cast<double>(report.coverageSample));
  }
  out += "Couverture : " + std::to_string(report.coverageHits) + " des " + std::to_string(report.coverageSample) +
         " formes les plus fr\xE9quentes connues de la liste morphologique sont dans une table, soit " + share +
         " %\n  absentes" + examples(report.coverageMisses) + "\n";
  return out;
}

}  // namespace tavilo::mkdict
