// Start-up: the splash window's progress, a data error stopping start-up, missing adjectives.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <algorithm>
#include <fstream>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

namespace fs = std::filesystem;

TEST(Splash, ShowsNameVersionAndProgress) {
  EnsureApplication();
  SplashWindow splash;
  EXPECT_EQ(splash.findChild<QLabel*>("lblProductName")->text(), "Tavilo ");
  EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version ") + Version());
  EXPECT_TRUE(QString::fromLatin1(Version()).contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
  const QProgressBar* bar = splash.findChild<QProgressBar*>("ProgressBar1");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(splash.cursor().shape(), Qt::WaitCursor);
}

TEST(Splash, LoadsTheDataAndEndsAtOneHundred) {
  ScratchFolder folder;
  WriteSmallData(folder.path().toStdString());
  SplashWindow splash;
  std::vector<int> seen;
  QObject::connect(splash.findChild<QProgressBar*>("ProgressBar1"), &QProgressBar::valueChanged,
                   [&](int value) { seen.push_back(value); });
  ScriptedDialogs dialogs;
  const auto lexicon = LoadLexiconWithSplash(splash, folder.path().toStdString(), dialogs);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(lexicon->nouns.Size(), 3u);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), 3);
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(Splash, ADataErrorNamesTheFileAndTheLine) {
  ScratchFolder folder;
  const fs::path dir = folder.path().toStdString();
  WriteSmallData(dir);
  {
    std::ofstream broken(dir / "vr.tav", std::ios::binary | std::ios::app);
    broken << "sans separateur\r\n";
  }
  SplashWindow splash;
  ScriptedDialogs dialogs;
  EXPECT_EQ(LoadLexiconWithSplash(splash, dir, dialogs), nullptr);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains("vr.tav")) << dialogs.messages[0].text.toStdString();
  EXPECT_TRUE(dialogs.messages[0].text.contains("2")) << "the second line is the bad one";
  EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, AMissingRequiredFileStopsStartUp) {
  ScratchFolder folder;
  SplashWindow splash;
  ScriptedDialogs dialogs;
  EXPECT_EQ(LoadLexiconWithSplash(splash, folder.path().toStdString(), dialogs), nullptr);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].text.contains("nm.tav"));
}

TEST(Splash, MissingAdjectivesStartAndDisableThePalindromeListing) {
  ScratchFolder folder;
  WriteSmallData(folder.path().toStdString(), /*withAdjectives=*/false);
  SplashWindow splash;
  ScriptedDialogs dialogs;
  const auto lexicon = LoadLexiconWithSplash(splash, folder.path().toStdString(), dialogs);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_TRUE(lexicon->adjectivesMissing);
  ToolRegistry tools;
  tools.AddListing(ListingId::Palindromes, [](ListingContext&) { return std::optional<ToolResult>(); });
  MainWindow window(*lexicon, std::move(tools), std::make_unique<ScriptedDialogs>());
  EXPECT_FALSE(window.findChild<QAction*>("mnuCmpListPali")->isEnabled());
}

}  // namespace
}  // namespace tavilo::testing
