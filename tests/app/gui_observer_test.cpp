// The desktop observer: live count, status, stop and pause.
#include <QLabel>
#include <QTimer>

#include "app/gui_observer.h"
#include "core/text.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

TEST(GuiObserver, ShowsCountAndStatusInItsLabels) {
  EnsureApplication();
  QLabel count, status;
  GuiObserver observer(&count, &status);
  observer.SetCount(12);
  observer.SetStatus(Utf8ToCp1252("Phase 1 : noms, adjectifs…"));
  EXPECT_EQ(count.text(), "12");
  EXPECT_EQ(status.text(), "Phase 1 : noms, adjectifs…");
  observer.SetCountText([](long n) { return QString::number(n) + QStringLiteral(" mots 'okapi'"); });
  observer.SetCount(3);
  EXPECT_EQ(count.text(), "3 mots 'okapi'");
  EXPECT_EQ(observer.Count(), 3);
}

TEST(GuiObserver, StopEndsTheSearchUntilReset) {
  EnsureApplication();
  GuiObserver observer;  // without labels
  EXPECT_TRUE(observer.Yield());
  observer.RequestStop();
  EXPECT_FALSE(observer.Yield());
  EXPECT_FALSE(observer.Yield());
  observer.Reset();
  EXPECT_TRUE(observer.Yield());
}

TEST(GuiObserver, PauseWaitsProcessingEventsUntilResumeOrStop) {
  EnsureApplication();
  for (const bool stop : {false, true}) {
    GuiObserver observer;
    observer.SetPaused(true);
    bool resumedByEvent = false;
    QTimer::singleShot(0, [&] {
      resumedByEvent = true;
      stop ? observer.RequestStop() : observer.SetPaused(false);
    });
    EXPECT_EQ(observer.Yield(), !stop);
    EXPECT_TRUE(resumedByEvent);
  }
}

}  // namespace
}  // namespace tavilo::testing
