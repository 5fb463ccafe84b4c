// The main window's position in the settings: application "Tavilo", group "Settings", keys
// "MainLeft" and "MainTop" in twips.
#include <gtest/gtest.h>

#include <QScreen>
#include <QSettings>

#include "app/main_window.h"
#include "app/settings.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

QVariant Stored(const char* key) {
  QSettings settings(QStringLiteral("Tavilo"), QStringLiteral("Tavilo"));
  return settings.value(QStringLiteral("Settings/") + QLatin1String(key));
}

void Store(int left, int top) {
  QSettings settings(QStringLiteral("Tavilo"), QStringLiteral("Tavilo"));
  settings.setValue(QStringLiteral("Settings/MainLeft"), left);
  settings.setValue(QStringLiteral("Settings/MainTop"), top);
}

TEST(Twips, FifteenTwipsPerPixelAtNinetySixDots) {
  EXPECT_EQ(TwipsToPixels({1650, 840}, 96), QPoint(110, 56));
  EXPECT_EQ(PixelsToTwips(QPoint(110, 56), 96), (WindowPositionTwips{1650, 840}));
  EXPECT_EQ(TwipsToPixels({1440, 2880}, 120), QPoint(120, 240));
}

class SettingsTest : public ::testing::Test {
 protected:
  std::unique_ptr<MainWindow> Make() {
    return std::make_unique<MainWindow>(lexicon, ToolRegistry(), std::make_unique<ScriptedDialogs>());
  }
  double Dpi(const MainWindow& window) { return window.screen()->logicalDotsPerInch(); }

  ScratchFolder folder;
  Lexicon lexicon;
};

TEST_F(SettingsTest, DefaultsWhenNothingIsStored) {
  EXPECT_EQ(LoadMainPosition(), (WindowPositionTwips{1650, 840}));
  const auto window = Make();
  EXPECT_EQ(window->pos(), TwipsToPixels({1650, 840}, Dpi(*window)));
}

TEST_F(SettingsTest, UnreadableValuesFallBackToTheDefaults) {
  QSettings settings(QStringLiteral("Tavilo"), QStringLiteral("Tavilo"));
  settings.setValue(QStringLiteral("Settings/MainLeft"), QStringLiteral("gauche"));
  settings.sync();
  EXPECT_EQ(LoadMainPosition(), (WindowPositionTwips{1650, 840}));
}

TEST_F(SettingsTest, TheStoredPositionIsRestored) {
  Store(3000, 1500);
  const auto window = Make();
  EXPECT_EQ(window->pos(), TwipsToPixels({3000, 1500}, Dpi(*window)));
}

TEST_F(SettingsTest, APositionOffEveryScreenFallsBackToTheDefault) {
  Store(-900000, 9000000);
  const auto window = Make();
  EXPECT_EQ(window->pos(), TwipsToPixels({1650, 840}, Dpi(*window)));
}

TEST_F(SettingsTest, ClosingStoresThePosition) {
  const auto window = Make();
  window->show();
  window->move(300, 200);
  window->close();
  const WindowPositionTwips expected = PixelsToTwips(window->pos(), Dpi(*window));
  EXPECT_EQ(Stored("MainLeft").toInt(), expected.left);
  EXPECT_EQ(Stored("MainTop").toInt(), expected.top);
  EXPECT_NE(expected, WindowPositionTwips{}) << "the window really moved away from the default";
}

TEST_F(SettingsTest, ClosingWhileMinimisedKeepsTheStoredPosition) {
  Store(3000, 1500);
  const auto window = Make();
  window->show();
  window->move(300, 200);
  window->showMinimized();
  ASSERT_TRUE(window->isMinimized());
  window->close();
  EXPECT_EQ(Stored("MainLeft").toInt(), 3000);
  EXPECT_EQ(Stored("MainTop").toInt(), 1500);
}

}  // namespace
}  // namespace tavilo::testing
