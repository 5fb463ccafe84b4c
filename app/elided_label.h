// A one-line label that never asks for the width of its text: when the window is narrower than
// the text, the end is replaced by "…" and the whole text is in the tooltip. text() is always the
// whole text. The main window shows a result's header line in it, which is often wider than the
// window may be made.
#pragma once

#include <QLabel>

namespace tavilo {

class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  // Sets the text and the tooltip.
  void SetWholeText(const QString& text);
  // What the label shows in its current width.
  QString ShownText() const;

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavilo
