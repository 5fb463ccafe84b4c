// The sentence-spoonerism engine on sentences and lexicons small enough to know every answer:
// how a sentence is read into words, the refusals, the rebuilt sentence (elisions and capitals),
// the spelling chosen for a new word, the é/è merge, duplicates and a stop. Which exchanges and
// rotations among three words exist is the shipped-dictionary reference's to check.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/phrase/phrase.h"
#include "support/stopping_observer.h"

namespace tavilo {
namespace {

std::vector<std::string> Words(std::string_view typed) {
  const SentenceReading reading = ReadSentence(typed);
  std::vector<std::string> out;
  for (const SentenceWord& w : reading.words) out.emplace_back(typed.substr(w.offset, w.length));
  return out;
}

TEST(SentenceReaderTest, SplitsWordsElisionsAndPunctuation) {
  struct Case {
    std::string typed;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"Quel champ de coton !", {"Quel", "champ", "de", "coton"}},
      {"L'\xEEle du robot", {"L'", "\xEEle", "du", "robot"}},
      {"jusqu'au bout, qu'il dit", {"jusqu'", "au", "bout", "qu'", "il", "dit"}},
      {"aujourd'hui l'arc-en-ciel", {"aujourd'hui", "l'", "arc-en-ciel"}},
      {"\xAB\xA0'Bonjour'\xA0\xBB - dit-il\x85", {"Bonjour", "dit-il"}},
      {"l' homme", {"l'", "homme"}},
      {"s'il", {"s'", "il"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadSentence(c.typed).refusal, SentenceRefusal::None) << c.typed;
    EXPECT_EQ(Words(c.typed), c.words) << c.typed;
  }
}

TEST(SentenceReaderTest, RefusesWhatIsNeitherWordsNorPunctuation) {
  struct Case {
    std::string typed;
    SentenceRefusal refusal;
    char refused;
  };
  std::string thirtyOne;
  for (int i = 0; i < 31; ++i) thirtyOne += "mot ";
  const Case cases[] = {
      {"", SentenceRefusal::Empty, 0},
      {" ,;! ' - ", SentenceRefusal::Empty, 0},
      {"trois 3 chats", SentenceRefusal::Sign, '3'},
      {"a@b", SentenceRefusal::Sign, '@'},
      {"un\x01mot", SentenceRefusal::Sign, '\x01'},
      {thirtyOne, SentenceRefusal::TooManyWords, 0},
      {thirtyOne.substr(4), SentenceRefusal::None, 0},
  };
  for (const Case& c : cases) {
    const SentenceReading reading = ReadSentence(c.typed);
    EXPECT_EQ(reading.refusal, c.refusal) << c.typed;
    EXPECT_EQ(reading.refusedChar, c.refused) << c.typed;
    EXPECT_EQ(reading.words.empty(), c.refusal != SentenceRefusal::None) << c.typed;
  }
}

// A lexicon in memory: rows are sorted by phonetic form here, as the tables are.
class PhraseEngineTest : public ::testing::Test {
 protected:
  void Add(TableKind kind, std::vector<WordEntry> rows) {
    std::sort(rows.begin(), rows.end(), [](const WordEntry& a, const WordEntry& b) { return a.phonetic < b.phonetic; });
    WordTable& table = kind == TableKind::Nouns        ? lexicon_.nouns
                       : kind == TableKind::Adjectives  ? lexicon_.adjectives
                       : kind == TableKind::Verbs       ? lexicon_.verbs
                       : kind == TableKind::Taboo       ? lexicon_.taboo
                       : kind == TableKind::Locutions   ? lexicon_.locutions
                                                        : lexicon_.functionWords;
    table.Reset(1000);
    for (const WordEntry& e : rows) ASSERT_TRUE(table.Append(e));
  }
  void Frequencies(const std::string& lines) {
    FrequencyLoad load = ParseWordFrequencies(lines, "frequences.txt");
    ASSERT_FALSE(load.error) << load.error->Message();
    frequencies_ = std::move(load.frequencies);
  }
  PhraseResult Find(const std::string& typed, bool three = false, int sounds = 3) {
    PhraseQuery query;
    query.typed = typed;
    query.three = three;
    query.maxSounds = sounds;
    return FindPhraseSpoonerisms(lexicon_, frequencies_, query);
  }
  static std::vector<std::string> Sentences(const PhraseResult& result) {
    std::vector<std::string> out;
    for (const PhraseCandidate& c : result.candidates) out.push_back(c.sentence);
    return out;
  }
  static const PhraseCandidate* Find(const PhraseResult& result, const std::string& sentence) {
    for (const PhraseCandidate& c : result.candidates)
      if (c.sentence == sentence) return &c;
    return nullptr;
  }

  Lexicon lexicon_;
  WordFrequencies frequencies_;
};

TEST_F(PhraseEngineTest, RebuildsTheSentenceWithItsElisionsAndCapitals) {
  // "or" and "bas" exchange "o" and "ba": "bar" and "eau".
  Add(TableKind::Nouns, {{"bar", "bar", 1, 0}, {"bas", "ba", 1, 0}, {"eau", "o", 1, 0}, {"or", "or", 1, 0}});
  Add(TableKind::FunctionWords, {{"le", "le", 1, 0}, {"du", "du", 1, 0}});
  Frequencies("bar\t4.0\nbas\t4.0\neau\t5.0\nle\t7.0\nor\t4.5\n");
  // l' before a word that now starts with a consonant is le again; le before a vowel elides.
  PhraseResult result = Find("L'or du bas !");
  ASSERT_TRUE(result.Accepted()) << result.message;
  EXPECT_NE(Find(result, "Le bar du eau !"), nullptr) << ::testing::PrintToString(Sentences(result));
  result = Find("LE BAR EN EAU");
  ASSERT_TRUE(result.Accepted()) << result.message;
  const PhraseCandidate* found = Find(result, "L'OR EN BAS");
  ASSERT_NE(found, nullptr) << ::testing::PrintToString(Sentences(result));
  // The letters each new word received are the highlighted ones.
  ASSERT_EQ(found->highlights.size(), 2u);
  EXPECT_EQ(found->shown.substr(found->highlights[0].first, found->highlights[0].second), "O");
  EXPECT_EQ(found->shown.substr(found->highlights[1].first, found->highlights[1].second), "BA");
  EXPECT_EQ(PhraseRawLines(result)[static_cast<std::size_t>(found - result.candidates.data())],
            "L'OR EN BAS\tBAR>or EAU>bas\tba/o\t" + std::to_string(found->score.total));
  EXPECT_EQ(result.UnknownWords(), std::vector<std::string>{"EN"});
}

TEST_F(PhraseEngineTest, SpellsANewWordFromTheReplacedWordsTableAndListsTheOthers) {
  // "bord" / "mot": the sound of "mort" is two nouns and two verb forms.
  Add(TableKind::Nouns, {{"bord", "bor", 1, 0}, {"mot", "mo", 1, 0}, {"mort", "mor", 1, 0},
                         {"maure", "mor", 1, 0}, {"beau", "bo", 1, 0}});
  Add(TableKind::Adjectives, {{"morte", "mort", 1, 0}, {"beau", "bo", 1, 0}});
  Add(TableKind::Verbs, {{"mord", "mor", 1, 0}, {"mords", "mor", 1, 0}, {"bore", "bor", 1, 0}});
  Frequencies("beau\t5.0\nbord\t4.5\nmaure\t2.0\nmord\t3.0\nmords\t3.5\nmort\t5.1\nmot\t5.0\n");
  const PhraseResult result = Find("le bord du mot", false, 1);
  ASSERT_TRUE(result.Accepted()) << result.message;
  ASSERT_EQ(result.candidates.size(), 1u) << ::testing::PrintToString(Sentences(result));
  const PhraseCandidate& c = result.candidates[0];
  EXPECT_EQ(c.sentence, "le mort du beau");
  ASSERT_EQ(c.changes.size(), 2u);
  // A noun for a noun, though a verb form is as common; the others most common first.
  EXPECT_EQ(c.changes[0].newSpelling, "mort");
  EXPECT_EQ(c.changes[0].otherSpellings, (std::vector<std::string>{"mords", "mord", "maure"}));
  EXPECT_EQ(c.changes[0].given, "b");
  EXPECT_EQ(c.changes[0].received, "m");
  EXPECT_EQ(c.changes[1].newSpelling, "beau");
  EXPECT_TRUE(c.changes[1].otherSpellings.empty());
}

TEST_F(PhraseEngineTest, MergesEAndEGraveAndKeepsEachSentenceOnce) {
  // "pr\xE9" reads pr2 (a noun) and pr3 (as a function word here): both readings give "craie"
  // when k and p are exchanged with "cas", one sentence. "pr\xE8s" and "l\xE9" differ from "pr\xE9"
  // and "lait" by \xE9 against \xE8 only: that exchange is none.
  Add(TableKind::Nouns, {{"cas", "ka", 1, 0}, {"pas", "pa", 1, 0}, {"pr\xE9", "pr2", 1, 0}, {"pr\xE8s", "pr3", 1, 0},
                         {"craie", "kr3", 1, 0}, {"lait", "l3", 1, 0}, {"l\xE9", "l2", 1, 0}});
  Add(TableKind::FunctionWords, {{"pr\xE9", "pr3", 1, 0}});
  Frequencies("cas\t5.0\ncraie\t4.0\npas\t6.0\npr\xE9\t4.0\n");
  const PhraseResult result = Find("cas pr\xE9 lait");
  ASSERT_TRUE(result.Accepted()) << result.message;
  const std::vector<std::string> sentences = Sentences(result);
  EXPECT_EQ(std::count(sentences.begin(), sentences.end(), "pas craie lait"), 1) << ::testing::PrintToString(sentences);
  EXPECT_EQ(std::count(sentences.begin(), sentences.end(), "cas pr\xE8s l\xE9"), 0);
  for (const PhraseCandidate& c : result.candidates) {
    for (const PhraseChange& change : c.changes) {
      EXPECT_FALSE((change.given == "2" && change.received == "3") || (change.given == "3" && change.received == "2"));
    }
  }
}

TEST_F(PhraseEngineTest, RefusesWithItsMessages) {
  Add(TableKind::Nouns, {{"bol", "bol", 1, 0}, {"riz", "ri", 1, 0}});
  Frequencies("bol\t4.0\n");
  struct Case {
    std::string typed;
    PhraseRefusal refusal;
    std::string inMessage;
  };
  const Case cases[] = {
      {"  ", PhraseRefusal::Empty, "Entrez une phrase"},
      {"2 bols", PhraseRefusal::Sign, "chiffres"},
      {"bol + riz", PhraseRefusal::Sign, "\xAB+\xBB"},
      {"bol\x1Ariz", PhraseRefusal::Sign, "\\x1A"},
      {"le bol est vide", PhraseRefusal::TooFewKnown, "deux mots"},
      {"bol riz", PhraseRefusal::NothingFound, "aucune contrep\xE8terie"},
  };
  for (const Case& c : cases) {
    const PhraseResult result = Find(c.typed);
    EXPECT_EQ(result.refusal, c.refusal) << c.typed;
    EXPECT_NE(result.message.find(c.inMessage), std::string::npos) << c.typed << ": " << result.message;
  }
}

TEST_F(PhraseEngineTest, AStopKeepsWhatTheFirstPairGave) {
  Add(TableKind::Nouns, {{"bar", "bar", 1, 0}, {"bas", "ba", 1, 0}, {"eau", "o", 1, 0}, {"or", "or", 1, 0}});
  Frequencies("bar\t4.0\n");
  PhraseQuery query;
  query.typed = "or bas bar eau";
  StoppingObserver stop(0);
  const PhraseResult result = FindPhraseSpoonerisms(lexicon_, frequencies_, query, stop);
  EXPECT_TRUE(result.stopped);
  EXPECT_TRUE(result.Accepted());
  EXPECT_EQ(Sentences(result), std::vector<std::string>{"bar eau bar eau"});
}

}  // namespace
}  // namespace tavilo
