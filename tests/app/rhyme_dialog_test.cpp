// frmRim driven offscreen inside the main window: its controls at opening, the search it runs
// from OK and from Enter, the refusals, and what a result does to the display and the current list.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/list_files.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/rhyme_dialog.h"
#include "core/text.h"
#include "fake_tools.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

void Fill(WordTable& table, TableKind kind, const std::vector<WordEntry>& rows) {
  table.Reset(InfoOf(kind).capacity);
  for (const WordEntry& row : rows) table.Append(row);
}

Lexicon SmallLexicon() {
  Lexicon lexicon;
  Fill(lexicon.nouns, TableKind::Nouns,
       {{"agio", "ajio", 2, 0}, {"cage", "kaj", 1, 1}, {"image", "imaj", 2, 0}, {"orage", "oraj", 2, 1}, {"page", "paj", 1, 1},
        {"pages", "paj", 1, 1}, {"rageur", "raj1r", 2, 0}});
  Fill(lexicon.adjectives, TableKind::Adjectives, {{"sage", "saj", 1, 1}, {"sauvage", "sovaj", 2, 0}});
  Fill(lexicon.verbs, TableKind::Verbs, {{"nager", "naj2", 2, 1}});
  Fill(lexicon.functionWords, TableKind::FunctionWords, {{"ici", "isi", 2, 1}});
  return lexicon;
}

// The lines of the block that hold words, joined: what a search listed, in display order.
QString ListedWords(const Document& doc) {
  QString words;
  for (const QString& line : FromUtf8(WritePlainText(doc)).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1Char('\t'))) words += line;
  }
  return words;
}

class RhymeDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ToolRegistry tools = BuiltInTools();
    tools.AddDialog<FakeAnagramDialog>(ToolId::Anagram);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, std::move(tools), std::move(scripted));
  }

  // Opens the rhyme tool from its menu item and lets `use` work the dialog while it is shown.
  void Open(const std::function<void(RhymeDialog&)>& use) {
    dialogs->modalAnswer = [&use](QDialog& shown) {
      auto* dialog = dynamic_cast<RhymeDialog*>(&shown);
      if (!dialog) {
        ADD_FAILURE() << "the rhyme tool did not open its dialog";
        return int(QDialog::Rejected);
      }
      use(*dialog);
      return int(QDialog::Rejected);
    };
    window->findChild<QAction*>(QStringLiteral("mnuCmpRim"))->trigger();
    dialogs->modalAnswer = nullptr;
  }

  // Enters a rhyme in the box (as typing or pasting does) and presses OK.
  static void Search(RhymeDialog& dialog, const QString& rhyme) {
    Box(dialog)->setEditText(QString());
    Box(dialog)->lineEdit()->insert(rhyme);
    Child<QPushButton>(dialog, "OKButton")->click();
  }

  template <typename Widget>
  static Widget* Child(const QWidget& parent, const char* name) {
    Widget* child = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!child) ADD_FAILURE() << "no control " << name;
    return child;
  }
  // The option or check box with this caption.
  static QAbstractButton* Button(const QWidget& parent, const QString& caption) {
    for (QAbstractButton* button : parent.findChildren<QAbstractButton*>()) {
      if (button->text() == caption) return button;
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
  }
  static QComboBox* Box(const QWidget& dialog) { return Child<QComboBox>(dialog, "Combo1"); }
  static QComboBox* Syllables(const QWidget& dialog) { return Child<QComboBox>(dialog, "Combo2"); }
  QString HeaderLabel() const { return window->findChild<QLabel*>(QStringLiteral("lblHeader"))->text(); }

  ScratchFolder folder;
  Lexicon lexicon = SmallLexicon();
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

// The caption's run of spaces is where it goes on a second line.
const QString kListOption = QStringLiteral(
    "Liste de recherche précédente (Contrepèteries, Rimes, Lipogrammes,\nMots filtrés, 'okapi', 'phokapi')");
const QString kAppend = QStringLiteral("Ajouter le résultat à la liste affichée");

TEST_F(RhymeDialogTest, ControlsAtTheFirstOpening) {
  EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuCmpRim"))->isEnabled());
  Open([](RhymeDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Rimes");
    EXPECT_TRUE(Box(d)->isEditable());
    EXPECT_EQ(Box(d)->currentText(), "");
    struct Case {
      QString caption;
      bool checked;
      bool enabled;
    };
    const Case cases[] = {
        {"En fin de mot", true, true},
        {"En début de mot", false, true},
        {"A l'intérieur du mot", false, true},
        {"Conserver la graphie", false, true},
        {"Noms", true, true},
        {"Adjectifs", false, true},
        {"Verbes", false, true},
        {"Adverbes, pronoms, prépositions...", false, true},
        {kListOption, false, false},  // no current list yet
        {"Conserver le résultat comme nouvelle liste", false, false},
        {kAppend, false, false},  // nothing displayed yet
        {"OK", false, true},
        {"Fermer", false, true},
    };
    for (const Case& c : cases) {
      QAbstractButton* button = Button(d, c.caption);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->isChecked(), c.checked) << c.caption.toStdString();
      EXPECT_EQ(button->isEnabled(), c.enabled) << c.caption.toStdString();
    }
    QStringList items;
    for (int i = 0; i < Syllables(d)->count(); ++i) items << Syllables(d)->itemText(i);
    EXPECT_EQ(items, QStringList({"Toutes", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(Syllables(d)->currentText(), "Toutes");
    EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), "syllabes.");
    Syllables(d)->setCurrentText("1");
    EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), "syllabe.");
    Syllables(d)->setCurrentText("2");
    EXPECT_EQ(Child<QLabel>(d, "Label3")->text(), "syllabes.");
  });
}

TEST_F(RhymeDialogTest, OkShowsTheResultAndKeepsItAsTheCurrentList) {
  Open([](RhymeDialog& d) { Search(d, "age"); });

  const QString header = QStringLiteral(
      "   Rimes       Rime : «...age»       Domaine : Noms       Nombre de syllabes : Toutes       Mots trouvés : 5");
  const QString rule(185, QLatin1Char('-'));
  EXPECT_EQ(HeaderLabel(), header);
  EXPECT_EQ(FromUtf8(WritePlainText(window->ResultDocument())),
            header + "\n\n 2 syllabes :\n\timage\torage\n" + rule + "\n 1 syllabe :\n\tcage\tpage\tpages\n" + rule + "\n");
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label2"))->text(), "5");
  EXPECT_TRUE(dialogs->messages.empty());

  EXPECT_EQ(window->session().resultListKind, " rimes");
  ASSERT_EQ(window->session().resultList.Size(), 5u);
  EXPECT_EQ(window->session().resultList[0], (WordEntry{"cage", "kaj", 1, 1}));  // table order, every column
  EXPECT_EQ(window->session().resultList[1], (WordEntry{"image", "imaj", 2, 0}));
  EXPECT_EQ(window->windowTitle(), "Tavilo - SansTitre.rtf");
  EXPECT_EQ(window->state().toolKey, "Rime");
  EXPECT_EQ(ProposedSaveName(window->state()), QDir::toNativeSeparators("Listes/Rime_age"));
  EXPECT_TRUE(QFileInfo::exists(folder.File("Listes/SansTitre.rtf")));
}

TEST_F(RhymeDialogTest, EnterInTheBoxSearchesAndTheBoxRemembersEachRhymeOnce) {
  Open([this](RhymeDialog& d) {
    QTest::keyClicks(Box(d)->lineEdit(), "A GE");
    QTest::keyClick(Box(d)->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(HeaderLabel().startsWith("   Rimes       Rime : «...age»")) << HeaderLabel().toStdString();
    EXPECT_EQ(Box(d)->currentText(), "A GE") << "the box keeps what was typed";
    Search(d, "age");
    Search(d, "xyz");  // refused, never searched: not remembered
    Search(d, "ager");  // known from nager, but no noun has it
    QStringList items;
    for (int i = 0; i < Box(d)->count(); ++i) items << Box(d)->itemText(i);
    EXPECT_EQ(items, QStringList({"age", "ager"}));
    EXPECT_EQ(dialogs->modalCount, 1) << "the dialog stays open after a search";
  });
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[1].text,
            "Apparemment il n'y a pas de rimes en «ager» avec ces options !!!\nEssayez autre chose.");
}

TEST_F(RhymeDialogTest, EachOptionReachesTheSearch) {
  struct Case {
    std::vector<QString> choices;  // captions of the options and boxes to click
    QString syllables;
    QString header;  // how the header ends
    QString words;
  };
  const Case cases[] = {
      {{}, "Toutes", "Noms       Nombre de syllabes : Toutes       Mots trouvés : 5", "\timage\torage\tcage\tpage\tpages"},
      {{"Conserver la graphie"}, "Toutes", "Mots trouvés : 4", "\timage\torage\tcage\tpage"},
      {{}, "2", "Nombre de syllabes : 2       Mots trouvés : 2", "\timage\torage"},
      {{"A l'intérieur du mot"}, "Toutes", "Mot trouvé : 1", "\trageur"},
      {{"Adjectifs"}, "Toutes", "Domaine : Adjectifs       Nombre de syllabes : Toutes       Mots trouvés : 2",
       "\tsauvage\tsage"},
      {{"En début de mot"}, "Toutes", "Mot trouvé : 1", "\tagio"},
      {{"Verbes", "A l'intérieur du mot"}, "Toutes",
       "Domaine : Verbes       Nombre de syllabes : Toutes       Mot trouvé : 1", "\tnager"},
  };
  for (const Case& c : cases) {
    Open([&](RhymeDialog& d) {
      Button(d, "En fin de mot")->click();
      Button(d, "Noms")->click();
      if (Button(d, "Conserver la graphie")->isChecked()) Button(d, "Conserver la graphie")->click();
      for (const QString& caption : c.choices) Button(d, caption)->click();
      Syllables(d)->setCurrentText(c.syllables);
      Search(d, "age");
    });
    EXPECT_TRUE(HeaderLabel().endsWith(c.header)) << HeaderLabel().toStdString();
    EXPECT_EQ(ListedWords(window->ResultDocument()), c.words) << c.header.toStdString();
  }
}

TEST_F(RhymeDialogTest, RefusalsWarnAndChangeNothing) {
  window->SetResultDocument(DocumentFromPlainText("avant"));
  window->session().StartResultList(" contrep\xE8teries");
  window->session().resultList.Append({"page", "paj", 1, 1});
  struct Case {
    QString typed;
    QString message;
    QString boxAfter;
  };
  const Case cases[] = {
      {"   ", "      Là, vous êtes distrait,\n      Mais il est légitime\n      Pour en voir tout l'attrait\n"
              "      D'apposer une rime...", ""},
      {"a1", "En l'occurrence LES CHIFFRES ne riment à rien.\nUtilisez seulement l'alphabet.", "a1"},
      {"â!", "Ici, il est impossible que les signes s'arriment.\nUtilisez seulement l'alphabet.", "â!"},
      {"œ", "Apparemment il n'existe aucun mot avec une rime en «oe» !!!\nEssayez une autre rime.", "œ"},
      {"e", "En général le «e» en fin de mot est muet !!!\nEssayez quelque chose de plus parlant.", "e"},
  };
  Open([&](RhymeDialog& d) {
    for (const Case& c : cases) {
      dialogs->messages.clear();
      Search(d, c.typed);
      ASSERT_EQ(dialogs->messages.size(), 1u) << c.typed.toStdString();
      EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Warning);
      EXPECT_EQ(dialogs->messages[0].title, "Tavilo - Rimes");
      EXPECT_EQ(dialogs->messages[0].text, c.message);
      EXPECT_EQ(Box(d)->currentText(), c.boxAfter);
    }
  });
  EXPECT_EQ(WritePlainText(window->ResultDocument()), "avant");
  EXPECT_EQ(window->session().resultListKind, " contrep\xE8teries");
  EXPECT_EQ(window->session().resultList.Size(), 1u);
}

TEST_F(RhymeDialogTest, ReopeningKeepsTheChoicesUnlessAnotherToolCameBetween) {
  Open([](RhymeDialog& d) {
    Button(d, "En début de mot")->click();
    Button(d, "Conserver la graphie")->click();
    Syllables(d)->setCurrentText("3");
  });
  Open([](RhymeDialog& d) {
    EXPECT_EQ(Syllables(d)->currentText(), "3");
    EXPECT_TRUE(Button(d, "En début de mot")->isChecked());
  });
  window->findChild<QAction*>(QStringLiteral("mnuCmpAna"))->trigger();
  Open([](RhymeDialog& d) {
    EXPECT_EQ(Syllables(d)->currentText(), "Toutes");
    EXPECT_EQ(Syllables(d)->count(), 10);
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
    EXPECT_TRUE(Button(d, kListOption)->isEnabled());
    EXPECT_TRUE(Button(d, kAppend)->isEnabled());
    Button(d, kListOption)->click();
    Button(d, kAppend)->click();
    Button(d, "Conserver la graphie")->click();
    Search(d, "age");
  });
  EXPECT_EQ(HeaderLabel(),
            "   Rimes       Rime : «...age»       Domaine : Liste rimes       Nombre de syllabes : 1       Mots trouvés : 2");
  EXPECT_EQ(window->session().resultList.Rows(), kept.Rows()) << "a list searched stays as it was";
  const QString text = FromUtf8(WritePlainText(window->ResultDocument()));
  EXPECT_TRUE(text.startsWith(HeaderLabel() + "\n\n")) << text.toStdString();
  EXPECT_EQ(ListedWords(window->ResultDocument()), "\tcage\tpage\tpages\tcage\tpage") << "appended to the first";
}

}  // namespace
}  // namespace tavilo::testing
