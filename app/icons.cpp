#include "app/icons.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <initializer_list>

namespace tavilo {
namespace {

// Every icon is drawn on a 32 x 32 grid; the painter scales it to the size asked.
constexpr double kGrid = 32.0;

const QColor kOutline(40, 48, 64);
const QColor kTileFace(250, 236, 196);
const QColor kTileEdge(176, 140, 80);
const QColor kBlue(46, 104, 180);
const QColor kRed(206, 40, 40);

QFont LetterFont(double pixelSize) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setBold(true);
  font.setPixelSize(static_cast<int>(pixelSize));
  return font;
}

// A letter tile (as in word games) with its top-left corner at (x, y).
void Tile(QPainter& p, double x, double y, double size, const QString& letter, const QColor& ink = kOutline) {
  p.setPen(QPen(kTileEdge, 1.2));
  p.setBrush(kTileFace);
  p.drawRoundedRect(QRectF(x, y, size, size), 2.2, 2.2);
  p.setPen(ink);
  p.setFont(LetterFont(size * 0.72));
  p.drawText(QRectF(x, y + size * 0.02, size, size), Qt::AlignCenter, letter);
}

void Arrowhead(QPainter& p, QPointF tip, QPointF from, const QColor& color) {
  const QLineF back(tip, from);
  QLineF left = back;
  left.setLength(4.2);
  left.setAngle(back.angle() + 28);
  QLineF right = back;
  right.setLength(4.2);
  right.setAngle(back.angle() - 28);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(QPolygonF({tip, left.p2(), right.p2()}));
}

void DrawOpen(QPainter& p) {
  p.setPen(QPen(QColor(120, 84, 20), 1.2));
  p.setBrush(QColor(226, 176, 72));
  QPainterPath back;
  back.moveTo(3, 8);
  back.lineTo(12, 8);
  back.lineTo(14.5, 11);
  back.lineTo(27, 11);
  back.lineTo(27, 26);
  back.lineTo(3, 26);
  back.closeSubpath();
  p.drawPath(back);
  p.setBrush(QColor(250, 212, 110));
  p.drawPolygon(QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(26.5, 26), QPointF(3, 26)}));
}

void DrawSave(QPainter& p) {
  QPainterPath body;
  body.moveTo(4, 4);
  body.lineTo(24.5, 4);
  body.lineTo(28, 7.5);
  body.lineTo(28, 28);
  body.lineTo(4, 28);
  body.closeSubpath();
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(kBlue);
  p.drawPath(body);
  p.setBrush(QColor(214, 220, 228));
  p.drawRect(QRectF(9, 4, 13, 8));
  p.setBrush(kOutline);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(17, 5.5, 3, 5));
  p.setPen(QPen(kOutline, 1.0));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 16, 16, 12));
  p.setPen(QPen(QColor(150, 160, 176), 1.0));
  p.drawLine(QPointF(10.5, 20), QPointF(21.5, 20));
  p.drawLine(QPointF(10.5, 24), QPointF(21.5, 24));
}

void DrawPrint(QPainter& p) {
  p.setPen(QPen(kOutline, 1.1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 3, 14, 11));
  p.setBrush(QColor(150, 158, 170));
  p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 19, 16, 10));
  p.setPen(QPen(QColor(150, 160, 176), 1.0));
  p.drawLine(QPointF(10.5, 23), QPointF(21.5, 23));
  p.drawLine(QPointF(10.5, 26), QPointF(18.5, 26));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 180, 80));
  p.drawEllipse(QPointF(25, 15.5), 1.3, 1.3);
}

void Sheet(QPainter& p, double x, double y) {
  p.setPen(QPen(kOutline, 1.1));
  p.setBrush(Qt::white);
  QPainterPath sheet;
  sheet.moveTo(x, y);
  sheet.lineTo(x + 10, y);
  sheet.lineTo(x + 15, y + 5);
  sheet.lineTo(x + 15, y + 19);
  sheet.lineTo(x, y + 19);
  sheet.closeSubpath();
  p.drawPath(sheet);
  p.setPen(QPen(kBlue, 1.1));
  for (double line = y + 8; line < y + 17; line += 3) p.drawLine(QPointF(x + 3, line), QPointF(x + 12, line));
}

void DrawCopy(QPainter& p) {
  Sheet(p, 4, 3);
  Sheet(p, 13, 10);
}

// A curved stroke from `start` to `end` (a cubic through c1 and c2), and an arrowhead pointing to
// `tip` from `from`.
void CurvedArrow(QPainter& p, QPointF start, QPointF c1, QPointF c2, QPointF end, QPointF tip, QPointF from,
                 const QColor& color, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
  QPainterPath path;
  path.moveTo(start);
  path.cubicTo(c1, c2, end);
  p.drawPath(path);
  Arrowhead(p, tip, from, color);
}

void DrawSpoonerism(QPainter& p) {
  Tile(p, 2, 10, 12, QStringLiteral("B"), kBlue);
  Tile(p, 18, 10, 12, QStringLiteral("M"), kRed);
  CurvedArrow(p, {8, 8.5}, {10, 1.5}, {22, 1.5}, {23.5, 6.5}, {24.3, 9}, {23, 4.5}, kBlue, 1.8);
  CurvedArrow(p, {24, 23.5}, {22, 30.5}, {10, 30.5}, {8.5, 25.5}, {7.7, 23}, {9, 27.5}, kRed, 1.8);
}

void DrawPhrase(QPainter& p) {
  // A line of words, two of them exchanging their first letters.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 128, 144));
  p.drawRoundedRect(QRectF(2, 22, 28, 4), 1.5, 1.5);
  Tile(p, 3, 9, 10, QStringLiteral("C"), kBlue);
  Tile(p, 19, 9, 10, QStringLiteral("B"), kRed);
  CurvedArrow(p, {8, 7.5}, {10, 1.5}, {21, 1.5}, {23, 5.5}, {24, 8}, {22.6, 4}, kBlue, 1.6);
}

// Lines of verse: each a grey bar from its start to `rhymeAt` - 2, then the red rhyme up to 29;
// the first at `top`, one every `step`.
void VerseLines(QPainter& p, std::initializer_list<double> starts, double top, double step, double rhymeAt) {
  double y = top;
  for (const double start : starts) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 128, 144));
    p.drawRoundedRect(QRectF(start, y, rhymeAt - 2 - start, 4.5), 1.5, 1.5);
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(rhymeAt, y, 29 - rhymeAt, 4.5), 1.5, 1.5);
    y += step;
  }
}

void DrawRhyme(QPainter& p) {
  // Three lines of verse of different lengths ending on the same sound.
  VerseLines(p, {4, 9, 6}, 6.5, 8.5, 21);
}

void DrawWordRhyme(QPainter& p) {
  // A word (a letter tile) and, under it, two lines of verse whose ends rhyme with it, an arrow
  // leading from the word to the rhyming ends: set apart from the three lines of Rimes.
  Tile(p, 2, 2, 14, QStringLiteral("M"), kBlue);
  p.setPen(QPen(kRed, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(17.5, 9), QPointF(23, 9));
  p.drawLine(QPointF(23, 9), QPointF(23, 13.5));
  Arrowhead(p, {23, 17}, {23, 12}, kRed);
  VerseLines(p, {3, 8}, 19, 7, 18);
}

void DrawAnaphone(QPainter& p) {
  // A speaking mouth (a bubble) with sound waves: words that sound alike.
  p.setPen(QPen(kOutline, 1.2));
  p.setBrush(QColor(228, 238, 252));
  QPainterPath bubble;
  bubble.addRoundedRect(QRectF(2, 5, 17, 14), 4, 4);
  QPainterPath tail;
  tail.moveTo(6, 18);
  tail.lineTo(4.5, 25);
  tail.lineTo(11.5, 18);
  tail.closeSubpath();
  p.drawPath(bubble.united(tail));
  p.setPen(kBlue);
  p.setFont(LetterFont(10));
  p.drawText(QRectF(2, 5, 17, 14), Qt::AlignCenter, QStringLiteral("on"));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(i == 1 ? kRed : kBlue, 1.7, Qt::SolidLine, Qt::RoundCap));
    const double r = 4 + i * 3.6;
    p.drawArc(QRectF(19 - r, 16 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
  }
}

void DrawAnagram(QPainter& p) {
  Tile(p, 2, 3, 12, QStringLiteral("R"));
  Tile(p, 17, 8, 12, QStringLiteral("O"));
  Tile(p, 7, 17, 12, QStringLiteral("M"));
}

void DrawLipogram(QPainter& p) {
  Tile(p, 4, 4, 24, QStringLiteral("E"));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kRed, 2.8, Qt::SolidLine, Qt::RoundCap));
  p.drawEllipse(QPointF(16, 16), 12, 12);
  p.drawLine(QPointF(7.6, 24.4), QPointF(24.4, 7.6));
}

void DrawFilter(QPainter& p) {
  // A crossword grid: four by four cells, some black, two letters filled in.
  constexpr double cell = 6.5;
  constexpr double origin = 3;
  const bool black[4][4] = {{false, false, false, true}, {false, true, false, false},
                            {false, false, false, false}, {true, false, false, true}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      p.setPen(QPen(kOutline, 1.0));
      p.setBrush(black[r][c] ? kOutline : Qt::white);
      p.drawRect(QRectF(origin + c * cell, origin + r * cell, cell, cell));
    }
  p.setPen(kBlue);
  p.setFont(LetterFont(5.8));
  p.drawText(QRectF(origin, origin, cell, cell), Qt::AlignCenter, QStringLiteral("M"));
  p.drawText(QRectF(origin + 2 * cell, origin + 2 * cell, cell, cell), Qt::AlignCenter, QStringLiteral("T"));
  p.setPen(kRed);
  p.drawText(QRectF(origin + cell, origin + 2 * cell, cell, cell), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawProgram(QPainter& p) {
  Tile(p, 2, 2, 28, QStringLiteral("T"), kBlue);
  p.setPen(kRed);
  p.setFont(LetterFont(8));
  p.drawText(QRectF(19, 19, 10, 10), Qt::AlignCenter, QStringLiteral("é"));
}

void Draw(IconKind kind, QPainter& p) {
  switch (kind) {
    case IconKind::Program: return DrawProgram(p);
    case IconKind::Open: return DrawOpen(p);
    case IconKind::Save: return DrawSave(p);
    case IconKind::Print: return DrawPrint(p);
    case IconKind::Copy: return DrawCopy(p);
    case IconKind::Spoonerism: return DrawSpoonerism(p);
    case IconKind::Phrase: return DrawPhrase(p);
    case IconKind::Rhyme: return DrawRhyme(p);
    case IconKind::WordRhyme: return DrawWordRhyme(p);
    case IconKind::Anaphone: return DrawAnaphone(p);
    case IconKind::Anagram: return DrawAnagram(p);
    case IconKind::Lipogram: return DrawLipogram(p);
    case IconKind::Filter: return DrawFilter(p);
  }
}

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(IconKind kind) : kind_(kind) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const double scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage image(rect.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
      QPainter p(&image);
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::TextAntialiasing);
      const double side = std::min(rect.width(), rect.height());
      p.translate((rect.width() - side) / 2.0, (rect.height() - side) / 2.0);
      p.scale(side / kGrid, side / kGrid);
      Draw(kind_, p);
    }
    if (mode == QIcon::Disabled) Fade(image);
    painter->drawImage(rect, image);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paint(&p, QRect(QPoint(0, 0), size), mode, state);
    p.end();
    return QPixmap::fromImage(image);
  }

  QIconEngine* clone() const override { return new PaintedIconEngine(kind_); }

 private:
  // The disabled look: grey and faint.
  static void Fade(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const int alpha = qAlpha(line[x]) * 2 / 5;
        const int grey = qGray(line[x]) * 2 / 5;  // premultiplied by the new alpha
        line[x] = qRgba(grey, grey, grey, alpha);
      }
    }
  }

  IconKind kind_;
};

}  // namespace

QIcon MakeIcon(IconKind kind) { return QIcon(new PaintedIconEngine(kind)); }

}  // namespace tavilo
