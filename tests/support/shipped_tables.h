// The shipped dictionary's tables (no index), loaded once per test program, for the tests that
// compare an engine with a reference on real data. Where the program would look for it:
// $TAVILO_DATA, else the data/ folder of the source tree.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/lexicon.h"

namespace tavilo::testing {

inline const Lexicon& ShippedTables() {
  static const std::unique_ptr<Lexicon> lexicon = [] {
    LexiconLoad load = LoadLexicon(FindDataDirectory(), {}, LoadOptions{false, false});
    if (load.error) ADD_FAILURE() << load.error->Message();
    return std::move(load.lexicon);
  }();
  return *lexicon;
}

}  // namespace tavilo::testing
