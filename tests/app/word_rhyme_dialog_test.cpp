// The dialog of the rhymes of a word inside the main window: the readings offered as the word is
// typed, the options reaching the search, Enter, the result in the display and the current list,
// and the refusals (a missing frequency file among them).
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/list_files.h"
#include "app/word_rhyme_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class WordRhymeDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"arbre", "arbr", 1, 1}, {"bedo", "b2do", 2, 0}, {"cadeau", "kado", 2, 1},
                             {"marbre", "marbr", 1, 0}, {"rideau", "rido", 2, 1}}},
                           {TableKind::Verbs, {{"bedo", "bado", 2, 0}}},
                           {TableKind::Locutions, {{"sac \xE0 dos", "sakado", 3, 0}}}});
    WriteBytes(folder.File("frequences.txt"), "bedo\t2.0\nrideau\t3.0\nsac \xE0 dos\t1.0\n");
    MakeWindow();
  }
  void Open(const std::function<void(WordRhymeDialog&)>& use) {
    MainWindowFixture::Open<WordRhymeDialog>("mnuCmpRimMot", use);
  }
  static QComboBox* Readings(const QWidget& d) { return Child<QComboBox>(d, "Combo3"); }
};

TEST_F(WordRhymeDialogTest, TypingOffersTheReadingsAndOkShowsTheSections) {
  Open([this](WordRhymeDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Rimes d'un mot");
    EXPECT_TRUE(Button(d, "&Tous")->isChecked());
    EXPECT_FALSE(Button(d, "Liste de &recherche précédente")->isEnabled());  // no current list yet
    EXPECT_EQ(Items(*Child<QComboBox>(d, "Combo2")).front(), "Toutes");
    Enter(*Child<QComboBox>(d, "Combo1"), "Bedo");
    EXPECT_EQ(Items(*Readings(d)), QStringList({"1 : b-é-d-o", "2 : b-a-d-o"}));
    EXPECT_TRUE(Readings(d)->isEnabled());
    Readings(d)->setCurrentIndex(1);
    QTest::keyClick(Child<QComboBox>(d, "Combo1")->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Items(*Child<QComboBox>(d, "Combo1")), QStringList({"bedo"}));
  });
  EXPECT_TRUE(dialogs->messages.empty()) << Messages().join("|").toStdString();
  EXPECT_EQ(Label("lblHeader"),
            "   Rimes d'un mot       Mot : «\u00A0bedo\u00A0»       Phonétique : b-a-d-o       Rime : «\u00A0o\u00A0»       Domaine : Tous"
            "       Nombre de syllabes : Toutes       Mots trouvés : 3");
  const QString rule(185, QLatin1Char('-'));
  EXPECT_EQ(Displayed().section(QStringLiteral("\n\n"), 1),
            " Rime riche (3 sons) : «\u00A0a-d-o\u00A0»\n\tsac à dos\tcadeau\n" + rule + "\n Rime suffisante : «\u00A0d-o\u00A0»\n\trideau\n" +
                rule + "\n");
  EXPECT_EQ(window->session().resultListKind, " rimes");
  EXPECT_EQ(window->session().resultList.Size(), 3u);
  EXPECT_EQ(ProposedSaveName(window->state()), QDir::toNativeSeparators("Listes/RimeMot_bedo"));

  // The next search can start from that list.
  Open([](WordRhymeDialog& d) {
    ASSERT_TRUE(Button(d, "Liste de &recherche précédente")->isEnabled());
    Button(d, "Liste de &recherche précédente")->click();
    Child<QComboBox>(d, "Combo2")->setCurrentText("2");
    Search(d, "rideau");
  });
  EXPECT_TRUE(Label("lblHeader").endsWith("Domaine : Liste rimes       Nombre de syllabes : 2       Mot trouvé : 1"))
      << Label("lblHeader").toStdString();
}

TEST_F(WordRhymeDialogTest, RefusalsWarnAndChangeNothing) {
  Open([](WordRhymeDialog& d) {
    Search(d, "");
    Search(d, "zut");
    Button(d, "L&ocutions")->click();
    Search(d, "arbre");
  });
  EXPECT_EQ(Messages(), QStringList({"Entrez un mot : ses rimes suivront.",
                                     "Apparemment le mot «\u00A0zut\u00A0» n'est pas reconnu.\n"
                                     "Vérifiez l'orthographe, ou essayez un homonyme.",
                                     "Aucun mot ne rime avec «\u00A0arbre\u00A0» avec ces options.\nEssayez autre chose."}));
  EXPECT_TRUE(window->ResultIsEmpty());
  EXPECT_FALSE(window->session().HasResultList());
}

TEST_F(WordRhymeDialogTest, WithoutTheFrequencyFileTheToolSaysSo) {
  // The file is read at the first search that needs it.
  QFile::remove(folder.File("frequences.txt"));
  Open([](WordRhymeDialog& d) { Search(d, "cadeau"); });
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains("frequences.txt")) << Messages()[0].toStdString();
  EXPECT_TRUE(window->ResultIsEmpty());
}

}  // namespace
}  // namespace tavilo::testing
