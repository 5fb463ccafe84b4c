#include "app/anaphone_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui_observer.h"
#include "app/qt_text.h"
#include "app/user_dialogs.h"

namespace tavilo {

AnaphoneDialog::AnaphoneDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::Anaphone, parent) {
  setObjectName(QStringLiteral("frmPhon"));

  auto* label = new QLabel(QStringLiteral("Entrez un mot :"), this);
  wordBox_ = new QComboBox(this);
  wordBox_->setObjectName(QStringLiteral("Combo1"));
  wordBox_->setEditable(true);
  wordBox_->setInsertPolicy(QComboBox::NoInsert);  // the history is kept by the search
  wordBox_->setFont(QFont(QStringLiteral("Courier New"), 10));
  wordBox_->setMinimumWidth(260);
  wordBox_->setEditText(QStringLiteral("Entrez un mot"));
  wordBox_->lineEdit()->selectAll();
  label->setBuddy(wordBox_);

  appendToDisplayed_ = new QCheckBox(QStringLiteral("Ajouter le résultat à la liste affichée"), this);
  appendToDisplayed_->setObjectName(QStringLiteral("Check3"));

  auto* buttons = MakeButtonColumn([this] { RunSearch(); });
  SetWordBox(*wordBox_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(wordBox_, 1, 0);
  grid->addWidget(appendToDisplayed_, 2, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);

  SetStandardControls(appendToDisplayed_, nullptr, nullptr);

}

void AnaphoneDialog::RunSearch() {
  const QString typed = wordBox_->currentText();
  const auto order = FrequencyOrder();
  if (!order) return;
  AnaphoneResult result =
      RunGuarded([&](GuiObserver& observer) { return FindAnaphones(host().lexicon(), {ToCp1252(typed)}, observer); });
  if (*order) SortAnaphonesByFrequency(result, **order);

  // A word found in the lexicon (and not too long) was searched: the box remembers it.
  if (result.Validated() && result.refusal != AnaphoneRefusal::TooManySounds &&
      wordBox_->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    wordBox_->addItem(typed);
    wordBox_->setEditText(typed);
  }
  if (result.refusal == AnaphoneRefusal::TooShort) {
    // The one message of the tool shown without the exclamation icon.
    host().dialogs().Information(this, windowTitle(), FromCp1252(result.message));
    return;
  }
  if (result.refusal == AnaphoneRefusal::Unknown) {
    RefuseTypedWord(result.message);
    return;
  }
  if (!result.Accepted()) {
    Refuse(result.message);
    return;
  }
  PublishResult(WriteAnaphoneHeader(result), WriteAnaphoneBlock(result), result.word);
}

}  // namespace tavilo
