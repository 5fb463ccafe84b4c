#include "app/tool_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/user_dialogs.h"
#include "core/frequency_order.h"

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
  // The focus left on OK or Fermer by the last search or closing would make the user click the
  // box before typing.
  if (wordBox_ && wordBox_->isEnabled()) {
    wordBox_->setFocus(Qt::OtherFocusReason);
    if (QLineEdit* edit = wordBox_->lineEdit()) edit->selectAll();
  }
}

void ToolDialog::SetStandardControls(QCheckBox* appendToDisplayed, QAbstractButton* previousList,
                                     QAbstractButton* fallbackDomain) {
  appendBox_ = appendToDisplayed;
  previousListOption_ = previousList;
  if (previousList) previousList->setText(BreakAtSpaceRuns(previousList->text()));
  fallbackDomain_ = fallbackDomain;
}

void ToolDialog::UpdatePreviousListOption() {
  if (!previousListOption_) return;
  const bool allowed = PreviousListAllowed(opening_);
  if (!allowed && previousListOption_->isChecked() && fallbackDomain_) fallbackDomain_->setChecked(true);
  previousListOption_->setEnabled(allowed);
}

QVBoxLayout* ToolDialog::MakeButtonColumn(std::function<void()> search, QWidget* focusOnClose,
                                          std::initializer_list<QPushButton*> more) {
  search_ = std::move(search);
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName(QStringLiteral("OKButton"));
  auto* closeButton = new QPushButton(QStringLiteral("Fermer"), this);
  closeButton->setObjectName(QStringLiteral("CancelButton"));
  auto* column = new QVBoxLayout;
  okButton_->setDefault(true);
  for (QPushButton* button : {okButton_, closeButton}) {
    button->setAutoDefault(false);
    column->addWidget(button);
  }
  for (QPushButton* button : more) {
    button->setAutoDefault(false);
    column->addWidget(button);
  }
  column->addStretch();
  connect(okButton_, &QPushButton::clicked, this, &ToolDialog::OnOk);
  connect(closeButton, &QPushButton::clicked, this, [this, focus = QPointer<QWidget>(focusOnClose)] {
    if (focus) focus->setFocus();
    reject();
  });
  return column;
}

void ToolDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QDialog::keyPressEvent(event);
    return;
  }
  // Buttons other than OK do not take Enter themselves (they are not auto-default), so it comes
  // here; OK, the default button, clicks itself.
  if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button != okButton_) {
    if (button->isEnabled()) button->click();
  } else {
    OnOk();
  }
  event->accept();
}

void ToolDialog::OnOk() {
  if (searching_) {
    // The observer processes events while the search runs: OK may come again meanwhile.
    if (stopButton_ && running_) running_->RequestStop();  // read by the search at its next yield
    return;
  }
  if (search_) search_();
}

void ToolDialog::reject() {
  if (searching_ && running_) running_->RequestStop();
  QDialog::reject();
}

void ToolDialog::BeginSearch(GuiObserver& observer, bool waitCursor) {
  searching_ = true;
  running_ = &observer;
  observer.Reset();
  enabledBeforeSearch_.clear();
  const auto disable = [this](QWidget* widget) {
    enabledBeforeSearch_.emplace_back(widget, widget->isEnabled());
    widget->setEnabled(false);
  };
  if (stopButton_ && okButton_) {
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child != okButton_) disable(child);
    }
    okButton_->setText(QStringLiteral("Stop"));
    okButton_->setCursor(Qt::BusyCursor);
    setCursor(Qt::WaitCursor);
  } else if (okButton_) {
    disable(okButton_);
  }
  // The wait cursor over the whole program would hide that Stop can be clicked.
  waitCursor_ = waitCursor && !stopButton_;
  if (waitCursor_) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void ToolDialog::EndSearch() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
  waitCursor_ = false;
  for (const auto& [widget, enabled] : enabledBeforeSearch_) {
    if (widget) widget->setEnabled(enabled);
  }
  enabledBeforeSearch_.clear();
  if (stopButton_ && okButton_) {
    okButton_->setText(QStringLiteral("OK"));
    okButton_->unsetCursor();
    unsetCursor();
  }
  if (running_) running_->Finish();
  running_ = nullptr;
  searching_ = false;
}

std::optional<const WordFrequencies*> ToolDialog::FrequencyOrder() {
  sortedByFrequency_ = false;
  if (!host_.commonWordsFirst()) return nullptr;
  const FrequencyLoad& load = host_.frequencies();
  if (load.error) {
    Refuse(load.error->Message());
    return std::nullopt;
  }
  sortedByFrequency_ = true;
  return &load.frequencies;
}

void ToolDialog::PublishResult(ToolResult result) {
  if (sortedByFrequency_) AddFrequencyOrderLine(result.header);
  host_.PublishToolResult(id_, std::move(result));
}

void ToolDialog::PublishResult(Document header, Document block, std::string fileSuffix) {
  ToolResult result;
  result.header = std::move(header);
  result.block = std::move(block);
  result.append = appendBox_ && appendBox_->isChecked();
  result.fileSuffix = std::move(fileSuffix);
  PublishResult(std::move(result));
}

void ToolDialog::Refuse(std::string_view cp1252Message) {
  host_.dialogs().Warning(this, windowTitle(), FromCp1252(cp1252Message));
}

void ToolDialog::RefuseTypedWord(std::string_view cp1252Message) {
  host_.dialogs().Warning(this, kProgramTitle, FromCp1252(cp1252Message));
}

QString ToolDialog::BreakAtSpaceRuns(QString caption) {
  static const QRegularExpression kLineBreakSpaces(QStringLiteral(" {2,}"));
  return caption.replace(kLineBreakSpaces, QStringLiteral("\n"));
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

QLabel* ToolDialog::MakeSyllableUnit(QComboBox* counts, const QString& name, QWidget* parent) {
  auto* unit = new QLabel(QStringLiteral("syllabes."), parent);
  unit->setObjectName(name);
  const auto follow = [counts, unit] {
    const bool one = counts->currentText() == QStringLiteral("1");
    unit->setText(one ? QStringLiteral("syllabe.") : QStringLiteral("syllabes."));
  };
  QObject::connect(counts, &QComboBox::currentTextChanged, unit, follow);
  follow();
  return unit;
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
