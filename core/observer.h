// How a search talks to whoever runs it, without knowing who that is.
//
// Engines report a live count, a status text and how far they have got, and call Yield() after
// each word or step. The GUI's observer processes pending events there (so Stop, Pause and Fermer work) and returns
// false once the user asked to stop; the CLI's observer just says "go on".
#pragma once

#include <string_view>

namespace tavilo {

class SearchObserver {
 public:
  virtual ~SearchObserver() = default;
  // The number of results found so far.
  virtual void SetCount(long count) { (void)count; }
  // A short status text (Windows-1252), e.g. the table being searched.
  virtual void SetStatus(std::string_view text) { (void)text; }
  // How far the search has got: `done` units of work out of about `expected` (both in the
  // search's own units, expected > 0). A search of several stages starts each stage again from 0
  // with its own expected work; an estimate that proved short may let `done` pass `expected`.
  virtual void SetProgress(double done, double expected) {
    (void)done;
    (void)expected;
  }
  // Called after each word or step; returns false when the search must stop now. A front end
  // that supports pausing waits inside this call while paused.
  virtual bool Yield() { return true; }
};

// An observer that ignores everything and never stops: the default for tests and the CLI.
inline SearchObserver& NullObserver() {
  static SearchObserver observer;
  return observer;
}

}  // namespace tavilo
