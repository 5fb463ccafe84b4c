// The result document between the core's styled Document and the QTextDocument of the display,
// so that what the user sees, edits, saves, prints and copies is the same text. Font names are
// kept as the documents name them ("Arial", "Courier New", "Futura Medium BT"); the display
// draws them with metric-compatible substitutes when the originals are not installed.
#pragma once

#include "core/document.h"

class QTextDocument;

namespace tavilo {

// Registers the display substitutes of the documents' fonts (Liberation Sans for Arial,
// Liberation Mono for Courier New, League Spartan or URW Gothic for Futura Medium BT). Call once at start.
void InstallFontSubstitutes();

// Replaces the content of target with doc: one block per paragraph, with its tab stops, one
// fragment per run with its font, size, colour, bold and italic.
void FillTextDocument(const Document& doc, QTextDocument& target);

// Reads source back into a Document. Text typed without an explicit format gets the
// QTextDocument's default font; line separators become paragraph breaks, embedded objects
// (pasted images) are dropped.
Document ReadTextDocument(const QTextDocument& source);

}  // namespace tavilo
