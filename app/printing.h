// Printing a result document so that every word reaches the paper. The tools' blocks set their
// columns with tab stops made for a wide window (the rhyme block reaches eight inches and more),
// wider than the printable width of a portrait A4 page; printed as they are, the last columns
// would fall off the page. So a document is laid out for the printer without wrapping, and when
// its widest line is wider than the printable width, the whole layout (fonts and tab stops
// alike) is scaled down until that line fits. Nothing here knows any tool: it works for every
// block from its tab stops and its fonts.
#pragma once

#include <QtGlobal>

class QPrinter;
class QTextDocument;

namespace tavilo {

// Below this factor the text would be unreadable on paper: a document that needs less is printed
// at this size and its longest lines wrap at word boundaries instead.
inline constexpr qreal kMinimumPrintScale = 0.4;

// How a document lies on the printer's pages.
struct PrintLayout {
  qreal naturalWidth = 0;    // its widest line, unwrapped, in printer pixels
  qreal printableWidth = 0;  // the page's width between its margins, in printer pixels
  qreal scale = 1;           // 1, or the factor that brings the widest line within the margins
  int pageCount = 0;
};

// Gives the printer the program's margins, two centimetres on every side (Qt starts with a few
// millimetres, closer to the edge than many printers reach). The page set-up may change them.
void SetDefaultPrintMargins(QPrinter& printer);

// Measures `source` for `printer` without printing it.
PrintLayout MeasureForPrinter(const QTextDocument& source, QPrinter& printer);

// Prints `source` on `printer`, scaled down to fit the printable width when it is wider, page
// after page. Returns the layout used; pageCount is 0 when the printer could not be opened.
PrintLayout PrintToFit(const QTextDocument& source, QPrinter& printer);

}  // namespace tavilo
