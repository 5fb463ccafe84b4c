// Every modal exchange of the main window with the user goes through this interface: file
// dialogs, message boxes, printer dialogs and modal windows. The program uses DesktopDialogs;
// the GUI tests hand in a scripted double so that nothing waits for a click.
#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QPrinter;
class QWidget;

namespace tavilo {

// The program's title: the main window's caption, and the title of the message boxes that are
// the program's own rather than one dialog's (start-up errors, the file commands, the lookup of
// a typed word).
inline const QString kProgramTitle = QStringLiteral("Tavilo");

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // The file chosen to open or to save, or an empty string when the user cancelled.
  // `filter` uses Qt's "Name (*.ext);;Other (*.x)" form; `selectedFilter` is the filter selected
  // at first and receives the one the user left selected.
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& directory,
                               const QString& filter, QString* selectedFilter) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& proposedName,
                               const QString& filter, QString* selectedFilter) = 0;

  // An information message, and a warning with the exclamation icon (the tools' refusals).
  virtual void Information(QWidget* parent, const QString& title, const QString& text) = 0;
  virtual void Warning(QWidget* parent, const QString& title, const QString& text) = 0;

  // The printer set-up and print dialogs; true when the user confirmed.
  virtual bool PageSetup(QWidget* parent, QPrinter& printer) = 0;
  virtual bool PrintSetup(QWidget* parent, QPrinter& printer) = 0;

  // Shows a dialog modally (the tool dialogs, the about box) and returns its result code.
  virtual int RunModal(QDialog& dialog) = 0;
};

// The size the Ouvrir and Enregistrer dialogs open at (smaller on a small screen).
QSize FileDialogSize();

// The real dialogs of the desktop.
class DesktopDialogs : public UserDialogs {
 public:
  QString OpenFileName(QWidget* parent, const QString& title, const QString& directory, const QString& filter,
                       QString* selectedFilter) override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& proposedName, const QString& filter,
                       QString* selectedFilter) override;
  void Information(QWidget* parent, const QString& title, const QString& text) override;
  void Warning(QWidget* parent, const QString& title, const QString& text) override;
  bool PageSetup(QWidget* parent, QPrinter& printer) override;
  bool PrintSetup(QWidget* parent, QPrinter& printer) override;
  int RunModal(QDialog& dialog) override;
};

}  // namespace tavilo
