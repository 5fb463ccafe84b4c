#include "app/list_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

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

}  // namespace

QString ListsDirectory() {
  QDir current = QDir::current();
  if (!current.mkpath(QString::fromLatin1(kListsFolder))) return {};
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
  ListFileResult result;
  const QString shown = DisplayName(fileName);
  const std::optional<ListFormat> format = FormatOfName(fileName);
  if (!format) {
    result.error = QStringLiteral("Le fichier «%1» n'est ni un fichier texte brut (.txt) ni un fichier "
                                  "texte enrichi (.rtf) : il n'est pas ouvert.")
                       .arg(shown);
    return result;
  }
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    result.error = QStringLiteral("Impossible d'ouvrir le fichier «%1» : %2.").arg(shown, file.errorString());
    return result;
  }
  if (file.size() > kMaxListFileBytes) {
    result.error = QStringLiteral("Le fichier «%1» est trop grand pour être une liste : il n'est pas ouvert.")
                       .arg(shown);
    return result;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    result.error = QStringLiteral("Impossible de lire le fichier «%1» : %2.").arg(shown, file.errorString());
    return result;
  }
  const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (*format == ListFormat::PlainText) {
    result.document = DocumentFromPlainText(DecodeTextFileBytes(view));
    return result;
  }
  RtfReadResult rtf = ReadRtf(view);
  if (!rtf.ok()) {
    result.error = FromUtf8(rtf.Message(ToUtf8(shown)));
    return result;
  }
  result.document = std::move(rtf.document);
  return result;
}

QString SaveListFile(const Document& doc, const QString& fileName) {
  const QString shown = DisplayName(fileName);
  const std::optional<ListFormat> format = FormatOfName(fileName);
  if (!format) {
    return QStringLiteral("Le nom «%1» ne se termine ni par .txt ni par .rtf : la liste n'est pas enregistrée.")
        .arg(shown);
  }
  const std::string bytes = *format == ListFormat::RichText ? WriteRtf(doc) : WritePlainText(doc);
  QSaveFile file(fileName);
  const auto failure = [&] {
    return QStringLiteral("Impossible d'enregistrer la liste dans «%1» : %2.").arg(shown, file.errorString());
  };
  if (!file.open(QIODevice::WriteOnly)) return failure();
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    const QString message = failure();
    file.cancelWriting();
    return message;
  }
  if (!file.commit()) return failure();
  return {};
}

}  // namespace tavilo
