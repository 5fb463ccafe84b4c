// The filtered-words search on small in-memory tables: the word filters before the matcher, the
// tables and their order, the 15000-word cap, the refusals, the kept list and the block.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/text.h"
#include "engines/filter/filter.h"
#include "support/stopping_observer.h"

namespace tavilo {
namespace {

void Fill(WordTable& table, TableKind kind, const std::vector<WordEntry>& rows) {
  table.Reset(InfoOf(kind).capacity);
  for (const WordRow row : rows) table.Append(row);
}

Lexicon SmallLexicon() {
  Lexicon lexicon;
  Fill(lexicon.nouns, TableKind::Nouns,
       {{"bateau", "bato", 2, 1}, {"b\xEAte", "bEt", 1, 1}, {"bette", "bEt", 1, 0}, {"bar", "baR", 1, 1},
        {"\xE9t\xE9", "ete", 2, 1}, {"arc-en-ciel", "aRk@sjEl", 3, 0}, {"aujourd'hui", "oZuRdyi", 3, 1},
        {"anticonstitutionnellement", "@titikostitysjonEl@m@", 9, 0}});
  Fill(lexicon.locutions, TableKind::Locutions, {{"bout", "bu", 1, 0}});  // one word, for the order
  Fill(lexicon.adjectives, TableKind::Adjectives, {{"b\xEAte", "bEt", 1, 1}, {"bas", "ba", 1, 1}});
  Fill(lexicon.verbs, TableKind::Verbs, {{"bat", "ba", 1, 1}, {"b\xE2tir", "batiR", 2, 0}});
  Fill(lexicon.functionWords, TableKind::FunctionWords, {{"bis", "bis", 1, 0}, {"\xE0", "a", 1, 1}});
  return lexicon;
}

std::vector<std::string> Words(const FilterResult& result) { return FilterWordsInBlockOrder(result); }

FilterResult Search(const Lexicon& lexicon, FilterQuery query, const Session& session = {}) {
  return FindFilteredWords(lexicon, session, query);
}

// The regular-expression reference on the shipped dictionary checks the word filters and the
// table order; these are the rules it takes from the engine or never meets.
TEST(FindFilteredWords, RefusalsAndOptionsThePatternRulesOut) {
  const Lexicon lexicon = SmallLexicon();
  const std::string tooShort = "C'est un peu court !!!\nEntrez au moins 2 caract\xE8res !!!";
  const struct {
    FilterQuery query;
    FilterRefusal refusal;
    std::string message;  // or, when accepted, the words in block order joined by spaces
  } cases[] = {
      {{.pattern = ""}, FilterRefusal::TooShort, tooShort},
      {{.pattern = "1a2"}, FilterRefusal::TooShort, tooShort},
      {{.pattern = std::string(26, '?')}, FilterRefusal::TooLong,
       "Trop de lettres !!!\nLes mots du r\xE9sultat ne pourront pas d\xE9passer 25 lettres."},
      {{.pattern = "zz*"}, FilterRefusal::NothingFound,
       "D\xE9sol\xE9, avec le mod\xE8le \xAB\xA0zz*\xA0\xBB il n'y a aucun mot possible !!!\n"
       "Choisissez d'autres lettres ou d'autres options."},
      // The reference takes the pattern as the search settled it: an accent typed must stay.
      // "bête" is a noun and an adjective: it is listed once.
      {{.pattern = "b\xEAt?", .distinguishDiacritics = true}, FilterRefusal::None, "b\xEAte"},
      // "e*e" repeats a letter, so the heterogram box has no effect.
      {{.pattern = "e*e", .heterogram = true}, FilterRefusal::None, "\xE9t\xE9"},
      {{.pattern = "a*"}, FilterRefusal::None, "\xE0 anticonstitutionnellement"},
  };
  for (const auto& c : cases) {
    const FilterResult result = Search(lexicon, c.query);
    EXPECT_EQ(result.refusal, c.refusal) << c.query.pattern;
    std::string words;
    for (const std::string& word : Words(result)) words += (words.empty() ? "" : " ") + word;
    EXPECT_EQ(c.refusal == FilterRefusal::None ? words : result.message, c.message) << c.query.pattern;
  }
}

TEST(FindFilteredWords, KeepsTheResultAndReadsTheCurrentList) {
  const Lexicon lexicon = SmallLexicon();
  Session session;
  KeepFilterResult(Search(lexicon, {.pattern = "b*"}), session);
  EXPECT_EQ(session.resultListKind, kFilterListKind);
  ASSERT_EQ(session.resultList.Size(), 9u);  // "bête" once
  EXPECT_EQ(session.resultList[4], (WordEntry{"bout", "bu", 1, 0}));  // the locution, every column
  const WordTable before = session.resultList;

  // Read from the current list: it stays unless the result is to be kept.
  FilterResult result = Search(lexicon, {.pattern = "ba*", .domain = SearchDomain::ResultList}, session);
  EXPECT_EQ(Words(result), (std::vector<std::string>{"bar", "bas", "bat", "b\xE2tir", "bateau"}));
  EXPECT_EQ(result.domainLabel, "Liste mots filtr\xE9s");
  KeepFilterResult(result, session);
  EXPECT_TRUE(session.resultList == before);
  result = Search(lexicon, {.pattern = "ba*", .domain = SearchDomain::ResultList, .keepAsNewList = true}, session);
  KeepFilterResult(result, session);
  EXPECT_EQ(session.resultList.Size(), 5u);
}

// Three-letter words "aaa", "aab", ... in two tables.
Lexicon ManyWords(std::size_t nouns, std::size_t adjectives) {
  Lexicon lexicon;
  lexicon.nouns.Reset(InfoOf(TableKind::Nouns).capacity);
  lexicon.adjectives.Reset(InfoOf(TableKind::Adjectives).capacity);
  for (std::size_t i = 0; i < nouns + adjectives; ++i) {
    std::string word = {static_cast<char>('a' + i / 676 % 26), static_cast<char>('a' + i / 26 % 26),
                        static_cast<char>('a' + i % 26)};
    (i < nouns ? lexicon.nouns : lexicon.adjectives).Append({word, "x", 1, 0});
  }
  return lexicon;
}

TEST(FindFilteredWords, HoldsAtMost15000WordsAcrossTheTables) {
  struct Case {
    std::size_t nouns, adjectives, found;
    bool limit;
  };
  const Case cases[] = {
      {10000, 5001, 15000, true},  // the 15001st word, in the second table, ends the search
      {10000, 5000, 15000, true},  // exactly 15000: said as well
      {10000, 4999, 14999, false},
  };
  for (const Case& c : cases) {
    const FilterResult result = Search(ManyWords(c.nouns, c.adjectives), {.pattern = "???"});
    EXPECT_EQ(result.count, c.found);
    EXPECT_EQ(Words(result).size(), c.found);
    EXPECT_EQ(result.kept.Size(), c.found);
    EXPECT_EQ(result.LimitReached(), c.limit);
  }
}

TEST(FindFilteredWords, StopsWhenTheObserverSaysSo) {
  StoppingObserver observer(3);
  const Lexicon lexicon = ManyWords(100, 0);
  const Session session;
  const FilterResult result = FindFilteredWords(lexicon, session, {.pattern = "???"}, observer);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.count, 3u);  // one yield before the table, then one after each row
}

TEST(WriteFilterBlock, GroupsByLengthWithTheExplicitLettersInRed) {
  const Lexicon lexicon = SmallLexicon();
  // With diacritics distinguished "bête" repeats no letter; "bette" does.
  const FilterResult result = Search(lexicon, {.pattern = "b*e", .distinguishDiacritics = true, .heterogram = true,
                                               .reversed = true, .domain = SearchDomain::Nouns});
  ASSERT_TRUE(result.Accepted());
  EXPECT_EQ(WritePlainText(WriteFilterHeader(result)),
            "  Mots filtr\xC3\xA9s      Mod\xC3\xA8le cherch\xC3\xA9 : b*e      Domaine : Noms"
            "      Nb maxi de syllabes : Toutes      Mots : 1      H\xC3\xA9t\xC3\xA9rogrammes");
  const Document block = WriteFilterBlock(result);
  EXPECT_EQ(WritePlainText(block), " 4 lettres :\n\tb\xC3\xAAte eteb\n" + std::string(96, '-') + "\n");
  // "b" and the final "e" are red, the rest black; the reversed word is black.
  const std::vector<TextRun>& runs = block.paragraphs()[1].runs;
  ASSERT_EQ(runs.size(), 5u);
  const Rgb red{220, 0, 0};
  const std::pair<std::string, Rgb> expected[] = {{"\t", {}}, {"b", red}, {"\xC3\xAAt", {}}, {"e", red}, {" eteb", {}}};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].text, expected[i].first);
    EXPECT_EQ(runs[i].format.color, expected[i].second) << runs[i].text;
    EXPECT_EQ(runs[i].format.font, "Courier New");
  }
}

TEST(WriteFilterBlock, SetsFewerColumnsForLongerWords) {
  const Lexicon lexicon = SmallLexicon();
  const FilterResult result = Search(lexicon, {.pattern = "*"});
  const Document block = WriteFilterBlock(result);
  std::vector<std::size_t> columns;
  for (const Paragraph& paragraph : block.paragraphs()) {
    if (!paragraph.runs.empty() && paragraph.runs[0].text.ends_with(" lettres :")) {
      columns.push_back(paragraph.tab_stops.size());
    } else if (!paragraph.runs.empty() && paragraph.runs[0].text.ends_with(" lettre :")) {
      EXPECT_EQ(paragraph.runs[0].text, " 1 lettre :");  // the singular for one
      columns.push_back(paragraph.tab_stops.size());
    }
  }
  ASSERT_EQ(columns.size(), 6u);  // 1, 3, 4, 5, 6 and 25 letters
  EXPECT_TRUE(std::is_sorted(columns.rbegin(), columns.rend()));
  EXPECT_GT(columns[1], columns[4]);
  EXPECT_EQ(columns.back(), 3u);
}

}  // namespace
}  // namespace tavilo
