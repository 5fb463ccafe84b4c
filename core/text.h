// Text inside Tavilo: Windows-1252 byte strings, one byte per character.
//
// Every word, phonetic form, pattern and message is a std::string of Windows-1252 bytes, exactly
// as the data files decode, so character positions and character-code ranges ("[à-ü]") work on
// the codes the rules name. Conversion to and from UTF-8 happens only at the edges (widgets,
// command line, user files) through the codec below.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tavilo {

// The byte that stands for a character with no Windows-1252 code (or for malformed UTF-8).
// It is not a letter, a digit or a pattern character, so every input check refuses it.
inline constexpr char kUnmappableChar = '\x1A';

// The Unicode code point of a Windows-1252 byte. The five undefined bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 control of the same value, so every byte round-trips.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when it has none.
int CodePointToCp1252(char32_t cp);

// Appends the UTF-8 form of a code point (callers pass no surrogate and nothing past U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// Decodes the UTF-8 sequence at s[i] (i < s.size()), returns its code point and advances i past
// it. A malformed sequence yields U+FFFD and advances by one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& i);

// UTF-8 -> Windows-1252 as the input edge wants it: the ligatures the lexicon spells out are
// spelled out (œ -> oe, Œ -> OE, æ -> ae, Æ -> AE), the typographic apostrophe ’ becomes ', and any
// other character without a Windows-1252 code (or a malformed sequence) becomes kUnmappableChar.
std::string Utf8ToCp1252(std::string_view utf8);

// Windows-1252 -> UTF-8, lossless.
std::string Cp1252ToUtf8(std::string_view cp1252);

// True when the bytes are well-formed UTF-8 (overlong forms and surrogates refused).
bool IsValidUtf8(std::string_view bytes);

// Something a user typed or a file held, made safe to show in a message (UTF-8 in, UTF-8 out):
// control characters and malformed bytes are written as \xHH, and past `maxChars` characters
// the text is cut and ends with "…". Terminals and message boxes then show it as it is.
std::string ForDisplay(std::string_view utf8, std::size_t maxChars = 80);

// Letter classes on Windows-1252 codes. Letters are A-Z, a-z, Š Œ Ž š œ ž Ÿ and À-ÿ except × and ÷.
bool IsLetter(unsigned char c);
bool IsDigit(unsigned char c);
bool IsUpper(unsigned char c);
char ToLower(char c);
char ToUpper(char c);
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);

// Accent folds. Each fold changes only the letters it names (lower case) and leaves the rest.
//
// The standard fold (letter keys, anagrams): è é ê ë -> e, à â -> a, î ï -> i, ù û ü -> u, ô -> o,
// ç -> c. Nothing else (ä ö ÿ ñ æ œ stay).
char FoldStandard(char c);
std::string FoldStandard(std::string_view s);

// The validation fold used when a typed word is looked up: î ï -> i, à â -> a, ô -> o,
// ù û ü -> u. é è ê ë and ç are left alone: they must be typed as they are spelled.
char FoldValidation(char c);
std::string FoldValidation(std::string_view s);

// The standard fold without its ç -> c: è é ê ë -> e, à â -> a, î ï -> i, ù û ü -> u, ô -> o. The
// anagram-family listing uses it to tell a true anagram from a variant in accents.
char FoldExceptCedilla(char c);
std::string FoldExceptCedilla(std::string_view s);

// The full fold: every accented lower-case letter to its base letter (à-å -> a, ç -> c, è-ë -> e,
// ì-ï -> i, ñ -> n, ò-ö -> o, ù-ü -> u, ý ÿ -> y, š -> s, ž -> z). Used where a tool compares
// letters with no regard to accents at all, and by the display collation.
char FoldAll(char c);
std::string FoldAll(std::string_view s);

// Removes leading and trailing spaces and tabs.
std::string Trim(std::string_view s);

// A word or a name between French guillemets, with the non-breaking spaces that French
// typography puts inside them: « mot ».
inline std::string Quoted(std::string_view s) { return "\xAB\xA0" + std::string(s) + "\xA0\xBB"; }

// A typed text quoted in a message: its first kQuotedInputLength characters, then "\x85" when
// it is longer, so that a very long entry cannot push the message past the screen's edge.
inline constexpr std::size_t kQuotedInputLength = 40;
inline std::string QuotedInput(std::string_view s) {
  return s.size() <= kQuotedInputLength ? Quoted(s) : Quoted(std::string(s.substr(0, kQuotedInputLength)) + '\x85');
}

// A duration as the result headers show it: "1 min 15 s".
inline std::string ElapsedTime(long seconds) {
  return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
}

// A whole number written the French way, its thousands parted by non-breaking spaces: "15\xA0000".
std::string FrenchNumber(long long n);
// A decimal number with `decimals` figures after a decimal comma and grouped thousands: "92,909".
std::string FrenchDecimal(double x, int decimals);

// Display collation: French dictionary order for lists shown to people. Compared letter by letter
// ignoring case and accents first, then accents, then case, then the bytes themselves; space,
// apostrophe and hyphen sort before digits, digits before letters. Returns <0, 0, >0. Equal only
// for equal strings.
int CompareDisplay(std::string_view a, std::string_view b);

// The positions of `spellings` in display order. Spellings that compare equal come in the order
// `tieLess` gives their positions, or in any order without it. This is the one sort of lists shown
// to people: most comparisons are settled on the packed weights of the first twelve characters.
std::vector<std::uint32_t> DisplayOrder(std::span<const std::string_view> spellings,
                                        const std::function<bool(std::uint32_t, std::uint32_t)>& tieLess = {});

// Puts `items` into the display order of their spellings (`spellingOf(item)`); items of equal
// spelling are ordered by `tieLess`, when given.
template <typename T, typename SpellingOf>
void SortForDisplay(std::vector<T>& items, SpellingOf spellingOf,
                    const std::type_identity_t<std::function<bool(const T&, const T&)>>& tieLess = {}) {
  std::vector<std::string_view> spellings;
  spellings.reserve(items.size());
  for (const T& item : items) spellings.push_back(spellingOf(item));
  std::function<bool(std::uint32_t, std::uint32_t)> byPosition;
  if (tieLess) byPosition = [&](std::uint32_t a, std::uint32_t b) { return tieLess(items[a], items[b]); };
  const std::vector<std::uint32_t> order = DisplayOrder(spellings, byPosition);
  std::vector<T> sorted;
  sorted.reserve(items.size());
  for (const std::uint32_t i : order) sorted.push_back(std::move(items[i]));
  items = std::move(sorted);
}

// Sorts the strings into display order.
void SortForDisplay(std::vector<std::string>& items);

struct DisplayLess {
  bool operator()(std::string_view a, std::string_view b) const { return CompareDisplay(a, b) < 0; }
};

// The character-class pattern test of the search tools: a whole-string match where "*" matches
// any run of characters (also none), "?" one character, "[...]" one character of the list (with
// ranges "a-z" by character code) and "[!...]" one character not in the list. Every other
// character matches itself, by character code. An unclosed "[" matches itself literally.
bool MatchesPattern(std::string_view text, std::string_view pattern);

// A list of strings kept in ascending display order (duplicates allowed), with add, read by
// index, count, remove and clear: the sorted container the result lists are built in.
class SortedStringList {
 public:
  void Add(std::string item);
  // Replaces the items with these, put into display order (much faster than adding them one by one).
  void Assign(std::vector<std::string> items);
  const std::string& operator[](std::size_t i) const { return items_[i]; }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  void RemoveAt(std::size_t i);
  void Clear() { items_.clear(); }
  bool Contains(std::string_view item) const;
  // Removes repeated equal items, keeping one of each; returns how many were removed.
  std::size_t RemoveDuplicates();
  const std::vector<std::string>& Items() const { return items_; }
  // The items, for a front end that shows them in an order of its own (most common first): the
  // list is no longer sorted afterwards, so Add, Contains and RemoveDuplicates are no longer used.
  std::vector<std::string>& ItemsToReorder() { return items_; }

 private:
  std::vector<std::string> items_;
};

}  // namespace tavilo
