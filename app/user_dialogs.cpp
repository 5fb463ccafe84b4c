#include "app/user_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTreeView>

namespace tavilo {
namespace {

// Runs a file dialog at a size where its name, size, type and date columns read whole (Qt's own
// dialog opens much smaller), within the screen. Returns the file chosen, or "" when cancelled.
QString RunFileDialog(QFileDialog& dialog, QString* selectedFilter) {
  if (selectedFilter && !selectedFilter->isEmpty()) dialog.selectNameFilter(*selectedFilter);
  QSize size = FileDialogSize();
  if (const QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize() * 9 / 10);
  dialog.resize(size);
  // Qt's own dialog (there is no native one here) gives its columns fixed widths: the name takes
  // the room left, the size, type and date columns their contents' width.
  if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    QHeaderView* header = files->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  if (selectedFilter) *selectedFilter = dialog.selectedNameFilter();
  return dialog.selectedFiles().constFirst();
}

}  // namespace

QSize FileDialogSize() { return {900, 560}; }

QString DesktopDialogs::OpenFileName(QWidget* parent, const QString& title, const QString& directory,
                                     const QString& filter, QString* selectedFilter) {
  QFileDialog dialog(parent, title, directory, filter);
  dialog.setObjectName(QStringLiteral("OpenFileDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunFileDialog(dialog, selectedFilter);
}

QString DesktopDialogs::SaveFileName(QWidget* parent, const QString& title, const QString& proposedName,
                                     const QString& filter, QString* selectedFilter) {
  // The main window saves atomically; the dialog asks before a file is replaced.
  QFileDialog dialog(parent, title, proposedName, filter);
  dialog.setObjectName(QStringLiteral("SaveFileDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  return RunFileDialog(dialog, selectedFilter);
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
