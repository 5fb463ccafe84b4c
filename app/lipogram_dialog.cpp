#include "app/lipogram_dialog.h"

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

LipogramDialog::LipogramDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::Lipogram, parent) {
  setObjectName(QStringLiteral("frmLipo"));

  auto* lettersLabel = new QLabel(QStringLiteral("Entrez une ou plusieurs lettres :"), this);
  lettersLabel->setObjectName(QStringLiteral("Label1"));
  lettersBox_ = new QComboBox(this);
  lettersBox_->setObjectName(QStringLiteral("Combo1"));
  lettersBox_->setEditable(true);
  lettersBox_->setInsertPolicy(QComboBox::NoInsert);  // the history keeps the letters as searched
  lettersBox_->setMinimumWidth(220);
  lettersLabel->setBuddy(lettersBox_);

  auto* methodGroup = new QGroupBox(QStringLiteral("Méthode"), this);
  methodGroup->setObjectName(QStringLiteral("Frame2"));
  auto* methodLayout = new QVBoxLayout(methodGroup);
  forbidden_ = MakeOption(QStringLiteral("Les lettres entrées sont interdites"), QStringLiteral("Option1"),
                                   methodGroup);
  forbidAccented_ = MakeCheck(
      QStringLiteral("Interdire en plus les lettres avec signe diacritique (accent, tréma, cédille, point)."),
      QStringLiteral("Check3"), methodGroup);
  obligatory_ = MakeOption(QStringLiteral("Les lettres entrées sont obligatoires"), QStringLiteral("Option2"),
                                    methodGroup);
  mono_ = MakeCheck(QStringLiteral("Monovocalisme / Monoconsonantisme"), QStringLiteral("Check2"), methodGroup);
  beauPresent_ = MakeCheck(QStringLiteral("Beau présent  (seules les lettres choisies sont utilisées)"),
                                  QStringLiteral("Check7"), methodGroup);
  exactAccents_ = MakeCheck(
      QStringLiteral("Différencier les lettres avec signe diacritique (accent, tréma, cédille)."),
      QStringLiteral("Check4"), methodGroup);
  // The options of one method stand indented under it; the accent option serves both.
  const auto indented = [methodLayout](QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addSpacing(22);
    row->addWidget(widget);
    methodLayout->addLayout(row);
  };
  methodLayout->addWidget(forbidden_);
  indented(forbidAccented_);
  methodLayout->addWidget(obligatory_);
  indented(mono_);
  indented(beauPresent_);
  methodLayout->addWidget(exactAccents_);
  forbidden_->setChecked(true);

  syllables_ = new QComboBox(this);
  syllables_->setObjectName(QStringLiteral("List1"));
  auto* syllableRow = new QHBoxLayout;
  // Label2 of the form; not named so, since the main window's count label bears that name.
  auto* before = new QLabel(QStringLiteral("Pour trouver des mots de"), this);
  auto* after = MakeSyllableUnit(syllables_, QStringLiteral("Label3"), this);
  syllableRow->addWidget(before);
  syllableRow->addWidget(syllables_);
  syllableRow->addWidget(after);
  syllableRow->addStretch();
  reducedVocabulary_ =
      MakeCheck(QStringLiteral("Vocabulaire réduit (une et deux syllabes)"), QStringLiteral("Check1"), this);

  auto* domainGroup = new QGroupBox(QStringLiteral("Domaine"), this);
  domainGroup->setObjectName(QStringLiteral("Frame1"));
  auto* domainLayout = new QVBoxLayout(domainGroup);
  const QString domainCaptions[] = {
      QStringLiteral("Noms"), QStringLiteral("Adjectifs"), QStringLiteral("Verbes"),
      QStringLiteral("Adverbes, pronoms, prépositions..."),
      QStringLiteral("Liste de recherche précédente (Contrepèteries, Rimes, Lipogrammes,     Mots filtrés, "
                     "'okapi', 'phokapi')")};
  const QString domainNames[] = {QStringLiteral("Option6"), QStringLiteral("Option7"), QStringLiteral("Option8"),
                                 QStringLiteral("Option9"), QStringLiteral("Option3")};
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    domains_[i] = MakeOption(domainCaptions[i], domainNames[i], domainGroup);
    domainLayout->addWidget(domains_[i]);
  }
  domains_[0]->setChecked(true);

  keepAsNewList_ =
      MakeCheck(QStringLiteral("Conserver le résultat comme nouvelle liste"), QStringLiteral("Check6"), this);
  appendToDisplayed_ =
      MakeCheck(QStringLiteral("Ajouter le résultat à la liste affichée"), QStringLiteral("Check5"), this);

  auto* buttons = MakeButtonColumn([this] { RunSearch(); });
  SetWordBox(*lettersBox_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(lettersLabel, 0, 0);
  grid->addWidget(lettersBox_, 1, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
  grid->addWidget(methodGroup, 2, 0);
  grid->addLayout(syllableRow, 3, 0, 1, 2);
  grid->addWidget(reducedVocabulary_, 4, 0, 1, 2);
  grid->addWidget(domainGroup, 5, 0, 1, 2);
  grid->addWidget(keepAsNewList_, 6, 0, 1, 2);
  grid->addWidget(appendToDisplayed_, 7, 0, 1, 2);

  SetStandardControls(appendToDisplayed_, domains_[4], domains_[0]);

  for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{forbidden_, obligatory_, forbidAccented_,
                                                                          exactAccents_}) {
    connect(button, &QAbstractButton::toggled, this, &LipogramDialog::UpdateCoupling);
  }
  connect(lettersBox_, &QComboBox::editTextChanged, this, &LipogramDialog::UpdateCoupling);
  connect(reducedVocabulary_, &QCheckBox::toggled, this, &LipogramDialog::ReducedVocabularyToggled);
  UpdateCoupling();
}

void LipogramDialog::OnOpening(const ToolOpening& opening) {
  (void)opening;
  if (opened_) return;
  opened_ = true;
  syllables_->clear();
  syllables_->addItem(QStringLiteral("Toutes"));
  for (int n = 1; n <= 9; ++n) syllables_->addItem(QString::number(n));
  syllables_->setCurrentText(QStringLiteral("3"));
  lettersBox_->addItem(FromCp1252(host().state().lipogramPreset));
  lettersBox_->setEditText(QStringLiteral("Entrez des lettres"));
  lettersBox_->lineEdit()->selectAll();
}

void LipogramDialog::UpdateCoupling() {
  if (forbidden_->isChecked()) {
    mono_->setEnabled(false);
    beauPresent_->setEnabled(false);
    // Only one of the two accent options: while one is checked, the other is disabled.
    forbidAccented_->setEnabled(!exactAccents_->isChecked());
    exactAccents_->setEnabled(!forbidAccented_->isChecked());
  } else {
    forbidAccented_->setEnabled(false);
    exactAccents_->setEnabled(true);
    beauPresent_->setEnabled(true);
    mono_->setEnabled(lettersBox_->currentText().size() == 1);
  }
}

void LipogramDialog::ReducedVocabularyToggled(bool checked) {
  if (checked) {
    syllables_->setCurrentText(QStringLiteral("Toutes"));
  } else {
    syllables_->setCurrentText(QStringLiteral("3"));
  }
  syllables_->setEnabled(!checked);
}

LipogramQuery LipogramDialog::Query() const {
  LipogramQuery query;
  query.typed = ToCp1252(lettersBox_->currentText());
  query.method = obligatory_->isChecked() ? LipogramMethod::Obligatory : LipogramMethod::Forbidden;
  // A disabled option plays no part, whatever its box shows.
  query.forbidAccented = forbidAccented_->isEnabled() && forbidAccented_->isChecked();
  query.exactAccents = exactAccents_->isEnabled() && exactAccents_->isChecked();
  query.mono = mono_->isEnabled() && mono_->isChecked();
  query.beauPresent = beauPresent_->isEnabled() && beauPresent_->isChecked();
  query.syllables = std::max(0, syllables_->currentIndex());  // item 0 is "Toutes"
  query.reducedVocabulary = reducedVocabulary_->isChecked();
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    if (domains_[i]->isChecked()) query.domain = static_cast<SearchDomain>(i + 1);
  }
  query.keepAsNewList = keepAsNewList_->isChecked();
  return query;
}

void LipogramDialog::RunSearch() {
  const LipogramQuery query = Query();
  const auto order = FrequencyOrder();
  if (!order) return;
  LipogramResult result = RunGuarded(
      [&](GuiObserver& observer) { return FindLipograms(host().lexicon(), host().session(), query, observer); });
  if (*order) SortLipogramsByFrequency(result, **order);

  KeepLipogramResult(result, host().session());
  if (!result.Accepted()) {
    Refuse(result.message);
    return;
  }
  const QString typed = lettersBox_->currentText();
  if (lettersBox_->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    lettersBox_->addItem(typed);
    lettersBox_->setEditText(typed);  // adding an item must not change what the box shows
  }
  PublishResult(WriteLipogramHeader(result), WriteLipogramBlock(result), result.letters);
}

}  // namespace tavilo
