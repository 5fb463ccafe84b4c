// Readers of the three lexicon sources and of the project's own word lists. Every reader takes
// the file's bytes and its name, and refuses a malformed line with a French message naming the
// file and the line. All text comes out as Windows-1252 (œ -> oe, æ -> ae, ’ -> ').
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "tools/mkdict/lexique.h"

namespace tavilo::mkdict {

inline constexpr const char* kPronunciationFile = "prosodylab-fr.dict";
inline constexpr const char* kMorphologyFile = "grammalecte-fr-allvars.tsv";
inline constexpr const char* kFrequencyFile = "wordfreq_large_fr.tsv";
inline constexpr const char* kTabooListFile = "taboo.txt";
inline constexpr const char* kLocutionListFile = "locutions.txt";
inline constexpr const char* kCorrectionListFile = "corrections.txt";
inline constexpr const char* kChildListFile = "enfant.txt";

// A fault in a source file, or in writing the tables: what went wrong, the file (or folder) as the
// message names it, the line, and what was found there; Message() writes the French message.
struct SourceError {
  enum class Code { BadLine, CannotOpen, ReadFailed, CannotCreateFolder, CannotWrite, TableNotWritten };
  Code code = Code::BadLine;
  std::string file;    // Windows-1252
  int line = 0;        // BadLine only
  std::string detail;  // BadLine: what is wrong with the line; TableNotWritten: the table writer's message

  std::string Message() const;  // Windows-1252
};

// The pronunciation list: upper-case spelling -> its distinct readings in list order.
struct PronunciationList {
  std::unordered_map<std::string, std::vector<Transcription>> readings;
  // Lines whose transcription could not be converted ("SPELLING : why"), in file order.
  std::vector<std::string> refused;
};

// One analysis of a form in the morphological list, reduced to what the builder needs.
struct Analysis {
  std::string lemma;
  unsigned tables = 0;          // bit (1 << TableKind) for each of the four word tables it fits
  bool verbThirdPlural = false; // a verb form of the third person plural
  bool infinitive = false;      // a verb infinitive
  bool participle = false;      // a verb's present or past participle
  bool properName = false;      // a proper name (a country's name too), or the like
  bool reformOnly = false;      // only in the 1990 spelling reform sub-dictionary
  char gender = 0;              // 'm', 'f' or 'e' (either) where the tags give one
  char number = 0;              // 's' singular, 'p' plural, 'i' invariable where the tags give one

  bool operator==(const Analysis&) const = default;
};

// The morphological list: form -> its analyses in file order.
using MorphologyList = std::unordered_map<std::string, std::vector<Analysis>>;

// The frequency list: form -> relative frequency (forms that normalise alike are summed; words
// with a character Windows-1252 lacks are skipped), and
// the forms from the most to the least frequent (ties in byte order).
struct FrequencyList {
  std::unordered_map<std::string, double> frequency;
  std::vector<std::string> ranked;

  double Of(const std::string& form) const {
    const auto it = frequency.find(form);
    return it == frequency.end() ? 0.0 : it->second;
  }
};

// One line of a project list: the word or locution and, optionally, its transcription in the
// alphabet of the pronunciation list (used when the list lacks the word or reads it wrong).
// The corrections list may give several readings, separated by commas.
struct ListedWord {
  std::string text;          // Windows-1252, lower case
  std::string transcription; // space-separated phones (comma-separated readings), or empty
  int line = 0;

  bool operator==(const ListedWord&) const = default;
};

// The tags of one analysis ("form<TAB>lemma<TAB>tags/sub-dictionary" gives "tags/sub-dictionary").
Analysis ParseTags(std::string_view tagsAndSubDictionary);

std::optional<SourceError> ReadPronunciations(std::string_view bytes, std::string_view fileName,
                                              PronunciationList& out);
std::optional<SourceError> ReadMorphology(std::string_view bytes, std::string_view fileName, MorphologyList& out);
std::optional<SourceError> ReadFrequencies(std::string_view bytes, std::string_view fileName, FrequencyList& out);
// A project list: one entry per line, "text" or "text = transcription"; blank lines and lines
// starting with # are skipped, and a # ends the entry of a line with a comment. Upper-case
// letters, repeated entries and unknown phone symbols are refused. A transcription may hold
// several readings separated by commas.
std::optional<SourceError> ReadWordList(std::string_view bytes, std::string_view fileName,
                                        std::vector<ListedWord>& out);

// The readings of a list entry's transcription (comma-separated; none when it is empty).
std::vector<std::string_view> SplitReadings(std::string_view transcription);

// A whole file's bytes, or why it could not be read.
struct FileBytes {
  std::string bytes;
  std::optional<SourceError> error;
};
FileBytes ReadFileBytes(const std::filesystem::path& path);

}  // namespace tavilo::mkdict
