// The main window: menus and tool bars as the user sees them at start, command enabling, and
// the dispatch of dialog tools and listings.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QToolBar>

#include "app/elided_label.h"
#include "app/list_files.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "core/rtf.h"
#include "core/text.h"
#include "fake_tools.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

QAction* Action(const QWidget& window, const char* name) {
  QAction* action = window.findChild<QAction*>(QString::fromUtf8(name));
  if (!action) ADD_FAILURE() << "no action " << name;
  return action;
}

// The captions of a menu in order, "-" for a separator.
QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return captions;
}

Document Text(std::string_view utf8, CharFormat format = {}) {
  Document doc;
  doc.Append(utf8, format);
  return doc;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void Make(ToolRegistry tools = {}) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, std::move(tools), std::move(scripted));
  }

  ScratchFolder folder;
  Lexicon lexicon;
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, MenusHaveTheirCaptionsInOrder) {
  Make();
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[0]->text(), "&Fichier");
  EXPECT_EQ(Captions(menus[0]->menu()), QStringList({"&Ouvrir...", "Enregistrer la liste &sous...",
                                                     "&Configuration de l'impression...", "&Imprimer la liste...",
                                                     "&Quitter"}));
  EXPECT_EQ(menus[1]->text(), "&Edition");
  EXPECT_EQ(Captions(menus[1]->menu()), QStringList({"Co&pier", "&Tout sélectionner"}));
  EXPECT_EQ(menus[2]->text(), "&Outils");
  EXPECT_EQ(Captions(menus[2]->menu()),
            QStringList({"&Contrepèteries...",
                         "-",
                         "&Rimes...",
                         "-",
                         "Anap&hones...",
                         "Listage des mots anaphones",
                         "Listag&e des palindromes phonétiques",
                         "Listage des anacycliques phonétiques",
                         "Listage des mo&ts \"phokapi\"",
                         "-",
                         "Lista&ge des mots palindromiques",
                         "Listage des mots anac&ycliques",
                         "Listage des mots o&urobores",
                         "Listage des mots \"am&bigrammes à rotation 180°\"",
                         "Listage des mots \"ambigrammes à symétrie horizontale\"",
                         "-",
                         "&Anagrammes...",
                         "L&istage des mots anagrammatiques",
                         "-",
                         "&Lipogrammes...",
                         "-",
                         "&Mots filtrés...",
                         "Listage des mots \"o&kapi\"",
                         "-"}));
  EXPECT_FALSE(menus[2]->menu()->separatorsCollapsible()) << "the closing separator must show";
  EXPECT_EQ(Captions(menus[3]->menu()), QStringList({"&Sommaire", "Ai&de sur...", "À &propos de Tavilo..."}));
}

TEST_F(MainWindowTest, CommandsEnabledAtStart) {
  Make();
  struct Case {
    const char* name;
    bool enabled;
  };
  const Case cases[] = {
      {"mnuFileOpen", true},      {"mnuFileSaveAs", false},  {"mnuFilePageSetup", true},
      {"mnuFilePrint", false},    {"mnuFileExit", true},     {"mnuEditCopy", false},
      {"mnuEditSelectAll", true}, {"mnuHelpContents", true}, {"mnuHelpSearchForHelpOn", true},
      {"mnuHelpAbout", true},     {"Open", true},            {"Save", false},
      {"Print", false},           {"Copy", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Action(*window, c.name)->isEnabled(), c.enabled) << c.name;
  // No tool registered: every tool command is off.
  for (const ToolInfo& tool : AllTools()) {
    EXPECT_FALSE(Action(*window, tool.menuName)->isEnabled()) << tool.menuName;
    EXPECT_FALSE(Action(*window, tool.buttonKey)->isEnabled()) << tool.buttonKey;
  }
  for (const ListingInfo& listing : AllListings())
    EXPECT_FALSE(Action(*window, listing.menuName)->isEnabled()) << listing.menuName;
  EXPECT_EQ(window->windowTitle(), "Tavilo");
  EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "Liste du résultat");
}

TEST_F(MainWindowTest, RegisteredToolsAreEnabledAndOthersStayOff) {
  ToolRegistry tools;
  tools.AddDialog<FakeRhymeDialog>(ToolId::Rhyme);
  tools.AddListing(ListingId::Palindromes, [](ListingContext&) { return std::optional<ToolResult>(); });
  tools.AddListing(ListingId::Okapi, [](ListingContext&) { return std::optional<ToolResult>(); });
  Make(std::move(tools));
  EXPECT_TRUE(Action(*window, "mnuCmpRim")->isEnabled());
  EXPECT_TRUE(Action(*window, "Rime")->isEnabled());
  EXPECT_TRUE(Action(*window, "mnuCmpListPali")->isEnabled());
  EXPECT_TRUE(Action(*window, "mnuCmpListOkapi")->isEnabled());
  EXPECT_FALSE(Action(*window, "mnuCmpCpt")->isEnabled());
  EXPECT_FALSE(Action(*window, "Contrepet")->isEnabled());
  EXPECT_FALSE(Action(*window, "mnuCmpListPali2")->isEnabled());
}

TEST_F(MainWindowTest, MissingAdjectivesDisableThePalindromeListing) {
  lexicon.adjectivesMissing = true;
  ToolRegistry tools;
  tools.AddListing(ListingId::Palindromes, [](ListingContext&) { return std::optional<ToolResult>(); });
  tools.AddListing(ListingId::Okapi, [](ListingContext&) { return std::optional<ToolResult>(); });
  Make(std::move(tools));
  EXPECT_FALSE(Action(*window, "mnuCmpListPali")->isEnabled());
  EXPECT_TRUE(Action(*window, "mnuCmpListOkapi")->isEnabled());
}

TEST_F(MainWindowTest, ToolBarsHaveTheirKeysAndTips) {
  Make();
  const QToolBar* toolbar1 = window->findChild<QToolBar*>("Toolbar1");
  ASSERT_NE(toolbar1, nullptr);
  QStringList keys, tips;
  for (const QAction* action : toolbar1->actions()) {
    keys << action->objectName();
    tips << action->toolTip();
    EXPECT_TRUE(action->isCheckable());
    EXPECT_FALSE(action->isChecked());
    EXPECT_FALSE(action->icon().isNull());
  }
  EXPECT_EQ(keys, QStringList({"Contrepet", "Rime", "Phonégramme", "Anagramme", "Lipogramme", "MotCroisé"}));
  EXPECT_EQ(tips, QStringList({"Contrepèteries", "Rimes", "Anaphones", "Anagrammes", "Lipogrammes", "Mots filtrés"}));
  const QToolBar* tbToolBar = window->findChild<QToolBar*>("tbToolBar");
  ASSERT_NE(tbToolBar, nullptr);
  keys.clear();
  for (const QAction* action : tbToolBar->actions()) keys << action->objectName();
  EXPECT_EQ(keys, QStringList({"Open", "Save", "Print", "Copy"}));
}

TEST_F(MainWindowTest, TextChangeEnablesSaveAndPrintAndTurnsCopyOff) {
  Make();
  QTextEdit* display = window->resultDisplay();
  display->selectAll();
  window->SetResultDocument(Text("chat page image"));
  for (const char* name : {"mnuFileSaveAs", "mnuFilePrint", "mnuEditSelectAll", "Save", "Print"})
    EXPECT_TRUE(Action(*window, name)->isEnabled()) << name;
  EXPECT_FALSE(Action(*window, "mnuEditCopy")->isEnabled());
  EXPECT_FALSE(Action(*window, "Copy")->isEnabled());
}

TEST_F(MainWindowTest, TypingInTheDisplayCountsAsAChange) {
  Make();
  window->show();
  const std::uint64_t before = window->ResultRevision();
  QTest::keyClicks(window->resultDisplay(), "abc");
  EXPECT_GT(window->ResultRevision(), before);
  EXPECT_TRUE(Action(*window, "mnuFileSaveAs")->isEnabled());
  EXPECT_TRUE(Action(*window, "Print")->isEnabled());
}

TEST_F(MainWindowTest, SelectionChangeSwitchesCopy) {
  Make();
  window->SetResultDocument(Text("chat page image"));
  QTextEdit* display = window->resultDisplay();
  QTextCursor cursor = display->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(4, QTextCursor::KeepAnchor);
  display->setTextCursor(cursor);
  EXPECT_TRUE(Action(*window, "mnuEditCopy")->isEnabled());
  EXPECT_TRUE(Action(*window, "Copy")->isEnabled());
  cursor.clearSelection();
  display->setTextCursor(cursor);
  EXPECT_FALSE(Action(*window, "mnuEditCopy")->isEnabled());
  EXPECT_FALSE(Action(*window, "Copy")->isEnabled());
  Action(*window, "mnuEditSelectAll")->trigger();
  EXPECT_EQ(display->textCursor().selectedText(), "chat page image");
  EXPECT_TRUE(Action(*window, "Copy")->isEnabled());
}

TEST_F(MainWindowTest, AToolWindowCanSwitchTheFileCommands) {
  Make();
  window->SetResultDocument(Text("chat"));
  window->SetFileCommandsEnabled(false);
  for (const char* name : {"mnuFileSaveAs", "mnuFilePrint", "mnuEditSelectAll", "Save", "Print"})
    EXPECT_FALSE(Action(*window, name)->isEnabled()) << name;
  window->SetFileCommandsEnabled(true);
  for (const char* name : {"mnuFileSaveAs", "mnuFilePrint", "mnuEditSelectAll", "Save", "Print"})
    EXPECT_TRUE(Action(*window, name)->isEnabled()) << name;
}

TEST_F(MainWindowTest, CopyPutsTheSelectionOnTheClipboard) {
  Make();
  window->SetResultDocument(Text("chat page"));
  QTextCursor cursor = window->resultDisplay()->textCursor();
  cursor.setPosition(5);
  cursor.setPosition(9, QTextCursor::KeepAnchor);
  window->resultDisplay()->setTextCursor(cursor);
  Action(*window, "mnuEditCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "page");
}

// --- Dialog tools -------------------------------------------------------------------------------

class ToolDispatchTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ToolRegistry tools;
    tools.AddDialog<FakeRhymeDialog>(ToolId::Rhyme);
    tools.AddDialog<FakeAnagramDialog>(ToolId::Anagram);
    Make(std::move(tools));
  }
  FakeToolDialog* Dialog(ToolId id) { return static_cast<FakeToolDialog*>(window->toolDialog(id)); }
};

TEST_F(ToolDispatchTest, OpeningFromTheMenuRunsTheCommonSteps) {
  bool buttonPressed = false, onlyThisActive = false;
  dialogs->modalAnswer = [&](QDialog&) {
    buttonPressed = Action(*window, "Rime")->isChecked() && !Action(*window, "Anagramme")->isChecked();
    onlyThisActive = window->state().activeTool == ToolId::Rhyme;
    return QDialog::Rejected;
  };
  Action(*window, "mnuCmpRim")->trigger();
  ASSERT_EQ(dialogs->modalCount, 1);
  EXPECT_TRUE(buttonPressed);
  EXPECT_TRUE(onlyThisActive);
  EXPECT_FALSE(Action(*window, "Rime")->isChecked()) << "released when the dialog closes";

  FakeToolDialog* dialog = Dialog(ToolId::Rhyme);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Tavilo - Rimes");
  ASSERT_EQ(dialog->openings.size(), 1u);
  const ToolOpening& opening = dialog->openings[0];
  EXPECT_FALSE(opening.wasActive);
  EXPECT_TRUE(opening.resultIsEmpty);
  EXPECT_FALSE(opening.hasPreviousList);
  EXPECT_EQ(opening.resultFont, "Arial");
  EXPECT_FALSE(dialog->appendBox->isEnabled());
  EXPECT_FALSE(dialog->appendBox->isChecked());
  EXPECT_FALSE(dialog->previousList->isEnabled());
}

TEST_F(ToolDispatchTest, EachToolGetsItsResultFont) {
  Action(*window, "Anagramme")->trigger();
  ASSERT_NE(Dialog(ToolId::Anagram), nullptr);
  EXPECT_EQ(Dialog(ToolId::Anagram)->openings.back().resultFont, "Courier New");
}

TEST_F(ToolDispatchTest, ReopeningKeepsTheDialogAndKnowsTheToolWasActive) {
  Action(*window, "Rime")->trigger();
  FakeToolDialog* first = Dialog(ToolId::Rhyme);
  Action(*window, "mnuCmpRim")->trigger();
  EXPECT_EQ(Dialog(ToolId::Rhyme), first) << "one dialog for the program's life";
  ASSERT_EQ(first->openings.size(), 2u);
  EXPECT_TRUE(first->openings[1].wasActive);
  EXPECT_EQ(first->resets, 1);
  // Another tool in between: the rhyme tool is no longer the active one.
  Action(*window, "mnuCmpAna")->trigger();
  EXPECT_EQ(window->state().activeTool, ToolId::Anagram);
  Action(*window, "mnuCmpRim")->trigger();
  EXPECT_FALSE(first->openings[2].wasActive);
  EXPECT_EQ(first->resets, 2);
}

TEST_F(ToolDispatchTest, AppendAndPreviousListFollowTheDisplayAndTheCurrentList) {
  window->SetResultDocument(Text("chat"));
  window->session().StartResultList(Utf8ToCp1252(" rimes"));
  Action(*window, "mnuCmpRim")->trigger();
  FakeToolDialog* dialog = Dialog(ToolId::Rhyme);
  EXPECT_FALSE(dialog->openings[0].resultIsEmpty);
  EXPECT_TRUE(dialog->openings[0].hasPreviousList);
  EXPECT_EQ(dialog->openings[0].previousListKind, " rimes");
  EXPECT_TRUE(dialog->appendBox->isEnabled());
  EXPECT_TRUE(dialog->previousList->isEnabled());

  // The user ticks both, then the display is emptied: the box goes off and unchecked.
  dialog->appendBox->setChecked(true);
  dialog->previousList->setChecked(true);
  window->SetResultDocument(Document());
  dialog->allowPreviousList = false;  // as the spoonerism tool does for its own lists
  Action(*window, "mnuCmpRim")->trigger();
  EXPECT_FALSE(dialog->appendBox->isEnabled());
  EXPECT_FALSE(dialog->appendBox->isChecked());
  EXPECT_FALSE(dialog->previousList->isEnabled());
  EXPECT_TRUE(dialog->nouns->isChecked()) << "a disabled source option does not stay selected";
}

TEST_F(ToolDispatchTest, OpeningAToolClosesTheAuxiliaryWindow) {
  QWidget auxiliary;
  auxiliary.show();
  window->SetAuxiliaryWindow(&auxiliary, nullptr);
  Action(*window, "mnuCmpAna")->trigger();
  EXPECT_FALSE(auxiliary.isVisible());
}

TEST_F(ToolDispatchTest, APublishedResultGoesUnderItsHeaderAndIsSavedAsUntitled) {
  dialogs->modalAnswer = [&](QDialog& shown) {
    ToolResult result;
    result.block = Text("\tpage\timage");
    result.header = ToolResult::HeaderLine(Utf8ToCp1252("   Rimes       Rime : «...age»"));
    result.fileSuffix = "age";
    static_cast<FakeToolDialog&>(shown).PublishResult(std::move(result));
    return QDialog::Accepted;
  };
  Action(*window, "mnuCmpRim")->trigger();

  EXPECT_EQ(WritePlainText(window->ResultDocument()), "   Rimes       Rime : «...age»\n\n\tpage\timage");
  const Document shown = window->ResultDocument();
  const Paragraph& header = shown.paragraphs().front();
  ASSERT_FALSE(header.runs.empty());
  EXPECT_EQ(header.runs.front().format.half_points, 18);
  EXPECT_EQ(header.runs.front().format.color, (Rgb{255, 0, 0}));
  EXPECT_EQ(window->findChild<QLabel*>("lblHeader")->text(), "   Rimes       Rime : «...age»");
  EXPECT_EQ(window->windowTitle(), "Tavilo - SansTitre.rtf");
  EXPECT_EQ(window->state().toolKey, "Rime");
  EXPECT_EQ(ProposedSaveName(window->state()), QDir::toNativeSeparators("Listes/Rime_age"));

  const RtfReadResult saved = ReadRtf(ReadBytes(folder.File("Listes/SansTitre.rtf")));
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.document, window->ResultDocument());
}

TEST_F(ToolDispatchTest, AnAppendedResultFollowsTheDisplayedOne) {
  window->SetResultDocument(Text("ancien"));
  dialogs->modalAnswer = [&](QDialog& shown) {
    ToolResult result;
    result.block = Text("nouveau");
    result.append = true;
    static_cast<FakeToolDialog&>(shown).PublishResult(std::move(result));
    return QDialog::Accepted;
  };
  Action(*window, "mnuCmpRim")->trigger();
  EXPECT_EQ(WritePlainText(window->ResultDocument()), "ancien\nnouveau");
}

TEST_F(ToolDispatchTest, EachAppendedBlockStartsWithItsOwnHeaderLine) {
  const auto search = [&](const char* header, const char* block) {
    dialogs->modalAnswer = [&, header, block](QDialog& shown) {
      ToolResult result;
      result.block = Text(block);
      result.header = ToolResult::HeaderLine(header);
      result.append = !window->ResultIsEmpty();
      static_cast<FakeToolDialog&>(shown).PublishResult(std::move(result));
      return QDialog::Accepted;
    };
    Action(*window, "mnuCmpRim")->trigger();
  };
  search("   Rimes 1", "\tpage\n---\n");
  search("   Rimes 2", "\tchat\n---\n");
  search("   Rimes 3", "\tbeau\n---\n");
  EXPECT_EQ(WritePlainText(window->ResultDocument()),
            "   Rimes 3\n\n   Rimes 2\n\n   Rimes 1\n\n\tpage\n---\n"
            "   Rimes 2\n\n\tchat\n---\n"
            "   Rimes 3\n\n\tbeau\n---\n");
  // The repeated header keeps the header's look; the blocks keep their own.
  const Document shown = window->ResultDocument();
  std::vector<CharFormat> headerFormats;
  for (const Paragraph& paragraph : shown.paragraphs())
    if (!paragraph.runs.empty() && paragraph.runs.front().text.starts_with("   Rimes"))
      headerFormats.push_back(paragraph.runs.front().format);
  ASSERT_EQ(headerFormats.size(), 5u);
  for (const CharFormat& format : headerFormats) EXPECT_EQ(format, ToolResult::HeaderLine("x").paragraphs().front().runs.front().format);
}

TEST_F(ToolDispatchTest, OpeningAFileClearsTheLastSearchsCountAndHeader) {
  window->SetStatusLine(StatusLine::Count, "3199");
  WriteBytes(folder.File("liste.txt"), "chat");
  dialogs->openAnswers = {folder.File("liste.txt")};
  Action(*window, "mnuFileOpen")->trigger();
  EXPECT_EQ(window->findChild<QLabel*>("Label2")->text(), "");
  EXPECT_EQ(WritePlainText(window->ResultDocument()), "chat");
}

TEST_F(ToolDispatchTest, ALongHeaderDoesNotWidenTheWindow) {
  const std::string header(300, 'M');
  window->show();
  const int narrowest = window->minimumSizeHint().width();
  dialogs->modalAnswer = [&](QDialog& shown) {
    ToolResult result;
    result.block = Text("mot");
    result.header = ToolResult::HeaderLine(header);
    static_cast<FakeToolDialog&>(shown).PublishResult(std::move(result));
    return QDialog::Accepted;
  };
  Action(*window, "mnuCmpRim")->trigger();
  EXPECT_EQ(window->minimumSizeHint().width(), narrowest);
  window->resize(480, 400);
  QApplication::processEvents();
  const auto* label = window->findChild<ElidedLabel*>("lblHeader");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text().toStdString(), header);
  EXPECT_EQ(label->toolTip().toStdString(), header);
  EXPECT_TRUE(label->ShownText().endsWith(QStringLiteral("…")));
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->ShownText()), label->width());
}

TEST_F(ToolDispatchTest, TheActiveToolSeesTheDisplaySelection) {
  window->SetResultDocument(Text("chat page"));
  Action(*window, "mnuCmpAna")->trigger();
  QTextCursor cursor = window->resultDisplay()->textCursor();
  cursor.setPosition(5);
  cursor.setPosition(9, QTextCursor::KeepAnchor);
  window->resultDisplay()->setTextCursor(cursor);
  ASSERT_FALSE(Dialog(ToolId::Anagram)->selections.empty());
  EXPECT_EQ(Dialog(ToolId::Anagram)->selections.back(), "page");
}

// --- Listings ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, AListingReportsItsCountAndProgressAndPublishesUnderItsKey) {
  ToolRegistry tools;
  std::string fontSeen;
  int progressShown = -1;
  tools.AddListing(ListingId::AmbigramHorizontal, [&](ListingContext& context) {
    fontSeen = context.resultFont;
    context.observer.SetCount(2);
    // The bar shows the progress once the search has run a moment, when the observer next lets
    // the events through.
    context.observer.SetProgress(30, 120);
    QThread::msleep(GuiObserver::kProgressDelayMs + 5);
    context.observer.Yield();
    const auto* bar = context.host.window()->findChild<QProgressBar*>("ProgressBar1");
    if (!bar->isHidden()) progressShown = bar->value();
    context.session.StartResultList("MotAmbi");
    ToolResult result;
    result.block = Text("   MOT\n   ici");
    result.header = ToolResult::HeaderLine("   Liste\n     Mots : 2", Rgb{0, 0, 255});
    return std::optional<ToolResult>(std::move(result));
  });
  Make(std::move(tools));
  window->state().toolKey = "Rime";
  EXPECT_TRUE(window->findChild<QProgressBar*>("ProgressBar1")->isHidden());
  Action(*window, "mnuCmpAmbH")->trigger();
  EXPECT_EQ(progressShown, GuiObserver::kProgressSteps / 4);
  EXPECT_TRUE(window->findChild<QProgressBar*>("ProgressBar1")->isHidden()) << "hidden again after the search";
  EXPECT_EQ(fontSeen, "Futura Medium BT");
  EXPECT_EQ(window->findChild<QLabel*>("Label2")->text(), "2");
  EXPECT_EQ(window->session().resultListKind, "MotAmbi");
  EXPECT_EQ(window->findChild<QLabel*>("lblHeader")->text(), "   Liste");
  EXPECT_EQ(window->findChild<QLabel*>("lblHeader2")->text(), "     Mots : 2");
  EXPECT_EQ(WritePlainText(window->ResultDocument()), "   Liste\n     Mots : 2\n\n   MOT\n   ici");
  EXPECT_EQ(ProposedSaveName(window->state()), QDir::toNativeSeparators("Listes/Mots_Ambigramme"));
  EXPECT_TRUE(QFileInfo::exists(folder.File("Listes/SansTitre.rtf")));
}

TEST_F(MainWindowTest, AStoppedListingLeavesTheDisplayAlone) {
  ToolRegistry tools;
  tools.AddListing(ListingId::Palindromes, [](ListingContext&) { return std::optional<ToolResult>(); });
  Make(std::move(tools));
  window->SetResultDocument(Text("avant"));
  Action(*window, "mnuCmpListPali")->trigger();
  EXPECT_EQ(WritePlainText(window->ResultDocument()), "avant");
  EXPECT_EQ(window->windowTitle(), "Tavilo");
}

TEST_F(MainWindowTest, ClosingDuringAListingStopsItThenCloses) {
  ToolRegistry tools;
  int steps = 0;
  tools.AddListing(ListingId::Palindromes, [&](ListingContext& context) -> std::optional<ToolResult> {
    while (steps < 1000000) {
      if (++steps == 10) context.host.window()->close();
      if (!context.observer.Yield()) return std::nullopt;
    }
    return ToolResult{};
  });
  Make(std::move(tools));
  window->show();
  Action(*window, "mnuCmpListPali")->trigger();
  EXPECT_EQ(steps, 10) << "the listing stopped at the first yield after the close";
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace tavilo::testing
