// The spoonerism search: the word's checks and lookup, phase 1 (the swap table of every fragment
// A and its replacements B), phase 2 (the partners Y of every B) and the contrepétophile search.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/alignment.h"
#include "core/text.h"
#include "core/validation.h"
#include "core/frequency_order.h"
#include "engines/spoonerism/spoonerism.h"

namespace tavilo {
namespace {

// How often the scans of whole tables hand over to the observer.
constexpr std::size_t kYieldEvery = 1024;

// Beyond this many items the matcher's progress step shrinks in proportion, so a replacement is
// worth the items of its work list, up to this many.
constexpr std::size_t kProgressItems = 8000;

// The progress display's units: phase 1 (and each further table it falls back to) is worth 200,
// the contrepétophile search 50; phase 2 is worth the expected work computed after phase 1.
constexpr double kPhase1Work = 200.0;
constexpr double kContrepetophileWork = 50.0;

// The codes of é and è, and the code that stands for both under the é/è option.
constexpr char kCodeE = '2';
constexpr char kCodeEgrave = '3';
constexpr char kCodeMerged = '@';

char MergeCode(char c, bool merge) { return merge && (c == kCodeE || c == kCodeEgrave) ? kCodeMerged : c; }

std::string Merge(std::string_view phonetic, bool merge) {
  std::string out(phonetic);
  for (char& c : out) c = MergeCode(c, merge);
  return out;
}

std::size_t CountEe(std::string_view phonetic) {
  return static_cast<std::size_t>(std::count_if(phonetic.begin(), phonetic.end(),
                                                [](char c) { return c == kCodeE || c == kCodeEgrave; }));
}

bool IsSpoonerismLetter(unsigned char c) { return (c >= 'A' && c <= 'z') || (c >= 0xE0 && c <= 0xFC); }

std::string RefusalMessage(SpoonerismRefusal refusal, const SpoonerismResult& result) {
  const std::string word = QuotedInput(result.word);
  switch (refusal) {
    case SpoonerismRefusal::None:
    case SpoonerismRefusal::NotValidated:
      return {};
    case SpoonerismRefusal::Empty:
      return "Essayez quand m\xEAme d'entrer un mot !!!";
    case SpoonerismRefusal::Digit:
      return "D\xE9sol\xE9, il n'y a pas de chiFFres dans cette Base !\nUtilisez seulement l'alphabet.";
    case SpoonerismRefusal::Sign:
      return "Difficile de trouVer, cach\xE9 derri\xE8re les Signes.\nUtilisez seulement l'alphabet.";
    case SpoonerismRefusal::TooShort:
      return "Le mot " + word + " est trop court pour construire des contrep\xE8teries !!!";
    case SpoonerismRefusal::NoReplacement:
      if (result.method != SpoonerismMethod::Contrepetophile && result.domain == SearchDomain::Verbs) {
        return "D\xE9sol\xE9, le mot " + word + " ne g\xE9n\xE8re pas de contrep\xE8teries int\xE9ressantes.\n"
               "Choisissez un autre mot, ou un autre domaine que \xAB\xA0Verbes\xA0\xBB.";
      }
      if (result.method == SpoonerismMethod::Normal) {
        return "Visiblement le mot " + word + " n'est pas tr\xE8s contrep\xE9tophile !!!\n"
               "Essayez la m\xE9thode \xAB\xA0Invers\xE9" "e\xA0\xBB ou choisissez un autre mot.";
      }
      return "Visiblement le mot " + word + " ne donne pas de r\xE9sultat !!!\n"
             "Essayez une autre m\xE9thode, ou choisissez un autre mot.";
    case SpoonerismRefusal::NothingFound:
      return "D\xE9sol\xE9, le mot " + word + " ne g\xE9n\xE8re aucune contrep\xE8terie !!!\n"
             "Modifiez les options, ou choisissez un autre mot.";
  }
  return {};
}

// The letters of `spelling` that spell `length` phonemes of `phonetic` from `start` (1-based).
SpoonerismWord Aligned(std::string_view spelling, std::string_view phonetic, int start, int length,
                       bool& yodMark) {
  SpelledFragment fragment = SpellFragment(spelling, phonetic, start, length);
  if (fragment.yodMarked) yodMark = true;
  SpoonerismWord word;
  word.spelling = std::move(fragment.spelling);
  word.dictionarySpelling = spelling;
  word.letterStart = fragment.letterStart;
  word.letterLength = fragment.letterLength;
  return word;
}

// One row of the swap table: fragment A of P at `start` (1-based) of `length` codes, as merged
// under the é/è option, and its replacements B in the order found.
struct SwapRow {
  int start = 1;
  int length = 1;
  std::string fragment;
  std::vector<std::string> replacements;
};

// A place of phase 2: a candidate Y' (an index into one of the scanned tables), where A starts in
// it (1-based), and whether Y' is taboo.
struct Place {
  std::string_view phonetic;  // the candidate's, in its table
  int start;
  bool taboo;
};

// What decides the size of a row's work lists: the places, and the é and è codes of their
// candidates outside A (each gives one more item under the é/è option).
struct RowWork {
  std::size_t places = 0;
  std::size_t eeCodesKept = 0;
};

// The progress display of phase 2: at 0 while the places of every row are collected (yielding now
// and then), then rising with the items each replacement's work list walks, so that it reaches the
// expected work with the last replacement.
class MatchProgress {
 public:
  MatchProgress(SearchObserver& observer, double expected) : observer_(observer), expected_(expected) {
    observer_.SetProgress(0, expected_);
  }
  // At candidate `j` of a row's collection; false when the observer asks to stop.
  bool Collecting(std::size_t j) { return j % kYieldEvery != 0 || Report(0); }
  // Each replacement's items, before the first is matched.
  void Expect(std::size_t items) { total_ += static_cast<double>(items); }
  // After a replacement worth `items`; false when the observer asks to stop.
  bool Matched(std::size_t items) {
    done_ += static_cast<double>(items);
    return Report(total_ > 0 ? expected_ * (done_ / total_) : expected_);
  }

 private:
  bool Report(double at) {
    observer_.SetProgress(at, expected_);
    return observer_.Yield();
  }

  SearchObserver& observer_;
  const double expected_;
  double total_ = 0;
  double done_ = 0;
};

// A found word before it is written: the lookup entry, the place's taboo marker and position.
struct Hit {
  std::size_t entry;
  bool taboo;
  int start;
};

class Search {
 public:
  Search(const Lexicon& lexicon, const Session& session, const SpoonerismQuery& query, SearchObserver& observer,
         SpoonerismResult& result)
      : lexicon_(lexicon), session_(session), query_(query), observer_(observer), result_(result) {}

  // The swap length after the dialog's coupling: Classiques and Enfant swap one phoneme,
  // Inversée at most two.
  static int SwapLength(const SpoonerismQuery& query) {
    int n = std::clamp(query.swapLength, 1, 3);
    if (!query.decadent || query.method == SpoonerismMethod::Child) n = 1;
    if (query.method == SpoonerismMethod::Reversed) n = std::min(n, 2);
    return n;
  }

  // Fills rows_ from `source`; returns false when stopped.
  bool Phase1(const WordTable& source, bool childFlags);
  bool Phase2();
  bool ContrepetophileSearch();

  std::size_t ReplacementCount() const { return replacementCount_; }

  void SetWord(const std::string& phonetic) {
    phonetic_ = phonetic;
    mergedPhonetic_ = Merge(phonetic_, query_.mergeEe);
  }

 private:
  // The lookup table: the words of the domain, or the current list.
  const WordTable& Domain() const {
    return query_.domain == SearchDomain::ResultList ? session_.resultList : lexicon_.Domain(query_.domain);
  }
  // Reports `done` units of the current stage's `expected_` work, then yields.
  bool Report(double done) {
    observer_.SetProgress(done, expected_);
    return observer_.Yield();
  }
  // A row-by-row table scan (phase 1, the contrepétophile search): each (position, fragment
  // length) row is worth `step`, and inside a row the passes over the table share it evenly.
  bool ScanTick(std::size_t row, double step, int pass, int passes, std::size_t entry, std::size_t entries) {
    if (entry % kYieldEvery != 0) return true;
    const double inRow = (static_cast<double>(pass) * static_cast<double>(entries) + static_cast<double>(entry)) /
                         (static_cast<double>(passes) * static_cast<double>(entries));
    return Report(step * (static_cast<double>(row) + inRow));
  }
  void TakePlaces(const SwapRow& row, std::string_view phonetic, std::string_view searched, bool taboo,
                  bool verbCutOffs);
  RowWork Work(const SwapRow& row, const std::vector<Place>& places) const;
  std::size_t ProgressItems(const RowWork& work, std::string_view replacement) const;
  void Match(const SwapRow& row, const std::vector<Place>& places, const std::string& replacement,
             const SpoonerismWord& heading);

  const Lexicon& lexicon_;
  const Session& session_;
  const SpoonerismQuery& query_;
  SearchObserver& observer_;
  SpoonerismResult& result_;

  std::string phonetic_;        // the word's phonetic form
  std::string mergedPhonetic_;  // the same with é and è as one sound, under that option
  std::vector<SwapRow> rows_;
  std::size_t replacementCount_ = 0;
  double expected_ = 0;  // the current stage's expected work, in the progress display's units
  std::vector<Place> places_;
  std::vector<std::string> mergedCandidates_;  // the merged forms of the place buffer's candidates
  std::unordered_map<std::string_view, std::vector<std::size_t>> lookup_;
};

bool Search::Phase1(const WordTable& source, bool childFlags) {
  rows_.clear();
  replacementCount_ = 0;
  const bool merge = query_.mergeEe;
  int length = static_cast<int>(phonetic_.size());
  int n = SwapLength(query_);
  if (n >= length) n = length - 1;
  const int maxReplacement = n;
  if (!query_.decadent) n = length = 1;
  expected_ = kPhase1Work;
  const double step = kPhase1Work / (length * n);
  std::size_t row = 0;
  const bool verbEndings = (query_.method == SpoonerismMethod::Reversed || query_.method == SpoonerismMethod::Child) &&
                           query_.domain == SearchDomain::Verbs;
  const std::size_t rows = source.Size();

  for (int i = 1; i <= length; ++i) {
    if (n > length - i + 1) --n;
    for (int k = 1; k <= n; ++k) {
      const std::string a = phonetic_.substr(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(k));
      // The endings of conjugated verbs are not exchanged.
      if (verbEndings && i == length && (a == "5" || a == "8" || a == "a" || a == "3" || a == "2")) break;
      SwapRow swaps{i, k, Merge(a, merge), {}};
      const std::size_t prefix = static_cast<std::size_t>(i - 1);
      const std::string_view suffix = std::string_view(mergedPhonetic_).substr(prefix + static_cast<std::size_t>(k));
      for (int m = 1; m <= maxReplacement; ++m) {
        const std::size_t size = prefix + static_cast<std::size_t>(m) + suffix.size();
        for (std::size_t j = 0; j < rows; ++j) {
          if (!ScanTick(row, step, m - 1, maxReplacement, j, rows)) return false;
          const std::string_view f = source[j].phonetic;
          if (f.size() != size) continue;
          if (childFlags && source[j].marker != 1 &&
              !(j + 1 < rows && source[j + 1].marker == 1 && source[j + 1].phonetic == f)) {
            continue;
          }
          if (j > 0 && source[j - 1].phonetic == f) continue;  // homophones count once
          bool matches = true;
          for (std::size_t t = 0; t < prefix && matches; ++t) matches = MergeCode(f[t], merge) == mergedPhonetic_[t];
          for (std::size_t t = 0; t < suffix.size() && matches; ++t) {
            matches = MergeCode(f[size - suffix.size() + t], merge) == suffix[t];
          }
          if (!matches || f == phonetic_) continue;
          if (merge && Merge(f, true) == mergedPhonetic_) continue;  // differs only by é against è
          swaps.replacements.emplace_back(f.substr(prefix, static_cast<std::size_t>(m)));
        }
      }
      replacementCount_ += swaps.replacements.size();
      rows_.push_back(std::move(swaps));
      ++row;
    }
  }
  observer_.SetProgress(step * static_cast<double>(row), expected_);
  return true;
}


// The places of one candidate: every occurrence of A in `searched` (only the first, which must
// start the word, with Classiques), until a verb ending stops the scan.
void Search::TakePlaces(const SwapRow& row, std::string_view phonetic, std::string_view searched, bool taboo,
                        bool verbCutOffs) {
  const std::string& a = row.fragment;
  std::size_t pos = searched.find(a);
  if (!query_.decadent && pos != 0) return;
  const std::size_t size = searched.size();
  while (pos != std::string::npos) {
    if (verbCutOffs) {
      // The endings of conjugated verbs, read on the form itself (é and è not merged).
      const char last = phonetic.back();
      if (pos + 1 == size && std::string_view("58a32sr").find(last) != std::string_view::npos) return;
      const char aLast = a.back();
      const std::size_t next = searched.find(aLast, pos);
      if (next != std::string::npos && next + 2 == size && (aLast == '7' || aLast == 'r')) return;
    }
    if (places_.size() >= kMaxPlaces) return;
    places_.push_back({phonetic, static_cast<int>(pos) + 1, taboo});
    if (!query_.decadent) return;
    pos = searched.find(a, pos + 1);
  }
}

bool Search::Phase2() {
  const bool merge = query_.mergeEe;
  const SpoonerismMethod method = query_.method;
  const WordTable& lookup = Domain();
  lookup_.clear();
  lookup_.reserve(lookup.Size());
  for (std::size_t e = 0; e < lookup.Size(); ++e) lookup_[lookup[e].phonetic].push_back(e);
  const WordTable& candidates =
      method == SpoonerismMethod::Reversed || method == SpoonerismMethod::Double ? lexicon_.taboo : lookup;
  // The merged forms are computed once for the whole search.
  mergedCandidates_.clear();
  mergedCandidates_.reserve(candidates.Size());
  for (const WordRow entry : candidates) mergedCandidates_.push_back(Merge(entry.phonetic, merge));

  // The places of every row first, then the matching of each replacement.
  MatchProgress progress(observer_, result_.expectedWork);
  std::vector<std::vector<Place>> rowPlaces(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const SwapRow& row = rows_[r];
    if (row.replacements.empty()) continue;
    places_.clear();
    const std::string& a = row.fragment;
    // Normale and Double: the taboo words (and, for Normale, the locutions) as partners Y' first.
    if (method == SpoonerismMethod::Normal || method == SpoonerismMethod::Double) {
      const auto scan = [&](const WordTable& table, bool taboo) {
        for (const WordRow entry : table) {
          const std::string_view f = entry.phonetic;
          if (f.ends_with(phonetic_)) continue;
          if (query_.decadent ? f.find(a) == std::string::npos : !f.starts_with(a)) continue;
          TakePlaces(row, f, f, taboo, false);
        }
      };
      scan(lexicon_.taboo, method == SpoonerismMethod::Normal);
      if (method == SpoonerismMethod::Normal) scan(lexicon_.locutions, false);
    }
    for (std::size_t j = 0; j < candidates.Size(); ++j) {
      if (!progress.Collecting(j)) return false;
      const WordRow entry = candidates[j];
      if (method == SpoonerismMethod::Child && entry.marker == 1) continue;
      const std::string& searched = mergedCandidates_[j];
      if (searched == a) continue;
      const std::size_t before = places_.size();
      TakePlaces(row, entry.phonetic, searched, false, query_.domain == SearchDomain::Verbs);
      if (method == SpoonerismMethod::Normal && places_.size() > before &&
          HoldsPhonetic(lexicon_.taboo, entry.phonetic)) {
        for (std::size_t i = before; i < places_.size(); ++i) places_[i].taboo = true;
      }
    }

    rowPlaces[r].swap(places_);
  }

  std::vector<RowWork> work(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    work[r] = Work(rows_[r], rowPlaces[r]);
    for (const std::string& b : rows_[r].replacements) progress.Expect(ProgressItems(work[r], b));
  }
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const SwapRow& row = rows_[r];
    if (row.replacements.empty()) continue;
    bool yod = false;
    const SpoonerismWord heading = Aligned(result_.word, phonetic_, row.start, row.length, yod);
    if (yod) result_.yodMark = true;
    for (const std::string& b : row.replacements) {
      Match(row, rowPlaces[r], b, heading);
      if (!progress.Matched(ProgressItems(work[r], b))) return false;
    }
  }
  return true;
}

RowWork Search::Work(const SwapRow& row, const std::vector<Place>& places) const {
  RowWork work{places.size(), 0};
  if (!query_.mergeEe) return work;
  for (const Place& place : places) {
    const std::string_view f = place.phonetic;
    work.eeCodesKept += CountEe(f) - CountEe(f.substr(static_cast<std::size_t>(place.start - 1), row.fragment.size()));
  }
  return work;
}

// The items Match walks for `replacement`: one permuted candidate per place and, under the é/è
// option, one more per é or è code in it (those outside A, and those of B at every place); at most
// a full work list, and counted up to kProgressItems.
std::size_t Search::ProgressItems(const RowWork& work, std::string_view replacement) const {
  std::size_t items = work.places;
  if (query_.mergeEe) items += work.eeCodesKept + work.places * CountEe(replacement);
  return std::min({items, kMaxWorkItems, kProgressItems});
}

// One replacement B of a row: the permuted candidates (with their é/è variants) looked up in the
// lookup table, the block of the words found.
void Search::Match(const SwapRow& row, const std::vector<Place>& places, const std::string& b,
                   const SpoonerismWord& heading) {
  const WordTable& lookup = Domain();
  std::vector<Hit> hits;
  std::size_t items = 0;
  std::string y;
  const auto look = [&](const Place& place) {
    if (items >= kMaxWorkItems) return;
    ++items;
    const auto it = lookup_.find(y);
    if (it == lookup_.end()) return;
    for (std::size_t e : it->second) hits.push_back({e, place.taboo, place.start});
  };
  for (const Place& place : places) {
    if (items >= kMaxWorkItems) break;
    const std::string_view f = place.phonetic;
    const std::size_t at = static_cast<std::size_t>(place.start - 1);
    y.assign(f, 0, at);
    y += b;
    y.append(f, at + row.fragment.size(), std::string::npos);
    look(place);
    if (!query_.mergeEe) continue;
    const std::string permuted = y;
    for (const auto& [from, to] : {std::pair{kCodeE, kCodeEgrave}, std::pair{kCodeEgrave, kCodeE}}) {
      y = permuted;
      for (char& c : y) {
        if (c != from) continue;
        c = to;
        look(place);
      }
    }
  }
  if (hits.empty()) return;

  // Each found word once per block: sorted by spelling, taboo marker and place; of the spellings
  // equal without regard to case, the first is kept.
  std::sort(hits.begin(), hits.end(), [&](const Hit& l, const Hit& r) {
    if (const int order = CompareDisplay(lookup[l.entry].spelling, lookup[r.entry].spelling); order != 0) {
      return order < 0;
    }
    return std::tie(l.taboo, l.start, l.entry) < std::tie(r.taboo, r.start, r.entry);
  });
  SpoonerismBlock block;
  block.fragmentStart = row.start;
  block.fragment = phonetic_.substr(static_cast<std::size_t>(row.start - 1), static_cast<std::size_t>(row.length));
  block.replacement = b;
  block.heading = heading;
  std::string previous;
  for (const Hit& hit : hits) {
    const WordRow entry = lookup[hit.entry];
    std::string folded = ToLower(entry.spelling);
    if (!block.words.empty() && folded == previous) continue;
    if (block.words.size() >= kMaxBlockWords) break;
    previous = std::move(folded);
    SpoonerismWord word = Aligned(entry.spelling, entry.phonetic, hit.start, static_cast<int>(b.size()), result_.yodMark);
    word.tabooPartner = hit.taboo;
    if (hit.taboo) result_.tabooMark = true;
    block.words.push_back(std::move(word));
    if (result_.replacesList) result_.kept.Append(entry);
  }
  ++result_.possibilities;
  result_.foundCount += block.words.size();
  result_.found = true;
  result_.blocks.push_back(std::move(block));
  observer_.SetCount(static_cast<long>(result_.foundCount));
}

bool Search::ContrepetophileSearch() {
  // Over the current list, the words come from the nouns.
  const WordTable& source = query_.domain == SearchDomain::ResultList ? lexicon_.nouns : lexicon_.Domain(query_.domain);
  int length = static_cast<int>(phonetic_.size());
  int n = SwapLength(query_);
  if (n >= length) n = length - 1;
  const int maxReplacement = n;
  if (!query_.decadent) n = length = 1;
  expected_ = kContrepetophileWork;
  const double step = kContrepetophileWork / (length * n);
  std::size_t row = 0;

  struct Found {
    std::size_t entry;
    SpoonerismWord word;
    std::string fragment;
  };
  for (int i = 1; i <= length; ++i) {
    if (n > length - i + 1) --n;
    for (int k = 1; k <= n; ++k) {
      const std::size_t prefix = static_cast<std::size_t>(i - 1);
      const std::string_view suffix = std::string_view(phonetic_).substr(prefix + static_cast<std::size_t>(k));
      std::vector<Found> found;
      for (int m = 1; m <= maxReplacement; ++m) {
        const std::size_t size = prefix + static_cast<std::size_t>(m) + suffix.size();
        for (std::size_t j = 0; j < source.Size(); ++j) {
          if (!ScanTick(row, step, m - 1, maxReplacement, j, source.Size())) return false;
          const std::string_view f = source[j].phonetic;
          if (f.size() != size || f == phonetic_) continue;
          if (f.compare(0, prefix, phonetic_, 0, prefix) != 0 || !f.ends_with(suffix)) continue;
          found.push_back({j, Aligned(source[j].spelling, f, i, m, result_.yodMark), std::string(f.substr(prefix, m))});
        }
      }
      ++row;
      std::sort(found.begin(), found.end(), [](const Found& l, const Found& r) {
        if (const int order = CompareDisplay(l.word.spelling, r.word.spelling); order != 0) return order < 0;
        return std::tie(l.word.letterStart, l.word.letterLength) < std::tie(r.word.letterStart, r.word.letterLength);
      });
      // A word of two rows is listed once, as in the other blocks.
      found.erase(std::unique(found.begin(), found.end(),
                              [](const Found& l, const Found& r) { return l.word.spelling == r.word.spelling; }),
                  found.end());
      result_.foundCount += found.size();
      observer_.SetCount(static_cast<long>(result_.foundCount));
      if (found.empty()) continue;
      if (found.size() > kMaxBlockWords) found.resize(kMaxBlockWords);
      SpoonerismBlock block;
      block.fragmentStart = i;
      block.fragment = phonetic_.substr(prefix, static_cast<std::size_t>(k));
      block.heading = Aligned(result_.word, phonetic_, i, k, result_.yodMark);
      for (Found& f : found) {
        block.words.push_back(std::move(f.word));
        block.wordFragments.push_back(std::move(f.fragment));
      }
      result_.found = true;
      result_.blocks.push_back(std::move(block));
    }
  }
  observer_.SetProgress(step * static_cast<double>(row), expected_);
  return true;
}

SpoonerismResult Refuse(SpoonerismResult result, SpoonerismRefusal refusal) {
  result.refusal = refusal;
  if (refusal != SpoonerismRefusal::NotValidated) result.message = RefusalMessage(refusal, result);
  return result;
}

// Phase 2's expected work for the progress display, per replacement phase 1 found.
double WorkFactor(SpoonerismMethod method) {
  switch (method) {
    case SpoonerismMethod::Normal: return 12.0;
    case SpoonerismMethod::Reversed: return 100.0 / 30.0;
    case SpoonerismMethod::Double: return 10.0 / 3.0;
    case SpoonerismMethod::Child: return 50.0 / 10.0;
    case SpoonerismMethod::Contrepetophile: return 0.0;
  }
  return 0.0;
}

}  // namespace

SpoonerismRefusal PrepareSpoonerismWord(std::string_view typed, std::string& word) {
  word = ToLower(Trim(typed));
  std::erase(word, ' ');
  if (word.empty()) return SpoonerismRefusal::Empty;
  const auto has = [&word](auto test) {
    return std::any_of(word.begin(), word.end(), [&](char c) { return test(static_cast<unsigned char>(c)); });
  };
  if (has(IsDigit)) return SpoonerismRefusal::Digit;
  if (has([](unsigned char c) { return !IsSpoonerismLetter(c); })) return SpoonerismRefusal::Sign;
  return SpoonerismRefusal::None;
}

std::pair<int, int> SpoonerismSearchKeys(const SpoonerismQuery& query) {
  const int swap = Search::SwapLength(query);
  int first = 0, second = 0;
  if (query.decadent) first += 1;
  if (swap == 2) first += 1;
  if (swap == 3) first += 2;
  switch (query.method) {
    case SpoonerismMethod::Normal: first += 4; break;
    case SpoonerismMethod::Reversed: first += 8; break;
    case SpoonerismMethod::Double: first += 16; break;
    case SpoonerismMethod::Child: second += 32; break;
    case SpoonerismMethod::Contrepetophile: first += 1024; break;
  }
  static constexpr int kFirst[] = {32, 64, 128, 256};
  static constexpr int kSecond[] = {1, 2, 4, 8};
  if (query.domain != SearchDomain::ResultList) {
    const auto table = static_cast<std::size_t>(query.domain) - 1;
    first += kFirst[table];
    second += kSecond[table];
  }
  if (query.mergeEe) {
    first += 512;
    second += 16;
  }
  return {first, second};
}

std::string FoldForRepeat(std::string_view word) { return FoldValidation(ToLower(word)); }

std::string RepeatedSearchMessage() {
  return "Cette recherche vient juste d'\xEAtre effectu\xE9" "e.\nEssayez donc autre chose.";
}

SpoonerismResult FindSpoonerisms(const Lexicon& lexicon, const Session& session, const SpoonerismQuery& query,
                                 SearchObserver& observer, const std::function<void(SpoonerismStage)>& stage) {
  SpoonerismResult result;
  result.method = query.method;
  result.domain = query.domain;
  const bool contrepetophile = query.method == SpoonerismMethod::Contrepetophile;
  // The contrepétophile search never reads the current list: it stands for the nouns there.
  if (contrepetophile && result.domain == SearchDomain::ResultList) result.domain = SearchDomain::Nouns;
  result.domainName = DomainShortName(result.domain);

  if (const auto refusal = PrepareSpoonerismWord(query.typed, result.word); refusal != SpoonerismRefusal::None) {
    return Refuse(std::move(result), refusal);
  }
  if (stage) stage(SpoonerismStage::Phase1);

  InputWordState state;
  state.inputWord = FoldValidation(result.word);
  const ValidationFlags flags{.spoonerismTool = true,
                              .contrepetophile = contrepetophile,
                              .childMode = query.method == SpoonerismMethod::Child};
  const ValidationResult validation = ValidateInputWord(lexicon, flags, state);
  if (!validation.accepted) {
    result.message = validation.message;
    result.clearWordBox = validation.clearWordBox;
    return Refuse(std::move(result), SpoonerismRefusal::NotValidated);
  }
  result.validated = true;
  result.word = state.inputWord;
  result.phonetic = state.inputPhonetic;
  result.homophones = state.homophones;
  result.listName = result.domainName.substr(0, 3) + "_" + result.word;
  if (result.phonetic.size() <= 1) return Refuse(std::move(result), SpoonerismRefusal::TooShort);
  result.rememberWord = true;

  SpoonerismQuery effective = query;
  effective.domain = result.domain;
  Search search(lexicon, session, effective, observer, result);
  search.SetWord(result.phonetic);

  if (contrepetophile) {
    result.stopped = !search.ContrepetophileSearch();
    if (!result.found) return Refuse(std::move(result), SpoonerismRefusal::NoReplacement);
    return result;
  }

  if (query.method == SpoonerismMethod::Normal || query.method == SpoonerismMethod::Double) {
    result.stopped = !search.Phase1(lexicon.taboo, false);
  } else {
    // Inversée and Enfant: the first word table that gives any replacement.
    const bool child = query.method == SpoonerismMethod::Child;
    for (TableKind kind : kWordTableKinds) {
      result.stopped = !search.Phase1(lexicon.Table(kind), child);
      if (result.stopped || search.ReplacementCount() > 0) break;
    }
  }
  result.replacementCount = search.ReplacementCount();
  if (result.stopped || result.replacementCount == 0) return Refuse(std::move(result), SpoonerismRefusal::NoReplacement);
  result.expectedWork = static_cast<double>(result.replacementCount) * WorkFactor(query.method);

  if (stage) stage(SpoonerismStage::Phase2);
  // Phase 2 re-creates the current list unless it reads it; reading it, the list is replaced only
  // when asked to keep the result.
  result.replacesList = result.domain != SearchDomain::ResultList || query.keepAsNewList;
  result.stopped = !search.Phase2();
  if (stage) stage(SpoonerismStage::Done);
  if (!result.found) return Refuse(std::move(result), SpoonerismRefusal::NothingFound);
  return result;
}

void SortSpoonerismsByFrequency(SpoonerismResult& result, const WordFrequencies& frequencies) {
  for (SpoonerismBlock& block : result.blocks) {
    // The contrepétophile fragments go with their words: sort positions, then carry both.
    std::vector<std::size_t> order(block.words.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    MostCommonFirst(order, [&](std::size_t i) { return frequencies.Tenths(block.words[i].dictionarySpelling); });
    std::vector<SpoonerismWord> words;
    std::vector<std::string> fragments;
    for (const std::size_t i : order) {
      words.push_back(std::move(block.words[i]));
      if (i < block.wordFragments.size()) fragments.push_back(std::move(block.wordFragments[i]));
    }
    block.words = std::move(words);
    if (!block.wordFragments.empty()) block.wordFragments = std::move(fragments);
  }
  result.kept = MostCommonRowsFirst(result.kept, frequencies);
}

void KeepSpoonerismResult(const SpoonerismResult& result, Session& session) {
  if (!result.replacesList) return;
  // A search over the current list that found nothing leaves the list it read.
  if (result.domain == SearchDomain::ResultList && !result.found) return;
  session.resultList.Reset(kResultListCapacity);
  if (!result.found) return;
  session.resultListKind = std::string(kSpoonerismListKind);
  for (const WordRow entry : result.kept) session.resultList.Append(entry);
}

}  // namespace tavilo
