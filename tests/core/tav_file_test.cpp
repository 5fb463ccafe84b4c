// Decoding and encoding of the .tav data files, and every way a file can be refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/tav_file.h"
#include "core/text.h"

namespace tavilo {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

// The stored line for "chat" / "ha" as the data files hold it, without its end of line.
const std::string kChatFields = Bytes({131, 136, 129, 148, 0x13, 136, 129, 0x13});

TEST(TavDecode, ChatLineWithSyllablesAndMarker) {
  const TableLoad load = ParseTable(kChatFields + "10\r\n", TableKind::Nouns, "nm.tav");
  ASSERT_FALSE(load.error);
  ASSERT_EQ(load.table.Size(), 1u);
  EXPECT_EQ(load.table[0], (WordEntry{"chat", "ha", 1, 0}));
}

TEST(TavDecode, OneDigitIsBothSyllablesAndMarker) {
  const TableLoad load = ParseTable(kChatFields + "1\r\n", TableKind::Verbs, "vr.tav");
  ASSERT_FALSE(load.error);
  EXPECT_EQ(load.table[0].syllables, 1);
  EXPECT_EQ(load.table[0].marker, 1);
}

TEST(TavDecode, CharactersBetweenTheDigitsAreIgnored) {
  const TableLoad load = ParseTable(kChatFields + "3xyz0\r\n", TableKind::Nouns, "nm.tav");
  ASSERT_FALSE(load.error);
  EXPECT_EQ(load.table[0].syllables, 3);
  EXPECT_EQ(load.table[0].marker, 0);
}

TEST(TavDecode, SpellingAndPhoneticBytes) {
  struct Case {
    int stored;
    int spelling;
    int phonetic;
  };
  const Case cases[] = {
      {169, 232, 169},  // è in the spelling; no accent shift in the phonetic field
      {161, 224, 161},
      {192, 255, 192},
      {160, 160, 160},
      {128, 96, 96},
      {159, 127, 127},
      {'1', '1', '1'},
      {'\'', '\'', '\''},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<unsigned char>(DecodeSpellingByte(static_cast<unsigned char>(c.stored))), c.spelling)
        << c.stored;
    EXPECT_EQ(static_cast<unsigned char>(DecodePhoneticByte(static_cast<unsigned char>(c.stored))), c.phonetic)
        << c.stored;
  }
}

TEST(TavDecode, LastLineWithoutEndOfLine) {
  const TableLoad load = ParseTable(kChatFields + "10\r\n" + kChatFields + "21", TableKind::Nouns, "nm.tav");
  ASSERT_FALSE(load.error);
  ASSERT_EQ(load.table.Size(), 2u);
  EXPECT_EQ(load.table[1].syllables, 2);
  EXPECT_EQ(load.table[1].marker, 1);
}

TEST(TavDecode, TabooAndLocutionColumns) {
  const TableLoad taboo = ParseTable(kChatFields + "\r\n", TableKind::Taboo, "tb.tav");
  ASSERT_FALSE(taboo.error);
  EXPECT_EQ(taboo.table[0], (WordEntry{"chat", "ha", 0, 0}));
  const TableLoad locution = ParseTable(kChatFields + "12\r\n", TableKind::Locutions, "po.tav");
  ASSERT_FALSE(locution.error);
  EXPECT_EQ(locution.table[0].syllables, 12);
}

TEST(TavDecode, MalformedFilesAreRefusedWithFileAndLine) {
  const std::string good = kChatFields + "10\r\n";
  struct Case {
    const char* name;
    std::string bytes;
    TableKind kind;
    LoadError::Code code;
    int line;
  };
  const Case cases[] = {
      {"no separator", good + "chat\r\n", TableKind::Nouns, LoadError::Code::MissingSeparator, 2},
      {"one separator", good + good + Bytes({131, 0x13, 136}) + "10\r\n", TableKind::Nouns,
       LoadError::Code::MissingSeparator, 3},
      {"no digits", kChatFields + "\r\n", TableKind::Nouns, LoadError::Code::DigitExpected, 1},
      {"letter for syllables", kChatFields + "x0\r\n", TableKind::Adjectives, LoadError::Code::DigitExpected, 1},
      {"letter for marker", kChatFields + "1x\r\n", TableKind::Adjectives, LoadError::Code::DigitExpected, 1},
      {"one digit locution", kChatFields + "1\r\n", TableKind::Locutions, LoadError::Code::DigitExpected, 1},
      {"spelling byte 193", good + Bytes({193, 0x13, 136, 0x13}) + "10", TableKind::Nouns,
       LoadError::Code::BadSpellingByte, 2},
      {"spelling byte 255", Bytes({255, 0x13, 0x13}), TableKind::Taboo, LoadError::Code::BadSpellingByte, 1},
      {"empty file", "", TableKind::Verbs, LoadError::Code::EmptyFile, 0},
  };
  for (const Case& c : cases) {
    const TableLoad load = ParseTable(c.bytes, c.kind, "xx.tav");
    ASSERT_TRUE(load.error) << c.name;
    EXPECT_EQ(load.error->code, c.code) << c.name;
    EXPECT_EQ(load.error->line, c.line) << c.name;
    EXPECT_EQ(load.error->file, "xx.tav");
    EXPECT_NE(load.error->Message().find("xx.tav"), std::string::npos) << c.name;
    EXPECT_TRUE(load.table.Empty()) << c.name;
  }
}

TEST(TavDecode, MoreLinesThanTheCapacityAreRefusedAtTheFirstExtraLine) {
  std::string bytes;
  for (int i = 0; i < 501; ++i) bytes += kChatFields + "\r\n";
  const TableLoad load = ParseTable(bytes, TableKind::Taboo, "tb.tav");
  ASSERT_TRUE(load.error);
  EXPECT_EQ(load.error->code, LoadError::Code::TooManyLines);
  EXPECT_EQ(load.error->line, 501);
  EXPECT_EQ(load.error->Message(),
            "Le fichier \xAB tb.tav \xBB d\xE9passe la capacit\xE9 de sa table (500 lignes) \xE0 la ligne 501.");
  bytes.resize(bytes.size() - kChatFields.size() - 2);
  EXPECT_FALSE(ParseTable(bytes, TableKind::Taboo, "tb.tav").error);
}

TEST(TavEncode, RoundTripsEveryStorableSpelling) {
  const WordEntry entries[] = {
      {"chat", "ha", 1, 0},
      {"\xE2ne", "an", 1, 1},                       // âne
      {"aujourd'hui", "oj4rd9i", 3, 0},
      {"pomme de terre", "pomdet3r", 3, 0},
      {"\xE9t\xE9", "2t2", 2, 1},                   // été
      {"na\xEFve", "naiv", 2, 0},
      {"\xFF\xE0\xFF", "a", 9, 9},
      {"QWERTY", "k", 2, 0},
  };
  for (TableKind kind : {TableKind::Nouns, TableKind::Locutions, TableKind::Taboo}) {
    std::string bytes;
    for (const WordEntry& e : entries) bytes += EncodeTavLine(e, kind).value();
    const TableLoad load = ParseTable(bytes, kind, "x.tav");
    ASSERT_FALSE(load.error) << load.error->Message();
    ASSERT_EQ(load.table.Size(), std::size(entries));
    for (std::size_t i = 0; i < std::size(entries); ++i) {
      EXPECT_EQ(load.table[i].spelling, entries[i].spelling);
      EXPECT_EQ(load.table[i].phonetic, entries[i].phonetic);
      if (kind != TableKind::Taboo) {
        EXPECT_EQ(load.table[i].syllables, entries[i].syllables);
      }
      if (kind == TableKind::Nouns) {
        EXPECT_EQ(load.table[i].marker, entries[i].marker);
      }
    }
  }
}

TEST(TavEncode, RefusesWhatCannotBeStored) {
  const WordEntry refused[] = {
      {"\xC9t\xE9", "2t2", 2, 0},  // capital É
      {"c\x9C" "ur", "k1r", 1, 0},  // œ must be spelled oe
      {"a\x13" "b", "ab", 1, 0},
      {"chat", "h\x80", 1, 0},
      {"chat", "ha", 10, 0},
      {"chat", "ha", 1, -1},
  };
  for (const WordEntry& e : refused) {
    std::string why;
    EXPECT_FALSE(EncodeTavLine(e, TableKind::Nouns, &why)) << e.spelling;
    EXPECT_FALSE(why.empty());
  }
}

TEST(TavFile, MissingFileAndWriteReadRoundTrip) {
  const auto dir = std::filesystem::path(TAVILO_TEST_BINARY_DIR) / "tav_file_test";
  std::filesystem::create_directories(dir);
  std::filesystem::remove(dir / "nm.tav");
  const TableLoad missing = LoadWordTable(dir / "nm.tav", TableKind::Nouns);
  ASSERT_TRUE(missing.error);
  EXPECT_EQ(missing.error->code, LoadError::Code::FileNotFound);
  EXPECT_NE(missing.error->Message().find("nm.tav"), std::string::npos);

  WordTable table(InfoOf(TableKind::Nouns).capacity);
  table.Append({"chat", "ha", 1, 0});
  table.Append({"chien", "h76", 1, 1});
  ASSERT_FALSE(WriteTavFile(dir / "nm.tav", table, TableKind::Nouns));
  const TableLoad load = LoadWordTable(dir / "nm.tav", TableKind::Nouns);
  ASSERT_FALSE(load.error);
  EXPECT_EQ(load.table.Rows(), table.Rows());
}

}  // namespace
}  // namespace tavilo
