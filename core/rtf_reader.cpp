// The RTF reader: a single pass over the bytes with an explicit stack of group states, so that
// malformed input (deep nesting, huge numbers, cut-off files) can neither overflow the call
// stack nor make it allocate beyond a fixed multiple of the input.
#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/rtf.h"
#include "core/text.h"

namespace tavilo {
namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

// Where the text of the current group goes.
enum class Destination { kBody, kFontTable, kColorTable, kSkip };

// The formatting RTF scopes by groups: "{" saves it, "}" restores it.
struct GroupState {
  int font = -1;         // font number; -1 is the document's default font (\deffN)
  int half_points = 24;  // RTF's default size, 12 points
  int color = 0;         // colour-table index; 0 is the automatic colour (black)
  bool bold = false;
  bool italic = false;
  int uc = 1;            // fallback characters after \uN
  Destination destination = Destination::kBody;
};

// Destinations whose content is not text of the document. Starred ones ({\*\name ...}) are
// skipped whatever their name; these are the usual ones that come without the star.
bool IsSkippedDestination(std::string_view word) {
  static const std::unordered_set<std::string_view> kSkipped = {
      "aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atnid", "atnref",
      "atrfend", "atrfstart", "author", "bkmkend", "bkmkstart", "buptim", "category",
      "colorschememapping", "comment", "company", "creatim", "datastore", "do", "doccomm",
      "docvar", "falt", "fchars", "fldinst", "footer", "footerf", "footerl", "footerr",
      "footnote", "ftncn", "ftnsep", "ftnsepc", "header", "headerf", "headerl", "headerr",
      "hlinkbase", "info", "keywords", "lchars", "latentstyles", "listoverridetable",
      "listtable", "manager", "nonshppict", "object", "objdata", "operator", "panose",
      "pgdsctbl", "pict", "printim", "private", "revtbl", "revtim", "rsidtbl", "shp",
      "shpinst", "shppict", "stylesheet", "subject", "tc", "template", "themedata", "title",
      "txe", "userprops", "xe", "xmlnstbl", "filetbl", "generator", "mmathPr",
  };
  return kSkipped.contains(word);
}

// The character a control word stands for, or 0 when it stands for none.
char32_t SymbolWord(std::string_view word) {
  static const std::unordered_map<std::string_view, char32_t> kSymbols = {
      {"emdash", 0x2014}, {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
      {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", ' '},
      {"enspace", ' '},   {"qmspace", ' '},
  };
  const auto it = kSymbols.find(word);
  return it == kSymbols.end() ? 0 : it->second;
}

class RtfReader {
 public:
  explicit RtfReader(std::string_view input) : in_(input) {}

  RtfReadResult Read() {
    RtfReadResult result;
    result.error = Parse();
    if (result.error != RtfError::kNone) {
      result.line = LineAt(pos_);
      return result;
    }
    FlushHighSurrogate();
    FlushText();
    doc_.SetTabStops(tabs_);
    result.document = std::move(doc_);
    return result;
  }

 private:
  RtfError Parse() {
    pos_ = HeaderStart(in_);
    if (pos_ == in_.size()) return RtfError::kEmpty;
    if (in_.substr(pos_, 5) != "{\\rtf") return RtfError::kNotRtf;

    while (pos_ < in_.size()) {
      const char c = in_[pos_];
      if (c == '{') {
        if (static_cast<int>(stack_.size()) >= kMaxRtfDepth) return RtfError::kTooDeep;
        skip_fallback_ = 0;
        stack_.push_back(state_);
        ++pos_;
      } else if (c == '}') {
        if (stack_.empty()) return RtfError::kExtraCloseBrace;
        skip_fallback_ = 0;
        if (state_.destination == Destination::kFontTable) CommitFont();
        state_ = stack_.back();
        stack_.pop_back();
        format_dirty_ = true;
        ++pos_;
        if (stack_.empty()) return CheckTrailer();
      } else if (c == '\\') {
        if (const RtfError error = ParseControl(); error != RtfError::kNone) return error;
      } else {
        ++pos_;
        if (c == '\r' || c == '\n' || c == '\0') continue;
        if (ConsumeFallback()) continue;
        if (c == '\t') {
          Text('\t');
        } else if (static_cast<unsigned char>(c) >= 0x20) {
          Text(Cp1252ToCodePoint(static_cast<unsigned char>(c)));
        }
      }
    }
    return RtfError::kMissingCloseBrace;
  }

  // After the outermost group: blanks and NUL padding are common, anything else but a stray
  // "}" is ignored as word processors do.
  RtfError CheckTrailer() {
    const std::size_t brace = in_.find('}', pos_);
    if (brace != std::string_view::npos) {
      pos_ = brace;
      return RtfError::kExtraCloseBrace;
    }
    return RtfError::kNone;
  }

  // Parses what follows a backslash: a control word with its parameter, a \'hh escape or a
  // control symbol.
  RtfError ParseControl() {
    ++pos_;
    if (pos_ >= in_.size()) return RtfError::kTruncatedControl;
    const char c = in_[pos_];
    if (IsWordLetter(c)) return ParseWord();
    ++pos_;
    if (c == '\'') {
      if (in_.size() - pos_ < 2) return RtfError::kTruncatedHexEscape;
      const int high = HexValue(in_[pos_]);
      const int low = HexValue(in_[pos_ + 1]);
      if (high < 0 || low < 0) return RtfError::kNone;  // not an escape: ignored
      pos_ += 2;
      if (!ConsumeFallback()) Text(Cp1252ToCodePoint(static_cast<unsigned char>(high * 16 + low)));
      return RtfError::kNone;
    }
    if (ConsumeFallback()) return RtfError::kNone;
    switch (c) {
      case '\\': case '{': case '}': Text(static_cast<unsigned char>(c)); break;
      case '~': Text(0x00A0); break;  // non-breaking space
      case '_': Text('-'); break;     // non-breaking hyphen
      case '*': state_.destination = Destination::kSkip; break;
      case '\n': case '\r': ParagraphBreak(); break;
      default: break;                 // \- optional hyphen, \| \: and unknown symbols
    }
    return RtfError::kNone;
  }

  RtfError ParseWord() {
    const std::size_t start = pos_;
    while (pos_ < in_.size() && IsWordLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(start, pos_ - start);
    bool has_param = false;
    bool negative = false;
    std::int64_t value = 0;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsParamDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    while (pos_ < in_.size() && IsParamDigit(in_[pos_])) {
      has_param = true;
      // Saturate: the parameter only has to stay out of every valid range.
      value = std::min<std::int64_t>(value * 10 + (in_[pos_] - '0'), kParamLimit);
      ++pos_;
    }
    if (pos_ >= in_.size()) return RtfError::kTruncatedControl;
    if (in_[pos_] == ' ') ++pos_;
    const int param = static_cast<int>(negative ? -value : value);

    if (word == "bin") {
      // Raw bytes follow; they are never text of the document.
      const std::size_t count = has_param && param > 0 ? static_cast<std::size_t>(param) : 0;
      if (count > in_.size() - pos_) return RtfError::kTruncatedBinary;
      pos_ += count;
      return RtfError::kNone;
    }
    if (ConsumeFallback()) return RtfError::kNone;
    Word(word, has_param, param);
    return RtfError::kNone;
  }

  void Word(std::string_view word, bool has_param, int param) {
    if (state_.destination == Destination::kSkip) return;
    if (IsSkippedDestination(word)) {
      state_.destination = Destination::kSkip;
      return;
    }
    if (word == "fonttbl") {
      state_.destination = Destination::kFontTable;
      return;
    }
    if (word == "colortbl") {
      state_.destination = Destination::kColorTable;
      colors_.clear();
      color_ = Rgb{};
      return;
    }
    if (word == "uc") {
      state_.uc = std::clamp(has_param ? param : 1, 0, kMaxFallback);
      return;
    }
    if (word == "u") {
      if (has_param) UnicodeUnit(param);
      return;
    }
    switch (state_.destination) {
      case Destination::kFontTable:
        if (word == "f" && has_param) {
          CommitFont();
          table_font_ = param;
        }
        return;
      case Destination::kColorTable:
        if (word == "red") color_.red = ColorComponent(param);
        if (word == "green") color_.green = ColorComponent(param);
        if (word == "blue") color_.blue = ColorComponent(param);
        return;
      case Destination::kBody:
        BodyWord(word, has_param, param);
        return;
      case Destination::kSkip:
        return;
    }
  }

  void BodyWord(std::string_view word, bool has_param, int param) {
    const bool on = !has_param || param != 0;
    if (word == "par" || word == "line" || word == "row") {
      ParagraphBreak();
    } else if (word == "tab" || word == "cell") {
      Text('\t');
    } else if (word == "pard") {
      tabs_.clear();
    } else if (word == "tx") {
      if (has_param && tabs_.size() < kMaxTabStops) {
        tabs_.push_back(std::clamp(param, 0, kMaxTabStopTwips));
      }
    } else if (word == "plain") {
      const int uc = state_.uc;
      const Destination destination = state_.destination;
      state_ = GroupState{};
      state_.uc = uc;
      state_.destination = destination;
      format_dirty_ = true;
    } else if (word == "b") {
      state_.bold = on;
      format_dirty_ = true;
    } else if (word == "i") {
      state_.italic = on;
      format_dirty_ = true;
    } else if (word == "fs") {
      state_.half_points = has_param ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints) : 24;
      format_dirty_ = true;
    } else if (word == "cf") {
      state_.color = has_param ? std::max(param, 0) : 0;
      format_dirty_ = true;
    } else if (word == "f") {
      state_.font = has_param ? std::max(param, 0) : -1;
      format_dirty_ = true;
    } else if (word == "deff") {
      if (has_param) default_font_ = param;
      format_dirty_ = true;
    } else if (const char32_t c = SymbolWord(word); c != 0) {
      Text(c);
    }
  }

  // \uN: N is a signed 16-bit UTF-16 unit; surrogate pairs come as two \u in a row.
  void UnicodeUnit(int param) {
    const long unit = param < 0 ? param + 0x10000L : param;
    char32_t c = unit >= 0 && unit <= 0xFFFF ? static_cast<char32_t>(unit) : kReplacementChar;
    skip_fallback_ = state_.uc;
    if (c >= 0xD800 && c <= 0xDBFF) {
      FlushHighSurrogate();
      high_surrogate_ = c;
      return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
      if (high_surrogate_ == 0) {
        c = kReplacementChar;
      } else {
        c = 0x10000 + ((high_surrogate_ - 0xD800) << 10) + (c - 0xDC00);
        high_surrogate_ = 0;
      }
    }
    Text(c);
  }

  void FlushHighSurrogate() {
    if (high_surrogate_ == 0) return;
    high_surrogate_ = 0;
    Text(kReplacementChar);
  }

  // Drops one fallback character of the last \uN when some are still expected.
  bool ConsumeFallback() {
    if (skip_fallback_ == 0) return false;
    --skip_fallback_;
    return true;
  }

  // One character of text, going where the current group's destination sends it.
  void Text(char32_t c) {
    if (high_surrogate_ != 0) FlushHighSurrogate();  // a high surrogate with no low one
    switch (state_.destination) {
      case Destination::kBody:
        if (format_dirty_) UpdateFormat();
        AppendUtf8(text_, c);
        return;
      case Destination::kFontTable:
        if (c == ';') {
          CommitFont();
        } else {
          AppendUtf8(font_name_, c);
        }
        return;
      case Destination::kColorTable:
        if (c == ';') {
          colors_.push_back(color_);
          color_ = Rgb{};
        }
        return;
      case Destination::kSkip:
        return;
    }
  }

  void ParagraphBreak() {
    if (state_.destination != Destination::kBody) return;
    FlushHighSurrogate();
    FlushText();
    doc_.SetTabStops(tabs_);
    doc_.AppendParagraphBreak();
  }

  // The format of the text about to be added; a change of format ends the pending run.
  void UpdateFormat() {
    format_dirty_ = false;
    CharFormat format;
    format.font = FontFor(state_.font);
    format.half_points = state_.half_points;
    format.color = ColorAt(state_.color);
    format.bold = state_.bold;
    format.italic = state_.italic;
    if (format == text_format_) return;
    FlushText();
    text_format_ = std::move(format);
  }

  void FlushText() {
    if (text_.empty()) return;
    doc_.Append(text_, text_format_);
    text_.clear();
  }

  // The shared name of a font number: every run in that font points to the same name.
  FontName FontFor(int number) const {
    auto it = fonts_.find(number < 0 ? default_font_ : number);
    if (it == fonts_.end()) it = fonts_.find(default_font_);
    if (it == fonts_.end()) return FontName();
    return it->second;
  }

  void CommitFont() {
    // Names are trimmed; the first definition of a number wins.
    const std::size_t first = font_name_.find_first_not_of(' ');
    if (first != std::string::npos) {
      const std::size_t last = font_name_.find_last_not_of(' ');
      fonts_.emplace(table_font_, FontName(std::string_view(font_name_).substr(first, last - first + 1)));
    }
    font_name_.clear();
  }

  Rgb ColorAt(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < colors_.size()) return colors_[index];
    return Rgb{};
  }

  static std::uint8_t ColorComponent(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
  }

  int LineAt(std::size_t pos) const {
    pos = std::min(pos, in_.size());
    int line = 1;
    for (std::size_t k = 0; k < pos; ++k) {
      if (in_[k] == '\n' || (in_[k] == '\r' && (k + 1 >= in_.size() || in_[k + 1] != '\n'))) {
        ++line;
      }
    }
    return line;
  }

public:
  // Where the header should start: blanks and a UTF-8 byte-order mark may stand before it.
  static std::size_t HeaderStart(std::string_view in) {
    std::size_t pos = in.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < in.size() && IsBlank(in[pos])) ++pos;
    return pos;
  }

 private:
  // RTF control words are made of ASCII letters, their parameters of ASCII digits.
  static bool IsWordLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool IsParamDigit(char c) { return c >= '0' && c <= '9'; }
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  static constexpr std::int64_t kParamLimit = 0x7FFFFFFF;
  static constexpr int kMaxFallback = 16;

  std::string_view in_;
  std::size_t pos_ = 0;

  GroupState state_;
  std::vector<GroupState> stack_;
  int skip_fallback_ = 0;
  char32_t high_surrogate_ = 0;

  std::map<int, FontName> fonts_;
  int default_font_ = 0;
  int table_font_ = 0;
  std::string font_name_;

  std::vector<Rgb> colors_;
  Rgb color_;  // the entry being read; one with no component is the automatic colour, black

  Document doc_;
  std::vector<int> tabs_;
  std::string text_;            // text waiting to be appended in text_format_
  CharFormat text_format_;
  bool format_dirty_ = true;
};

}  // namespace

RtfReadResult ReadRtf(std::string_view rtf) { return RtfReader(rtf).Read(); }

bool LooksLikeRtf(std::string_view bytes) { return bytes.substr(RtfReader::HeaderStart(bytes)).starts_with("{\\rtf"); }

}  // namespace tavilo
