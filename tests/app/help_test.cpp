// Help: the shipped pages, their links, the search, and the messages when there is no help.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/help_window.h"
#include "app/main_window.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<MainWindow>(lexicon, ToolRegistry(), std::move(scripted));
  }
  ScratchFolder folder;
  Lexicon lexicon;
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

QString ReadResource(const QString& file) {
  QFile page(QStringLiteral(":/help/") + file);
  return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

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
      if (target.isEmpty()) continue;
      EXPECT_TRUE(files.contains(target) || target == QLatin1String("aide.css"))
          << file.toStdString() << " links to " << target.toStdString();
    }
  }
  // The contents page leads to every other page.
  const QString index = ReadResource(files.front());
  for (const QString& file : files.mid(1)) EXPECT_TRUE(index.contains(file)) << file.toStdString();
}

TEST_F(HelpTest, ContentsOpenTheHelpWindowOnTheContentsPage) {
  window->findChild<QAction*>("mnuHelpContents")->trigger();
  EXPECT_TRUE(dialogs->messages.empty());
  auto* help = window->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->currentPage(), "index.html");
  EXPECT_TRUE(help->browser()->toPlainText().contains("Tavilo"));
  EXPECT_TRUE(help->OpenPage("rimes.html"));
  EXPECT_TRUE(help->browser()->toPlainText().contains("Conserver la graphie"));
}

TEST_F(HelpTest, SearchFindsPagesIgnoringCaseAndAccents) {
  HelpWindow help(QStringLiteral(":/help"));
  const QStringList rhyme = help.Search("CONSERVER LA GRAPHIE");
  EXPECT_TRUE(rhyme.contains("rimes.html"));
  EXPECT_FALSE(rhyme.contains("anagrammes.html"));
  EXPECT_TRUE(help.Search("contrepeteries").contains("contrepeteries.html"));
  EXPECT_TRUE(help.Search("palindromes ambigrammes").contains("listages.html"));
  EXPECT_TRUE(help.Search("zzzz introuvable").isEmpty());
  EXPECT_TRUE(help.Search("   ").isEmpty());
}

TEST_F(HelpTest, NoHelpGivesTheTwoMessages) {
  window->SetHelpRoot(folder.File("pas-d-aide"));
  window->findChild<QAction*>("mnuHelpContents")->trigger();
  window->findChild<QAction*>("mnuHelpSearchForHelpOn")->trigger();
  ASSERT_EQ(dialogs->messages.size(), 2u);
  EXPECT_EQ(dialogs->messages[0].kind, ScriptedDialogs::Message::Kind::Information);
  EXPECT_EQ(dialogs->messages[0].text, "Désolé, pas encore d'aide associée à ce programme.");
  EXPECT_EQ(dialogs->messages[1].kind, ScriptedDialogs::Message::Kind::Information);
  EXPECT_EQ(dialogs->messages[1].text, "Désolé, pas encore de rubrique d'aide pour ce programme.");
  EXPECT_EQ(window->findChild<HelpWindow*>(), nullptr);
}

TEST_F(HelpTest, AnUnreadablePageSaysWhy) {
  HelpWindow help(QStringLiteral(":/help"));
  EXPECT_FALSE(help.OpenPage("absente.html"));
  EXPECT_TRUE(help.browser()->toPlainText().contains("absente.html"));
}

TEST_F(HelpTest, AboutShowsVersionLicenceAndCredits) {
  QString text;
  dialogs->modalAnswer = [&](QDialog& about) {
    for (const QLabel* label : about.findChildren<QLabel*>()) text += label->text();
    return QDialog::Accepted;
  };
  window->findChild<QAction*>("mnuHelpAbout")->trigger();
  EXPECT_TRUE(text.contains(QStringLiteral("Version ") + QString::fromLatin1(Version())));
  EXPECT_TRUE(text.contains("GPL"));
  EXPECT_TRUE(text.contains("Lexique 3"));
  EXPECT_TRUE(text.contains("CC BY-SA 4.0"));
}

}  // namespace
}  // namespace tavilo::testing
