// frmMcr driven offscreen inside the main window: the controls at opening, the pattern rewritten
// while it is typed with the caret where typing continues, the enabling rules of the options and
// of the two limit lists, OK turning into "Stop" during a search, and the block it shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/filter_dialog.h"
#include "app/main_window.h"
#include "app/qt_text.h"
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
       {{"bateau", "bato", 2, 1}, {"b\xEAte", "bEt", 1, 1}, {"bit", "bit", 1, 0}, {"boue", "bu", 1, 1},
        {"bouteille", "butEj", 2, 1}});
  Fill(lexicon.verbs, TableKind::Verbs, {{"bat", "ba", 1, 1}, {"battre", "batR", 1, 0}});
  return lexicon;
}

class FilterDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ToolRegistry tools = BuiltInTools();
    tools.AddDialog<FakeAnagramDialog>(ToolId::Anagram);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, std::move(tools), std::move(scripted));
  }

  // Opens the tool from its menu item and lets `use` work the dialog while it is shown.
  void Open(const std::function<void(FilterDialog&)>& use) {
    dialogs->modalAnswer = [&use](QDialog& shown) {
      auto* dialog = dynamic_cast<FilterDialog*>(&shown);
      if (!dialog) {
        ADD_FAILURE() << "the filtered-words tool did not open its dialog";
        return int(QDialog::Rejected);
      }
      use(*dialog);
      return int(QDialog::Rejected);
    };
    window->findChild<QAction*>(QStringLiteral("mnuCmpMcr"))->trigger();
    dialogs->modalAnswer = nullptr;
  }

  template <typename Widget>
  static Widget* Child(const QWidget& parent, const char* name) {
    Widget* child = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!child) ADD_FAILURE() << "no control " << name;
    return child;
  }
  static QLineEdit* Edit(const QWidget& d) { return Child<QComboBox>(d, "Combo1")->lineEdit(); }
  static QListWidget* Lengths(const QWidget& d) { return Child<QListWidget>(d, "List1"); }
  static QListWidget* Syllables(const QWidget& d) { return Child<QListWidget>(d, "List2"); }
  static QString Selected(QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }
  // Keys go to the combo box, which has the focus and hands them on to its line edit.
  static void Type(FilterDialog& d, const QString& text) { QTest::keyClicks(Child<QComboBox>(d, "Combo1"), text); }
  static void Press(FilterDialog& d, Qt::Key key) { QTest::keyClick(Child<QComboBox>(d, "Combo1"), key); }
  static void Search(FilterDialog& d, const QString& pattern) {
    Edit(d)->clear();
    Edit(d)->insert(pattern);
    Child<QPushButton>(d, "OKButton")->click();
  }
  // "E" enabled, "-" disabled, for Check1, Check2, Check3, Check5, Check7 in this order.
  static std::string Enabled(const FilterDialog& d) {
    std::string states;
    for (const char* name : {"Check1", "Check2", "Check3", "Check5", "Check7"}) {
      states += Child<QCheckBox>(d, name)->isEnabled() ? 'E' : '-';
    }
    return states;
  }
  QString DisplayedText() const { return FromUtf8(WritePlainText(window->ResultDocument())); }

  ScratchFolder folder;
  Lexicon lexicon = SmallLexicon();
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

TEST_F(FilterDialogTest, ControlsAtTheFirstOpening) {
  Open([](FilterDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Mots filtrés");
    EXPECT_EQ(Edit(d)->text(), "");
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Entrez des lettres et des caractères joker");
    EXPECT_EQ(Child<QLabel>(d, "Label7")->text(), " ! remplace une seule consonne  ");
    EXPECT_EQ(Child<QCheckBox>(d, "Check7")->text(), "Hétérogramme (une seule occurrence\nde chaque lettre)");
    struct Case {
      const char* name;
      bool checked, enabled;
    };
    const Case cases[] = {
        {"Option1", true, true},   {"Option6", false, true}, {"Option7", false, true}, {"Option8", false, true},
        {"Option9", false, true},  {"Option2", false, false},  // no current list
        {"Check6", true, false},   // a search of the tables is always kept
        {"Check4", false, false},  // nothing displayed
    };
    for (const Case& c : cases) {
      auto* button = Child<QAbstractButton>(d, c.name);
      EXPECT_EQ(button->isChecked(), c.checked) << c.name;
      EXPECT_EQ(button->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_EQ(Enabled(d), "-----");
    QStringList lengths, syllables;
    for (int i = 0; i < Lengths(d)->count(); ++i) lengths << Lengths(d)->item(i)->text();
    for (int i = 0; i < Syllables(d)->count(); ++i) syllables << Syllables(d)->item(i)->text();
    EXPECT_EQ(lengths, QStringList({"Toutes", "2", "3", "4", "5", "6", "7", "8", "9"}));  // "bouteille"
    EXPECT_EQ(syllables, QStringList({"Toutes", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(Lengths(d)->isEnabled());
    EXPECT_FALSE(Syllables(d)->isEnabled());
  });
}

TEST_F(FilterDialogTest, RewritesThePatternWhileTypingAndEnablesWhatItAllows) {
  Open([](FilterDialog& d) {
    struct Step {
      const char* keys;   // typed at the caret
      const char* text;   // the box afterwards
      int caret;
      const char* length; // List1's selection
      bool lengthEnabled;
      const char* checks; // Check1, 2, 3, 5, 7
    };
    const Step steps[] = {
        {"B", "b", 1, "Toutes", false, "-----"},
        {"?", "b?", 2, "2", false, "-E-EE"},
        {"t", "b?t", 3, "3", false, "-E-EE"},
        {"*", "b?t*", 4, "Toutes", true, "-EEEE"},
        {"*", "b?t*", 4, "Toutes", true, "-EEEE"},  // a second "*" adds nothing
        {"1e", "b?t*e", 5, "Toutes", true, "EEEEE"},  // the digit goes; "e" may carry an accent
        {"?", "b?t*e?", 6, "Toutes", true, "EEEEE"},
    };
    for (const Step& s : steps) {
      Type(d, QString::fromUtf8(s.keys));
      EXPECT_EQ(Edit(d)->text(), s.text) << s.keys;
      EXPECT_EQ(Edit(d)->cursorPosition(), s.caret) << s.text;
      EXPECT_EQ(Selected(Lengths(d)), s.length) << s.text;
      EXPECT_EQ(Lengths(d)->isEnabled(), s.lengthEnabled) << s.text;
      EXPECT_TRUE(Syllables(d)->isEnabled()) << s.text;
      EXPECT_EQ(Enabled(d), s.checks) << s.text;
    }
    // A heterogram repeats nothing: the two "once" boxes have nothing left to say.
    Child<QCheckBox>(d, "Check7")->click();
    EXPECT_EQ(Enabled(d), "E--EE");
    Child<QCheckBox>(d, "Check7")->click();
    EXPECT_EQ(Enabled(d), "EEEEE");

    // "?" then "*" leaves "*"; Backspace and Delete keep the caret where the removal was.
    Edit(d)->clear();
    Type(d, "a?");
    Type(d, "*");
    EXPECT_EQ(Edit(d)->text(), "a*");
    EXPECT_EQ(Edit(d)->cursorPosition(), 2);
    Type(d, "x*b");
    Edit(d)->setCursorPosition(3);  // after "x"
    Press(d, Qt::Key_Backspace);
    EXPECT_EQ(Edit(d)->text(), "a*b");
    EXPECT_EQ(Edit(d)->cursorPosition(), 2);
    Edit(d)->setCursorPosition(0);
    Press(d, Qt::Key_Delete);
    EXPECT_EQ(Edit(d)->text(), "*b");
    EXPECT_EQ(Edit(d)->cursorPosition(), 0);
  });
}

TEST_F(FilterDialogTest, OneLimitAtATimeAndNeverBelowThePattern) {
  Open([](FilterDialog& d) {
    Type(d, "ba!*");
    Lengths(d)->setCurrentRow(1);  // "2": below the pattern's 3 characters
    EXPECT_EQ(Selected(Lengths(d)), "3");
    EXPECT_EQ(Selected(Syllables(d)), "Toutes");
    EXPECT_FALSE(Syllables(d)->isEnabled());
    Lengths(d)->setCurrentRow(0);
    EXPECT_TRUE(Syllables(d)->isEnabled());
    Syllables(d)->setCurrentRow(2);
    EXPECT_EQ(Selected(Lengths(d)), "Toutes");
    EXPECT_FALSE(Lengths(d)->isEnabled());
    Syllables(d)->setCurrentRow(0);
    EXPECT_TRUE(Lengths(d)->isEnabled());
    // A chosen length below what a new single joker needs is raised.
    Lengths(d)->setCurrentRow(2);  // "3"
    Edit(d)->setCursorPosition(2);
    Type(d, "?");
    EXPECT_EQ(Edit(d)->text(), "ba?!*");
    EXPECT_EQ(Selected(Lengths(d)), "4");
    EXPECT_EQ(d.Query().maxLetters, 4);
  });
}

TEST_F(FilterDialogTest, ShowsTheBlockAndKeepsTheWordsAsCurrentList) {
  Open([this](FilterDialog& d) {
    Type(d, "b@e");
    Child<QCheckBox>(d, "Check5")->setChecked(true);
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_TRUE(Child<QRadioButton>(d, "Option2")->isEnabled());  // there is a current list now
    EXPECT_TRUE(Child<QCheckBox>(d, "Check4")->isEnabled());
  });
  EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblHeader"))->text(),
            "  Mots filtrés      Modèle cherché : b@e      Domaine : Tous      Nb maxi de syllabes : Toutes      Mot: 1"
            "      ");
  EXPECT_TRUE(DisplayedText().contains(" 4 lettres :\n\tboue euob\n")) << DisplayedText().toStdString();
  // The explicit letters of the pattern are red in the display.
  QString red;
  const Document shown = window->ResultDocument();
  for (const Paragraph& paragraph : shown.paragraphs()) {
    for (const TextRun& run : paragraph.runs) {
      if (run.format.color == Rgb{220, 0, 0}) red += FromUtf8(run.text);
    }
  }
  EXPECT_EQ(red, "be");
  EXPECT_EQ(window->session().resultListKind, kFilterListKind);
  EXPECT_EQ(window->session().resultList.Size(), 1u);
}

TEST_F(FilterDialogTest, RefusesWithTheToolsMessages) {
  Open([this](FilterDialog& d) {
    Search(d, "a");
    Search(d, "qq*");
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[0].title, "Tavilo - Mots filtrés");
    EXPECT_EQ(dialogs->messages[0].text, "C'est un peu court !!!\nEntrez au moins 2 caractères !!!");
    EXPECT_EQ(Edit(d)->text(), "qq*");  // the pattern stays for another try
  });
  EXPECT_TRUE(window->ResultDocument().empty());
}

TEST_F(FilterDialogTest, OkTurnsIntoStopAndStopsTheSearch) {
  bool checkedDuringSearch = false;
  Open([&](FilterDialog& d) {
    Type(d, "b*");
    // The first word found: OK reads "Stop", every other control is disabled, and a click stops.
    window->observer().SetCountText([&](long count) {
      if (!checkedDuringSearch) {
        checkedDuringSearch = true;
        EXPECT_TRUE(d.Searching());
        EXPECT_EQ(Child<QPushButton>(d, "OKButton")->text(), "Stop");
        EXPECT_TRUE(Child<QPushButton>(d, "OKButton")->isEnabled());
        for (const char* name : {"Combo1", "CancelButton", "Check7", "List2", "Option1", "Check4"}) {
          EXPECT_FALSE(Child<QWidget>(d, name)->isEnabled()) << name;
        }
        Child<QPushButton>(d, "OKButton")->click();
      }
      return QString::number(count);
    });
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_FALSE(d.Searching());
    EXPECT_EQ(Child<QPushButton>(d, "OKButton")->text(), "OK");
    EXPECT_TRUE(Edit(d)->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(d, "CancelButton")->isEnabled());
    EXPECT_TRUE(Lengths(d)->isEnabled());
  });
  EXPECT_TRUE(checkedDuringSearch);
  // What was found before the stop is shown: the first noun only.
  EXPECT_TRUE(DisplayedText().contains("Mot: 1")) << DisplayedText().toStdString();
  EXPECT_TRUE(DisplayedText().contains("\tbateau\n")) << DisplayedText().toStdString();
}

}  // namespace
}  // namespace tavilo::testing
