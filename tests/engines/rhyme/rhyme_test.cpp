// The rhyme engine on a small lexicon: what the reference on the shipped dictionary cannot see —
// refusals and their messages, the words the sound is never learnt from, labels, the current
// list as source and as result, stopping, and the block's text and layout.
#include "engines/rhyme/rhyme.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/fixture_lexicon.h"
#include "support/stopping_observer.h"

namespace tavilo {
namespace {

std::vector<std::string> AllWords(const RhymeResult& result) {
  std::vector<std::string> words;
  for (const SortedStringList& list : result.lists) words.insert(words.end(), list.Items().begin(), list.Items().end());
  return words;
}

class RhymeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each table sorted by phonetic form, as the shipped ones are.
    fixture_
        .Add(TableKind::Nouns, {{"haut", "a", 1, 0},        // one phoneme: never teaches "aut" = "a"
                                {"\xE2ne", "an", 1, 1},     // nothing before "ne"
                                {"bouane", "b4in", 2, 0},   // a vowel before "ane"
                                {"banane", "banan", 3, 1},
                                {"cane", "kan", 1, 1},
                                {"cochon", "koh8", 2, 1},   // the h of "ch" starts no sound
                                {"passion", "pas78", 2, 1}, // nor the second s of "ss"
                                {"saut", "so", 1, 1}})
        .Add(TableKind::Adjectives, {{"paysanne", "p3iz5n", 3, 0}, {"plane", "plan", 1, 0}})
        .Add(TableKind::Verbs, {{"chanter", "h5t2", 2, 1}})
        .Add(TableKind::FunctionWords, {{"enfer", "6f3r", 2, 0}});
    lexicon_ = fixture_.Load();
    ASSERT_TRUE(lexicon_);
  }
  RhymeResult Find(const std::string& typed, SearchDomain domain = SearchDomain::Nouns, int syllables = 0) {
    return FindRhymes(*lexicon_, session_, {.typed = typed, .syllables = syllables, .domain = domain});
  }

  testing::FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  Session session_;
};

TEST_F(RhymeTest, RefusalsAndLearntSounds) {
  const std::string unknown = "Apparemment il n'existe aucun mot avec une rime en \xAB\xA0";
  const std::string messages[] = {
      "",
      "      L\xE0, vous \xEAtes distrait,\n      Mais il est l\xE9gitime\n"
      "      Pour en voir tout l'attrait\n      D'apposer une rime...",
      "En l'occurrence LES CHIFFRES ne riment \xE0 rien.\nUtilisez seulement l'alphabet.",
      "Ici, il est impossible que les signes s'arriment.\nUtilisez seulement l'alphabet.",
      "En g\xE9n\xE9ral le \xAB\xA0" "e\xA0\xBB en fin de mot est muet !!!\nEssayez quelque chose de plus parlant.",
  };
  const struct {
    std::string typed;
    RhymeRefusal refusal;
    std::string sound;  // or, for an unknown sound, the rhyme named in the message
  } cases[] = {
      {" \t ", RhymeRefusal::Empty, ""},
      {"!9", RhymeRefusal::Digit, ""},  // the digit is named before the sign
      {"a-ne", RhymeRefusal::Sign, ""},
      {"\xA0" "ane", RhymeRefusal::Sign, ""},  // a non-breaking space is no space
      {"\xFD", RhymeRefusal::Sign, ""},        // past the accented range
      {" E ", RhymeRefusal::LoneE, ""},
      {"e e", RhymeRefusal::UnknownSound, "ee"},  // spaces go before the lone-e check
      {"[", RhymeRefusal::UnknownSound, "["},     // inside A-z by code, so a letter
      {"sion", RhymeRefusal::UnknownSound, "sion"},
      {"hon", RhymeRefusal::UnknownSound, "hon"},
      {"  A NE", RhymeRefusal::None, "an"},  // from banane, not bouane nor \xE2ne
      {"aut", RhymeRefusal::None, "o"},      // from saut, not haut
      {"sanne", RhymeRefusal::None, "z5n"},  // y counts as a consonant
      {"er", RhymeRefusal::None, "2"},       // verbs come before adverbs
  };
  for (const auto& c : cases) {
    const RhymeResult result = Find(c.typed);
    SCOPED_TRACE(c.typed);
    // Whether words of the nouns have the sound is not the point here.
    EXPECT_EQ(result.refusal == RhymeRefusal::NothingFound ? RhymeRefusal::None : result.refusal, c.refusal);
    if (c.refusal == RhymeRefusal::UnknownSound) {
      EXPECT_EQ(result.message, unknown + c.sound + "\xA0\xBB !!!\nEssayez une autre rime.");
    } else if (c.refusal != RhymeRefusal::None) {
      EXPECT_EQ(result.message, messages[static_cast<int>(c.refusal)]);
    } else {
      EXPECT_EQ(result.rhymePhonetic, c.sound);
    }
  }
  EXPECT_EQ(Find("  A NE").rhyme, "ane");
  const RhymeResult none = Find("ane", SearchDomain::Nouns, 9);
  EXPECT_EQ(none.message, "Apparemment il n'y a pas de rimes en \xAB\xA0" "ane\xA0\xBB avec ces options !!!\nEssayez autre chose.");
  EXPECT_TRUE(none.SoundFound());
}

TEST_F(RhymeTest, LabelsOfEachDomain) {
  session_.StartResultList(" contrep\xE8teries");
  session_.resultList.Append({"cane", "kan", 1, 1});
  const struct {
    SearchDomain domain;
    int syllables;
    const char *label, *listName, *syllableItem;
  } cases[] = {
      {SearchDomain::Nouns, 0, "Noms", "Nom_ane", "Toutes"},
      {SearchDomain::Adjectives, 1, "Adjectifs", "Adj_ane", "1"},
      {SearchDomain::Verbs, 0, "Verbes", "Ver_ane", "Toutes"},
      {SearchDomain::FunctionWords, 0, "Adverbes", "Adv_ane", "Toutes"},
      {SearchDomain::ResultList, 0, "Liste contrep\xE8teries", "Lis_ane", "Toutes"},
  };
  for (const auto& c : cases) {
    const RhymeResult result = Find("ane", c.domain, c.syllables);
    EXPECT_EQ(result.domainLabel, c.label) << c.label;
    EXPECT_EQ(result.listName, c.listName) << c.label;
    EXPECT_EQ(result.syllableItem, c.syllableItem) << c.label;
    EXPECT_EQ(result.fromResultList, c.domain == SearchDomain::ResultList);
  }
}

// A current list is listed without repeats and stays as it was; a table lists every row;
// counts outside 1 to 9 are left out everywhere.
TEST_F(RhymeTest, CurrentListAsSourceAndAsResult) {
  session_.StartResultList(" contrep\xE8teries");
  for (const WordRow row : std::vector<WordEntry>{{"cane", "kan", 1, 1}, {"banane", "banan", 3, 1},
                                                      {"cane", "kan", 1, 0}, {"panne", "pan", 0, 0},
                                                      {"douane", "d4an", 10, 0}, {"cabane", "kaban", -3, 0}}) {
    session_.resultList.Append(row);
  }
  const WordTable before = session_.resultList;
  const RhymeResult fromList = Find("ane", SearchDomain::ResultList);
  EXPECT_EQ(AllWords(fromList), (std::vector<std::string>{"cane", "banane"}));
  EXPECT_EQ(fromList.count, 2u);
  EXPECT_TRUE(fromList.kept.Empty());
  KeepRhymeResult(fromList, session_);
  EXPECT_TRUE(session_.resultList == before);
  EXPECT_EQ(session_.resultListKind, " contrep\xE8teries");

  testing::FixtureLexicon twice;
  twice.Add(TableKind::Nouns, {{"cane", "kan", 1, 1}, {"cane", "kan", 1, 0}});
  const auto lexicon = twice.Load();
  const RhymeResult fromTable = FindRhymes(*lexicon, session_, {.typed = "ane"});
  // A word of two rows is listed, counted and kept once: its first row.
  EXPECT_EQ(AllWords(fromTable), (std::vector<std::string>{"cane"}));
  EXPECT_EQ(fromTable.count, 1u);
  KeepRhymeResult(fromTable, session_);
  EXPECT_EQ(session_.resultListKind, " rimes");
  const std::vector<WordEntry> kept{{"cane", "kan", 1, 1}};
  EXPECT_TRUE(std::ranges::equal(session_.resultList, kept));

  // A refusal before the scan leaves the list; nothing found empties it and keeps its kind.
  KeepRhymeResult(Find("a1"), session_);
  KeepRhymeResult(Find("xyz"), session_);
  EXPECT_EQ(session_.resultList.Size(), 1u);
  session_.resultListKind = " contrep\xE8teries";
  KeepRhymeResult(Find("ane", SearchDomain::Nouns, 7), session_);
  EXPECT_TRUE(session_.resultList.Empty());
  EXPECT_EQ(session_.resultListKind, " contrep\xE8teries");
  EXPECT_EQ(Find("ane", SearchDomain::ResultList).refusal, RhymeRefusal::NothingFound);
}

TEST_F(RhymeTest, ObserverSeesTheCountAndCanStop) {
  StoppingObserver all(1000);
  const RhymeResult result = FindRhymes(*lexicon_, session_, {.typed = "ane"}, all);
  EXPECT_EQ(all.yields, static_cast<int>(lexicon_->nouns.Size()));
  EXPECT_EQ(all.counts, (std::vector<long>{1, 2, 3, 3}));
  EXPECT_FALSE(result.stopped);
  StoppingObserver none(0);
  const RhymeResult stopped = FindRhymes(*lexicon_, session_, {.typed = "ane"}, none);
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(stopped.count, 0u);
}

std::vector<std::string> Lines(const Document& doc) {
  std::vector<std::string> lines;
  std::istringstream text(WritePlainText(doc) + "\n");
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

TEST(RhymeBlockTest, HeaderAndListsFromNineSyllablesDown) {
  RhymeResult result;
  result.rhyme = "\xE9t\xE9";
  result.domainLabel = "Liste contrep\xE8teries";
  result.syllableItem = "3";
  const std::vector<std::pair<int, std::vector<std::string>>> lists = {
      {1, {"g", "f", "e", "d", "c", "b", "a"}}, {9, {"anticonstitutionnellement"}}, {3, {"pot\xE9"}}};
  for (const auto& [syllables, words] : lists) {
    for (const std::string& word : words) result.lists[static_cast<std::size_t>(syllables - 1)].Add(word);
  }
  for (const auto& [count, found] : {std::pair<std::size_t, const char*>{1, "Mot trouv\xC3\xA9 : 1"},
                                     {0, "Mots trouv\xC3\xA9s : 0"}, {12345, "Mots trouv\xC3\xA9s : 12345"}}) {
    result.count = count;
    const Document header = WriteRhymeHeader(result);
    EXPECT_EQ(Lines(header), std::vector<std::string>{"   Rimes       Rime : \xC2\xAB\xC2\xA0...\xC3\xA9t\xC3\xA9\xC2\xA0\xC2\xBB       "
                                                      "Domaine : Liste contrep\xC3\xA8teries       Nombre de syllabes "
                                                      ": 3       " + std::string(found)});
    ASSERT_EQ(header.paragraphs()[0].runs.size(), 1u);
    EXPECT_EQ(header.paragraphs()[0].runs[0].format,
              (CharFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}}));
  }
  const std::string rule(185, '-');
  const Document block = WriteRhymeBlock(result);
  EXPECT_EQ(Lines(block), (std::vector<std::string>{" 9 syllabes :", "\tanticonstitutionnellement", rule,
                                                    " 3 syllabes :", "\tpot\xC3\xA9", rule, " 1 syllabe :",
                                                    "\ta\tb\tc\td\te\tf", "\tg", rule, ""}));
  for (const Paragraph& paragraph : block.paragraphs()) {
    EXPECT_EQ(paragraph.tab_stops, (std::vector<int>{720, 2880, 5040, 7200, 9360, 11520}));
    for (const TextRun& run : paragraph.runs) EXPECT_EQ(run.format, CharFormat{}) << run.text;
  }
}

}  // namespace
}  // namespace tavilo
