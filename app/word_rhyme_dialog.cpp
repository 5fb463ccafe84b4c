#include "app/word_rhyme_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/gui_observer.h"
#include "app/qt_text.h"
#include "core/graphemes.h"
#include "core/text.h"
#include "core/validation.h"

namespace tavilo {

WordRhymeDialog::WordRhymeDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::WordRhyme, parent) {
  setObjectName(QStringLiteral("frmRimMot"));

  auto* wordLabel = new QLabel(QStringLiteral("&Entrez un mot :"), this);
  wordBox_ = new QComboBox(this);
  wordBox_->setObjectName(QStringLiteral("Combo1"));
  wordBox_->setEditable(true);
  wordBox_->setInsertPolicy(QComboBox::NoInsert);  // the history keeps the words as found
  wordBox_->setMinimumWidth(200);
  wordLabel->setBuddy(wordBox_);

  auto* readingLabel = new QLabel(QStringLiteral("&Lecture :"), this);
  readings_ = new QComboBox(this);
  readings_->setObjectName(QStringLiteral("Combo3"));
  readingLabel->setBuddy(readings_);
  auto* readingRow = new QHBoxLayout;
  readingRow->addWidget(readingLabel);
  readingRow->addWidget(readings_, 1);

  assonances_ = MakeCheck(QStringLiteral("Ajouter les &assonances (ton, tombe)"), QStringLiteral("Check1"), this);

  syllables_ = new QComboBox(this);
  syllables_->setObjectName(QStringLiteral("Combo2"));
  auto* syllableLabel = new QLabel(QStringLiteral("&Syllabes :"), this);
  syllableLabel->setBuddy(syllables_);
  auto* syllableRow = new QHBoxLayout;
  syllableRow->addWidget(syllableLabel);
  syllableRow->addWidget(syllables_);
  syllableRow->addStretch();

  auto* domainGroup = new QGroupBox(QStringLiteral("Domaine"), this);
  auto* domainLayout = new QVBoxLayout(domainGroup);
  const QString domainCaptions[] = {
      QStringLiteral("&Tous"), QStringLiteral("&Noms"), QStringLiteral("A&djectifs"), QStringLiteral("&Verbes"),
      QStringLiteral("Adverbes, &pronoms, prépositions..."), QStringLiteral("L&ocutions"),
      QStringLiteral("Liste de &recherche précédente")};
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    domains_[i] = MakeOption(domainCaptions[i], QStringLiteral("Option%1").arg(i + 1), domainGroup);
    domainLayout->addWidget(domains_[i]);
  }
  domains_[0]->setChecked(true);

  appendToDisplayed_ =
      MakeCheck(QStringLiteral("Ajouter le résultat à la liste affichée"), QStringLiteral("Check3"), this);

  auto* buttons = MakeButtonColumn([this] { RunSearch(); });
  SetWordBox(*wordBox_);

  auto* grid = new QGridLayout(this);
  grid->addWidget(wordLabel, 0, 0);
  grid->addWidget(wordBox_, 1, 0);
  grid->addLayout(buttons, 0, 1, 4, 1);
  grid->addLayout(readingRow, 2, 0);
  grid->addWidget(assonances_, 3, 0);
  grid->addLayout(syllableRow, 4, 0);
  grid->addWidget(domainGroup, 5, 0, 1, 2);
  grid->addWidget(appendToDisplayed_, 6, 0, 1, 2);

  SetStandardControls(appendToDisplayed_, domains_[6], domains_[0]);
  connect(wordBox_, &QComboBox::editTextChanged, this, &WordRhymeDialog::UpdateReadings);
}

void WordRhymeDialog::OnOpening(const ToolOpening& opening) {
  (void)opening;
  if (syllables_->count() > 0) return;
  syllables_->addItem(QStringLiteral("Toutes"));
  for (int n = 1; n <= 9; ++n) syllables_->addItem(QString::number(n));
  syllables_->setCurrentIndex(0);
}

void WordRhymeDialog::UpdateReadings() {
  // The box may set its text again unchanged (Enter does): the reading chosen then stays.
  const std::string word = FoldValidation(ToLower(Trim(ToCp1252(wordBox_->currentText()))));
  if (word == readingsWord_ && readings_->count() > 0) return;
  readingsWord_ = word;
  readings_->clear();
  const std::vector<WordEntry> readings = word.empty() ? std::vector<WordEntry>{} : FindReadings(host().lexicon(), word);
  for (std::size_t i = 0; i < readings.size(); ++i) {
    QString item = QStringLiteral("%1 : %2").arg(i + 1).arg(QString::fromUtf8(TranscribePhonetic(readings[i].phonetic)));
    if (readings[i].spelling != readings.front().spelling) item += QStringLiteral(" (%1)").arg(FromCp1252(readings[i].spelling));
    readings_->addItem(item);
  }
  readings_->setEnabled(readings.size() > 1);
}

WordRhymeQuery WordRhymeDialog::Query() const {
  WordRhymeQuery query;
  query.typed = ToCp1252(wordBox_->currentText());
  query.reading = std::max(0, readings_->currentIndex()) + 1;
  query.assonances = assonances_->isChecked();
  query.syllables = std::max(0, syllables_->currentIndex());  // item 0 is "Toutes"
  constexpr SearchDomain kDomains[] = {SearchDomain::All,           SearchDomain::Nouns,     SearchDomain::Adjectives,
                                       SearchDomain::Verbs,         SearchDomain::FunctionWords,
                                       SearchDomain::Locutions,     SearchDomain::ResultList};
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    if (domains_[i]->isChecked()) query.domain = kDomains[i];
  }
  return query;
}

void WordRhymeDialog::RunSearch() {
  const FrequencyLoad& frequencies = host().frequencies();
  if (frequencies.error) {
    Refuse(frequencies.error->Message());
    return;
  }
  const WordRhymeResult result = RunGuarded([&](GuiObserver& observer) {
    return FindWordRhymes(host().lexicon(), host().session(), frequencies.frequencies, Query(), observer);
  });
  if (result.WordFound()) RememberInBox(*wordBox_, result.word);
  if (!result.Accepted()) {
    if (result.refusal == WordRhymeRefusal::UnknownWord) {
      RefuseTypedWord(result.message);
    } else {
      Refuse(result.message);
    }
    return;
  }
  KeepWordRhymeResult(result, host().session());
  PublishResult(WriteWordRhymeHeader(result), WriteWordRhymeBlock(result), result.word);
}

}  // namespace tavilo
