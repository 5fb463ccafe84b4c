// Reading the three lexicon sources and the project's word lists.
#include <gtest/gtest.h>

#include <functional>

#include "core/word_table.h"
#include "tools/mkdict/sources.h"

namespace tavilo::mkdict {
namespace {

constexpr unsigned Bit(TableKind kind) { return 1u << static_cast<int>(kind); }

// Most tags decide a shipped row, and the shipped rebuild checks those; these are the ones no
// shipped row shows.
TEST(ParseTags, CategoriesOfTheMorphologicalTags) {
  const unsigned N = Bit(TableKind::Nouns), V = Bit(TableKind::Verbs);
  struct Case {
    const char* tags;
    unsigned tables;
    bool thirdPlural;
    bool proper;
    bool reform;
  };
  const Case cases[] = {
      {":N:m:s/*", N, false, false, false},
      {":V1_it_q__a:If:3p!/*", V, true, false, false},
      {":T:m:p/*", N, false, false, false},
      {":M1:m:s/*", 0, false, true, false},
      {"garbage", 0, false, false, false},
  };
  for (const Case& c : cases) {
    const Analysis a = ParseTags(c.tags);
    EXPECT_EQ(a.tables, c.tables) << c.tags;
    EXPECT_EQ(a.verbThirdPlural, c.thirdPlural) << c.tags;
    EXPECT_EQ(a.properName, c.proper) << c.tags;
    EXPECT_EQ(a.reformOnly, c.reform) << c.tags;
  }
}

TEST(ReadPronunciations, GroupsReadingsAndSetsAsideUnknownSymbols) {
  PronunciationList list;
  const auto error = ReadPronunciations(
      "CONTENT k N t\r\nCONTENT k N t @\r\nCONTENT k N t\nRATON-LAVEUR R a to n l a v neuf R\n\xC3\x82NE a n",
      "prosodylab-fr.dict", list);
  ASSERT_FALSE(error);
  EXPECT_EQ(list.readings["CONTENT"], (std::vector<Transcription>{{"k8t", 1}, {"k8t5", 2}}));
  EXPECT_EQ(list.readings["\xC2NE"], (std::vector<Transcription>{{"an", 1}}));  // ÂNE, last line without end
  EXPECT_FALSE(list.readings.count("RATON-LAVEUR"));
  ASSERT_EQ(list.refused.size(), 1u);
  EXPECT_NE(list.refused[0].find("RATON-LAVEUR"), std::string::npos);
}

TEST(ReadMorphology, NormalisesApostropheAndLigature) {
  MorphologyList morph;
  ASSERT_FALSE(ReadMorphology("aujourd\xE2\x80\x99hui\taujourd\xE2\x80\x99hui\t:W/*\n"
                              "c\xC5\x93ur\tc\xC5\x93ur\t:N:m:s/*\n"
                              "est\test\t:N:m:s/*\nest\t\xC3\xAAtre\t:V0ei_____a:Ip:3s/*\n",
                              "grammalecte-fr-allvars.tsv", morph));
  EXPECT_TRUE(morph.count("aujourd'hui"));
  ASSERT_TRUE(morph.count("coeur"));
  EXPECT_EQ(morph["coeur"][0].lemma, "coeur");
  ASSERT_EQ(morph["est"].size(), 2u);
  EXPECT_EQ(morph["est"][1].lemma, "\xEAtre");
  EXPECT_EQ(morph["est"][1].tables, Bit(TableKind::Verbs));
}

TEST(ReadFrequencies, SumsSpellingsThatNormaliseAlikeAndRanks) {
  FrequencyList freq;
  ASSERT_FALSE(ReadFrequencies("de\t7.68\t4.786e-02\nc\xC5\x93ur\t5.17\t1.5e-04\ncoeur\t4.99\t1e-04\n"
                               "chat\t4.5\t1e-04\n\xE4\xBD\xA0\t5.0\t2e-03\n",
                               "wordfreq_large_fr.tsv", freq));
  EXPECT_DOUBLE_EQ(freq.Of("coeur"), 2.5e-04);
  EXPECT_EQ(freq.Of("absent"), 0.0);
  // A word Windows-1252 cannot write is dropped rather than lumped with others.
  EXPECT_EQ(freq.ranked, (std::vector<std::string>{"de", "coeur", "chat"}));
}

TEST(ReadWordList, EntriesWithAndWithoutTranscription) {
  std::vector<ListedWord> words;
  ASSERT_FALSE(ReadWordList("# comment\n\npomme de terre\n  tout \xC3\xA0 fait = t u t a f E \n"
                            "tous = t u s, t u  # two readings\nnew # left out\n",
                            "locutions.txt", words));
  EXPECT_EQ(words, (std::vector<ListedWord>{{"pomme de terre", "", 3},
                                            {"tout \xE0 fait", "t u t a f E", 4},
                                            {"tous", "t u s, t u", 5},
                                            {"new", "", 6}}));
  EXPECT_EQ(SplitReadings(words[2].transcription), (std::vector<std::string_view>{"t u s", " t u"}));
  EXPECT_TRUE(SplitReadings("").empty());
}

// Every reader refuses a malformed line with a message naming the file and the line.
TEST(Readers, RefusalsNameTheFileAndLine) {
  using Reader = std::function<std::optional<SourceError>(std::string_view)>;
  const Reader list = [](std::string_view t) { std::vector<ListedWord> w; return ReadWordList(t, "source.txt", w); };
  const Reader readings = [](std::string_view t) {
    PronunciationList l;
    return ReadPronunciations(t, "source.txt", l);
  };
  const Reader morphology = [](std::string_view t) { MorphologyList m; return ReadMorphology(t, "source.txt", m); };
  const Reader frequencies = [](std::string_view t) { FrequencyList f; return ReadFrequencies(t, "source.txt", f); };
  struct Case {
    Reader read;
    const char* text;
    int line;
  };
  const Case cases[] = {
      {list, "merde\nMerde\n", 2},          // capital letter
      {list, "merde\n\nmerde\n", 3},        // repeated
      {list, "teub = t neuf bb\n", 1},      // unknown phone symbol
      {list, "ok\n = t o\n", 2},            // transcription without a word
      {list, "tous = t u s,\n", 1},         // an empty reading
      {list, "\xE2\x82\xAC\xE2\x80\xA6\xE4\xBD\xA0\n", 1},  // a character Windows-1252 lacks
      {readings, "CHAT S a\nCHIEN\n", 2},                      // no transcription
      {morphology, "chat\tchat\t:N:m:s/*\nchien\tchien\n", 2},     // a missing field
      {frequencies, "de\t7.68\t4.786e-02\nla\t7.4\tbeaucoup\n", 2},  // an unreadable number
  };
  for (const Case& c : cases) {
    const auto error = c.read(c.text);
    ASSERT_TRUE(error) << c.text;
    const std::string message = error->Message();
    EXPECT_NE(message.find("source.txt"), std::string::npos) << message;
    EXPECT_NE(message.find("ligne " + std::to_string(c.line)), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace tavilo::mkdict
