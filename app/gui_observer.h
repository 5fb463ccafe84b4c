// The desktop's SearchObserver: shows the live count and status in labels and the progress in a
// progress bar, keeps the window responsive while a search runs on the user-interface thread, and
// carries the Stop and Pause requests of the buttons back to the engine.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <functional>

#include "core/observer.h"

class QLabel;
class QProgressBar;

namespace tavilo {

class GuiObserver : public SearchObserver {
 public:
  // How long Yield() lets the engine run before processing pending events again.
  static constexpr int kEventIntervalMs = 15;
  // The progress bar's range: 0 to this many steps.
  static constexpr int kProgressSteps = 1000;
  // Most searches end within a fraction of a second: the bar only appears once a search has run
  // this long, rather than flash.
  static constexpr int kProgressDelayMs = 250;

  explicit GuiObserver(QLabel* countLabel = nullptr, QLabel* statusLabel = nullptr);

  // The labels the count and the status go to (either may be null).
  void SetLabels(QLabel* countLabel, QLabel* statusLabel);
  // The progress bar: shown from the first progress report after the search has run
  // kProgressDelayMs until Finish(), hidden otherwise. It is repainted when Yield() processes
  // events, not at every report.
  void SetProgressBar(QProgressBar* bar);
  // How a count is written into the count label; by default the bare number.
  void SetCountText(std::function<QString(long)> format);

  // Before a search: no stop requested, not paused, count 0 (the labels are left as they are).
  void Reset();
  // After a search: the progress bar is hidden.
  void Finish();

  // Asked by a Stop button or by closing a window: the next Yield() returns false.
  void RequestStop() { stopRequested_ = true; }
  bool StopRequested() const { return stopRequested_; }

  // Asked by a Pause button: Yield() waits, processing events, until resumed or stopped.
  void SetPaused(bool paused) { paused_ = paused; }
  bool Paused() const { return paused_; }

  long Count() const { return count_; }

  void SetCount(long count) override;
  void SetStatus(std::string_view cp1252) override;
  void SetProgress(double done, double expected) override;
  bool Yield() override;

 private:
  QPointer<QLabel> countLabel_;
  QPointer<QLabel> statusLabel_;
  QPointer<QProgressBar> progressBar_;
  std::function<QString(long)> countText_;
  QElapsedTimer sinceEvents_;
  QElapsedTimer sinceReset_;
  long count_ = 0;
  double progress_ = 0;
  bool progressShown_ = false;  // the bar shows progress_ (it is repainted only with the events)
  bool stopRequested_ = false;
  bool paused_ = false;
};

}  // namespace tavilo
