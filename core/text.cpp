// Windows-1252 codec, letter classes, accent folds, display collation and the pattern test.
#include "core/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace tavilo {
namespace {

// Code points of the bytes 0x80-0x9F; the undefined ones keep their C1 value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};


template <char (*Fold)(char)>
std::string FoldString(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = Fold(c);
  return out;
}

// Primary weight of a character: separators first, then other signs, digits, letters by base
// letter. œ and æ weigh as their first letter; the secondary level tells them apart.
int PrimaryWeight(unsigned char c) {
  switch (c) {
    case ' ': return 1;
    case '\'': return 2;
    case '-': return 3;
    default: break;
  }
  if (IsDigit(c)) return 400 + (c - '0');
  if (IsLetter(c)) {
    unsigned char base = static_cast<unsigned char>(FoldAll(ToLower(static_cast<char>(c))));
    if (base == 0x9C) base = 'o';  // œ
    if (base == 0xE6) base = 'a';  // æ
    if (base >= 'a' && base <= 'z') return 500 + (base - 'a') * 4;
    return 700 + base;  // ð þ ß and the like, after z
  }
  return 10 + c;  // other signs, by code, before digits
}

// Secondary weight: 0 for a plain letter, the lower-case code for an accented one.
int SecondaryWeight(unsigned char c) {
  if (!IsLetter(c)) return 0;
  const auto lower = static_cast<unsigned char>(ToLower(static_cast<char>(c)));
  return lower < 0x80 ? 0 : lower;
}

int TertiaryWeight(unsigned char c) { return IsUpper(c) ? 1 : 0; }

template <int (*Weight)(unsigned char)>
int CompareLevel(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int wa = Weight(static_cast<unsigned char>(a[i]));
    const int wb = Weight(static_cast<unsigned char>(b[i]));
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  return 0;
}

// The primary weights of every byte, looked up once.
const std::array<std::uint16_t, 256>& PrimaryWeights() {
  static const auto weights = [] {
    std::array<std::uint16_t, 256> table{};
    for (int c = 0; c < 256; ++c) table[static_cast<std::size_t>(c)] = static_cast<std::uint16_t>(PrimaryWeight(static_cast<unsigned char>(c)));
    return table;
  }();
  return weights;
}

// The one display sort: the positions 0 to n-1 of the strings `spellingOf(i)` in display order,
// those of equal strings ordered by `tieLess` when it is given. The primary weights of the first
// twelve characters, ten bits each (every weight is below 1024 and at least 1, and a missing
// character counts 0), are packed six to a number: where two strings' numbers differ their order
// is the display order, so most comparisons are settled there and only strings that agree on them
// are compared in full.
struct DisplaySlot {
  std::uint64_t high, low;
  std::uint32_t index;
};

template <typename SpellingOf>
std::vector<DisplaySlot> SortedDisplaySlots(std::size_t n, SpellingOf spellingOf,
                                            const std::function<bool(std::uint32_t, std::uint32_t)>& tieLess) {
  const auto& primary = PrimaryWeights();
  const auto pack = [&primary](std::string_view s, std::size_t from) {
    std::uint64_t packed = 0;
    for (std::size_t k = from; k < from + 6; ++k) packed = (packed << 10) | (k < s.size() ? primary[static_cast<unsigned char>(s[k])] : 0u);
    return packed;
  };
  std::vector<DisplaySlot> slots(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::string_view s = spellingOf(i);
    slots[i] = {pack(s, 0), pack(s, 6), static_cast<std::uint32_t>(i)};
  }
  std::sort(slots.begin(), slots.end(), [&](const DisplaySlot& a, const DisplaySlot& b) {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    const int order = CompareDisplay(spellingOf(a.index), spellingOf(b.index));
    return order != 0 ? order < 0 : (tieLess && tieLess(a.index, b.index));
  });
  return slots;
}

// Matches one bracket class starting at pattern[p] == '['. Sets `end` past the closing ']'.
// Returns false in `ok` when the class is not closed.
bool ClassMatches(std::string_view pattern, std::size_t p, unsigned char c, std::size_t& end, bool& ok) {
  std::size_t q = p + 1;
  bool negate = false;
  if (q < pattern.size() && pattern[q] == '!') {
    negate = true;
    ++q;
  }
  bool found = false;
  bool first = true;
  while (q < pattern.size() && (pattern[q] != ']' || first)) {
    first = false;
    const auto lo = static_cast<unsigned char>(pattern[q]);
    if (q + 2 < pattern.size() && pattern[q + 1] == '-' && pattern[q + 2] != ']') {
      const auto hi = static_cast<unsigned char>(pattern[q + 2]);
      if (c >= lo && c <= hi) found = true;
      q += 3;
    } else {
      if (c == lo) found = true;
      ++q;
    }
  }
  if (q >= pattern.size()) {
    ok = false;
    return false;
  }
  ok = true;
  end = q + 1;
  return found != negate;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  int len = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + len > s.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += len;
  return cp;
}

char32_t Cp1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

int CodePointToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == cp) return static_cast<int>(0x80 + k);
  }
  return -1;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < utf8.size()) {
    const char32_t cp = NextCodePoint(utf8, i);
    switch (cp) {
      case 0x0153: out += "oe"; continue;
      case 0x0152: out += "OE"; continue;
      case 0x00E6: out += "ae"; continue;
      case 0x00C6: out += "AE"; continue;
      case 0x2019: out += '\''; continue;
      default: break;
    }
    const int b = CodePointToCp1252(cp);
    out += b < 0 ? kUnmappableChar : static_cast<char>(b);
  }
  return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char c : cp1252) AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string ForDisplay(std::string_view utf8, std::size_t maxChars) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    if (chars == maxChars) {
      out += "\xE2\x80\xA6";  // …
      break;
    }
    const std::size_t start = i;
    const char32_t cp = NextCodePoint(utf8, i);
    const bool malformed = cp == 0xFFFD && !IsValidUtf8(utf8.substr(start, i - start));
    if (malformed || cp < 0x20 || (cp >= 0x7F && cp < 0xA0)) {
      for (std::size_t k = start; k < i; ++k) {
        const auto b = static_cast<unsigned char>(utf8[k]);
        out += "\\x";
        out += kHex[b >> 4];
        out += kHex[b & 15];
      }
    } else {
      out.append(utf8.substr(start, i - start));
    }
    ++chars;
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t before = i;
    const char32_t cp = NextCodePoint(bytes, i);
    // A real U+FFFD is three bytes long; a malformed sequence advances by one.
    if (cp == 0xFFFD && i - before != 3) return false;
  }
  return true;
}

bool IsUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F ||
         (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool IsLetter(unsigned char c) {
  return (c >= 'a' && c <= 'z') || IsUpper(c) || c == 0x9A || c == 0x9C || c == 0x9E ||
         (c >= 0xDF && c != 0xF7);
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

char ToLower(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (!IsUpper(c)) return ch;
  switch (c) {
    case 0x8A: return '\x9A';
    case 0x8C: return '\x9C';
    case 0x8E: return '\x9E';
    case 0x9F: return '\xFF';
    default: return static_cast<char>(c + 32);
  }
}

char ToUpper(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  switch (c) {
    case 0x9A: return '\x8A';
    case 0x9C: return '\x8C';
    case 0x9E: return '\x8E';
    case 0xFF: return '\x9F';
    default: break;
  }
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char>(c - 32);
  return ch;
}

std::string ToLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = ToLower(c);
  return out;
}

std::string ToUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = ToUpper(c);
  return out;
}

char FoldStandard(char ch) {
  switch (static_cast<unsigned char>(ch)) {
    case 0xE8: case 0xE9: case 0xEA: case 0xEB: return 'e';  // è é ê ë
    case 0xE0: case 0xE2: return 'a';                         // à â
    case 0xEE: case 0xEF: return 'i';                         // î ï
    case 0xF9: case 0xFB: case 0xFC: return 'u';              // ù û ü
    case 0xF4: return 'o';                                    // ô
    case 0xE7: return 'c';                                    // ç
    default: return ch;
  }
}

char FoldExceptCedilla(char ch) { return ch == '\xE7' ? ch : FoldStandard(ch); }

char FoldValidation(char ch) {
  switch (static_cast<unsigned char>(ch)) {
    case 0xEE: case 0xEF: return 'i';             // î ï
    case 0xE0: case 0xE2: return 'a';             // à â
    case 0xF4: return 'o';                        // ô
    case 0xF9: case 0xFB: case 0xFC: return 'u';  // ù û ü
    default: return ch;
  }
}

char FoldAll(char ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c >= 0xE0 && c <= 0xE5) return 'a';
  if (c == 0xE7) return 'c';
  if (c >= 0xE8 && c <= 0xEB) return 'e';
  if (c >= 0xEC && c <= 0xEF) return 'i';
  if (c == 0xF1) return 'n';
  if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8) return 'o';
  if (c >= 0xF9 && c <= 0xFC) return 'u';
  if (c == 0xFD || c == 0xFF) return 'y';
  if (c == 0x9A) return 's';
  if (c == 0x9E) return 'z';
  return ch;
}

std::string FoldStandard(std::string_view s) { return FoldString<FoldStandard>(s); }
std::string FoldValidation(std::string_view s) { return FoldString<FoldValidation>(s); }
std::string FoldExceptCedilla(std::string_view s) { return FoldString<FoldExceptCedilla>(s); }
std::string FoldAll(std::string_view s) { return FoldString<FoldAll>(s); }

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return std::string(s.substr(first, last - first + 1));
}

std::string FrenchNumber(long long n) {
  const std::string digits = std::to_string(n < 0 ? -(n + 1) + 1ULL : static_cast<unsigned long long>(n));
  std::string out = n < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += '\xA0';
    out += digits[i];
  }
  return out;
}

std::string FrenchDecimal(double x, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, x);
  const std::string printed = text;
  const std::size_t point = printed.find('.');
  const std::string whole = printed.substr(0, point);
  const bool negative = whole.starts_with('-');
  std::string out = (negative ? "-" : "") + FrenchNumber(std::stoll(negative ? whole.substr(1) : whole));
  if (point != std::string::npos) out += ',' + printed.substr(point + 1);
  return out;
}

int CompareDisplay(std::string_view a, std::string_view b) {
  if (int r = CompareLevel<PrimaryWeight>(a, b)) return r;
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  if (int r = CompareLevel<SecondaryWeight>(a, b)) return r;
  if (int r = CompareLevel<TertiaryWeight>(a, b)) return r;
  const int r = a.compare(b);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::vector<std::uint32_t> DisplayOrder(std::span<const std::string_view> spellings,
                                        const std::function<bool(std::uint32_t, std::uint32_t)>& tieLess) {
  const std::vector<DisplaySlot> slots =
      SortedDisplaySlots(spellings.size(), [spellings](std::size_t i) { return spellings[i]; }, tieLess);
  std::vector<std::uint32_t> order(slots.size());
  for (std::size_t i = 0; i < slots.size(); ++i) order[i] = slots[i].index;
  return order;
}

void SortForDisplay(std::vector<std::string>& items) {
  // The strings themselves are read, with no views beside them: the sort touches less memory.
  const std::vector<DisplaySlot> slots =
      SortedDisplaySlots(items.size(), [&items](std::size_t i) -> std::string_view { return items[i]; }, {});
  std::vector<std::string> sorted;
  sorted.reserve(items.size());
  for (const DisplaySlot& slot : slots) sorted.push_back(std::move(items[slot.index]));
  items = std::move(sorted);
}

bool MatchesPattern(std::string_view text, std::string_view pattern) {
  // Iterative wildcard matching with one backtrack point for the last "*": linear in practice.
  std::size_t t = 0, p = 0;
  std::size_t starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    bool advanced = false;
    if (p < pattern.size()) {
      const char pc = pattern[p];
      if (pc == '*') {
        starP = p++;
        starT = t;
        continue;
      }
      if (pc == '?') {
        ++p, ++t;
        advanced = true;
      } else if (pc == '[') {
        std::size_t end = 0;
        bool ok = false;
        const bool hit = ClassMatches(pattern, p, static_cast<unsigned char>(text[t]), end, ok);
        if (!ok) {
          if (text[t] == '[') {
            ++p, ++t;
            advanced = true;
          }
        } else if (hit) {
          p = end, ++t;
          advanced = true;
        }
      } else if (pc == text[t]) {
        ++p, ++t;
        advanced = true;
      }
    }
    if (advanced) continue;
    if (starP == std::string_view::npos) return false;
    p = starP + 1;
    t = ++starT;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

void SortedStringList::Add(std::string item) {
  const auto pos = std::upper_bound(items_.begin(), items_.end(), item, DisplayLess{});
  items_.insert(pos, std::move(item));
}

void SortedStringList::Assign(std::vector<std::string> items) {
  SortForDisplay(items);
  items_ = std::move(items);
}

void SortedStringList::RemoveAt(std::size_t i) {
  if (i < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
}

bool SortedStringList::Contains(std::string_view item) const {
  return std::binary_search(items_.begin(), items_.end(), item, DisplayLess{});
}

std::size_t SortedStringList::RemoveDuplicates() {
  const auto before = items_.size();
  items_.erase(std::unique(items_.begin(), items_.end()), items_.end());
  return before - items_.size();
}

}  // namespace tavilo
