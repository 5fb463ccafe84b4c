// The main window with the real tools: the standard keys of its commands, the notes under the
// display that belong to one result only, the "Mots courants en premier" order as a user sees it
// (block, header, current list, kept across a restart, refused without its file), and the tool
// bar's icons, one per tool.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QHeaderView>

#include "app/anagram_dialog.h"
#include "app/filter_dialog.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class WindowCommandsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    lexicon = MakeLexicon({{TableKind::Nouns,
                            {{"chien", "S9", 1, 1}, {"niche", "niS", 1, 1}, {"chine", "Sin", 1, 1},
                             {"bateau", "bato", 2, 1}, {"b\xE2tie", "bati", 2, 1}, {"bot", "bo", 1, 1},
                             {"but", "byt", 1, 1}, {"bit", "bit", 1, 1}}},
                           {TableKind::Verbs, {{"b\xE2tie", "bati", 2, 1}, {"chine", "Sin", 1, 1}}}});
    lexicon.dataDirectory = std::filesystem::path(folder.path().toStdString());
    // "but" most common, then "bot"; "bit" is not in the file (least common).
    WriteBytes(folder.File("frequences.txt"), "bot\t4.0\nbut\t5.5\nchien\t4.5\n");
    MakeWindow();
  }
  void Filter(const QString& pattern) {
    Open<FilterDialog>("mnuCmpMcr", [&pattern](FilterDialog& d) { Search(d, pattern); });
  }
};

TEST_F(WindowCommandsTest, CommandsHaveTheirStandardKeysShownInTheMenus) {
  const struct {
    const char* action;
    QKeySequence::StandardKey key;
    const char* shown;
  } cases[] = {{"mnuFileOpen", QKeySequence::Open, "Ctrl+O"},     {"mnuFileSaveAs", QKeySequence::Save, "Ctrl+S"},
               {"mnuFilePrint", QKeySequence::Print, "Ctrl+P"},    {"mnuFileExit", QKeySequence::Quit, "Ctrl+Q"},
               {"mnuEditCopy", QKeySequence::Copy, "Ctrl+C"},      {"mnuEditSelectAll", QKeySequence::SelectAll, "Ctrl+A"},
               {"mnuHelpContents", QKeySequence::HelpContents, "F1"}};
  for (const auto& c : cases) {
    const QAction* action = Child<QAction>(*window, c.action);
    if (!QKeySequence(c.key).isEmpty()) {
      EXPECT_EQ(action->shortcut(), QKeySequence(c.key)) << c.action;
    }
    EXPECT_EQ(action->shortcut().toString(), c.shown) << c.action;
  }
  // Typed in the display, Ctrl+O opens a file instead of going into the text.
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->resultDisplay()->setFocus();
  QTest::keyClick(window->resultDisplay(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_FALSE(dialogs->lastOpenFilter.isEmpty()) << "Ctrl+O did not ask for a file";
  EXPECT_EQ(Displayed(), "");
}

// The double-click hint describes a manual anagram block: another tool's result takes it away.
TEST_F(WindowCommandsTest, TheDoubleClickHintGoesWithTheManualAnagramBlock) {
  auto* notes = Child<QLabel>(*window, "lblNotes");
  Open<AnagramDialog>("mnuCmpAna", [](AnagramDialog& d) { Search(d, QStringLiteral("chien")); });
  EXPECT_FALSE(notes->isHidden());
  EXPECT_TRUE(notes->text().contains("double-cliquez")) << notes->text().toStdString();
  Filter(QStringLiteral("b?t"));
  EXPECT_TRUE(notes->isHidden());
  EXPECT_EQ(notes->text(), "");
}

TEST_F(WindowCommandsTest, CommonWordsFirstOrdersTheBlockTheHeaderAndTheCurrentList) {
  QAction* item = Child<QAction>(*window, "mnuCommonWordsFirst");
  item->setChecked(true);
  Filter(QStringLiteral("b?t"));
  ASSERT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();
  EXPECT_TRUE(Displayed().contains(" 3 lettres :\n\tbut\tbot\tbit\n")) << Displayed().toStdString();
  // The header says so on a line of its own.
  EXPECT_EQ(Label("lblHeader2"), "   Mots courants en premier");
  ASSERT_EQ(window->session().resultList.Size(), 3u);
  EXPECT_EQ(window->session().resultList[0].spelling, "but");
  EXPECT_EQ(window->session().resultList[1].spelling, "bot");
  EXPECT_EQ(window->session().resultList[2].spelling, "bit");

  // Kept across a restart.
  MakeWindow();
  EXPECT_TRUE(Child<QAction>(*window, "mnuCommonWordsFirst")->isChecked());

  // Without its file: the French message names it, and nothing is searched.
  QFile::remove(folder.File("frequences.txt"));
  MakeWindow();
  Filter(QStringLiteral("b?t"));
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains("frequences.txt")) << Messages()[0].toStdString();
  EXPECT_EQ(Displayed(), "");
  EXPECT_FALSE(window->session().HasResultList());

  // Unchecked, the words are in alphabetical order again and the file is not needed.
  Child<QAction>(*window, "mnuCommonWordsFirst")->setChecked(false);
  Filter(QStringLiteral("b?t"));
  EXPECT_TRUE(Displayed().contains(" 3 lettres :\n\tbit\tbot\tbut\n")) << Displayed().toStdString();
}

// A word of two tables is listed and counted once, in the block and in the current list.
TEST_F(WindowCommandsTest, AWordOfTwoTablesIsListedOnce) {
  Filter(QStringLiteral("b?tie"));
  EXPECT_TRUE(Displayed().contains(" 5 lettres :\n\tbâtie\n-")) << Displayed().toStdString();
  EXPECT_TRUE(Label("lblHeader").contains("Mots : 1")) << Label("lblHeader").toStdString();
  EXPECT_EQ(window->session().resultList.Size(), 1u);
  Open<AnagramDialog>("mnuCmpAna", [](AnagramDialog& d) { Search(d, QStringLiteral("chien")); });
  EXPECT_EQ(Displayed().count(QStringLiteral("chine")), 1) << Displayed().toStdString();
  EXPECT_TRUE(Label("lblHeader").contains("Mots trouvés : 3")) << Label("lblHeader").toStdString();
}

TEST_F(WindowCommandsTest, EachToolHasAnIconOfItsOwn) {
  QList<QImage> seen;
  for (const ToolInfo& info : AllTools()) {
    const QImage image = Child<QAction>(*window, info.buttonKey)->icon().pixmap(24, 24).toImage();
    EXPECT_FALSE(seen.contains(image)) << info.buttonKey << " looks like another tool";
    seen << image;
  }
}

// The real Ouvrir and Enregistrer dialogs open large enough for their columns to read whole.
TEST_F(WindowCommandsTest, FileDialogsOpenAtAReadableSize) {
  EXPECT_GE(FileDialogSize().width(), 880);  // name, size, type and date whole
  DesktopDialogs desktop;
  for (bool save : {false, true}) {
    QSize shown;
    QTimer::singleShot(0, [&shown] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        shown = modal->size();
        // The size, type and date columns read whole.
        if (auto* files = modal->findChild<QTreeView*>(QStringLiteral("treeView"))) {
          for (int column = 1; column < files->header()->count(); ++column)
            EXPECT_GE(files->header()->sectionSize(column), files->header()->sectionSizeHint(column)) << column;
        }
        modal->close();
      }
    });
    QString filter = QStringLiteral("Fichiers texte brut (*.txt)");
    const QString chosen = save ? desktop.SaveFileName(window.get(), "t", folder.File("a.txt"), filter, &filter)
                                : desktop.OpenFileName(window.get(), "t", folder.path(), filter, &filter);
    EXPECT_EQ(chosen, "");
    // As large as asked, within nine tenths of a small screen.
    EXPECT_EQ(shown, FileDialogSize().boundedTo(window->screen()->availableSize() * 9 / 10)) << save;
    EXPECT_GT(shown.width(), 629) << save;
  }
}

}  // namespace
}  // namespace tavilo::testing
