// The frequency file: every line found by the in-place binary search (checked against a map on
// sorted lists of long, prefix-sharing spellings), and every way a file is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "core/frequency.h"

namespace tavilo {
namespace {

std::string FileOf(const std::map<std::string, int>& values) {
  std::string text;
  for (const auto& [spelling, tenths] : values) {
    text += spelling + '\t' + std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) + '\n';
  }
  return text;
}

TEST(WordFrequencies, FindsEveryLineAndNothingElse) {
  // Spellings over a three-letter alphabet share long prefixes, so the search lands on
  // neighbours that differ late, in lines of every length; accents test the byte order.
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    std::map<std::string, int> values;
    const int count = 1 + static_cast<int>(random() % 300);
    auto draw = [&] {
      std::string s(1 + random() % 12, 'a');
      for (char& ch : s) ch = "ab\xE9"[random() % 3];
      return s;
    };
    while (static_cast<int>(values.size()) < count) values[draw()] = static_cast<int>(random() % 100);
    std::string text = FileOf(values);
    if (round % 2) text.pop_back();  // the last line may lack its end
    const FrequencyLoad load = ParseWordFrequencies(text, "frequences.txt");
    ASSERT_FALSE(load.error) << load.error->Message();
    EXPECT_EQ(load.frequencies.Size(), values.size());
    for (const auto& [spelling, tenths] : values) EXPECT_EQ(load.frequencies.Tenths(spelling), tenths) << spelling;
    for (int probe = 0; probe < 300; ++probe) {
      const std::string s = draw();
      const auto found = values.find(s);
      EXPECT_EQ(load.frequencies.Tenths(s), found == values.end() ? 0 : found->second) << s;
    }
    EXPECT_EQ(load.frequencies.Tenths(""), 0);
  }
}

TEST(WordFrequencies, IndexGrowsForFilesOfShortLines) {
  // Lines of eight bytes fill the first index past three-quarters: it must grow and keep them all.
  std::map<std::string, int> values;
  for (int i = 0; values.size() < 4000; ++i) {
    values[{static_cast<char>('a' + i / 256), static_cast<char>('a' + i / 16 % 16), static_cast<char>('a' + i % 16)}] =
        i % 100;
  }
  const FrequencyLoad load = ParseWordFrequencies(FileOf(values), "frequences.txt");
  ASSERT_FALSE(load.error);
  for (const auto& [spelling, tenths] : values) ASSERT_EQ(load.frequencies.Tenths(spelling), tenths) << spelling;
  EXPECT_EQ(load.frequencies.Tenths("zzz"), 0);
}

TEST(WordFrequencies, ReadsCrLfLinesAndLocutions) {
  const FrequencyLoad load = ParseWordFrequencies("a priori\t3.9\r\nmaison\t5.2\r\n", "frequences.txt");
  ASSERT_FALSE(load.error);
  EXPECT_EQ(load.frequencies.Tenths("a priori"), 39);
  EXPECT_EQ(load.frequencies.Tenths("maison"), 52);
  EXPECT_EQ(FormatZipfTenths(52), "5,2");
  EXPECT_EQ(FormatZipfTenths(7), "0,7");
}

TEST(WordFrequencies, RefusesMalformedFiles) {
  struct Case {
    std::string text;
    LoadError::Code code;
    int line;
  };
  const Case cases[] = {
      {"", LoadError::Code::EmptyFile, 0},
      {"chat\t4.1\nchien 4.0\n", LoadError::Code::MissingSeparator, 2},
      {"\t4.1\n", LoadError::Code::BadSpellingByte, 1},
      {"ch\x01t\t4.1\n", LoadError::Code::BadSpellingByte, 1},
      {"chat\t4,1\n", LoadError::Code::BadFrequency, 1},
      {"chat\t41\n", LoadError::Code::BadFrequency, 1},
      {"chat\t4.12\n", LoadError::Code::BadFrequency, 1},
      {"chat\t\n", LoadError::Code::BadFrequency, 1},
      {"chat\t4.1\r\r\n", LoadError::Code::BadFrequency, 1},
      {"chien\t4.1\nchat\t4.0\n", LoadError::Code::OutOfOrder, 2},
      {"chat\t4.1\nchat\t4.0\n", LoadError::Code::OutOfOrder, 2},
  };
  for (const Case& c : cases) {
    const FrequencyLoad load = ParseWordFrequencies(c.text, "frequences.txt");
    ASSERT_TRUE(load.error) << c.text;
    EXPECT_EQ(load.error->code, c.code) << c.text;
    EXPECT_EQ(load.error->line, c.line) << c.text;
    EXPECT_EQ(load.frequencies.Size(), 0u);
    EXPECT_NE(load.error->Message().find("frequences.txt"), std::string::npos);
  }
}

TEST(WordFrequencies, MissingFileNamesItsFolder) {
  const auto folder = std::filesystem::temp_directory_path() / "tavilo-frequency-test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const FrequencyLoad missing = LoadWordFrequencies(folder);
  ASSERT_TRUE(missing.error);
  EXPECT_EQ(missing.error->code, LoadError::Code::FileNotFound);
  EXPECT_NE(missing.error->MessageUtf8().find("tavilo-frequency-test"), std::string::npos);
  std::ofstream(folder / kFrequencyFileName) << "chat\t4.1\nchien\t4.x\n";
  const FrequencyLoad malformed = LoadWordFrequencies(folder);
  ASSERT_TRUE(malformed.error);
  EXPECT_EQ(malformed.error->MessageUtf8(),
            "Le fichier \u00AB\u00A0frequences.txt\u00A0\u00BB (dossier \u00AB\u00A0" + folder.string() +
                "\u00A0\u00BB) est mal form\u00E9 \u00E0 la ligne 2 : fr\u00E9quence attendue sous la forme 5.2 "
                "(\u00AB\u00A04.x\u00A0\u00BB).");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tavilo
