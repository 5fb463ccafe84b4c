// The page's entry points into the engines, called from the Web Worker (tavilo-worker.js): load
// the lexicon once from the data files the worker wrote into /donnees, then run any command of
// tavilo-cli over it with the same arguments, the same option parsing, the same refusals and the
// same block writers. The result document comes back as HTML (the block as the window shows it)
// and as plain text (for Copier and Enregistrer).
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/document.h"
#include "core/lexicon.h"
#include "core/rtf.h"
#include "web/document_html.h"

namespace tavilo::web {
namespace {

constexpr char kDataFolder[] = "/donnees";
constexpr char kResultFile[] = "/resultat.rtf";
constexpr char kFieldSeparator = '\x1f';   // between the arguments of a command, and between fields
constexpr char kRecordSeparator = '\x1e';  // between the commands of the table

// What the last call left for the page to read.
struct Outcome {
  std::string html, text, messages, table;
  double milliseconds = 0;
};

Outcome& Last() {
  static Outcome outcome;
  return outcome;
}

std::shared_ptr<Lexicon>& TheLexicon() {
  static std::shared_ptr<Lexicon> lexicon;
  return lexicon;
}

// Hands a piece of standard output to the worker, which passes it on to the page.
EM_JS(void, HandToPage, (const char* text, int size), {
  if (Module.surFlux) Module.surFlux(UTF8ToString(text, size));
});

// Standard output that also hands each flushed piece to the page, so that a search printing its
// results as it finds them (automatic anagrams) shows them, and its progress, while it runs.
class StreamingBuffer : public std::stringbuf {
 protected:
  int sync() override {
    const std::string& all = str();
    if (all.size() > sent_) {
      HandToPage(all.data() + sent_, static_cast<int>(all.size() - sent_));
      sent_ = all.size();
    }
    return 0;
  }

 private:
  std::size_t sent_ = 0;
};

std::vector<std::string> SplitFields(std::string_view text) {
  std::vector<std::string> fields;
  if (text.empty()) return fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(kFieldSeparator, start);
    fields.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

const cli::Command* FindCommand(const std::string& name) {
  for (const cli::Command& command : cli::Commands()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

std::string ReadWholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ShowDocument(const Document& doc) {
  Last().html = DocumentToHtml(doc);
  Last().text = WritePlainText(doc);
}

}  // namespace
}  // namespace tavilo::web

using namespace tavilo;
using namespace tavilo::web;

extern "C" {

// Loads the lexicon and builds both indexes, so that no search pays for them later. Returns 0,
// or 3 with the data error (naming the file and the line) in the messages.
EMSCRIPTEN_KEEPALIVE int tavilo_charger() {
  Last() = {};
  const auto start = std::chrono::steady_clock::now();
  LexiconLoad load = LoadLexicon(kDataFolder);
  Last().milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (load.error) {
    Last().messages = load.error->MessageUtf8();
    return cli::kExitDataError;
  }
  TheLexicon() = std::move(load.lexicon);
  return cli::kExitOk;
}

// The command table: for each command its name, usage line, summary and help (UTF-8), fields
// separated by 0x1F, commands by 0x1E. The page builds its forms' labels from them.
EMSCRIPTEN_KEEPALIVE const char* tavilo_commandes() {
  std::string& table = Last().table;
  table.clear();
  for (const cli::Command& c : cli::Commands()) {
    if (!table.empty()) table += kRecordSeparator;
    ((((table += c.name) += kFieldSeparator) += c.usage) += kFieldSeparator) += c.summary;
    (table += kFieldSeparator) += c.help;
  }
  return table.c_str();
}

// Runs a command: `args` is the command name then its arguments, separated by 0x1F. The result
// document is taken as the command writes it with --rtf, then read back; with --brut, or when
// `streaming` asks for the results as they are found, the command's text output is the result.
// Returns the command's exit code; what it said on stderr is in the messages.
EMSCRIPTEN_KEEPALIVE int tavilo_executer(const char* args, int streaming) {
  Last() = {};
  std::vector<std::string> fields = SplitFields(args);
  const cli::Command* command = fields.empty() ? nullptr : FindCommand(fields.front());
  if (!command || !TheLexicon()) {
    Last().messages = "Commande inconnue : " + (fields.empty() ? std::string() : fields.front());
    return cli::kExitRefused;
  }
  fields.erase(fields.begin());
  bool raw = false;
  for (const std::string& f : fields) raw = raw || f == "--brut";
  const bool asDocument = !raw && !streaming && std::string_view(command->usage).find("--rtf") != std::string_view::npos;
  if (asDocument) {
    fields.push_back("--rtf");
    fields.push_back(kResultFile);
  }
  StreamingBuffer outBuffer;
  std::ostream out(&outBuffer);
  std::ostringstream err;
  cli::Context ctx(std::move(fields), out, err, TheLexicon()->dataDirectory);
  ctx.ShareLexicon(TheLexicon());
  const auto start = std::chrono::steady_clock::now();
  const int code = command->run(ctx);
  out.flush();
  Last().milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  Last().messages = err.str();
  if (asDocument) {
    const std::string rtf = ReadWholeFile(kResultFile);
    std::remove(kResultFile);
    if (!rtf.empty()) ShowDocument(ReadRtf(rtf).document);
  } else if (raw) {
    Last().text = outBuffer.str();
    Last().html = "<pre class=\"brut\">" + EscapeHtml(Last().text) + "</pre>";
  } else {
    ShowDocument(DocumentFromPlainText(outBuffer.str()));
  }
  return code;
}

EMSCRIPTEN_KEEPALIVE const char* tavilo_html() { return Last().html.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* tavilo_texte() { return Last().text.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* tavilo_messages() { return Last().messages.c_str(); }
// How long the last load or command took inside the engines, in milliseconds.
EMSCRIPTEN_KEEPALIVE double tavilo_duree() { return Last().milliseconds; }

}  // extern "C"
