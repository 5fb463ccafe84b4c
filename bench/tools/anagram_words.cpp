// Prints the words of the shipped anagram index, one per line, folded as the keys are (lower
// case, standard accent fold, letters in word order), for the comparison with other anagram
// generators (bench/compare-an.sh). Left out: the one-letter words and elided forms, and the
// words with a character other than a to z (apostrophes, hyphens, spaces, ä, ñ, œ...), which
// letters typed from a to z never use up. Each folded word is printed once.
#include <cstdio>
#include <set>
#include <string>

#include "bench/shipped_lexicon.h"
#include "core/text.h"

int main() {
  const tavilo::AnagramIndex& index = tavilo::ShippedLexicon().anagramIndex;
  std::set<std::string> words;
  for (std::size_t r = 1; r < index.Size() && index[r].key.size() >= 2; ++r) {
    const std::string folded = tavilo::FoldStandard(tavilo::ToLower(index[r].word));
    bool plain = true;
    for (char c : folded) plain = plain && c >= 'a' && c <= 'z';
    if (plain) words.insert(folded);
  }
  for (const std::string& w : words) std::printf("%s\n", w.c_str());
  return 0;
}
