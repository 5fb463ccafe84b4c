// The shipped dictionary, loaded once per test program, for the tests that compare an engine with
// a reference on real data: its tables alone, or with the indexes start-up builds. Where the
// program would look for it: $TAVILO_DATA, else the data/ folder of the source tree.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/lexicon.h"

namespace tavilo::testing {

inline std::unique_ptr<Lexicon> LoadShipped(LoadOptions options) {
  LexiconLoad load = LoadLexicon(FindDataDirectory(), {}, options);
  if (load.error) ADD_FAILURE() << load.error->Message();
  return std::move(load.lexicon);
}

inline const Lexicon& ShippedTables() {
  static const std::unique_ptr<Lexicon> lexicon = LoadShipped(LoadOptions{false, false});
  return *lexicon;
}

inline const Lexicon& ShippedWithIndexes() {
  static const std::unique_ptr<Lexicon> lexicon = LoadShipped(LoadOptions{});
  return *lexicon;
}

}  // namespace tavilo::testing
