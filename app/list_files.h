// List files: the "Listes" folder, the names proposed by "Enregistrer la liste sous...", and
// reading and writing .txt and .rtf files with the core's writers and readers.
#pragma once

#include <QString>
#include <optional>

#include "app/app_state.h"
#include "app/file_error.h"
#include "core/document.h"

namespace tavilo {

// The folder list files go to, relative to the working directory.
inline constexpr char kListsFolder[] = "Listes";
// The file every search result is saved to at once.
inline constexpr char kUntitledName[] = "SansTitre.rtf";

// The absolute path of the "Listes" folder under the working directory, created when missing;
// nullopt when it cannot be created.
std::optional<QString> ListsDirectory();

// The name Save as proposes, relative to the working directory and with this platform's
// separators: "Listes/Rime_age" after a rhyme search on "age", "Listes/Mots_Palindrome" after the
// palindrome listing, the opened file without its extension when a file was opened since the
// last search, "Listes/SansTitre.rtf" otherwise. Separators in a suffix are replaced by '_' so
// that the name stays in the folder.
QString ProposedSaveName(const AppState& state);

enum class ListFormat { PlainText, RichText };

// The format a file name asks for: ".txt" or ".rtf" at its end, in any case; nullopt otherwise.
std::optional<ListFormat> FormatOfName(const QString& fileName);

// The outcome of reading a list file: a document, or why there is none.
struct ListFileResult {
  Document document;
  std::optional<FileError> error;
};

// A plain-text list as the display shows it: Arial 10 points, with tab stops that line up the
// columns the tools' blocks separate with tabs (every line's k-th tab reaches the same stop), so a
// block saved as .txt reopens in straight columns.
Document PlainTextWithColumns(std::string_view utf8);

// Reads a list file as plain text (UTF-8, UTF-16 with a mark, or Windows-1252) or RTF, as its
// extension says. Refuses other extensions, unreadable and oversized files with a message that
// names the file.
ListFileResult LoadListFile(const QString& fileName);

// Writes doc as the extension of fileName says (UTF-8 text or RTF), atomically: the file is
// complete or, on failure, whatever was there before is left untouched.
std::optional<FileError> SaveListFile(const Document& doc, const QString& fileName);

// Writes doc to "Listes/SansTitre.rtf", where every search result is saved at once.
std::optional<FileError> SaveUntitledList(const Document& doc);

}  // namespace tavilo
