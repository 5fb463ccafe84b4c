// Code-point helpers shared by the document model, its RTF reader and writer and the text-file
// decoder: UTF-8 decoding and encoding, and the Windows-1252 code page that RTF's \'hh escapes
// and old list files use. Internal to core/; callers of the document use document.h and rtf.h.
#ifndef TAVILO_CORE_DOCUMENT_UTF8_H_
#define TAVILO_CORE_DOCUMENT_UTF8_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace tavilo::doc_detail {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point that starts at text[*pos] and advances *pos past it. A malformed
// sequence (stray continuation byte, overlong form, surrogate, value past U+10FFFF, cut-off
// sequence) yields kReplacementChar and advances by one byte, so every input makes progress.
// Requires *pos < text.size().
char32_t NextCodePoint(std::string_view text, std::size_t* pos);

// Appends the UTF-8 form of c to out. Surrogates and values past U+10FFFF become U+FFFD.
void AppendUtf8(std::string* out, char32_t c);

// Returns text with every malformed UTF-8 sequence replaced by U+FFFD (valid text is unchanged).
std::string SanitizeUtf8(std::string_view text);

// True when text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Number of code points in well-formed UTF-8 text.
std::size_t CountCodePoints(std::string_view utf8);

// The Unicode character that byte b stands for in Windows-1252. The five bytes that code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as
// Windows does, so every byte has a character and the mapping can be reversed.
char32_t Cp1252ToCodePoint(unsigned char b);

// The Windows-1252 byte for c, or -1 when the code page has no such character.
int CodePointToCp1252(char32_t c);

}  // namespace tavilo::doc_detail

#endif  // TAVILO_CORE_DOCUMENT_UTF8_H_
