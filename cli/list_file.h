// List files on the command line: the current list of one search kept in a file (--garder) and
// read back as the source of the next (--liste), so searches chain as they do in the window.
//
// A kept list is UTF-8 text. Its first line names what the list holds, then one line per row with
// the four columns separated by tabs:
//
//   #tavilo-liste<TAB> rimes
//   cane<TAB>kan<TAB>1<TAB>1
//
// Reading also takes a list saved from the window as plain text: the words are the fields
// between tabs and line ends; lines of dashes and lines holding ":" (the header line and the
// syllable headings) are skipped, and each word takes the phonetic form, syllable count and
// marker of its first entry in the nouns, adjectives, verbs and adverbs. Such a list holds no kind.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "cli/cli.h"
#include "core/lexicon.h"
#include "core/session.h"

namespace tavilo::cli {

// The first field of a kept list's first line.
inline constexpr std::string_view kListFileMagic = "#tavilo-liste";

// A list file may hold this many bytes per row of the result list: a larger file cannot be a
// list the program can hold and is refused before it is read.
inline constexpr std::size_t kMaxListBytesPerRow = 256;

// Why a list file (or a result file) could not be read or written: what went wrong, the file
// (UTF-8, as given), and for a line that is refused, its number and what is wrong with it.
struct ListFileError {
  enum class Code { NotFound, NotRegular, TooLarge, ReadError, Rtf, Empty, NoWord, BadLine, WriteError };
  Code code = Code::ReadError;
  std::string file;
  std::size_t line = 0;  // BadLine only
  std::string detail;    // BadLine only: what is wrong with the line (Windows-1252)

  // The French message (Windows-1252) naming the file and, where it applies, the line.
  std::string Message() const;
};

// Replaces session's list and kind with the file's. On failure the session is unchanged. An
// empty file, an RTF file, control characters in a word or in the kind, and characters with no
// Windows-1252 code are refused.
std::optional<ListFileError> ReadListFile(const std::filesystem::path& path, const Lexicon& lexicon,
                                          Session& session);

// The same over the file's bytes; `fileName` (UTF-8) names it in messages.
std::optional<ListFileError> ReadListBytes(std::string_view bytes, std::string_view fileName, const Lexicon& lexicon,
                                           Session& session);

// Writes session's list and kind in the kept-list format.
std::optional<ListFileError> WriteListFile(const std::filesystem::path& path, const Session& session);

// Writes text (bytes as they are) to a file.
std::optional<ListFileError> WriteTextFile(const std::filesystem::path& path, std::string_view text);

// The list chain of a search command: --liste FICHIER, the source list read before the search
// ("Liste de recherche précédente"), and --garder FICHIER, where the current list goes after it.
struct ListChain {
  std::optional<std::string> listFile;
  std::optional<std::string> keepFile;
};

// Takes --garder, and --liste when the command searches a list.
ListChain TakeListChain(Options& options, bool readsList = true);

// Runs `search` on a session holding the --liste file's list and kind (an empty session without
// it), then writes the session's current list to --garder when the search returns kExitOk, or
// kExitNothingFound for a search that leaves its emptied list behind. Returns the search's exit
// code, or kExitDataError after printing why a list file could not be read or written.
int RunListChain(Context& ctx, const Lexicon& lexicon, const ListChain& lists, bool keepWhenNothingFound,
                 const std::function<int(Session&)>& search);

}  // namespace tavilo::cli
