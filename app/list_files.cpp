#include "app/list_files.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/qt_text.h"
#include "core/rtf.h"

namespace tavilo {
namespace {

// A list file is a few megabytes at most; anything far larger is not a list.
constexpr qint64 kMaxListFileBytes = 64LL * 1024 * 1024;

struct KeyedName {
  const char* toolKey;
  const char* name;  // UTF-8, without the folder
};

// The listings' fixed names.
constexpr std::array kListingNames = {
    KeyedName{"MotAna", "Mots_Ana"},
    KeyedName{"MotPali", "Mots_Palindrome"},
    KeyedName{"MotPaliPhon", "Mots_Palindrome_Phonétique"},
    KeyedName{"MotJanus", "Mots_Janus"},
    KeyedName{"MotOkapi", "Mots_Okapi"},
    KeyedName{"MotPhokapi", "Mots_Phokapi"},
    KeyedName{"MotAmbi", "Mots_Ambigramme"},
};

QString InLists(const QString& name) {
  return QDir::toNativeSeparators(QString::fromLatin1(kListsFolder) + QLatin1Char('/') + name);
}

QString DisplayName(const QString& fileName) { return QFileInfo(fileName).fileName(); }

// Column geometry of a reopened plain-text list, in twips.
constexpr int kColumnGrid = 180;         // an eighth of an inch
constexpr int kColumnGap = 240;          // between the widest text of a column and the next one
constexpr int kIndentWhenLeading = 720;  // where a block whose lines start with a tab puts its first column

int RoundUpToGrid(double twips) { return static_cast<int>(std::ceil(twips / kColumnGrid)) * kColumnGrid; }

}  // namespace

Document PlainTextWithColumns(std::string_view utf8) {
  const CharFormat format;
  QFont font(FromUtf8(format.font));
  font.setPointSizeF(format.half_points / 2.0);
  const QFontMetricsF metrics(font);
  const double twipsPerPixel = 1440.0 / 96.0;
  const auto widthOf = [&](const QString& text) { return metrics.horizontalAdvance(text) * twipsPerPixel; };

  // Every line's k-th tab must reach the same column: the first column starts after the widest
  // text that precedes a first tab, and every column is as wide as the widest text followed by a
  // tab. Text after a line's last tab runs free.
  double leading = 0;
  double column = 0;
  qsizetype tabs = 0;
  const QStringList lines = FromUtf8(std::string(utf8)).split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    const QStringList segments = line.split(QLatin1Char('\t'));
    if (segments.size() < 2) continue;
    tabs = std::max(tabs, segments.size() - 1);
    leading = std::max(leading, widthOf(segments.front()));
    for (qsizetype k = 1; k + 1 < segments.size(); ++k) column = std::max(column, widthOf(segments[k]));
  }
  Document doc;
  if (tabs > 0) {
    const int first = leading > 0 ? RoundUpToGrid(leading + kColumnGap) : kIndentWhenLeading;
    const qsizetype count = std::min<qsizetype>(tabs, static_cast<qsizetype>(kMaxTabStops));
    const int width = RoundUpToGrid(column + kColumnGap);
    std::vector<int> stops;
    for (qsizetype k = 0; k < count; ++k) stops.push_back(first + static_cast<int>(k) * width);
    doc.SetTabStops(std::move(stops));
  }
  doc.Append(utf8, format);
  return doc;
}

std::optional<QString> ListsDirectory() {
  QDir current = QDir::current();
  if (!current.mkpath(QString::fromLatin1(kListsFolder))) return std::nullopt;
  return current.absoluteFilePath(QString::fromLatin1(kListsFolder));
}

QString ProposedSaveName(const AppState& state) {
  for (const ToolInfo& tool : AllTools()) {
    if (state.toolKey != tool.toolKey) continue;
    const auto suffix = state.toolFileSuffix.find(tool.id);
    QString text = suffix == state.toolFileSuffix.end() ? QString() : FromCp1252(suffix->second);
    text.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return InLists(FromUtf8(tool.filePrefix) + text);
  }
  for (const KeyedName& listing : kListingNames)
    if (state.toolKey == listing.toolKey) return InLists(FromUtf8(listing.name));
  if (!state.loadedFileName.isEmpty()) return QDir::toNativeSeparators(state.loadedFileName.chopped(4));
  return InLists(QString::fromLatin1(kUntitledName));
}

std::optional<ListFormat> FormatOfName(const QString& fileName) {
  if (fileName.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) return ListFormat::PlainText;
  if (fileName.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive)) return ListFormat::RichText;
  return std::nullopt;
}

ListFileResult LoadListFile(const QString& fileName) {
  using Code = FileError::Code;
  const QString shown = DisplayName(fileName);
  const auto refuse = [&](Code code, const QString& detail = {}) {
    return ListFileResult{Document(), FileError{code, shown, detail}};
  };
  const std::optional<ListFormat> format = FormatOfName(fileName);
  if (!format) return refuse(Code::NotAListName);
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return refuse(Code::CannotOpen, file.errorString());
  if (file.size() > kMaxListFileBytes) return refuse(Code::TooLarge);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return refuse(Code::ReadFailed, file.errorString());
  const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (*format == ListFormat::PlainText) return {PlainTextWithColumns(DecodeTextFileBytes(view)), std::nullopt};
  RtfReadResult rtf = ReadRtf(view);
  if (!rtf.ok()) return refuse(Code::BadRtf, FromUtf8(rtf.Message(ToUtf8(shown))));
  return {std::move(rtf.document), std::nullopt};
}

std::optional<FileError> SaveListFile(const Document& doc, const QString& fileName) {
  using Code = FileError::Code;
  const QString shown = DisplayName(fileName);
  const std::optional<ListFormat> format = FormatOfName(fileName);
  if (!format) return FileError{Code::NotASaveName, shown, {}};
  const std::string bytes = *format == ListFormat::RichText ? WriteRtf(doc) : WritePlainText(doc);
  QSaveFile file(fileName);
  const auto failure = [&] { return FileError{Code::CannotSave, shown, file.errorString()}; };
  if (!file.open(QIODevice::WriteOnly)) return failure();
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    const FileError error = failure();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return failure();
  return std::nullopt;
}

std::optional<FileError> SaveUntitledList(const Document& doc) {
  const std::optional<QString> folder = ListsDirectory();
  if (!folder) return FileError{FileError::Code::NoListsFolder, QString::fromLatin1(kListsFolder), {}};
  return SaveListFile(doc, *folder + QLatin1Char('/') + QString::fromLatin1(kUntitledName));
}

}  // namespace tavilo
