#include "app/phrase_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/gui_observer.h"
#include "app/qt_text.h"

namespace tavilo {

PhraseDialog::PhraseDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::Phrase, parent) {
  setObjectName(QStringLiteral("frmPhrase"));

  auto* sentenceLabel = new QLabel(QStringLiteral("Entrez une &phrase :"), this);
  sentenceBox_ = new QComboBox(this);
  sentenceBox_->setObjectName(QStringLiteral("Combo1"));
  sentenceBox_->setEditable(true);
  sentenceBox_->setInsertPolicy(QComboBox::NoInsert);  // the history keeps the sentence as searched
  sentenceBox_->setMinimumWidth(420);
  sentenceLabel->setBuddy(sentenceBox_);

  auto* soundGroup = new QGroupBox(QStringLiteral("Sons échangés par chaque mot"), this);
  auto* soundLayout = new QVBoxLayout(soundGroup);
  const QString soundCaptions[] = {QStringLiteral("&Un son"), QStringLiteral("Un ou &deux sons"),
                                   QStringLiteral("Un, deux ou &trois sons")};
  for (std::size_t i = 0; i < sounds_.size(); ++i) {
    sounds_[i] = MakeOption(soundCaptions[i], QStringLiteral("Option%1").arg(i + 1), soundGroup);
    soundLayout->addWidget(sounds_[i]);
  }
  sounds_[2]->setChecked(true);

  three_ = MakeCheck(QStringLiteral("Aussi les rotations entre t&rois mots"), QStringLiteral("Check1"), this);

  first_ = new QSpinBox(this);
  first_->setObjectName(QStringLiteral("Spin1"));
  first_->setRange(0, 9999);
  first_->setSpecialValueText(QStringLiteral("toutes"));
  first_->setValue(0);  // all of them, as the command line lists them
  auto* firstLabel = new QLabel(QStringLiteral("&Montrer les meilleures :"), this);
  firstLabel->setBuddy(first_);
  auto* firstRow = new QHBoxLayout;
  firstRow->addWidget(firstLabel);
  firstRow->addWidget(first_);
  firstRow->addStretch();

  appendToDisplayed_ = MakeCheck(QStringLiteral("Ajouter le résultat à la liste affichée"), QStringLiteral("Check3"), this);

  auto* buttons = MakeButtonColumn([this] { RunSearch(); });
  SetWordBox(*sentenceBox_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(sentenceLabel, 0, 0);
  grid->addWidget(sentenceBox_, 1, 0);
  grid->addLayout(buttons, 0, 1, 5, 1);
  grid->addWidget(soundGroup, 2, 0);
  grid->addWidget(three_, 3, 0);
  grid->addLayout(firstRow, 4, 0);
  grid->addWidget(appendToDisplayed_, 5, 0, 1, 2);

  SetStandardControls(appendToDisplayed_, nullptr, nullptr);
}

PhraseQuery PhraseDialog::Query() const {
  PhraseQuery query;
  query.typed = ToCp1252(sentenceBox_->currentText());
  for (std::size_t i = 0; i < sounds_.size(); ++i) {
    if (sounds_[i]->isChecked()) query.maxSounds = static_cast<int>(i) + 1;
  }
  query.three = three_->isChecked();
  query.first = static_cast<std::size_t>(first_->value());
  return query;
}

void PhraseDialog::RunSearch() {
  // The ranking needs the word frequencies; without the file there is nothing to rank by.
  const FrequencyLoad& frequencies = host().frequencies();
  if (frequencies.error) {
    Refuse(frequencies.error->Message());
    return;
  }
  const PhraseQuery query = Query();
  const PhraseResult result = RunGuarded([&](GuiObserver& observer) {
    return FindPhraseSpoonerisms(host().lexicon(), frequencies.frequencies, query, observer);
  });
  if (!result.Accepted()) {
    if (result.refusal == PhraseRefusal::Empty) sentenceBox_->clearEditText();
    sentenceBox_->setFocus();
    Refuse(result.message);
    return;
  }
  RememberInBox(*sentenceBox_, result.sentence);
  KeepPhraseResult(result, host().session());
  // Save as proposes "Phrase_" and the first three words.
  std::string suffix;
  for (std::size_t w = 0; w < result.words.size() && w < 3; ++w) {
    suffix += (w ? "_" : "") + result.Word(w);
  }
  PublishResult(WritePhraseHeader(result), WritePhraseBlock(result), suffix);
}

}  // namespace tavilo
