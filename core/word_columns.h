// The layout the search tools share for their lists of words: six words to a line, each after a
// tab, under a heading line, each group closed by a rule of dashes, in Arial 10 points black on
// six evenly spaced tab stops.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"

namespace tavilo {

inline constexpr std::size_t kWordsPerLine = 6;
inline constexpr std::size_t kRuleLength = 185;

// The heading of a group of words of `count` syllables: " 1 syllabe :", " 3 syllabes :".
std::string SyllableHeading(int count);

// Appends the heading line, the words six to a line (each after a tab) and the rule of
// kRuleLength dashes, every line ended by "\n". Windows-1252 in and out.
void AppendWordGroup(std::string& text, std::string_view heading, const std::vector<std::string>& words);

// The block document of a text built with AppendWordGroup: Arial 10 points black, the six tab
// stops set on every paragraph.
Document WordGroupsDocument(std::string_view cp1252Text);

}  // namespace tavilo
