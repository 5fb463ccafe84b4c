// The "most common words first" order: the stable sort, the value of an item of several words,
// the mean of an anagram group, the sorted current list and the header line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/frequency_order.h"

namespace tavilo {
namespace {

// Made-up values: "de" very common, "maison" common, "mairon" rare, "pomme de terre" a locution
// the file holds as one spelling, "aujourd'hui" a word with an apostrophe.
WordFrequencies Fixture() {
  const FrequencyLoad load = ParseWordFrequencies(
      "aujourd'hui\t5.5\nbelle\t5.0\nde\t7.3\nest\t6.8\nl'\t6.0\nla\t7.2\nmairon\t1.1\nmaison\t5.2\n"
      "pomme\t4.4\npomme de terre\t3.9\nterre\t5.1\nvie\t5.6\n",
      "frequences.txt");
  EXPECT_FALSE(load.error) << load.error->Message();
  return load.frequencies;
}

TEST(FrequencyOrder, MostCommonFirstKeepsTheOrderOfEqualValues) {
  // Two ties (0 and 5), each in the middle and at the end: they must come out in their order.
  std::vector<std::pair<std::string, int>> items = {{"a", 0}, {"b", 5}, {"c", 9}, {"d", 0}, {"e", 5}, {"f", 1}};
  MostCommonFirst(items, [](const auto& item) { return item.second; });
  std::string order;
  for (const auto& item : items) order += item.first;
  EXPECT_EQ(order, "cbefad");
}

TEST(FrequencyOrder, AnItemCountsAsItsMostCommonWord) {
  const WordFrequencies f = Fixture();
  const struct {
    const char* item;
    int tenths;
  } cases[] = {
      {"maison", 52},
      {"inconnu", 0},
      {"pomme de terre", 39},             // one space stays inside a locution
      {"mairon / maison", 52},            // a pair of the anaphone tool
      {"mairon : maison, vie", 56},       // forms and homophones of the anaphone listing
      {"mairon    pomme de terre", 39},   // an anacyclic pair: four spaces
      {" mairon   maison   de", 73},      // an anagram family: leading space, three between
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(MostCommonWordTenths(f, c.item), c.tenths) << c.item;
}

TEST(FrequencyOrder, AGroupCountsAsTheMeanOfItsWords) {
  const WordFrequencies f = Fixture();
  const struct {
    const char* group;
    double mean;
  } cases[] = {
      {"la vie est belle ", (72 + 56 + 68 + 50) / 4.0},
      {"pomme de terre ", 39},             // the locution is one word, not three
      {"l'maison de ", (60 + 52 + 73) / 3.0},  // an elided form is a word of its own
      {"aujourd'hui ", 55},                // ... unless the file holds the whole spelling
      {"inconnu maison ", 26},             // an unknown word counts 0
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(MeanWordTenths(f, c.group), c.mean) << c.group;
}

TEST(FrequencyOrder, RowsAndHeader) {
  const WordFrequencies f = Fixture();
  WordTable rows(10);
  for (const char* spelling : {"mairon", "inconnu", "maison", "vie"}) rows.Append(WordEntry{spelling, "x", 2, 0});
  const WordTable sorted = MostCommonRowsFirst(rows, f);
  ASSERT_EQ(sorted.Size(), 4u);
  EXPECT_EQ(sorted.Capacity(), 10u);
  EXPECT_EQ(sorted[0].spelling, "vie");
  EXPECT_EQ(sorted[1].spelling, "maison");
  EXPECT_EQ(sorted[2].spelling, "mairon");
  EXPECT_EQ(sorted[3], rows[1]);  // the whole row moves, not only its spelling

  Document header;
  const CharFormat red{.font = "Arial", .half_points = 18, .color = {255, 0, 0}};
  header.Append("   Rimes", red);
  AddFrequencyOrderLine(header);
  ASSERT_EQ(header.paragraphs().size(), 2u);
  EXPECT_EQ(WritePlainText(header), "   Rimes\n   Mots courants en premier");
  EXPECT_EQ(header.paragraphs()[1].runs[0].format, red);
}

}  // namespace
}  // namespace tavilo
