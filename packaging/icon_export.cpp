// tavilo-icon-export: writes the program's icon (the one the splash window and every window show)
// as a PNG of the size asked, for the desktop's hicolor icon theme. Run at build time; needs no
// display.
//
//   tavilo-icon-export SIZE FILE
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/icons.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "Usage : tavilo-icon-export TAILLE FICHIER\n";
    return 2;
  }
  const int size = std::atoi(argv[1]);
  if (size < 8 || size > 1024) {
    std::cerr << "tavilo-icon-export : taille refus\xC3\xA9" "e : " << argv[1] << "\n";
    return 2;
  }
  // Painting text needs the font database of a GUI application, not a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    tavilo::MakeIcon(tavilo::IconKind::Program).paint(&painter, image.rect());
  }
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::cerr << "tavilo-icon-export : impossible d'\xC3\xA9" "crire " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
