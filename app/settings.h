// The program's settings: application "Tavilo", group "Settings". The main window's left and
// top position are kept in twips (1/1440 inch), as "MainLeft" and "MainTop".
#pragma once

#include <QPoint>

namespace tavilo {

struct WindowPositionTwips {
  int left = 1650;
  int top = 840;
  friend bool operator==(const WindowPositionTwips&, const WindowPositionTwips&) = default;
};

// Reads the stored position; a missing or unreadable value gives its default.
WindowPositionTwips LoadMainPosition();
void SaveMainPosition(const WindowPositionTwips& position);

// "Mots courants en premier" (Outils menu): whether the tools list the most common words first.
// Unchecked until the user checks it.
bool LoadCommonWordsFirst();
void SaveCommonWordsFirst(bool on);

// Conversions at a screen resolution in dots per inch (twips per pixel = 1440 / dpi).
QPoint TwipsToPixels(const WindowPositionTwips& twips, double dpi);
WindowPositionTwips PixelsToTwips(const QPoint& pixels, double dpi);

}  // namespace tavilo
