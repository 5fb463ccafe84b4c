// Reading and writing the dictionary data files (.tav).
//
// A data file is a sequence of lines ending in CR LF (the last one may lack it). Each line is
//   spelling 0x13 phonetic 0x13 rest
// where the spelling is stored with a byte shift (a-z as 129-154, à-ÿ as 161-192), the phonetic
// form with the a-z shift only, and `rest` holds the digits: for the word files the syllable count
// (the first character) and the marker (the last character); for po.tav a two-digit syllable
// count; for tb.tav nothing that is read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/word_table.h"

namespace tavilo {

inline constexpr char kTavSeparator = '\x13';

// Why a data file could not be loaded. `line` is 1-based, 0 when the fault is the whole file.
struct LoadError {
  enum class Code {
    FileNotFound,
    ReadError,
    MissingSeparator,
    DigitExpected,
    BadSpellingByte,
    EmptyFile,
    TooManyLines,
  };
  Code code = Code::ReadError;
  std::string file;  // the bare file name
  int line = 0;
  std::string detail;  // what was found, for the message (may be empty)

  // The French message shown to the user, naming the file and the line (Windows-1252).
  std::string Message() const;
};

struct TableLoad {
  WordTable table;
  std::optional<LoadError> error;
};

// Loads one table from `path`; the table's kind fixes its capacity and which columns are read.
// On any fault the returned table is empty and `error` says why; nothing is ever read past the
// capacity.
TableLoad LoadWordTable(const std::filesystem::path& path, TableKind kind);
TableLoad LoadTabooTable(const std::filesystem::path& path);
TableLoad LoadLocutionTable(const std::filesystem::path& path);

// The same, from bytes already in memory; `fileName` names the file in errors.
TableLoad ParseTable(std::string_view bytes, TableKind kind, std::string_view fileName);

// The decoding of the two text fields, one byte at a time.
char DecodeSpellingByte(unsigned char stored);
char DecodePhoneticByte(unsigned char stored);

// The inverse: one stored line (with its CR LF) for an entry of a table of this kind, or nullopt
// with `error` set when a character cannot be stored (a capital accented letter, a byte in
// 128-159, a separator, a count that does not fit its digits).
std::optional<std::string> EncodeTavLine(const WordEntry& entry, TableKind kind, std::string* error = nullptr);

// Writes a whole table; returns the French error message on failure (nullopt on success).
// The file is written in one go to a temporary name and renamed, so a failure leaves any
// previous file intact.
std::optional<std::string> WriteTavFile(const std::filesystem::path& path, const WordTable& table, TableKind kind);

}  // namespace tavilo
