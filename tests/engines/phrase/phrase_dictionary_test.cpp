// The sentence-spoonerism engine against a brute-force reference on the shipped dictionary, and
// its ranking as properties. The reference follows the definition and nothing else: every
// reading of each word (its folded spelling in every table), every fragment of one to three
// phonemes of two words (or three, rotated), different once é and è are merged, not both whole
// words, whose new forms are forms of some table. The engine must give the same exchanges.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/text.h"
#include "engines/phrase/phrase.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

using testing::ShippedTables;

std::string Merge(std::string_view s) {
  std::string out(s);
  std::replace(out.begin(), out.end(), '3', '2');
  return out;
}

const WordFrequencies& ShippedFrequencies() {
  static const FrequencyLoad load = LoadWordFrequencies(FindDataDirectory());
  if (load.error) ADD_FAILURE() << load.error->Message();
  return load.frequencies;
}

// An exchange as both sides see it: each changed word (its index) with its new form, merged.
using Key = std::vector<std::pair<std::size_t, std::string>>;

struct Reference {
  std::set<std::string> forms;  // every form of every table, merged

  Reference() {
    for (TableKind kind : {TableKind::Locutions, TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs,
                           TableKind::FunctionWords, TableKind::Taboo}) {
      for (const WordRow row : ShippedTables().Table(kind)) forms.insert(Merge(row.phonetic));
    }
  }

  std::vector<std::string> Readings(std::string_view word) const {
    std::set<std::string> out;
    const std::string key = FoldValidation(ToLower(word));
    for (TableKind kind : {TableKind::Locutions, TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs,
                           TableKind::FunctionWords, TableKind::Taboo}) {
      for (const WordRow row : ShippedTables().Table(kind)) {
        if (FoldValidation(ToLower(row.spelling)) == key) out.insert(std::string(row.phonetic));
      }
    }
    return {out.begin(), out.end()};
  }

  struct Frag {
    std::string form;
    std::size_t start, length;
    std::string Codes() const { return form.substr(start, length); }
    bool Whole() const { return length == form.size(); }
    std::string With(const std::string& codes) const {
      return Merge(form.substr(0, start) + codes + form.substr(start + length));
    }
  };

  static std::vector<Frag> Fragments(const std::vector<std::string>& readings, int sounds) {
    std::vector<Frag> out;
    for (const std::string& f : readings)
      for (std::size_t s = 0; s < f.size(); ++s)
        for (std::size_t l = 1; l <= static_cast<std::size_t>(sounds) && s + l <= f.size(); ++l) {
          out.push_back({f, s, l});
        }
    return out;
  }

  std::set<Key> Exchanges(const std::string& sentence, int sounds, bool three) const {
    const SentenceReading reading = ReadSentence(sentence);
    std::vector<std::vector<Frag>> frags;
    for (const SentenceWord& w : reading.words) {
      frags.push_back(Fragments(Readings(std::string_view(sentence).substr(w.offset, w.length)), sounds));
    }
    std::set<Key> out;
    const std::size_t n = frags.size();
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j)
        for (const Frag& a : frags[i])
          for (const Frag& b : frags[j]) {
            if (Merge(a.Codes()) == Merge(b.Codes()) || (a.Whole() && b.Whole())) continue;
            const std::string ai = a.With(b.Codes()), bj = b.With(a.Codes());
            if (forms.count(ai) && forms.count(bj)) out.insert({{i, ai}, {j, bj}});
          }
    if (!three) return out;
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i + 1; j < n; ++j)
        for (std::size_t l = j + 1; l < n; ++l)
          for (const Frag& a : frags[i])
            for (const Frag& b : frags[j])
              for (const Frag& c : frags[l]) {
                const std::string x = Merge(a.Codes()), y = Merge(b.Codes()), z = Merge(c.Codes());
                if (x == y || y == z || x == z || (a.Whole() && b.Whole() && c.Whole())) continue;
                // i takes b's, j takes c's, l takes a's; or the other way round.
                for (const auto& [ri, rj, rl] : {std::tuple{b.Codes(), c.Codes(), a.Codes()},
                                                 std::tuple{c.Codes(), a.Codes(), b.Codes()}}) {
                  const std::string ni = a.With(ri), nj = b.With(rj), nl = c.With(rl);
                  if (forms.count(ni) && forms.count(nj) && forms.count(nl)) out.insert({{i, ni}, {j, nj}, {l, nl}});
                }
              }
    return out;
  }
};

const Reference& Ref() {
  static const Reference reference;
  return reference;
}

std::set<Key> EngineExchanges(const PhraseResult& result) {
  std::set<Key> out;
  for (const PhraseCandidate& c : result.candidates) {
    Key key;
    for (const PhraseChange& change : c.changes) key.push_back({change.word, Merge(change.newPhonetic)});
    out.insert(key);
  }
  return out;
}

PhraseResult Search(const std::string& sentence, int sounds = 3, bool three = false) {
  PhraseQuery query;
  query.typed = Utf8ToCp1252(sentence);
  query.maxSounds = sounds;
  query.three = three;
  return FindPhraseSpoonerisms(ShippedTables(), ShippedFrequencies(), query);
}

TEST(PhraseDictionaryTest, FindsWhatTheReferenceFinds) {
  struct Case {
    const char* sentence;
    int sounds;
    bool three;
  };
  // Elisions, homographs read in several tables, é/è words, long words and short ones.
  const Case cases[] = {
      {"Quel champ de coton !", 3, false},
      {"La cuvette est pleine de bouillon", 3, false},
      {"Femme folle \xC3\xA0 la messe", 2, false},
      {"Glisser dans la piscine", 3, false},
      {"Les nouilles cuisent au jus de canne", 1, false},
      {"Je vous laisse le choix dans la date", 2, false},
      {"L'\xC3\xA9t\xC3\xA9 est une saison pr\xC3\xA8s de la mer", 3, false},
      {"Le petit lapin ne supporte pas ces horribles chasseurs", 1, false},
      {"Il est fier de son p\xC3\xA8re et de sa m\xC3\xA8re", 2, false},
      {"Le bord du mot", 3, true},
      {"Bas mot sol", 3, true},
      {"La poule couve ses \xC5\x93ufs dans le foin", 2, true},
  };
  for (const Case& c : cases) {
    const PhraseResult result = Search(c.sentence, c.sounds, c.three);
    ASSERT_TRUE(result.Accepted() || result.refusal == PhraseRefusal::NothingFound) << c.sentence << result.message;
    const std::set<Key> expected = Ref().Exchanges(Utf8ToCp1252(c.sentence), c.sounds, c.three);
    const std::set<Key> found = EngineExchanges(result);
    std::vector<Key> missing, extra;
    std::set_difference(expected.begin(), expected.end(), found.begin(), found.end(), std::back_inserter(missing));
    std::set_difference(found.begin(), found.end(), expected.begin(), expected.end(), std::back_inserter(extra));
    EXPECT_TRUE(missing.empty()) << c.sentence << ": " << missing.size() << " missing, e.g. " << missing[0][0].second;
    EXPECT_TRUE(extra.empty()) << c.sentence << ": " << extra.size() << " extra";
    EXPECT_FALSE(expected.empty()) << c.sentence;
  }
}

// Where a published hidden sentence ranks (1 = first); 0 when it is not found.
std::size_t RankOf(const PhraseResult& result, const std::vector<std::string>& newWords) {
  for (std::size_t r = 0; r < result.candidates.size(); ++r) {
    std::vector<std::string> spellings;
    for (const PhraseChange& change : result.candidates[r].changes) {
      spellings.push_back(change.newSpelling);
      spellings.insert(spellings.end(), change.otherSpellings.begin(), change.otherSpellings.end());
    }
    if (std::all_of(newWords.begin(), newWords.end(), [&](const std::string& w) {
          return std::find(spellings.begin(), spellings.end(), Utf8ToCp1252(w)) != spellings.end();
        })) {
      return r + 1;
    }
  }
  return 0;
}

TEST(PhraseDictionaryTest, PublishedContrepeteriesComeFirst) {
  struct Case {
    const char* sentence;
    std::vector<std::string> hidden;  // the new words of the hidden sentence
  };
  const Case cases[] = {
      {"Quel champ de coton !", {"temps", "cochon"}},
      {"La cuvette est pleine de bouillon", {"buvette", "couillons"}},
      {"Femme folle \xC3\xA0 la messe", {"molle", "fesse"}},
      {"Glisser dans la piscine", {"pisser", "glycine"}},
      {"Les nouilles cuisent au jus de canne", {"couilles", "nuisent"}},
      {"Je vous laisse le choix dans la date", {"doigt", "chatte"}},
      {"Le petit sapin ne supporte pas ces horribles chaleurs", {"lapin", "chasseurs"}},
      {"Les mots ne sont pas gripp\xC3\xA9s", {"pots", "grim\xC3\xA9s"}},
  };
  for (const Case& c : cases) {
    const PhraseResult result = Search(c.sentence);
    const std::size_t rank = RankOf(result, c.hidden);
    EXPECT_GE(rank, 1u) << c.sentence;
    EXPECT_LE(rank, 3u) << c.sentence;
  }
}

TEST(PhraseDictionaryTest, ClassicExchangesOfContentWordsOutrankFunctionWords) {
  // Over every candidate of these sentences: an initial-consonant exchange between two words
  // that are nouns, adjectives or verbs before and after ranks above every exchange between two
  // function words; and among candidates that differ only by how many phonemes moved, fewer first.
  const char* sentences[] = {"Le chat de la voisine mange la souris du voisin",
                             "Quel champ de coton !", "La cuvette est pleine de bouillon",
                             "Il est fier de son p\xC3\xA8re et de sa m\xC3\xA8re"};
  const auto isFunction = [](const std::string& spelling) {
    const WordTable& table = ShippedTables().functionWords;
    return std::any_of(table.begin(), table.end(), [&](WordRow r) { return r.spelling == spelling; });
  };
  int compared = 0;
  for (const char* s : sentences) {
    const PhraseResult result = Search(s);
    int worstClassic = 1000, bestFunction = -1000;
    for (const PhraseCandidate& c : result.candidates) {
      const std::string oldA = result.Word(c.changes[0].word), oldB = result.Word(c.changes[1].word);
      const bool function = isFunction(ToLower(oldA)) && isFunction(ToLower(oldB)) &&
                            isFunction(c.changes[0].newSpelling) && isFunction(c.changes[1].newSpelling);
      const bool classic = std::all_of(c.changes.begin(), c.changes.end(), [&](const PhraseChange& ch) {
        return ch.receivedStart == 1 && ch.given.size() == 1 && ch.received.size() == 1 &&
               std::string_view("aeiou0123456789").find(ch.given[0]) == std::string_view::npos &&
               std::string_view("aeiou0123456789").find(ch.received[0]) == std::string_view::npos &&
               !isFunction(ch.newSpelling);
      }) && !isFunction(ToLower(oldA)) && !isFunction(ToLower(oldB));
      if (classic) worstClassic = std::min(worstClassic, c.score.total);
      if (function) bestFunction = std::max(bestFunction, c.score.total);
      const PhraseScore& p = c.score;
      EXPECT_EQ(p.total, p.taboo + p.shape + p.content + p.frequency + p.table + p.moved) << c.sentence;
    }
    if (worstClassic < 1000 && bestFunction > -1000) {
      EXPECT_GT(worstClassic, bestFunction) << s;
      ++compared;
    }
    // Ranked best first.
    EXPECT_TRUE(std::is_sorted(result.candidates.begin(), result.candidates.end(),
                               [](const PhraseCandidate& a, const PhraseCandidate& b) {
                                 return a.score.total > b.score.total;
                               }))
        << s;
  }
  EXPECT_GE(compared, 2);  // the sentences hold both kinds
}

TEST(PhraseDictionaryTest, TheBestRouteToASentenceIsKept) {
  // "cuvette/bouillon" by k and b alone, not by a longer fragment that also works.
  const PhraseResult result = Search("La cuvette est pleine de bouillon");
  ASSERT_FALSE(result.candidates.empty());
  const PhraseCandidate& first = result.candidates[0];
  EXPECT_EQ(first.score.moved, 0);
  EXPECT_EQ(first.changes[0].given, "k");
  EXPECT_EQ(first.changes[1].given, "b");
  EXPECT_GT(first.score.taboo, 0);  // couillon is a taboo word
}

}  // namespace
}  // namespace tavilo
