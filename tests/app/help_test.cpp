// Help: the shipped pages and their links, the help window and its search, the messages when
// there is no help, and the About box.
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/help_window.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

QString ReadResource(const QString& file) {
  QFile page(QStringLiteral(":/help/") + file);
  return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

class HelpTest : public MainWindowFixture {
 protected:
  void SetUp() override { MakeWindow(ToolRegistry()); }
};

TEST_F(HelpTest, EveryPageIsShippedInFrenchAndItsLinksLeadToShippedPages) {
  QStringList files;
  for (const HelpPage& page : HelpPages()) files << QString::fromLatin1(page.file);
  const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
  for (const QString& file : files) {
    const QString html = ReadResource(file);
    ASSERT_FALSE(html.isEmpty()) << file.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("lang=\"fr\""))) << file.toStdString();
    for (auto it = link.globalMatch(html); it.hasNext();) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(target.isEmpty() || files.contains(target) || target == QLatin1String("aide.css"))
          << file.toStdString() << " links to " << target.toStdString();
    }
    EXPECT_TRUE(file == files.front() || ReadResource(files.front()).contains(file))
        << "the contents page leads to " << file.toStdString();
  }
}

TEST_F(HelpTest, ContentsOpenTheHelpWindowOnTheContentsPage) {
  Trigger("mnuHelpContents");
  EXPECT_TRUE(dialogs->messages.empty());
  auto* help = window->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->currentPage(), "index.html");
  EXPECT_TRUE(help->OpenPage("rimes.html"));
  EXPECT_TRUE(help->browser()->toPlainText().contains("Conserver la graphie"));
  EXPECT_FALSE(help->OpenPage("absente.html"));
  EXPECT_TRUE(help->browser()->toPlainText().contains("absente.html")) << "an unreadable page says which";
}

TEST_F(HelpTest, SearchFindsPagesIgnoringCaseAndAccents) {
  HelpWindow help(QStringLiteral(":/help"));
  const struct {
    const char* words;
    const char* found;  // a page among those found; "" for none at all
    const char* notFound;
  } cases[] = {
      {"CONSERVER LA GRAPHIE", "rimes.html", "anagrammes.html"},
      {"contrepeteries", "contrepeteries.html", ""},
      {"palindromes ambigrammes", "listages.html", ""},
      {"zzzz introuvable", "", ""},
      {"   ", "", ""},
  };
  for (const auto& c : cases) {
    const QStringList pages = help.Search(c.words);
    if (*c.found) EXPECT_TRUE(pages.contains(c.found)) << c.words;
    else EXPECT_TRUE(pages.isEmpty()) << c.words;
    if (*c.notFound) {
      EXPECT_FALSE(pages.contains(c.notFound)) << c.words;
    }
  }
}

TEST_F(HelpTest, NoHelpGivesTheTwoMessages) {
  window->SetHelpRoot(folder.File("pas-d-aide"));
  Trigger("mnuHelpContents");
  Trigger("mnuHelpSearchForHelpOn");
  EXPECT_EQ(Messages(), QStringList({"Désolé, pas encore d'aide associée à ce programme.",
                                     "Désolé, pas encore de rubrique d'aide pour ce programme."}));
  for (const auto& message : dialogs->messages) EXPECT_EQ(message.kind, ScriptedDialogs::Message::Kind::Information);
  EXPECT_EQ(window->findChild<HelpWindow*>(), nullptr);
}

TEST_F(HelpTest, AboutShowsVersionLicenceAndCredits) {
  QString text;
  dialogs->modalAnswer = [&](QDialog& about) {
    for (const QLabel* label : about.findChildren<QLabel*>()) text += label->text();
    return QDialog::Accepted;
  };
  Trigger("mnuHelpAbout");
  for (const QString& part : {QStringLiteral("Version ") + QString::fromLatin1(Version()), QStringLiteral("GPL"),
                              QStringLiteral("Lexique 3"), QStringLiteral("CC BY-SA 4.0")})
    EXPECT_TRUE(text.contains(part)) << part.toStdString();
}

}  // namespace
}  // namespace tavilo::testing
