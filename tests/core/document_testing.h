// Helpers shared by the document and RTF tests: seeded random documents built only through the
// public API, a per-character view of a document, and the model's structural rules.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/text.h"

namespace tavilo::testing {

inline const std::array<CharFormat, 6> kFormatPalette = {
    CharFormat{},
    CharFormat{.font = "Arial", .half_points = 18, .color = {255, 0, 0}},
    CharFormat{.font = "Courier New", .half_points = 20, .color = {220, 0, 0}, .bold = true},
    CharFormat{.font = "Futura Medium BT", .half_points = 19, .italic = true},
    CharFormat{.font = "Arial", .half_points = 24, .color = {0, 192, 0}, .bold = true,
               .italic = true},
    CharFormat{.font = "Courier New", .half_points = 20},
};

// Pieces of text that exercise escaping, code pages and line breaks (and an empty append).
inline const std::array<const char*, 17> kTextPieces = {
    "a",  "mot", " ",   "\t",   "\n",  "é",     "œ",  "«»", "→", "ŝ",
    "😀", "\\",  "{}",  "\r\n", "€ ;", "çàè", "",
};

// A document made by a random sequence of Append, AppendParagraphBreak and SetTabStops.
inline Document RandomDocument(std::mt19937& rng) {
  Document doc;
  const int steps = std::uniform_int_distribution<int>(0, 30)(rng);
  for (int s = 0; s < steps; ++s) {
    const int what = std::uniform_int_distribution<int>(0, 9)(rng);
    if (what == 0) {
      doc.AppendParagraphBreak();
    } else if (what == 1) {
      std::vector<int> tabs;
      const int n = std::uniform_int_distribution<int>(0, 4)(rng);
      for (int k = 0; k < n; ++k) tabs.push_back(std::uniform_int_distribution<int>(0, 9000)(rng));
      doc.SetTabStops(tabs);
    } else {
      std::string text;
      const int n = std::uniform_int_distribution<int>(1, 4)(rng);
      for (int k = 0; k < n; ++k) {
        text += kTextPieces[std::uniform_int_distribution<std::size_t>(0, kTextPieces.size() - 1)(rng)];
      }
      doc.Append(text, kFormatPalette[std::uniform_int_distribution<std::size_t>(
                           0, kFormatPalette.size() - 1)(rng)]);
    }
  }
  return doc;
}

// One character of a document with its format; a paragraph break is '\n' with a default
// format and the tab stops of the paragraph it ends.
struct FlatChar {
  char32_t c;
  CharFormat format;
  friend bool operator==(const FlatChar&, const FlatChar&) = default;
};

inline std::vector<FlatChar> Flatten(const Document& doc) {
  std::vector<FlatChar> out;
  for (std::size_t p = 0; p < doc.paragraphs().size(); ++p) {
    if (p > 0) out.push_back({U'\n', CharFormat{}});
    for (const TextRun& run : doc.paragraphs()[p].runs) {
      std::size_t pos = 0;
      while (pos < run.text.size()) out.push_back({NextCodePoint(run.text, pos), run.format});
    }
  }
  return out;
}

// Checks the rules every document keeps, whatever built it.
inline void ExpectWellFormed(const Document& doc) {
  ASSERT_FALSE(doc.paragraphs().empty());
  for (const Paragraph& paragraph : doc.paragraphs()) {
    EXPECT_LE(paragraph.tab_stops.size(), kMaxTabStops);
    for (std::size_t k = 1; k < paragraph.tab_stops.size(); ++k) {
      EXPECT_LT(paragraph.tab_stops[k - 1], paragraph.tab_stops[k]);
    }
    for (std::size_t r = 0; r < paragraph.runs.size(); ++r) {
      const TextRun& run = paragraph.runs[r];
      EXPECT_FALSE(run.text.empty());
      EXPECT_TRUE(IsValidUtf8(run.text));
      EXPECT_EQ(run.text.find_first_of("\r\n"), std::string::npos);
      EXPECT_GE(run.format.half_points, kMinHalfPoints);
      EXPECT_LE(run.format.half_points, kMaxHalfPoints);
      EXPECT_FALSE(run.format.font.empty());
      if (r > 0) {
        EXPECT_NE(paragraph.runs[r - 1].format, run.format) << "runs not merged";
      }
    }
  }
}

}  // namespace tavilo::testing
