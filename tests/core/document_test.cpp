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

struct BreakCase {
  const char* text;
  std::vector<std::string> paragraphs;
  std::size_t characters;
};

class AppendBreakTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(AppendBreakTest, SplitsParagraphsAtEveryLineEnd) {
  const BreakCase& c = GetParam();
  Document doc;
  doc.Append(c.text, CharFormat{});
  ExpectWellFormed(doc);
  EXPECT_EQ(ParagraphTexts(doc), c.paragraphs);
  EXPECT_EQ(doc.CharacterCount(), c.characters);
  EXPECT_EQ(doc.empty(), c.characters == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppendBreakTest,
    ::testing::Values(BreakCase{"", {""}, 0}, BreakCase{"mot", {"mot"}, 3},
                      BreakCase{"a\nb", {"a", "b"}, 3}, BreakCase{"a\r\nb", {"a", "b"}, 3},
                      BreakCase{"a\rb", {"a", "b"}, 3}, BreakCase{"a\n\rb", {"a", "", "b"}, 4},
                      BreakCase{"a\r\r\nb", {"a", "", "b"}, 4}, BreakCase{"\n", {"", ""}, 1},
                      BreakCase{"titre\n\n", {"titre", "", ""}, 7},
                      BreakCase{"\tété\t«x»", {"\tété\t«x»"}, 8},
                      BreakCase{"fin\r", {"fin", ""}, 4}));

TEST(DocumentTest, AdjacentRunsWithTheSameFormatMerge) {
  Document doc;
  doc.Append("ab", CharFormat{});
  doc.Append("", kBold);  // adds nothing, so it cannot split the run
  doc.Append("cd", CharFormat{});
  doc.Append("EF", kBold);
  doc.Append("gh\nij", kBold);
  ExpectWellFormed(doc);
  ASSERT_EQ(doc.paragraphs().size(), 2u);
  const auto& first = doc.paragraphs()[0].runs;
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].text, "abcd");
  EXPECT_EQ(first[1].text, "EFgh");
  EXPECT_TRUE(first[1].format.bold);
  ASSERT_EQ(doc.paragraphs()[1].runs.size(), 1u);
  EXPECT_EQ(doc.paragraphs()[1].runs[0].text, "ij");
}

TEST(DocumentTest, MalformedUtf8BecomesReplacementCharacters) {
  Document doc;
  doc.Append("a\xE9z\xC3", CharFormat{});  // a Windows-1252 é and a cut-off sequence
  ExpectWellFormed(doc);
  EXPECT_EQ(WritePlainText(doc), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
  EXPECT_EQ(doc.CharacterCount(), 4u);
}

struct FormatCase {
  CharFormat given;
  std::string font;
  int half_points;
};

class FormatLimitTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatLimitTest, AppendKeepsFormatsStorable) {
  Document doc;
  doc.Append("x", GetParam().given);
  const CharFormat& stored = doc.paragraphs()[0].runs[0].format;
  EXPECT_EQ(stored.font, GetParam().font);
  EXPECT_EQ(stored.half_points, GetParam().half_points);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatLimitTest,
    ::testing::Values(FormatCase{CharFormat{.half_points = 19}, "Arial", 19},
                      FormatCase{CharFormat{.half_points = 0}, "Arial", kMinHalfPoints},
                      FormatCase{CharFormat{.half_points = -5}, "Arial", kMinHalfPoints},
                      FormatCase{CharFormat{.half_points = 1 << 30}, "Arial", kMaxHalfPoints},
                      FormatCase{CharFormat{.font = ""}, "Arial", 20},
                      FormatCase{CharFormat{.font = "Deux;Polices"}, "Deux Polices", 20},
                      FormatCase{CharFormat{.font = "Tab\tul\xC3\xA9" "e"}, "Tab ul\xC3\xA9" "e", 20},
                      FormatCase{CharFormat{.font = "\x7F" "Courier New\t "}, "Courier New", 20},
                      FormatCase{CharFormat{.font = std::string(254, 'F') + "\xC3\xA9"}, std::string(254, 'F'), 20},
                      FormatCase{CharFormat{.font = "Futura Medium BT"}, "Futura Medium BT", 20}));

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

TEST(DocumentTest, InsertingIntoOrAppendingToAnEmptyDocumentCopiesIt) {
  Document other;
  other.SetTabStops({300});
  other.Append("x\ny", kCourier);
  Document inserted;
  inserted.InsertAtTop(other);
  EXPECT_EQ(inserted, other);
  Document appended;
  appended.Append(other);
  EXPECT_EQ(appended, other);
  Document unchanged = other;
  unchanged.InsertAtTop(Document{});
  unchanged.Append(Document{});
  EXPECT_EQ(unchanged, other);
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
  }
}

TEST(PlainTextTest, LoadedTextIsArialTenBlack) {
  const Document doc = DocumentFromPlainText("été\r\n\tœuvre\rfin\n");
  ExpectWellFormed(doc);
  EXPECT_EQ(WritePlainText(doc), "été\n\tœuvre\nfin\n");
  for (const Paragraph& paragraph : doc.paragraphs()) {
    for (const TextRun& run : paragraph.runs) EXPECT_EQ(run.format, CharFormat{});
  }
  EXPECT_EQ(CharFormat{}.font, "Arial");
  EXPECT_EQ(CharFormat{}.half_points, 20);
  EXPECT_EQ(CharFormat{}.color, (Rgb{0, 0, 0}));
}

TEST(PlainTextTest, PlainTextRoundTripsThroughTheModel) {
  std::mt19937 rng(99);
  for (int round = 0; round < 100; ++round) {
    const std::string text = WritePlainText(RandomDocument(rng));
    EXPECT_EQ(WritePlainText(DocumentFromPlainText(text)), text);
  }
}

struct DecodeCase {
  std::string bytes;
  std::string utf8;
};

class DecodeTextFileTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextFileTest, GivesUtf8) {
  const std::string decoded = DecodeTextFileBytes(GetParam().bytes);
  EXPECT_EQ(decoded, GetParam().utf8);
  EXPECT_TRUE(IsValidUtf8(decoded));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTextFileTest,
    ::testing::Values(
        DecodeCase{"", ""}, DecodeCase{"mot\n", "mot\n"},
        DecodeCase{"\xEF\xBB\xBF" "été", "été"},      // UTF-8 with its mark
        DecodeCase{"été → ŝ", "été → ŝ"},             // UTF-8 without
        DecodeCase{"\xE9t\xE9", "été"},               // Windows-1252
        DecodeCase{"\x80 \x9C\x92", "€ œ’"},          // its 0x80-0x9F range
        DecodeCase{"\xC3\xA9\xE9", "Ã©é"},            // mixed, hence not UTF-8
        DecodeCase{"\xEF\xBB\xBF\xE9", "\xEF\xBF\xBD"},  // marked UTF-8 that is not
        DecodeCase{std::string("\xFF\xFE" "a\0\xE9\0", 6), "aé"},
        DecodeCase{std::string("\xFE\xFF\0a\x21\x92", 6), "a→"},
        DecodeCase{std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), "😀"},
        DecodeCase{std::string("\xFF\xFE\x3D\xD8" "a\0", 6), "\xEF\xBF\xBD" "a"},
        DecodeCase{std::string("\xFF\xFE" "a\0b", 5), "a\xEF\xBF\xBD"}));

}  // namespace
}  // namespace tavilo
