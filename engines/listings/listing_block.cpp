// The one block writer of every listing, its header line, and the items for scripts.
#include <algorithm>
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/listings/listing.h"

namespace tavilo {
namespace {

constexpr std::size_t kRuleLength = 80;
// A line holds about as many characters as the rule under it.
constexpr std::size_t kLineCharacters = 80;
// Courier New at 10 points: 6 points, 120 twips, per character.
constexpr int kCharacterTwips = 120;
constexpr int kHalfPoints = 20;

std::string Heading(const ListingDescription& d, int length) {
  std::string heading(1, ' ');
  heading += std::to_string(length);
  const bool one = length == 1 && d.singularHeading;
  switch (d.grouping) {
    case ListingGrouping::Letters: return heading + (one ? " lettre :" : " lettres :");
    case ListingGrouping::Phonemes: return heading + (one ? " phon\xE8me :" : " phon\xE8mes :");
    case ListingGrouping::Syllables: return heading + (length == 1 ? " syllabe : " : " syllabes : ");
  }
  return heading;
}

// Single words stand in columns as wide as the group's longest item and two spaces.
std::size_t ColumnCharacters(const std::vector<std::string>& items) {
  std::size_t longest = 0;
  for (const std::string& item : items) longest = std::max(longest, item.size());
  return longest + 2;
}

}  // namespace

Document WriteListingHeader(const ListingResult& result) {
  const ListingDescription& d = DescribeListing(result.kind);
  std::string line(d.title);
  // The anagram families write their count on the title line; the other listings on a line of
  // its own under it.
  if (result.kind != ListingKind::AnagramFamilies) line += '\n';
  line += d.countsGroups ? "     Groupes de mots : " : "     Mots : ";
  line += std::to_string(result.count);
  Document header;
  header.Append(Cp1252ToUtf8(line), CharFormat{.font = "Courier New", .half_points = kHalfPoints, .color = {255, 0, 0}});
  return header;
}

Document WriteListingBlock(const ListingResult& result) {
  const ListingDescription& d = DescribeListing(result.kind);
  const CharFormat format{.font = std::string(d.font), .half_points = kHalfPoints, .color = {}};
  Document block;
  for (const auto& [length, items] : result.groups) {
    if (items.empty()) continue;
    std::string text = Heading(d, length) + "\n";
    const std::size_t column = ColumnCharacters(items);
    const std::size_t perLine = d.oneItemPerLine ? 1 : std::max<std::size_t>(1, kLineCharacters / column);
    std::vector<int> stops;
    for (std::size_t c = 1; c < perLine; ++c) stops.push_back(static_cast<int>(c * column) * kCharacterTwips);
    for (std::size_t i = 0; i < items.size(); ++i) {
      text += items[i];
      text += (i + 1) % perLine == 0 || i + 1 == items.size() ? '\n' : '\t';
    }
    text += std::string(kRuleLength, '-') + "\n";
    block.SetTabStops(std::move(stops));
    block.Append(Cp1252ToUtf8(text), format);
  }
  return block;
}

std::vector<std::string> ListingItems(const ListingResult& result) {
  std::vector<std::string> items;
  for (const auto& [length, group] : result.groups)
    for (const std::string& item : group) items.push_back(item.substr(std::min(item.find_first_not_of(' '), item.size())));
  return items;
}

}  // namespace tavilo
