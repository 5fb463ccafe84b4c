// The "most common words first" order every search tool offers beside its usual one: one stable
// sort, most common first, that each tool applies to the groups of its result before the block
// writer and the current list see them, so that the block, the bare item list, the current list
// and a saved file all show the same order.
#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/frequency.h"
#include "core/word_table.h"

namespace tavilo {

// Reorders `items` by the value `keyOf(item)` gives (a frequency in tenths, or a mean of them),
// highest first; items of equal value keep the order they had. Each key is computed once.
template <class T, class KeyOf>
void MostCommonFirst(std::vector<T>& items, KeyOf keyOf) {
  using Key = decltype(keyOf(items.front()));
  std::vector<std::pair<Key, std::size_t>> keys;
  keys.reserve(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) keys.emplace_back(keyOf(items[i]), i);
  std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (const auto& key : keys) sorted.push_back(std::move(items[key.second]));
  items = std::move(sorted);
}

// The value of a listed item that may hold several words: the highest of its words. An item is
// cut into words at " : ", ", ", " / " and at every run of two spaces or more (the separators of
// the pair and family listings); a single space stays inside a word, as in a locution.
int MostCommonWordTenths(const WordFrequencies& frequencies, std::string_view item);

// The mean value of the words of a group of words separated by single spaces (an anagram group),
// an elided form ("l'") being a word of its own. Where several words in a row make a spelling the
// file holds (a locution), they count as that one word, the longest such run first.
double MeanWordTenths(const WordFrequencies& frequencies, std::string_view group);

// The same rows, most common spelling first (the current list a sorted result leaves).
WordTable MostCommonRowsFirst(const WordTable& rows, const WordFrequencies& frequencies);

// The line a header gets, on a line of its own, when its block lists the most common words first.
inline constexpr std::string_view kFrequencyOrderLine = "   Mots courants en premier";
// Adds that line under the header's text, in the format of the header's last character.
void AddFrequencyOrderLine(Document& header);

}  // namespace tavilo
