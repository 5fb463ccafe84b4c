// Start-up: the splash window's progress, a data error stopping start-up, missing adjectives.
#include <QLabel>
#include <QProgressBar>
#include <QRegularExpression>
#include <algorithm>
#include <fstream>

#include "app/splash_window.h"
#include "support/fixture_lexicon.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

TEST(Splash, ShowsNameVersionAndProgressWhileLoading) {
  EnsureApplication();
  FixtureLexicon data;
  data.Add(TableKind::Nouns, {{"chat", "Sa", 1, 1}, {"image", "imaZ", 2, 0}, {"page", "paZ", 1, 1}});
  SplashWindow splash;
  EXPECT_EQ(Child<QLabel>(splash, "lblProductName")->text(), "Tavilo ");
  EXPECT_EQ(Child<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version ") + Version());
  EXPECT_TRUE(QString::fromLatin1(Version()).contains(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")));
  EXPECT_EQ(splash.cursor().shape(), Qt::WaitCursor);
  std::vector<int> seen;
  QObject::connect(Child<QProgressBar>(splash, "ProgressBar1"), &QProgressBar::valueChanged,
                   [&](int value) { seen.push_back(value); });
  ScriptedDialogs dialogs;
  const auto lexicon = LoadLexiconWithSplash(splash, data.Write(), dialogs);
  ASSERT_NE(lexicon, nullptr);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(lexicon->nouns.Size(), 3u);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), 3);
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(Splash, ADataErrorStopsStartUpNamingTheFileAndMissingAdjectivesDoNot) {
  EnsureApplication();
  const struct {
    const char* what;
    std::optional<TableKind> omitted;
    const char* appendedToVerbs;
    QStringList named;  // in the message; none when start-up goes on
  } cases[] = {
      {"a line without separator", {}, "sans separateur\r\n", {"vr.tav", "2"}},  // the second line is bad
      {"no nouns", TableKind::Nouns, "", {"nm.tav"}},
      {"no adjectives", TableKind::Adjectives, "", {}},
  };
  for (const auto& c : cases) {
    FixtureLexicon data;
    data.Add(TableKind::Verbs, {{"nager", "naZe", 2, 1}});
    if (c.omitted) data.Omit(*c.omitted);
    const std::filesystem::path dir = data.Write();
    if (*c.appendedToVerbs) std::ofstream(dir / "vr.tav", std::ios::binary | std::ios::app) << c.appendedToVerbs;
    SplashWindow splash;
    ScriptedDialogs dialogs;
    const auto lexicon = LoadLexiconWithSplash(splash, dir, dialogs);
    EXPECT_EQ(lexicon == nullptr, !c.named.isEmpty()) << c.what;
    ASSERT_EQ(dialogs.messages.size(), c.named.isEmpty() ? 0u : 1u) << c.what;
    for (const QString& part : c.named)
      EXPECT_TRUE(dialogs.messages[0].text.contains(part)) << c.what << ": " << dialogs.messages[0].text.toStdString();
    if (lexicon) EXPECT_TRUE(lexicon->adjectivesMissing) << c.what;
    else EXPECT_FALSE(splash.isVisible()) << c.what;
  }
}

}  // namespace
}  // namespace tavilo::testing
