// The shipped dictionary, loaded once for every benchmark of the program (from $TAVILO_DATA, the
// working directory or data/ of the source tree, as the program looks for it).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/lexicon.h"

namespace tavilo {

inline const Lexicon& ShippedLexicon() {
  static const std::unique_ptr<Lexicon> lexicon = [] {
    LexiconLoad load = LoadLexicon(FindDataDirectory());
    if (load.error) {
      std::fprintf(stderr, "%s\n", load.error->Message().c_str());
      std::exit(3);
    }
    return std::move(load.lexicon);
  }();
  return *lexicon;
}

}  // namespace tavilo
