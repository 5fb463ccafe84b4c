#include "tools/mkdict/builder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "core/alignment.h"
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
    {"tous", TableKind::FunctionWords, ""},  // "tous" before a noun, "tousse" alone
    {"y", TableKind::Nouns, "igr3k"},        // the letter
    {"y", TableKind::FunctionWords, "i"},    // the pronoun
};

// Uses of a word that the morphological list lacks: portable is a noun too (the telephone, the
// computer). Added only to a form the list has.
struct MissingAnalysis {
  std::string_view form, lemma, tags;
};
constexpr MissingAnalysis kMissingAnalyses[] = {
    {"portable", "portable", ":N:m:s/*"},
    {"portables", "portable", ":N:m:p/*"},
};

// Words whose frequency is that of English text or of a first name, not of the French word
// spelled alike: never in the reduced vocabulary, however frequent.
constexpr std::string_view kForeignFrequency[] = {"boy", "fun", "girl", "go",  "home", "hot",
                                                  "in",  "julien", "live", "man", "out", "sir", "us"};

// Words after which a locution makes no liaison, and the words written with an h that allow one.
constexpr std::string_view kNoLiaisonAfter[] = {"et", "moulin", "sain"};
constexpr std::string_view kMuteH[] = {"heure", "heures", "homme", "hommes", "habitude", "hier", "hiver", "honneur"};

bool IsVowelCode(char c) {
  return std::string_view("aeiou0123456789").find(c) != std::string_view::npos && c != '7' && c != '9';
}

// Vowel letters of a spelling, accented ones included.
bool IsVowelLetter(unsigned char c) {
  return std::string_view("aeiouy").find(static_cast<char>(c)) != std::string_view::npos ||
         (c >= 0xE0 && c <= 0xE6) || (c >= 0xE8 && c <= 0xEF) || (c >= 0xF2 && c <= 0xF6) || (c >= 0xF9 && c <= 0xFD) ||
         c == 0xFF;
}

// Whether the walk of AlignFragment gives every phoneme of the row some letters (or a bullet).
// A sign no spelling holds ends the word, so that a phoneme the walk never reaches starts there.
bool WalkCoversEveryPhoneme(const std::string& spelling, const std::string& phonetic) {
  const int end = static_cast<int>(spelling.size()) + 1;
  for (std::size_t j = 1; j <= phonetic.size(); ++j) {
    const Alignment alignment = AlignFragment(spelling + '#', phonetic, static_cast<int>(j), 1);
    if (alignment.letterStart >= end || alignment.letterEnd <= alignment.letterStart) return false;
  }
  return true;
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

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
    if (auto r = ConvertLexique(word.text, SplitPhones(word.transcription)).transcription) return {*r};
    return {};
  }
  const auto it = list.readings.find(ToUpper(word.text));
  return it == list.readings.end() ? std::vector<Transcription>{} : it->second;
}

SourceError ListError(std::string_view file, const ListedWord& word, std::string_view why) {
  return SourceError{SourceError::Code::BadLine, std::string(file), word.line,
                     Quoted(word.text) + " " + std::string(why)};
}

std::string FormatZipf(double zipf) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", zipf);
  return buf;
}


// Adds to `readings` the reading of the table's category that the list lacks (see ReadingsFor).
std::vector<Transcription> WithDerivedReadings(std::string_view spelling, TableKind table,
                                               const std::vector<Analysis>& analyses,
                                               std::vector<Transcription> readings) {
  bool verb = false, thirdPlural = false, infinitive = false, other = false;
  for (const Analysis& a : analyses) {
    if (a.reformOnly || !(a.tables & Bit(table))) continue;
    const bool verbAnalysis = table == TableKind::Verbs;
    verb |= verbAnalysis;
    thirdPlural |= verbAnalysis && a.verbThirdPlural;
    infinitive |= verbAnalysis && a.infinitive;
    other |= !verbAnalysis && (table == TableKind::Nouns || table == TableKind::Adjectives);
  }
  auto none = [&](auto pred) { return std::none_of(readings.begin(), readings.end(), pred); };
  std::vector<Transcription> derived;
  auto derive = [&](auto change) {
    for (const Transcription& r : readings) {
      Transcription d = r;
      if (change(d) && std::find(readings.begin(), readings.end(), d) == readings.end() &&
          std::find(derived.begin(), derived.end(), d) == derived.end()) {
        derived.push_back(d);
      }
    }
  };
  if (verb && spelling.ends_with("tions") &&
      none([](const Transcription& r) { return r.phonetic.ends_with("t78"); })) {
    derive([](Transcription& d) {
      if (!d.phonetic.ends_with("s78")) return false;
      d.phonetic[d.phonetic.size() - 3] = 't';
      d.changes |= kVerbTions;
      return true;
    });
  }
  if (thirdPlural && spelling.ends_with("ent") && none([](const Transcription& r) { return !EndsNasal(r); })) {
    derive([](Transcription& d) {
      if (d.syllables < 2 || d.phonetic.back() != '5') return false;
      d.phonetic.pop_back();
      --d.syllables;
      d.changes |= kVerbEnt;
      return true;
    });
  }
  if (infinitive && spelling.ends_with("er") &&
      none([](const Transcription& r) { return r.phonetic.ends_with('2'); })) {
    derive([](Transcription& d) {
      const std::string& p = d.phonetic;
      if (p.size() < 3 || p.back() != 'r' || !IsVowelCode(p[p.size() - 2])) return false;
      d.phonetic.replace(p.size() - 2, 2, "2");
      d.changes |= kVerbEr;
      return true;
    });
  }
  if (other && spelling.ends_with("ent") && none([](const Transcription& r) { return EndsNasal(r); })) {
    derive([](Transcription& d) {
      d.phonetic += '5';
      ++d.syllables;
      d.changes |= kNounEnt;
      return true;
    });
  }
  readings.insert(readings.end(), derived.begin(), derived.end());
  return readings;
}

// The pronunciation list as the builder reads it: every reading normalised (NormaliseReading),
// then the corrections list's readings in place of the list's. The spellings the corrections
// list gives no reading go to `leftOut` (lower case).
PronunciationList CorrectedPronunciations(const Sources& sources, std::unordered_set<std::string>& leftOut) {
  PronunciationList list;
  list.refused = sources.pronunciations.refused;
  for (const auto& [spelling, readings] : sources.pronunciations.readings) {
    const std::string lower = ToLower(spelling);
    std::vector<Transcription>& out = list.readings[spelling];
    for (const Transcription& r : readings) {
      Transcription n = NormaliseReading(lower, r);
      if (std::find(out.begin(), out.end(), n) == out.end()) out.push_back(std::move(n));
    }
  }
  for (const ListedWord& c : sources.corrections) {
    std::vector<Transcription> readings;
    for (std::string_view reading : SplitReadings(c.transcription)) {
      if (auto r = ConvertLexique(c.text, SplitPhones(reading)).transcription) {
        r->changes = kCorrected;
        readings.push_back(*r);
      }
    }
    if (readings.empty()) {
      leftOut.insert(c.text);
    } else {
      list.readings[ToUpper(c.text)] = std::move(readings);
    }
  }
  return list;
}

// The written endings of a row as the rhyme tool learns their sound: every ending of at most
// kEndingMaxLetters letters that follows a letter the tool does not take as a vowel, with the
// phonemes the probe of the walk gives it. Computed once per spelling and phonetic form.
class EndingSounds {
 public:
  struct Ending {
    std::string letters;
    std::string sound;
    bool learnable;  // after a letter the rhyme tool does not take as a vowel
  };

  const std::vector<Ending>& Of(const WordEntry& row) {
    const auto [it, isNew] = cache_.try_emplace(row.spelling + '\x13' + row.phonetic);
    if (!isNew) return it->second;
    const std::string& s = row.spelling;
    for (std::size_t length = 1; length <= kEndingMaxLetters && length < s.size(); ++length) {
      std::string ending = s.substr(s.size() - length);
      if (ending.find_first_of("-'") != std::string::npos) break;
      std::optional<EndingSound> sound = SoundOfEnding(s, row.phonetic, ending);
      if (sound) it->second.push_back({std::move(ending), std::move(sound->phonemes), sound->afterNonVowel});
    }
    return it->second;
  }

 private:
  std::unordered_map<std::string, std::vector<Ending>> cache_;
};

// The vowel phonemes of a sound, which decide what it rhymes with.
std::string Vowels(std::string_view sound) {
  std::string vowels;
  for (char c : sound) {
    if (IsVowelCode(c)) vowels += c;
  }
  return vowels;
}

// The rhyme tool learns the sound of a typed ending from the first row, nouns to function words
// in table order, that ends with it. For each common ending (shared by kEndingMinRows rows, of
// which kEndingMajority sound it alike), the first row that sounds it otherwise, as less than
// kEndingOutlierShare of the rows do, with other vowels, is returned when
// `mayLeaveOut(row, walkFault)` allows (a rare word): a loanword read in English, or a reading
// whose walk leaves a phoneme without letters (walkFault), so that the ending is met too early. Keys are spelling + '\x13' +
// phonetic form.
template <typename MayLeaveOut>
std::set<std::string> MisleadingFirstRows(const std::array<std::vector<WordEntry>, kTableCount>& tables,
                                          EndingSounds& sounds, MayLeaveOut mayLeaveOut) {
  using Tally = std::unordered_map<std::string, std::unordered_map<std::string, std::size_t>>;
  std::array<Tally, std::size(kWordTableKinds) + 1> tally;  // per table, then all: ending -> sound -> rows
  struct First {
    std::string sound;
    const WordEntry* row;
    std::size_t table;
  };
  std::unordered_map<std::string, First> first;  // ending -> the row the rhyme tool learns from
  for (TableKind kind : kWordTableKinds) {
    std::unordered_set<std::string> seen;
    for (const WordEntry& row : tables[Index(kind)]) {
      const bool counted = seen.insert(row.spelling + '\x13' + row.phonetic).second;
      for (const EndingSounds::Ending& e : sounds.Of(row)) {
        if (counted) {
          ++tally[Index(kind)][e.letters][e.sound];
          ++tally[std::size(kWordTableKinds)][e.letters][e.sound];
        }
        if (e.learnable) first.try_emplace(e.letters, First{e.sound, &row, Index(kind)});
      }
    }
  }
  std::set<std::string> misleading;
  for (const auto& firstRow : first) {
    // Named references rather than a structured binding: the lambda below uses the ending, and
    // not every compiler lets a lambda capture a binding.
    const std::string& ending = firstRow.first;
    const First& found = firstRow.second;
    // The row's own table judges the ending where it has enough rows with it. A short ending
    // (-ez) is a rhyme typed on its own, searched in every table: where the row's table has few
    // rows with it, every word table judges it (fez, the first noun in -ez, against the verbs).
    bool judgedByAll = false;
    if (ending.size() <= kEndingShortLetters) {
      std::size_t rowsInTable = 0;
      for (const auto& [sound, n] : tally[found.table][ending]) rowsInTable += n;
      judgedByAll = rowsInTable < kEndingMinRows;
    }
    const auto& endingSounds = tally[judgedByAll ? std::size(kWordTableKinds) : found.table][ending];
    std::size_t total = 0, most = 0;
    for (const auto& [sound, n] : endingSounds) {
      total += n;
      most = std::max(most, n);
    }
    const std::string* usual = nullptr;
    for (const auto& [sound, n] : endingSounds) {
      if (n == most) usual = &sound;
    }
    const std::size_t share = endingSounds.at(found.sound);
    if (total < kEndingMinRows || share == most ||
        static_cast<double>(most) < kEndingMajority * static_cast<double>(total) ||
        static_cast<double>(share) >= kEndingOutlierShare * static_cast<double>(total) ||
        Vowels(found.sound) == Vowels(*usual) ||
        !mayLeaveOut(*found.row, !WalkCoversEveryPhoneme(found.row->spelling, found.row->phonetic))) {
      continue;
    }
    misleading.insert(found.row->spelling + '\x13' + found.row->phonetic);
  }
  return misleading;
}

MorphologyList WithMissingAnalyses(const MorphologyList& source) {
  MorphologyList out = source;
  for (const MissingAnalysis& m : kMissingAnalyses) {
    const auto it = out.find(std::string(m.form));
    if (it == out.end()) continue;
    Analysis a = ParseTags(m.tags);
    a.lemma = m.lemma;
    if (std::find(it->second.begin(), it->second.end(), a) == it->second.end()) it->second.push_back(std::move(a));
  }
  return out;
}

// What the steps of the build share: the sources as corrected and completed, and the project's
// lists as sets.
struct BuildInputs {
  BuildInputs(const Sources& sources_, const BuildOptions& options_)
      : sources(sources_), options(options_), freq(sources_.frequencies),
        list(CorrectedPronunciations(sources_, correctedOut)), morphology(WithMissingAnalyses(sources_.morphology)) {
    for (const ListedWord& w : sources.taboo) taboo.insert(w.text);
    for (const ListedWord& w : sources.childWords) childList.insert(w.text);
    for (const ListedWord& w : sources.corrections) corrected.insert(w.text);
  }

  const Sources& sources;
  const BuildOptions& options;
  const FrequencyList& freq;
  std::unordered_set<std::string> correctedOut;  // spellings the corrections list leaves out
  const PronunciationList list;
  const MorphologyList morphology;
  std::unordered_set<std::string> taboo, childList, corrected;
};

using Candidates = std::array<std::vector<Candidate>, kTableCount>;

// Which rows of the reduced (child's) vocabulary a spelling's rows are, and the spellings the
// report names: frequent but taboo, frequent but mostly a proper name, marked for the list alone.
class ChildMarker {
 public:
  explicit ChildMarker(const BuildInputs& in) : in_(in) {
    for (const auto& [form, analyses] : in.morphology) {
      for (const Analysis& a : analyses) {
        if (!a.reformOnly && a.tables) formsOfLemma_[a.lemma].push_back(&form);
      }
    }
  }

  std::int16_t Of(const std::string& form, const std::vector<Analysis>& analyses, int syllables) {
    if (syllables > 2 || std::find(std::begin(kForeignFrequency), std::end(kForeignFrequency), form) !=
                             std::end(kForeignFrequency)) {
      return 0;
    }
    const bool frequent = Zipf(in_.freq.Of(form)) >= in_.options.childVocabularyZipf &&
                          form.find_first_of("-'") == std::string::npos;
    if (in_.taboo.count(form)) {
      if (frequent) taboo.push_back(form);
      return 0;
    }
    if (in_.childList.count(form)) {
      if (!frequent) listed.push_back(form);
      return 1;
    }
    if (!frequent) return 0;
    if (MostlyProperName(form, analyses)) {
      properNames.push_back(form);
      return 0;
    }
    return 1;
  }

  std::vector<std::string> taboo, properNames, listed;

 private:
  // A noun whose capitalised spelling is a proper name and that is far more frequent than any
  // other form of its lemma (jacques, robert, hollande): the frequency is the name's.
  bool MostlyProperName(const std::string& form, const std::vector<Analysis>& analyses) {
    std::string capital = form;
    capital[0] = ToUpper(capital[0]);
    const auto it = in_.morphology.find(capital);
    if (it == in_.morphology.end() ||
        std::none_of(it->second.begin(), it->second.end(), [](const Analysis& a) { return a.properName; })) {
      return false;
    }
    double sibling = 0;
    for (const Analysis& a : analyses) {
      if (a.reformOnly || !a.tables) continue;
      if (a.tables != Bit(TableKind::Nouns)) return false;
      sibling = std::max(sibling, a.lemma == form ? 0.0 : in_.freq.Of(a.lemma));
      for (const std::string* other : formsOfLemma_[a.lemma]) {
        if (*other != form) sibling = std::max(sibling, in_.freq.Of(*other));
      }
    }
    return Zipf(in_.freq.Of(form)) - Zipf(sibling) > kProperNameZipfLead;
  }

  const BuildInputs& in_;
  // The forms of each lemma, to tell a proper name from the common word spelled alike.
  std::unordered_map<std::string, std::vector<const std::string*>> formsOfLemma_;
};

// Why a form of the morphological list cannot be a row whatever its readings, if it cannot.
std::optional<LeftOutReason> UnstorableForm(const std::string& form, const std::vector<Analysis>& analyses,
                                            const BuildInputs& in) {
  if (HasUpper(form)) return LeftOutReason::Capital;
  unsigned tables = 0;
  bool current = false;
  for (const Analysis& a : analyses) {
    if (a.reformOnly) continue;
    current = true;
    tables |= a.tables;
  }
  if (!current) return LeftOutReason::ReformOnly;
  if (!tables) return LeftOutReason::NoCategory;
  if (form.ends_with('\'')) return LeftOutReason::Elided;
  if (!IsStorableSpelling(form)) return LeftOutReason::Characters;
  if (form.size() > kMaxSpellingLength) return LeftOutReason::TooLong;
  if (form.size() > 1 &&
      std::none_of(form.begin(), form.end(), [](char c) { return IsVowelLetter(static_cast<unsigned char>(c)); })) {
    return LeftOutReason::NoVowelLetter;
  }
  if (in.correctedOut.count(form)) return LeftOutReason::Corrected;
  return std::nullopt;
}

// The rows the morphological list's forms give each table, before any table is filled.
struct Gathered {
  Candidates candidates;
  std::array<std::vector<std::string>, kLeftOutReasonCount> leftOut;  // forms, by LeftOutReason
  std::unordered_set<std::string> usedPronunciations;                // keys of the pronunciation list
  std::unordered_set<std::string> participleOnlyAdjectives;          // adjectives only as a verb's participle
};

// The candidate rows of one storable form, in every table its analyses name; says whether it has
// any reading at all and whether a row was kept.
struct FormRows {
  bool read = false;
  bool stored = false;
};

FormRows AddFormRows(const std::string& form, const std::vector<Analysis>& analyses,
                     const std::vector<Transcription>& own, const BuildInputs& in, ChildMarker& marker,
                     Gathered& out) {
  unsigned tables = 0;
  double lemmaFrequency = 0;
  bool adjective = false, verb = false, infinitive = false, participle = false;
  for (const Analysis& a : analyses) {
    if (a.reformOnly || !a.tables) continue;
    tables |= a.tables;
    lemmaFrequency = std::max(lemmaFrequency, in.freq.Of(a.lemma));
    const bool isVerb = (a.tables & Bit(TableKind::Verbs)) != 0;
    verb |= isVerb;
    adjective |= !isVerb && (a.tables & Bit(TableKind::Adjectives));
    infinitive |= isVerb && a.infinitive;
    participle |= isVerb && a.participle;
  }
  if (verb && !adjective && (tables & Bit(TableKind::Adjectives))) out.participleOnlyAdjectives.insert(form);
  const double compound = in.freq.Of(form) > 0 ? 0 : CompoundFrequency(form, in.freq);
  FormRows done{!own.empty(), false};
  for (TableKind kind : kWordTableKinds) {
    if (!(tables & Bit(kind))) continue;
    const int rankClass = kind != TableKind::Verbs ? 0 : infinitive ? 0 : participle ? 1 : 2;
    std::vector<Transcription> readings = ReadingsFor(form, kind, analyses, own);
    // A plural reads as its singular (its ending is silent), unless French says it otherwise or
    // the corrections list reads it; a plural the pronunciation list lacks is read so too.
    const std::optional<std::string> singular = SingularOf(form, kind, in.morphology);
    if (singular && !IsPluralSaidOtherwise(form) && !in.corrected.count(form)) {
      if (const auto s = in.list.readings.find(ToUpper(*singular)); s != in.list.readings.end()) {
        std::vector<Transcription> same = ReadingsFor(*singular, kind, in.morphology.at(*singular), s->second);
        if (!std::is_permutation(same.begin(), same.end(), readings.begin(), readings.end())) {
          for (Transcription& r : same) r.changes |= kPlural;
          readings = std::move(same);
        }
      }
    }
    done.read |= !readings.empty();
    for (const Transcription& r : readings) {
      if (r.syllables < kMinWordSyllables || r.syllables > kMaxWordSyllables) continue;
      // A plural is marked as its singular is, unless the child list names it; a letter's
      // frequency is that of the elided l', s', d'... and never marks it.
      std::int16_t mark = marker.Of(form, analyses, r.syllables);
      if (singular && !in.taboo.count(form) && !in.childList.count(form)) {
        mark = marker.Of(*singular, in.morphology.at(*singular), r.syllables);
      }
      if (kind == TableKind::Nouns && form.size() == 1) mark = 0;
      Candidate c{WordEntry{form, r.phonetic, static_cast<std::int16_t>(r.syllables), mark},
                  compound > 0 ? compound : in.freq.Of(form), lemmaFrequency, rankClass, r.changes, compound > 0};
      out.candidates[Index(kind)].push_back(std::move(c));
      done.stored = true;
    }
  }
  return done;
}

// Every form of the morphological list as candidate rows of the word tables, or as left out.
Gathered GatherWordCandidates(const BuildInputs& in, ChildMarker& marker) {
  Gathered out;
  const std::vector<Transcription> noReading;
  for (const auto& [form, analyses] : in.morphology) {
    if (const auto why = UnstorableForm(form, analyses, in)) {
      out.leftOut[static_cast<std::size_t>(*why)].push_back(form);
      continue;
    }
    const std::string key = ToUpper(form);
    const auto found = in.list.readings.find(key);
    const FormRows rows =
        AddFormRows(form, analyses, found == in.list.readings.end() ? noReading : found->second, in, marker, out);
    if (!rows.read) {
      out.leftOut[static_cast<std::size_t>(LeftOutReason::NoPronunciation)].push_back(form);
    } else if (!rows.stored) {
      out.leftOut[static_cast<std::size_t>(LeftOutReason::Syllables)].push_back(form);
    }
    if (rows.stored && found != in.list.readings.end()) out.usedPronunciations.insert(key);
  }
  return out;
}

// A rare word that reads a common ending unlike nearly all the others (a loanword read in
// English) must not be the one the rhyme tool learns the ending's sound from: such rows are
// taken out of the candidates, and the rows that take their place are checked in turn. The
// corrections list's readings are deliberate. Returns the rows taken out ("spelling /phonetic/").
std::vector<std::string> RemoveMisleadingEndings(Candidates& candidates, const BuildInputs& in) {
  EndingSounds sounds;
  std::vector<std::string> removed;
  // A word read right whose walk goes astray is left out only when it is rarer.
  const auto mayLeaveOut = [&in](const WordEntry& row, bool walkFault) {
    return !in.corrected.count(row.spelling) &&
           Zipf(in.freq.Of(row.spelling)) < (walkFault ? kWalkFaultZipf : kEndingOutlierZipf);
  };
  for (;;) {
    std::array<std::vector<WordEntry>, kTableCount> trial;
    for (TableKind kind : kWordTableKinds) {
      trial[Index(kind)] = SelectForTable(candidates[Index(kind)], in.options.capacities[Index(kind)]);
    }
    const std::set<std::string> misleading = MisleadingFirstRows(trial, sounds, mayLeaveOut);
    if (misleading.empty()) break;
    for (TableKind kind : kWordTableKinds) {
      auto& rows = candidates[Index(kind)];
      rows.erase(std::remove_if(rows.begin(), rows.end(),
                                [&](const Candidate& c) {
                                  if (!misleading.count(c.entry.spelling + '\x13' + c.entry.phonetic)) return false;
                                  removed.push_back(c.entry.spelling + " /" + c.entry.phonetic + "/");
                                  return true;
                                }),
                 rows.end());
    }
  }
  std::sort(removed.begin(), removed.end());
  removed.erase(std::unique(removed.begin(), removed.end()), removed.end());
  return removed;
}

// The rows of one of the project's lists (taboo words, or locutions): every entry must be
// transcribable and fit the format. Returns the error that names the faulty entry, if any.
std::optional<SourceError> AddListedWords(const std::vector<ListedWord>& words, TableKind kind, const BuildInputs& in,
                                         Candidates& candidates) {
  const bool locutions = kind == TableKind::Locutions;
  const char* file = locutions ? kLocutionListFile : kTabooListFile;
  for (const ListedWord& word : words) {
    if (word.text.size() > kMaxSpellingLength) {
      return ListError(file, word, "d\xE9passe " + std::to_string(kMaxSpellingLength) + " caract\xE8res");
    }
    std::vector<Transcription> readings;
    std::string missing;
    if (locutions && word.transcription.empty()) {
      ComposedLocution composed = ComposeLocution(word.text, in.list);
      if (composed.reading) readings.push_back(std::move(*composed.reading));
      missing = std::move(composed.missingWord);
    } else {
      readings = ListedReadings(word, in.list);
    }
    if (readings.empty()) {
      return ListError(file, word,
                       missing.empty() ? "est absent de la liste de prononciations ; donnez sa transcription"
                                       : "contient " + Quoted(missing) + ", absent de la liste de prononciations");
    }
    for (const Transcription& r : readings) {
      candidates[Index(kind)].push_back({WordEntry{word.text, r.phonetic, static_cast<std::int16_t>(r.syllables), 0},
                                         in.freq.Of(word.text), 0, 0, r.changes, false});
    }
  }
  return std::nullopt;
}

// The spellings the filled word tables hold, all of them and those of the reduced vocabulary.
struct TableSpellings {
  std::unordered_set<std::string> all, child;
};

// Fills each table with the candidates it keeps, within its capacity, and its part of the report.
TableSpellings FillTables(Candidates& candidates, const Gathered& gathered, const BuildInputs& in,
                          BuildResult& result) {
  TableSpellings spellings;
  for (std::size_t t = 0; t < kTableCount; ++t) {
    TableReport& tr = result.report.tables[t];
    tr.candidates = candidates[t].size();
    std::vector<Candidate> dropped, kept;
    std::vector<WordEntry> rows = SelectForTable(std::move(candidates[t]), in.options.capacities[t], &dropped, &kept);
    for (const Candidate& c : kept) {
      for (std::size_t b = 0; b < kReadingChangeCount; ++b) {
        if (c.changes & (1u << b)) ++tr.changed[b];
      }
      if (c.compound) ++tr.compounds;
      if (static_cast<TableKind>(t) == TableKind::Verbs) {
        tr.infinitives += c.rankClass == 0;
        tr.participles += c.rankClass == 1;
      }
      if (static_cast<TableKind>(t) == TableKind::Adjectives &&
          gathered.participleOnlyAdjectives.count(c.entry.spelling)) {
        ++tr.participleAdjectives;
      }
    }
    result.tables[t].Reset(in.options.capacities[t]);
    double lastKept = -1;
    for (WordEntry& e : rows) {
      if (t < std::size(kWordTableKinds)) {
        spellings.all.insert(e.spelling);
        if (e.marker == 1) {
          ++tr.marked;
          spellings.child.insert(e.spelling);
        }
      }
      const double f = in.freq.Of(e.spelling);
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
  return spellings;
}

// The words of a report line: each once, in byte order, with how many there are.
WordCount Distinct(std::vector<std::string> words, const FrequencyList& freq) {
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return Count(words, freq);
}

// The report's account of the sources: what was left out and why, the pronunciations no row
// took, and how many of the most frequent words the word tables hold.
void ReportSources(const Gathered& gathered, const TableSpellings& spellings, const BuildInputs& in,
                   BuildReport& report) {
  for (std::size_t r = 0; r < kLeftOutReasonCount; ++r) report.leftOut[r] = Count(gathered.leftOut[r], in.freq);

  std::vector<std::string> unused;
  for (const auto& [spelling, readings] : in.list.readings) {
    if (!gathered.usedPronunciations.count(spelling)) unused.push_back(ToLower(spelling));
  }
  report.unusedPronunciations = Count(unused, in.freq);
  report.refusedTranscriptions = in.sources.pronunciations.refused;

  for (const std::string& form : in.freq.ranked) {
    if (report.coverageSample == kCoverageSample) break;
    if (!in.morphology.count(form)) continue;
    ++report.coverageSample;
    if (spellings.all.count(form)) {
      ++report.coverageHits;
    } else if (report.coverageMisses.size() < 3 * kExamples) {
      report.coverageMisses.push_back(form);
    }
  }
}

}  // namespace

std::array<std::size_t, kTableCount> BuildOptions::DefaultCapacities() {
  std::array<std::size_t, kTableCount> caps{};
  for (std::size_t i = 0; i < kTableCount; ++i) caps[i] = InfoOf(static_cast<TableKind>(i)).capacity;
  return caps;
}

double Zipf(double frequency) { return frequency > 0 ? std::log10(frequency) + 9.0 : 0.0; }

Transcription NormaliseReading(std::string_view spelling, Transcription reading) {
  std::string& p = reading.phonetic;
  const std::size_t lastVowel = [&] {
    for (std::size_t j = p.size(); j-- > 0;) {
      if (IsVowelCode(p[j])) return j;
    }
    return std::string::npos;
  }();
  bool walkChecked = false, walkCovers = false;
  for (std::size_t j = 0; j < p.size(); ++j) {
    if (p[j] != '1') continue;
    if (j == lastVowel && j + 1 < p.size()) continue;  // a closed last syllable: hunter, flipper
    const Alignment alignment = AlignFragment(spelling, p, static_cast<int>(j) + 1, 1);
    if (alignment.letterEnd - alignment.letterStart != 1) continue;
    // The e is the letter at `at`; a mute e follows a consonant letter or the u of qu and gu (the
    // ue of cueillir and orgueil is an eu) and never closes its syllable with an r (overdose).
    const auto at = static_cast<std::size_t>(alignment.letterStart) - 1;
    const std::string& w = alignment.spelling;
    auto letter = [&](std::size_t k) { return k < w.size() ? static_cast<unsigned char>(w[k]) : '\0'; };
    if (w[at] != 'e' || at == 0) continue;
    const bool afterQuGu = at >= 2 && letter(at - 1) == 'u' && (letter(at - 2) == 'q' || letter(at - 2) == 'g') &&
                           !(letter(at + 1) == 'i' && letter(at + 2) == 'l');
    if ((IsVowelLetter(letter(at - 1)) && !afterQuGu) ||
        (letter(at + 1) == 'r' && letter(at + 2) && !IsVowelLetter(letter(at + 2)))) {
      continue;
    }
    // Where the walk goes astray (flirter), the letter it pairs with the eu proves nothing.
    if (!walkChecked) {
      walkChecked = true;
      walkCovers = WalkCoversEveryPhoneme(std::string(spelling), p);
    }
    if (!walkCovers) break;
    p[j] = 'e';
    reading.changes |= kMuteE;
  }
  // A final mute e after a consonant is never heard in a word that has another vowel; the
  // pronoun of "dis-le" is, and so is the que of lorsque, puisque, quoique.
  const std::string_view lastPart = spelling.substr(spelling.find_last_of("-' ") + 1);
  if (p.size() >= 3 && p.back() == 'e' && !IsVowelCode(p[p.size() - 2]) && reading.syllables >= 2 &&
      lastPart.size() > 2 && !lastPart.ends_with("que") && (lastPart.ends_with('e') || lastPart.ends_with("es") || lastPart.ends_with("ent"))) {
    p.pop_back();
    --reading.syllables;
    reading.changes |= kFinalMuteE;
  }
  return reading;
}

double CompoundFrequency(std::string_view spelling, const FrequencyList& freq) {
  if (spelling.find('-') == std::string_view::npos) return 0;
  double rarest = -1;
  for (std::string_view part : SplitWords(spelling, "-'")) {
    const double f = freq.Of(std::string(part));
    rarest = rarest < 0 ? f : std::min(rarest, f);
  }
  return rarest > 0 ? rarest * std::pow(10.0, -kCompoundZipfPenalty) : 0;
}

std::string FrequencyFileText(const std::array<WordTable, kTableCount>& tables, const FrequencyList& freq) {
  std::vector<std::string_view> spellings;
  for (const WordTable& table : tables) {
    for (const WordRow row : table) spellings.push_back(row.spelling);
  }
  std::sort(spellings.begin(), spellings.end());
  spellings.erase(std::unique(spellings.begin(), spellings.end()), spellings.end());
  std::string text;
  for (std::string_view spelling : spellings) {
    double zipf = Zipf(freq.Of(std::string(spelling)));
    if (zipf <= 0) {
      double lowest = 0;
      for (std::string_view part : SplitWords(spelling, " -'")) {
        const double value = Zipf(freq.Of(std::string(part)));
        if (value > 0 && (lowest == 0 || value < lowest)) lowest = value;
      }
      zipf = lowest > 0 ? std::max(lowest - 1.0, 0.1) : 0.0;
    }
    const long tenths = std::clamp(std::lround(zipf * 10), 0L, 99L);
    text.append(spelling).append(1, '\t');
    text.append(1, static_cast<char>('0' + tenths / 10)).append(1, '.').append(1, static_cast<char>('0' + tenths % 10));
    text.append(1, '\n');
  }
  return text;
}

std::optional<std::string> SingularOf(const std::string& form, TableKind table, const MorphologyList& morphology) {
  if (table != TableKind::Nouns && table != TableKind::Adjectives) return std::nullopt;
  const auto it = morphology.find(form);
  if (it == morphology.end() || !(form.ends_with('s') || form.ends_with('x'))) return std::nullopt;
  std::string singular = form.substr(0, form.size() - 1);
  const auto single = morphology.find(singular);
  if (single == morphology.end()) return std::nullopt;
  bool any = false;
  for (const Analysis& p : it->second) {
    if (p.reformOnly || !(p.tables & Bit(table))) continue;
    const auto singularOfP = [&](const Analysis& s) {
      return !s.reformOnly && (s.tables & Bit(table)) && s.number == 's' && s.lemma == p.lemma &&
             (s.gender == p.gender || s.gender == 'e' || p.gender == 'e');
    };
    const bool paired = p.number == 'p' && std::any_of(single->second.begin(), single->second.end(), singularOfP);
    if (!paired) return std::nullopt;
    any = true;
  }
  if (!any) return std::nullopt;
  return singular;
}

bool IsPluralSaidOtherwise(std::string_view form) { return form == "oeufs" || form == "boeufs"; }

std::vector<std::string> PluralsReadApart(const std::array<WordTable, kTableCount>& tables,
                                          const MorphologyList& morphology) {
  std::vector<std::string> apart;
  for (TableKind kind : {TableKind::Nouns, TableKind::Adjectives}) {
    std::map<std::string, std::set<std::string>> readings;  // spelling -> phonetic forms
    for (const WordRow row : tables[Index(kind)]) readings[std::string(row.spelling)].emplace(row.phonetic);
    for (const auto& [form, own] : readings) {
      if (IsPluralSaidOtherwise(form)) continue;
      const std::optional<std::string> singular = SingularOf(form, kind, morphology);
      if (!singular) continue;
      const auto found = readings.find(*singular);
      if (found == readings.end() || found->second == own) continue;
      auto list = [](const std::set<std::string>& phonetics) {
        std::string s;
        for (const std::string& p : phonetics) s += (s.empty() ? "/" : ", /") + p + "/";
        return s;
      };
      apart.push_back(std::string(InfoOf(kind).fileName) + " : " + form + " " + list(own) + " " + *singular + " " +
                      list(found->second));
    }
  }
  return apart;
}

bool IsStorableSpelling(std::string_view spelling) {
  if (spelling.empty()) return false;
  return std::all_of(spelling.begin(), spelling.end(), [](char ch) {
    const auto c = static_cast<unsigned char>(ch);
    // š œ ž (128-159) and ß have no place in the stored spelling; œ is spelled out before.
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c != 0xF7) || c == '-' || c == '\'';
  });
}

std::vector<Transcription> ReadingsFor(std::string_view spelling, TableKind table, const std::vector<Analysis>& analyses,
                                       const std::vector<Transcription>& sourceReadings) {
  std::vector<Transcription> readings = WithDerivedReadings(spelling, table, analyses, sourceReadings);
  // A verb form in -ai (j'ai, je chanterai, j'allai) ends in é; the list reads it è like -ais.
  if (table == TableKind::Verbs && spelling.ends_with("ai")) {
    std::vector<Transcription> closed;
    for (Transcription r : readings) {
      if (r.phonetic.ends_with('3')) {
        r.phonetic.back() = '2';
        r.changes |= kVerbAi;
      }
      if (std::find(closed.begin(), closed.end(), r) == closed.end()) closed.push_back(std::move(r));
    }
    readings = std::move(closed);
  }
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
                                      std::vector<Candidate>* dropped, std::vector<Candidate>* keptCandidates) {
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.rankClass != b.rankClass) return a.rankClass < b.rankClass;
    if (a.frequency != b.frequency) return a.frequency > b.frequency;
    if (a.lemmaFrequency != b.lemmaFrequency) return a.lemmaFrequency > b.lemmaFrequency;
    if (a.entry.spelling != b.entry.spelling) return a.entry.spelling < b.entry.spelling;
    return a.entry.phonetic < b.entry.phonetic;
  });
  std::vector<WordEntry> kept;
  const std::size_t n = std::min(capacity, candidates.size());
  kept.reserve(n);
  for (std::size_t i = 0; i < n; ++i) kept.push_back(candidates[i].entry);
  if (dropped) dropped->assign(std::make_move_iterator(candidates.begin() + static_cast<std::ptrdiff_t>(n)),
                               std::make_move_iterator(candidates.end()));
  if (keptCandidates) {
    candidates.resize(n);
    *keptCandidates = std::move(candidates);
  }
  std::sort(kept.begin(), kept.end(), [](const WordEntry& a, const WordEntry& b) {
    if (a.phonetic != b.phonetic) return a.phonetic < b.phonetic;
    return a.spelling < b.spelling;
  });
  return kept;
}

ComposedLocution ComposeLocution(std::string_view text, const PronunciationList& list) {
  Transcription out;
  std::string_view previous;  // the word before, when its last letter may be heard in liaison
  auto add = [&](std::string_view word) {
    const auto it = list.readings.find(ToUpper(word));
    if (it == list.readings.end()) return false;
    const Transcription& r = it->second.front();
    if (!previous.empty() && !r.phonetic.empty() && IsVowelCode(r.phonetic.front()) && !out.phonetic.empty() &&
        IsVowelCode(out.phonetic.back()) &&
        (!word.starts_with('h') || std::find(std::begin(kMuteH), std::end(kMuteH), word) != std::end(kMuteH))) {
      const char last = previous.back();
      const char sound = last == 'd' || last == 't' ? 't' : last == 's' || last == 'x' || last == 'z' ? 'z'
                         : last == 'n'                                                ? 'n'
                                                                                      : '\0';
      if (sound) {
        out.phonetic += sound;
        out.changes |= kLiaison;
      }
    }
    out.phonetic += r.phonetic;
    out.syllables += r.syllables;
    out.changes |= r.changes;
    const bool noLiaison =
        std::find(std::begin(kNoLiaisonAfter), std::end(kNoLiaisonAfter), word) != std::end(kNoLiaisonAfter);
    previous = noLiaison || word.ends_with('\'') ? std::string_view() : word;
    return true;
  };
  for (std::string_view word : SplitWords(text, " ")) {
    if (add(word)) continue;
    const std::size_t apostrophe = word.find('\'');
    if (apostrophe != std::string_view::npos && apostrophe + 1 < word.size() &&
        add(word.substr(0, apostrophe + 1)) && add(word.substr(apostrophe + 1))) {
      continue;
    }
    return {std::nullopt, std::string(word)};
  }
  if (out.phonetic.empty()) return {};
  return {std::move(out), {}};
}

BuildResult BuildDictionary(const Sources& sources, const BuildOptions& options) {
  BuildResult result;
  BuildReport& report = result.report;
  report.childVocabularyZipf = options.childVocabularyZipf;
  const BuildInputs in(sources, options);

  ChildMarker marker(in);
  Gathered gathered = GatherWordCandidates(in, marker);
  Candidates& candidates = gathered.candidates;

  std::vector<std::string> removed = RemoveMisleadingEndings(candidates, in);
  report.endingOutliers.count = removed.size();
  removed.resize(std::min(removed.size(), 4 * kExamples));
  report.endingOutliers.examples = std::move(removed);

  for (const auto& [words, kind] : {std::pair{&sources.taboo, TableKind::Taboo},
                                    std::pair{&sources.locutions, TableKind::Locutions}}) {
    if (auto error = AddListedWords(*words, kind, in, candidates)) {
      result.error = std::move(error);
      return result;
    }
  }

  const TableSpellings spellings = FillTables(candidates, gathered, in, result);
  report.childSpellings = spellings.child.size();
  report.pluralsReadApart = PluralsReadApart(result.tables, in.morphology);
  // Every word of the child list must be in the reduced vocabulary: a word the tables lack or
  // that has more than two syllables is a fault of the list.
  for (const ListedWord& w : sources.childWords) {
    if (!spellings.child.count(w.text)) {
      result.error = ListError(kChildListFile, w, "n'est dans aucune table avec une ou deux syllabes");
      return result;
    }
  }
  report.childTaboo = Distinct(std::move(marker.taboo), in.freq);
  report.childProperNames = Distinct(std::move(marker.properNames), in.freq);
  report.childListed = Distinct(std::move(marker.listed), in.freq);
  ReportSources(gathered, spellings, in, report);
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
      "sans lettre voyelle (symboles d'unit\xE9s : km, mm)",
      "\xE9" "cart\xE9" "es par la liste des corrections",
  };
  static const char* const kChanges[kReadingChangeCount] = {
      ("e muet \xE9" "crit e (le, premier)"),  // one string: clang would suspect a missing comma
      "e muet final supprim\xE9 (blanche, \xE9rable)",
      "lecture de la liste des corrections",
      "verbe en -tions lu t78",
      "verbe en -ent (3e personne du pluriel) sans la nasale finale",
      "nom ou adjectif en -ent avec la nasale finale",
      "infinitif en -er lu \xE9",
      "liaison dans une locution",
      "forme verbale en -ai lue \xE9 (chanterai)",
      "pluriel lu comme son singulier",
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
  out += "Lignes gard\xE9" "es par r\xE8gle :\n";
  for (std::size_t b = 0; b < kReadingChangeCount; ++b) {
    out += "  " + std::string(kChanges[b]) + " :";
    for (std::size_t t = 0; t < kTableCount; ++t) {
      out.append(" ").append(InfoOf(static_cast<TableKind>(t)).fileName).append(" ");
      out += std::to_string(report.tables[t].changed[b]);
    }
    out += "\n";
  }
  out += "  mots compos\xE9s class\xE9s par leurs parties :";
  for (TableKind kind : kWordTableKinds) {
    out += " " + std::string(InfoOf(kind).fileName) + " " + std::to_string(report.tables[Index(kind)].compounds);
  }
  const TableReport& verbs = report.tables[Index(TableKind::Verbs)];
  out += "\n  verbes : " + std::to_string(verbs.infinitives) + " infinitifs, " + std::to_string(verbs.participles) +
         " participes, " + std::to_string(verbs.rows - verbs.infinitives - verbs.participles) + " autres formes\n";
  out += "  participes dans les adjectifs : " +
         std::to_string(report.tables[Index(TableKind::Adjectives)].participleAdjectives) + "\n";
  out += "  lignes \xE9" "cart\xE9" "es pour une terminaison lue autrement que presque tous les mots qui l'ont : " +
         std::to_string(report.endingOutliers.count) + examples(report.endingOutliers.examples) + "\n";
  out += "Pluriels lus autrement que leur singulier : " + std::to_string(report.pluralsReadApart.size()) + "\n";
  for (const std::string& p : report.pluralsReadApart) out += "  " + p + "\n";
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
  out += "  tabous jamais marqu\xE9s : " + std::to_string(report.childTaboo.count) + examples(report.childTaboo.examples) + "\n";
  out += "  surtout des noms propres, non marqu\xE9s : " + std::to_string(report.childProperNames.count) +
         examples(report.childProperNames.examples) + "\n";
  out += "  marqu\xE9s par la liste enfant.txt seulement : " + std::to_string(report.childListed.count) +
         examples(report.childListed.examples) + "\n";
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
