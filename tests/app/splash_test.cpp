// Start-up: the splash window's progress, a data error stopping start-up, missing adjectives.
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <algorithm>
#include <fstream>

#include "app/splash_window.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

TEST(Splash, ShowsNameVersionAndProgressWhileLoading) {
  ScratchFolder folder;
  WriteSmallData(folder.path().toStdString());
  SplashWindow splash;
  EXPECT_EQ(Child<QLabel>(splash, "lblProductName")->text(), "Tavilo ");
  EXPECT_EQ(Child<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version ") + Version());
  EXPECT_TRUE(QString::fromLatin1(Version()).contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
  EXPECT_EQ(splash.cursor().shape(), Qt::WaitCursor);
  std::vector<int> seen;
  QObject::connect(Child<QProgressBar>(splash, "ProgressBar1"), &QProgressBar::valueChanged,
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

TEST(Splash, ADataErrorStopsStartUpNamingTheFile) {
  const struct {
    const char* what;
    bool writeData;
    const char* appendedToVerbs;
    QStringList named;  // in the message
  } cases[] = {
      {"a line without separator", true, "sans separateur\r\n", {"vr.tav", "2"}},  // the second line is bad
      {"no data at all", false, "", {"nm.tav"}},
  };
  for (const auto& c : cases) {
    ScratchFolder folder;
    const std::filesystem::path dir = folder.path().toStdString();
    if (c.writeData) WriteSmallData(dir);
    if (*c.appendedToVerbs) std::ofstream(dir / "vr.tav", std::ios::binary | std::ios::app) << c.appendedToVerbs;
    SplashWindow splash;
    ScriptedDialogs dialogs;
    EXPECT_EQ(LoadLexiconWithSplash(splash, dir, dialogs), nullptr) << c.what;
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.what;
    for (const QString& part : c.named)
      EXPECT_TRUE(dialogs.messages[0].text.contains(part)) << c.what << ": " << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(splash.isVisible());
  }
}

TEST(Splash, MissingAdjectivesDoNotStopStartUp) {
  ScratchFolder folder;
  WriteSmallData(folder.path().toStdString(), /*withAdjectives=*/false);
  SplashWindow splash;
  ScriptedDialogs dialogs;
  const auto lexicon = LoadLexiconWithSplash(splash, folder.path().toStdString(), dialogs);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_TRUE(lexicon->adjectivesMissing);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace tavilo::testing
