// List files: the proposed names, opening and saving .txt and .rtf, refusals, and printing.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <map>

#include "app/list_files.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "core/rtf.h"
#include "core/text.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

QString Native(const char* utf8) { return QDir::toNativeSeparators(QString::fromUtf8(utf8)); }

TEST(ProposedSaveName, FollowsTheToolKey) {
  struct Case {
    const char* toolKey;
    const char* expected;
  };
  const Case cases[] = {
      {"Cpt", "Listes/Cpt_suffixe"},
      {"Rime", "Listes/Rime_age"},
      {"Ana", "Listes/Ana_lettres"},
      {"Phon", "Listes/Phon_mot"},
      {"Lipo", "Listes/Lipo_e"},
      {"Mcr", "Listes/Mft_ch?t"},
      {"MotAna", "Listes/Mots_Ana"},
      {"MotPali", "Listes/Mots_Palindrome"},
      {"MotPaliPhon", "Listes/Mots_Palindrome_Phonétique"},
      {"MotJanus", "Listes/Mots_Janus"},
      {"MotOkapi", "Listes/Mots_Okapi"},
      {"MotPhokapi", "Listes/Mots_Phokapi"},
      {"MotAmbi", "Listes/Mots_Ambigramme"},
      {"", "Listes/SansTitre.rtf"},
  };
  AppState state;
  state.toolFileSuffix = {{ToolId::Spoonerism, "suffixe"}, {ToolId::Rhyme, "age"},
                          {ToolId::Anagram, "lettres"},    {ToolId::Anaphone, "mot"},
                          {ToolId::Lipogram, "e"},         {ToolId::Filter, "ch?t"}};
  for (const Case& c : cases) {
    state.toolKey = c.toolKey;
    EXPECT_EQ(ProposedSaveName(state), Native(c.expected)) << c.toolKey;
  }
}

TEST(ProposedSaveName, SuffixInWindows1252AndSeparatorsKeptInTheFolder) {
  AppState state;
  state.toolKey = "Rime";
  state.toolFileSuffix[ToolId::Rhyme] = Utf8ToCp1252("été");
  EXPECT_EQ(ProposedSaveName(state), Native("Listes/Rime_été"));
  state.toolFileSuffix[ToolId::Rhyme] = "a/b\\c";
  EXPECT_EQ(ProposedSaveName(state), Native("Listes/Rime_a_b_c"));
}

TEST(ProposedSaveName, AnOpenedFileIsProposedWithoutItsExtension) {
  AppState state;
  state.loadedFileName = QStringLiteral("/tmp/mes listes/rimes.rtf");
  EXPECT_EQ(ProposedSaveName(state), QDir::toNativeSeparators("/tmp/mes listes/rimes"));
  state.toolKey = "MotPali";  // a search since the file was opened wins
  EXPECT_EQ(ProposedSaveName(state), Native("Listes/Mots_Palindrome"));
}

TEST(FormatOfName, ExtensionDecidesIgnoringCase) {
  EXPECT_EQ(FormatOfName("a.txt"), ListFormat::PlainText);
  EXPECT_EQ(FormatOfName("A.TXT"), ListFormat::PlainText);
  EXPECT_EQ(FormatOfName("b.Rtf"), ListFormat::RichText);
  EXPECT_EQ(FormatOfName("c.doc"), std::nullopt);
  EXPECT_EQ(FormatOfName("txt"), std::nullopt);
  EXPECT_EQ(FormatOfName("liste.rtf.bak"), std::nullopt);
}

// A document with what a result uses: fonts, sizes, colours, bold, italic, tabs, accents.
Document RichSample() {
  Document doc;
  CharFormat header;
  header.half_points = 18;
  header.color = {255, 0, 0};
  doc.Append("   Rimes       Rime : «...age»", header);
  doc.AppendParagraphBreak();
  doc.AppendParagraphBreak();
  doc.SetTabStops({1440, 2880});
  CharFormat heading;
  heading.bold = true;
  doc.Append(" 2 syllabes :", heading);
  doc.AppendParagraphBreak();
  CharFormat mono;
  mono.font = "Courier New";
  mono.half_points = 24;
  mono.color = {0, 128, 0};
  doc.Append("\timage\tpartage", mono);
  CharFormat slanted;
  slanted.italic = true;
  slanted.font = "Futura Medium BT";
  doc.Append(" œuvre", slanted);
  return doc;
}

class ListFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, ToolRegistry(), std::move(scripted));
  }

  // Saves the display under `name` through "Enregistrer la liste sous...".
  void SaveAs(const QString& name) {
    dialogs->saveAnswers = {name};
    window->findChild<QAction*>("mnuFileSaveAs")->trigger();
  }
  std::unique_ptr<MainWindow> Reopen(const QString& name) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    scripted->openAnswers = {name};
    auto other = std::make_unique<MainWindow>(lexicon, ToolRegistry(), std::move(scripted));
    other->findChild<QAction*>("mnuFileOpen")->trigger();
    return other;
  }

  ScratchFolder folder;
  Lexicon lexicon;
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

TEST_F(ListFileTest, RtfRoundTripKeepsFontsSizesColoursAndStyles) {
  const Document sample = RichSample();
  window->SetResultDocument(sample);
  EXPECT_EQ(window->ResultDocument(), sample) << "the display holds what it was given";
  SaveAs(folder.File("Listes/liste.rtf"));
  EXPECT_TRUE(dialogs->messages.empty());
  const auto reopened = Reopen(folder.File("Listes/liste.rtf"));
  EXPECT_EQ(reopened->ResultDocument(), sample);
  EXPECT_EQ(reopened->windowTitle(), "Tavilo - liste.rtf");
}

TEST_F(ListFileTest, TextRoundTripKeepsTheText) {
  window->SetResultDocument(RichSample());
  SaveAs(folder.File("Listes/liste.txt"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/liste.txt")), WritePlainText(RichSample()));
  const auto reopened = Reopen(folder.File("Listes/liste.txt"));
  EXPECT_EQ(WritePlainText(reopened->ResultDocument()), WritePlainText(RichSample()));
  const Document shown = reopened->ResultDocument();
  for (const Paragraph& paragraph : shown.paragraphs())
    for (const auto& run : paragraph.runs) EXPECT_EQ(run.format.color, (Rgb{0, 0, 0})) << "text opens in black";
}

// Checks in the display's own layout that every line's k-th tab reaches the same x and that the
// text before a tab ends before that column.
void ExpectStraightColumns(const QTextDocument& shown) {
  std::map<int, qreal> columnX;
  for (QTextBlock block = shown.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    const QTextLine line = block.layout()->lineAt(0);
    ASSERT_TRUE(line.isValid());
    int tab = 0;
    for (qsizetype pos = text.indexOf(QLatin1Char('\t')); pos >= 0; pos = text.indexOf(QLatin1Char('\t'), pos + 1)) {
      const qreal tabStart = line.cursorToX(static_cast<int>(pos));
      const qreal x = line.cursorToX(static_cast<int>(pos + 1));
      const auto [it, fresh] = columnX.emplace(tab, x);
      EXPECT_NEAR(x, it->second, 0.5) << "tab " << tab << " of \"" << text.toStdString() << '"';
      EXPECT_GT(x, tabStart) << "text runs into column " << tab << " in \"" << text.toStdString() << '"';
      ++tab;
    }
  }
  EXPECT_GE(columnX.size(), 6u);
}

TEST_F(ListFileTest, PlainTextReopensWithTheColumnsOfTheBlocks) {
  // A rhyme-like block (a tab before each of six words) and a block with two tabs between words,
  // with words long enough to overflow a half-inch tab grid.
  std::string text = "   Rimes       Rime : \u00ab...age\u00bb       Mots trouv\u00e9s : 12\n\n 3 syllabes :\n";
  const char* words[] = {"abattage", "abatage", "affranchissage", "d\u00e9marrage", "ach\u00e8vement",
                         "al", "apprentissage", "b\u00e2illonnement", "cage", "page", "orage", "image"};
  for (int i = 0; i < 12; ++i) text += std::string("\t") + words[i] + (i % 6 == 5 ? "\n" : "");
  text += std::string(185, '-') + "\n\tchat\t\tchien\t\tcheval\n";
  WriteBytes(folder.File("Listes/rimes.txt"), text);
  const auto reopened = Reopen(folder.File("Listes/rimes.txt"));
  EXPECT_EQ(WritePlainText(reopened->ResultDocument()), text);
  QTextDocument* shown = reopened->resultDisplay()->document();
  shown->documentLayout()->documentSize();  // lays every block out
  ExpectStraightColumns(*shown);
}

TEST_F(ListFileTest, UpperCaseTxtOpensAsPlainText) {
  WriteBytes(folder.File("LISTE.TXT"), "{\\rtf1 \\b gras}\r\ncaf\xE9");  // Windows-1252 é
  const auto reopened = Reopen(folder.File("LISTE.TXT"));
  EXPECT_EQ(WritePlainText(reopened->ResultDocument()), "{\\rtf1 \\b gras}\ncafé");
}

TEST_F(ListFileTest, OpeningAFileResetsTheToolStateAndNamesTheWindow) {
  WriteBytes(folder.File("Listes/rimes.rtf"), WriteRtf(RichSample()));
  window->state().activeTool = ToolId::Rhyme;
  window->state().toolKey = "Rime";
  dialogs->openAnswers = {folder.File("Listes/rimes.rtf")};
  window->findChild<QAction*>("Open")->trigger();
  EXPECT_EQ(dialogs->lastOpenDirectory, QDir::current().absoluteFilePath("Listes"));
  EXPECT_EQ(dialogs->lastOpenFilter,
            "Tous les fichiers (*.*);;Fichiers texte brut (*.txt);;Fichiers texte enrichi RTF (*.rtf)");
  EXPECT_EQ(dialogs->lastOpenSelectedFilter, "Tous les fichiers (*.*)");
  EXPECT_FALSE(window->state().activeTool.has_value());
  EXPECT_EQ(window->windowTitle(), "Tavilo - rimes.rtf");
  EXPECT_TRUE(window->findChild<QLabel*>("lblHeader")->text().isEmpty());
  EXPECT_TRUE(window->findChild<QAction*>("Save")->isEnabled());
  EXPECT_TRUE(window->findChild<QAction*>("Print")->isEnabled());
  SaveAs(QString());  // cancelled: only look at the proposal
  EXPECT_EQ(dialogs->lastSaveProposal, QDir::toNativeSeparators(folder.File("Listes/rimes")));
}

TEST_F(ListFileTest, UnknownExtensionIsRefusedOnOpenAndOnSave) {
  window->SetResultDocument(RichSample());
  WriteBytes(folder.File("liste.doc"), "du texte");
  dialogs->openAnswers = {folder.File("liste.doc")};
  window->findChild<QAction*>("mnuFileOpen")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_TRUE(dialogs->messages[0].text.contains("liste.doc"));
  EXPECT_EQ(window->ResultDocument(), RichSample());
  EXPECT_EQ(window->windowTitle(), "Tavilo");

  SaveAs(folder.File("Listes/liste.doc"));
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_FALSE(QFileInfo::exists(folder.File("Listes/liste.doc")));
}

TEST_F(ListFileTest, MalformedRtfIsRefusedWithTheFileName) {
  WriteBytes(folder.File("casse.rtf"), "{\\rtf1 {\\b pas fermé}");
  window->SetResultDocument(RichSample());
  dialogs->openAnswers = {folder.File("casse.rtf")};
  window->findChild<QAction*>("mnuFileOpen")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Warning);
  EXPECT_TRUE(dialogs->messages[0].text.contains("casse.rtf"));
  EXPECT_EQ(window->ResultDocument(), RichSample());
}

TEST_F(ListFileTest, CancellingChangesNothing) {
  window->SetResultDocument(RichSample());
  window->findChild<QAction*>("mnuFileOpen")->trigger();
  SaveAs(QString());
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(window->ResultDocument(), RichSample());
  EXPECT_EQ(QDir(folder.File("Listes")).entryList(QDir::Files), QStringList());
}

TEST_F(ListFileTest, SaveAsProposesRichTextInTheListsFolder) {
  window->SetResultDocument(RichSample());
  window->state().toolKey = "MotPali";
  SaveAs(QString());
  EXPECT_TRUE(QFileInfo(folder.File("Listes")).isDir()) << "the folder is created when missing";
  EXPECT_EQ(dialogs->lastSaveProposal, QDir::toNativeSeparators(folder.File("Listes/Mots_Palindrome")));
  EXPECT_TRUE(dialogs->lastSaveTitle.startsWith("Tavilo - "));
  EXPECT_EQ(dialogs->lastSaveFilter, "Fichiers texte brut (*.txt);;Fichiers texte enrichi RTF (*.rtf)");
  EXPECT_EQ(dialogs->lastSaveSelectedFilter, "Fichiers texte enrichi RTF (*.rtf)");
}

TEST_F(ListFileTest, ANameWithoutExtensionTakesTheSelectedType) {
  window->SetResultDocument(RichSample());
  SaveAs(folder.File("Listes/sans"));
  EXPECT_TRUE(ReadRtf(ReadBytes(folder.File("Listes/sans.rtf"))).ok());
  dialogs->saveFilterAnswer = "Fichiers texte brut (*.txt)";
  SaveAs(folder.File("Listes/brut"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/brut.txt")), WritePlainText(RichSample()));
}

TEST_F(ListFileTest, AFailedSaveIsReportedAndLeavesTheTargetAlone) {
  // A folder stands where the file should go: the save cannot replace it.
  QDir().mkpath(folder.File("Listes/dossier.rtf"));
  WriteBytes(folder.File("Listes/dossier.rtf/garde.txt"), "ancien contenu");
  window->SetResultDocument(RichSample());
  SaveAs(folder.File("Listes/dossier.rtf"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_TRUE(dialogs->messages[0].text.contains("dossier.rtf"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/dossier.rtf/garde.txt")), "ancien contenu");
  EXPECT_EQ(QDir(folder.File("Listes")).entryList(QDir::Files), QStringList()) << "no temporary file left";
}

TEST_F(ListFileTest, SavingOverAnExistingListReplacesIt) {
  WriteBytes(folder.File("Listes/liste.rtf"), "ancien contenu");
  window->SetResultDocument(RichSample());
  SaveAs(folder.File("Listes/liste.rtf"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/liste.rtf")), WriteRtf(RichSample()));
}

TEST_F(ListFileTest, TheAuxiliaryWindowsProposalWinsWhileItIsOpen) {
  window->SetResultDocument(RichSample());
  QWidget auxiliary;
  auxiliary.show();
  window->SetAuxiliaryWindow(&auxiliary, [] {
    SaveProposal proposal;
    proposal.document.Append("groupe", CharFormat{});
    proposal.proposedName = "Listes/Ana_abc_4";
    proposal.dialogTitle = "Tavilo - Anagrammes - Automatique - abc_4";
    return std::optional<SaveProposal>(proposal);
  });
  SaveAs(folder.File("Listes/auto.txt"));
  EXPECT_EQ(dialogs->lastSaveTitle, "Tavilo - Anagrammes - Automatique - abc_4");
  EXPECT_EQ(dialogs->lastSaveProposal, QDir::toNativeSeparators(folder.File("Listes/Ana_abc_4")));
  EXPECT_EQ(ReadBytes(folder.File("Listes/auto.txt")), "groupe");
  auxiliary.hide();
  SaveAs(QString());
  EXPECT_EQ(dialogs->lastSaveProposal, QDir::toNativeSeparators(folder.File("Listes/SansTitre.rtf")));
}

TEST_F(ListFileTest, PrintingToAPdfFileWritesAPdf) {
  window->SetResultDocument(RichSample());
  const QString pdf = folder.File("liste.pdf");
  dialogs->printAnswer = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  window->findChild<QAction*>("Print")->trigger();
  const std::string bytes = ReadBytes(pdf);
  ASSERT_GT(bytes.size(), 500u);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
}

TEST_F(ListFileTest, CancelledPrintWritesNothing) {
  window->SetResultDocument(RichSample());
  window->findChild<QAction*>("mnuFilePrint")->trigger();
  EXPECT_FALSE(QFileInfo::exists(folder.File("liste.pdf")));
}

}  // namespace
}  // namespace tavilo::testing
