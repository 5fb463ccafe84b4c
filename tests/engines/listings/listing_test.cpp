// The word listings on a small lexicon: what the reference on the shipped dictionary cannot pin —
// the anaphone listing's groups, the inflection rule, and the block's headings and count line.
#include "engines/listings/listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

using testing::FixtureLexicon;

class ListingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new FixtureLexicon;
    // Rows grouped by the listings they are for.
    fixture_->Add(TableKind::Nouns,
                  {{"radar", "radar", 2, 0}, {"r\xEAver", "r3v2", 2, 0}, {"kayak", "kajak", 2, 0},
                   {"sas", "sas", 1, 0}, {"nu", "nu", 1, 0}, {"une", "un", 1, 0}, {"laisse", "l3s", 1, 0},
                   {"sel", "s3l", 1, 0}, {"selle", "s3l", 1, 0}, {"rame", "ram", 1, 0}, {"rames", "ram", 1, 0},
                   {"rament", "ram", 1, 0}, {"mare", "mar", 1, 0}, {"marre", "mar", 1, 0}, {"arme", "arm", 1, 0},
                   {"\xE9l\xE8ve", "2l3v", 2, 0}, {"chien", "h76", 1, 0}, {"chine", "hin", 1, 0},
                   {"niche", "nih", 1, 0}});
    // aimer's second reading has the same sounds in another order; radar is also a noun (listed once).
    fixture_->Add(TableKind::Verbs,
                  {{"\xE9lev\xE9", "2lv2", 3, 0}, {"aim\xE9", "2m2", 2, 0}, {"aim\xE9" "e", "2m2", 2, 0},
                   {"aimez", "2m2", 2, 0}, {"aimait", "2m3", 2, 0}, {"aimer", "m22", 2, 0},
                   {"parle", "parl", 1, 0}, {"parles", "parl", 1, 0}, {"parlent", "parl", 1, 0},
                   {"aimer", "2m2", 2, 0}, {"radar", "radar", 2, 0}});
    // Every scanned table has rows of its own (an empty table would get a stand-in word).
    fixture_->Add(TableKind::Adjectives, {{"vert", "v3r", 1, 0}});
    fixture_->Add(TableKind::FunctionWords, {{"pour", "pur", 1, 0}});
    fixture_->Add(TableKind::Locutions, {{"avoir l'air", "av0rl3r", 3, 0}});
    lexicon_ = fixture_->Load().release();
  }
  static void TearDownTestSuite() {
    delete lexicon_;
    delete fixture_;
  }

  static std::vector<std::string> Items(ListingKind kind) { return ListingItems(RunWordListing(kind, *lexicon_)); }

  static FixtureLexicon* fixture_;
  static Lexicon* lexicon_;
};

FixtureLexicon* ListingTest::fixture_ = nullptr;
Lexicon* ListingTest::lexicon_ = nullptr;

// What the reference on the shipped dictionary only bounds: which keys the anaphone listing
// keeps once the forms of one word are set aside.
TEST_F(ListingTest, AnaphonesLeaveOutTheFormsOfOneWord) {
  // élève and élevé differ only by accents; aimé, aimer... and parle, parles, parlent are one
  // word each, even where a form's sounds stand in another order.
  for (const std::string& item : Items(ListingKind::AnagramFamilies)) {
    EXPECT_EQ(item.find("\xE9l\xE8ve"), std::string::npos);
  }
  // rames and rament are forms of rame, selle of sel; marre is a word of its own.
  const std::vector<std::string> anaphones = {"nu : une", "arme : mare, marre : rame", "chine : niche",
                                              "laisse : sel", "\xE9l\xE8ve : \xE9lev\xE9"};
  EXPECT_EQ(Items(ListingKind::Anaphones), anaphones);
}

TEST(ListingWordTest, InflectionsShareAStemWithTwoEndings) {
  const struct {
    const char* a;
    const char* b;
    bool inflections;
  } cases[] = {
      {"parle", "parlent", true}, {"aim\xE9", "aimait", true}, {"aimer", "aimez", true}, {"vert", "verte", true},
      {"mare", "marre", false},   {"rame", "mare", false},     {"a", "as", false},  // a stem of two letters at least
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AreInflections(c.a, c.b), c.inflections) << c.a << " " << c.b;
    EXPECT_EQ(AreInflections(c.b, c.a), c.inflections) << c.b << " " << c.a;
  }
}

TEST_F(ListingTest, BlockHasItsHeadingsColumnsAndCountLine) {
  const auto text = [](const Document& doc) { return WritePlainText(doc); };
  const ListingResult palindromes = ListPalindromes(*lexicon_);
  EXPECT_EQ(text(WriteListingHeader(palindromes)),
            "   Liste des mots palindromiques \n     Mots : " + std::to_string(palindromes.count));
  EXPECT_EQ(WriteListingHeader(palindromes).paragraphs()[0].runs[0].format.color, (Rgb{255, 0, 0}));
  const std::string rule(80, '-');
  // Single words in columns.
  EXPECT_EQ(text(WriteListingBlock(palindromes)), " 3 lettres :\nsas\n" + rule + "\n 5 lettres :\nkayak\tradar\tr\xC3\xAAver\n" + rule + "\n");

  const ListingResult families = ListAnagramFamilies(*lexicon_);
  EXPECT_EQ(text(WriteListingHeader(families)),
            "   Liste des mots anagrammatiques     Groupes de mots : " + std::to_string(families.count));
  // The count line counts groups where the items are groups of words (one a line), and words
  // where they are single words: ourobores, 'okapi' and 'phokapi' count words.
  for (const ListingDescription& d : AllListingDescriptions()) {
    const ListingResult some{.kind = d.kind, .groups = {}, .count = 2, .kept = {}};
    const std::string header = text(WriteListingHeader(some));
    EXPECT_NE(header.find(d.oneItemPerLine ? "Groupes de mots : 2" : "     Mots : 2"), std::string::npos) << header;
  }
  // One family a line, even when short.
  EXPECT_EQ(text(WriteListingBlock(families)).substr(0, 39), " 4 lettres :\n arme   mare   rame\n" + rule.substr(0, 6));

  // Ambigrams write " 1 lettre :", anaphones " 1 phonème :", 'phokapi' counts syllables.
  const std::pair<ListingKind, std::string> headings[] = {{ListingKind::AmbigramHorizontal, " 1 lettre :\n"},
                                                          {ListingKind::Anaphones, " 1 phon\xC3\xA8me :\n"},
                                                          {ListingKind::Palindromes, " 1 lettres :\n"},
                                                          {ListingKind::Phokapi, " 1 syllabe : \n"}};
  for (const auto& [kind, heading] : headings) {
    const ListingResult one{.kind = kind, .groups = {{1, {"m   o"}}}, .count = 1, .kept = {}};
    EXPECT_EQ(text(WriteListingBlock(one)).substr(0, heading.size()), heading);
    EXPECT_EQ(WriteListingBlock(one).paragraphs()[1].runs[0].format.font,
              kind == ListingKind::AmbigramHorizontal ? "Futura Medium BT" : "Courier New");
  }
}

}  // namespace
}  // namespace tavilo
