// Decoding and encoding of the .tav data files, every capacity, and every way a file is refused.
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

TEST(TavDecode, LinesOfEachKind) {
  struct Case {
    std::string bytes;
    TableKind kind;
    std::vector<WordEntry> rows;
  };
  const Case cases[] = {
      {kChatFields + "10\r\n", TableKind::Nouns, {{"chat", "ha", 1, 0}}},
      // One digit is both the syllable count and the marker.
      {kChatFields + "1\r\n", TableKind::Verbs, {{"chat", "ha", 1, 1}}},
      // The last line may lack its CR LF; a bare LF ends a line too.
      {kChatFields + "10\n" + kChatFields + "21", TableKind::Adjectives, {{"chat", "ha", 1, 0}, {"chat", "ha", 2, 1}}},
      {kChatFields + "\r\n", TableKind::Taboo, {{"chat", "ha", 0, 0}}},
      {kChatFields + "12\r\n", TableKind::Locutions, {{"chat", "ha", 12, 0}}},
      // è in the spelling (169 -> 232), no accent shift in the phonetic field, 160 unchanged.
      {Bytes({169, 160, '\'', 0x13, 169, 136, 0x13}) + "10", TableKind::FunctionWords,
       {{"\xE8\xA0'", "\xA9h", 1, 0}}},
  };
  for (const Case& c : cases) {
    const TableLoad load = ParseTable(c.bytes, c.kind, "x.tav");
    ASSERT_FALSE(load.error) << load.error->Message();
    EXPECT_EQ(std::vector<WordRow>(load.table.begin(), load.table.end()), std::vector<WordRow>(c.rows.begin(), c.rows.end()));
  }
}

TEST(TavDecode, MalformedFilesAreRefusedWithFileAndLine) {
  const std::string good = kChatFields + "10\r\n";
  using Code = LoadError::Code;
  struct Case {
    const char* name;
    std::string bytes;
    TableKind kind;
    Code code;
    int line;
  };
  const Case cases[] = {
      {"no separator", good + "chat\r\n", TableKind::Nouns, Code::MissingSeparator, 2},
      {"one separator", good + good + Bytes({131, 0x13, 136}) + "10\r\n", TableKind::Nouns, Code::MissingSeparator, 3},
      {"no digits", kChatFields + "\r\n", TableKind::Nouns, Code::DigitExpected, 1},
      {"letter for syllables", kChatFields + "x0\r\n", TableKind::Adjectives, Code::DigitExpected, 1},
      {"letter for marker", kChatFields + "1x\r\n", TableKind::Adjectives, Code::DigitExpected, 1},
      {"marker 2", kChatFields + "12\r\n", TableKind::Nouns, Code::BadMarker, 1},
      {"characters after the digits", kChatFields + "30x\r\n", TableKind::Nouns, Code::UnexpectedCharacters, 1},
      {"a third digit", good + kChatFields + "100\r\n", TableKind::Verbs, Code::UnexpectedCharacters, 2},
      {"rest of a taboo line", kChatFields + "1\r\n", TableKind::Taboo, Code::UnexpectedCharacters, 1},
      {"three-digit locution count", kChatFields + "123\r\n", TableKind::Locutions, Code::UnexpectedCharacters, 1},
      {"one digit locution", kChatFields + "1\r\n", TableKind::Locutions, Code::DigitExpected, 1},
      // Lines ending in CR alone would otherwise read as one line holding the whole file.
      {"CR-only line ends", good + kChatFields + "10\r" + kChatFields + "10\r", TableKind::Nouns, Code::CarriageReturn, 2},
      {"CR inside a field", Bytes({131, '\r', 0x13, 136, 0x13}) + "10", TableKind::Nouns, Code::CarriageReturn, 1},
      {"spelling byte 193", good + Bytes({193, 0x13, 136, 0x13}) + "10", TableKind::Nouns, Code::BadSpellingByte, 2},
      {"spelling byte 255", Bytes({255, 0x13, 0x13}), TableKind::Taboo, Code::BadSpellingByte, 1},
      // A row records each field's size in 16 bits: a longer line is refused, not cut.
      {"a 65536-byte line", good + std::string(65536, 'a') + "\x13\x13" "10", TableKind::Nouns, Code::LineTooLong, 2},
      {"empty file", "", TableKind::Verbs, Code::EmptyFile, 0},
      {"larger than the table can need", std::string(500 * kMaxTavLineBytes + 1, 'a'), TableKind::Taboo,
       Code::TooLarge, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TableLoad load = ParseTable(c.bytes, c.kind, "xx.tav");
    ASSERT_TRUE(load.error);
    EXPECT_EQ(load.error->code, c.code);
    EXPECT_EQ(load.error->line, c.line);
    EXPECT_NE(load.error->Message().find("\xAB\xA0xx.tav\xA0\xBB"), std::string::npos);
    if (c.line > 0) {
      EXPECT_NE(load.error->Message().find("ligne " + std::to_string(c.line)), std::string::npos);
    }
    EXPECT_TRUE(load.table.Empty());
  }
}

// Each table takes exactly its capacity and refuses the line after it.
TEST(TavDecode, EachTableHoldsItsCapacity) {
  const std::pair<TableKind, std::size_t> capacities[] = {
      {TableKind::Nouns, 33000}, {TableKind::Adjectives, 19000}, {TableKind::Verbs, 35000},
      {TableKind::FunctionWords, 2100}, {TableKind::Taboo, 500}, {TableKind::Locutions, 500},
  };
  for (const auto& [kind, capacity] : capacities) {
    SCOPED_TRACE(InfoOf(kind).fileName);
    const std::string line = kChatFields + (kind == TableKind::Taboo ? "" : "10") + "\r\n";
    std::string bytes;
    for (std::size_t i = 0; i < capacity; ++i) bytes += line;
    EXPECT_EQ(ParseTable(bytes, kind, "x.tav").table.Size(), capacity);
    const TableLoad over = ParseTable(bytes + line, kind, "x.tav");
    ASSERT_TRUE(over.error);
    EXPECT_EQ(over.error->code, LoadError::Code::TooManyLines);
    EXPECT_EQ(over.error->line, static_cast<int>(capacity) + 1);
  }
}

TEST(TavEncode, RoundTripsEveryStorableSpelling) {
  const WordEntry entries[] = {
      {"\xE2ne", "an", 1, 1},  // âne
      {"aujourd'hui", "oj4rd9i", 3, 0},
      {"pomme de terre", "pomdet3r", 3, 0},
      {"\xFF\xE0\xFF", "a", 9, 1},
      {"QWERTY", "k", 2, 0},
      {"anticonstitutionnellement", "@tik&stitysj&n2lm@", 9, 0},  // longer than a short string holds
  };
  for (TableKind kind : {TableKind::Nouns, TableKind::Locutions, TableKind::Taboo}) {
    std::string bytes;
    for (const WordRow e : entries) bytes += EncodeTavLine(e, kind).bytes;
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
  const WordEntry refused[] = {
      {"\xC9t\xE9", "2t2", 2, 0},   // capital É
      {"c\x9C" "ur", "k1r", 1, 0},  // œ must be spelled oe
      {"a\x13" "b", "ab", 1, 0},     {"a\rb", "ab", 1, 0}, {"chat", "h\x80", 1, 0},
      {"chat", "ha", 10, 0},         {"chat", "ha", 1, 2},
  };
  for (const WordRow e : refused) {
    const EncodedLine line = EncodeTavLine(e, TableKind::Nouns);
    ASSERT_TRUE(line.error) << e.spelling;
    EXPECT_NE(line.error->Message().find(Quoted(e.spelling)), std::string::npos) << line.error->Message();
  }
}

TEST(TavFile, OnlyAFileThatDoesNotExistIsAbsent) {
  // The folder has a non-ASCII name: messages must show it as the system spells it.
  const auto dir = std::filesystem::path(TAVILO_TEST_BINARY_DIR) / "tav_file_test" / "donn\xC3\xA9" "es";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir / "aj.tav");
  const TableLoad missing = LoadWordTable(dir / "nm.tav", TableKind::Nouns);
  ASSERT_TRUE(missing.error);
  EXPECT_EQ(missing.error->code, LoadError::Code::FileNotFound);
  EXPECT_NE(missing.error->MessageUtf8().find("donn\xC3\xA9" "es"), std::string::npos) << missing.error->MessageUtf8();
  EXPECT_NE(missing.error->Message().find("donn\xE9" "es"), std::string::npos);

  const TableLoad folder = LoadWordTable(dir / "aj.tav", TableKind::Adjectives);
  ASSERT_TRUE(folder.error);
  EXPECT_EQ(folder.error->code, LoadError::Code::ReadError);
  EXPECT_NE(folder.error->MessageUtf8().find("c'est un dossier"), std::string::npos);

  // Refused by its size before it is read.
  std::ofstream(dir / "tb.tav").close();
  std::filesystem::resize_file(dir / "tb.tav", 500 * kMaxTavLineBytes + 1);
  EXPECT_EQ(LoadWordTable(dir / "tb.tav", TableKind::Taboo).error->code, LoadError::Code::TooLarge);

  WordTable table(InfoOf(TableKind::Nouns).capacity);
  table.Append({"chat", "ha", 1, 0});
  table.Append({"chien", "h76", 1, 1});
  ASSERT_FALSE(WriteTavFile(dir / "nm.tav", table, TableKind::Nouns));
  const TableLoad load = LoadWordTable(dir / "nm.tav", TableKind::Nouns);
  ASSERT_FALSE(load.error);
  EXPECT_TRUE(load.table == table);
}

}  // namespace
}  // namespace tavilo
