#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "app/document_bridge.h"
#include "app/qt_text.h"

namespace tavilo::testing {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = nullptr;
  if (app) return;
  app = new QApplication(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tavilo"));
  QApplication::setApplicationName(QStringLiteral("Tavilo"));
  InstallFontSubstitutes();
  // A static, not a leaked object: the folder goes away when the test program ends.
  static QTemporaryDir settingsDir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
}

ScratchFolder::ScratchFolder() {
  EnsureApplication();
  previous_ = QDir::currentPath();
  QDir::setCurrent(dir_.path());
  QSettings(QStringLiteral("Tavilo"), QStringLiteral("Tavilo")).clear();
}

ScratchFolder::~ScratchFolder() { QDir::setCurrent(previous_); }

QString ScriptedDialogs::OpenFileName(QWidget*, const QString&, const QString& directory, const QString& filter,
                                      QString* selectedFilter) {
  lastOpenDirectory = directory;
  lastOpenFilter = filter;
  lastOpenSelectedFilter = selectedFilter ? *selectedFilter : QString();
  return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedDialogs::SaveFileName(QWidget*, const QString& title, const QString& proposedName,
                                      const QString& filter, QString* selectedFilter) {
  lastSaveTitle = title;
  lastSaveProposal = proposedName;
  lastSaveFilter = filter;
  lastSaveSelectedFilter = selectedFilter ? *selectedFilter : QString();
  if (selectedFilter && !saveFilterAnswer.isEmpty()) *selectedFilter = saveFilterAnswer;
  return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

Lexicon MakeLexicon(const std::map<TableKind, std::vector<WordEntry>>& rows) {
  Lexicon lexicon;
  const std::pair<TableKind, WordTable Lexicon::*> tables[] = {
      {TableKind::Nouns, &Lexicon::nouns},         {TableKind::Adjectives, &Lexicon::adjectives},
      {TableKind::Verbs, &Lexicon::verbs},         {TableKind::FunctionWords, &Lexicon::functionWords},
      {TableKind::Taboo, &Lexicon::taboo},         {TableKind::Locutions, &Lexicon::locutions}};
  for (const auto& [kind, member] : tables) {
    WordTable& table = lexicon.*member;
    table.Reset(InfoOf(kind).capacity);
    if (const auto it = rows.find(kind); it != rows.end())
      for (const WordRow row : it->second) table.Append(row);
  }
  for (const WordRow row : lexicon.taboo) lexicon.tabooSpellings.emplace_back(row.spelling);
  BuildMissingIndexes(lexicon, LoadOptions{});
  return lexicon;
}

QAbstractButton* Button(const QWidget& parent, const QString& caption) {
  for (QAbstractButton* button : parent.findChildren<QAbstractButton*>())
    if (button->text() == caption) return button;
  ADD_FAILURE() << "no button " << caption.toStdString();
  return nullptr;
}

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

void Enter(QComboBox& box, const QString& text) {
  box.setEditText(QString());
  box.lineEdit()->insert(text);
}

void MainWindowFixture::MakeWindow(ToolRegistry tools) {
  auto scripted = std::make_unique<ScriptedDialogs>();
  dialogs = scripted.get();
  window = std::make_unique<MainWindow>(lexicon, std::move(tools), std::move(scripted));
}

void MainWindowFixture::Search(QDialog& dialog, const QString& typed) {
  Enter(*Child<QComboBox>(dialog, "Combo1"), typed);
  Child<QPushButton>(dialog, "OKButton")->click();
}

void MainWindowFixture::Trigger(const char* action) const { Child<QAction>(*window, action)->trigger(); }

QString MainWindowFixture::Label(const char* name) const { return Child<QLabel>(*window, name)->text(); }

QString MainWindowFixture::Displayed() const { return FromUtf8(WritePlainText(window->ResultDocument())); }

QStringList MainWindowFixture::Messages() const {
  QStringList texts;
  for (const auto& message : dialogs->messages) texts << message.text;
  return texts;
}

std::string ReadBytes(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void WriteBytes(const QString& fileName, std::string_view bytes) {
  QDir().mkpath(QFileInfo(fileName).absolutePath());
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + fileName.toStdString());
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace tavilo::testing

// Under LeakSanitizer: fontconfig keeps a cache it never frees (a library-level allocation,
// not ours); ignore it so that real leaks in our code still fail the test run.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
