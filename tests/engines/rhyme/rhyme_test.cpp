// The rhyme engine on a small lexicon: the typed rhyme's checks, how its sound is learnt, the three
// positions, the spelling and syllable options, the current list as source and as result.
#include "engines/rhyme/rhyme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

// The words of every list, fewest syllables first, each list in its display order.
std::vector<std::string> AllWords(const RhymeResult& result) {
  std::vector<std::string> words;
  for (const SortedStringList& list : result.lists) words.insert(words.end(), list.Items().begin(), list.Items().end());
  return words;
}

// Rows sorted by phonetic form, as the shipped tables are.
std::vector<WordEntry> ByPhonetic(std::vector<WordEntry> rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const WordEntry& a, const WordEntry& b) { return a.phonetic < b.phonetic; });
  return rows;
}

class RhymeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_
        .Add(TableKind::Nouns, ByPhonetic({
                                   // Ends with "ane" after a vowel: never asked for the sound of "ane",
                                   // or the rhyme would sound "in".
                                   {"bouane", "b4in", 2, 0},
                                   {"cane", "kan", 1, 1},
                                   {"canard", "kanar", 2, 1},
                                   {"cabane", "kaban", 2, 1},
                                   {"banane", "banan", 3, 1},
                                   {"panne", "pan", 1, 1},
                                   {"anesse", "an3s", 2, 0},
                                   {"anneau", "ano", 2, 1},
                                   {"nana", "nana", 2, 0},
                                   {"panier", "pan72", 2, 1},
                                   {"douane", "d4an", 2, 0},
                                   {"manant", "man5", 2, 0},
                                   {"passion", "pas78", 2, 1},
                                   {"cochon", "koh8", 2, 1},
                                   // One phoneme only: never asked for a sound, or "aut" would sound "a".
                                   {"haut", "a", 1, 0},
                                   {"saut", "so", 1, 1},
                                   {"\xE2ne", "an", 1, 1},
                                   {"caravan", "karavan", 3, 0},
                                   // "an" inside its sound, not inside its letters.
                                   {"solennel", "solan3l", 3, 0},
                               }))
        .Add(TableKind::Adjectives, ByPhonetic({{"paysanne", "p3iz5n", 3, 0}, {"plane", "plan", 1, 0}}))
        .Add(TableKind::Verbs, ByPhonetic({{"chanter", "h5t2", 2, 1}, {"planer", "plan2", 2, 0}}))
        .Add(TableKind::FunctionWords, ByPhonetic({{"enfer", "6f3r", 2, 0}, {"tant", "t5", 1, 1}}));
    lexicon_ = fixture_.Load();
    ASSERT_TRUE(lexicon_);
  }

  RhymeResult Find(const std::string& typed, RhymePosition position = RhymePosition::End, int domain = 1,
                   bool keepSpelling = false, int syllables = 0) {
    return FindRhymes(*lexicon_, session_,
                      {.typed = typed, .position = position, .keepSpelling = keepSpelling, .syllables = syllables,
                       .domain = domain});
  }

  FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  Session session_;
};

TEST_F(RhymeTest, RefusalsCarryTheirMessages) {
  const std::string empty =
      "      L\xE0, vous \xEAtes distrait,\n      Mais il est l\xE9gitime\n"
      "      Pour en voir tout l'attrait\n      D'apposer une rime...";
  const std::string digits = "En l'occurrence LES CHIFFRES ne riment \xE0 rien.\nUtilisez seulement l'alphabet.";
  const std::string signs = "Ici, il est impossible que les signes s'arriment.\nUtilisez seulement l'alphabet.";
  const std::string loneE =
      "En g\xE9n\xE9ral le \xAB" "e\xBB en fin de mot est muet !!!\nEssayez quelque chose de plus parlant.";
  struct Case {
    std::string typed;
    RhymeRefusal refusal;
    std::string message;
  };
  const Case cases[] = {
      {"", RhymeRefusal::Empty, empty},
      {" \t ", RhymeRefusal::Empty, empty},
      {"a2ne", RhymeRefusal::Digit, digits},
      {"!9", RhymeRefusal::Digit, digits},  // the digit is named before the sign
      {"a-ne", RhymeRefusal::Sign, signs},
      {"an\te", RhymeRefusal::Sign, signs},
      {"\xA0" "ane", RhymeRefusal::Sign, signs},  // a non-breaking space is no space
      {"\x1A", RhymeRefusal::Sign, signs},        // what the edge makes of a character with no code
      {"\xFD", RhymeRefusal::Sign, signs},        // past the accented range
      {"e", RhymeRefusal::LoneE, loneE},
      {"e e", RhymeRefusal::UnknownSound,  // "ee" is no lone e
       "Apparemment il n'existe aucun mot avec une rime en \xAB" "ee\xBB !!!\nEssayez une autre rime."},
      {" E ", RhymeRefusal::LoneE, loneE},
      {"xyz", RhymeRefusal::UnknownSound,
       "Apparemment il n'existe aucun mot avec une rime en \xABxyz\xBB !!!\nEssayez une autre rime."},
      {"[", RhymeRefusal::UnknownSound,  // inside A-z by code, so a letter for the check
       "Apparemment il n'existe aucun mot avec une rime en \xAB[\xBB !!!\nEssayez une autre rime."},
      // "ss" spells one phoneme in passion: its second s starts no sound, so "sion" is unknown.
      {"sion", RhymeRefusal::UnknownSound,
       "Apparemment il n'existe aucun mot avec une rime en \xABsion\xBB !!!\nEssayez une autre rime."},
      {"hon", RhymeRefusal::UnknownSound,  // the h of "ch" in cochon
       "Apparemment il n'existe aucun mot avec une rime en \xABhon\xBB !!!\nEssayez une autre rime."},
  };
  for (const Case& c : cases) {
    const RhymeResult result = Find(c.typed);
    EXPECT_EQ(result.refusal, c.refusal) << c.typed;
    EXPECT_EQ(result.message, c.message) << c.typed;
    EXPECT_EQ(result.count, 0u) << c.typed;
  }
  const RhymeResult none = Find("ane", RhymePosition::End, 1, false, 9);
  EXPECT_EQ(none.refusal, RhymeRefusal::NothingFound);
  EXPECT_EQ(none.message, "Apparemment il n'y a pas de rimes en \xAB" "ane\xBB avec ces options !!!\nEssayez autre chose.");
  EXPECT_TRUE(none.SoundFound());
}

TEST_F(RhymeTest, TheSoundComesFromTheFirstWordThatSpellsIt) {
  struct Case {
    std::string typed;
    std::string sound;
  };
  const Case cases[] = {
      {"ane", "an"},     // cane or banane, not bouane (vowel before) nor âne (nothing before)
      {"aut", "o"},      // saut, not the one-phoneme haut
      {"ANE", "an"},     // typed in capitals
      {"a ne", "an"},    // spaces are removed
      {"er", "2"},       // no noun or adjective: the verbs (chanter) come before the adverbs (enfer)
      {"sanne", "z5n"},  // the adjective paysanne, where y counts as a consonant
      {"fer", "f3r"},    // only the adverb enfer
  };
  for (const Case& c : cases) {
    const RhymeResult result = Find(c.typed, RhymePosition::End, 4);
    EXPECT_EQ(result.rhymePhonetic, c.sound) << c.typed;
  }
  EXPECT_EQ(Find("a ne").rhyme, "ane");
  EXPECT_EQ(Find("  ANE ").rhyme, "ane");
}

TEST_F(RhymeTest, NounsComeFirstWhenSeveralTablesSpellTheRhyme) {
  FixtureLexicon fixture;
  fixture.Add(TableKind::Nouns, {{"fer", "f3r", 1, 1}}).Add(TableKind::Verbs, {{"chanter", "h5t2", 2, 1}});
  const auto lexicon = fixture.Load();
  ASSERT_TRUE(lexicon);
  EXPECT_EQ(FindRhymes(*lexicon, session_, {.typed = "er"}).rhymePhonetic, "3r");
}

TEST_F(RhymeTest, ThreePositions) {
  struct Case {
    RhymePosition position;
    bool keepSpelling;
    std::vector<std::string> words;  // fewest syllables first, then display order
  };
  const Case cases[] = {
      {RhymePosition::End, false, {"\xE2ne", "cane", "panne", "cabane", "douane", "banane", "caravan"}},
      // panne and caravan sound the rhyme without spelling it; "\xE2" is not "a".
      {RhymePosition::End, true, {"cane", "cabane", "douane", "banane"}},
      {RhymePosition::Start, false, {"\xE2ne", "anesse", "anneau"}},
      {RhymePosition::Start, true, {"anesse"}},
      // Strictly inside: canard, manant, panier and solennel hold "an" between other sounds; nana
      // does too, but starts with n, one of the rhyme's characters; cane and anesse end or start with it.
      {RhymePosition::Inside, false, {"canard", "manant", "panier", "solennel"}},
      {RhymePosition::Inside, true, {}},
  };
  for (const Case& c : cases) {
    const RhymeResult result = Find("ane", c.position, 1, c.keepSpelling);
    EXPECT_EQ(AllWords(result), c.words) << static_cast<int>(c.position) << c.keepSpelling;
    EXPECT_EQ(result.count, c.words.size());
    EXPECT_EQ(result.refusal, c.words.empty() ? RhymeRefusal::NothingFound : RhymeRefusal::None);
  }
}

TEST_F(RhymeTest, PatternsForEachPosition) {
  EXPECT_EQ(Find("ane", RhymePosition::End).phoneticPattern, "*an");
  EXPECT_EQ(Find("ane", RhymePosition::End).spellingPattern, "*ane");
  EXPECT_EQ(Find("ane", RhymePosition::Start).phoneticPattern, "an*");
  EXPECT_EQ(Find("ane", RhymePosition::Inside).phoneticPattern, "[!an]*an*[!an]");
  EXPECT_EQ(Find("ane", RhymePosition::Inside).spellingPattern, "[!ane]*ane*[!ane]");
}

TEST_F(RhymeTest, SpellingKeptInsideTheWord) {
  const RhymeResult result = Find("an", RhymePosition::Inside, 1, true);
  ASSERT_EQ(result.rhymePhonetic, "an");  // from caravan
  EXPECT_EQ(AllWords(result), (std::vector<std::string>{"canard", "manant", "panier"}));  // not solennel
  EXPECT_EQ(AllWords(Find("an", RhymePosition::Inside)),
            (std::vector<std::string>{"canard", "manant", "panier", "solennel"}));
}

TEST_F(RhymeTest, SyllableFilterKeepsExactCounts) {
  for (int syllables = 1; syllables <= kRhymeMaxSyllables; ++syllables) {
    const RhymeResult result = Find("ane", RhymePosition::End, 1, false, syllables);
    for (int n = 1; n <= kRhymeMaxSyllables; ++n) {
      if (n != syllables) {
        EXPECT_TRUE(result.lists[static_cast<std::size_t>(n - 1)].Empty()) << syllables << ' ' << n;
      }
    }
    const std::size_t expected = syllables <= 3 ? std::vector<std::size_t>{3, 2, 2}[syllables - 1] : 0;
    EXPECT_EQ(result.count, expected) << syllables;
    EXPECT_EQ(result.syllableItem, std::to_string(syllables));
  }
  EXPECT_EQ(Find("ane").syllableItem, "Toutes");
}

TEST_F(RhymeTest, DomainsAndLabels) {
  struct Case {
    int domain;
    std::string label;
    std::string listName;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {1, "Noms", "Nom_ane", {"\xE2ne", "cane", "panne", "cabane", "douane", "banane", "caravan"}},
      {2, "Adjectifs", "Adj_ane", {"plane"}},
      {3, "Verbes", "Ver_ane", {}},
      {4, "Adverbes", "Adv_ane", {}},
      // Codes no front end sends are read as the nouns.
      {0, "Noms", "Nom_ane", {"\xE2ne", "cane", "panne", "cabane", "douane", "banane", "caravan"}},
      {6, "Noms", "Nom_ane", {"\xE2ne", "cane", "panne", "cabane", "douane", "banane", "caravan"}},
  };
  for (const Case& c : cases) {
    const RhymeResult result = Find("ane", RhymePosition::End, c.domain);
    EXPECT_EQ(AllWords(result), c.words) << c.domain;
    EXPECT_EQ(result.domainLabel, c.label);
    EXPECT_EQ(result.listName, c.listName);
    EXPECT_FALSE(result.fromResultList);
  }
}

TEST_F(RhymeTest, SearchOfTheCurrentListDropsRepeatedWords) {
  session_.StartResultList(" contrep\xE8teries");
  for (const WordEntry& row : std::vector<WordEntry>{{"cane", "kan", 1, 1},
                                                      {"banane", "banan", 3, 1},
                                                      {"cane", "kan", 1, 1},
                                                      {"chat", "ha", 1, 1},
                                                      {"cane", "kan", 1, 0}}) {
    session_.resultList.Append(row);
  }
  const WordTable before = session_.resultList;
  const RhymeResult result = Find("ane", RhymePosition::End, kDomainResultList);
  EXPECT_TRUE(result.fromResultList);
  EXPECT_EQ(AllWords(result), (std::vector<std::string>{"cane", "banane"}));
  EXPECT_EQ(result.count, 2u);
  EXPECT_EQ(result.domainLabel, "Liste contrep\xE8teries");
  EXPECT_EQ(result.listName, "Lis_ane");
  EXPECT_TRUE(result.kept.empty());

  KeepRhymeResult(result, session_);
  EXPECT_EQ(session_.resultList.Rows(), before.Rows());
  EXPECT_EQ(session_.resultListKind, " contrep\xE8teries");
}

TEST_F(RhymeTest, RepeatedWordsOfATableAreAllListed) {
  FixtureLexicon fixture;
  fixture.Add(TableKind::Nouns, {{"cane", "kan", 1, 1}, {"cane", "kan", 1, 0}, {"zozo", "zozo", 2, 0}});
  const auto lexicon = fixture.Load();
  ASSERT_TRUE(lexicon);
  const RhymeResult result = FindRhymes(*lexicon, session_, {.typed = "ane"});
  EXPECT_EQ(AllWords(result), (std::vector<std::string>{"cane", "cane"}));
  EXPECT_EQ(result.count, 2u);
}

TEST_F(RhymeTest, AResultBecomesTheCurrentList) {
  const RhymeResult result = Find("ane", RhymePosition::End, 1, false, 1);
  KeepRhymeResult(result, session_);
  EXPECT_EQ(session_.resultListKind, " rimes");
  // Table order, every column, the marker included.
  EXPECT_EQ(session_.resultList.Rows(), (std::vector<WordEntry>{{"\xE2ne", "an", 1, 1}, {"cane", "kan", 1, 1},
                                                                 {"panne", "pan", 1, 1}}));

  // Searching that list keeps it, and reads exactly it.
  const RhymeResult again = Find("ane", RhymePosition::End, kDomainResultList);
  EXPECT_EQ(AllWords(again), (std::vector<std::string>{"\xE2ne", "cane", "panne"}));
  EXPECT_EQ(again.domainLabel, "Liste rimes");
}

TEST_F(RhymeTest, TheCurrentListAfterARefusal) {
  session_.StartResultList(" rimes");
  session_.resultList.Append({"cane", "kan", 1, 1});

  // Refused before the scan: nothing changes.
  KeepRhymeResult(Find("a1"), session_);
  KeepRhymeResult(Find("xyz"), session_);
  EXPECT_EQ(session_.resultList.Size(), 1u);

  // Nothing found in a table: the list was re-created for the scan and stays empty; its kind stays.
  session_.resultListKind = " contrep\xE8teries";
  KeepRhymeResult(Find("ane", RhymePosition::End, 1, false, 7), session_);
  EXPECT_TRUE(session_.resultList.Empty());
  EXPECT_EQ(session_.resultListKind, " contrep\xE8teries");
}

TEST_F(RhymeTest, SyllableCountsOutsideTheListsAreLeftOut) {
  session_.StartResultList(" rimes");
  for (const WordEntry& row : std::vector<WordEntry>{{"cane", "kan", 0, 0},
                                                      {"banane", "banan", 10, 0},
                                                      {"cabane", "kaban", -3, 0},
                                                      {"panne", "pan", 32767, 0},
                                                      {"douane", "d4an", 9, 0}}) {
    session_.resultList.Append(row);
  }
  const RhymeResult result = Find("ane", RhymePosition::End, kDomainResultList);
  EXPECT_EQ(AllWords(result), std::vector<std::string>{"douane"});
  EXPECT_EQ(result.count, 1u);
  EXPECT_EQ(result.lists[8].Count(), 1u);
}

TEST_F(RhymeTest, EmptyCurrentListFindsNothing) {
  const RhymeResult result = Find("ane", RhymePosition::End, kDomainResultList);
  EXPECT_EQ(result.refusal, RhymeRefusal::NothingFound);
  EXPECT_EQ(result.domainLabel, "Liste");
}

TEST_F(RhymeTest, AnyTypedTextGivesAResultOrARefusal) {
  // Letters that are pattern characters too ("[" "]" are inside A-z), signs, accents, spaces.
  const std::string alphabet = "ane[]^_`\\*?!- \t\xE2\xE9\xF7\xFC\xFD\x80" "0";
  std::mt19937 random(20240605);
  for (int round = 0; round < 3000; ++round) {
    std::string typed;
    const int length = static_cast<int>(random() % 7);
    for (int i = 0; i < length; ++i) typed += alphabet[random() % alphabet.size()];
    for (RhymePosition position : {RhymePosition::End, RhymePosition::Start, RhymePosition::Inside}) {
      const RhymeResult result = Find(typed, position, static_cast<int>(random() % 5) + 1, random() % 2 == 0);
      EXPECT_EQ(result.Accepted(), result.message.empty()) << typed;
      std::size_t listed = 0;
      for (const SortedStringList& list : result.lists) listed += list.Count();
      EXPECT_EQ(listed, result.count) << typed;
      EXPECT_EQ(result.Accepted(), result.count > 0) << typed;
    }
  }
}

class CountingObserver : public SearchObserver {
 public:
  explicit CountingObserver(int stopAfter) : stopAfter_(stopAfter) {}
  void SetCount(long count) override { counts.push_back(count); }
  bool Yield() override { return ++yields <= stopAfter_; }
  std::vector<long> counts;
  int yields = 0;

 private:
  int stopAfter_;
};

TEST_F(RhymeTest, ObserverSeesTheCountAndCanStop) {
  CountingObserver all(1000);
  const RhymeResult result = FindRhymes(*lexicon_, session_, {.typed = "ane"}, all);
  EXPECT_EQ(all.yields, static_cast<int>(lexicon_->nouns.Size()));
  ASSERT_FALSE(all.counts.empty());
  EXPECT_EQ(all.counts.back(), static_cast<long>(result.count));
  EXPECT_TRUE(std::is_sorted(all.counts.begin(), all.counts.end()));
  EXPECT_FALSE(result.stopped);

  CountingObserver none(0);
  const RhymeResult stopped = FindRhymes(*lexicon_, session_, {.typed = "ane"}, none);
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(stopped.count, 0u);
}

// The block's paragraphs as lines of text.
std::vector<std::string> Lines(const Document& doc) {
  std::vector<std::string> lines;
  std::istringstream text(WritePlainText(doc) + "\n");
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

RhymeResult ResultWith(std::vector<std::pair<int, std::vector<std::string>>> lists) {
  RhymeResult result;
  result.rhyme = "\xE9t\xE9";
  result.domainLabel = "Noms";
  result.syllableItem = "Toutes";
  for (auto& [syllables, words] : lists) {
    for (std::string& word : words) result.lists[static_cast<std::size_t>(syllables - 1)].Add(word);
    result.count += words.size();
  }
  return result;
}

TEST(RhymeBlockTest, HeaderLine) {
  RhymeResult result = ResultWith({{2, {"\xE9t\xE9"}}});
  const auto headerText = [&result] { return Lines(WriteRhymeHeader(result)); };
  EXPECT_EQ(headerText(), std::vector<std::string>{
                              "   Rimes       Rime : \xC2\xAB...\xC3\xA9t\xC3\xA9\xC2\xBB       Domaine : Noms"
                              "       Nombre de syllabes : Toutes       Mot trouv\xC3\xA9 : 1"});
  result.count = 0;
  EXPECT_TRUE(headerText().at(0).ends_with("Mots trouv\xC3\xA9s : 0"));
  result.count = 12345;
  result.domainLabel = "Liste contrep\xE8teries";
  result.syllableItem = "3";
  EXPECT_EQ(headerText(), std::vector<std::string>{
                              "   Rimes       Rime : \xC2\xAB...\xC3\xA9t\xC3\xA9\xC2\xBB       Domaine : Liste "
                              "contrep\xC3\xA8teries       Nombre de syllabes : 3       Mots trouv\xC3\xA9s : 12345"});

  const Document header = WriteRhymeHeader(result);
  ASSERT_EQ(header.paragraphs().size(), 1u);
  ASSERT_EQ(header.paragraphs()[0].runs.size(), 1u);
  EXPECT_EQ(header.paragraphs()[0].runs[0].format,
            (CharFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}, .bold = false, .italic = false}));
}

TEST(RhymeBlockTest, ListsFromNineSyllablesDownToOne) {
  const RhymeResult result =
      ResultWith({{1, {"g", "f", "e", "d", "c", "b", "a"}}, {9, {"anticonstitutionnellement"}}, {3, {"pot\xE9"}}});
  const std::string rule(185, '-');
  const std::vector<std::string> expected = {
      " 9 syllabes :",
      "\tanticonstitutionnellement",
      rule,
      " 3 syllabes :",
      "\tpot\xC3\xA9",
      rule,
      " 1 syllabe :",
      "\ta\tb\tc\td\te\tf",
      "\tg",
      rule,
      "",
  };
  const Document block = WriteRhymeBlock(result);
  EXPECT_EQ(Lines(block), expected);
  for (const Paragraph& paragraph : block.paragraphs()) {
    // Six evenly spaced columns, so the words line up under each other.
    EXPECT_EQ(paragraph.tab_stops, (std::vector<int>{720, 2880, 5040, 7200, 9360, 11520}));
    for (const TextRun& run : paragraph.runs) {
      EXPECT_EQ(run.format, (CharFormat{.font = "Arial", .half_points = 20, .color = {}})) << run.text;
    }
  }
}

TEST(RhymeBlockTest, SixWordsFillALineExactly) {
  const std::vector<std::string> lines = Lines(WriteRhymeBlock(ResultWith({{2, {"a", "b", "c", "d", "e", "f"}}})));
  EXPECT_EQ(lines, (std::vector<std::string>{" 2 syllabes :", "\ta\tb\tc\td\te\tf", std::string(185, '-'), ""}));
}

}  // namespace
}  // namespace tavilo
