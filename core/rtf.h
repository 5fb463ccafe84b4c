// RTF for the result document: the writer behind "Enregistrer la liste sous..." with a ".rtf"
// name, and the reader behind "Ouvrir..." of such a file. The reader takes back everything the
// writer produces, and shows the text of ordinary RTF from word processors with the formatting
// the document model knows (font, size, colour, bold, italic, tab stops); the rest is dropped.
#pragma once

#include <string>
#include <string_view>

#include "core/document.h"

namespace tavilo {

// Writes doc as RTF: an ANSI (Windows-1252) header, a font table and a colour table holding
// the fonts and colours the document uses (in order of first use), then one \par per paragraph
// break. Characters outside ASCII are written as \uN with a Windows-1252 \'hh (or '?')
// fallback for older readers. The output is ASCII and depends on doc only.
std::string WriteRtf(const Document& doc);

// Whether bytes are RTF as ReadRtf takes them: "{\rtf" after an optional UTF-8 byte-order mark
// and blanks. The list-file readers use it to tell RTF from plain text.
bool LooksLikeRtf(std::string_view bytes);

// Why an RTF text could not be read.
enum class RtfError {
  kNone,
  kEmpty,               // no byte at all, or only blanks
  kNotRtf,              // does not start with "{\rtf"
  kMissingCloseBrace,   // the text ends while groups are still open
  kExtraCloseBrace,     // a "}" with no group to close
  kTruncatedControl,    // the text ends right after a backslash
  kTruncatedHexEscape,  // the text ends inside a \'hh escape
  kTruncatedBinary,     // \binN announces more bytes than remain
  kTooDeep,             // groups nested deeper than kMaxRtfDepth
};

// How deep the reader lets groups nest. Word processors stay far below.
inline constexpr int kMaxRtfDepth = 1000;

// The outcome of ReadRtf: a document, or an error with the line (1-based) where the reader
// found it. On error, document is empty.
struct RtfReadResult {
  Document document;
  RtfError error = RtfError::kNone;
  int line = 0;

  bool ok() const { return error == RtfError::kNone; }

  // The French message to show the user, naming file_name when one is given, e.g.
  // "Impossible de lire le fichier « liste.rtf » : une accolade fermante « } » n'ouvre aucun
  // groupe (ligne 12)." Empty when ok().
  std::string Message(std::string_view file_name = {}) const;
};

// Reads RTF text into a document. Never fails on content it does not know: unknown control
// words and destinations are skipped, odd values are clamped (sizes, colours, tab stops,
// \ucN). Fails only on the errors listed in RtfError. Runs in time linear in the input's size
// and never allocates more than a fixed multiple of it.
//
// Text in \'hh escapes and in raw bytes is read as Windows-1252; \uN (with \ucN fallback
// skipping) gives any Unicode character. \par, \line, \row and a backslash before a line end
// start a new paragraph; \tab and \cell give a tab. Formatting is scoped by groups as RTF says;
// tab stops (\txN) belong to the paragraph being read and \pard clears them.
RtfReadResult ReadRtf(std::string_view rtf);

}  // namespace tavilo
