#include "app/tool_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "app/qt_text.h"
#include "app/user_dialogs.h"

namespace tavilo {

ToolDialog::ToolDialog(ToolHost& host, ToolId id, QWidget* parent) : QDialog(parent), host_(host), id_(id) {
  setWindowTitle(QStringLiteral("Tavilo - ") + FromUtf8(InfoOf(id).name));
}

void ToolDialog::PrepareOpening(const ToolOpening& opening) {
  opening_ = opening;
  OnOpening(opening);
  if (appendBox_) {
    if (opening.resultIsEmpty) appendBox_->setChecked(false);
    appendBox_->setEnabled(!opening.resultIsEmpty);
  }
  UpdatePreviousListOption();
}

void ToolDialog::SetStandardControls(QCheckBox* appendToDisplayed, QAbstractButton* previousList,
                                     QAbstractButton* fallbackDomain) {
  appendBox_ = appendToDisplayed;
  previousListOption_ = previousList;
  fallbackDomain_ = fallbackDomain;
}

void ToolDialog::UpdatePreviousListOption() {
  if (!previousListOption_) return;
  const bool allowed = PreviousListAllowed(opening_);
  if (!allowed && previousListOption_->isChecked() && fallbackDomain_) fallbackDomain_->setChecked(true);
  previousListOption_->setEnabled(allowed);
}

void ToolDialog::PublishResult(ToolResult result) { host_.PublishToolResult(id_, std::move(result)); }

void ToolDialog::Refuse(std::string_view cp1252Message) {
  host_.dialogs().Warning(this, windowTitle(), FromCp1252(cp1252Message));
}

QRadioButton* ToolDialog::MakeOption(const QString& caption, const QString& name, QWidget* parent) {
  auto* option = new QRadioButton(caption, parent);
  option->setObjectName(name);
  return option;
}

QCheckBox* ToolDialog::MakeCheck(const QString& caption, const QString& name, QWidget* parent) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(name);
  return check;
}

void ToolDialog::RememberInBox(QComboBox& box, const std::string& cp1252) {
  const QString item = FromCp1252(cp1252);
  if (box.findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    // Adding an item must not replace what the box shows.
    const QString shown = box.currentText();
    box.addItem(item);
    box.setEditText(shown);
  }
}

}  // namespace tavilo
