// The main window: menus and tool bars as the user sees them at start, command enabling, and
// the dispatch of dialog tools and listings.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSet>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QToolBar>

#include "app/elided_label.h"
#include "app/list_files.h"
#include "app/main_window.h"
#include "app/tool_dialog.h"
#include "app/tool_registry.h"
#include "core/rtf.h"
#include "core/text.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

// The captions of a menu in order, "-" for a separator.
QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return captions;
}

Document Text(std::string_view utf8) {
  Document doc;
  doc.Append(utf8, CharFormat{});
  return doc;
}

std::optional<ToolResult> NoResult(ListingContext&) { return std::nullopt; }

// A stand-in tool dialog that records how it was opened and what the display told it, and can
// publish a result; registered with the one-line form, as real tools are.
class FakeToolDialog : public ToolDialog {
 public:
  FakeToolDialog(ToolHost& host, ToolId id, QWidget* parent) : ToolDialog(host, id, parent) {
    appendBox = new QCheckBox(QStringLiteral("Ajouter le résultat à la liste affichée"), this);
    nouns = new QRadioButton(QStringLiteral("Noms"), this);
    previousList = new QRadioButton(QStringLiteral("Liste de recherche précédente"), this);
    nouns->setChecked(true);
    SetStandardControls(appendBox, previousList, nouns);
  }

  using ToolDialog::PublishResult;

  QCheckBox* appendBox;
  QRadioButton* nouns;
  QRadioButton* previousList;
  std::vector<ToolOpening> openings;
  int resets = 0;
  bool allowPreviousList = true;
  std::vector<std::string> selections, doubleClicks;

  void OnDisplaySelectionChanged(const std::string& selected) override { selections.push_back(selected); }
  void OnDisplayDoubleClicked(const std::string& selected) override { doubleClicks.push_back(selected); }

 protected:
  void OnOpening(const ToolOpening& opening) override {
    openings.push_back(opening);
    // Like the rhyme and anagram tools: reset only when the tool was not already active.
    if (!opening.wasActive) {
      ++resets;
      appendBox->setChecked(false);
    }
  }
  bool PreviousListAllowed(const ToolOpening& opening) const override {
    return allowPreviousList && opening.hasPreviousList;
  }
};

template <ToolId kId>
class FakeDialog : public FakeToolDialog {
 public:
  FakeDialog(ToolHost& host, QWidget* parent) : FakeToolDialog(host, kId, parent) {}
};

class MainWindowTest : public MainWindowFixture {
 protected:
  bool On(const char* action) const { return Child<QAction>(*window, action)->isEnabled(); }
  void Select(int from, int to) const {
    QTextCursor cursor = window->resultDisplay()->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    window->resultDisplay()->setTextCursor(cursor);
  }
};

TEST_F(MainWindowTest, MenusHaveTheirCaptionsInOrder) {
  MakeWindow({});
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), 4);
  EXPECT_EQ(menus[0]->text(), "&Fichier");
  EXPECT_EQ(Captions(menus[0]->menu()), QStringList({"&Ouvrir...", "Enregistrer la liste &sous...",
                                                     "&Configuration de l'impression...", "&Imprimer la liste...",
                                                     "&Quitter"}));
  EXPECT_EQ(menus[1]->text(), "&Édition");
  EXPECT_EQ(Captions(menus[1]->menu()), QStringList({"Co&pier", "&Tout sélectionner"}));
  // The tools' captions are the catalogue's (the dispatch tests reach each one by its item); the
  // menu groups them between separators.
  EXPECT_EQ(menus[2]->text(), "&Outils");
  EXPECT_EQ(Captions(menus[2]->menu()).count("-"), 7);
  EXPECT_EQ(Captions(menus[2]->menu()).back(), "Mot&s courants en premier");
  EXPECT_FALSE(menus[2]->menu()->separatorsCollapsible()) << "the closing separator must show";
  EXPECT_EQ(Captions(menus[3]->menu()), QStringList({"&Sommaire", "Ai&de sur...", "À &propos de Tavilo..."}));
  // Within a menu, a letter after '&' reaches one item only: the keyboard must not have to cycle.
  for (const QAction* menu : menus) {
    QSet<QChar> letters;
    for (const QString& caption : Captions(menu->menu())) {
      const qsizetype amp = caption.indexOf(QLatin1Char('&'));
      if (amp < 0 || amp + 1 >= caption.size()) continue;
      const QChar letter = caption[amp + 1].toLower();
      EXPECT_FALSE(letters.contains(letter)) << caption.toStdString() << " shares its letter";
      letters.insert(letter);
    }
  }
}

TEST_F(MainWindowTest, CommandsFollowTheToolsTheTextAndTheSelection) {
  lexicon.adjectivesMissing = true;
  ToolRegistry tools;
  tools.AddDialog<FakeDialog<ToolId::Rhyme>>(ToolId::Rhyme);
  tools.AddListing(ListingKind::Palindromes, NoResult);
  tools.AddListing(ListingKind::Okapi, NoResult);
  MakeWindow(std::move(tools));
  EXPECT_EQ(window->windowTitle(), "Tavilo");
  EXPECT_EQ(Label("Label1"), "Liste du résultat");
  // Only registered tools are on; the palindrome listing also needs the adjectives.
  for (const ToolInfo& tool : AllTools()) {
    EXPECT_EQ(On(tool.menuName), tool.id == ToolId::Rhyme) << tool.menuName;
    EXPECT_EQ(On(tool.buttonKey), tool.id == ToolId::Rhyme) << tool.buttonKey;
  }
  for (const ListingInfo& listing : AllListings())
    EXPECT_EQ(On(listing.menuName), listing.id == ListingKind::Okapi) << listing.menuName;
  for (const char* name : {"mnuFileOpen", "mnuFilePageSetup", "mnuFileExit", "mnuEditSelectAll", "mnuHelpContents",
                           "mnuHelpSearchForHelpOn", "mnuHelpAbout", "Open"})
    EXPECT_TRUE(On(name)) << name;

  // Save and print follow the text (and a tool window may hold them off), copy the selection.
  const auto expect = [&](bool file, bool copy, const char* when) {
    for (const char* name : {"mnuFileSaveAs", "mnuFilePrint", "Save", "Print"}) EXPECT_EQ(On(name), file) << name << when;
    for (const char* name : {"mnuEditCopy", "Copy"}) EXPECT_EQ(On(name), copy) << name << when;
  };
  expect(false, false, " at start");
  window->show();
  const std::uint64_t before = window->ResultRevision();
  QTest::keyClicks(window->resultDisplay(), "abc");
  EXPECT_GT(window->ResultRevision(), before);
  expect(true, false, " after typing");
  window->resultDisplay()->selectAll();
  window->SetResultDocument(Text("chat page image"));
  expect(true, false, " after a new text");
  Select(5, 9);
  expect(true, true, " with a selection");
  Trigger("mnuEditCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), "page");
  Select(0, 0);
  expect(true, false, " without a selection");
  Trigger("mnuEditSelectAll");
  EXPECT_EQ(window->resultDisplay()->textCursor().selectedText(), "chat page image");
  expect(true, true, " after select all");
  window->SetFileCommandsEnabled(false);
  EXPECT_FALSE(On("mnuEditSelectAll"));
  expect(false, true, " held off");
  window->SetFileCommandsEnabled(true);
  EXPECT_TRUE(On("mnuEditSelectAll"));
  expect(true, true, " released");
}

TEST_F(MainWindowTest, ToolBarsHaveTheirKeysAndTips) {
  MakeWindow({});
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
  EXPECT_EQ(keys, QStringList({"Contrepet", "ContrepetPhrase", "Rime", "RimeMot", "Phonégramme", "Anagramme", "Lipogramme",
                               "MotCroisé"}));
  EXPECT_EQ(tips, QStringList({"Contrepèteries", "Contrepèteries dans une phrase", "Rimes", "Rimes d'un mot", "Anaphones",
                               "Anagrammes", "Lipogrammes", "Mots filtrés"}));
  const QToolBar* tbToolBar = window->findChild<QToolBar*>("tbToolBar");
  ASSERT_NE(tbToolBar, nullptr);
  keys.clear();
  for (const QAction* action : tbToolBar->actions()) keys << action->objectName();
  EXPECT_EQ(keys, QStringList({"Open", "Save", "Print", "Copy"}));
}

// --- Dialog tools -------------------------------------------------------------------------------

class ToolDispatchTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ToolRegistry tools;
    tools.AddDialog<FakeDialog<ToolId::Rhyme>>(ToolId::Rhyme);
    tools.AddDialog<FakeDialog<ToolId::Anagram>>(ToolId::Anagram);
    MakeWindow(std::move(tools));
  }
  FakeToolDialog* Dialog(ToolId id) { return static_cast<FakeToolDialog*>(window->toolDialog(id)); }
  // Opens the rhyme tool, which publishes this block under this header line.
  void Publish(std::string_view block, std::string_view header = {}, bool append = false) {
    dialogs->modalAnswer = [&](QDialog& shown) {
      ToolResult result;
      result.block = Text(block);
      if (!header.empty()) result.header = ToolResult::HeaderLine(Utf8ToCp1252(header));
      result.append = append;
      result.fileSuffix = "age";
      static_cast<FakeToolDialog&>(shown).PublishResult(std::move(result));
      return int(QDialog::Accepted);
    };
    Trigger("mnuCmpRim");
    dialogs->modalAnswer = nullptr;
  }
};

TEST_F(ToolDispatchTest, OpeningFromTheMenuRunsTheCommonSteps) {
  bool buttonPressed = false, onlyThisActive = false;
  dialogs->modalAnswer = [&](QDialog&) {
    buttonPressed = Child<QAction>(*window, "Rime")->isChecked() && !Child<QAction>(*window, "Anagramme")->isChecked();
    onlyThisActive = window->state().activeTool == ToolId::Rhyme;
    return QDialog::Rejected;
  };
  Trigger("mnuCmpRim");
  ASSERT_EQ(dialogs->modalCount, 1);
  EXPECT_TRUE(buttonPressed);
  EXPECT_TRUE(onlyThisActive);
  EXPECT_FALSE(Child<QAction>(*window, "Rime")->isChecked()) << "released when the dialog closes";

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
  EXPECT_FALSE(dialog->previousList->isEnabled());
}

TEST_F(ToolDispatchTest, ReopeningKeepsTheDialogAndKnowsTheToolWasActive) {
  Trigger("Rime");
  FakeToolDialog* first = Dialog(ToolId::Rhyme);
  Trigger("mnuCmpRim");
  EXPECT_EQ(Dialog(ToolId::Rhyme), first) << "one dialog for the program's life";
  ASSERT_EQ(first->openings.size(), 2u);
  EXPECT_TRUE(first->openings[1].wasActive);
  EXPECT_EQ(first->resets, 1);
  // Another tool in between (it closes the auxiliary window and gets its own font): the rhyme
  // tool is no longer the active one.
  QWidget auxiliary;
  auxiliary.show();
  window->SetAuxiliaryWindow(&auxiliary, nullptr);
  Trigger("mnuCmpAna");
  EXPECT_FALSE(auxiliary.isVisible());
  EXPECT_EQ(window->state().activeTool, ToolId::Anagram);
  EXPECT_EQ(Dialog(ToolId::Anagram)->openings.back().resultFont, "Courier New");
  // The active tool sees the display's selection.
  window->SetResultDocument(Text("chat page"));
  Select(5, 9);
  ASSERT_FALSE(Dialog(ToolId::Anagram)->selections.empty());
  EXPECT_EQ(Dialog(ToolId::Anagram)->selections.back(), "page");
  QTest::mouseDClick(window->resultDisplay()->viewport(), Qt::LeftButton, {}, QPoint(3, 5));
  QApplication::processEvents();
  EXPECT_EQ(Dialog(ToolId::Anagram)->doubleClicks, std::vector<std::string>{"chat"});
  Trigger("mnuCmpRim");
  EXPECT_FALSE(first->openings[2].wasActive);
  EXPECT_EQ(first->resets, 2);
}

TEST_F(ToolDispatchTest, AppendAndPreviousListFollowTheDisplayAndTheCurrentList) {
  window->SetResultDocument(Text("chat"));
  window->session().StartResultList(Utf8ToCp1252(" rimes"));
  Trigger("mnuCmpRim");
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
  Trigger("mnuCmpRim");
  EXPECT_FALSE(dialog->appendBox->isEnabled());
  EXPECT_FALSE(dialog->appendBox->isChecked());
  EXPECT_FALSE(dialog->previousList->isEnabled());
  EXPECT_TRUE(dialog->nouns->isChecked()) << "a disabled source option does not stay selected";
}

TEST_F(ToolDispatchTest, PublishedResultsGoUnderTheirHeadersAndAreSavedAsUntitled) {
  Publish("\tpage\timage", "   Rimes       Rime : «\u00A0...age\u00A0»");
  const Document first = window->ResultDocument();
  const Paragraph& header = first.paragraphs().front();
  ASSERT_FALSE(header.runs.empty());
  EXPECT_EQ(header.runs.front().format.half_points, 18);
  EXPECT_EQ(header.runs.front().format.color, (Rgb{255, 0, 0}));
  EXPECT_EQ(window->windowTitle(), "Tavilo - SansTitre.rtf");
  EXPECT_EQ(window->state().toolKey, "Rime");
  const RtfReadResult saved = ReadRtf(ReadBytes(folder.File("Listes/SansTitre.rtf")));
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.document, window->ResultDocument());

  // Each appended block starts with its own header line, the headers stack on top newest first,
  // and a block without a header simply follows.
  Publish("\tchat\n---\n", "   Rimes 2", true);
  Publish("\tbeau\n---\n", "   Rimes 3", true);
  Publish("fin", {}, true);
  EXPECT_EQ(Displayed().toStdString(),
            "   Rimes 3\n\n   Rimes 2\n\n   Rimes       Rime : «\u00A0...age\u00A0»\n\n\tpage\timage\n"
            "   Rimes 2\n\n\tchat\n---\n"
            "   Rimes 3\n\n\tbeau\n---\nfin");
  const Document shown = window->ResultDocument();
  std::vector<CharFormat> headerFormats;
  for (const Paragraph& paragraph : shown.paragraphs())
    if (!paragraph.runs.empty() && paragraph.runs.front().text.starts_with("   Rimes"))
      headerFormats.push_back(paragraph.runs.front().format);
  ASSERT_EQ(headerFormats.size(), 5u);
  for (const CharFormat& format : headerFormats) EXPECT_EQ(format, header.runs.front().format);
}

TEST_F(ToolDispatchTest, ALongHeaderDoesNotWidenTheWindow) {
  const std::string header(300, 'M');
  window->show();
  const int narrowest = window->minimumSizeHint().width();
  Publish("mot", header);
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

// --- Listings ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, AListingReportsItsCountAndProgressAndPublishesUnderItsKey) {
  ToolRegistry tools;
  std::string fontSeen;
  int progressShown = -1;
  tools.AddListing(ListingKind::AmbigramHorizontal, [&](ListingContext& context) {
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
  MakeWindow(std::move(tools));
  window->state().toolKey = "Rime";
  EXPECT_TRUE(Child<QProgressBar>(*window, "ProgressBar1")->isHidden());
  Trigger("mnuCmpAmbH");
  EXPECT_EQ(progressShown, GuiObserver::kProgressSteps / 4);
  EXPECT_TRUE(Child<QProgressBar>(*window, "ProgressBar1")->isHidden()) << "hidden again after the search";
  EXPECT_EQ(fontSeen, "Futura Medium BT");
  EXPECT_EQ(Label("Label2"), "2");
  EXPECT_EQ(window->session().resultListKind, "MotAmbi");
  EXPECT_EQ(Label("lblHeader"), "   Liste");
  EXPECT_EQ(Label("lblHeader2"), "     Mots : 2");
  EXPECT_EQ(Displayed(), "   Liste\n     Mots : 2\n\n   MOT\n   ici");
  EXPECT_EQ(ProposedSaveName(window->state()), QDir::toNativeSeparators("Listes/Mots_Ambigramme"));
}

TEST_F(MainWindowTest, ClosingDuringAListingStopsItAndLeavesTheDisplayThenCloses) {
  ToolRegistry tools;
  int steps = 0;
  tools.AddListing(ListingKind::Palindromes, [&](ListingContext& context) -> std::optional<ToolResult> {
    while (steps < 1000000) {
      if (++steps == 10) context.host.window()->close();
      if (!context.observer.Yield()) return std::nullopt;
    }
    return ToolResult{};
  });
  MakeWindow(std::move(tools));
  window->SetResultDocument(Text("avant"));
  window->show();
  Trigger("mnuCmpListPali");
  EXPECT_EQ(steps, 10) << "the listing stopped at the first yield after the close";
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(Displayed(), "avant") << "a stopped listing leaves the display alone";
  EXPECT_EQ(window->windowTitle(), "Tavilo");
}

}  // namespace
}  // namespace tavilo::testing
