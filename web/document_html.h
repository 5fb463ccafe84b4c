// A result document as HTML for the web page: the header line, the headings, the highlighted
// letters in bold and colour, and the tab columns as the cells of a grid that reflows with the
// page's width.
#pragma once

#include <string>
#include <string_view>

#include "core/document.h"

namespace tavilo::web {

// The text with &, <, > and " written as entities.
std::string EscapeHtml(std::string_view utf8);

// The document as a fragment of HTML: the paragraphs before the first empty one (the header a
// search puts on top) in a <div class="entete">; each run of consecutive paragraphs holding
// tabs in one <div class="grille">, one <span> per non-empty tab-separated cell; a line of
// dashes as <hr>; any other paragraph as a <p>. Bold runs are <b>, coloured ones carry their
// colour, italic ones are <i>.
std::string DocumentToHtml(const Document& doc);

}  // namespace tavilo::web
