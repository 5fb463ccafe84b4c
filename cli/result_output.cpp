#include "cli/result_output.h"

#include <algorithm>
#include <ostream>

#include "core/frequency_order.h"
#include "cli/list_file.h"
#include "core/rtf.h"
#include "core/text.h"

namespace tavilo::cli {

std::optional<ColourMode> ParseColourMode(std::string_view value) {
  if (value == "auto") return ColourMode::Auto;
  if (value == "toujours") return ColourMode::Always;
  if (value == "jamais") return ColourMode::Never;
  return std::nullopt;
}

ResultOptions TakeResultOptions(Options& options, bool colour) {
  ResultOptions output;
  output.rtfFile = options.Value("--rtf");
  output.raw = options.Flag("--brut");
  options.Refuse(output.raw && output.rtfFile, "Choisissez --brut ou --rtf, pas les deux.");
  if (const auto mode = colour ? options.Value("--couleur") : std::nullopt) {
    const auto parsed = ParseColourMode(*mode);
    options.Refuse(!parsed, "L'option --couleur attend auto, toujours ou jamais.");
    output.colour = parsed.value_or(ColourMode::Auto);
  }
  return output;
}

bool UseColour(const Context& ctx, ColourMode mode) {
  return mode == ColourMode::Always || (mode == ColourMode::Auto && ctx.OutIsTerminal());
}

namespace {

// The SGR parameters of a run: bold, then the basic colour whose components are the run
// colour's strong ones (at least half of its largest), so (220, 0, 0) is red and (0, 128, 0)
// green. Empty for a plain black run.
std::string SgrOf(const CharFormat& format) {
  std::string sgr;
  if (format.bold) sgr = "1";
  const Rgb c = format.color;
  const int top = std::max({c.red, c.green, c.blue});
  if (top > 0) {
    const auto strong = [&](int component) { return 2 * component >= top ? 1 : 0; };
    const int code = 30 + strong(c.red) + 2 * strong(c.green) + 4 * strong(c.blue);
    if (!sgr.empty()) sgr += ';';
    sgr += std::to_string(code);
  }
  return sgr;
}

}  // namespace

std::string WriteTerminalText(const Document& doc, bool colour) {
  if (!colour) return WritePlainText(doc);
  std::string out;
  bool first = true;
  for (const Paragraph& paragraph : doc.paragraphs()) {
    if (!first) out.push_back('\n');
    first = false;
    for (const TextRun& run : paragraph.runs) {
      const std::string sgr = SgrOf(run.format);
      if (sgr.empty()) {
        out += run.text;
      } else {
        out += "\x1B[" + sgr + "m" + run.text + "\x1B[0m";
      }
    }
  }
  return out;
}

Document ResultDocument(const Document& header, const Document& block) {
  Document doc = block;
  doc.InsertHeader(header);
  return doc;
}

int EmitResult(Context& ctx, const Document& header, const Document& block, const std::optional<std::string>& rtfFile,
               ColourMode colour) {
  const Document doc = ResultDocument(header, block);
  if (!rtfFile) {
    // A terminal's output ends its last line, whatever the block ends with (the notes under the
    // spoonerisms end without one).
    const std::string text = WriteTerminalText(doc, UseColour(ctx, colour));
    ctx.Out() << text << (text.empty() || text.back() == '\n' ? "" : "\n");
    return kExitOk;
  }
  if (auto error = WriteTextFile(*rtfFile, WriteRtf(doc))) {
    ctx.PrintError(error->Message());
    return kExitDataError;
  }
  return kExitOk;
}

int EmitResult(Context& ctx, const ResultOptions& output, const ResultWriters& writers) {
  if (!output.raw) {
    Document header = writers.header();
    if (output.commonWordsFirst) AddFrequencyOrderLine(header);
    return EmitResult(ctx, header, writers.block(), output.rtfFile, output.colour);
  }
  std::string text;
  for (const std::string& item : writers.items()) (text += item) += '\n';
  ctx.Out() << Cp1252ToUtf8(text);
  return kExitOk;
}

int RefusalExit(Context& ctx, std::string_view message, bool nothingFound) {
  ctx.PrintError(message);
  return nothingFound ? kExitNothingFound : kExitRefused;
}

}  // namespace tavilo::cli
