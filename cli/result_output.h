// How every tool command hands over its result: the document a search leaves on an empty
// display (the header, two line breaks, then the block), as text on stdout or as an RTF file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "core/document.h"

namespace tavilo::cli {

// Whether the text on stdout shows the block's highlighted letters (bold or coloured runs) in
// colour, as `--couleur auto|toujours|jamais` says; auto colours only a terminal, as grep does.
enum class ColourMode { Auto, Always, Never };

// "auto", "toujours" or "jamais"; nullopt for anything else.
std::optional<ColourMode> ParseColourMode(std::string_view value);

// Where a result goes: --rtf FICHIER, --brut, and --couleur for the blocks with coloured letters.
struct ResultOptions {
  std::optional<std::string> rtfFile;  // the document as RTF instead of text on stdout
  bool raw = false;                    // only the found items, one per line
  ColourMode colour = ColourMode::Auto;
  bool commonWordsFirst = false;       // --tri frequence: the header says so on a line of its own
};

// Takes --rtf and --brut (refused together), and --couleur when the command has it.
ResultOptions TakeResultOptions(Options& options, bool colour);

// True when text written to ctx's stdout is to be coloured.
bool UseColour(const Context& ctx, ColourMode mode);

// The document as UTF-8 text, paragraphs separated by "\n", with each bold or coloured run
// wrapped in ANSI escapes when colour is true (the nearest of the terminal's eight colours).
std::string WriteTerminalText(const Document& doc, bool colour);

// The header on top of the block, followed by two line breaks, as the main window shows it.
Document ResultDocument(const Document& header, const Document& block);

// Prints the result document as text on stdout, or, when rtfFile is set, writes it there as RTF
// and prints nothing. Text is coloured as `colour` says. Returns kExitOk, or kExitDataError after
// printing why the file could not be written.
int EmitResult(Context& ctx, const Document& header, const Document& block, const std::optional<std::string>& rtfFile,
               ColourMode colour = ColourMode::Never);

// What a command shows, each part written only when the output asks for it: the header and the
// block for text or RTF, the items alone (Windows-1252, in block order) for --brut.
struct ResultWriters {
  std::function<Document()> header;
  std::function<Document()> block;
  std::function<std::vector<std::string>()> items;
};

// The same as the output options say: with --brut, only the items, one per line.
int EmitResult(Context& ctx, const ResultOptions& output, const ResultWriters& writers);

// Prints a search's refusal (Windows-1252) on stderr; returns kExitNothingFound when the search
// found nothing, kExitRefused when it refused what was typed.
int RefusalExit(Context& ctx, std::string_view message, bool nothingFound);

}  // namespace tavilo::cli
