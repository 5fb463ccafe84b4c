// The sentence-spoonerism dialog inside the main window: its controls, OK and Enter, the refusals
// (the sentence's, and the missing word frequencies), and what a result does to the display and
// the current list.
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>

#include "app/phrase_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class PhraseDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"champ", "h5", 1, 1}, {"cochon", "koh8", 2, 1}, {"coton", "kot8", 2, 1},
                             {"temps", "t5", 1, 1}}}});
    lexicon.dataDirectory = ToPath(folder.path());
    WriteBytes(folder.File("frequences.txt"), "champ\t5.0\ncochon\t4.2\ncoton\t4.0\ntemps\t6.0\n");
    MakeWindow();
  }
  static std::filesystem::path ToPath(const QString& path) { return std::filesystem::path(path.toStdString()); }
  void Open(const std::function<void(PhraseDialog&)>& use) {
    MainWindowFixture::Open<PhraseDialog>("mnuCmpPhrase", use);
  }
};

TEST_F(PhraseDialogTest, EnterShowsTheHiddenSentencesAndKeepsTheNewWords) {
  Open([](PhraseDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Contrepèteries dans une phrase");
    EXPECT_TRUE(Button(d, "Un, deux ou &trois sons")->isChecked());
    EXPECT_FALSE(Button(d, "Aussi les rotations entre t&rois mots")->isChecked());
    EXPECT_EQ(Child<QSpinBox>(d, "Spin1")->text(), "toutes");
    QComboBox* box = Child<QComboBox>(d, "Combo1");
    Enter(*box, "Quel champ de coton !");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(Items(*box), QStringList({"Quel champ de coton !"}));  // remembered once searched
  });
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(Label("lblHeader"),
            "  Contrepèteries dans une phrase    Phrase : «\u00A0Quel champ de coton !\u00A0»    Phrase trouvée : 1");
  EXPECT_TRUE(Displayed().contains("1.  Quel temps de cochon !\n      ch ↔ t      champ → temps, coton → cochon"))
      << Displayed().toStdString();
  EXPECT_TRUE(Displayed().contains("Mots inconnus du dictionnaire, laissés tels quels : Quel, de"));
  // The received letters are bold in the document that is saved and printed.
  bool boldT = false;
  const Document shown = window->ResultDocument();
  for (const Paragraph& p : shown.paragraphs())
    for (const TextRun& run : p.runs) boldT = boldT || (run.text == "t" && run.format.bold);
  EXPECT_TRUE(boldT);
  EXPECT_EQ(window->session().resultListKind, std::string(kPhraseListKind));
  ASSERT_EQ(window->session().resultList.Size(), 2u);
  EXPECT_EQ(window->session().resultList[0].spelling, "temps");
  EXPECT_EQ(window->session().resultList[1].spelling, "cochon");
  EXPECT_TRUE(QFile::exists(folder.File("Listes/SansTitre.rtf")));
}

TEST_F(PhraseDialogTest, RefusesInItsOwnWordsAndWithoutFrequencies) {
  Open([](PhraseDialog& d) {
    Search(d, "champ 2 cotons");
    Search(d, "coton");
  });
  ASSERT_EQ(Messages().size(), 2);
  EXPECT_TRUE(Messages()[0].startsWith("Pas de chiffres")) << Messages()[0].toStdString();
  EXPECT_TRUE(Messages()[1].startsWith("Il faut au moins deux mots du dictionnaire")) << Messages()[1].toStdString();
  EXPECT_EQ(Displayed(), "");

  QFile::remove(folder.File("frequences.txt"));
  MakeWindow();  // the frequencies are read once, at the first search
  Open([](PhraseDialog& d) { Search(d, "Quel champ de coton !"); });
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains("frequences.txt")) << Messages()[0].toStdString();
  EXPECT_EQ(Displayed(), "");
}

}  // namespace
}  // namespace tavilo::testing
