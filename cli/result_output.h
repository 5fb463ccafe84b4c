// How every tool command hands over its result: the document a search leaves on an empty
// display (the header, two line breaks, then the block), as text on stdout or as an RTF file.
#pragma once

#include <optional>
#include <string>

#include "cli/cli.h"
#include "core/document.h"

namespace tavilo::cli {

// The header on top of the block, followed by two line breaks, as the main window shows it.
Document ResultDocument(const Document& header, const Document& block);

// Prints the result document as text on stdout, or, when rtfFile is set, writes it there as RTF
// and prints nothing. Returns kExitOk, or kExitDataError after printing why the file could not be
// written.
int EmitResult(Context& ctx, const Document& header, const Document& block, const std::optional<std::string>& rtfFile);

}  // namespace tavilo::cli
