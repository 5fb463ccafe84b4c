#include "cli/list_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "core/document.h"
#include "core/graphemes.h"
#include "core/text.h"

namespace tavilo::cli {
namespace {

std::string FileName(const std::filesystem::path& path) { return Utf8ToCp1252(path.string()); }

std::string LineError(const std::filesystem::path& path, std::size_t line, const std::string& what) {
  return "Fichier \xAB" + FileName(path) + "\xBB, ligne " + std::to_string(line) + " : " + what;
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
  if (entry.phonetic.empty() || !std::all_of(entry.phonetic.begin(), entry.phonetic.end(), IsPhonemeCode)) {
    why = "la phon\xE9tique \xAB" + Utf8ToCp1252(fields[1]) + "\xBB n'est pas faite de codes de phon\xE8mes.";
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
std::unordered_map<std::string_view, const WordEntry*> FirstEntries(const Lexicon& lexicon) {
  std::unordered_map<std::string_view, const WordEntry*> first;
  for (TableKind kind : kWordTableKinds) {
    for (const WordEntry& entry : lexicon.Table(kind)) first.emplace(entry.spelling, &entry);
  }
  return first;
}

}  // namespace

std::optional<std::string> ReadListFile(const std::filesystem::path& path, const Lexicon& lexicon, Session& session) {
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary);
  if (!in.is_open()) return "Impossible de lire le fichier \xAB" + FileName(path) + "\xBB.";
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return "Impossible de lire le fichier \xAB" + FileName(path) + "\xBB.";
  if (bytes.starts_with("{\\rtf")) {
    return "Fichier \xAB" + FileName(path) + "\xBB : une liste RTF ne peut servir de source ; "
           "enregistrez-la en texte brut (.txt).";
  }

  const std::string text = DecodeTextFileBytes(bytes);
  std::vector<std::string_view> lines = Split(text, '\n');
  for (std::string_view& line : lines) {
    if (line.ends_with('\r')) line.remove_suffix(1);
  }
  WordTable list(kResultListCapacity);
  std::string kind;
  const auto append = [&](WordEntry entry, std::size_t line) -> std::optional<std::string> {
    if (list.Append(std::move(entry))) return std::nullopt;
    return LineError(path, line, "la liste d\xE9passe " + std::to_string(kResultListCapacity) + " mots.");
  };

  const auto header = Split(lines.front(), '\t');
  if (header.front() == kListFileMagic) {
    if (header.size() > 1) kind = Utf8ToCp1252(lines.front().substr(header.front().size() + 1));
    for (std::size_t n = 1; n < lines.size(); ++n) {
      if (lines[n].empty()) continue;
      std::string why;
      std::optional<WordEntry> entry = ParseKeptRow(lines[n], why);
      if (!entry) return LineError(path, n + 1, why);
      if (auto error = append(std::move(*entry), n + 1)) return error;
    }
  } else {
    const auto first = FirstEntries(lexicon);
    for (std::size_t n = 0; n < lines.size(); ++n) {
      if (Trim(lines[n]).empty() || IsDecorationLine(lines[n])) continue;
      for (std::string_view field : Split(lines[n], '\t')) {
        const std::string word = Trim(Utf8ToCp1252(field));
        if (word.empty()) continue;
        const auto found = first.find(word);
        if (found == first.end()) {
          return LineError(path, n + 1, "le mot \xAB" + word + "\xBB n'est pas dans le dictionnaire.");
        }
        if (auto error = append(*found->second, n + 1)) return error;
      }
    }
  }
  session.resultList = std::move(list);
  session.resultListKind = std::move(kind);
  return std::nullopt;
}

std::optional<std::string> WriteListFile(const std::filesystem::path& path, const Session& session) {
  std::string text = std::string(kListFileMagic) + "\t" + Cp1252ToUtf8(session.resultListKind) + "\n";
  for (const WordEntry& entry : session.resultList) {
    text += Cp1252ToUtf8(entry.spelling) + "\t" + Cp1252ToUtf8(entry.phonetic) + "\t" +
            std::to_string(entry.syllables) + "\t" + std::to_string(entry.marker) + "\n";
  }
  return WriteTextFile(path, text);
}

std::optional<std::string> WriteTextFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return "Impossible d'\xE9" "crire le fichier \xAB" + FileName(path) + "\xBB.";
  return std::nullopt;
}

}  // namespace tavilo::cli
