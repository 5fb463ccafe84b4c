#include "app/qt_text.h"

#include "core/text.h"

namespace tavilo {

QString FromCp1252(std::string_view cp1252) { return FromUtf8(Cp1252ToUtf8(cp1252)); }

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(ToUtf8(text)); }

QString FromUtf8(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tavilo
