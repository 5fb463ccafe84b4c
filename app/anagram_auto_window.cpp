#include "app/anagram_auto_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/list_files.h"
#include "app/qt_text.h"
#include "engines/anagram/anagram.h"

namespace tavilo {
namespace {

const QString kCaption = QStringLiteral("Tavilo - Anagrammes - Automatique");

QLabel* Label(const QString& text, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

AnagramAutoWindow::AnagramAutoWindow(ToolHost& host, QWidget* parent) : QWidget(parent, Qt::Window), host_(host) {
  setObjectName(QStringLiteral("frmAnaAux1"));
  setWindowTitle(kCaption);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* title = Label(QStringLiteral("Liste du résultat"), "Label1", this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  headerLabel_ = Label(QString(), "lblHeader", this);
  headerLabel_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0)"));
  headerLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  headerLabel_->setWordWrap(true);  // a long header must not widen the window past the screen
  countLabel_ = Label(QStringLiteral("0"), "lblCount", this);
  jokerLabel_ = Label(FromCp1252(JokerNotice()), "lblJoker", this);
  jokerLabel_->setVisible(false);
  capLabel_ = Label(FromCp1252(kAnagramCapMessage), "lblCap", this);
  capLabel_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0)"));
  capLabel_->setVisible(false);

  groupsView_ = new QTextEdit(this);
  groupsView_->setObjectName(QStringLiteral("RichTextBox1"));
  groupsView_->setReadOnly(true);
  groupsView_->setLineWrapMode(QTextEdit::NoWrap);
  groupsView_->document()->setDefaultFont(QFont(QStringLiteral("Courier New"), 10));
  groupsView_->setTabStopDistance(48);
  groupsView_->installEventFilter(this);
  connect(groupsView_, &QTextEdit::selectionChanged, this, [this] {
    if (groupsView_->hasFocus()) host_.SetAuxiliaryText(groupsView_);
  });

  pauseButton_ = new QPushButton(QStringLiteral("Pause"), this);
  pauseButton_->setObjectName(QStringLiteral("Pse"));
  stopButton_ = new QPushButton(QStringLiteral("Stop"), this);
  stopButton_->setObjectName(QStringLiteral("Stp"));
  closeButton_ = new QPushButton(QStringLiteral("Fermer"), this);
  closeButton_->setObjectName(QStringLiteral("CancelButton"));
  connect(pauseButton_, &QPushButton::clicked, this, &AnagramAutoWindow::pauseClicked);
  connect(stopButton_, &QPushButton::clicked, this, &AnagramAutoWindow::stopClicked);
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

  auto* top = new QHBoxLayout;
  top->addWidget(title);
  top->addStretch();
  top->addWidget(new QLabel(QStringLiteral("Groupes trouvés :"), this));
  top->addWidget(countLabel_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(jokerLabel_);
  buttons->addWidget(capLabel_);
  buttons->addStretch();
  buttons->addWidget(pauseButton_);
  buttons->addWidget(stopButton_);
  buttons->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(headerLabel_);
  layout->addWidget(groupsView_, 1);
  layout->addLayout(buttons);
  resize(760, 520);

  host_.SetAuxiliaryWindow(this, [this]() { return proposal_; });
}

AnagramAutoWindow::~AnagramAutoWindow() = default;

void AnagramAutoWindow::closeEvent(QCloseEvent* event) {
  emit closing();
  host_.SetAuxiliaryText(nullptr);
  host_.SetAuxiliaryWindow(nullptr, nullptr);
  // Save as, Print and Select all act on the main window's result again, if there is one.
  host_.SetFileCommandsEnabled(!host_.ResultIsEmpty());
  QWidget::closeEvent(event);
}

void AnagramAutoWindow::StartSearch(const QString& header, bool jokers) {
  setWindowTitle(kCaption);
  proposal_.reset();
  groupsView_->clear();
  headerLabel_->setText(header);
  jokerLabel_->setVisible(jokers);
  capLabel_->setVisible(false);
  countLabel_->setText(QStringLiteral("0"));
  pauseButton_->setEnabled(true);
  stopButton_->setEnabled(true);
}

void AnagramAutoWindow::AppendLines(std::string_view cp1252) {
  if (cp1252.empty()) return;
  QScrollBar* bar = groupsView_->verticalScrollBar();
  const bool atEnd = bar->value() == bar->maximum();
  QTextCursor cursor(groupsView_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(FromCp1252(cp1252));
  // Follow the new lines unless the user scrolled up to read.
  if (atEnd) bar->setValue(bar->maximum());
}

void AnagramAutoWindow::SetPaused(bool paused) { pauseButton_->setEnabled(!paused); }

void AnagramAutoWindow::SetCount(long count) { countLabel_->setText(QString::number(count)); }

void AnagramAutoWindow::SetCapped(bool capped) { capLabel_->setVisible(capped); }

void AnagramAutoWindow::FinishSearch(const Document& saved, const QString& proposedName, const QString& title) {
  pauseButton_->setEnabled(false);
  stopButton_->setEnabled(false);
  setWindowTitle(kCaption + QStringLiteral(" - ") + QString::fromLatin1(kUntitledName));
  proposal_ = SaveProposal{saved, proposedName, title};
}

bool AnagramAutoWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == groupsView_ && event->type() == QEvent::FocusIn) {
    host_.SetFileCommandsEnabled(true);
    host_.SetAuxiliaryText(groupsView_);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tavilo
