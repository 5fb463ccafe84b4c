// An observer for the engine tests: it records every count a search reports and lets the search
// go on for a given number of yields, then asks it to stop.
#pragma once

#include <vector>

#include "core/observer.h"

namespace tavilo {

class StoppingObserver : public SearchObserver {
 public:
  explicit StoppingObserver(int yieldsAllowed) : yieldsAllowed_(yieldsAllowed) {}
  void SetCount(long count) override { counts.push_back(count); }
  bool Yield() override { return ++yields <= yieldsAllowed_; }

  std::vector<long> counts;
  int yields = 0;

 private:
  int yieldsAllowed_;
};

}  // namespace tavilo
