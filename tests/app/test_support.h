// Shared pieces of the desktop tests: the application object, a scratch working folder with
// its own settings, scripted answers for the modal dialogs, and small data files.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/user_dialogs.h"
#include "core/lexicon.h"

namespace tavilo::testing {

// Creates the QApplication once (offscreen in the test environment), with the program's
// names and font substitutes, and settings kept in a scratch folder.
void EnsureApplication();

// A fresh working folder (current directory for the test's life) and empty settings.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  QString path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// Modal dialogs that answer from a script and remember what they were asked.
class ScriptedDialogs : public UserDialogs {
 public:
  struct Message {
    enum class Kind { Information, Warning } kind;
    QString title;
    QString text;
  };

  // Answers, used once each in order; an empty queue answers "cancel".
  QStringList openAnswers;
  QStringList saveAnswers;
  QString saveFilterAnswer;  // the filter the user leaves selected (default: as proposed)
  // What PrintSetup does with the printer before confirming (or false to cancel).
  std::function<bool(QPrinter&)> printAnswer;
  // What RunModal does with the dialog (default: nothing, returns Rejected).
  std::function<int(QDialog&)> modalAnswer;

  // What was asked.
  QString lastOpenDirectory, lastOpenFilter, lastOpenSelectedFilter;
  QString lastSaveTitle, lastSaveProposal, lastSaveFilter, lastSaveSelectedFilter;
  std::vector<Message> messages;
  int modalCount = 0;

  QString OpenFileName(QWidget*, const QString&, const QString& directory, const QString& filter,
                       QString* selectedFilter) override;
  QString SaveFileName(QWidget*, const QString& title, const QString& proposedName, const QString& filter,
                       QString* selectedFilter) override;
  void Information(QWidget*, const QString& title, const QString& text) override;
  void Warning(QWidget*, const QString& title, const QString& text) override;
  bool PageSetup(QWidget*, QPrinter&) override { return true; }
  bool PrintSetup(QWidget*, QPrinter& printer) override { return printAnswer && printAnswer(printer); }
  int RunModal(QDialog& dialog) override;
};

// Writes the six data files with a handful of words into `dir`; without adjectives when asked.
void WriteSmallData(const std::filesystem::path& dir, bool withAdjectives = true);

// The bytes of a file ("" when it cannot be read).
std::string ReadBytes(const QString& fileName);
void WriteBytes(const QString& fileName, std::string_view bytes);

}  // namespace tavilo::testing
