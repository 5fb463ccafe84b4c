// Shared pieces of the desktop tests: the application object, a scratch working folder with
// its own settings, scripted answers for the modal dialogs, small lexicons in memory, and
// the fixture every dialog test uses: the real main window, a tool opened from its menu item,
// controls found by name or caption.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
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
  void Information(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({Message::Kind::Information, title, text});
  }
  void Warning(QWidget*, const QString& title, const QString& text) override {
    messages.push_back({Message::Kind::Warning, title, text});
  }
  bool PageSetup(QWidget*, QPrinter&) override { return true; }
  bool PrintSetup(QWidget*, QPrinter& printer) override { return printAnswer && printAnswer(printer); }
  int RunModal(QDialog& dialog) override {
    ++modalCount;
    return modalAnswer ? modalAnswer(dialog) : QDialog::Rejected;
  }
};

// A lexicon in memory: each table holds the rows given (in that order), the others none, with
// the indexes built as start-up builds them.
Lexicon MakeLexicon(const std::map<TableKind, std::vector<WordEntry>>& rows);

// The child of `parent` with this object name; the test fails when there is none.
template <typename Widget = QWidget>
Widget* Child(const QObject& parent, const char* name) {
  Widget* child = parent.findChild<Widget*>(QString::fromUtf8(name));
  if (!child) ADD_FAILURE() << "no control " << name;
  return child;
}
// The option or check box with this caption, as the user finds it.
QAbstractButton* Button(const QWidget& parent, const QString& caption);
// The items of a combo box, in order.
QStringList Items(const QComboBox& box);
// Replaces the text of an editable combo box as typing or pasting does.
void Enter(QComboBox& box, const QString& text);

// The real main window over `lexicon`, with scripted dialogs, in a scratch folder.
class MainWindowFixture : public ::testing::Test {
 protected:
  void MakeWindow(ToolRegistry tools = BuiltInTools());

  // Opens a tool from its menu item and lets `use` work its dialog while it is shown.
  template <typename Dialog>
  void Open(const char* menuItem, const std::function<void(Dialog&)>& use) {
    dialogs->modalAnswer = [&use](QDialog& shown) {
      auto* dialog = dynamic_cast<Dialog*>(&shown);
      if (dialog) use(*dialog);
      else ADD_FAILURE() << "the tool did not open its dialog";
      return int(QDialog::Rejected);
    };
    Trigger(menuItem);
    dialogs->modalAnswer = nullptr;
  }
  // Enters `typed` in the dialog's word box (Combo1) and clicks OK.
  static void Search(QDialog& dialog, const QString& typed);

  void Trigger(const char* action) const;
  QString Label(const char* name) const;
  // The result display as plain text.
  QString Displayed() const;
  // The texts of the messages shown so far, in order.
  QStringList Messages() const;

  ScratchFolder folder;
  Lexicon lexicon;
  ScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<MainWindow> window;
};

// The bytes of a file ("" when it cannot be read).
std::string ReadBytes(const QString& fileName);
void WriteBytes(const QString& fileName, std::string_view bytes);

}  // namespace tavilo::testing
