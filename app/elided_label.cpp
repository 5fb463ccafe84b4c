#include "app/elided_label.h"

#include <QPainter>
#include <QStyle>

namespace tavilo {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::SetWholeText(const QString& text) {
  setText(text);
  setToolTip(text);
}

QString ElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::minimumSizeHint() const {
  QSize size = QLabel::minimumSizeHint();
  size.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("…")));
  return size;
}

void ElidedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                        isEnabled(), ShownText(), foregroundRole());
}

}  // namespace tavilo
