// The main window's position in the settings: application "Tavilo", group "Settings", keys
// "MainLeft" and "MainTop" in twips.
#include <QScreen>
#include <QSettings>

#include "app/settings.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

const WindowPositionTwips kDefault{1650, 840};

QSettings Settings() { return QSettings(QStringLiteral("Tavilo"), QStringLiteral("Tavilo")); }

TEST(Twips, FifteenTwipsPerPixelAtNinetySixDots) {
  EXPECT_EQ(TwipsToPixels({1650, 840}, 96), QPoint(110, 56));
  EXPECT_EQ(PixelsToTwips(QPoint(110, 56), 96), (WindowPositionTwips{1650, 840}));
  EXPECT_EQ(TwipsToPixels({1440, 2880}, 120), QPoint(120, 240));
}

class SettingsTest : public MainWindowFixture {
 protected:
  QPoint Expected(WindowPositionTwips twips) const {
    return TwipsToPixels(twips, window->screen()->logicalDotsPerInch());
  }
};

TEST_F(SettingsTest, TheStoredPositionIsRestoredWhenItIsUsable) {
  const struct {
    QVariant left, top;
    WindowPositionTwips expected;
  } cases[] = {
      {{}, {}, kDefault},                                // nothing stored
      {3000, 1500, {3000, 1500}},                        //
      {QStringLiteral("gauche"), 1500, {1650, 1500}},    // each unreadable value takes its default
      {-900000, 9000000, kDefault},                      // off every screen
  };
  for (const auto& c : cases) {
    QSettings settings = Settings();
    settings.clear();
    if (c.left.isValid()) settings.setValue(QStringLiteral("Settings/MainLeft"), c.left);
    if (c.top.isValid()) settings.setValue(QStringLiteral("Settings/MainTop"), c.top);
    settings.sync();
    MakeWindow(ToolRegistry());
    EXPECT_EQ(window->pos(), Expected(c.expected)) << c.left.toString().toStdString();
  }
}

TEST_F(SettingsTest, ClosingStoresThePositionUnlessMinimised) {
  for (const bool minimised : {false, true}) {
    QSettings settings = Settings();
    settings.setValue(QStringLiteral("Settings/MainLeft"), 3000);
    settings.setValue(QStringLiteral("Settings/MainTop"), 1500);
    settings.sync();
    MakeWindow(ToolRegistry());
    window->show();
    window->move(300, 200);
    if (minimised) window->showMinimized();
    ASSERT_EQ(window->isMinimized(), minimised);
    const WindowPositionTwips moved = PixelsToTwips(window->pos(), window->screen()->logicalDotsPerInch());
    window->close();
    settings.sync();
    const WindowPositionTwips expected = minimised ? WindowPositionTwips{3000, 1500} : moved;
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainLeft")).toInt(), expected.left) << minimised;
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainTop")).toInt(), expected.top) << minimised;
  }
}

}  // namespace
}  // namespace tavilo::testing
