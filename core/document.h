// The styled-text document that every tool's result block is written into: paragraphs of runs,
// each run a piece of UTF-8 text with one character format. The front ends show it, save it as
// RTF (core/rtf.h) or plain text, print it and copy from it. No Qt here: the desktop front end
// converts a Document to and from its own rich-text document.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavilo {

// A colour as red, green and blue components (0 to 255). The default is black.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A font's name, well-formed UTF-8 of at most kMaxFontNameBytes bytes with no ';' and no
// control character (which RTF cannot store in its font table: they become spaces), never
// empty ("Arial" stands for an empty name). A document holds many runs in few fonts, so the
// runs share one copy of each name, as RTF numbers its fonts in one table: copying a format
// copies a pointer, and a long font name cannot multiply the memory a document takes.
class FontName {
 public:
  FontName();  // "Arial"
  FontName(std::string_view name);
  FontName(const char* name) : FontName(std::string_view(name)) {}
  FontName(const std::string& name) : FontName(std::string_view(name)) {}

  const std::string& str() const { return *name_; }
  operator const std::string&() const { return *name_; }
  operator std::string_view() const { return *name_; }
  bool empty() const { return name_->empty(); }

  friend bool operator==(const FontName& a, const FontName& b) { return a.name_ == b.name_ || *a.name_ == *b.name_; }
  friend bool operator==(const FontName& a, const char* b) { return *a.name_ == b; }
  friend bool operator==(const FontName& a, const std::string& b) { return *a.name_ == b; }

 private:
  std::shared_ptr<const std::string> name_;
};

// Longer font names are cut (at a character boundary); word processors stay under 32 bytes.
inline constexpr std::size_t kMaxFontNameBytes = 255;

// How a run of characters looks. The default is Arial 10 points, black, upright, not bold.
// Sizes are counted in half-points (RTF's unit) so that 9.5 points can be stored exactly.
struct CharFormat {
  FontName font{};
  int half_points = 20;
  Rgb color{};
  bool bold = false;
  bool italic = false;
  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

// Limits the document keeps to. Sizes and tab positions outside them are clamped.
inline constexpr int kMinHalfPoints = 2;       // 1 point
inline constexpr int kMaxHalfPoints = 3276;    // 1638 points, the largest size RTF readers take
inline constexpr int kTwipsPerPoint = 20;
inline constexpr int kMaxTabStopTwips = 31680; // 22 inches
inline constexpr std::size_t kMaxTabStops = 32;

// Some text in one format. The text is well-formed UTF-8 and holds no line-break characters;
// it may hold tab characters.
struct TextRun {
  std::string text;
  CharFormat format;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// One paragraph: its tab stops (positions in twips from the left margin, ascending, no
// duplicates, at most kMaxTabStops) and its runs. A paragraph never holds an empty run, and two
// neighbouring runs never have the same format (they are merged).
struct Paragraph {
  std::vector<int> tab_stops;
  std::vector<TextRun> runs;
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// A styled text: one or more paragraphs. Character offsets (for SetColor and SetBold) count
// Unicode code points of the plain text, where each paragraph break counts as one character,
// so offset 0 is the first character and CharacterCount() is one past the last.
class Document {
 public:
  // Creates an empty document: one paragraph with no runs and no tab stops.
  Document();

  // The paragraphs, in order. Never empty.
  const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }

  // True when the document holds no character at all (not even a paragraph break).
  bool empty() const;

  // The number of characters: code points of all runs plus one per paragraph break.
  std::size_t CharacterCount() const;

  // Appends utf8 at the end in the given format. "\n", "\r\n" and a lone "\r" each end the
  // current paragraph; a new paragraph starts with the tab stops of the one it follows.
  // Malformed UTF-8 becomes U+FFFD. The format's size is clamped to the limits above.
  void Append(std::string_view utf8, const CharFormat& format);

  // Ends the current paragraph, as Append("\n", ...) does.
  void AppendParagraphBreak();

  // Appends a copy of other. The last paragraph of this document and the first of other become
  // one paragraph, which keeps this document's tab stops unless only other's side has text.
  // Appending to an empty document gives a copy of other.
  void Append(const Document& other);

  // Sets the tab stops of the current (last) paragraph; the paragraphs that later breaks start
  // inherit them. Positions are in twips; they are clamped to 0..kMaxTabStopTwips, sorted,
  // freed of duplicates and cut to the first kMaxTabStops.
  void SetTabStops(std::vector<int> twips);

  // Inserts utf8 before the first character, with the same line-break rules as Append. Text
  // that ends with a break ("header\n\n") leaves the former first paragraph whole, tab stops
  // included; text without one joins that paragraph, which keeps its own tab stops.
  void InsertAtTop(std::string_view utf8, const CharFormat& format);

  // Inserts a copy of other before the first character. Other's last paragraph and this
  // document's first become one paragraph, which keeps this document's tab stops unless only
  // other's side has text. Inserting into an empty document gives a copy of other.
  void InsertAtTop(const Document& other);

  // Puts a result's header line on top, followed by two line breaks: how every search shows its
  // header above its block (and above earlier results when the block is appended).
  void InsertHeader(const Document& header);

  // Sets the colour, or the boldness, of the characters [begin, begin + count). Parts of the
  // range past the end are ignored; paragraph breaks in the range are left as they are. Takes
  // time proportional to the text up to the range's end: a writer that knows the format while
  // writing should append with it rather than restyle afterwards.
  void SetColor(std::size_t begin, std::size_t count, Rgb color);
  void SetBold(std::size_t begin, std::size_t count, bool bold);

  friend bool operator==(const Document&, const Document&) = default;

 private:
  template <typename Change>
  void ChangeFormat(std::size_t begin, std::size_t count, Change change);

  std::vector<Paragraph> paragraphs_;
};

// The text of doc in UTF-8, paragraphs separated by "\n" (no final "\n" is added), tabs kept.
std::string WritePlainText(const Document& doc);

// A document holding utf8 in Arial 10 points black, one paragraph per line ("\n", "\r\n" or
// "\r" separate lines). WritePlainText gives the text back, with line ends turned into "\n".
Document DocumentFromPlainText(std::string_view utf8);

// Turns the bytes of a text file into UTF-8: UTF-8 with or without a byte-order mark is kept
// (minus the mark), UTF-16 with a byte-order mark is converted, and anything else is read as
// Windows-1252, the code page of older list files. Never fails; malformed sequences in UTF-16
// become U+FFFD.
std::string DecodeTextFileBytes(std::string_view bytes);

// Appends a Windows-1252 word with the letters [start, start + length) in bold and in `colour`
// (the rest in `format`): how result blocks show the letters a spoonerism exchanges. A span
// reaching past the word is cut to it.
void AppendHighlighted(Document& doc, std::string_view cp1252Word, std::size_t start, std::size_t length,
                       const CharFormat& format, Rgb colour);

}  // namespace tavilo
