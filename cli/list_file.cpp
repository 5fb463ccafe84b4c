#include "cli/list_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>
#include <unordered_map>
#include <vector>

#include "core/document.h"
#include "core/graphemes.h"
#include "core/rtf.h"
#include "core/text.h"

namespace tavilo::cli {
namespace {

std::string FileName(std::string_view utf8) { return Utf8ToCp1252(ForDisplay(utf8)); }

ListFileError Error(ListFileError::Code code, std::string_view file) { return {code, std::string(file), 0, {}}; }

ListFileError LineError(std::string_view file, std::size_t line, std::string what) {
  return {ListFileError::Code::BadLine, std::string(file), line, std::move(what)};
}

// The message for a word holding a character with no Windows-1252 code: ligatures and the
// typographic apostrophe are spelled out, nothing else can be in the dictionary.
std::string Unmappable(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const char32_t cp = NextCodePoint(utf8, i);
    if (Utf8ToCp1252(utf8.substr(start, i - start)).find(kUnmappableChar) == std::string::npos) continue;
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    return std::string("caract\xE8re ") + code + " sans \xE9quivalent dans le dictionnaire.";
  }
  return "caract\xE8re sans \xE9quivalent dans le dictionnaire.";
}

// Why a line's text (UTF-8) cannot be part of a list, or empty: control characters other than
// the tab that separates fields (CR, escape sequences, the end-of-file mark 0x1A) would reach
// the terminal and the result block.
std::string RefusedCharacters(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const char32_t cp = NextCodePoint(utf8, i);
    if ((cp < 0x20 && cp != '\t') || (cp >= 0x7F && cp < 0xA0)) {
      return "caract\xE8re de contr\xF4le " + Utf8ToCp1252(ForDisplay(utf8.substr(start, i - start))) +
             " interdit dans une liste.";
    }
  }
  return {};
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::optional<std::int16_t> ParseInt16(std::string_view field) {
  std::int16_t value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

// One row of a kept list, or the reason it is not one.
std::optional<WordEntry> ParseKeptRow(std::string_view line, std::string& why) {
  const auto fields = Split(line, '\t');
  if (fields.size() != 4) {
    why = "quatre champs s\xE9par\xE9s par des tabulations sont attendus (graphie, phon\xE9tique, syllabes, marqueur).";
    return std::nullopt;
  }
  WordEntry entry;
  entry.spelling = Utf8ToCp1252(fields[0]);
  entry.phonetic = std::string(fields[1]);
  if (entry.spelling.empty()) {
    why = "la graphie est vide.";
    return std::nullopt;
  }
  if (entry.spelling.find(kUnmappableChar) != std::string::npos) {
    why = Unmappable(fields[0]);
    return std::nullopt;
  }
  if (entry.phonetic.empty() || !std::all_of(entry.phonetic.begin(), entry.phonetic.end(), IsPhonemeCode)) {
    why = "la phon\xE9tique " + Quoted(Utf8ToCp1252(fields[1])) + " n'est pas faite de codes de phon\xE8mes.";
    return std::nullopt;
  }
  const auto syllables = ParseInt16(fields[2]);
  const auto marker = ParseInt16(fields[3]);
  if (!syllables || !marker) {
    why = "le nombre de syllabes et le marqueur sont des nombres entiers.";
    return std::nullopt;
  }
  entry.syllables = *syllables;
  entry.marker = *marker;
  return entry;
}

// A line of a list saved from the window that holds no word: a rule of dashes, or a header or
// heading (they all hold a colon, which no word does).
bool IsDecorationLine(std::string_view line) {
  return line.find(':') != std::string_view::npos ||
         line.find_first_not_of('-') == std::string_view::npos;
}

// The first entry of each spelling in the four word tables, in domain order.
std::unordered_map<std::string_view, WordRow> FirstEntries(const Lexicon& lexicon) {
  std::unordered_map<std::string_view, WordRow> first;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : lexicon.Table(kind)) first.emplace(entry.spelling, entry);
  }
  return first;
}

}  // namespace

std::string ListFileError::Message() const {
  const std::string name = Quoted(FileName(std::string_view(file)));
  switch (code) {
    case Code::NotFound: return "Le fichier " + name + " n'existe pas.";
    case Code::NotRegular: return "Le fichier " + name + " n'est pas un fichier ordinaire.";
    case Code::TooLarge:
      return "Le fichier " + name + " est trop grand pour une liste de " + std::to_string(kResultListCapacity) +
             " mots au plus.";
    case Code::ReadError: return "Impossible de lire le fichier " + name + ".";
    case Code::Rtf:
      return "Fichier " + name + " : une liste RTF ne peut servir de source ; enregistrez-la en texte brut (.txt).";
    case Code::Empty: return "Le fichier " + name + " est vide.";
    case Code::NoWord: return "Le fichier " + name + " ne contient aucun mot.";
    case Code::BadLine: return "Fichier " + name + ", ligne " + std::to_string(line) + " : " + detail;
    case Code::WriteError: break;
  }
  return "Impossible d'\xE9" "crire le fichier " + name + ".";
}

std::optional<ListFileError> ReadListFile(const std::filesystem::path& path, const Lexicon& lexicon,
                                          Session& session) {
  namespace fs = std::filesystem;
  using Code = ListFileError::Code;
  const std::string file = path.string();
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return Error(Code::NotFound, file);
  if (status.type() != fs::file_type::regular) return Error(Code::NotRegular, file);
  // A larger file cannot be a list the program can hold: refused before it is read.
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > kResultListCapacity * kMaxListBytesPerRow) return Error(Code::TooLarge, file);
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return Error(Code::ReadError, file);
  return ReadListBytes(bytes, file, lexicon, session);
}

std::optional<ListFileError> ReadListBytes(std::string_view bytes, std::string_view file, const Lexicon& lexicon,
                                           Session& session) {
  using Code = ListFileError::Code;
  if (bytes.size() > kResultListCapacity * kMaxListBytesPerRow) return Error(Code::TooLarge, file);
  if (LooksLikeRtf(bytes)) return Error(Code::Rtf, file);
  const std::string text = DecodeTextFileBytes(bytes);
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) return Error(Code::Empty, file);

  WordTable list(kResultListCapacity);
  std::string kind;
  bool kept = false;
  std::unordered_map<std::string_view, WordRow> first;  // filled for a plain list only
  std::size_t lineNo = 0;
  for (std::size_t pos = 0; pos <= text.size();) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string::npos) eol = text.size();
    std::string_view line = std::string_view(text).substr(pos, eol - pos);
    pos = eol + 1;
    ++lineNo;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (const std::string why = RefusedCharacters(line); !why.empty()) return LineError(file, lineNo, why);

    if (lineNo == 1 && Split(line, '\t').front() == kListFileMagic) {
      kept = true;
      if (line.size() > kListFileMagic.size()) kind = Utf8ToCp1252(line.substr(kListFileMagic.size() + 1));
      if (kind.find(kUnmappableChar) != std::string::npos) return LineError(file, lineNo, Unmappable(line));
      if (kind.find('\t') != std::string::npos) {
        return LineError(file, lineNo, "la nature de la liste ne doit pas contenir de tabulation.");
      }
      continue;
    }
    if (kept) {
      if (line.empty()) continue;
      std::string why;
      std::optional<WordEntry> entry = ParseKeptRow(line, why);
      if (!entry) return LineError(file, lineNo, why);
      if (list.Size() >= kResultListCapacity) {
        return LineError(file, lineNo, "la liste d\xE9passe " + std::to_string(kResultListCapacity) + " mots.");
      }
      if (!list.Append(*entry)) return LineError(file, lineNo, "la ligne est trop longue.");
      continue;
    }
    if (Trim(line).empty() || IsDecorationLine(line)) continue;
    if (first.empty()) first = FirstEntries(lexicon);
    for (std::string_view field : Split(line, '\t')) {
      const std::string word = Trim(Utf8ToCp1252(field));
      if (word.empty()) continue;
      if (word.find(kUnmappableChar) != std::string::npos) return LineError(file, lineNo, Unmappable(field));
      const auto found = first.find(word);
      if (found == first.end()) return LineError(file, lineNo, "le mot " + Quoted(word) + " n'est pas dans le dictionnaire.");
      if (!list.Append(found->second)) {
        return LineError(file, lineNo, "la liste d\xE9passe " + std::to_string(kResultListCapacity) + " mots.");
      }
    }
  }
  if (!kept && list.Empty()) return Error(Code::NoWord, file);
  session.resultList = std::move(list);
  session.resultListKind = std::move(kind);
  return std::nullopt;
}

std::optional<ListFileError> WriteListFile(const std::filesystem::path& path, const Session& session) {
  std::string text = std::string(kListFileMagic) + "\t" + Cp1252ToUtf8(session.resultListKind) + "\n";
  for (const WordRow entry : session.resultList) {
    text += Cp1252ToUtf8(entry.spelling) + "\t" + Cp1252ToUtf8(entry.phonetic) + "\t" +
            std::to_string(entry.syllables) + "\t" + std::to_string(entry.marker) + "\n";
  }
  return WriteTextFile(path, text);
}

std::optional<ListFileError> WriteTextFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return Error(ListFileError::Code::WriteError, path.string());
  return std::nullopt;
}

ListChain TakeListChain(Options& options, bool readsList) {
  ListChain lists;
  if (readsList) lists.listFile = options.Value("--liste");
  lists.keepFile = options.Value("--garder");
  return lists;
}

int RunListChain(Context& ctx, const Lexicon& lexicon, const ListChain& lists, bool keepWhenNothingFound,
                 const std::function<int(Session&)>& search) {
  Session session;
  if (lists.listFile) {
    if (auto error = ReadListFile(*lists.listFile, lexicon, session)) {
      return ctx.PrintError(error->Message()), kExitDataError;
    }
  }
  const int code = search(session);
  const bool listLeft = code == kExitOk || (code == kExitNothingFound && keepWhenNothingFound);
  if (lists.keepFile && listLeft) {
    if (auto error = WriteListFile(*lists.keepFile, session)) return ctx.PrintError(error->Message()), kExitDataError;
  }
  return code;
}

}  // namespace tavilo::cli
