#include "app/settings.h"

#include <QSettings>
#include <cmath>

namespace tavilo {
namespace {

constexpr char kOrganization[] = "Tavilo";
constexpr char kApplication[] = "Tavilo";
constexpr char kGroup[] = "Settings";

constexpr char kLeft[] = "MainLeft";
constexpr char kTop[] = "MainTop";
constexpr char kCommonWordsFirst[] = "CommonWordsFirst";

int ReadInt(const QSettings& settings, const char* key, int fallback) {
  bool ok = false;
  const int value = settings.value(QLatin1String(key)).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

WindowPositionTwips LoadMainPosition() {
  QSettings settings{QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication)};
  settings.beginGroup(QLatin1String(kGroup));
  const WindowPositionTwips defaults;
  return {ReadInt(settings, kLeft, defaults.left), ReadInt(settings, kTop, defaults.top)};
}

void SaveMainPosition(const WindowPositionTwips& position) {
  QSettings settings{QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication)};
  settings.beginGroup(QLatin1String(kGroup));
  settings.setValue(QLatin1String(kLeft), position.left);
  settings.setValue(QLatin1String(kTop), position.top);
}

bool LoadCommonWordsFirst() {
  QSettings settings{QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication)};
  settings.beginGroup(QLatin1String(kGroup));
  return ReadInt(settings, kCommonWordsFirst, 0) == 1;
}

void SaveCommonWordsFirst(bool on) {
  QSettings settings{QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication)};
  settings.beginGroup(QLatin1String(kGroup));
  settings.setValue(QLatin1String(kCommonWordsFirst), on ? 1 : 0);
}

QPoint TwipsToPixels(const WindowPositionTwips& twips, double dpi) {
  const double perPixel = 1440.0 / dpi;
  return {static_cast<int>(std::lround(twips.left / perPixel)), static_cast<int>(std::lround(twips.top / perPixel))};
}

WindowPositionTwips PixelsToTwips(const QPoint& pixels, double dpi) {
  const double perPixel = 1440.0 / dpi;
  return {static_cast<int>(std::lround(pixels.x() * perPixel)), static_cast<int>(std::lround(pixels.y() * perPixel))};
}

}  // namespace tavilo
