#include "core/word_columns.h"

#include "core/text.h"

namespace tavilo {
namespace {

// Six columns: the first word half an inch in, then one column every inch and a half, wide enough
// for all but the longest words at 10 points.
constexpr int kFirstColumnTwips = 720;
constexpr int kColumnWidthTwips = 2160;

}  // namespace

std::string SyllableHeading(int count) {
  std::string heading = " ";
  heading += std::to_string(count);
  heading += count == 1 ? " syllabe :" : " syllabes :";
  return heading;
}

void AppendWordGroup(std::string& text, std::string_view heading, const std::vector<std::string>& words) {
  text += heading;
  text += '\n';
  for (std::size_t i = 0; i < words.size(); ++i) {
    text += '\t';
    text += words[i];
    if ((i + 1) % kWordsPerLine == 0 || i + 1 == words.size()) text += '\n';
  }
  text.append(kRuleLength, '-');
  text += '\n';
}

Document WordGroupsDocument(std::string_view cp1252Text) {
  Document block;
  std::vector<int> stops;
  for (std::size_t column = 0; column < kWordsPerLine; ++column) {
    stops.push_back(kFirstColumnTwips + static_cast<int>(column) * kColumnWidthTwips);
  }
  block.SetTabStops(std::move(stops));
  block.Append(Cp1252ToUtf8(cp1252Text), CharFormat{.font = "Arial", .half_points = 20, .color = {}});
  return block;
}

}  // namespace tavilo
