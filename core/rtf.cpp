// The RTF writer of the result document, and the French messages of the RTF reader.
#include "core/rtf.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/text.h"

namespace tavilo {
namespace {

// Appends RTF to a string, inserting the space that ends a control word only where the next
// byte would otherwise be read as part of it.
class RtfOut {
 public:
  // Writes \word, or \wordN when a parameter is given.
  void Word(const char* word) {
    out_.push_back('\\');
    out_ += word;
    open_word_ = true;
  }
  void Word(const char* word, long param) {
    Word(word);
    out_ += std::to_string(param);
  }

  // Writes bytes that are not control words ("{", "}", escapes, plain ASCII text).
  void Raw(std::string_view bytes) {
    if (bytes.empty()) return;
    // A letter or digit would lengthen the word, and a space or '-' would be taken as its
    // delimiter or the sign of a parameter.
    const char first = bytes.front();
    const bool joins = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z') ||
                       (first >= '0' && first <= '9') || first == ' ' || first == '-';
    if (open_word_ && joins) out_.push_back(' ');
    open_word_ = false;
    out_ += bytes;
  }

  // Writes one character of document text.
  void Char(char32_t c) {
    switch (c) {
      case '\\': Raw("\\\\"); return;
      case '{': Raw("\\{"); return;
      case '}': Raw("\\}"); return;
      case '\t': Word("tab"); return;
      default: break;
    }
    if (c >= 0x20 && c < 0x7F) {
      const char ch = static_cast<char>(c);
      Raw(std::string_view(&ch, 1));
    } else if (c < 0x80) {
      Raw(HexEscape(static_cast<unsigned char>(c)));
    } else if (c <= 0xFFFF) {
      Unicode(c, CodePointToCp1252(c));
    } else {  // outside the BMP: a UTF-16 surrogate pair
      const char32_t v = c - 0x10000;
      Unicode(0xD800 + (v >> 10), -1);
      Unicode(0xDC00 + (v & 0x3FF), -1);
    }
  }

  // Writes UTF-8 text character by character.
  void Text(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) Char(NextCodePoint(utf8, pos));
  }

  std::string Take() { return std::move(out_); }

 private:
  static std::string HexEscape(unsigned char b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\'%02x", b);
    return buf;
  }

  // \uN takes a signed 16-bit number; the one fallback character after it (\uc1) is the
  // Windows-1252 form when there is one, else '?'.
  void Unicode(char32_t unit, int cp1252) {
    Word("u", unit > 0x7FFF ? static_cast<long>(unit) - 0x10000 : static_cast<long>(unit));
    if (cp1252 >= 0x80) {
      Raw(HexEscape(static_cast<unsigned char>(cp1252)));
    } else {
      Raw("?");
    }
  }

  std::string out_;
  bool open_word_ = false;
};

const char* FontFamily(std::string_view font) {
  if (font == "Courier New") return "fmodern";
  if (font == "Arial") return "fswiss";
  return "fnil";
}

template <typename T>
int IndexOf(std::vector<T>& items, const T& item) {
  const auto it = std::find(items.begin(), items.end(), item);
  if (it != items.end()) return static_cast<int>(it - items.begin());
  items.push_back(item);
  return static_cast<int>(items.size() - 1);
}

}  // namespace

std::string WriteRtf(const Document& doc) {
  std::vector<std::string> fonts;
  std::vector<Rgb> colors;
  for (const Paragraph& paragraph : doc.paragraphs()) {
    for (const TextRun& run : paragraph.runs) {
      IndexOf(fonts, run.format.font.str());
      IndexOf(colors, run.format.color);
    }
  }
  if (fonts.empty()) fonts.push_back(CharFormat{}.font);

  RtfOut out;
  out.Raw("{");
  out.Word("rtf", 1);
  out.Word("ansi");
  out.Word("ansicpg", 1252);
  out.Word("deff", 0);
  out.Word("uc", 1);
  out.Raw("{");
  out.Word("fonttbl");
  for (std::size_t k = 0; k < fonts.size(); ++k) {
    out.Raw("{");
    out.Word("f", static_cast<long>(k));
    out.Word(FontFamily(fonts[k]));
    out.Word("fcharset", 0);
    out.Text(fonts[k]);
    out.Raw(";}");
  }
  out.Raw("}\n{");
  out.Word("colortbl");
  out.Raw(";");  // entry 0: the reader's automatic colour
  for (const Rgb& color : colors) {
    out.Word("red", color.red);
    out.Word("green", color.green);
    out.Word("blue", color.blue);
    out.Raw(";");
  }
  out.Raw("}\n");

  // The formatting last written; -1 (or unset) forces the first run to write everything.
  int font = -1, half_points = -1, color = -1, bold = -1, italic = -1;
  const std::vector<int>* tabs = nullptr;
  bool first = true;
  for (const Paragraph& paragraph : doc.paragraphs()) {
    if (!first) {
      out.Word("par");
      out.Raw("\n");
    }
    first = false;
    if (tabs == nullptr || *tabs != paragraph.tab_stops) {
      out.Word("pard");
      for (const int t : paragraph.tab_stops) out.Word("tx", t);
      tabs = &paragraph.tab_stops;
    }
    for (const TextRun& run : paragraph.runs) {
      const CharFormat& f = run.format;
      const int f_index = IndexOf(fonts, f.font.str());
      const int c_index = IndexOf(colors, f.color) + 1;
      if (f_index != font) out.Word("f", font = f_index);
      if (f.half_points != half_points) out.Word("fs", half_points = f.half_points);
      if (c_index != color) out.Word("cf", color = c_index);
      if (int{f.bold} != bold) out.Word((bold = f.bold) ? "b" : "b0");
      if (int{f.italic} != italic) out.Word((italic = f.italic) ? "i" : "i0");
      out.Text(run.text);
    }
  }
  out.Raw("}\n");
  return out.Take();
}

std::string RtfReadResult::Message(std::string_view file_name) const {
  std::string reason;
  switch (error) {
    case RtfError::kNone:
      return {};
    case RtfError::kEmpty:
      reason = "le fichier est vide";
      break;
    case RtfError::kNotRtf:
      reason = "ce n'est pas un fichier RTF (il devrait commencer par «\u00A0{\\rtf\u00A0»)";
      break;
    case RtfError::kMissingCloseBrace:
      reason = "le fichier est incomplet, il manque au moins une accolade fermante «\u00A0}\u00A0»";
      break;
    case RtfError::kExtraCloseBrace:
      reason = "une accolade fermante «\u00A0}\u00A0» ne ferme aucun groupe";
      break;
    case RtfError::kTruncatedControl:
      reason = "le fichier s'arrête au milieu d'un mot de contrôle";
      break;
    case RtfError::kTruncatedHexEscape:
      reason = "le fichier s'arrête au milieu d'un caractère codé «\u00A0\\'hh\u00A0»";
      break;
    case RtfError::kTruncatedBinary:
      reason = "le fichier s'arrête au milieu de données binaires «\u00A0\\bin\u00A0»";
      break;
    case RtfError::kTooDeep:
      reason = "les groupes entre accolades sont imbriqués sur plus de " +
               std::to_string(kMaxRtfDepth) + " niveaux";
      break;
  }
  std::string message = "Impossible de lire le fichier";
  if (!file_name.empty()) {
    message += " «\u00A0";
    message += file_name;
    message += "\u00A0»";
  }
  message += " : " + reason;
  if (line > 0) message += " (ligne " + std::to_string(line) + ")";
  message += ".";
  return message;
}

}  // namespace tavilo
