#include "app/gui_observer.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/qt_text.h"

namespace tavilo {

GuiObserver::GuiObserver(QLabel* countLabel, QLabel* statusLabel)
    : countLabel_(countLabel), statusLabel_(statusLabel) {
  sinceEvents_.start();
}

void GuiObserver::SetLabels(QLabel* countLabel, QLabel* statusLabel) {
  countLabel_ = countLabel;
  statusLabel_ = statusLabel;
}

void GuiObserver::SetCountText(std::function<QString(long)> format) { countText_ = std::move(format); }

void GuiObserver::Reset() {
  stopRequested_ = false;
  paused_ = false;
  count_ = 0;
  sinceEvents_.restart();
}

void GuiObserver::SetCount(long count) {
  count_ = count;
  if (countLabel_) countLabel_->setText(countText_ ? countText_(count) : QString::number(count));
}

void GuiObserver::SetStatus(std::string_view cp1252) {
  if (statusLabel_) statusLabel_->setText(FromCp1252(cp1252));
}

bool GuiObserver::Yield() {
  if (!paused_ && sinceEvents_.elapsed() < kEventIntervalMs) return !stopRequested_;
  QCoreApplication::processEvents();
  // While paused, sleep in the event loop until Pause is released or Stop is pressed.
  // Every way out (a click, a key, a timer) arrives as an event, so waiting for one is enough.
  while (paused_ && !stopRequested_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  sinceEvents_.restart();
  return !stopRequested_;
}

}  // namespace tavilo
