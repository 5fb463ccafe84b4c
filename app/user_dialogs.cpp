#include "app/user_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tavilo {

QString DesktopDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& directory,
                                     const QString& filter, QString* selectedFilter) {
  return QFileDialog::getOpenFileName(parent, title, directory, filter, selectedFilter);
}

QString DesktopDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& proposedName,
                                     const QString& filter, QString* selectedFilter) {
  // No overwrite question here: the main window saves atomically and the dialog already asks.
  return QFileDialog::getSaveFileName(parent, title, proposedName, filter, selectedFilter);
}

void DesktopDialogs::Information(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

void DesktopDialogs::Warning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

bool DesktopDialogs::PageSetup(QWidget* parent, QPrinter& printer) {
  QPageSetupDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Tavilo - Configuration de l'impression"));
  return dialog.exec() == QDialog::Accepted;
}

bool DesktopDialogs::PrintSetup(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Tavilo - Imprimer la liste"));
  return dialog.exec() == QDialog::Accepted;
}

int DesktopDialogs::RunModal(QDialog& dialog) { return dialog.exec(); }

}  // namespace tavilo
