// The styled-text document model, its plain-text form and the decoding of text files.
#include "core/document.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/text.h"

namespace tavilo {
namespace {

constexpr char32_t kReplacementChar = 0xFFFD;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// text with every malformed UTF-8 sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + 8);
  std::size_t pos = 0;
  while (pos < text.size()) AppendUtf8(out, NextCodePoint(text, pos));
  return out;
}

// Number of code points in well-formed UTF-8 text.
std::size_t CountCodePoints(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuationByte(c); }));
}

CharFormat NormalizedFormat(const CharFormat& format) {
  CharFormat out = format;
  out.half_points = std::clamp(out.half_points, kMinHalfPoints, kMaxHalfPoints);
  return out;
}

const std::shared_ptr<const std::string>& DefaultFont() {
  static const auto kArial = std::make_shared<const std::string>("Arial");
  return kArial;
}

// Adds text (no line breaks) to the end of paragraph, merging with its last run when the
// formats agree.
void AddRun(Paragraph* paragraph, std::string_view text, const CharFormat& format) {
  if (text.empty()) return;
  if (!paragraph->runs.empty() && paragraph->runs.back().format == format) {
    paragraph->runs.back().text.append(text);
  } else {
    paragraph->runs.push_back(TextRun{std::string(text), format});
  }
}

// Merges the neighbouring runs of paragraph that share a format and drops empty ones.
void MergeRuns(Paragraph* paragraph) {
  std::vector<TextRun> merged;
  merged.reserve(paragraph->runs.size());
  for (TextRun& run : paragraph->runs) {
    if (run.text.empty()) continue;
    if (!merged.empty() && merged.back().format == run.format) {
      merged.back().text += run.text;
    } else {
      merged.push_back(std::move(run));
    }
  }
  paragraph->runs = std::move(merged);
}

std::size_t ParagraphLength(const Paragraph& paragraph) {
  std::size_t n = 0;
  for (const TextRun& run : paragraph.runs) n += CountCodePoints(run.text);
  return n;
}

// Byte offset of the code point with index `chars` in well-formed UTF-8 text (text.size()
// when chars reaches the end).
std::size_t ByteOffset(std::string_view text, std::size_t chars) {
  std::size_t pos = 0;
  while (pos < text.size() && chars > 0) {
    ++pos;
    while (pos < text.size() && IsContinuationByte(text[pos])) ++pos;
    --chars;
  }
  return pos;
}

// Joins two paragraphs that meet at an insertion point. `receiver` is the paragraph of the
// document being changed, `incoming` the one being added; `incoming_first` tells which of the
// two comes first. The tab stops are the receiver's unless only the incoming side has text.
Paragraph JoinParagraphs(const Paragraph& receiver, const Paragraph& incoming,
                         bool incoming_first) {
  Paragraph joined;
  const bool keep_receiver = !receiver.runs.empty() || incoming.runs.empty();
  joined.tab_stops = keep_receiver ? receiver.tab_stops : incoming.tab_stops;
  const Paragraph& left = incoming_first ? incoming : receiver;
  const Paragraph& right = incoming_first ? receiver : incoming;
  joined.runs = left.runs;
  joined.runs.insert(joined.runs.end(), right.runs.begin(), right.runs.end());
  MergeRuns(&joined);
  return joined;
}

std::string DecodeUtf16(std::string_view bytes, bool big_endian) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    return big_endian ? (b0 << 8 | b1) : (b1 << 8 | b0);
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, c >= 0xD800 && c <= 0xDFFF ? kReplacementChar : c);  // lone surrogate
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacementChar);  // odd final byte
  return out;
}

}  // namespace

FontName::FontName() : name_(DefaultFont()) {}

FontName::FontName(std::string_view name) {
  std::string clean = SanitizeUtf8(name.substr(0, kMaxFontNameBytes + 3));
  if (clean.size() > kMaxFontNameBytes) {
    std::size_t cut = kMaxFontNameBytes;
    while (cut > 0 && IsContinuationByte(clean[cut])) --cut;
    clean.resize(cut);
  }
  for (char& c : clean) {
    if (c == ';' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7F) c = ' ';
  }
  // Spaces around a name are no part of it (RTF readers trim them), so a name reads back the
  // same once written.
  clean.erase(0, std::min(clean.size(), clean.find_first_not_of(' ')));
  clean.erase(clean.find_last_not_of(' ') + 1);
  name_ = clean.empty() || clean == *DefaultFont() ? DefaultFont() : std::make_shared<const std::string>(std::move(clean));
}

Document::Document() : paragraphs_(1) {}

bool Document::empty() const {
  return paragraphs_.size() == 1 && paragraphs_.front().runs.empty();
}

std::size_t Document::CharacterCount() const {
  std::size_t n = paragraphs_.size() - 1;
  for (const Paragraph& paragraph : paragraphs_) n += ParagraphLength(paragraph);
  return n;
}

void Document::Append(std::string_view utf8, const CharFormat& format) {
  const CharFormat normalized = NormalizedFormat(format);
  const std::string text = SanitizeUtf8(utf8);
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      AddRun(&paragraphs_.back(), std::string_view(text).substr(start), normalized);
      break;
    }
    AddRun(&paragraphs_.back(), std::string_view(text).substr(start, end - start), normalized);
    AppendParagraphBreak();
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

void Document::AppendParagraphBreak() {
  Paragraph next;
  next.tab_stops = paragraphs_.back().tab_stops;
  paragraphs_.push_back(std::move(next));
}

void Document::Append(const Document& other) {
  if (&other == this) {
    const Document copy = other;
    Append(copy);
    return;
  }
  if (empty()) {
    paragraphs_ = other.paragraphs_;
    return;
  }
  paragraphs_.back() = JoinParagraphs(paragraphs_.back(), other.paragraphs_.front(), false);
  paragraphs_.insert(paragraphs_.end(), other.paragraphs_.begin() + 1, other.paragraphs_.end());
}

void Document::SetTabStops(std::vector<int> twips) {
  for (int& t : twips) t = std::clamp(t, 0, kMaxTabStopTwips);
  std::sort(twips.begin(), twips.end());
  twips.erase(std::unique(twips.begin(), twips.end()), twips.end());
  if (twips.size() > kMaxTabStops) twips.resize(kMaxTabStops);
  paragraphs_.back().tab_stops = std::move(twips);
}

void Document::InsertAtTop(std::string_view utf8, const CharFormat& format) {
  Document top;
  top.Append(utf8, format);
  InsertAtTop(top);
}

void Document::InsertHeader(const Document& header) {
  Document top = header;
  top.AppendParagraphBreak();
  top.AppendParagraphBreak();
  InsertAtTop(top);
}

void Document::InsertAtTop(const Document& other) {
  if (empty()) {
    paragraphs_ = other.paragraphs_;
    return;
  }
  std::vector<Paragraph> result(other.paragraphs_.begin(), other.paragraphs_.end() - 1);
  result.push_back(JoinParagraphs(paragraphs_.front(), other.paragraphs_.back(), true));
  result.insert(result.end(), std::make_move_iterator(paragraphs_.begin() + 1),
                std::make_move_iterator(paragraphs_.end()));
  paragraphs_ = std::move(result);
}

template <typename Change>
void Document::ChangeFormat(std::size_t begin, std::size_t count, Change change) {
  if (count == 0) return;
  const std::size_t end = count > SIZE_MAX - begin ? SIZE_MAX : begin + count;
  std::size_t para_start = 0;  // offset of the paragraph's first character
  for (Paragraph& paragraph : paragraphs_) {
    if (para_start >= end) break;
    const std::size_t para_length = ParagraphLength(paragraph);
    if (para_start + para_length > begin) {
      // Split the runs the range touches into before / inside / after, then merge again.
      std::vector<TextRun> pieces;
      std::size_t run_start = para_start;
      for (TextRun& run : paragraph.runs) {
        const std::size_t length = CountCodePoints(run.text);
        const std::size_t from = std::clamp(begin, run_start, run_start + length) - run_start;
        const std::size_t to = std::clamp(end, run_start, run_start + length) - run_start;
        run_start += length;
        if (from == to) {
          pieces.push_back(std::move(run));
          continue;
        }
        const std::size_t from_byte = ByteOffset(run.text, from);
        const std::size_t to_byte = ByteOffset(run.text, to);
        TextRun middle{run.text.substr(from_byte, to_byte - from_byte), run.format};
        change(middle.format);
        pieces.push_back(TextRun{run.text.substr(0, from_byte), run.format});
        pieces.push_back(std::move(middle));
        pieces.push_back(TextRun{run.text.substr(to_byte), run.format});
      }
      paragraph.runs = std::move(pieces);
      MergeRuns(&paragraph);
    }
    para_start += para_length + 1;  // the paragraph break
  }
}

void Document::SetColor(std::size_t begin, std::size_t count, Rgb color) {
  ChangeFormat(begin, count, [color](CharFormat& format) { format.color = color; });
}

void Document::SetBold(std::size_t begin, std::size_t count, bool bold) {
  ChangeFormat(begin, count, [bold](CharFormat& format) { format.bold = bold; });
}

std::string WritePlainText(const Document& doc) {
  std::string out;
  bool first = true;
  for (const Paragraph& paragraph : doc.paragraphs()) {
    if (!first) out.push_back('\n');
    first = false;
    for (const TextRun& run : paragraph.runs) out += run.text;
  }
  return out;
}

Document DocumentFromPlainText(std::string_view utf8) {
  Document doc;
  doc.Append(utf8, CharFormat{});
  return doc;
}

std::string DecodeTextFileBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return SanitizeUtf8(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1252ToUtf8(bytes);
}

void AppendHighlighted(Document& doc, std::string_view cp1252Word, std::size_t start, std::size_t length,
                       const CharFormat& format, Rgb colour) {
  const std::string_view s = cp1252Word;
  start = std::min(start, s.size());
  length = std::min(length, s.size() - start);
  CharFormat highlighted = format;
  highlighted.color = colour;
  highlighted.bold = true;
  if (start > 0) doc.Append(Cp1252ToUtf8(s.substr(0, start)), format);
  if (length > 0) doc.Append(Cp1252ToUtf8(s.substr(start, length)), highlighted);
  if (start + length < s.size()) doc.Append(Cp1252ToUtf8(s.substr(start + length)), format);
}

}  // namespace tavilo
