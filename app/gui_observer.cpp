#include "app/gui_observer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <algorithm>

#include "app/qt_text.h"

namespace tavilo {

GuiObserver::GuiObserver(QLabel* countLabel, QLabel* statusLabel)
    : countLabel_(countLabel), statusLabel_(statusLabel) {
  sinceEvents_.start();
  sinceReset_.start();
}

void GuiObserver::SetLabels(QLabel* countLabel, QLabel* statusLabel) {
  countLabel_ = countLabel;
  statusLabel_ = statusLabel;
}

void GuiObserver::SetProgressBar(QProgressBar* bar) {
  progressBar_ = bar;
  if (progressBar_) {
    progressBar_->setRange(0, kProgressSteps);
    progressBar_->setVisible(false);
  }
}

void GuiObserver::SetCountText(std::function<QString(long)> format) { countText_ = std::move(format); }

void GuiObserver::Reset() {
  stopRequested_ = false;
  paused_ = false;
  count_ = 0;
  progress_ = 0;
  progressShown_ = true;
  sinceEvents_.restart();
  sinceReset_.restart();
}

void GuiObserver::Finish() {
  progress_ = 0;
  progressShown_ = true;
  if (progressBar_) progressBar_->setVisible(false);
}

void GuiObserver::SetCount(long count) {
  count_ = count;
  if (countLabel_) countLabel_->setText(countText_ ? countText_(count) : QString::number(count));
}

void GuiObserver::SetStatus(std::string_view cp1252) {
  if (statusLabel_) statusLabel_->setText(FromCp1252(cp1252));
}

void GuiObserver::SetProgress(double done, double expected) {
  progress_ = expected > 0 ? std::clamp(done / expected, 0.0, 1.0) : 0.0;
  progressShown_ = false;
}

bool GuiObserver::Yield() {
  if (!paused_ && sinceEvents_.elapsed() < kEventIntervalMs) return !stopRequested_;
  if (!progressShown_ && progressBar_ && sinceReset_.elapsed() >= kProgressDelayMs) {
    progressBar_->setValue(static_cast<int>(progress_ * kProgressSteps + 0.5));
    progressBar_->setVisible(true);
    progressShown_ = true;
  }
  QCoreApplication::processEvents();
  // While paused, sleep in the event loop until Pause is released or Stop is pressed.
  // Every way out (a click, a key, a timer) arrives as an event, so waiting for one is enough.
  while (paused_ && !stopRequested_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  sinceEvents_.restart();
  return !stopRequested_;
}

}  // namespace tavilo
