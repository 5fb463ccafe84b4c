// The filtered-words dialog inside the main window: the controls at opening, the pattern
// rewritten as it is typed with the caret where typing goes on, the enabling rules of the options
// and of the two limit lists, the refusals, OK turning into "Stop" during a search, and the block.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/filter_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class FilterDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"bateau", "bato", 2, 1}, {"b\xEAte", "bEt", 1, 1}, {"bit", "bit", 1, 0},
                             {"boue", "bu", 1, 1}, {"bouteille", "butEj", 2, 1}}},
                           {TableKind::Verbs, {{"bat", "ba", 1, 1}, {"battre", "batR", 1, 0}}}});
    MakeWindow();
  }
  void Open(const std::function<void(FilterDialog&)>& use) { MainWindowFixture::Open<FilterDialog>("mnuCmpMcr", use); }

  static QLineEdit* Edit(const QWidget& d) { return Child<QComboBox>(d, "Combo1")->lineEdit(); }
  static QListWidget* Lengths(const QWidget& d) { return Child<QListWidget>(d, "List1"); }
  static QListWidget* Syllables(const QWidget& d) { return Child<QListWidget>(d, "List2"); }
  static QString Selected(QListWidget* list) { return list->currentItem() ? list->currentItem()->text() : QString(); }
  static QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  // Keys go to the combo box, which has the focus and hands them on to its line edit.
  static void Type(FilterDialog& d, const QString& keys) { QTest::keyClicks(Child<QComboBox>(d, "Combo1"), keys); }
  static void Press(FilterDialog& d, Qt::Key key) { QTest::keyClick(Child<QComboBox>(d, "Combo1"), key); }
  // "E" enabled, "-" disabled, for Check1, Check2, Check3, Check5, Check7 in this order.
  static std::string Enabled(const FilterDialog& d) {
    std::string states;
    for (const char* name : {"Check1", "Check2", "Check3", "Check5", "Check7"})
      states += Child<QCheckBox>(d, name)->isEnabled() ? 'E' : '-';
    return states;
  }
};

TEST_F(FilterDialogTest, ControlsAtTheFirstOpening) {
  Open([](FilterDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Tavilo - Mots filtrés");
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), "Entrez des lettres et des caractères joker");
    EXPECT_EQ(Child<QLabel>(d, "Label7")->text(), " ! remplace une seule consonne  ");
    EXPECT_EQ(Child<QCheckBox>(d, "Check7")->text(), "Hétérogramme (une seule occurrence\nde chaque lettre)");
    const struct {
      const char* name;
      bool checked, enabled;
    } cases[] = {
        {"Option1", true, true},  {"Option6", false, true}, {"Option7", false, true}, {"Option8", false, true},
        {"Option9", false, true}, {"Option2", false, false},  // no current list
        {"Check6", true, false},                              // a search of the tables is always kept
        {"Check4", false, false},                             // nothing displayed
    };
    for (const auto& c : cases) {
      EXPECT_EQ(Child<QAbstractButton>(d, c.name)->isChecked(), c.checked) << c.name;
      EXPECT_EQ(Child<QAbstractButton>(d, c.name)->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_EQ(Enabled(d), "-----");
    EXPECT_EQ(Items(Lengths(d)), QStringList({"Toutes", "2", "3", "4", "5", "6", "7", "8", "9"}));  // "bouteille"
    EXPECT_EQ(Items(Syllables(d)), QStringList({"Toutes", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_FALSE(Lengths(d)->isEnabled());
    EXPECT_FALSE(Syllables(d)->isEnabled());
  });
}

TEST_F(FilterDialogTest, RewritesThePatternWhileTypingAndEnablesWhatItAllows) {
  Open([](FilterDialog& d) {
    const struct {
      const char* keys;  // typed at the caret
      const char* text;  // the box afterwards
      int caret;
      const char* length;  // List1's selection
      bool lengthEnabled;
      const char* checks;  // Check1, 2, 3, 5, 7
    } steps[] = {
        {"B", "b", 1, "Toutes", false, "-----"},
        {"?", "b?", 2, "2", false, "-E-EE"},
        {"t", "b?t", 3, "3", false, "-E-EE"},
        {"*", "b?t*", 4, "Toutes", true, "-EEEE"},
        {"*", "b?t*", 4, "Toutes", true, "-EEEE"},    // a second "*" adds nothing
        {"1e", "b?t*e", 5, "Toutes", true, "EEEEE"},  // the digit goes; "e" may carry an accent
    };
    for (const auto& s : steps) {
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
    Type(d, "a?*");
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
    EXPECT_FALSE(Syllables(d)->isEnabled());
    Lengths(d)->setCurrentRow(0);
    EXPECT_TRUE(Syllables(d)->isEnabled());
    Syllables(d)->setCurrentRow(2);
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
    EXPECT_TRUE(Child<QAbstractButton>(d, "Option2")->isEnabled());  // there is a current list now
    EXPECT_TRUE(Child<QCheckBox>(d, "Check4")->isEnabled());
  });
  EXPECT_EQ(Label("lblHeader"),
            "  Mots filtrés      Modèle cherché : b@e      Domaine : Tous      Nb maxi de syllabes : Toutes      Mots : 1"
            "      ");
  EXPECT_TRUE(Displayed().contains(" 4 lettres :\n\tboue euob\n")) << Displayed().toStdString();
  EXPECT_EQ(window->session().resultListKind, kFilterListKind);
  EXPECT_EQ(window->session().resultList.Size(), 1u);
}

TEST_F(FilterDialogTest, RefusesWithTheToolsMessages) {
  const struct {
    QString typed, message;
  } cases[] = {
      {"a", "C'est un peu court !!!\nEntrez au moins 2 caractères !!!"},
      {"qq*", "Désolé, avec le modèle «\u00A0qq*\u00A0» il n'y a aucun mot possible !!!\n"
              "Choisissez d'autres lettres ou d'autres options."},
  };
  Open([&](FilterDialog& d) {
    for (const auto& c : cases) {
      dialogs->messages.clear();
      Search(d, c.typed);
      ASSERT_EQ(dialogs->messages.size(), 1u) << c.typed.toStdString();
      EXPECT_EQ(dialogs->messages[0].title, "Tavilo - Mots filtrés");
      EXPECT_EQ(dialogs->messages[0].text, c.message);
      EXPECT_EQ(Edit(d)->text(), c.typed) << "the pattern stays for another try";
    }
  });
  EXPECT_TRUE(window->ResultIsEmpty());
}

TEST_F(FilterDialogTest, OkTurnsIntoStopAndStopsTheSearch) {
  bool checkedDuringSearch = false;
  Open([&](FilterDialog& d) {
    Type(d, "b*");
    // At the first word found: OK reads "Stop", every other control is off, and a click stops.
    window->observer().SetCountText([&](long count) {
      if (!checkedDuringSearch) {
        checkedDuringSearch = true;
        EXPECT_EQ(Child<QPushButton>(d, "OKButton")->text(), "Stop");
        EXPECT_TRUE(Child<QPushButton>(d, "OKButton")->isEnabled());
        for (const char* name : {"Combo1", "CancelButton", "Check7", "List2", "Option1", "Check4"})
          EXPECT_FALSE(Child<QWidget>(d, name)->isEnabled()) << name;
        Child<QPushButton>(d, "OKButton")->click();
      }
      return QString::number(count);
    });
    const std::string before = Enabled(d);
    ASSERT_NE(before.find('-'), std::string::npos) << "a control off before the search must stay off";
    Child<QPushButton>(d, "OKButton")->click();
    EXPECT_FALSE(d.Searching());
    EXPECT_EQ(Child<QPushButton>(d, "OKButton")->text(), "OK");
    EXPECT_EQ(Enabled(d), before);
    EXPECT_FALSE(Child<QWidget>(d, "Check6")->isEnabled());
    for (const char* name : {"Combo1", "CancelButton", "List1"})
      EXPECT_TRUE(Child<QWidget>(d, name)->isEnabled()) << name;
  });
  EXPECT_TRUE(checkedDuringSearch);
  // What was found before the stop is shown: the first noun only.
  EXPECT_TRUE(Displayed().contains("Mots : 1")) << Displayed().toStdString();
  EXPECT_TRUE(Displayed().contains("\tbateau\n")) << Displayed().toStdString();
}

// The two limit lists show whole rows: no last row cut in half.
TEST_F(FilterDialogTest, TheLimitListsShowWholeRows) {
  Open([](FilterDialog& d) {
    for (QListWidget* list : {Lengths(d), Syllables(d)}) {
      const int inside = list->height() - 2 * list->frameWidth();
      ASSERT_GT(list->sizeHintForRow(0), 0);
      EXPECT_EQ(inside % list->sizeHintForRow(0), 0) << list->objectName().toStdString() << " " << inside;
      EXPECT_GE(inside / list->sizeHintForRow(0), 3);
    }
  });
}

// Searched as a user would, a one-letter word goes under "1 lettre :", in the singular.
TEST_F(FilterDialogTest, OneLetterIsSingular) {
  lexicon = MakeLexicon({{TableKind::FunctionWords, {{"y", "i", 1, 1}, {"ou", "u", 1, 1}}}});
  MakeWindow();
  Open([](FilterDialog& d) { Search(d, QStringLiteral("@")); });
  ASSERT_TRUE(dialogs->messages.empty()) << Messages().join('|').toStdString();
  EXPECT_TRUE(Displayed().contains(" 1 lettre :\n\ty\n")) << Displayed().toStdString();
  EXPECT_TRUE(Displayed().contains(" 2 lettres :\n\tou\n")) << Displayed().toStdString();
}

}  // namespace
}  // namespace tavilo::testing
