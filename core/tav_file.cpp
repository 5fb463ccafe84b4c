#include "core/tav_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/text.h"

namespace tavilo {

std::string LoadError::Message() const {
  const std::string name = "\xAB " + file + " \xBB";  // « name »
  const std::string at = line > 0 ? " \xE0 la ligne " + std::to_string(line) : std::string();
  switch (code) {
    case Code::FileNotFound:
      return "Fichier de donn\xE9" "es introuvable : " + name + (detail.empty() ? "" : " (" + detail + ")") + ".";
    case Code::ReadError:
      return "Erreur de lecture du fichier " + name + (detail.empty() ? "" : " : " + detail) + ".";
    case Code::MissingSeparator:
      return "Le fichier " + name + " est mal form\xE9" + at + " : s\xE9parateur manquant.";
    case Code::DigitExpected:
      return "Le fichier " + name + " est mal form\xE9" + at + " : chiffre attendu" +
             (detail.empty() ? "" : " (" + detail + ")") + ".";
    case Code::BadSpellingByte:
      return "Le fichier " + name + " est mal form\xE9" + at + " : caract\xE8re interdit dans la graphie (" +
             detail + ").";
    case Code::EmptyFile:
      return "Le fichier " + name + " est vide.";
    case Code::TooManyLines:
      return "Le fichier " + name + " d\xE9passe la capacit\xE9 de sa table (" + detail + " lignes)" + at + ".";
  }
  return "Erreur dans le fichier " + name + ".";
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

namespace {

LoadError MakeError(LoadError::Code code, std::string_view file, int line, std::string detail = {}) {
  return LoadError{code, std::string(file), line, std::move(detail)};
}

std::string DescribeByte(unsigned char b) { return "octet " + std::to_string(b); }

}  // namespace

TableLoad ParseTable(std::string_view bytes, TableKind kind, std::string_view fileName) {
  const TableInfo& info = InfoOf(kind);
  TableLoad result{WordTable(info.capacity), std::nullopt};
  if (bytes.empty()) {
    result.error = MakeError(LoadError::Code::EmptyFile, fileName, 0);
    return result;
  }
  auto fail = [&](LoadError error) {
    result.table.Reset(info.capacity);
    result.error = std::move(error);
    return result;
  };

  result.table.Reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t pos = 0;
  int lineNo = 0;
  while (pos < bytes.size()) {
    std::size_t eol = bytes.find('\n', pos);
    const std::size_t next = eol == std::string_view::npos ? bytes.size() : eol + 1;
    if (eol == std::string_view::npos) eol = bytes.size();
    std::string_view line = bytes.substr(pos, eol - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = next;
    ++lineNo;

    if (result.table.Size() >= info.capacity) {
      return fail(MakeError(LoadError::Code::TooManyLines, fileName, lineNo, std::to_string(info.capacity)));
    }
    const std::size_t sep1 = line.find(kTavSeparator);
    const std::size_t sep2 = sep1 == std::string_view::npos ? sep1 : line.find(kTavSeparator, sep1 + 1);
    if (sep2 == std::string_view::npos) return fail(MakeError(LoadError::Code::MissingSeparator, fileName, lineNo));

    WordEntry entry;
    entry.spelling.reserve(sep1);
    for (std::size_t i = 0; i < sep1; ++i) {
      const auto b = static_cast<unsigned char>(line[i]);
      if (b >= 193) return fail(MakeError(LoadError::Code::BadSpellingByte, fileName, lineNo, DescribeByte(b)));
      entry.spelling += DecodeSpellingByte(b);
    }
    entry.phonetic.reserve(sep2 - sep1 - 1);
    for (std::size_t i = sep1 + 1; i < sep2; ++i) {
      entry.phonetic += DecodePhoneticByte(static_cast<unsigned char>(line[i]));
    }
    const std::string_view rest = line.substr(sep2 + 1);
    auto digitAt = [&](std::size_t i) -> int {
      if (i >= rest.size() || !IsDigit(static_cast<unsigned char>(rest[i]))) return -1;
      return rest[i] - '0';
    };
    switch (kind) {
      case TableKind::Taboo:
        break;
      case TableKind::Locutions: {
        const int tens = digitAt(0), units = digitAt(1);
        if (tens < 0 || units < 0) return fail(MakeError(LoadError::Code::DigitExpected, fileName, lineNo,
                                                         "nombre de syllabes sur deux chiffres"));
        entry.syllables = static_cast<std::int16_t>(tens * 10 + units);
        break;
      }
      default: {
        const int syllables = digitAt(0);
        const int marker = rest.empty() ? -1 : digitAt(rest.size() - 1);
        if (syllables < 0) return fail(MakeError(LoadError::Code::DigitExpected, fileName, lineNo, "nombre de syllabes"));
        if (marker < 0) return fail(MakeError(LoadError::Code::DigitExpected, fileName, lineNo, "marqueur"));
        entry.syllables = static_cast<std::int16_t>(syllables);
        entry.marker = static_cast<std::int16_t>(marker);
        break;
      }
    }
    result.table.Append(std::move(entry));
  }
  return result;
}

namespace {

TableLoad LoadFile(const std::filesystem::path& path, TableKind kind) {
  const std::string name = path.filename().string();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return {WordTable(InfoOf(kind).capacity),
            MakeError(LoadError::Code::FileNotFound, name, 0, path.parent_path().string())};
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return {WordTable(InfoOf(kind).capacity), MakeError(LoadError::Code::ReadError, name, 0)};
  // One read of the whole file: the tables are a few megabytes at most.
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size < 0 || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    return {WordTable(InfoOf(kind).capacity), MakeError(LoadError::Code::ReadError, name, 0)};
  }
  return ParseTable(bytes, kind, name);
}

}  // namespace

TableLoad LoadWordTable(const std::filesystem::path& path, TableKind kind) { return LoadFile(path, kind); }
TableLoad LoadTabooTable(const std::filesystem::path& path) { return LoadFile(path, TableKind::Taboo); }
TableLoad LoadLocutionTable(const std::filesystem::path& path) { return LoadFile(path, TableKind::Locutions); }

std::optional<std::string> EncodeTavLine(const WordEntry& entry, TableKind kind, std::string* error) {
  auto refuse = [&](std::string why) -> std::optional<std::string> {
    if (error) *error = std::move(why);
    return std::nullopt;
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
      return refuse("graphie \xAB" + entry.spelling + "\xBB : caract\xE8re non enregistrable (" +
                    std::to_string(c) + ")");
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
      return refuse("phon\xE9tique de \xAB" + entry.spelling + "\xBB : caract\xE8re non enregistrable (" +
                    std::to_string(c) + ")");
    } else {
      line += ch;
    }
  }
  line += kTavSeparator;
  switch (kind) {
    case TableKind::Taboo:
      break;
    case TableKind::Locutions:
      if (entry.syllables < 0 || entry.syllables > 99)
        return refuse("\xAB" + entry.spelling + "\xBB : nombre de syllabes hors de 0 \xE0 99");
      line += static_cast<char>('0' + entry.syllables / 10);
      line += static_cast<char>('0' + entry.syllables % 10);
      break;
    default:
      if (entry.syllables < 0 || entry.syllables > 9)
        return refuse("\xAB" + entry.spelling + "\xBB : nombre de syllabes hors de 0 \xE0 9");
      if (entry.marker < 0 || entry.marker > 9) return refuse("\xAB" + entry.spelling + "\xBB : marqueur hors de 0 \xE0 9");
      line += static_cast<char>('0' + entry.syllables);
      line += static_cast<char>('0' + entry.marker);
      break;
  }
  line += "\r\n";
  return line;
}

std::optional<std::string> WriteTavFile(const std::filesystem::path& path, const WordTable& table, TableKind kind) {
  const std::string name = path.filename().string();
  if (table.Size() > InfoOf(kind).capacity) {
    return "La table de " + name + " d\xE9passe sa capacit\xE9 (" + std::to_string(InfoOf(kind).capacity) + " lignes).";
  }
  std::string bytes;
  for (const WordEntry& entry : table) {
    std::string why;
    const auto line = EncodeTavLine(entry, kind, &why);
    if (!line) return "Impossible d'\xE9" "crire " + name + " : " + why + ".";
    bytes += *line;
  }
  std::filesystem::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return "Impossible d'ouvrir " + temp.string() + " en \xE9" "criture.";
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return "Erreur d'\xE9" "criture dans " + temp.string() + ".";
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) return "Impossible de remplacer " + path.string() + " : " + ec.message() + ".";
  return std::nullopt;
}

}  // namespace tavilo
