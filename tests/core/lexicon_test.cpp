// Start-up over tiny lexicons: order of loading, progress, the missing adjective file, the
// taboo list, and the two anagram indexes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/graphemes.h"
#include "core/lexicon.h"
#include "core/text.h"
#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

// Every progress value in order; a missing adjective file only empties the adjectives; the taboo
// list keeps table order.
TEST(Startup, ProgressMissingAdjectivesAndTabooList) {
  FixtureLexicon fixture;
  fixture.Add(TableKind::Nouns, {{"chat", "ha", 1, 0}}).Add(TableKind::Taboo, {{"zut", "zyt", 0, 0}, {"bigre", "bigr", 0, 0}});
  std::vector<int> progress;
  LexiconLoad load = LoadLexicon(fixture.Write(), [&](int v) { progress.push_back(v); });
  ASSERT_FALSE(load.error);
  EXPECT_EQ(progress, (std::vector<int>{3, 12, 25, 27, 37, 45, 55, 65, 70, 75, 80, 85, 90, 98, 100}));
  EXPECT_FALSE(load.lexicon->adjectivesMissing);
  EXPECT_EQ(load.lexicon->tabooSpellings, (std::vector<std::string>{"zut", "bigre"}));

  fixture.Omit(TableKind::Adjectives);
  load = LoadLexicon(fixture.Write());
  ASSERT_FALSE(load.error);
  EXPECT_TRUE(load.lexicon->adjectivesMissing);
  EXPECT_TRUE(load.lexicon->adjectives.Empty());
  EXPECT_EQ(load.lexicon->nouns.Size(), 1u);
}

TEST(Startup, AnyOtherMissingOrMalformedFileStopsWithItsName) {
  for (TableKind kind : {TableKind::Nouns, TableKind::Verbs, TableKind::FunctionWords, TableKind::Taboo,
                         TableKind::Locutions}) {
    FixtureLexicon fixture;
    fixture.Omit(kind);
    LexiconLoad load = LoadLexicon(fixture.Write());
    ASSERT_TRUE(load.error) << InfoOf(kind).fileName;
    EXPECT_EQ(load.error->file, InfoOf(kind).fileName);
    EXPECT_EQ(load.lexicon, nullptr);
  }
  FixtureLexicon fixture;
  const auto dir = fixture.Write();
  std::ofstream(dir / "aj.tav", std::ios::binary) << "chat\x13ha\x13" "10\r\nbroken line\r\n";
  LexiconLoad load = LoadLexicon(dir);
  ASSERT_TRUE(load.error);
  EXPECT_TRUE(load.error->Message().starts_with("Le fichier \xAB\xA0" "aj.tav\xA0\xBB (dossier \xAB\xA0"));
  EXPECT_TRUE(load.error->Message().ends_with(" est mal form\xE9 \xE0 la ligne 2 : s\xE9parateur manquant."));

  // A folder where a data file should be is no absent file, even for the adjectives.
  std::filesystem::remove(dir / "aj.tav");
  std::filesystem::create_directory(dir / "aj.tav");
  load = LoadLexicon(dir);
  ASSERT_TRUE(load.error);
  EXPECT_EQ(load.error->code, LoadError::Code::ReadError);
}

// The table's content is pinned by the alignment tests; here only the lookups around it.
TEST(Graphemes, Lookups) {
  EXPECT_EQ(GraphemeTable()[GraphemeRowOf('5')].code, '5');
  for (char c : std::string("AZ.-' \xE9")) EXPECT_EQ(GraphemeRowOf(c), -1) << c;
  EXPECT_EQ(TranscribePhonetic("2t2"), "\xC3\xA9-t-\xC3\xA9");
  EXPECT_EQ(TranscribePhonetic("a?"), "a-?");
}

TEST(LetterKeys, FoldLowerAndSort) {
  const std::pair<const char*, const char*> cases[] = {
      {"\xE9t\xE9", "eet"},          // été
      {"gar\xE7on", "acgnor"},       // garçon
      {"No\xEBl", "elno"},           // Noël
      {"aujourd'hui", "'adhijoruuu"},
      {"na\xEFve", "aeinv"},
      {"\xE4\x9C", "\x9C\xE4"},      // ä and œ are not folded
      {"pomme de terre", "  deeeemmoprrt"},
  };
  for (const auto& [word, key] : cases) EXPECT_EQ(LetterKey(word), key) << word;
}

class AnagramIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fixture_.Add(TableKind::Nouns, {{"chien", "h76", 1, 0}, {"niche", "nih", 2, 0}, {"rose", "roz", 1, 0},
                                    {"a", "a", 1, 0}, {"ortie", "orti", 2, 0}, {"tory", "tori", 2, 0}})
        .Add(TableKind::Adjectives, {{"rose", "roz", 1, 0}, {"chi\xE9n", "x", 1, 0}})
        .Add(TableKind::Verbs, {{"rose", "roz", 1, 0}, {"ose", "oz", 1, 0}})
        .Add(TableKind::FunctionWords, {{"ore", "or", 1, 0}})
        .Add(TableKind::Locutions, {{"pot au feu", "potof1", 3, 0}});
    lexicon_ = fixture_.Load();
  }
  const AnagramIndex& Index() const { return lexicon_->anagramIndex; }
  std::vector<const AnagramRow*> RowsOf(const std::string& word) const {
    std::vector<const AnagramRow*> rows;
    for (const auto& row : Index().Rows()) {
      if (row.word == word) rows.push_back(&row);
    }
    return rows;
  }

  FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
};

// chien, chi�n and niche share a key and sit on consecutive rows; a word of several tables keeps
// one row, with the greatest code (adjective over verb over noun). The order of the rows is the
// shipped index's to check (AnagramDictionaryTest.IndexRowsAreInKeyThenWordOrder).
TEST_F(AnagramIndexTest, AnagramsAreAdjacentAndDuplicatesKeepTheGreatestCode) {
  const auto chien = RowsOf("chien"), niche = RowsOf("niche"), chien2 = RowsOf("chi\xE9n"), rose = RowsOf("rose");
  ASSERT_EQ(chien.size() + niche.size() + chien2.size() + rose.size(), 4u);
  EXPECT_EQ(chien[0]->key, "cehin");
  EXPECT_EQ(chien2[0]->key, "cehin");
  EXPECT_EQ(std::max({chien[0], niche[0], chien2[0]}) - std::min({chien[0], niche[0], chien2[0]}), 2);
  EXPECT_EQ(rose[0]->code, 45);
  EXPECT_EQ(RowsOf("ose")[0]->code, 25);
  EXPECT_EQ(RowsOf("ore")[0]->code, 35);
  EXPECT_EQ(RowsOf("pot au feu")[0]->code, 15);  // a locution
}

// The 24 acronyms (capitals, their letter key, code 15) and every short form, pinned by its row.
TEST_F(AnagramIndexTest, AcronymsShortFormsAndLengthStarts) {
  int acronyms = 0;
  for (const AnagramRow& row : Index().Rows()) {
    if (row.word.empty() || row.word != ToUpper(row.word)) continue;
    ++acronyms;
    EXPECT_EQ(row.key, LetterKey(row.word)) << row.word;
    EXPECT_EQ(row.code, 15) << row.word;
  }
  EXPECT_EQ(acronyms, 24);
  // The one-letter noun "a" never comes back from its bucket: the only "a" is the short form.
  struct ShortForm {
    const char* word;
    const char* key;
    int code;
  };
  const ShortForm shortForms[] = {{"a", "a", 24},  {"c'", "c", 24}, {"d'", "d", 44}, {"j'", "j", 24},
                                  {"l'", "l", 14}, {"m'", "m", 24}, {"n'", "n", 22}, {"\xF4", "o", 35},
                                  {"s'", "s", 95}, {"t'", "t", 24}, {"y", "y", 24},  {"z", "z", 96}};
  const auto& all = Index().Rows();
  ASSERT_GE(all.size(), std::size(shortForms) + 1);
  for (std::size_t k = 0; k < std::size(shortForms); ++k) {
    const AnagramRow& row = all[all.size() - 1 - std::size(shortForms) + k];
    EXPECT_EQ(row.word, shortForms[k].word);
    EXPECT_EQ(row.key, shortForms[k].key) << shortForms[k].word;
    EXPECT_EQ(row.code, shortForms[k].code) << shortForms[k].word;
  }

  const auto& starts = Index().LengthStart();
  const auto& rows = Index().Rows();
  ASSERT_EQ(starts.size(), 11u);  // the longest key, "pot au feu", has 10 characters
  for (std::size_t length = 0; length < starts.size(); ++length) {
    const auto r = static_cast<std::size_t>(starts[length]);
    if (r == 0) continue;  // no word of that length
    EXPECT_EQ(rows[r].key.size(), length);
    EXPECT_NE(rows[r - 1].key.size(), length);
  }
  EXPECT_EQ(static_cast<std::size_t>(starts[0]), rows.size() - 1);
  EXPECT_EQ(rows[static_cast<std::size_t>(starts[1])].word, "a");
  EXPECT_EQ(rows[static_cast<std::size_t>(starts[6])].word, "QWERTY");
}

TEST_F(AnagramIndexTest, PhoneticIndexMergesOpenAndClosedEAndKeepsHomophones) {
  const auto& rows = lexicon_->phoneticIndex.Rows();
  ASSERT_FALSE(rows.empty());
  EXPECT_TRUE(rows.back().spelling.empty());
  int roses = 0;
  for (const auto& row : rows) {
    if (row.spelling == "rose") {
      ++roses;
      EXPECT_EQ(row.key, "orz");
    }
    EXPECT_EQ(row.phonetic.find('3'), std::string::npos);
  }
  EXPECT_EQ(roses, 3);  // one per table: no duplicate removal here
  for (std::size_t r = 1; r + 1 < rows.size(); ++r) EXPECT_GE(rows[r - 1].key.size(), rows[r].key.size());
}

}  // namespace
}  // namespace tavilo
