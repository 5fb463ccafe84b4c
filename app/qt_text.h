// The widget edge of the text codec: Windows-1252 strings inside, QString in the widgets.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavilo {

// A Windows-1252 string of the core as a QString.
QString FromCp1252(std::string_view cp1252);

// Text typed in a widget as the core's Windows-1252 (ligatures spelled out, unmappable
// characters turned into the non-letter kUnmappableChar, as the core's codec does).
std::string ToCp1252(const QString& text);

// UTF-8 (documents, file names) to and from QString.
QString FromUtf8(std::string_view utf8);
std::string ToUtf8(const QString& text);

}  // namespace tavilo
