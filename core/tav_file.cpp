#include "core/tav_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <memory>
#include <system_error>

#include "core/text.h"

namespace tavilo {

namespace {

// The message with the byte 0x01 where the folder's name goes.
std::string MessageTemplate(const LoadError& e) {
  using Code = LoadError::Code;
  const std::string name = Quoted(e.file);
  const std::string in = e.folder.empty() ? std::string() : " (dossier \xAB\xA0\x01\xA0\xBB)";
  const std::string at = e.line > 0 ? " \xE0 la ligne " + std::to_string(e.line) : std::string();
  const std::string malformed = "Le fichier " + name + in + " est mal form\xE9" + at + " : ";
  switch (e.code) {
    case Code::FileNotFound:
      return "Fichier de donn\xE9" "es introuvable : " + name + in + ".";
    case Code::ReadError:
      return "Erreur de lecture du fichier " + name + in + (e.detail.empty() ? "" : " : " + e.detail) + ".";
    case Code::MissingSeparator:
      return malformed + "s\xE9parateur manquant.";
    case Code::DigitExpected:
      return malformed + "chiffre attendu" + (e.detail.empty() ? "" : " (" + e.detail + ")") + ".";
    case Code::BadSpellingByte:
      return malformed + "caract\xE8re interdit dans la graphie (" + e.detail + ").";
    case Code::BadMarker:
      return malformed + "le marqueur vaut 0 ou 1 (" + e.detail + ").";
    case Code::UnexpectedCharacters:
      return malformed + "caract\xE8res en trop apr\xE8s les chiffres (" + e.detail + ").";
    case Code::CarriageReturn:
      return malformed + "retour chariot (CR) au milieu de la ligne ; les lignes finissent par CR LF.";
    case Code::LineTooLong:
      return malformed + "ligne trop longue (" + e.detail + " octets).";
    case Code::EmptyFile:
      return "Le fichier " + name + in + " est vide.";
    case Code::TooManyLines:
      return "Le fichier " + name + in + " d\xE9passe la capacit\xE9 de sa table (" + e.detail + " lignes)" + at + ".";
    case Code::TooLarge:
      return "Le fichier " + name + in + " est trop grand pour sa table (" + e.detail + ").";
    case Code::BadFrequency:
      return malformed + "fr\xE9quence attendue sous la forme 5.2 (" + e.detail + ").";
    case Code::OutOfOrder:
      return malformed + "les graphies vont en ordre croissant, sans doublon (" + e.detail + ").";
  }
  return "Erreur dans le fichier " + name + in + ".";
}

std::string FillFolder(std::string text, std::string_view folder) {
  const std::size_t mark = text.find('\x01');
  if (mark != std::string::npos) text.replace(mark, 1, folder);
  return text;
}

// The most bytes a line may hold: a row records the size of each field in 16 bits.
constexpr std::size_t kMaxTavFieldBytes = 65535;

LoadError MakeError(LoadError::Code code, std::string_view file, int line, std::string detail = {}) {
  return LoadError{code, std::string(file), line, std::move(detail), {}};
}

std::string DescribeByte(unsigned char b) { return "octet " + std::to_string(b); }

// DecodeSpellingByte and DecodePhoneticByte for every byte, worked out once.
struct DecodeTables {
  std::array<char, 256> spelling{}, phonetic{};
  DecodeTables() {
    for (int b = 0; b < 256; ++b) {
      spelling[static_cast<std::size_t>(b)] = DecodeSpellingByte(static_cast<unsigned char>(b));
      phonetic[static_cast<std::size_t>(b)] = DecodePhoneticByte(static_cast<unsigned char>(b));
    }
  }
};

// Whether the line ends at `p`. A CR ends a line only right before its LF (or the file's end);
// anywhere else it is refused, as lines ending in CR alone would otherwise read as one line
// holding the whole file.
bool LineEndsAt(const char* p, const char* end) {
  return p == end || *p == '\n' || (*p == '\r' && (p + 1 == end || p[1] == '\n'));
}

// Decodes one field where it lies, up to its separator, which it returns; on a fault, returns
// where it stopped with `fault` set.
char* DecodeField(char* p, const char* end, const std::array<char, 256>& decode, bool spelling,
                  std::optional<LoadError::Code>& fault) {
  for (;; ++p) {
    if (LineEndsAt(p, end)) {
      fault = LoadError::Code::MissingSeparator;
      return p;
    }
    const auto b = static_cast<unsigned char>(*p);
    if (b == static_cast<unsigned char>(kTavSeparator)) return p;
    if (b == '\r' || (spelling && b >= 193)) {
      fault = b == '\r' ? LoadError::Code::CarriageReturn : LoadError::Code::BadSpellingByte;
      return p;
    }
    *p = decode[b];
  }
}

}  // namespace

std::string LoadError::Message() const {
  return FillFolder(MessageTemplate(*this), Utf8ToCp1252(ForDisplay(folder.string())));
}

std::string LoadError::MessageUtf8() const {
  return FillFolder(Cp1252ToUtf8(MessageTemplate(*this)), ForDisplay(folder.string()));
}

char DecodeSpellingByte(unsigned char b) {
  if (b >= 128 && b <= 159) return static_cast<char>(b - 32);
  if (b >= 161 && b <= 192) return static_cast<char>(b + 63);
  return static_cast<char>(b);
}

char DecodePhoneticByte(unsigned char b) {
  if (b >= 128 && b <= 159) return static_cast<char>(b - 32);
  return static_cast<char>(b);
}

// The loader, the one code that fills a table's block and row records itself.
struct TableParser {
  // Parses a data file's bytes, which become the table's text: the two text fields of each row
  // are decoded where they lie as they are checked, and the row records where they are.
  static TableLoad Parse(WordTable::Text bytes, TableKind kind, std::string_view fileName) {
    static const DecodeTables kDecode;
    const TableInfo& info = InfoOf(kind);
    TableLoad result{WordTable(info.capacity), std::nullopt};
    if (bytes.empty()) {
      result.error = MakeError(LoadError::Code::EmptyFile, fileName, 0);
      return result;
    }
    if (bytes.size() > info.capacity * kMaxTavLineBytes) {
      result.error = MakeError(LoadError::Code::TooLarge, fileName, 0,
                               std::to_string(bytes.size()) + " octets pour " + std::to_string(info.capacity) +
                                   " lignes au plus");
      return result;
    }
    auto fail = [&](LoadError error) {
      result.table.Reset(info.capacity);
      result.error = std::move(error);
      return result;
    };

    const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    char* const begin = bytes.data();
    char* const end = begin + bytes.size();
    result.table.AdoptText(std::move(bytes));  // the block does not move: `begin` stays valid
    result.table.Reserve(lines);
    // One pass over each line: its two text fields are checked and decoded where they lie, then
    // its digits are read, then the row records where its text is.
    char* pos = begin;
    int lineNo = 0;
    using Code = LoadError::Code;
    while (pos < end) {
      ++lineNo;
      if (result.table.Size() >= info.capacity) {
        return fail(MakeError(Code::TooManyLines, fileName, lineNo, std::to_string(info.capacity)));
      }
      char* const lineStart = pos;
      std::optional<Code> fault;
      char* const sep1 = DecodeField(lineStart, end, kDecode.spelling, true, fault);
      char* const sep2 = fault ? sep1 : DecodeField(sep1 + 1, end, kDecode.phonetic, false, fault);
      if (fault) {
        return fail(MakeError(*fault, fileName, lineNo,
                              *fault == Code::BadSpellingByte ? DescribeByte(static_cast<unsigned char>(*sep1)) : ""));
      }
      if (sep2 - lineStart > static_cast<std::ptrdiff_t>(kMaxTavFieldBytes)) {
        return fail(MakeError(Code::LineTooLong, fileName, lineNo, std::to_string(sep2 - lineStart)));
      }
      // The rest of the line: the digits, up to the line's end.
      char* restEnd = sep2 + 1;
      while (!LineEndsAt(restEnd, end)) {
        if (*restEnd == '\r') return fail(MakeError(Code::CarriageReturn, fileName, lineNo));
        ++restEnd;
      }
      const std::string_view rest(sep2 + 1, static_cast<std::size_t>(restEnd - sep2 - 1));
      pos = restEnd == end ? end : restEnd + (*restEnd == '\r' ? 2 : 1);
      if (pos > end) pos = end;

      auto digitAt = [&](std::size_t i) -> int {
        if (i >= rest.size() || rest[i] < '0' || rest[i] > '9') return -1;
        return rest[i] - '0';
      };
      int syllables = 0, marker = 0;
      std::size_t digits = 0;  // how many characters of `rest` the kind reads
      switch (kind) {
        case TableKind::Taboo:
          break;
        case TableKind::Locutions: {
          const int tens = digitAt(0), units = digitAt(1);
          if (tens < 0 || units < 0) {
            return fail(MakeError(Code::DigitExpected, fileName, lineNo, "nombre de syllabes sur deux chiffres"));
          }
          syllables = tens * 10 + units;
          digits = 2;
          break;
        }
        default: {
          // The syllable count is the first character and the marker the last: one digit alone
          // is both.
          syllables = digitAt(0);
          marker = rest.empty() ? -1 : digitAt(std::min<std::size_t>(rest.size(), 2) - 1);
          if (syllables < 0) return fail(MakeError(Code::DigitExpected, fileName, lineNo, "nombre de syllabes"));
          if (marker < 0) return fail(MakeError(Code::DigitExpected, fileName, lineNo, "marqueur"));
          if (marker > 1) return fail(MakeError(Code::BadMarker, fileName, lineNo, std::to_string(marker)));
          digits = std::min<std::size_t>(rest.size(), 2);
          break;
        }
      }
      if (rest.size() > digits) {
        return fail(MakeError(Code::UnexpectedCharacters, fileName, lineNo,
                              DescribeByte(static_cast<unsigned char>(rest[digits]))));
      }
      result.table.AppendSlot({static_cast<std::uint32_t>(lineStart - begin),
                               static_cast<std::uint16_t>(sep1 - lineStart), static_cast<std::uint16_t>(sep2 - sep1 - 1),
                               static_cast<std::int16_t>(syllables), static_cast<std::int16_t>(marker)});
    }
    return result;
  }
};

TableLoad ParseTable(std::string_view bytes, TableKind kind, std::string_view fileName) {
  return TableParser::Parse(WordTable::Text(bytes.begin(), bytes.end()), kind, fileName);
}

FileRead ReadDataFile(const std::filesystem::path& path, std::size_t maxBytes, std::string_view limit) {
  namespace fs = std::filesystem;
  auto fail = [&](LoadError::Code code, std::string detail = {}) {
    LoadError error = MakeError(code, Utf8ToCp1252(ForDisplay(path.filename().string())), 0, std::move(detail));
    error.folder = path.parent_path();
    return FileRead{{}, std::move(error)};
  };
  // Only a file that does not exist is absent; anything else that cannot be read is an error
  // that says why, so that a folder named aj.tav does not silently empty the adjectives.
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return fail(LoadError::Code::FileNotFound);
  if (ec) return fail(LoadError::Code::ReadError, Utf8ToCp1252(ec.message()));
  if (status.type() == fs::file_type::directory) return fail(LoadError::Code::ReadError, "c'est un dossier");
  if (status.type() != fs::file_type::regular) {
    return fail(LoadError::Code::ReadError, "ce n'est pas un fichier ordinaire");
  }
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return fail(LoadError::Code::ReadError, Utf8ToCp1252(ec.message()));
  // Checked before anything is read: a huge file is refused at once.
  if (size > maxBytes) return fail(LoadError::Code::TooLarge, std::to_string(size) + " octets pour " + std::string(limit));
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail(LoadError::Code::ReadError, Utf8ToCp1252(std::generic_category().message(errno)));
  // Read whole in one go into what becomes the table's text.
  WordTable::Text bytes(static_cast<std::size_t>(size));
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)) || in.peek() != EOF) {
    return fail(LoadError::Code::ReadError, "le fichier a chang\xE9 pendant la lecture");
  }
  return FileRead{std::move(bytes), std::nullopt};
}

TableLoad LoadWordTable(const std::filesystem::path& path, TableKind kind) {
  const TableInfo& info = InfoOf(kind);
  FileRead read = ReadDataFile(path, info.capacity * kMaxTavLineBytes,
                               std::to_string(info.capacity) + " lignes au plus");
  if (read.error) return TableLoad{WordTable(info.capacity), std::move(read.error)};
  TableLoad load = TableParser::Parse(std::move(read.bytes), kind, Utf8ToCp1252(ForDisplay(path.filename().string())));
  if (load.error) load.error->folder = path.parent_path();
  return load;
}

std::string TableWriteError::Message() const {
  const std::string number = FrenchNumber(value);
  std::string why;
  switch (code) {
    case Code::TooManyRows:
      return "La table " + Quoted(file) + " d\xE9passe sa capacit\xE9 (" + number + " lignes).";
    case Code::UnstorableSpelling:
      why = "la graphie " + Quoted(spelling) + " contient un caract\xE8re non enregistrable (" + number + ")";
      break;
    case Code::UnstorablePhonetic:
      why = "la phon\xE9tique de " + Quoted(spelling) + " contient un caract\xE8re non enregistrable (" + number + ")";
      break;
    case Code::SyllablesOutOfRange:
      why = Quoted(spelling) + " a un nombre de syllabes que la table ne peut pas enregistrer (" + number + ")";
      break;
    case Code::BadMarker:
      why = Quoted(spelling) + " a un marqueur autre que 0 ou 1 (" + number + ")";
      break;
    case Code::CannotOpen:
      return "Impossible d'ouvrir " + Quoted(file) + " en \xE9" "criture.";
    case Code::WriteFailed:
      return "Erreur d'\xE9" "criture dans " + Quoted(file) + ".";
    case Code::CannotReplace:
      return "Impossible de remplacer " + Quoted(file) + " : " + detail + ".";
  }
  if (file.empty()) return "Ligne impossible \xE0 enregistrer : " + why + ".";
  return "Impossible d'\xE9" "crire " + Quoted(file) + " : " + why + ".";
}

EncodedLine EncodeTavLine(WordRow entry, TableKind kind) {
  using Code = TableWriteError::Code;
  auto refuse = [&](Code code, int value) {
    return EncodedLine{{}, TableWriteError{code, {}, std::string(entry.spelling), value, {}}};
  };
  std::string line;
  line.reserve(entry.spelling.size() + entry.phonetic.size() + 6);
  for (char ch : entry.spelling) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 96 && c <= 127) {
      line += static_cast<char>(c + 32);
    } else if (c >= 224) {
      line += static_cast<char>(c - 63);
    } else if (c == 0x13 || c == '\r' || c == '\n' || (c >= 128 && c <= 159) || (c >= 161 && c <= 223)) {
      return refuse(Code::UnstorableSpelling, c);
    } else {
      line += ch;
    }
  }
  line += kTavSeparator;
  for (char ch : entry.phonetic) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 96 && c <= 127) {
      line += static_cast<char>(c + 32);
    } else if (c == 0x13 || c == '\r' || c == '\n' || (c >= 128 && c <= 159)) {
      return refuse(Code::UnstorablePhonetic, c);
    } else {
      line += ch;
    }
  }
  line += kTavSeparator;
  switch (kind) {
    case TableKind::Taboo:
      break;
    case TableKind::Locutions:
      if (entry.syllables < 0 || entry.syllables > 99) return refuse(Code::SyllablesOutOfRange, entry.syllables);
      line += static_cast<char>('0' + entry.syllables / 10);
      line += static_cast<char>('0' + entry.syllables % 10);
      break;
    default:
      if (entry.syllables < 0 || entry.syllables > 9) return refuse(Code::SyllablesOutOfRange, entry.syllables);
      if (entry.marker < 0 || entry.marker > 1) return refuse(Code::BadMarker, entry.marker);
      line += static_cast<char>('0' + entry.syllables);
      line += static_cast<char>('0' + entry.marker);
      break;
  }
  line += "\r\n";
  return {std::move(line), std::nullopt};
}

std::optional<TableWriteError> WriteTavFile(const std::filesystem::path& path, const WordTable& table, TableKind kind) {
  using Code = TableWriteError::Code;
  const std::string name = Utf8ToCp1252(ForDisplay(path.filename().string()));
  const auto fault = [&](Code code, std::string detail = {}) {
    return TableWriteError{code, name, {}, 0, std::move(detail)};
  };
  if (table.Size() > InfoOf(kind).capacity) {
    TableWriteError error = fault(Code::TooManyRows);
    error.value = static_cast<int>(InfoOf(kind).capacity);
    return error;
  }
  std::string bytes;
  for (const WordRow entry : table) {
    EncodedLine line = EncodeTavLine(entry, kind);
    if (line.error) {
      line.error->file = name;
      return line.error;
    }
    bytes += line.bytes;
  }
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return fault(Code::CannotOpen);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return fault(Code::WriteFailed);
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) return fault(Code::CannotReplace, Utf8ToCp1252(ec.message()));
  return std::nullopt;
}

}  // namespace tavilo
