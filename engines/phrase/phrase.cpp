// The sentence-spoonerism search: the readings of every word, the exchanges between two words
// (and the rotations among three) whose new forms are words, the spelling of each new word, the
// rebuilt sentence and the score.
#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "core/alignment.h"
#include "core/graphemes.h"
#include "core/text.h"
#include "engines/phrase/phrase.h"
#include "engines/phrase/phrase_internal.h"

namespace tavilo {

using namespace phrase_internal;

namespace {

// Every table a word of the sentence may be read in, in the order input validation looks.
constexpr TableKind kTables[] = {TableKind::Locutions, TableKind::Nouns,         TableKind::Adjectives,
                                 TableKind::Verbs,     TableKind::FunctionWords, TableKind::Taboo};

unsigned Bit(TableKind kind) { return 1u << static_cast<unsigned>(kind); }

// é and è are one sound here.
char Merged(char c) { return c == '3' ? '2' : c; }

bool SameMerged(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Merged(a[i]) != Merged(b[i])) return false;
  }
  return true;
}

std::uint64_t MergedHash(std::string_view form) {
  std::uint64_t h = 14695981039346656037ull;
  for (char c : form) {
    h ^= static_cast<unsigned char>(Merged(c));
    h *= 1099511628211ull;
  }
  return h;
}

bool IsVowelCode(char c) {
  const int row = GraphemeRowOf(c);
  return row >= 0 && row <= 14;
}

// 1 when every code is a consonant, 2 when every code is a vowel, 0 for a mix.
int SoundClass(std::string_view fragment) {
  if (std::all_of(fragment.begin(), fragment.end(), [](char c) { return !IsVowelCode(c); })) return 1;
  if (std::all_of(fragment.begin(), fragment.end(), IsVowelCode)) return 2;
  return 0;
}

// One row of the lexicon: which table, which row.
struct RowRef {
  TableKind table;
  std::size_t row;
};

// Every phonetic form of the lexicon, é and è merged, found by hash: the question "is this a
// word?" is asked hundreds of thousands of times per sentence.
class FormIndex {
 public:
  explicit FormIndex(const Lexicon& lexicon) : lexicon_(lexicon) {
    std::size_t rows = 0;
    for (TableKind kind : kTables) rows += lexicon.Table(kind).Size();
    entries_.reserve(rows);
    for (TableKind kind : kTables) {
      const WordTable& table = lexicon.Table(kind);
      for (std::size_t r = 0; r < table.Size(); ++r) {
        entries_.push_back({MergedHash(table[r].phonetic), static_cast<std::uint32_t>(r), kind});
      }
    }
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      return a.hash != b.hash ? a.hash < b.hash : a.table != b.table ? a.table < b.table : a.row < b.row;
    });
  }

  bool Has(std::string_view form) const {
    const auto [first, last] = Range(form);
    for (auto it = first; it != last; ++it) {
      if (SameMerged(Phonetic(*it), form)) return true;
    }
    return false;
  }

  // The rows of the form, in table order (kTables), each table in row order.
  std::vector<RowRef> Rows(std::string_view form) const {
    std::vector<RowRef> rows;
    const auto [first, last] = Range(form);
    for (auto it = first; it != last; ++it) {
      if (SameMerged(Phonetic(*it), form)) rows.push_back({it->table, it->row});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const RowRef& a, const RowRef& b) {
      return TableRank(a.table) < TableRank(b.table);
    });
    return rows;
  }

 private:
  struct Entry {
    std::uint64_t hash;
    std::uint32_t row;
    TableKind table;
  };

  static int TableRank(TableKind kind) {
    return static_cast<int>(std::find(std::begin(kTables), std::end(kTables), kind) - std::begin(kTables));
  }

  std::string_view Phonetic(const Entry& e) const { return lexicon_.Table(e.table)[e.row].phonetic; }

  std::pair<std::vector<Entry>::const_iterator, std::vector<Entry>::const_iterator> Range(
      std::string_view form) const {
    const std::uint64_t h = MergedHash(form);
    const auto first =
        std::lower_bound(entries_.begin(), entries_.end(), h,
                         [](const Entry& e, std::uint64_t v) { return e.hash < v; });
    auto last = first;
    while (last != entries_.end() && last->hash == h) ++last;
    return {first, last};
  }

  const Lexicon& lexicon_;
  std::vector<Entry> entries_;
};

// One phonetic form a typed word can have, with the tables that read it so and the first
// dictionary spelling found for it.
struct WordForm {
  std::string phonetic;
  unsigned tables = 0;
  std::string spelling;
};

// The fragment a word gives: which of its forms, where (0-based), how many phonemes.
struct Fragment {
  std::size_t word;
  std::size_t form;
  std::size_t start;
  std::size_t length;
};

// An exchange as found: each word gives its fragment to the word `receives` says it goes to...
// told the other way round: changes[n] receives the fragment of changes[from[n]].
struct RawCandidate {
  std::vector<Fragment> fragments;  // in sentence order
  std::vector<std::size_t> from;    // fragments[n] is replaced by fragments[from[n]]
};

class Search {
 public:
  Search(const Lexicon& lexicon, const WordFrequencies& frequencies, const PhraseQuery& query,
         SearchObserver& observer, PhraseResult& result)
      : lexicon_(lexicon), frequencies_(frequencies), query_(query), observer_(observer), result_(result),
        index_(lexicon) {}

  void Run();

 private:
  void ReadWords();
  std::string_view WordText(std::size_t w) const {
    return std::string_view(result_.sentence).substr(result_.words[w].offset, result_.words[w].length);
  }
  std::string_view FragmentCodes(const Fragment& f) const {
    return std::string_view(forms_[f.word][f.form].phonetic).substr(f.start, f.length);
  }
  // Words that exchange their whole forms only trade places: that is no spoonerism.
  bool Whole(const Fragment& f) const { return f.length == forms_[f.word][f.form].phonetic.size(); }
  std::string Replaced(const Fragment& own, std::string_view received) const {
    const std::string& p = forms_[own.word][own.form].phonetic;
    return p.substr(0, own.start) + std::string(received) + p.substr(own.start + own.length);
  }
  void Pairs(std::size_t i, std::size_t j);
  void Triples(std::size_t i, std::size_t j, std::size_t l);
  void Take(RawCandidate raw);
  // A spelling in the plural: it ends in s or x and the same sound is also spelled without it.
  bool IsPlural(std::string_view spelling, const std::vector<RowRef>& sameSound) const;
  bool IsFunctionWord(std::string_view spelling, const std::vector<RowRef>& sameSound) const;
  void Finish();
  bool Complete(const RawCandidate& raw, PhraseCandidate& out) const;
  void Rebuild(PhraseCandidate& candidate, const std::vector<std::string>& shownWords,
               const std::vector<std::pair<std::size_t, std::size_t>>& spans) const;
  void Score(const RawCandidate& raw, PhraseCandidate& candidate) const;

  const Lexicon& lexicon_;
  const WordFrequencies& frequencies_;
  const PhraseQuery& query_;
  SearchObserver& observer_;
  PhraseResult& result_;
  FormIndex index_;
  std::vector<std::vector<WordForm>> forms_;  // per word; empty for a word the lexicon does not know
  std::vector<RawCandidate> raw_;
};

void Search::ReadWords() {
  // The typed words, lower case and folded as validation folds, looked up in one pass per table.
  std::unordered_map<std::string, std::vector<std::size_t>> wanted;
  std::vector<bool> lengths(256, false);
  for (std::size_t w = 0; w < result_.words.size(); ++w) {
    std::string key = FoldValidation(ToLower(WordText(w)));
    if (key.size() < lengths.size()) lengths[key.size()] = true;
    wanted[std::move(key)].push_back(w);
  }
  forms_.assign(result_.words.size(), {});
  std::string folded;
  for (TableKind kind : kTables) {
    for (const WordRow row : lexicon_.Table(kind)) {
      if (row.spelling.size() >= lengths.size() || !lengths[row.spelling.size()]) continue;
      folded.assign(row.spelling);
      for (char& c : folded) c = FoldValidation(ToLower(c));
      const auto it = wanted.find(folded);
      if (it == wanted.end()) continue;
      for (std::size_t w : it->second) {
        std::vector<WordForm>& forms = forms_[w];
        auto form =
            std::find_if(forms.begin(), forms.end(), [&](const WordForm& f) { return f.phonetic == row.phonetic; });
        if (form == forms.end()) {
          forms.push_back({std::string(row.phonetic), 0, std::string(row.spelling)});
          form = forms.end() - 1;
        }
        form->tables |= Bit(kind);
      }
    }
  }
  result_.known.assign(result_.words.size(), false);
  for (std::size_t w = 0; w < forms_.size(); ++w) {
    result_.known[w] = !forms_[w].empty();
  }
}

void Search::Run() {
  ReadWords();
  std::vector<std::size_t> known;
  for (std::size_t w = 0; w < forms_.size(); ++w) {
    if (!forms_[w].empty()) known.push_back(w);
  }
  if (known.size() < 2) {
    result_.refusal = PhraseRefusal::TooFewKnown;
    return;
  }
  const std::size_t n = known.size();
  const double pairs = static_cast<double>(n * (n - 1) / 2);
  const double triples = query_.three ? static_cast<double>(n * (n - 1) * (n - 2) / 6) : 0.0;
  double done = 0;
  // Nothing is kept from a stopped step: what was taken before it stays.
  for (std::size_t a = 0; a < n && !result_.stopped; ++a) {
    for (std::size_t b = a + 1; b < n && !result_.stopped; ++b) {
      Pairs(known[a], known[b]);
      observer_.SetCount(static_cast<long>(raw_.size()));
      observer_.SetProgress(++done, pairs + triples);
      if (!observer_.Yield()) result_.stopped = true;
    }
  }
  if (query_.three) {
    for (std::size_t a = 0; a < n && !result_.stopped; ++a) {
      for (std::size_t b = a + 1; b < n && !result_.stopped; ++b) {
        for (std::size_t c = b + 1; c < n && !result_.stopped; ++c) {
          Triples(known[a], known[b], known[c]);
          observer_.SetCount(static_cast<long>(raw_.size()));
          observer_.SetProgress(++done, pairs + triples);
          if (!observer_.Yield()) result_.stopped = true;
        }
      }
    }
  }
  Finish();
}

// Every fragment of every form of a word, as the query allows.
std::vector<Fragment> FragmentsOf(std::size_t word, const std::vector<WordForm>& forms, int maxSounds) {
  std::vector<Fragment> out;
  for (std::size_t f = 0; f < forms.size(); ++f) {
    const std::size_t size = forms[f].phonetic.size();
    for (std::size_t start = 0; start < size; ++start) {
      for (std::size_t length = 1; length <= static_cast<std::size_t>(maxSounds) && start + length <= size; ++length) {
        out.push_back({word, f, start, length});
      }
    }
  }
  return out;
}

void Search::Pairs(std::size_t i, std::size_t j) {
  const std::vector<Fragment> first = FragmentsOf(i, forms_[i], query_.maxSounds);
  const std::vector<Fragment> second = FragmentsOf(j, forms_[j], query_.maxSounds);
  for (const Fragment& a : first) {
    const std::string_view codesA = FragmentCodes(a);
    for (const Fragment& b : second) {
      const std::string_view codesB = FragmentCodes(b);
      if (SameMerged(codesA, codesB) || (Whole(a) && Whole(b))) continue;
      if (!index_.Has(Replaced(a, codesB)) || !index_.Has(Replaced(b, codesA))) continue;
      Take({{a, b}, {1, 0}});
    }
  }
}

void Search::Triples(std::size_t i, std::size_t j, std::size_t l) {
  const std::vector<Fragment> fi = FragmentsOf(i, forms_[i], query_.maxSounds);
  const std::vector<Fragment> fj = FragmentsOf(j, forms_[j], query_.maxSounds);
  const std::vector<Fragment> fl = FragmentsOf(l, forms_[l], query_.maxSounds);
  for (const Fragment& a : fi) {
    const std::string_view codesA = FragmentCodes(a);
    for (const Fragment& b : fj) {
      const std::string_view codesB = FragmentCodes(b);
      if (SameMerged(codesA, codesB)) continue;
      // The two rotations: i takes b's fragment (j takes c's, l takes a's), or i takes c's.
      const bool iTakesB = index_.Has(Replaced(a, codesB));
      const bool jTakesA = index_.Has(Replaced(b, codesA));
      if (!iTakesB && !jTakesA) continue;
      for (const Fragment& c : fl) {
        const std::string_view codesC = FragmentCodes(c);
        if (SameMerged(codesC, codesA) || SameMerged(codesC, codesB) || (Whole(a) && Whole(b) && Whole(c))) continue;
        if (iTakesB && index_.Has(Replaced(b, codesC)) && index_.Has(Replaced(c, codesA))) Take({{a, b, c}, {1, 2, 0}});
        if (jTakesA && index_.Has(Replaced(a, codesC)) && index_.Has(Replaced(c, codesB))) Take({{a, b, c}, {2, 0, 1}});
      }
    }
  }
}

void Search::Take(RawCandidate raw) { raw_.push_back(std::move(raw)); }

bool Search::IsPlural(std::string_view spelling, const std::vector<RowRef>& sameSound) const {
  if (spelling.empty() || (spelling.back() != 's' && spelling.back() != 'x')) return false;
  const std::string_view singular = spelling.substr(0, spelling.size() - 1);
  return std::any_of(sameSound.begin(), sameSound.end(), [&](const RowRef& r) {
    return ToLower(lexicon_.Table(r.table)[r.row].spelling) == FoldValidation(singular) ||
           lexicon_.Table(r.table)[r.row].spelling == singular;
  });
}

bool Search::IsFunctionWord(std::string_view spelling, const std::vector<RowRef>& sameSound) const {
  return std::any_of(sameSound.begin(), sameSound.end(), [&](const RowRef& r) {
    return r.table == TableKind::FunctionWords && lexicon_.Table(r.table)[r.row].spelling == spelling;
  });
}

bool Search::Complete(const RawCandidate& raw, PhraseCandidate& out) const {
  std::vector<std::string> shownWords;
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  for (std::size_t n = 0; n < raw.fragments.size(); ++n) {
    const Fragment& own = raw.fragments[n];
    const WordForm& form = forms_[own.word][own.form];
    const std::string_view received = FragmentCodes(raw.fragments[raw.from[n]]);
    PhraseChange change;
    change.word = own.word;
    change.oldPhonetic = form.phonetic;
    change.given = std::string(FragmentCodes(own));
    change.received = std::string(received);
    change.receivedStart = static_cast<int>(own.start) + 1;
    const SpelledFragment given =
        SpellFragment(form.spelling, form.phonetic, static_cast<int>(own.start) + 1, static_cast<int>(own.length));
    change.givenLetters = given.spelling.substr(given.letterStart, given.letterLength);

    const std::vector<RowRef> rows = index_.Rows(Replaced(own, received));
    if (rows.empty()) return false;
    // The spelling shown: one of the replaced word's tables when there is one, in the same number
    // as the typed word when it can be, then the most common.
    const bool plural = IsPlural(ToLower(WordText(own.word)), index_.Rows(form.phonetic));
    const RowRef* chosen = nullptr;
    int best = -1;
    for (int pass = 0; pass < 2 && !chosen; ++pass) {
      for (const RowRef& r : rows) {
        if (pass == 0 && !(form.tables & Bit(r.table))) continue;
        const std::string_view spelling = lexicon_.Table(r.table)[r.row].spelling;
        const int rank = (IsPlural(spelling, rows) == plural ? 1000 : 0) + frequencies_.Tenths(spelling);
        if (rank > best) {
          best = rank;
          chosen = &r;
        }
      }
    }
    const WordRow row = lexicon_.Table(chosen->table)[chosen->row];
    change.newPhonetic = std::string(row.phonetic);
    change.newSpelling = std::string(row.spelling);
    change.taboo = std::any_of(rows.begin(), rows.end(), [](const RowRef& r) { return r.table == TableKind::Taboo; });
    std::vector<std::pair<int, std::string>> others;
    for (const RowRef& r : rows) {
      const std::string_view s = lexicon_.Table(r.table)[r.row].spelling;
      if (s == change.newSpelling ||
          std::any_of(others.begin(), others.end(), [&](const auto& o) { return o.second == s; })) {
        continue;
      }
      others.push_back({frequencies_.Tenths(s), std::string(s)});
    }
    std::stable_sort(others.begin(), others.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& [tenths, s] : others) change.otherSpellings.push_back(std::move(s));

    const SpelledFragment shown = SpellFragment(row.spelling, row.phonetic, change.receivedStart,
                                                static_cast<int>(change.received.size()));
    shownWords.push_back(shown.spelling);
    spans.push_back({shown.letterStart, shown.letterLength});
    out.changes.push_back(std::move(change));
  }
  Rebuild(out, shownWords, spans);
  Score(raw, out);
  return true;
}

void Search::Rebuild(PhraseCandidate& candidate, const std::vector<std::string>& shownWords,
                     const std::vector<std::pair<std::size_t, std::size_t>>& spans) const {
  const std::string& typed = result_.sentence;
  const std::size_t count = result_.words.size();
  // The sentence as pieces: gaps[w] stands before word w, gaps[count] after the last.
  std::vector<std::string> words(count), shown(count), gaps(count + 1);
  std::vector<std::pair<std::size_t, std::size_t>> marks(count, {0, 0});
  std::vector<std::string> phonetics(count);
  std::size_t at = 0;
  for (std::size_t w = 0; w < count; ++w) {
    gaps[w] = typed.substr(at, result_.words[w].offset - at);
    words[w] = shown[w] = std::string(WordText(w));
    if (!forms_[w].empty()) phonetics[w] = forms_[w].front().phonetic;
    at = result_.words[w].offset + result_.words[w].length;
  }
  gaps[count] = typed.substr(at);
  std::vector<bool> changed(count, false);
  for (std::size_t n = 0; n < candidate.changes.size(); ++n) {
    const PhraseChange& change = candidate.changes[n];
    const std::size_t w = change.word;
    const std::string_view model = WordText(w);
    words[w] = MatchCase(model, change.newSpelling);
    shown[w] = MatchCase(model, shownWords[n]);
    marks[w] = spans[n];
    phonetics[w] = change.newPhonetic;
    changed[w] = true;
  }
  const auto startsWithVowel = [&](std::size_t w) {
    return phonetics[w].empty() ? StartsWithVowelLetter(words[w]) : StartsWithVowelSound(phonetics[w]);
  };
  const auto onlySpaces = [](const std::string& gap) {
    return !gap.empty() && gap.find_first_not_of(" \t\xA0") == std::string::npos;
  };
  // The word before a changed word, and a changed word before the next, elide as French wants.
  const auto adjust = [&](std::size_t before, std::size_t after) {
    const std::string_view elided = ElidedFormOf(words[before]);
    const std::string_view full = FullFormOf(words[before]);
    if (!elided.empty() && onlySpaces(gaps[after]) && startsWithVowel(after)) {
      words[before] = shown[before] = MatchCase(words[before], elided);
      gaps[after].clear();
    } else if (!full.empty() && gaps[after].empty() && !startsWithVowel(after)) {
      words[before] = shown[before] = MatchCase(words[before], full);
      gaps[after] = " ";
    }
  };
  for (std::size_t w = 0; w < count; ++w) {
    if (!changed[w]) continue;
    if (w > 0) adjust(w - 1, w);
    if (w + 1 < count) adjust(w, w + 1);
  }
  for (std::size_t w = 0; w < count; ++w) {
    candidate.sentence += gaps[w] + words[w];
    candidate.shown += gaps[w];
    if (changed[w]) candidate.highlights.push_back({candidate.shown.size() + marks[w].first, marks[w].second});
    candidate.shown += shown[w];
  }
  candidate.sentence += gaps[count];
  candidate.shown += gaps[count];
}

void Search::Score(const RawCandidate& raw, PhraseCandidate& candidate) const {
  PhraseScore& s = candidate.score;
  const std::size_t n = raw.fragments.size();
  bool allStart = true, samePlace = true, allEnd = true;
  const int cls = SoundClass(FragmentCodes(raw.fragments[0]));
  bool sameClass = cls != 0;
  int moved = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const Fragment& f = raw.fragments[k];
    const std::size_t size = forms_[f.word][f.form].phonetic.size();
    sameClass = sameClass && SoundClass(FragmentCodes(f)) == cls;
    allStart = allStart && f.start == 0;
    samePlace = samePlace && f.start == raw.fragments[0].start;
    allEnd = allEnd && f.start + f.length == size;
    moved += static_cast<int>(f.length) - 1;
    // A fragment that is the whole word moves the word, not a sound of it.
    if (f.length == size) moved += 2;
  }
  // Consonants exchanged are the classic shape; vowels count less.
  s.shape = (sameClass ? (cls == 1 ? 20 : 8) : 0) + (allStart ? 15 : (samePlace || allEnd) ? 8 : 0);
  s.moved = -12 * moved;
  int common = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const PhraseChange& change = candidate.changes[k];
    const WordForm& old = forms_[raw.fragments[k].word][raw.fragments[k].form];
    if (change.taboo && !(old.tables & Bit(TableKind::Taboo))) s.taboo = 40;
    // A typed word that can be read as a function word ("la", "pas") counts as one; a new word
    // does when the spelling shown is one.
    const bool oldFunction = (old.tables & Bit(TableKind::FunctionWords)) != 0;
    const std::vector<RowRef> rows = index_.Rows(change.newPhonetic);
    const bool newFunction = IsFunctionWord(change.newSpelling, rows);
    const bool sameTable = std::any_of(rows.begin(), rows.end(), [&](const RowRef& r) {
      return (old.tables & Bit(r.table)) && lexicon_.Table(r.table)[r.row].spelling == change.newSpelling;
    });
    s.content += (oldFunction ? -15 : 5) + (newFunction ? -15 : 5);
    if (sameTable) s.table += 5;
    // Function words are the most common of all: they earn nothing here.
    if (!newFunction) common += frequencies_.Tenths(change.newSpelling);
  }
  // The mean Zipf value of the new words, in tenths, halved: 0 to about 35.
  s.frequency = common / static_cast<int>(2 * n);
  s.total = s.taboo + s.shape + s.content + s.frequency + s.table + s.moved;
}

void Search::Finish() {
  std::unordered_map<std::string, std::size_t> seen;
  std::vector<PhraseCandidate> candidates;
  for (const RawCandidate& raw : raw_) {
    PhraseCandidate candidate;
    if (!Complete(raw, candidate)) continue;
    const auto [it, inserted] = seen.emplace(candidate.sentence, candidates.size());
    if (inserted) {
      candidates.push_back(std::move(candidate));
    } else if (candidate.score.total > candidates[it->second].score.total) {
      candidates[it->second] = std::move(candidate);
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const PhraseCandidate& a, const PhraseCandidate& b) {
    if (a.score.total != b.score.total) return a.score.total > b.score.total;
    return CompareDisplay(a.sentence, b.sentence) < 0;
  });
  result_.totalFound = candidates.size();
  if (query_.first > 0 && candidates.size() > query_.first) candidates.resize(query_.first);
  result_.candidates = std::move(candidates);
  observer_.SetCount(static_cast<long>(result_.totalFound));
  if (result_.candidates.empty() && !result_.stopped) result_.refusal = PhraseRefusal::NothingFound;
}

std::string Message(PhraseRefusal refusal, const SentenceReading& reading) {
  switch (refusal) {
    case PhraseRefusal::None:
      return {};
    case PhraseRefusal::Empty:
      return "Entrez une phrase : il y faut au moins deux mots du dictionnaire.";
    case PhraseRefusal::Sign: {
      const auto c = static_cast<unsigned char>(reading.refusedChar);
      std::string shown(1, static_cast<char>(c));
      if (c < 0x20 || c == 0x7F || c == static_cast<unsigned char>(kUnmappableChar)) {
        static const char kHex[] = "0123456789ABCDEF";
        shown = std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
      }
      return std::string(IsDigit(c) ? "Pas de chiffres dans une phrase \xE0 contrep\xE8teries : \xAB"
                                    : "La phrase contient un signe qui n'est pas de la ponctuation : \xAB") +
             shown + "\xBB.\nEcrivez les nombres en lettres et n'utilisez que des mots et la ponctuation.";
    }
    case PhraseRefusal::TooManyWords:
      return "La phrase est trop longue : " + std::to_string(kPhraseMaxWords) + " mots au plus.";
    case PhraseRefusal::TooFewKnown:
      return "Il faut au moins deux mots du dictionnaire dans la phrase pour qu'ils \xE9" "changent leurs sons.";
    case PhraseRefusal::NothingFound:
      return "Cette phrase ne cache aucune contrep\xE8terie avec ces options.\n"
             "Essayez d'\xE9" "changer plus de sons, ou les rotations \xE0 trois mots.";
  }
  return {};
}

}  // namespace

std::vector<std::string> PhraseResult::UnknownWords() const {
  std::vector<std::string> out;
  for (std::size_t w = 0; w < words.size() && w < known.size(); ++w) {
    if (!known[w]) out.push_back(Word(w));
  }
  return out;
}

PhraseResult FindPhraseSpoonerisms(const Lexicon& lexicon, const WordFrequencies& frequencies,
                                   const PhraseQuery& query, SearchObserver& observer) {
  PhraseResult result;
  result.sentence = Trim(query.typed);
  // The typographic apostrophe of a text typed in Windows-1252 is the apostrophe.
  std::replace(result.sentence.begin(), result.sentence.end(), '\x92', '\'');
  const SentenceReading reading = ReadSentence(result.sentence);
  switch (reading.refusal) {
    case SentenceRefusal::None:
      break;
    case SentenceRefusal::Empty:
      result.refusal = PhraseRefusal::Empty;
      break;
    case SentenceRefusal::Sign:
      result.refusal = PhraseRefusal::Sign;
      break;
    case SentenceRefusal::TooManyWords:
      result.refusal = PhraseRefusal::TooManyWords;
      break;
  }
  if (result.refusal == PhraseRefusal::None) {
    result.words = reading.words;
    PhraseQuery checked = query;
    checked.maxSounds = std::clamp(query.maxSounds, 1, 3);
    Search(lexicon, frequencies, checked, observer, result).Run();
  }
  result.message = Message(result.refusal, reading);
  return result;
}

void KeepPhraseResult(const PhraseResult& result, Session& session) {
  if (!result.Accepted()) return;
  session.StartResultList(std::string(kPhraseListKind));
  std::vector<std::string> taken;
  for (const PhraseCandidate& candidate : result.candidates) {
    for (const PhraseChange& change : candidate.changes) {
      const std::string key = change.newPhonetic + '\t' + change.newSpelling;
      if (std::find(taken.begin(), taken.end(), key) != taken.end()) continue;
      taken.push_back(key);
      WordEntry entry{change.newSpelling, change.newPhonetic, 0, 0};
      if (!session.resultList.Append(entry)) return;
    }
  }
}

}  // namespace tavilo
