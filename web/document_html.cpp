#include "web/document_html.h"

#include <cstdio>

namespace tavilo::web {

std::string EscapeHtml(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

namespace {

bool HasTab(const Paragraph& p) {
  for (const TextRun& run : p.runs) {
    if (run.text.find('\t') != std::string::npos) return true;
  }
  return false;
}

bool IsEmpty(const Paragraph& p) { return p.runs.empty(); }

// A separator line between groups: dashes only, a few of them at least.
bool IsRule(const Paragraph& p) {
  std::size_t dashes = 0;
  for (const TextRun& run : p.runs) {
    for (char c : run.text) {
      if (c != '-') return false;
      ++dashes;
    }
  }
  return dashes >= 10;
}

// Some text of a run, wrapped in the tags of its format.
void AppendStyled(std::string& out, std::string_view text, const CharFormat& format) {
  if (text.empty()) return;
  const bool coloured = !(format.color == Rgb{});
  if (coloured) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", format.color.red, format.color.green, format.color.blue);
    out += "<span style=\"color:";
    out += colour;
    out += "\">";
  }
  if (format.bold) out += "<b>";
  if (format.italic) out += "<i>";
  out += EscapeHtml(text);
  if (format.italic) out += "</i>";
  if (format.bold) out += "</b>";
  if (coloured) out += "</span>";
}

void AppendRuns(std::string& out, const Paragraph& p) {
  for (const TextRun& run : p.runs) AppendStyled(out, run.text, run.format);
}

// The cells of a paragraph with tabs, each non-empty one a <span>.
void AppendCells(std::string& out, const Paragraph& p) {
  std::string cell;
  const auto flush = [&] {
    if (!cell.empty()) out += "<span>" + cell + "</span>";
    cell.clear();
  };
  for (const TextRun& run : p.runs) {
    std::string_view text = run.text;
    while (true) {
      const std::size_t tab = text.find('\t');
      AppendStyled(cell, text.substr(0, tab), run.format);
      if (tab == std::string_view::npos) break;
      flush();
      text.remove_prefix(tab + 1);
    }
  }
  flush();
}

}  // namespace

std::string DocumentToHtml(const Document& doc) {
  const auto& paragraphs = doc.paragraphs();
  std::size_t first = 0;
  std::string out;
  // The header: what comes before the first empty paragraph, when the document has one.
  std::size_t blank = 0;
  while (blank < paragraphs.size() && !IsEmpty(paragraphs[blank])) ++blank;
  if (blank < paragraphs.size() && blank > 0) {
    out += "<div class=\"entete\">";
    for (; first < blank; ++first) {
      out += "<p>";
      AppendRuns(out, paragraphs[first]);
      out += "</p>";
    }
    out += "</div>";
  }
  bool inGrid = false;
  for (std::size_t i = first; i < paragraphs.size(); ++i) {
    const Paragraph& p = paragraphs[i];
    const bool tabbed = HasTab(p);
    if (inGrid && !tabbed) out += "</div>";
    if (tabbed) {
      if (!inGrid) out += "<div class=\"grille\">";
      AppendCells(out, p);
    } else if (IsRule(p)) {
      out += "<hr>";
    } else if (IsEmpty(p)) {
      out += "<p class=\"vide\"></p>";
    } else {
      out += "<p>";
      AppendRuns(out, p);
      out += "</p>";
    }
    inGrid = tabbed;
  }
  if (inGrid) out += "</div>";
  return out;
}

}  // namespace tavilo::web
