#include "app/filter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "app/gui_observer.h"
#include "app/qt_text.h"

namespace tavilo {
namespace {

constexpr SearchDomain kDomains[] = {SearchDomain::All,   SearchDomain::Nouns,         SearchDomain::Adjectives,
                                     SearchDomain::Verbs, SearchDomain::FunctionWords, SearchDomain::ResultList};

QLabel* Label(const QString& caption, const QString& name, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  return label;
}

QListWidget* LimitList(const QString& name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  // Four whole rows: a last row cut in half reads as a drawing fault.
  list->addItem(QStringLiteral("Toutes"));
  const int row = list->sizeHintForRow(0);
  list->clear();
  list->setFixedSize(70, 4 * row + 2 * list->frameWidth());
  return list;
}

}  // namespace

FilterDialog::FilterDialog(ToolHost& host, QWidget* parent)
    : ToolDialog(host, ToolId::Filter, parent), longestWord_(LongestWordLength(host.lexicon())) {
  setObjectName(QStringLiteral("frmMcr"));

  auto* prompt = Label(QStringLiteral("Entrez des lettres et des caractères ") + QStringLiteral("joker"),
                       QStringLiteral("Label1"), this);
  patternBox_ = new QComboBox(this);
  patternBox_->setObjectName(QStringLiteral("Combo1"));
  patternBox_->setEditable(true);
  patternBox_->setInsertPolicy(QComboBox::NoInsert);  // the history keeps the patterns searched
  patternBox_->setFont(QFont(QStringLiteral("Courier New"), 11));
  patternBox_->lineEdit()->setPlaceholderText(QStringLiteral("Entrez des lettres"));
  patternBox_->setMinimumWidth(260);
  prompt->setBuddy(patternBox_);

  // The joker legend, with the "once" option of each kind of joker.
  auto* jokers = new QGroupBox(QStringLiteral("Caractères ") + QStringLiteral("joker"), this);
  jokers->setObjectName(QStringLiteral("Frame2"));
  auto* single = new QGroupBox(QStringLiteral("Un caractère"), jokers);
  single->setObjectName(QStringLiteral("Frame3"));
  auto* singleLayout = new QVBoxLayout(single);
  singleLayout->addWidget(Label(QStringLiteral("? remplace une seule lettre  "), QStringLiteral("Label6"), single));
  singleLayout->addWidget(Label(QStringLiteral(" ! remplace une seule consonne  "), QStringLiteral("Label7"), single));
  singleLayout->addWidget(Label(QStringLiteral("§ remplace une seule voyelle  "), QStringLiteral("Label8"), single));
  onceSingle_ = MakeCheck(QStringLiteral("Une seule occurrence des lettres explicites"), QStringLiteral("Check2"), single);
  singleLayout->addWidget(onceSingle_);
  auto* multi = new QGroupBox(QStringLiteral("Plusieurs caractères"), jokers);
  multi->setObjectName(QStringLiteral("Frame4"));
  auto* multiLayout = new QVBoxLayout(multi);
  multiLayout->addWidget(
      Label(QStringLiteral("* remplace aucune ou plusieurs lettres  "), QStringLiteral("Label11"), multi));
  multiLayout->addWidget(
      Label(QStringLiteral("^ remplace aucune ou plusieurs consonnes  "), QStringLiteral("Label10"), multi));
  multiLayout->addWidget(
      Label(QStringLiteral("@ remplace aucune ou plusieurs voyelles"), QStringLiteral("Label9"), multi));
  onceMulti_ = MakeCheck(QStringLiteral("Une seule occurrence des lettres explicites"), QStringLiteral("Check3"), multi);
  multiLayout->addWidget(onceMulti_);
  auto* jokerLayout = new QHBoxLayout(jokers);
  jokerLayout->addWidget(single);
  jokerLayout->addWidget(multi);

  heterogram_ = MakeCheck(QStringLiteral("Hétérogramme (une seule occurrence\nde chaque lettre)"), QStringLiteral("Check7"),
                      this);
  diacritics_ = MakeCheck(QStringLiteral("Différencier les lettres avec signe diacritique (accent, tréma, cédille)."),
                      QStringLiteral("Check1"), this);
  reversed_ = MakeCheck(QStringLiteral("Afficher en plus chaque mot inversé"), QStringLiteral("Check5"), this);

  auto* settings = new QGroupBox(QStringLiteral("Réglages"), this);
  settings->setObjectName(QStringLiteral("Frame1"));
  lengths_ = LimitList(QStringLiteral("List1"), settings);
  syllables_ = LimitList(QStringLiteral("List2"), settings);
  auto* settingsLayout = new QGridLayout(settings);
  settingsLayout->addWidget(new QLabel(QStringLiteral("Nombre maximum de lettres :"), settings), 0, 0);
  settingsLayout->addWidget(lengths_, 1, 0);
  settingsLayout->addWidget(new QLabel(QStringLiteral("Nombre maximum de syllabes :"), settings), 0, 1);
  settingsLayout->addWidget(syllables_, 1, 1);

  auto* domainGroup = new QGroupBox(QStringLiteral("Domaine"), this);
  domainGroup->setObjectName(QStringLiteral("Frame5"));
  auto* domainLayout = new QVBoxLayout(domainGroup);
  const QString domainCaptions[] = {
      QStringLiteral("Tous"), QStringLiteral("Noms"), QStringLiteral("Adjectifs"), QStringLiteral("Verbes"),
      QStringLiteral("Adverbes, pronoms, prépositions..."),
      QStringLiteral("Liste de recherche précédente (Contrepèteries, Rimes, Lipogrammes,   Mots filtrés, 'okapi', "
                     "'phokapi')")};
  const QString domainNames[] = {QStringLiteral("Option1"), QStringLiteral("Option6"), QStringLiteral("Option7"),
                                 QStringLiteral("Option8"), QStringLiteral("Option9"), QStringLiteral("Option2")};
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    domains_[i] = MakeOption(domainCaptions[i], domainNames[i], domainGroup);
    domainLayout->addWidget(domains_[i]);
  }
  domains_[0]->setChecked(true);

  keepAsNewList_ = MakeCheck(QStringLiteral("Conserver le résultat comme nouvelle liste"), QStringLiteral("Check6"), this);
  appendToDisplayed_ = MakeCheck(QStringLiteral("Ajouter le résultat à la liste affichée"), QStringLiteral("Check4"), this);

  // While the search runs, OK reads "Stop" and is the only control left enabled.
  auto* buttons = MakeButtonColumn([this] { RunSearch(); }, patternBox_);
  UseStopButton();

  auto* options = new QVBoxLayout;
  options->addWidget(heterogram_);
  options->addWidget(diacritics_);
  options->addWidget(reversed_);
  auto* middle = new QHBoxLayout;
  middle->addLayout(options, 1);
  middle->addWidget(settings);

  auto* grid = new QGridLayout(this);
  grid->addWidget(prompt, 0, 0);
  grid->addWidget(patternBox_, 1, 0);
  grid->addLayout(buttons, 0, 1, 3, 1);
  grid->addWidget(jokers, 2, 0);
  grid->addLayout(middle, 3, 0, 1, 2);
  grid->addWidget(domainGroup, 4, 0, 1, 2);
  grid->addWidget(keepAsNewList_, 5, 0, 1, 2);
  grid->addWidget(appendToDisplayed_, 6, 0, 1, 2);

  SetStandardControls(appendToDisplayed_, domains_[5], domains_[0]);
  FillLimitLists();
  for (QCheckBox* box : {onceSingle_, onceMulti_, heterogram_, diacritics_, reversed_}) box->setEnabled(false);
  OnDomainChanged();

  for (QRadioButton* domain : domains_) connect(domain, &QRadioButton::toggled, this, &FilterDialog::OnDomainChanged);
  // Keys reach the line edit directly, or through the combo box, which hands them on without
  // going through event filters: both are watched.
  patternBox_->installEventFilter(this);
  patternBox_->lineEdit()->installEventFilter(this);
  connect(patternBox_->lineEdit(), &QLineEdit::textChanged, this, &FilterDialog::OnPatternEdited);
  SetWordBox(*patternBox_);
  connect(heterogram_, &QCheckBox::toggled, this, [this] {
    if (!analysis_.pattern.empty()) UpdateOptionBoxes();
  });
  connect(lengths_, &QListWidget::currentRowChanged, this, &FilterDialog::OnLengthChosen);
  connect(syllables_, &QListWidget::currentRowChanged, this, &FilterDialog::OnSyllablesChosen);
  connect(keepAsNewList_, &QCheckBox::toggled, this, [this](bool checked) {
    if (keepAsNewList_->isEnabled()) keepChoice_ = checked;
  });
}

void FilterDialog::FillLimitLists() {
  const QSignalBlocker blockLengths(lengths_), blockSyllables(syllables_);
  lengths_->clear();
  lengths_->addItem(QStringLiteral("Toutes"));
  for (int n = 2; n <= longestWord_; ++n) lengths_->addItem(QString::number(n));  // item k: k + 1 letters
  lengths_->setCurrentRow(0);
  syllables_->clear();
  syllables_->addItem(QStringLiteral("Toutes"));
  for (int n = 1; n <= 9; ++n) syllables_->addItem(QString::number(n));
  syllables_->setCurrentRow(0);
  lengths_->setEnabled(false);
  syllables_->setEnabled(false);
}

void FilterDialog::OnOpening(const ToolOpening& opening) {
  (void)opening;
  if (patternBox_->currentText().isEmpty()) FillLimitLists();
  lastKey_ = PatternKeystroke::Kind::Delete;  // the caret stays where it is
  OnPatternEdited();
}

bool FilterDialog::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == patternBox_ || watched == patternBox_->lineEdit()) && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    lastCharacter_ = 0;
    if (key->key() == Qt::Key_Delete) {
      lastKey_ = PatternKeystroke::Kind::Delete;
    } else if (key->key() == Qt::Key_Backspace) {
      lastKey_ = PatternKeystroke::Kind::Backspace;
    } else {
      lastKey_ = PatternKeystroke::Kind::Character;
      const std::string typed = ToCp1252(key->text());
      if (!typed.empty()) lastCharacter_ = typed[0];
    }
  }
  return ToolDialog::eventFilter(watched, event);
}

void FilterDialog::OnPatternEdited() {
  QLineEdit* edit = patternBox_->lineEdit();
  // The caret before the key, from where the edit left it: one place after the character typed
  // (or pasted), at the place of a Delete, one place before that of a Backspace.
  PatternKeystroke key{lastKey_, lastCharacter_, edit->cursorPosition()};
  if (lastKey_ == PatternKeystroke::Kind::Character) key.savedCaret -= 1;
  if (lastKey_ == PatternKeystroke::Kind::Backspace) key.savedCaret += 1;
  lastKey_ = PatternKeystroke::Kind::Character;  // a change without a key counts as typing
  lastCharacter_ = 0;

  analysis_ = CanonicalisePattern(ToCp1252(edit->text()), longestWord_, key);
  const QString canonical = FromCp1252(analysis_.pattern);
  if (edit->text() != canonical) {
    const QSignalBlocker block(edit);
    edit->setText(canonical);
  }
  edit->setCursorPosition(analysis_.caret);
  ApplyPatternRules();
}

void FilterDialog::ApplyPatternRules() {
  if (Searching()) return;
  if (analysis_.pattern.empty()) {
    lengths_->setEnabled(false);
    syllables_->setEnabled(false);
    return;
  }
  UpdateOptionBoxes();
  userChoice_ = false;
  const int minimum = analysis_.MinimumLength();
  // A chosen length below what the single jokers need is raised; a multi joker just typed frees
  // the length again.
  const int chosen = lengths_->currentRow();
  if (chosen > 0 && chosen + 1 < analysis_.lengthAtLastSingleJoker) {
    lengths_->setCurrentRow(analysis_.lengthAtLastSingleJoker - 1);
  }
  if (analysis_.multiJokerTyped) lengths_->setCurrentRow(0);
  lengths_->setEnabled(true);
  syllables_->setEnabled(true);
  if (!analysis_.HasMultiJoker()) {
    // Only words of the pattern's own length can match.
    lengths_->setCurrentRow(std::clamp(minimum - 1, 0, lengths_->count() - 1));
    lengths_->setEnabled(false);
  }
  userChoice_ = true;
}

void FilterDialog::UpdateOptionBoxes() {
  const PatternOptions allowed = AvailableOptions(analysis_, heterogram_->isChecked());
  diacritics_->setEnabled(allowed.distinguishDiacritics);
  onceSingle_->setEnabled(allowed.onceSingle);
  onceMulti_->setEnabled(allowed.onceMulti);
  heterogram_->setEnabled(allowed.heterogram);
  reversed_->setEnabled(allowed.reversed);
}

void FilterDialog::OnLengthChosen() {
  if (!userChoice_) return;
  userChoice_ = false;
  const int row = lengths_->currentRow();
  // No fewer letters than the pattern has.
  if (row > 0 && row + 1 < analysis_.MinimumLength()) lengths_->setCurrentRow(analysis_.MinimumLength() - 1);
  // One limit at a time.
  if (lengths_->currentRow() > 0) syllables_->setCurrentRow(0);
  syllables_->setEnabled(lengths_->currentRow() <= 0);
  userChoice_ = true;
}

void FilterDialog::OnSyllablesChosen() {
  if (!userChoice_) return;
  userChoice_ = false;
  if (syllables_->currentRow() > 0) {
    lengths_->setCurrentRow(0);
    lengths_->setEnabled(false);
  } else {
    lengths_->setEnabled(analysis_.HasMultiJoker());
  }
  userChoice_ = true;
}

void FilterDialog::OnDomainChanged() {
  // A search of the word tables always becomes the current list; of the current list, only when
  // asked.
  const bool fromList = domains_[5]->isChecked();
  keepAsNewList_->setEnabled(false);
  keepAsNewList_->setChecked(fromList ? keepChoice_ : true);
  keepAsNewList_->setEnabled(fromList && !Searching());
}

FilterQuery FilterDialog::Query() const {
  const auto counts = [](const QCheckBox* box) { return box->isEnabled() && box->isChecked(); };
  FilterQuery query;
  query.pattern = analysis_.pattern;
  query.maxLetters = lengths_->currentRow() > 0 ? lengths_->currentRow() + 1 : 0;
  query.maxSyllables = std::max(syllables_->currentRow(), 0);
  query.distinguishDiacritics = counts(diacritics_);
  query.onceSingle = counts(onceSingle_);
  query.onceMulti = counts(onceMulti_);
  query.heterogram = counts(heterogram_);
  query.reversed = counts(reversed_);
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    if (domains_[i]->isChecked()) query.domain = kDomains[i];
  }
  query.keepAsNewList = counts(keepAsNewList_);
  return query;
}

void FilterDialog::RunSearch() {
  const FilterQuery query = Query();
  host().SetStatusLine(StatusLine::Limit, "");
  const auto order = FrequencyOrder();
  if (!order) return;
  FilterResult result = RunGuarded(
      [&](GuiObserver& observer) { return FindFilteredWords(host().lexicon(), host().session(), query, observer); });
  if (*order) SortFilteredWordsByFrequency(result, **order);
  // The search may have made a current list and filled the display.
  domains_[5]->setEnabled(host().session().HasResultList());
  appendToDisplayed_->setEnabled(!host().ResultIsEmpty());
  OnDomainChanged();

  KeepFilterResult(result, host().session());
  if (!result.Accepted()) {
    if (result.refusal != FilterRefusal::NothingFound) patternBox_->setFocus();
    Refuse(result.message);
    return;
  }
  const QString searched = FromCp1252(result.analysis.pattern);
  if (patternBox_->findText(searched, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    const QSignalBlocker block(patternBox_->lineEdit());
    const QString shown = patternBox_->currentText();
    patternBox_->addItem(searched);
    patternBox_->setEditText(shown);
  }
  if (result.LimitReached()) host().SetStatusLine(StatusLine::Limit, kFilterCapMessage);
  host().SetStatusLine(StatusLine::Waiting, kFilterWaitingMessage);
  PublishResult(WriteFilterHeader(result), WriteFilterBlock(result), result.analysis.pattern);
  host().SetStatusLine(StatusLine::Waiting, "");
  appendToDisplayed_->setEnabled(true);
  domains_[5]->setEnabled(host().session().HasResultList());
}

}  // namespace tavilo
