#include "tools/mkdict/sources.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <unordered_set>

#include "core/text.h"
#include "core/word_table.h"

namespace tavilo::mkdict {
namespace {

SourceError LineError(std::string_view fileName, int line, std::string_view detail) {
  return {SourceError::Code::BadLine, std::string(fileName), line, std::string(detail)};
}

// Calls `onLine(line, lineNumber)` for each line (CR LF or LF, the last one may lack it);
// stops at the first error it returns.
template <typename OnLine>
std::optional<SourceError> ForEachLine(std::string_view bytes, OnLine onLine) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  int lineNo = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t eol = bytes.find('\n', pos);
    if (eol == std::string_view::npos) eol = bytes.size();
    std::string_view line = bytes.substr(pos, eol - pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    pos = eol + 1;
    ++lineNo;
    if (auto error = onLine(line, lineNo)) return error;
  }
  return std::nullopt;
}

// Splits at every `sep`.
std::vector<std::string_view> Fields(std::string_view line, char sep) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t at = line.find(sep, start);
    fields.push_back(line.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return fields;
    start = at + 1;
  }
}

constexpr unsigned Bit(TableKind kind) { return 1u << static_cast<int>(kind); }

}  // namespace

std::vector<std::string_view> SplitReadings(std::string_view transcription) {
  std::vector<std::string_view> readings;
  if (Trim(transcription).empty()) return readings;
  for (std::string_view r : Fields(transcription, ',')) readings.push_back(r);
  return readings;
}

Analysis ParseTags(std::string_view tagsAndSub) {
  Analysis a;
  std::string_view tags = tagsAndSub;
  if (const std::size_t slash = tagsAndSub.rfind('/'); slash != std::string_view::npos) {
    tags = tagsAndSub.substr(0, slash);
    a.reformOnly = tagsAndSub.substr(slash + 1) == "R";
  }
  // What follows ';' says how the word elides, not what it is.
  tags = tags.substr(0, tags.find(';'));
  std::vector<std::string_view> parts = Fields(tags, ':');
  if (parts.size() < 2 || !parts[0].empty()) return a;
  const std::string_view head = parts[1];
  for (std::size_t i = 2; i < parts.size(); ++i) {
    if (parts[i] == "m" || parts[i] == "f" || parts[i] == "e") a.gender = parts[i][0];
    if (parts[i] == "s" || parts[i] == "p" || parts[i] == "i") a.number = parts[i][0];
  }
  if (head.starts_with("V")) {
    a.tables = Bit(TableKind::Verbs);
    a.verbThirdPlural = std::any_of(parts.begin() + 2, parts.end(), [](std::string_view p) {
      return p.starts_with("3p");
    });
    auto has = [&](std::string_view tag) { return std::find(parts.begin() + 2, parts.end(), tag) != parts.end(); };
    a.infinitive = has("Y");
    a.participle = has("Q") || has("P");
    // A past participle the list also tags as an adjective (fatigué, ouvert) is one.
    if (has("Q") && has("A")) a.tables |= Bit(TableKind::Adjectives);
  } else if (head == "N" || head == "T") {
    // Titles (monsieur, mesdames...) are nouns; ":N:A" is both a noun and an adjective.
    a.tables = Bit(TableKind::Nouns);
    if (std::find(parts.begin() + 2, parts.end(), "A") != parts.end()) a.tables |= Bit(TableKind::Adjectives);
  } else if (head == "A") {
    a.tables = Bit(TableKind::Adjectives);
  } else if (head == "W" || head == "G" || head == "C" || head == "J" || head == "B") {
    // Adverbs, prepositions, determiners, pronouns, conjunctions, interjections, numbers.
    a.tables = Bit(TableKind::FunctionWords);
  } else if (head == "M1" || head == "M2" || head == "MP" || head == "Br") {
    a.properName = true;
  }
  // "#P" marks the name of a country or a region, even when it is tagged as a noun (Mali).
  if (tagsAndSub.find("#P") != std::string_view::npos) a.properName = true;
  // Anything else (pieces of locutions ":É...", prefixes, punctuation, symbols) fits no table.
  return a;
}

std::optional<SourceError> ReadPronunciations(std::string_view bytes, std::string_view fileName,
                                              PronunciationList& out) {
  return ForEachLine(bytes, [&](std::string_view line, int lineNo) -> std::optional<SourceError> {
    if (line.empty()) return std::nullopt;
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string_view::npos) {
      return LineError(fileName, lineNo, "graphie suivie de sa transcription attendue");
    }
    const std::string spelling = Utf8ToCp1252(line.substr(0, space));
    const LexiqueConversion converted = ConvertLexique(spelling, SplitPhones(line.substr(space + 1)));
    const std::optional<Transcription>& reading = converted.transcription;
    if (!reading) {
      out.refused.push_back(spelling + " : " + converted.refusal);
      return std::nullopt;
    }
    std::vector<Transcription>& readings = out.readings[spelling];
    if (std::find(readings.begin(), readings.end(), *reading) == readings.end()) readings.push_back(*reading);
    return std::nullopt;
  });
}

std::optional<SourceError> ReadMorphology(std::string_view bytes, std::string_view fileName, MorphologyList& out) {
  return ForEachLine(bytes, [&](std::string_view line, int lineNo) -> std::optional<SourceError> {
    if (line.empty()) return std::nullopt;
    const std::vector<std::string_view> f = Fields(line, '\t');
    if (f.size() != 3 || f[0].empty()) {
      return LineError(fileName, lineNo, "trois champs s\xE9par\xE9s par des tabulations attendus");
    }
    Analysis a = ParseTags(f[2]);
    a.lemma = Utf8ToCp1252(f[1]);
    out[Utf8ToCp1252(f[0])].push_back(std::move(a));
    return std::nullopt;
  });
}

std::optional<SourceError> ReadFrequencies(std::string_view bytes, std::string_view fileName, FrequencyList& out) {
  auto error = ForEachLine(bytes, [&](std::string_view line, int lineNo) -> std::optional<SourceError> {
    if (line.empty()) return std::nullopt;
    const std::vector<std::string_view> f = Fields(line, '\t');
    double value = 0;
    if (f.size() != 3 || f[0].empty()) {
      return LineError(fileName, lineNo, "trois champs s\xE9par\xE9s par des tabulations attendus");
    }
    const auto [end, ec] = std::from_chars(f[2].data(), f[2].data() + f[2].size(), value);
    if (ec != std::errc() || end != f[2].data() + f[2].size() || !(value >= 0)) {
      return LineError(fileName, lineNo, "fr\xE9quence illisible \xAB" + Utf8ToCp1252(f[2]) + "\xBB");
    }
    // A word with a character Windows-1252 lacks can match no form; keeping it would lump
    // unrelated words together under the same replacement byte.
    std::string word = Utf8ToCp1252(f[0]);
    if (word.find(kUnmappableChar) == std::string::npos) out.frequency[std::move(word)] += value;
    return std::nullopt;
  });
  if (error) return error;
  std::vector<std::pair<double, const std::string*>> order;
  order.reserve(out.frequency.size());
  for (const auto& [form, freq] : out.frequency) order.emplace_back(freq, &form);
  std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : *a.second < *b.second;
  });
  out.ranked.clear();
  out.ranked.reserve(order.size());
  for (const auto& [freq, form] : order) out.ranked.push_back(*form);
  return std::nullopt;
}

std::optional<SourceError> ReadWordList(std::string_view bytes, std::string_view fileName,
                                        std::vector<ListedWord>& out) {
  std::unordered_set<std::string> seen;
  return ForEachLine(bytes, [&](std::string_view line, int lineNo) -> std::optional<SourceError> {
    const std::string trimmed = Trim(line.substr(0, line.find('#')));
    if (trimmed.empty()) return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    ListedWord word;
    word.text = Trim(Utf8ToCp1252(std::string_view(trimmed).substr(0, equals)));
    word.transcription = equals == std::string::npos ? std::string() : Trim(std::string_view(trimmed).substr(equals + 1));
    if (word.text.empty()) return LineError(fileName, lineNo, "mot attendu avant le signe =");
    word.line = lineNo;
    if (word.text.find(kUnmappableChar) != std::string::npos) {
      return LineError(fileName, lineNo, "caract\xE8re sans code Windows-1252");
    }
    if (std::any_of(word.text.begin(), word.text.end(), [](char c) { return IsUpper(static_cast<unsigned char>(c)); })) {
      return LineError(fileName, lineNo, "\xAB" + word.text + "\xBB doit \xEAtre \xE9" "crit en minuscules");
    }
    for (std::string_view reading : SplitReadings(word.transcription)) {
      const LexiqueConversion converted = ConvertLexique(word.text, SplitPhones(reading));
      if (!converted.transcription) return LineError(fileName, lineNo, converted.refusal);
    }
    if (!seen.insert(word.text).second) return LineError(fileName, lineNo, "\xAB" + word.text + "\xBB est en double");
    out.push_back(std::move(word));
    return std::nullopt;
  });
}

std::string SourceError::Message() const {
  const std::string name = "\xAB " + file + " \xBB";
  switch (code) {
    case Code::BadLine:
      return "Le fichier " + name + " est mal form\xE9 \xE0 la ligne " + std::to_string(line) + " : " + detail + ".";
    case Code::CannotOpen: return "Impossible d'ouvrir le fichier " + name + ".";
    case Code::ReadFailed: return "Erreur de lecture du fichier " + name + ".";
    case Code::CannotCreateFolder: return "Impossible de cr\xE9" "er le dossier " + name + ".";
    case Code::CannotWrite: return "Impossible d'\xE9" "crire le fichier " + name + ".";
    case Code::TableNotWritten: break;
  }
  return detail;
}

FileBytes ReadFileBytes(const std::filesystem::path& path) {
  const std::string name = Utf8ToCp1252(path.string());
  std::error_code ec;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary | std::ios::ate);
  if (!in.is_open()) return {{}, SourceError{SourceError::Code::CannotOpen, name, 0, {}}};
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
  in.seekg(0);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!in) return {{}, SourceError{SourceError::Code::ReadFailed, name, 0, {}}};
  return {std::move(bytes), std::nullopt};
}

}  // namespace tavilo::mkdict
