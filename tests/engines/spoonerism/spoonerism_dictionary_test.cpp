// The spoonerism engine against a brute-force reference on the shipped dictionary. The reference
// follows the definition and nothing else: for every fragment A of the entered word W and every
// B that makes W' a word of the phase-1 table, every word Y of the lookup table that holds B at
// some place is found when Y' (Y with that B turned back into A) is a partner the method allows.
// The words of the test and what they should give are taken from the data at run time.
// On the same searches: the progress each stage reports, and a stop obeyed at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/text.h"
#include "engines/spoonerism/spoonerism.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

using M = SpoonerismMethod;
using testing::ShippedTables;
// A found word as both sides report it: where A starts, A, B, the spelling in lower case.
using Found = std::tuple<int, std::string, std::string, std::string>;

// The phonetic forms of a table, for the "is it a word" questions.
std::unordered_set<std::string> Forms(const WordTable& table, bool childOnly = false, bool notChild = false) {
  std::unordered_map<std::string, std::vector<int>> markers;
  for (const WordRow e : table) markers[std::string(e.phonetic)].push_back(e.marker);
  std::unordered_set<std::string> forms;
  for (const auto& [form, m] : markers) {
    // A child's word: the first entry of its homophones, or the second, is marked 1.
    if (childOnly && !(m[0] == 1 || (m.size() > 1 && m[1] == 1))) continue;
    if (notChild && std::all_of(m.begin(), m.end(), [](int x) { return x == 1; })) continue;
    forms.insert(form);
  }
  return forms;
}

struct Config {
  M method;
  bool decadent;
  int swap;
  SearchDomain domain;
};

// The replacements B of the fragment P[i, i+k) that make a word of `forms` other than P.
std::set<std::string> Replacements(const std::string& p, std::size_t i, std::size_t k, int n,
                                   const std::unordered_set<std::string>& forms) {
  std::set<std::string> out;
  for (const std::string& w : forms) {
    for (int m = 1; m <= n; ++m) {
      if (w.size() != p.size() - k + static_cast<std::size_t>(m) || w == p) continue;
      if (w.compare(0, i, p, 0, i) == 0 && w.compare(i + m, std::string::npos, p, i + k) == 0) out.insert(w.substr(i, m));
    }
  }
  return out;
}

// What the engine should find, each word with the markers of the places it is found through (1:
// some place is marked, the partner being a taboo word under Normale; 2: some place is not);
// `capped` is set when a row's places or a block's words go past the engine's caps (the engine
// then gives a part of the reference).
std::map<Found, int> Reference(const Lexicon& lex, const std::string& p, const Config& c, bool& capped) {
  int n = c.decadent ? c.swap : 1;
  if (c.method == M::Child) n = 1;
  if (c.method == M::Reversed) n = std::min(n, 2);
  n = std::min<int>(n, static_cast<int>(p.size()) - 1);

  struct Row {
    std::size_t i, k;
    std::set<std::string> bs;
  };
  std::vector<Row> rows;
  const auto fill = [&](const std::unordered_set<std::string>& forms) {
    rows.clear();
    bool any = false;
    for (std::size_t i = 0; i < (c.decadent ? p.size() : 1); ++i) {
      for (std::size_t k = 1; k <= static_cast<std::size_t>(n) && i + k <= p.size(); ++k) {
        rows.push_back({i, k, Replacements(p, i, k, n, forms)});
        any |= !rows.back().bs.empty();
      }
    }
    return any;
  };
  if (c.method == M::Normal || c.method == M::Double) {
    fill(Forms(lex.taboo));
  } else {
    for (TableKind kind : kWordTableKinds) {
      if (fill(Forms(lex.Table(kind), c.method == M::Child))) break;
    }
  }

  const WordTable& lookup = lex.Domain(c.domain);
  // Partners Y': from the candidate table (not A itself), and for Normale and Double the taboo
  // words (Normale: and the locutions) that do not end with P.
  const bool tabooCandidates = c.method == M::Reversed || c.method == M::Double;
  const auto candidates = tabooCandidates ? Forms(lex.taboo) : Forms(lookup, false, c.method == M::Child);
  const bool normal = c.method == M::Normal;
  const auto tabooForms = Forms(lex.taboo);
  std::unordered_set<std::string> extraTaboo, extraLocutions;
  if (normal || c.method == M::Double) extraTaboo = tabooForms;
  if (normal) extraLocutions = Forms(lex.locutions);
  // The markers of the places a Y' gives, 0 when it is no partner: as a candidate (marked under
  // Normale when it is a taboo word), and, when it does not end with P, as a taboo word (marked
  // under Normale) and as a locution (not marked).
  const auto markers = [&](const std::string& y2, const std::string& a) {
    int m = 0;
    if (candidates.contains(y2) && y2 != a) m |= normal && tabooForms.contains(y2) ? 1 : 2;
    if (extraTaboo.contains(y2) && !y2.ends_with(p)) m |= normal ? 1 : 2;
    if (extraLocutions.contains(y2) && !y2.ends_with(p)) m |= 2;
    return m;
  };

  std::map<Found, int> found;
  std::map<std::tuple<int, std::string, std::string>, std::size_t> blockSizes;
  for (const Row& row : rows) {
    const std::string a = p.substr(row.i, row.k);
    // The places the engine keeps: every occurrence of A in a partner (Classiques: at the start).
    std::size_t places = 0;
    const auto count = [&](std::string_view f) {
      for (std::size_t at = f.find(a); at != std::string::npos; at = f.find(a, at + 1)) {
        places += c.decadent || at == 0;
        if (!c.decadent) break;
      }
    };
    for (const WordRow e : tabooCandidates ? lex.taboo : lookup) count(e.phonetic);
    for (const auto* extra : {&extraTaboo, &extraLocutions}) {
      for (const std::string& f : *extra) {
        if (!f.ends_with(p)) count(f);
      }
    }
    if (places > kMaxPlaces) capped = true;
    for (const std::string& b : row.bs) {
      for (const WordRow y : lookup) {
        for (std::size_t at = y.phonetic.find(b); at != std::string::npos; at = y.phonetic.find(b, at + 1)) {
          if (!c.decadent && at != 0) break;
          const std::string y2 = std::string(y.phonetic.substr(0, at)).append(a).append(y.phonetic.substr(at + b.size()));
          const int m = markers(y2, a);
          if (m == 0) continue;
          const auto [it, added] = found.try_emplace({static_cast<int>(row.i) + 1, a, b, ToLower(y.spelling)}, 0);
          it->second |= m;
          if (added && ++blockSizes[{static_cast<int>(row.i) + 1, a, b}] > kMaxBlockWords) capped = true;
        }
      }
    }
  }
  return found;
}

std::set<Found> EngineFound(const SpoonerismResult& result) {
  std::set<Found> out;
  for (const SpoonerismBlock& block : result.blocks) {
    for (const SpoonerismWord& word : block.words) {
      out.insert({block.fragmentStart, block.fragment, block.replacement, ToLower(word.dictionarySpelling)});
    }
  }
  return out;
}

// Common nouns (the child's words) spread over the table: lower-case letters only, three to seven
// phonemes.
std::vector<WordRow> SampleWords(const WordTable& nouns, std::size_t count) {
  std::vector<WordRow> words;
  for (std::size_t t = 0; t < count && !nouns.Empty(); ++t) {
    for (std::size_t j = nouns.Size() * (2 * t + 1) / (2 * count); j < nouns.Size(); ++j) {
      const WordRow e = nouns[j];
      const bool letters = std::all_of(e.spelling.begin(), e.spelling.end(), [](char ch) {
        const unsigned char u = static_cast<unsigned char>(ch);
        return (u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFC);
      });
      if (letters && e.marker == 1 && e.phonetic.size() >= 3 && e.phonetic.size() <= 7) {
        words.push_back(e);
        break;
      }
    }
  }
  return words;
}

TEST(SpoonerismDictionaryTest, EngineFindsWhatTheDefinitionFinds) {
  const Lexicon& lex = ShippedTables();
  constexpr SearchDomain N = SearchDomain::Nouns, A = SearchDomain::Adjectives;
  const Config configs[] = {
      {M::Normal, false, 1, N},   {M::Normal, true, 3, N},    {M::Reversed, false, 1, A},
      {M::Reversed, true, 2, N},  {M::Double, true, 3, N},    {M::Child, true, 1, N},
      {M::Child, false, 1, A},
  };
  const Session session;
  std::size_t compared = 0, nonEmpty = 0, marked = 0;
  // Besides the sample, two words whose exchanges find partners that are taboo words, for the mark.
  std::vector<std::string> words = {"poule", "fesse"};
  for (const WordRow word : SampleWords(lex.nouns, 8)) words.emplace_back(word.spelling);
  for (const std::string& word : words) {
    for (const Config& c : configs) {
      SCOPED_TRACE(word + " method " + std::to_string(static_cast<int>(c.method)) + " decadent " +
                   std::to_string(c.decadent) + " domain " + DomainShortName(c.domain));
      const SpoonerismQuery query{.typed = word, .swapLength = c.swap, .decadent = c.decadent,
                                  .method = c.method, .mergeEe = false, .domain = c.domain};
      const SpoonerismResult result = FindSpoonerisms(lex, session, query);
      ASSERT_TRUE(result.validated) << result.message;
      bool capped = false;
      const std::map<Found, int> marks = Reference(lex, result.phonetic, c, capped);
      std::set<Found> expected;
      for (const auto& [f, m] : marks) expected.insert(f);
      const std::set<Found> actual = EngineFound(result);
      // A word found only through marked places is marked ("#"), one found through none is not.
      for (const SpoonerismBlock& block : result.blocks) {
        for (const SpoonerismWord& w : block.words) {
          const Found key{block.fragmentStart, block.fragment, block.replacement, ToLower(w.dictionarySpelling)};
          const auto it = marks.find(key);
          if (it == marks.end() || it->second == 3) continue;
          EXPECT_EQ(w.tabooPartner, it->second == 1) << w.dictionarySpelling;
          marked += w.tabooPartner;
        }
      }
      if (capped) {
        EXPECT_TRUE(std::includes(expected.begin(), expected.end(), actual.begin(), actual.end()));
      } else {
        EXPECT_EQ(actual, expected);
      }
      ++compared;
      nonEmpty += !expected.empty();
    }
  }
  EXPECT_GE(compared, 50u);
  // The sample must exercise the search, not only its refusals.
  EXPECT_GE(nonEmpty, compared / 4);
  EXPECT_GT(marked, 0u);
}

TEST(SpoonerismDictionaryTest, ContrepetophileSearchFindsEveryWordOneExchangeAway) {
  const Lexicon& lex = ShippedTables();
  const Session session;
  std::size_t tried = 0;
  for (std::size_t j = 0; j < lex.taboo.Size() && tried < 8; j += std::max<std::size_t>(1, lex.taboo.Size() / 8)) {
    const WordRow t = lex.taboo[j];
    if (t.phonetic.size() < 3 || t.spelling.find_first_of(" -'") != std::string::npos) continue;
    ++tried;
    SCOPED_TRACE(t.spelling);
    const SpoonerismResult result = FindSpoonerisms(
        lex, session, {.typed = std::string(t.spelling), .swapLength = 2, .decadent = true, .method = M::Contrepetophile});
    ASSERT_TRUE(result.validated) << result.message;
    const std::string& p = result.phonetic;
    std::set<Found> expected;
    for (const WordRow y : lex.nouns) {
      for (std::size_t i = 0; i < p.size(); ++i) {
        for (std::size_t k = 1; k <= 2 && i + k <= p.size() && static_cast<int>(k) < static_cast<int>(p.size()); ++k) {
          for (std::size_t m = 1; m <= 2; ++m) {
            if (y.phonetic != p && y.phonetic.size() == p.size() - k + m && y.phonetic.compare(0, i, std::string_view(p), 0, i) == 0 &&
                y.phonetic.compare(i + m, std::string::npos, std::string_view(p), i + k, std::string::npos) == 0) {
              expected.insert({static_cast<int>(i) + 1, p.substr(i, k), "", ToLower(y.spelling)});
            }
          }
        }
      }
    }
    EXPECT_EQ(EngineFound(result), expected);
  }
}

// Records what a search reports, says stop at its `stopAt`-th Yield (never when 0), and notes a
// call that comes after it said stop.
class Recorder : public SearchObserver {
 public:
  explicit Recorder(std::size_t stopAt = 0) : stopAt_(stopAt) {}
  void SetCount(long count) override {
    Note();
    if (count > 0 && firstFound == 0) firstFound = yields;
    lastCount = count;
  }
  void SetProgress(double done, double expected) override {
    Note();
    reports.emplace_back(done, expected);
  }
  bool Yield() override {
    Note();
    stopped = ++yields == stopAt_;
    return !stopped;
  }

  std::vector<std::pair<double, double>> reports;
  long lastCount = 0;
  std::size_t yields = 0;
  std::size_t firstFound = 0;  // the yields made before the first word was found
  bool stopped = false;
  bool calledAfterStop = false;

 private:
  void Note() { calledAfterStop |= stopped; }
  std::size_t stopAt_;
};

TEST(SpoonerismDictionaryTest, ProgressRisesToTheExpectedWorkAndAStopEndsTheSearchAtOnce) {
  const Lexicon& lex = ShippedTables();
  const Session session;
  // Phase 2's expected work per replacement; the contrepétophile search has no phase 2 and is
  // worth 50, phase 1 (each table it scans) 200.
  const struct {
    M method;
    bool decadent;
    int swap;
    double perReplacement;
  } cases[] = {{M::Normal, true, 3, 12.0}, {M::Reversed, true, 2, 100.0 / 30.0}, {M::Double, true, 3, 10.0 / 3.0},
               {M::Child, false, 1, 5.0},  {M::Contrepetophile, true, 2, 0.0}};
  std::vector<WordRow> words = SampleWords(lex.nouns, 10);
  for (std::size_t j = 0; j < lex.taboo.Size(); j += lex.taboo.Size() / 10 + 1) words.push_back(lex.taboo[j]);
  for (const auto& c : cases) {
    SCOPED_TRACE("method " + std::to_string(static_cast<int>(c.method)));
    const bool taboo = c.method == M::Contrepetophile;
    SpoonerismQuery query{.typed = {}, .swapLength = c.swap, .decadent = c.decadent, .method = c.method};
    // The first sample word that gives two blocks or more, so that a stop has something to cut.
    SpoonerismResult full;
    Recorder whole;
    std::size_t phase2 = 0;  // the first report of phase 2
    for (const WordRow word : words) {
      query.typed = word.spelling;
      whole = Recorder();
      full = FindSpoonerisms(lex, session, query, whole, [&](SpoonerismStage stage) {
        if (stage == SpoonerismStage::Phase2) phase2 = whole.reports.size();
      });
      if (full.blocks.size() >= 2) break;
    }
    ASSERT_GE(full.blocks.size(), 2u) << "no sample word gives two blocks";
    SCOPED_TRACE(query.typed);

    // Each stage rises from where it starts and never passes its expected work.
    const double last = taboo ? 50.0 : full.expectedWork;
    ASSERT_FALSE(whole.reports.empty());
    for (std::size_t r = 1; r < whole.reports.size(); ++r) {
      const auto [done, expected] = whole.reports[r];
      const bool sameStage = expected == whole.reports[r - 1].second && done >= whole.reports[r - 1].first;
      const bool newStage = done == 0 || expected != whole.reports[r - 1].second;
      EXPECT_TRUE(sameStage || newStage) << "report " << r << ": " << done << " after " << whole.reports[r - 1].first;
      EXPECT_LE(done, expected * (1 + 1e-9));
      EXPECT_TRUE(expected == 200.0 || expected == last) << expected;
    }
    if (!taboo) {
      EXPECT_DOUBLE_EQ(full.expectedWork, static_cast<double>(full.replacementCount) * c.perReplacement);
    }
    EXPECT_DOUBLE_EQ(whole.reports.back().second, last);
    // Phase 2 rises from 0 without a restart and ends exactly on its expected work; the
    // contrepétophile search on its share of it, its rows near the end of the word being fewer
    // than the swap length allows.
    if (taboo) {
      EXPECT_GT(whole.reports.back().first, last / 2);
    } else {
      ASSERT_LT(phase2, whole.reports.size());
      EXPECT_EQ(whole.reports[phase2], std::make_pair(0.0, last));
      for (std::size_t r = phase2 + 1; r < whole.reports.size(); ++r) {
        EXPECT_GE(whole.reports[r].first, whole.reports[r - 1].first) << "report " << r;
        EXPECT_EQ(whole.reports[r].second, last);
      }
      EXPECT_EQ(whole.reports.back().first, last);
    }

    // Stopped at the first yield after a block was written: nothing is reported after the stop,
    // and the blocks written until then are kept, as the count showed them.
    Recorder stopping(whole.firstFound + 1);
    const SpoonerismResult stopped = FindSpoonerisms(lex, session, query, stopping);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopping.calledAfterStop);
    ASSERT_FALSE(stopped.blocks.empty());
    ASSERT_LT(stopped.blocks.size(), full.blocks.size());
    EXPECT_EQ(static_cast<long>(stopped.foundCount), stopping.lastCount);
    for (std::size_t b = 0; b < stopped.blocks.size(); ++b) {
      SpoonerismResult one, other;
      one.blocks = {stopped.blocks[b]};
      other.blocks = {full.blocks[b]};
      EXPECT_EQ(EngineFound(one), EngineFound(other)) << "block " << b;
    }
  }
}

}  // namespace
}  // namespace tavilo
