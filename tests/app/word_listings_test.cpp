// The word listings run from their menu items in the real main window, offscreen: each shows
// its header and block, sets its ToolKey, saves SansTitre.rtf; 'okapi' and 'phokapi' refill the
// current list and count with their unit; the horizontal ambigrams are drawn in a substitute of
// Futura Medium BT.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/word_listings.h"
#include "support/fixture_lexicon.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class WordListingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    fixture_
        .Add(TableKind::Nouns, {{"radar", "radar", 2, 0}, {"kayak", "kajak", 2, 0}, {"belle", "b3l", 1, 0},
                                {"casser", "kas2", 2, 0}, {"ressac", "r1sak", 2, 0}, {"laisse", "l3s", 1, 0},
                                {"sel", "s3l", 1, 0}, {"rame", "ram", 1, 0}, {"mare", "mar", 1, 0},
                                {"nu", "nu", 1, 0}, {"toi", "t0", 1, 0}, {"okapi", "okapi", 3, 0},
                                {"chien", "h76", 1, 0}, {"chine", "hin", 1, 0}})
        .Add(TableKind::Adjectives, {{"vert", "v3r", 1, 0}})
        .Add(TableKind::Verbs, {{"aller", "al2", 2, 0}})
        .Add(TableKind::FunctionWords, {{"pour", "pur", 1, 0}})
        .Add(TableKind::Locutions, {{"en vain", "5v6", 2, 0}});
    lexicon_ = fixture_.Load();
    auto scripted = std::make_unique<ScriptedDialogs>();
    window_ = std::make_unique<MainWindow>(*lexicon_, BuiltInTools(), std::move(scripted));
  }

  QString Label(const char* name) const { return window_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }

  ScratchFolder folder_;
  FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(WordListingsTest, EveryListingRunsFromItsMenuItem) {
  for (const ListingInfo& info : AllListings()) {
    QAction* item = window_->findChild<QAction*>(QString::fromLatin1(info.menuName));
    ASSERT_TRUE(item) << info.menuName;
    ASSERT_TRUE(item->isEnabled()) << info.menuName;
    QFile::remove(folder_.File("Listes/SansTitre.rtf"));
    window_->setWindowTitle("Tavilo");
    item->trigger();

    const ListingDescription& d = DescribeListing(ListingKindOf(info.id));
    const std::string shown = WritePlainText(window_->ResultDocument());
    EXPECT_TRUE(Label("lblHeader").startsWith(FromCp1252(d.title))) << info.menuName;
    EXPECT_TRUE(Label("lblHeader2").startsWith(d.countsGroups ? "     Groupes de mots : " : "     Mots : ") ||
                info.id == ListingId::AnagramFamilies)
        << info.menuName;
    EXPECT_NE(shown.find(std::string(80, '-')), std::string::npos) << info.menuName << ": nothing listed";
    EXPECT_EQ(window_->state().toolKey, info.toolKey);
    EXPECT_EQ(window_->windowTitle(), "Tavilo - SansTitre.rtf");
    EXPECT_TRUE(QFileInfo::exists(folder_.File("Listes/SansTitre.rtf"))) << info.menuName;
    EXPECT_EQ(Label("Label4"), "") << "the waiting line is cleared once the list is shown";
    // 'okapi' and 'phokapi' make their words the current list and count them with their unit.
    if (info.id == ListingId::Okapi) {
      EXPECT_EQ(window_->session().resultListKind, "MotOkapi");
      EXPECT_EQ(window_->session().resultList.Size(), 6u);  // radar, sel, rame, mare, nu, okapi
      EXPECT_EQ(Label("Label2"), "6 mots 'okapi'");
    } else if (info.id == ListingId::Phokapi) {
      EXPECT_EQ(window_->session().resultListKind, "MotPhokapi");
      EXPECT_TRUE(Label("Label2").endsWith(" mots 'phokapi'"));
    } else {
      EXPECT_FALSE(Label("Label2").contains(QStringLiteral("mots"))) << info.menuName;
    }
  }
}

TEST_F(WordListingsTest, HorizontalAmbigramsAreDrawnInAGeometricSans) {
  window_->findChild<QAction*>("mnuCmpAmbH")->trigger();
  QTextBlock block = window_->resultDisplay()->document()->findBlock(0);
  while (block.isValid() && !block.text().contains(QStringLiteral("toi"))) block = block.next();
  ASSERT_TRUE(block.isValid());
  const QFont font = block.begin().fragment().charFormat().font();
  EXPECT_EQ(font.family(), "Futura Medium BT");
  const QString drawn = QFontInfo(font).family();
  EXPECT_TRUE(drawn.startsWith("League Spartan") || drawn == "URW Gothic") << drawn.toStdString();
}

}  // namespace
}  // namespace tavilo::testing
