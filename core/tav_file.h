// Reading and writing the dictionary data files (.tav).
//
// A data file is a sequence of lines ending in CR LF (the last one may lack it). Each line is
//   spelling 0x13 phonetic 0x13 rest
// where the spelling is stored with a byte shift (a-z as 129-154, à-ÿ as 161-192), the phonetic
// form with the a-z shift only, and `rest` holds the digits: for the word files the syllable count
// and the marker (0 or 1), one digit each, or one digit that is both; for po.tav a two-digit
// syllable count; for tb.tav nothing. Anything else after the digits, and a CR anywhere but before
// the LF, is refused: a file whose lines end in CR alone would otherwise read as one line.
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
    TooLarge,
    BadMarker,
    UnexpectedCharacters,
    CarriageReturn,
    LineTooLong,
    BadFrequency,
    OutOfOrder,
  };
  Code code = Code::ReadError;
  std::string file;  // the bare file name
  int line = 0;
  std::string detail;  // what was found, for the message (Windows-1252, may be empty)
  // The folder the file was looked for in (empty when the bytes came from memory). Kept as the
  // system gives it, and converted only when the message is made.
  std::filesystem::path folder;

  // The French message shown to the user, naming the file, the folder and the line, in
  // Windows-1252 (a folder name with no Windows-1252 code comes out with '?') or in UTF-8 (the
  // folder name exactly as the system gives it, control characters escaped).
  std::string Message() const;
  std::string MessageUtf8() const;
};

// A data file holds lines of a few dozen bytes: a file larger than its table's capacity times
// this many bytes cannot be a table and is refused before it is read.
inline constexpr std::size_t kMaxTavLineBytes = 128;

struct TableLoad {
  WordTable table;
  std::optional<LoadError> error;
};

// Loads one table from `path`; the table's kind fixes its capacity and which columns are read.
// On any fault the returned table is empty and `error` says why; nothing is ever read past the
// capacity.
TableLoad LoadWordTable(const std::filesystem::path& path, TableKind kind);

// Reads a whole data file into memory, refusing before any read a file larger than `maxBytes`
// (`limit` says what the limit is, for the message). On a fault `error` names the file and its
// folder.
struct FileRead {
  WordTable::Text bytes;
  std::optional<LoadError> error;
};
FileRead ReadDataFile(const std::filesystem::path& path, std::size_t maxBytes, std::string_view limit);

// The same, from bytes already in memory; `fileName` names the file in errors.
TableLoad ParseTable(std::string_view bytes, TableKind kind, std::string_view fileName);

// The decoding of the two text fields, one byte at a time.
char DecodeSpellingByte(unsigned char stored);
char DecodePhoneticByte(unsigned char stored);

// Why a table could not be written: a row the format cannot store (a capital accented letter, a
// byte in 128-159, a separator, a count that does not fit its digits), more rows than the table
// holds, or a fault of the file system.
struct TableWriteError {
  enum class Code {
    TooManyRows,         // `value` is the capacity
    UnstorableSpelling,  // `value` is the byte
    UnstorablePhonetic,  // `value` is the byte
    SyllablesOutOfRange,  // `value` is the count
    BadMarker,            // `value` is the marker
    CannotOpen,
    WriteFailed,
    CannotReplace,  // `detail` is the system's reason
  };
  Code code = Code::WriteFailed;
  std::string file;      // the bare file name; empty for a line encoded on its own
  std::string spelling;  // the row at fault (Windows-1252)
  int value = 0;
  std::string detail;

  // The French message, in Windows-1252.
  std::string Message() const;
};

// The inverse of the reading: one stored line (with its CR LF) for an entry of a table of this
// kind, or the reason it cannot be stored.
struct EncodedLine {
  std::string bytes;
  std::optional<TableWriteError> error;
};
EncodedLine EncodeTavLine(WordRow entry, TableKind kind);

// Writes a whole table. The file is written in one go to a temporary name and renamed, so a
// failure leaves any previous file intact.
std::optional<TableWriteError> WriteTavFile(const std::filesystem::path& path, const WordTable& table, TableKind kind);

}  // namespace tavilo
