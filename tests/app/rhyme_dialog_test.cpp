// The rhyme dialog inside the main window: its controls at opening, each option reaching the
// search, OK, the refusals, and what a result does to the display and the current list.
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include "app/list_files.h"
#include "app/rhyme_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

// The lines of the display that hold words, joined: what a search listed, in display order.
QString ListedWords(const QString& displayed) {
  QString words;
  for (const QString& line : displayed.split(QLatin1Char('\n')))
    if (line.startsWith(QLatin1Char('\t'))) words += line;
  return words;
}

const QString kListOption = QStringLiteral(
    "Liste de recherche précédente (Contrepèteries, Rimes, Lipogrammes,\nMots filtrés, 'okapi', 'phokapi')");
const QString kAppend = QStringLiteral("Ajouter le résultat à la liste affichée");

class RhymeDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"agio", "ajio", 2, 0}, {"cage", "kaj", 1, 1}, {"image", "imaj", 2, 0},
                             {"orage", "oraj", 2, 1}, {"page", "paj", 1, 1}, {"pages", "paj", 1, 1},
                             {"rageur", "raj1r", 2, 0}}},
                           {TableKind::Adjectives, {{"sage", "saj", 1, 1}, {"sauvage", "sovaj", 2, 0}}},
                           {TableKind::Verbs, {{"nager", "naj2", 2, 1}}},
                           {TableKind::FunctionWords, {{"ici", "isi", 2, 1}}}});
    MakeWindow();
  }
  void Open(const std::function<void(RhymeDialog&)>& use) { MainWindowFixture::Open<RhymeDialog>("mnuCmpRim", use); }
  static QComboBox* Syllables(const QWidget& d) { return Child<QComboBox>(d, "Combo2"); }
};

TEST_F(RhymeDialogTest, ControlsAtTheFirstOpening) {
  Open([](RhymeDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Rimes");
    EXPECT_EQ(Child<QComboBox>(d, "Combo1")->currentText(), "");
    const struct {
      QString caption;
      bool checked, enabled;
    } cases[] = {
        {"En fin de mot", true, true},  {"En début de mot", false, true}, {"A l'intérieur du mot", false, true},
        {"Conserver la graphie", false, true}, {"Noms", true, true},      {"Adjectifs", false, true},
        {"Verbes", false, true},        {"Adverbes, pronoms, prépositions...", false, true},
        {kListOption, false, false},  // no current list yet
        {"Conserver le résultat comme nouvelle liste", false, false},
        {kAppend, false, false},  // nothing displayed yet
    };
    for (const auto& c : cases) {
      EXPECT_EQ(Button(d, c.caption)->isChecked(), c.checked) << c.caption.toStdString();
      EXPECT_EQ(Button(d, c.caption)->isEnabled(), c.enabled) << c.caption.toStdString();
    }
    EXPECT_EQ(Items(*Syllables(d)), QStringList({"Toutes", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    for (const auto& [chosen, unit] : {std::pair{"Toutes", "syllabes."}, {"1", "syllabe."}, {"2", "syllabes."}}) {
      Syllables(d)->setCurrentText(chosen);
      EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), unit) << chosen;
    }
  });
}

TEST_F(RhymeDialogTest, OkShowsTheResultAndKeepsItAsTheCurrentList) {
  Open([](RhymeDialog& d) { Search(d, "age"); });
  const QString header = QStringLiteral(
      "   Rimes       Rime : «\u00A0...age\u00A0»       Domaine : Noms       Nombre de syllabes : Toutes       Mots trouvés : 5");
  const QString rule(185, QLatin1Char('-'));
  EXPECT_EQ(Label("lblHeader"), header);
  EXPECT_EQ(Displayed(),
            header + "\n\n 2 syllabes :\n\timage\torage\n" + rule + "\n 1 syllabe :\n\tcage\tpage\tpages\n" + rule +
                "\n");
  EXPECT_EQ(Label("Label2"), "5");
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(window->session().resultListKind, " rimes");
  ASSERT_EQ(window->session().resultList.Size(), 5u);
  EXPECT_EQ(window->session().resultList[1], (WordEntry{"image", "imaj", 2, 0}));  // table order, every column
  EXPECT_EQ(ProposedSaveName(window->state()), QDir::toNativeSeparators("Listes/Rime_age"));
}

TEST_F(RhymeDialogTest, TheBoxRemembersEachRhymeOnce) {
  Open([this](RhymeDialog& d) {
    QLineEdit* edit = Child<QComboBox>(d, "Combo1")->lineEdit();
    Search(d, "A GE");
    EXPECT_TRUE(Label("lblHeader").startsWith("   Rimes       Rime : «\u00A0...age\u00A0»")) << Label("lblHeader").toStdString();
    EXPECT_EQ(edit->text(), "A GE") << "the box keeps what was typed";
    Search(d, "age");
    Search(d, "xyz");   // refused, never searched: not remembered
    Search(d, "ager");  // known from nager, but no noun has it
    EXPECT_EQ(Items(*Child<QComboBox>(d, "Combo1")), QStringList({"age", "ager"}));
    EXPECT_EQ(dialogs->modalCount, 1) << "the dialog stays open after a search";
  });
  ASSERT_EQ(Messages().size(), 2);
  EXPECT_EQ(Messages()[1], "Apparemment il n'y a pas de rimes en «\u00A0ager\u00A0» avec ces options !!!\nEssayez autre chose.");
}

TEST_F(RhymeDialogTest, EachOptionReachesTheSearch) {
  const struct {
    std::vector<QString> clicks;
    QString syllables;
    QString headerEnd;
    QString words;
  } cases[] = {
      {{}, "Toutes", "Noms       Nombre de syllabes : Toutes       Mots trouvés : 5",
       "\timage\torage\tcage\tpage\tpages"},
      {{"Conserver la graphie"}, "Toutes", "Mots trouvés : 4", "\timage\torage\tcage\tpage"},
      {{}, "2", "Nombre de syllabes : 2       Mots trouvés : 2", "\timage\torage"},
      {{"A l'intérieur du mot"}, "Toutes", "Mot trouvé : 1", "\trageur"},
      {{"En début de mot"}, "Toutes", "Mot trouvé : 1", "\tagio"},
      {{"Adjectifs"}, "Toutes", "Domaine : Adjectifs       Nombre de syllabes : Toutes       Mots trouvés : 2",
       "\tsauvage\tsage"},
      {{"Verbes", "A l'intérieur du mot"}, "Toutes",
       "Domaine : Verbes       Nombre de syllabes : Toutes       Mot trouvé : 1",
       "\tnager"},
  };
  for (const auto& c : cases) {
    Open([&](RhymeDialog& d) {
      Button(d, "En fin de mot")->click();
      Button(d, "Noms")->click();
      Button(d, "Conserver la graphie")->setChecked(false);
      for (const QString& caption : c.clicks) Button(d, caption)->click();
      Syllables(d)->setCurrentText(c.syllables);
      Search(d, "age");
    });
    EXPECT_TRUE(Label("lblHeader").endsWith(c.headerEnd)) << Label("lblHeader").toStdString();
    EXPECT_EQ(ListedWords(Displayed()), c.words) << c.headerEnd.toStdString();
  }
}

TEST_F(RhymeDialogTest, RefusalsWarnAndChangeNothing) {
  window->SetResultDocument(DocumentFromPlainText("avant"));
  window->session().StartResultList(" contrep\xE8teries");
  window->session().resultList.Append({"page", "paj", 1, 1});
  const struct {
    QString typed, message;
  } cases[] = {
      {"   ", "      Là, vous êtes distrait,\n      Mais il est légitime\n      Pour en voir tout l'attrait\n"
              "      D'apposer une rime..."},
      // Typed in UTF-8, œ is named back as "oe".
      {"œ", "Apparemment il n'existe aucun mot avec une rime en «\u00A0oe\u00A0» !!!\nEssayez une autre rime."},
  };
  Open([&](RhymeDialog& d) {
    for (const auto& c : cases) {
      dialogs->messages.clear();
      Search(d, c.typed);
      ASSERT_EQ(dialogs->messages.size(), 1u) << c.typed.toStdString();
      EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Warning);
      EXPECT_EQ(dialogs->messages[0].title, "Tavilo - Rimes");
      EXPECT_EQ(dialogs->messages[0].text, c.message);
      EXPECT_EQ(Child<QComboBox>(d, "Combo1")->currentText(), c.typed.trimmed()) << "the entry stays for a retry";
    }
  });
  EXPECT_EQ(Displayed(), "avant");
  EXPECT_EQ(window->session().resultListKind, " contrep\xE8teries");
  EXPECT_EQ(window->session().resultList.Size(), 1u);
}

TEST_F(RhymeDialogTest, ReopeningKeepsTheChoicesUnlessAnotherToolCameBetween) {
  Open([](RhymeDialog& d) {
    Button(d, "En début de mot")->click();
    Syllables(d)->setCurrentText("3");
  });
  Open([](RhymeDialog& d) { EXPECT_EQ(Syllables(d)->currentText(), "3"); });
  Trigger("mnuCmpAna");
  Open([](RhymeDialog& d) {
    EXPECT_EQ(Syllables(d)->currentText(), "Toutes");
    EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), "syllabes.");
    EXPECT_TRUE(Button(d, "En début de mot")->isChecked()) << "only the syllable list is reset";
  });
}

TEST_F(RhymeDialogTest, TheCurrentListAsSourceAndAppendingToTheDisplay) {
  Open([](RhymeDialog& d) {
    Syllables(d)->setCurrentText("1");
    Search(d, "age");
  });
  const WordTable kept = window->session().resultList;
  ASSERT_EQ(kept.Size(), 3u);
  Open([&](RhymeDialog& d) {
    Button(d, kListOption)->click();
    Button(d, kAppend)->click();
    Button(d, "Conserver la graphie")->click();
    Search(d, "age");
  });
  EXPECT_EQ(Label("lblHeader"), "   Rimes       Rime : «\u00A0...age\u00A0»       Domaine : Liste rimes       "
                                "Nombre de syllabes : 1       Mots trouvés : 2");
  EXPECT_TRUE(window->session().resultList == kept) << "a list searched stays as it was";
  EXPECT_TRUE(Displayed().startsWith(Label("lblHeader") + "\n\n")) << Displayed().toStdString();
  EXPECT_EQ(ListedWords(Displayed()), "\tcage\tpage\tpages\tcage\tpage") << "appended to the first";
}

}  // namespace
}  // namespace tavilo::testing
