// Tests of the styled-text document: building it as the block writers do, inserting at the top,
// recolouring ranges (checked against a per-character reference), plain text and text files.
#include "core/document.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document_testing.h"

namespace tavilo {
namespace {

using testing::ExpectWellFormed;
using testing::FlatChar;
using testing::Flatten;
using testing::RandomDocument;

const CharFormat kRed9{.font = "Arial", .half_points = 18, .color = {255, 0, 0}};
const CharFormat kBold{.bold = true};
const CharFormat kCourier{.font = "Courier New"};

std::vector<std::string> ParagraphTexts(const Document& doc) {
  std::vector<std::string> out;
  for (const Paragraph& paragraph : doc.paragraphs()) {
    std::string text;
    for (const TextRun& run : paragraph.runs) text += run.text;
    out.push_back(text);
  }
  return out;
}

TEST(DocumentTest, AppendSplitsParagraphsAtEveryLineEnd) {
  const struct {
    const char* text;
    std::vector<std::string> paragraphs;
    std::size_t characters;
  } cases[] = {{"", {""}, 0},           {"mot", {"mot"}, 3},          {"a\nb", {"a", "b"}, 3},
               {"a\r\nb", {"a", "b"}, 3}, {"a\rb", {"a", "b"}, 3},        {"a\n\rb", {"a", "", "b"}, 4},
               {"a\r\r\nb", {"a", "", "b"}, 4}, {"\n", {"", ""}, 1},   {"titre\n\n", {"titre", "", ""}, 7},
               {"\tété\t«x»", {"\tété\t«x»"}, 8}, {"fin\r", {"fin", ""}, 4}};
  for (const auto& c : cases) {
    Document doc;
    doc.Append(c.text, CharFormat{});
    ExpectWellFormed(doc);
    EXPECT_EQ(ParagraphTexts(doc), c.paragraphs) << c.text;
    EXPECT_EQ(doc.CharacterCount(), c.characters) << c.text;
    EXPECT_EQ(doc.empty(), c.characters == 0) << c.text;
  }
}

TEST(DocumentTest, MalformedUtf8BecomesReplacementCharacters) {
  Document doc;
  doc.Append("a\xE9z\xC3", CharFormat{});  // a Windows-1252 é and a cut-off sequence
  ExpectWellFormed(doc);
  EXPECT_EQ(WritePlainText(doc), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
  EXPECT_EQ(doc.CharacterCount(), 4u);
}

TEST(DocumentTest, AppendKeepsFormatsStorable) {
  const struct {
    std::string givenFont;  // "-" leaves the default font
    int givenHalfPoints;
    std::string font;
    int half_points;
  } cases[] = {{"-", 19, "Arial", 19},
               {"-", 0, "Arial", kMinHalfPoints},
               {"-", -5, "Arial", kMinHalfPoints},
               {"-", 1 << 30, "Arial", kMaxHalfPoints},
               {"", 20, "Arial", 20},
               {"Deux;Polices", 20, "Deux Polices", 20},
               {"Tab\tul\xC3\xA9" "e", 20, "Tab ul\xC3\xA9" "e", 20},
               {"\x7F" "Courier New\t ", 20, "Courier New", 20},
               {std::string(254, 'F') + "\xC3\xA9", 20, std::string(254, 'F'), 20},
               {"Futura Medium BT", 20, "Futura Medium BT", 20}};
  for (const auto& c : cases) {
    CharFormat given;
    if (c.givenFont != "-") given.font = c.givenFont;
    given.half_points = c.givenHalfPoints;
    Document doc;
    doc.Append("x", given);
    const CharFormat& stored = doc.paragraphs()[0].runs[0].format;
    EXPECT_EQ(stored.font, c.font);
    EXPECT_EQ(stored.half_points, c.half_points) << c.font;
  }
}

TEST(DocumentTest, TabStopsAreNormalisedAndInheritedByLaterParagraphs) {
  Document doc;
  doc.Append("titre\n", CharFormat{});
  doc.SetTabStops({2000, 500, 2000, -10, 999999});
  doc.Append("\ta\tb\n\tc", CharFormat{});
  ASSERT_EQ(doc.paragraphs().size(), 3u);
  EXPECT_TRUE(doc.paragraphs()[0].tab_stops.empty());
  const std::vector<int> expected = {0, 500, 2000, kMaxTabStopTwips};
  EXPECT_EQ(doc.paragraphs()[1].tab_stops, expected);
  EXPECT_EQ(doc.paragraphs()[2].tab_stops, expected);

  std::vector<int> many;
  for (int k = 100; k > 0; --k) many.push_back(k * 10);
  doc.SetTabStops(many);
  ASSERT_EQ(doc.paragraphs().back().tab_stops.size(), kMaxTabStops);
  EXPECT_EQ(doc.paragraphs().back().tab_stops.front(), 10);
  EXPECT_EQ(doc.paragraphs().back().tab_stops.back(), 10 * static_cast<int>(kMaxTabStops));
}

TEST(DocumentTest, InsertAtTopWithAndWithoutBreaks) {
  Document header;
  header.Append("   Rimes", kRed9);
  Document doc;
  doc.SetTabStops({720});
  doc.Append("\tage\nsuite", CharFormat{});
  Document joined = doc;
  doc.InsertHeader(header);  // the header, then two breaks
  ExpectWellFormed(doc);
  EXPECT_EQ(WritePlainText(doc), "   Rimes\n\n\tage\nsuite");
  EXPECT_EQ(doc.paragraphs()[0].runs[0].format, kRed9);
  EXPECT_EQ(doc.paragraphs()[2].tab_stops, (std::vector<int>{720}));
  EXPECT_EQ(WritePlainText(header), "   Rimes");  // left as it was
  // Without a break the first paragraph is joined and keeps its tab stops.
  joined.InsertAtTop("Avant", kRed9);
  ExpectWellFormed(joined);
  EXPECT_EQ(ParagraphTexts(joined), (std::vector<std::string>{"Avant\tage", "suite"}));
  EXPECT_EQ(joined.paragraphs()[0].tab_stops, std::vector<int>{720});
  EXPECT_EQ(joined.paragraphs()[0].runs[0].format, kRed9);
}

TEST(DocumentTest, AppendDocumentJoinsAtTheSeam) {
  Document doc;
  doc.SetTabStops({100});
  doc.Append("début ", CharFormat{});
  Document other;
  other.SetTabStops({900});
  other.Append("milieu\nfin", kCourier);
  doc.Append(other);
  ExpectWellFormed(doc);
  EXPECT_EQ(ParagraphTexts(doc), (std::vector<std::string>{"début milieu", "fin"}));
  EXPECT_EQ(doc.paragraphs()[0].tab_stops, std::vector<int>{100});  // the receiver's
  EXPECT_EQ(doc.paragraphs()[1].tab_stops, std::vector<int>{900});

  // When only the incoming side has text at the seam, its tab stops come along.
  Document ended;
  ended.Append("ligne\n", CharFormat{});
  ended.Append(other);
  EXPECT_EQ(ended.paragraphs()[1].tab_stops, std::vector<int>{900});
}

TEST(DocumentTest, ADocumentCanBeAddedToItself) {
  Document doc;
  doc.Append("a\nb", kBold);
  doc.Append(doc);
  EXPECT_EQ(WritePlainText(doc), "a\nba\nb");
  doc.InsertAtTop(doc);
  EXPECT_EQ(WritePlainText(doc), "a\nba\nba\nba\nb");
  ExpectWellFormed(doc);
}

TEST(DocumentTest, RangesPastTheEndAreIgnored) {
  Document doc;
  doc.Append("abc", CharFormat{});
  const Document before = doc;
  doc.SetColor(3, 10, Rgb{1, 2, 3});
  doc.SetColor(1000, static_cast<std::size_t>(-1), Rgb{1, 2, 3});
  doc.SetBold(0, 0, true);
  EXPECT_EQ(doc, before);
  doc.SetBold(2, static_cast<std::size_t>(-1), true);  // no overflow in begin + count
  EXPECT_TRUE(doc.paragraphs()[0].runs.back().format.bold);
  EXPECT_EQ(doc.paragraphs()[0].runs.back().text, "c");
}

// Random documents and ranges against a per-character reference of what SetColor and SetBold
// mean.
TEST(DocumentTest, RangeChangesMatchACharacterByCharacterReference) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    Document doc = RandomDocument(rng);
    std::vector<FlatChar> expected = Flatten(doc);
    std::vector<std::vector<int>> tabs;
    for (const Paragraph& p : doc.paragraphs()) tabs.push_back(p.tab_stops);
    const std::size_t total = doc.CharacterCount();
    ASSERT_EQ(total, expected.size());
    for (int change = 0; change < 3; ++change) {
      const std::size_t begin = std::uniform_int_distribution<std::size_t>(0, total + 2)(rng);
      const std::size_t count = std::uniform_int_distribution<std::size_t>(0, total + 2)(rng);
      const bool colour = rng() % 2 == 0;
      const Rgb rgb{static_cast<std::uint8_t>(rng() % 3 * 100), 0, 0};
      const bool bold = rng() % 2 == 0;
      if (colour) {
        doc.SetColor(begin, count, rgb);
      } else {
        doc.SetBold(begin, count, bold);
      }
      for (std::size_t k = begin; k < expected.size() && k - begin < count; ++k) {
        if (expected[k].c == U'\n') continue;
        if (colour) {
          expected[k].format.color = rgb;
        } else {
          expected[k].format.bold = bold;
        }
      }
    }
    ExpectWellFormed(doc);
    ASSERT_EQ(Flatten(doc), expected) << "round " << round;
    std::vector<std::vector<int>> tabs_after;
    for (const Paragraph& p : doc.paragraphs()) tabs_after.push_back(p.tab_stops);
    EXPECT_EQ(tabs_after, tabs);
  }
}

TEST(DocumentTest, RandomDocumentsKeepTheirRules) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    Document doc = RandomDocument(rng);
    ExpectWellFormed(doc);
    const Document other = RandomDocument(rng);
    Document joined = doc;
    joined.Append(other);
    ExpectWellFormed(joined);
    EXPECT_EQ(WritePlainText(joined), WritePlainText(doc) + WritePlainText(other));
    Document top = doc;
    top.InsertAtTop(other);
    ExpectWellFormed(top);
    EXPECT_EQ(WritePlainText(top), WritePlainText(other) + WritePlainText(doc));
    EXPECT_EQ(top.CharacterCount(), doc.CharacterCount() + other.CharacterCount());
    // Joined to an empty document, a document comes out as it was, tab stops and all.
    if (doc == Document{}) {
      EXPECT_EQ(joined, other);
      EXPECT_EQ(top, other);
    }
    if (other == Document{}) {
      EXPECT_EQ(joined, doc);
      EXPECT_EQ(top, doc);
    }
  }
}

TEST(PlainTextTest, LoadedTextIsArialTenBlack) {
  const Document doc = DocumentFromPlainText("été\r\n\tœuvre\rfin\n");
  ExpectWellFormed(doc);
  EXPECT_EQ(WritePlainText(doc), "été\n\tœuvre\nfin\n");
  for (const Paragraph& paragraph : doc.paragraphs()) {
    for (const TextRun& run : paragraph.runs) EXPECT_EQ(run.format, CharFormat{});
  }
}

TEST(PlainTextTest, PlainTextRoundTripsThroughTheModel) {
  std::mt19937 rng(99);
  for (int round = 0; round < 100; ++round) {
    const std::string text = WritePlainText(RandomDocument(rng));
    EXPECT_EQ(WritePlainText(DocumentFromPlainText(text)), text);
  }
}

TEST(PlainTextTest, TextFilesAreDecodedToUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"mot\n", "mot\n"},
      {"\xEF\xBB\xBF" "été", "été"},                 // UTF-8 with its mark
      {"été → ŝ", "été → ŝ"},                        // UTF-8 without
      {"\xE9t\xE9", "été"},                          // Windows-1252
      {"\x80 \x9C\x92", "€ œ’"},                     // its 0x80-0x9F range
      {"\xC3\xA9\xE9", "Ã©é"},                       // mixed, hence not UTF-8
      {"\xEF\xBB\xBF\xE9", "\xEF\xBF\xBD"},          // marked UTF-8 that is not
      {std::string("\xFF\xFE" "a\0\xE9\0", 6), "aé"},  // UTF-16 both ways, a pair, a lone half, an odd byte
      {std::string("\xFE\xFF\0a\x21\x92", 6), "a→"},
      {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "😀"},
      {std::string("\xFF\xFE\x3D\xD8" "a\0", 6), "\xEF\xBF\xBD" "a"},
      {std::string("\xFF\xFE" "a\0b", 5), "a\xEF\xBF\xBD"}};
  for (const auto& [bytes, utf8] : cases) {
    const std::string decoded = DecodeTextFileBytes(bytes);
    EXPECT_EQ(decoded, utf8);
    EXPECT_TRUE(IsValidUtf8(decoded));
  }
}

}  // namespace
}  // namespace tavilo
