// The word listings run from their menu items in the real main window: each shows its header
// and block, sets its ToolKey, saves SansTitre.rtf; 'okapi' and 'phokapi' refill the current
// list and count with their unit; the horizontal ambigrams are drawn in a substitute of Futura.
#include <QAction>
#include <QFileInfo>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextEdit>

#include "app/qt_text.h"
#include "app/word_listings.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class WordListingsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"radar", "radar", 2, 0}, {"kayak", "kajak", 2, 0}, {"belle", "b3l", 1, 0},
                             {"casser", "kas2", 2, 0}, {"ressac", "r1sak", 2, 0}, {"laisse", "l3s", 1, 0},
                             {"sel", "s3l", 1, 0}, {"rame", "ram", 1, 0}, {"mare", "mar", 1, 0},
                             {"nu", "nu", 1, 0}, {"toi", "t0", 1, 0}, {"okapi", "okapi", 3, 0},
                             {"chien", "h76", 1, 0}, {"chine", "hin", 1, 0}}},
                           {TableKind::Adjectives, {{"vert", "v3r", 1, 0}}},
                           {TableKind::Verbs, {{"aller", "al2", 2, 0}}},
                           {TableKind::FunctionWords, {{"pour", "pur", 1, 0}}},
                           {TableKind::Locutions, {{"en vain", "5v6", 2, 0}}}});
    MakeWindow();
  }
};

TEST_F(WordListingsTest, EveryListingRunsFromItsMenuItem) {
  for (const ListingInfo& info : AllListings()) {
    SCOPED_TRACE(info.menuName);
    QFile::remove(folder.File("Listes/SansTitre.rtf"));
    window->setWindowTitle("Tavilo");
    Trigger(info.menuName);
    const ListingDescription& d = DescribeListing(info.id);
    EXPECT_TRUE(Label("lblHeader").startsWith(FromCp1252(d.title)));
    if (info.id != ListingKind::AnagramFamilies) {
      EXPECT_TRUE(Label("lblHeader2").startsWith(d.countsGroups ? "     Groupes de mots : " : "     Mots : "));
    }
    EXPECT_TRUE(Displayed().contains(QString(80, QLatin1Char('-')))) << "nothing listed";
    EXPECT_EQ(window->state().toolKey, info.toolKey);
    EXPECT_EQ(window->windowTitle(), "Tavilo - SansTitre.rtf");
    EXPECT_TRUE(QFileInfo::exists(folder.File("Listes/SansTitre.rtf")));
    EXPECT_EQ(Label("Label4"), "") << "the waiting line is cleared once the list is shown";
    // 'okapi' and 'phokapi' make their words the current list and count them with their unit.
    if (info.id == ListingKind::Okapi) {
      EXPECT_EQ(window->session().resultListKind, "MotOkapi");
      EXPECT_EQ(window->session().resultList.Size(), 6u);  // radar, sel, rame, mare, nu, okapi
      EXPECT_EQ(Label("Label2"), "6 mots 'okapi'");
    } else if (info.id == ListingKind::Phokapi) {
      EXPECT_EQ(window->session().resultListKind, "MotPhokapi");
      EXPECT_TRUE(Label("Label2").endsWith(" mots 'phokapi'"));
    } else {
      EXPECT_FALSE(Label("Label2").contains(QStringLiteral("mots")));
    }
  }
}

TEST_F(WordListingsTest, HorizontalAmbigramsAreDrawnInAGeometricSans) {
  Trigger("mnuCmpAmbH");
  QTextBlock block = window->resultDisplay()->document()->begin();
  while (block.isValid() && !block.text().contains(QStringLiteral("toi"))) block = block.next();
  ASSERT_TRUE(block.isValid());
  const QFont font = block.begin().fragment().charFormat().font();
  EXPECT_EQ(font.family(), "Futura Medium BT");
  const QString drawn = QFontInfo(font).family();
  EXPECT_TRUE(drawn.startsWith("League Spartan") || drawn == "URW Gothic") << drawn.toStdString();
}

}  // namespace
}  // namespace tavilo::testing
