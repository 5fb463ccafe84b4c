// The rhymes of a word on a small lexicon: what the reference on the shipped dictionary cannot
// see — refusals and their messages, one line per spelling with its richest reading, the current
// list as source and as result, and the letters the block highlights. Which words rhyme, how
// richly and in what order is the reference's to check.
#include "engines/word_rhyme/word_rhyme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fixture_lexicon.h"
#include "support/stopping_observer.h"

namespace tavilo {
namespace {

using Lines = std::vector<std::pair<int, std::string>>;

class WordRhymeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, {{"\xE2ne", "an", 1, 1},
                                {"arbre", "arbr", 1, 1},
                                {"bedo", "b2do", 2, 0},
                                {"cabre", "kabr", 1, 0},
                                {"kado", "kado", 2, 0},
                                {"cane", "kan", 1, 1},
                                {"canne", "kan", 1, 1},
                                {"marbre", "marbr", 1, 0},
                                {"panne", "pan", 1, 0},
                                {"pfft", "pft", 1, 0},
                                {"plane", "plan", 1, 0}})
        .Add(TableKind::Adjectives, {{"cadeau", "kado", 2, 1}, {"sabre", "sabr", 1, 0}})
        .Add(TableKind::Verbs, {{"bedo", "bado", 2, 0}, {"dort", "d0r", 1, 0}})
        .Add(TableKind::FunctionWords, {{"trop", "tro", 1, 1}})
        .Add(TableKind::Locutions, {{"sac \xE0 dos", "sakado", 3, 0}});
    lexicon_ = fixture_.Load();
    ASSERT_TRUE(lexicon_);
    SetFrequencies("bedo\t1.0\nkado\t3.5\npanne\t4.1\nplane\t4.1\nsac \xE0 dos\t0.5\ntrop\t5.0\n\xE2ne\t2.0\n");
  }
  void SetFrequencies(const std::string& text) {
    FrequencyLoad load = ParseWordFrequencies(text, "frequences.txt");
    ASSERT_FALSE(load.error) << load.error->Message();
    frequencies_ = std::move(load.frequencies);
  }
  WordRhymeResult Find(WordRhymeQuery query) { return FindWordRhymes(*lexicon_, session_, frequencies_, query); }

  testing::FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  WordFrequencies frequencies_;
  Session session_;
};

TEST_F(WordRhymeTest, Refusals) {
  using R = WordRhymeRefusal;
  struct Case {
    WordRhymeQuery query;
    R refusal;
    std::string message;
  };
  const Case cases[] = {
      {{.typed = "  "}, R::Empty, "Entrez un mot : ses rimes suivront."},
      {{.typed = "ca2ne"}, R::Digit, "Les chiffres ne riment avec rien.\nUtilisez seulement l'alphabet."},
      {{.typed = "ca+ne"}, R::Sign,
       "Un mot s'\xE9" "crit avec des lettres, des espaces, des traits d'union et des apostrophes.\n"
       "Utilisez seulement l'alphabet."},
      {{.typed = "Zut"}, R::UnknownWord,
       "Apparemment le mot \xAB\xA0zut\xA0\xBB n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme."},
      {{.typed = "cane", .reading = 2}, R::NoSuchReading,
       "Le mot \xAB\xA0" "cane\xA0\xBB n'a qu'une lecture.\nChoisissez-en une de 1 \xE0 1."},
      {{.typed = "bedo", .reading = 3}, R::NoSuchReading,
       "Le mot \xAB\xA0" "bedo\xA0\xBB n'a que 2 lectures.\nChoisissez-en une de 1 \xE0 2."},
      {{.typed = "pfft"}, R::NoVowel, "Le mot \xAB\xA0pfft\xA0\xBB n'a pas de voyelle sur laquelle rimer."},
      {{.typed = "dort"}, R::NothingFound,
       "Aucun mot ne rime avec \xAB\xA0" "dort\xA0\xBB avec ces options.\nEssayez autre chose."},
      {{.typed = "cane", .syllables = 3}, R::NothingFound,
       "Aucun mot ne rime avec \xAB\xA0" "cane\xA0\xBB avec ces options.\nEssayez autre chose."},
  };
  for (const Case& c : cases) {
    session_.StartResultList("kept");
    session_.resultList.Append({"garde", "gard", 1, 0});
    const WordRhymeResult result = Find(c.query);
    EXPECT_EQ(result.refusal, c.refusal) << c.query.typed;
    EXPECT_EQ(result.message, c.message) << c.query.typed;
    // A refusal leaves the current list as it was.
    KeepWordRhymeResult(result, session_);
    EXPECT_EQ(session_.resultList.Size(), 1u) << c.query.typed;
  }
}

TEST_F(WordRhymeTest, CurrentListAsSourceAndAsResult) {
  const WordRhymeResult result = Find({.typed = "cadeau"});
  ASSERT_TRUE(result.Accepted());
  KeepWordRhymeResult(result, session_);
  EXPECT_EQ(session_.resultListKind, " rimes");
  ASSERT_EQ(session_.resultList.Size(), 3u);
  // Block order, each word with the reading that gave its richness.
  EXPECT_EQ(session_.resultList[0].spelling, "sac \xE0 dos");
  EXPECT_EQ(session_.resultList[1], WordRow("bedo", "bado", 2, 0));

  const WordRhymeResult fromList = Find({.typed = "kado", .domain = SearchDomain::ResultList});
  ASSERT_TRUE(fromList.Accepted()) << fromList.message;
  EXPECT_EQ(fromList.domainLabel, "Liste rimes");
  EXPECT_EQ(WordRhymeLines(fromList), (Lines{{4, "sac \xE0 dos"}, {3, "bedo"}, {1, "trop"}}));
  KeepWordRhymeResult(fromList, session_);
  EXPECT_EQ(session_.resultList.Size(), 3u);  // the list it was read from stays
}

TEST_F(WordRhymeTest, ObserverSeesTheCountAndCanStop) {
  StoppingObserver observer(3);
  const WordRhymeResult result = FindWordRhymes(*lexicon_, session_, frequencies_, {.typed = "cane"}, observer);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(observer.yields, 4);
  // Three nouns were scanned: âne (rhyme), arbre, bedo.
  EXPECT_EQ(WordRhymeLines(result), (Lines{{2, "\xE2ne"}}));
  EXPECT_EQ(observer.counts.back(), 1);
}

// The runs of a document's paragraph, as (text, bold) pairs.
std::vector<std::pair<std::string, bool>> Runs(const Paragraph& paragraph) {
  std::vector<std::pair<std::string, bool>> runs;
  for (const TextRun& run : paragraph.runs) runs.emplace_back(run.text, run.format.bold);
  return runs;
}

TEST_F(WordRhymeTest, HeaderAndBlock) {
  const WordRhymeResult result = Find({.typed = "bedo", .reading = 2, .assonances = true});
  ASSERT_TRUE(result.Accepted());
  const Document header = WriteWordRhymeHeader(result);
  EXPECT_EQ(WritePlainText(header),
            "   Rimes d'un mot       Mot : \xC2\xAB\xC2\xA0" "bedo\xC2\xA0\xC2\xBB       Phon\xC3\xA9tique : b-a-d-o"
            "       Rime : \xC2\xAB\xC2\xA0o\xC2\xA0\xC2\xBB       Domaine : Tous       Nombre de syllabes : Toutes"
            "       Mots trouv\xC3\xA9s : 4\n"
            "   Autres lectures : 1 \xC2\xAB\xC2\xA0" "b-\xC3\xA9-d-o\xC2\xA0\xC2\xBB");
  const Document block = WriteWordRhymeBlock(result);
  const std::string rule(185, '-');
  EXPECT_EQ(WritePlainText(block),
            " Rime riche (3 sons) : \xC2\xAB\xC2\xA0" "a-d-o\xC2\xA0\xC2\xBB\n"
            "\tkado\tsac \xC3\xA0 dos\tcadeau\n" + rule + "\n"
            " Rime pauvre : \xC2\xAB\xC2\xA0o\xC2\xA0\xC2\xBB\n\ttrop\n" + rule + "\n");
  // The letters of the shared sounds, to the end of the word, in bold colour.
  const auto& paragraphs = block.paragraphs();
  ASSERT_GE(paragraphs.size(), 4u);
  using Runs_ = std::vector<std::pair<std::string, bool>>;
  EXPECT_EQ(Runs(paragraphs[1]), (Runs_{{"\tk", false}, {"ado", true}, {"\tsac ", false},
                                        {"\xC3\xA0 dos", true}, {"\tc", false}, {"adeau", true}}));
  EXPECT_EQ(Runs(paragraphs[4]), (Runs_{{"\ttr", false}, {"op", true}}));
  EXPECT_EQ(paragraphs[1].runs[1].format.color, (Rgb{200, 0, 0}));
}

}  // namespace
}  // namespace tavilo
