#include "app/rhyme_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/gui_observer.h"
#include "app/qt_text.h"

namespace tavilo {
namespace {

constexpr RhymePosition kPositions[] = {RhymePosition::End, RhymePosition::Start, RhymePosition::Inside};

}  // namespace

RhymeDialog::RhymeDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::Rhyme, parent) {
  setObjectName(QStringLiteral("frmRim"));

  auto* rhymeLabel = new QLabel(QStringLiteral("Entrez une rime :"), this);
  rhymeBox_ = new QComboBox(this);
  rhymeBox_->setObjectName(QStringLiteral("Combo1"));
  rhymeBox_->setEditable(true);
  rhymeBox_->setInsertPolicy(QComboBox::NoInsert);  // the history keeps the rhyme as searched
  rhymeBox_->setMinimumWidth(180);
  rhymeLabel->setBuddy(rhymeBox_);

  auto* positionGroup = new QGroupBox(QStringLiteral("Rimes"), this);
  auto* positionLayout = new QVBoxLayout(positionGroup);
  const QString positionCaptions[] = {QStringLiteral("En fin de mot"), QStringLiteral("En début de mot"),
                                      QStringLiteral("A l'intérieur du mot")};
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    positions_[i] = MakeOption(positionCaptions[i], QStringLiteral("Option%1").arg(i + 1), positionGroup);
    positionLayout->addWidget(positions_[i]);
  }
  positions_[0]->setChecked(true);

  keepSpelling_ = MakeCheck(QStringLiteral("Conserver la graphie"), QStringLiteral("Check1"), this);

  syllables_ = new QComboBox(this);
  syllables_->setObjectName(QStringLiteral("Combo2"));
  syllableLabel_ = MakeSyllableUnit(syllables_, QStringLiteral("Label3"), this);
  auto* syllableRow = new QHBoxLayout;
  syllableRow->addWidget(new QLabel(QStringLiteral("Pour trouver des mots de"), this));
  syllableRow->addWidget(syllables_);
  syllableRow->addWidget(syllableLabel_);
  syllableRow->addStretch();

  auto* domainGroup = new QGroupBox(QStringLiteral("Domaine"), this);
  auto* domainLayout = new QVBoxLayout(domainGroup);
  const QString domainCaptions[] = {
      QStringLiteral("Noms"), QStringLiteral("Adjectifs"), QStringLiteral("Verbes"),
      QStringLiteral("Adverbes, pronoms, prépositions..."),
      QStringLiteral("Liste de recherche précédente (Contrepèteries, Rimes, Lipogrammes,    Mots filtrés, "
                     "'okapi', 'phokapi')")};
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    domains_[i] = MakeOption(domainCaptions[i], QStringLiteral("Option%1").arg(i + 4), domainGroup);
    domainLayout->addWidget(domains_[i]);
  }
  domains_[0]->setChecked(true);

  keepAsNewList_ = MakeCheck(QStringLiteral("Conserver le résultat comme nouvelle liste"), QStringLiteral("Check2"), this);
  keepAsNewList_->setEnabled(false);
  appendToDisplayed_ = MakeCheck(QStringLiteral("Ajouter le résultat à la liste affichée"), QStringLiteral("Check3"), this);

  auto* buttons = MakeButtonColumn([this] { RunSearch(); });
  SetWordBox(*rhymeBox_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(rhymeLabel, 0, 0);
  grid->addWidget(rhymeBox_, 1, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
  grid->addWidget(positionGroup, 2, 0);
  grid->addWidget(keepSpelling_, 3, 0);
  grid->addLayout(syllableRow, 4, 0);
  grid->addWidget(domainGroup, 5, 0, 1, 2);
  grid->addWidget(keepAsNewList_, 6, 0, 1, 2);
  grid->addWidget(appendToDisplayed_, 7, 0, 1, 2);

  SetStandardControls(appendToDisplayed_, domains_[4], domains_[0]);
}

void RhymeDialog::OnOpening(const ToolOpening& opening) {
  if (opening.wasActive) return;
  syllables_->clear();
  syllables_->addItem(QStringLiteral("Toutes"));
  for (int n = 1; n <= kRhymeMaxSyllables; ++n) syllables_->addItem(QString::number(n));
  syllables_->setCurrentIndex(0);
}

RhymeQuery RhymeDialog::Query() const {
  RhymeQuery query;
  query.typed = ToCp1252(rhymeBox_->currentText());
  for (std::size_t i = 0; i < positions_.size(); ++i) {
    if (positions_[i]->isChecked()) query.position = kPositions[i];
  }
  query.keepSpelling = keepSpelling_->isChecked();
  query.syllables = std::max(0, syllables_->currentIndex());  // item 0 is "Toutes"
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    if (domains_[i]->isChecked()) query.domain = static_cast<SearchDomain>(i + 1);
  }
  return query;
}

void RhymeDialog::RunSearch() {
  const auto order = FrequencyOrder();
  if (!order) return;
  RhymeResult result = RunGuarded(
      [&](GuiObserver& observer) { return FindRhymes(host().lexicon(), host().session(), Query(), observer); });
  if (*order) SortRhymesByFrequency(result, **order);

  if (result.SoundFound()) RememberInBox(*rhymeBox_, result.rhyme);
  KeepRhymeResult(result, host().session());
  if (!result.Accepted()) {
    if (result.refusal == RhymeRefusal::Empty) {
      rhymeBox_->clearEditText();
      rhymeBox_->setFocus();
    }
    Refuse(result.message);
    return;
  }
  PublishResult(WriteRhymeHeader(result), WriteRhymeBlock(result), result.rhyme);
}

}  // namespace tavilo
