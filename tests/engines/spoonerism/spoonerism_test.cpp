// The spoonerism engine on a small lexicon whose answers are worked out by hand: each method, the
// é/è option and its variants, homophones, Classiques against Décadentes, the swap length, the
// verb endings, the contrepétophile search, the refusals, the blocks and the current list.
#include "engines/spoonerism/spoonerism.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

// The blocks as "A>B: word word#", A and B in phoneme codes.
std::vector<std::string> Blocks(const SpoonerismResult& result) {
  std::vector<std::string> out;
  for (const SpoonerismBlock& block : result.blocks) {
    std::string line = block.fragment + ">" + block.replacement + ":";
    for (const SpoonerismWord& word : block.words) line += " " + word.spelling + (word.tabooPartner ? "#" : "");
    out.push_back(line);
  }
  return out;
}

class SpoonerismTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // pou + quille -> cou + pile; every table sorted by phonetic form.
    fixture_
        .Add(TableKind::Nouns, {{"chais", "h3", 1, 0},
                                {"chou", "h4", 1, 0},
                                {"quai", "k2", 1, 0},
                                {"quet", "k3", 1, 0},
                                {"quille", "kil", 1, 0},
                                {"eau", "o", 1, 0},
                                {"pou", "p4", 1, 0},
                                {"pile", "pil", 1, 0},
                                {"sou", "s4", 1, 1},
                                {"sous", "s4", 1, 0},
                                {"cil", "sil", 1, 0}})
        .Add(TableKind::Verbs, {{"pilait", "pil3", 2, 0}, {"piler", "pil2", 2, 0}})
        .Add(TableKind::Taboo, {{"cou", "k4", 1, 0}, {"pet", "p3", 1, 0}});
    lexicon_ = fixture_.Load();
  }

  SpoonerismResult Run(SpoonerismQuery query) { return FindSpoonerisms(*lexicon_, session_, query); }

  FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  Session session_;
};

struct MethodCase {
  const char* name;
  SpoonerismQuery query;
  std::vector<std::string> blocks;
  std::size_t replacements;
};

TEST_F(SpoonerismTest, EachMethodFindsItsPartners) {
  using M = SpoonerismMethod;
  const MethodCase cases[] = {
      // W' = cou is taboo; pile -> quille, pet (taboo) -> quet# and, as é, quai#.
      {"normale", {.typed = "pou"}, {"p>k: quai# quet# quille"}, 1},
      {"normale, é and è apart", {.typed = "pou", .mergeEe = false}, {"p>k: quet# quille"}, 1},
      // W' = chou or sou (one replacement for the two homophones); Y' = pet is taboo.
      {"inversée", {.typed = "pou", .method = M::Reversed}, {"p>h: chais"}, 2},
      // W' = cou and Y' = pet both taboo: no "#" in this method.
      {"double", {.typed = "pou", .method = M::Double}, {"p>k: quai quet"}, 1},
      // W' = sou, the child's word; partners pou (sou, sous) and pile (cil), outside the child's words.
      {"enfant", {.typed = "pou", .method = M::Child}, {"p>s: cil sou sous"}, 1},
      // pile: "il" of pile becomes "3" (pet); quille -> quet, and quai as é.
      {"dé" "cadentes", {.typed = "pile", .swapLength = 2, .decadent = true}, {"il>3: quai quet"}, 1},
      // quai: its é becomes "ou" (cou, taboo); chais, its è merged with é, gives chou.
      {"décadentes, A holding é",
       {.typed = "quai", .swapLength = 2, .decadent = true},
       {"k>p: pile pou#", "2>4: chou"},
       2},
      {"contrepétophile", {.typed = "cou", .method = M::Contrepetophile}, {"k>: chou pou sou sous"}, 0},
  };
  for (const MethodCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SpoonerismResult result = Run(c.query);
    EXPECT_EQ(Blocks(result), c.blocks);
    EXPECT_EQ(result.replacementCount, c.replacements);
    std::size_t words = 0;
    for (const SpoonerismBlock& block : result.blocks) words += block.words.size();
    EXPECT_EQ(result.foundCount, words);
    EXPECT_EQ(result.found, !c.blocks.empty());
  }
}

TEST_F(SpoonerismTest, FlagsCountsAndHighlightedLetters) {
  const SpoonerismResult result = Run({.typed = "  P o u "});
  ASSERT_TRUE(result.Accepted()) << result.message;
  EXPECT_EQ(result.word, "pou");
  EXPECT_EQ(result.possibilities, 1u);
  EXPECT_TRUE(result.tabooMark);
  EXPECT_FALSE(result.yodMark);
  const SpoonerismBlock& block = result.blocks.at(0);
  EXPECT_EQ(block.heading.spelling.substr(block.heading.letterStart, block.heading.letterLength), "p");
  const SpoonerismWord& quille = block.words.at(2);
  EXPECT_EQ(quille.spelling.substr(quille.letterStart, quille.letterLength), "qu");
  EXPECT_EQ(SpoonerismNotes(result).size(), 1u);
}

TEST_F(SpoonerismTest, RefusalsCarryTheirMessages) {
  using R = SpoonerismRefusal;
  const struct {
    SpoonerismQuery query;
    R refusal;
    const char* start;
  } cases[] = {
      {{.typed = "   "}, R::Empty, "Essayez quand m\xEAme d'entrer un mot !!!"},
      {{.typed = "p0u"}, R::Digit, "D\xE9sol\xE9, il n'y a pas de chiFFres"},
      {{.typed = "p-u"}, R::Sign, "Difficile de trouVer, cach\xE9 derri\xE8re les Signes.\nUtilisez seulement l'alphabet."},
      {{.typed = "cou", .method = SpoonerismMethod::Child}, R::NotValidated,
       "Vous avez entr\xE9 un mot tabou !\nCe n'est pas tr\xE8s correct !!!"},
      {{.typed = "cou"}, R::NotValidated, "Apparemment le mot \xAB\xA0" "cou\xA0\xBB n'est pas reconnu"},
      {{.typed = "pou", .method = SpoonerismMethod::Contrepetophile}, R::NotValidated, "Apparemment le mot \xAB\xA0pou\xA0\xBB"},
      {{.typed = "cil"}, R::NoReplacement, "Visiblement le mot \xAB\xA0" "cil\xA0\xBB n'est pas tr\xE8s"},
      {{.typed = "cil", .method = SpoonerismMethod::Double}, R::NoReplacement,
       "Visiblement le mot \xAB\xA0" "cil\xA0\xBB ne donne pas de r\xE9sultat !!!\nEssayez une autre m\xE9thode, ou choisissez un autre mot."},
      {{.typed = "cil", .domain = SearchDomain::Verbs}, R::NoReplacement, "D\xE9sol\xE9, le mot \xAB\xA0" "cil\xA0\xBB ne g\xE9n\xE8re pas"},
      {{.typed = "pou", .domain = SearchDomain::Verbs}, R::NothingFound, "D\xE9sol\xE9, le mot \xAB\xA0pou\xA0\xBB ne g\xE9n\xE8re aucune"},
      {{.typed = "eau"}, R::TooShort, "Le mot \xAB\xA0" "eau\xA0\xBB est trop court pour construire des contrep\xE8teries !!!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query.typed);
    const SpoonerismResult result = Run(c.query);
    EXPECT_EQ(result.refusal, c.refusal);
    EXPECT_TRUE(result.message.starts_with(c.start)) << result.message;
  }
}

TEST_F(SpoonerismTest, EeOptionRefusesAWordDifferingOnlyByEe) {
  // pilait and piler differ by è against é only: merged, neither replaces the other.
  fixture_.Add(TableKind::Taboo, {{"pilet", "pil3", 2, 0}});
  lexicon_ = fixture_.Load();
  const SpoonerismQuery query{.typed = "piler", .swapLength = 1, .decadent = true, .domain = SearchDomain::Verbs};
  EXPECT_EQ(Run(query).replacementCount, 0u);
  SpoonerismQuery apart = query;
  apart.mergeEe = false;
  EXPECT_EQ(Run(apart).replacementCount, 1u);
}

TEST_F(SpoonerismTest, VerbEndingsAreNotExchangedForReversedAndChild) {
  // chais (h3): in the verbs domain its final è is never replaced; elsewhere it becomes chou.
  const SpoonerismQuery nouns{.typed = "chais", .decadent = true, .method = SpoonerismMethod::Reversed, .mergeEe = false};
  SpoonerismQuery verbs = nouns;
  verbs.domain = SearchDomain::Verbs;
  EXPECT_EQ(Run(nouns).replacementCount, 2u);  // h -> k (quet), 3 -> 4 (chou)
  EXPECT_EQ(Run(verbs).replacementCount, 1u);
}

TEST_F(SpoonerismTest, VerbEndingsAreNotPartners) {
  // quai: its é becomes the ou of cou. pilait -> pilou would be partners, but the è of pilait is
  // the ending of a conjugated verb, so the verbs' scan takes no place there.
  fixture_.Add(TableKind::Verbs, {{"pilou", "pil4", 2, 0}});
  lexicon_ = fixture_.Load();
  const SpoonerismResult result = Run({.typed = "quai", .decadent = true, .domain = SearchDomain::Verbs});
  EXPECT_EQ(result.replacementCount, 2u);  // k -> p (pet), é -> ou (cou)
  EXPECT_EQ(result.refusal, SpoonerismRefusal::NothingFound);
}

TEST_F(SpoonerismTest, SearchKeysTellEveryOptionApart) {
  const SpoonerismQuery base{.typed = "pou"};
  EXPECT_EQ(SpoonerismSearchKeys(base), std::make_pair(4 + 32 + 512, 1 + 16));
  std::vector<SpoonerismQuery> variants(6, base);
  variants[0].mergeEe = false;
  variants[1].method = SpoonerismMethod::Child;
  variants[2].domain = SearchDomain::ResultList;
  variants[3].decadent = true;
  variants[4].decadent = true, variants[4].swapLength = 3;
  variants[5].method = SpoonerismMethod::Contrepetophile;
  std::vector<std::pair<int, int>> keys{SpoonerismSearchKeys(base)};
  for (const auto& v : variants) keys.push_back(SpoonerismSearchKeys(v));
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
  EXPECT_EQ(FoldForRepeat("P\xD4\xEEl\xE9"), "poil\xE9");
}

TEST_F(SpoonerismTest, CurrentListIsReplacedReadOrKept) {
  const SpoonerismResult first = Run({.typed = "pou"});
  KeepSpoonerismResult(first, session_);
  EXPECT_EQ(session_.resultListKind, kSpoonerismListKind);
  ASSERT_EQ(session_.resultList.Size(), 3u);

  // Over the current list (quai, quet, quille), which holds no pile: only quet (from pet).
  const SpoonerismResult read = Run({.typed = "pou", .mergeEe = false, .domain = SearchDomain::ResultList});
  EXPECT_EQ(Blocks(read), (std::vector<std::string>{"p>k: quet#"}));
  KeepSpoonerismResult(read, session_);
  EXPECT_EQ(session_.resultList.Size(), 3u);
  const SpoonerismResult kept = Run({.typed = "pou", .mergeEe = false, .domain = SearchDomain::ResultList, .keepAsNewList = true});
  KeepSpoonerismResult(kept, session_);
  EXPECT_EQ(session_.resultList.Size(), 1u);
}

TEST_F(SpoonerismTest, BlockHeaderAndWaitingText) {
  const SpoonerismResult result = Run({.typed = "pou"});
  const std::string text = WritePlainText(WriteSpoonerismBlocks(result));
  EXPECT_EQ(text, "pou\n\tquai#\t\tquet#\t\tquille\n" + std::string(180, '-') + "\n");
  // A homophone that is a word of two tables is named once in the heading.
  SpoonerismResult withHomophones = result;
  withHomophones.homophones = {"poux", "pous", "poux"};
  EXPECT_TRUE(WritePlainText(WriteSpoonerismBlocks(withHomophones)).starts_with("pou   (poux, pous)\n"));
  const Document header = WriteSpoonerismHeader(result, 75);
  EXPECT_EQ(WritePlainText(header),
            Cp1252ToUtf8("  Contrep\xE8teries    Mot : pou    Domaine : Noms    Possibilit\xE9s : 1    Mots trouv\xE9s : 3"
                         "    Temps : 1 min 15 s"));
  EXPECT_EQ(header.paragraphs()[0].runs[0].format.color, (Rgb{255, 0, 0}));
  // Highlighted letters are bold and coloured in the block.
  bool boldRun = false;
  const Document block = WriteSpoonerismBlocks(result);
  for (const Paragraph& p : block.paragraphs()) {
    for (const TextRun& run : p.runs) boldRun |= run.format.bold && run.text == "qu";
  }
  EXPECT_TRUE(boldRun);
  // The swap-length-1 text colours "g", "ff", "t" and "gl", across its line break.
  std::string coloured;
  const Document waiting = SpoonerismWaitingText(SpoonerismMethod::Normal, 1);
  for (const Paragraph& p : waiting.paragraphs()) {
    for (const TextRun& run : p.runs) {
      if (run.format.color == Rgb{255, 0, 0}) coloured += run.text + "|";
    }
  }
  EXPECT_EQ(coloured, "g|ff|t|gl|");
}

}  // namespace
}  // namespace tavilo
