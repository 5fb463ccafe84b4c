// List files: the proposed names, opening and saving .txt and .rtf, the refusals, and printing.
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <map>

#include "app/list_files.h"
#include "app/qt_text.h"
#include "core/rtf.h"
#include "core/text.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

QString Native(const char* utf8) { return QDir::toNativeSeparators(QString::fromUtf8(utf8)); }

TEST(ProposedSaveName, FollowsTheToolKeyOrTheOpenedFile) {
  const struct {
    const char* toolKey;
    std::string rhymeSuffix;  // Windows-1252
    const char* loadedFile;
    const char* expected;
  } cases[] = {
      {"Cpt", "", "", "Listes/Cpt_suffixe"},     {"Rime", "age", "", "Listes/Rime_age"},
      {"Ana", "", "", "Listes/Ana_lettres"},     {"Phon", "", "", "Listes/Phon_mot"},
      {"Lipo", "", "", "Listes/Lipo_e"},         {"Mcr", "", "", "Listes/Mft_ch?t"},
      {"MotAna", "", "", "Listes/Mots_Ana"},     {"MotPali", "", "", "Listes/Mots_Palindrome"},
      {"MotPaliPhon", "", "", "Listes/Mots_Palindrome_Phonétique"},
      {"MotJanus", "", "", "Listes/Mots_Janus"}, {"MotOkapi", "", "", "Listes/Mots_Okapi"},
      {"MotPhokapi", "", "", "Listes/Mots_Phokapi"}, {"MotAmbi", "", "", "Listes/Mots_Ambigramme"},
      {"", "", "", "Listes/SansTitre.rtf"},
      {"Rime", "\xE9t\xE9", "", "Listes/Rime_été"},
      {"Rime", "a/b\\c", "", "Listes/Rime_a_b_c"},  // a suffix never leaves the folder
      {"", "", "/tmp/mes listes/rimes.rtf", "/tmp/mes listes/rimes"},
      {"MotPali", "", "/tmp/rimes.rtf", "Listes/Mots_Palindrome"},  // a search since the file was opened wins
  };
  for (const auto& c : cases) {
    AppState state;
    state.toolFileSuffix = {{ToolId::Spoonerism, "suffixe"}, {ToolId::Rhyme, c.rhymeSuffix},
                            {ToolId::Anagram, "lettres"},    {ToolId::Anaphone, "mot"},
                            {ToolId::Lipogram, "e"},         {ToolId::Filter, "ch?t"}};
    state.toolKey = c.toolKey;
    state.loadedFileName = QString::fromUtf8(c.loadedFile);
    EXPECT_EQ(ProposedSaveName(state), Native(c.expected)) << c.toolKey << " " << c.loadedFile;
  }
}

TEST(FormatOfName, ExtensionDecidesIgnoringCase) {
  const std::pair<const char*, std::optional<ListFormat>> cases[] = {
      {"a.txt", ListFormat::PlainText}, {"A.TXT", ListFormat::PlainText}, {"b.Rtf", ListFormat::RichText},
      {"c.doc", std::nullopt},          {"txt", std::nullopt},            {"liste.rtf.bak", std::nullopt}};
  for (const auto& [name, format] : cases) EXPECT_EQ(FormatOfName(name), format) << name;
}

// A document with what a result uses: fonts, sizes, colours, bold, italic, tabs, accents.
Document RichSample() {
  Document doc;
  doc.Append("   Rimes       Rime : «...age»", CharFormat{.half_points = 18, .color = {255, 0, 0}});
  doc.AppendParagraphBreak();
  doc.AppendParagraphBreak();
  doc.SetTabStops({1440, 2880});
  doc.Append(" 2 syllabes :", CharFormat{.bold = true});
  doc.AppendParagraphBreak();
  doc.Append("\timage\tpartage", CharFormat{.font = "Courier New", .half_points = 24, .color = {0, 128, 0}});
  doc.Append(" œuvre", CharFormat{.font = "Futura Medium BT", .italic = true});
  return doc;
}

class ListFileTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MakeWindow(ToolRegistry());
    window->SetResultDocument(RichSample());
  }
  // Saves the display under `name` through "Enregistrer la liste sous..." ("" cancels).
  void SaveAs(const QString& name) {
    dialogs->saveAnswers = {name};
    Trigger("mnuFileSaveAs");
  }
  void OpenFile(const QString& name) {
    dialogs->openAnswers = {name};
    Trigger("mnuFileOpen");
  }
  std::unique_ptr<MainWindow> Reopen(const QString& name) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    scripted->openAnswers = {name};
    auto other = std::make_unique<MainWindow>(lexicon, ToolRegistry(), std::move(scripted));
    Child<QAction>(*other, "mnuFileOpen")->trigger();
    return other;
  }
};

TEST_F(ListFileTest, RtfKeepsTheFormatsAndTextKeepsTheText) {
  EXPECT_EQ(window->ResultDocument(), RichSample()) << "the display holds what it was given";
  SaveAs(folder.File("Listes/liste.rtf"));
  SaveAs(folder.File("Listes/liste.txt"));
  EXPECT_TRUE(dialogs->messages.empty());
  const auto rtf = Reopen(folder.File("Listes/liste.rtf"));
  EXPECT_EQ(rtf->ResultDocument(), RichSample());
  EXPECT_EQ(rtf->windowTitle(), "Tavilo - liste.rtf");
  EXPECT_EQ(ReadBytes(folder.File("Listes/liste.txt")), WritePlainText(RichSample()));
  const Document text = Reopen(folder.File("Listes/liste.txt"))->ResultDocument();
  EXPECT_EQ(WritePlainText(text), WritePlainText(RichSample()));
  for (const Paragraph& paragraph : text.paragraphs())
    for (const auto& run : paragraph.runs) EXPECT_EQ(run.format.color, (Rgb{0, 0, 0})) << "text opens in black";
}

TEST_F(ListFileTest, PlainTextReopensWithTheColumnsOfTheBlocks) {
  // A rhyme-like block (a tab before each of six words) and a block with two tabs between words,
  // with words long enough to overflow a half-inch tab grid.
  std::string text = "   Rimes       Rime : \u00ab...age\u00bb       Mots trouv\u00e9s : 12\n\n 3 syllabes :\n";
  const char* words[] = {"abattage", "abatage",       "affranchissage",  "d\u00e9marrage", "ach\u00e8vement", "al",
                         "apprentissage", "b\u00e2illonnement", "cage", "page", "orage", "image"};
  for (int i = 0; i < 12; ++i) text += std::string("\t") + words[i] + (i % 6 == 5 ? "\n" : "");
  text += std::string(185, '-') + "\n\tchat\t\tchien\t\tcheval\n";
  WriteBytes(folder.File("Listes/rimes.txt"), text);
  const auto reopened = Reopen(folder.File("Listes/rimes.txt"));
  EXPECT_EQ(WritePlainText(reopened->ResultDocument()), text);
  // In the display's own layout, every line's k-th tab reaches the same x, after the text before it.
  QTextDocument* shown = reopened->resultDisplay()->document();
  shown->documentLayout()->documentSize();  // lays every block out
  std::map<int, qreal> columnX;
  for (QTextBlock block = shown->begin(); block.isValid(); block = block.next()) {
    const QString line = block.text();
    const QTextLine laid = block.layout()->lineAt(0);
    int tab = 0;
    for (qsizetype pos = line.indexOf(QLatin1Char('\t')); pos >= 0; pos = line.indexOf(QLatin1Char('\t'), pos + 1)) {
      const qreal x = laid.cursorToX(static_cast<int>(pos + 1));
      EXPECT_NEAR(x, columnX.emplace(tab, x).first->second, 0.5) << "tab " << tab << " of " << line.toStdString();
      EXPECT_GT(x, laid.cursorToX(static_cast<int>(pos))) << "text runs into column " << tab << ": "
                                                          << line.toStdString();
      ++tab;
    }
  }
  EXPECT_GE(columnX.size(), 6u);
}

TEST_F(ListFileTest, UpperCaseTxtOpensAsWindows1252PlainText) {
  WriteBytes(folder.File("LISTE.TXT"), "{\\rtf1 \\b gras}\r\ncaf\xE9");
  EXPECT_EQ(WritePlainText(Reopen(folder.File("LISTE.TXT"))->ResultDocument()), "{\\rtf1 \\b gras}\ncafé");
}

TEST_F(ListFileTest, OpeningAFileResetsTheToolStateAndNamesTheWindow) {
  WriteBytes(folder.File("Listes/rimes.rtf"), WriteRtf(RichSample()));
  window->SetResultDocument(Document());
  window->state().activeTool = ToolId::Rhyme;
  window->state().toolKey = "Rime";
  window->SetStatusLine(StatusLine::Count, "3199");
  OpenFile(folder.File("Listes/rimes.rtf"));
  EXPECT_EQ(dialogs->lastOpenDirectory, QDir::current().absoluteFilePath("Listes"));
  EXPECT_EQ(dialogs->lastOpenFilter,
            "Tous les fichiers (*.*);;Fichiers texte brut (*.txt);;Fichiers texte enrichi RTF (*.rtf)");
  EXPECT_EQ(dialogs->lastOpenSelectedFilter, "Tous les fichiers (*.*)");
  EXPECT_FALSE(window->state().activeTool.has_value());
  EXPECT_EQ(window->windowTitle(), "Tavilo - rimes.rtf");
  EXPECT_TRUE(Label("lblHeader").isEmpty());
  EXPECT_EQ(Label("Label2"), "") << "the last search's count goes";
  EXPECT_TRUE(Child<QAction>(*window, "Save")->isEnabled());
  SaveAs(QString());  // cancelled: only look at the proposal
  EXPECT_EQ(dialogs->lastSaveProposal, QDir::toNativeSeparators(folder.File("Listes/rimes")));
}

TEST_F(ListFileTest, ABadFileIsRefusedWithItsNameAndTheDisplayKept) {
  const std::pair<const char*, const char*> cases[] = {{"liste.doc", "du texte"},
                                                       {"casse.rtf", "{\\rtf1 {\\b pas fermé}"}};
  for (const auto& [name, bytes] : cases) {
    dialogs->messages.clear();
    WriteBytes(folder.File(name), bytes);
    OpenFile(folder.File(name));
    ASSERT_EQ(dialogs->messages.size(), 1u) << name;
    EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Warning);
    EXPECT_TRUE(dialogs->messages[0].text.contains(name)) << dialogs->messages[0].text.toStdString();
    EXPECT_EQ(window->ResultDocument(), RichSample());
    EXPECT_EQ(window->windowTitle(), "Tavilo");
  }
  SaveAs(folder.File("Listes/liste.doc"));
  EXPECT_EQ(dialogs->messages.size(), 2u);
  EXPECT_FALSE(QFileInfo::exists(folder.File("Listes/liste.doc")));
}

TEST_F(ListFileTest, CancellingChangesNothing) {
  OpenFile(QString());
  SaveAs(QString());
  EXPECT_TRUE(dialogs->messages.empty());
  EXPECT_EQ(window->ResultDocument(), RichSample());
  EXPECT_EQ(QDir(folder.File("Listes")).entryList(QDir::Files), QStringList());
}

TEST_F(ListFileTest, SaveAsProposesRichTextInTheListsFolder) {
  window->state().toolKey = "MotPali";
  SaveAs(QString());
  EXPECT_TRUE(QFileInfo(folder.File("Listes")).isDir()) << "the folder is created when missing";
  EXPECT_EQ(dialogs->lastSaveProposal, QDir::toNativeSeparators(folder.File("Listes/Mots_Palindrome")));
  EXPECT_EQ(dialogs->lastSaveFilter, "Fichiers texte brut (*.txt);;Fichiers texte enrichi RTF (*.rtf)");
  EXPECT_EQ(dialogs->lastSaveSelectedFilter, "Fichiers texte enrichi RTF (*.rtf)");
}

TEST_F(ListFileTest, ANameWithoutExtensionTakesTheSelectedTypeAndReplacesAnOldFile) {
  WriteBytes(folder.File("Listes/sans.rtf"), "ancien contenu");
  SaveAs(folder.File("Listes/sans"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/sans.rtf")), WriteRtf(RichSample()));
  dialogs->saveFilterAnswer = "Fichiers texte brut (*.txt)";
  SaveAs(folder.File("Listes/brut"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/brut.txt")), WritePlainText(RichSample()));
}

TEST_F(ListFileTest, AFailedSaveIsReportedAndLeavesTheTargetAlone) {
  // A folder stands where the file should go: the save cannot replace it.
  WriteBytes(folder.File("Listes/dossier.rtf/garde.txt"), "ancien contenu");
  SaveAs(folder.File("Listes/dossier.rtf"));
  ASSERT_EQ(dialogs->messages.size(), 1u);
  EXPECT_TRUE(dialogs->messages[0].text.contains("dossier.rtf"));
  EXPECT_EQ(ReadBytes(folder.File("Listes/dossier.rtf/garde.txt")), "ancien contenu");
  EXPECT_EQ(QDir(folder.File("Listes")).entryList(QDir::Files), QStringList()) << "no temporary file left";
}

TEST_F(ListFileTest, TheAuxiliaryWindowsProposalWinsWhileItIsOpen) {
  QWidget auxiliary;
  auxiliary.show();
  window->SetAuxiliaryWindow(&auxiliary, [] {
    SaveProposal proposal{DocumentFromPlainText("groupe"), "Listes/Ana_abc_4",
                          "Tavilo - Anagrammes - Automatique - abc_4"};
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

TEST_F(ListFileTest, PrintingToAPdfFileWritesAPdfAndCancellingWritesNothing) {
  const QString pdf = folder.File("liste.pdf");
  Trigger("mnuFilePrint");
  EXPECT_FALSE(QFileInfo::exists(pdf));
  dialogs->printAnswer = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  Trigger("Print");
  EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace tavilo::testing
