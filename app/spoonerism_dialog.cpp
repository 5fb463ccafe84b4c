#include "app/spoonerism_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTime>
#include <QVBoxLayout>

#include "app/gui_observer.h"
#include "app/qt_text.h"

namespace tavilo {
namespace {

constexpr SpoonerismMethod kMethods[] = {SpoonerismMethod::Normal, SpoonerismMethod::Reversed,
                                         SpoonerismMethod::Double, SpoonerismMethod::Child,
                                         SpoonerismMethod::Contrepetophile};
constexpr int kSecondsPerDay = 86400;

// The system timer in seconds since midnight.
int SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000; }

}  // namespace

SpoonerismDialog::SpoonerismDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::Spoonerism, parent) {
  setObjectName(QStringLiteral("frmCpt"));

  wordLabel_ = new QLabel(QStringLiteral("Entrez un mot «\u00A0contrepétophile\u00A0» :"), this);
  wordLabel_->setObjectName(QStringLiteral("Label1"));
  wordBox_ = new QComboBox(this);
  wordBox_->setObjectName(QStringLiteral("Combo1"));
  wordBox_->setEditable(true);
  wordBox_->setInsertPolicy(QComboBox::NoInsert);  // the history keeps the word as validated
  wordBox_->setMinimumWidth(220);
  wordLabel_->setBuddy(wordBox_);

  auto* swapGroup = new QGroupBox(QStringLiteral("Sons permutés"), this);
  auto* swapLayout = new QVBoxLayout(swapGroup);
  const QString swapCaptions[] = {QStringLiteral("Un phonème"), QStringLiteral("Un ou deux phonèmes"),
                                  QStringLiteral("Un, deux ou trois phonèmes")};
  for (std::size_t i = 0; i < swapLengths_.size(); ++i) {
    swapLengths_[i] = MakeOption(swapCaptions[i], QStringLiteral("Option%1").arg(i + 1), swapGroup);
    swapLayout->addWidget(swapLengths_[i]);
  }

  auto* kindGroup = new QGroupBox(QStringLiteral("Contrepèteries"), this);
  auto* kindLayout = new QVBoxLayout(kindGroup);
  classic_ = MakeOption(QStringLiteral("Classiques - Début des mots"), QStringLiteral("Option4"), kindGroup);
  decadent_ = MakeOption(QStringLiteral("Décadentes - Début ou milieu des mots"), QStringLiteral("Option5"), kindGroup);
  kindLayout->addWidget(classic_);
  kindLayout->addWidget(decadent_);

  auto* methodGroup = new QGroupBox(QStringLiteral("Méthode"), this);
  auto* methodLayout = new QVBoxLayout(methodGroup);
  const QString methodCaptions[] = {
      QStringLiteral("Normale  (Tabous dans le mot entré                   après permutation)"),
      QStringLiteral("Inversée  (Tabous dans le résultat                       après permutation)"),
      QStringLiteral("Double   (Tabous dans le mot entré                   et dans le résultat)"),
      QStringLiteral("Enfant  (Aucun mot tabou)"), QStringLiteral("Recherche des mots contrepétophiles")};
  for (std::size_t i = 0; i < methods_.size(); ++i) {
    methods_[i] = MakeOption(BreakAtSpaceRuns(methodCaptions[i]), QStringLiteral("Option%1").arg(i + 6), methodGroup);
    methodLayout->addWidget(methods_[i]);
  }
  mergeEe_ = MakeCheck(QStringLiteral("Confondre les sons «\u00A0é\u00A0» et «\u00A0è\u00A0»"), QStringLiteral("Check1"), methodGroup);
  methodLayout->addWidget(mergeEe_);

  domainGroup_ = new QGroupBox(QStringLiteral("Domaine du résultat"), this);
  auto* domainLayout = new QVBoxLayout(domainGroup_);
  const QString domainCaptions[] = {QStringLiteral("Noms"), QStringLiteral("Adjectifs"), QStringLiteral("Verbes"),
                                    QStringLiteral("Adverbes, pronoms, prépositions..."),
                                    QStringLiteral("Liste de recherche précédente          (Rimes, Lipogrammes, Mots filtrés,      'okapi', 'phokapi')")};
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    domains_[i] = MakeOption(domainCaptions[i], QStringLiteral("Option%1").arg(i + 11), domainGroup_);
    domainLayout->addWidget(domains_[i]);
  }
  keepAsNewList_ = MakeCheck(QStringLiteral("Conserver le résultat comme nouvelle liste"), QStringLiteral("Check2"), domainGroup_);
  appendToDisplayed_ = MakeCheck(QStringLiteral("Ajouter le résultat à la liste affichée"), QStringLiteral("Check3"), domainGroup_);
  domainLayout->addWidget(keepAsNewList_);
  domainLayout->addWidget(appendToDisplayed_);

  auto* buttons = MakeButtonColumn([this] { RunSearch(); }, wordBox_);
  SetWordBox(*wordBox_);
  auto* left = new QVBoxLayout;
  left->addWidget(wordLabel_);
  left->addWidget(wordBox_);
  left->addWidget(swapGroup);
  left->addWidget(kindGroup);
  left->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addLayout(left, 0, 0);
  grid->addWidget(methodGroup, 0, 1);
  grid->addLayout(buttons, 0, 2);
  grid->addWidget(domainGroup_, 1, 0, 1, 3);

  // The initial state; afterwards the options keep their values between openings.
  swapLengths_[0]->setChecked(true);
  SetSwapOptions(false, false);
  classic_->setChecked(true);
  methods_[0]->setChecked(true);
  mergeEe_->setChecked(true);
  domains_[0]->setChecked(true);
  keepAsNewList_->setEnabled(false);

  SetStandardControls(appendToDisplayed_, domains_[4], domains_[0]);

  for (QRadioButton* method : methods_) connect(method, &QRadioButton::clicked, this, &SpoonerismDialog::OnMethodClicked);
  connect(classic_, &QRadioButton::clicked, this, &SpoonerismDialog::OnKindClicked);
  connect(decadent_, &QRadioButton::clicked, this, &SpoonerismDialog::OnKindClicked);
  for (QRadioButton* domain : domains_) connect(domain, &QRadioButton::toggled, this, &SpoonerismDialog::UpdateKeepBox);
}

void SpoonerismDialog::OnOpening(const ToolOpening& opening) {
  if (opening.adjectivesMissing && domains_[1]->isChecked()) domains_[0]->setChecked(true);
  domains_[1]->setEnabled(!opening.adjectivesMissing);
}

bool SpoonerismDialog::PreviousListAllowed(const ToolOpening&) const {
  // Read from the session itself: a search made in the open dialog changes the current list.
  const Session& session = host().session();
  return session.HasResultList() && session.resultListKind != kSpoonerismListKind && !methods_[4]->isChecked();
}

void SpoonerismDialog::SetSwapOptions(bool two, bool three) {
  if (!three && swapLengths_[2]->isChecked()) (two ? swapLengths_[1] : swapLengths_[0])->setChecked(true);
  if (!two && swapLengths_[1]->isChecked()) swapLengths_[0]->setChecked(true);
  swapLengths_[1]->setEnabled(two);
  swapLengths_[2]->setEnabled(three);
}

void SpoonerismDialog::OnMethodClicked() {
  const bool decadent = decadent_->isChecked();
  if (methods_[0]->isChecked() || methods_[2]->isChecked()) {
    wordLabel_->setText(QStringLiteral("Entrez un mot «\u00A0contrepétophile\u00A0» :"));
    domainGroup_->setTitle(QStringLiteral("Domaine du résultat"));
    if (decadent) SetSwapOptions(true, true);
  } else if (methods_[1]->isChecked()) {
    wordLabel_->setText(QStringLiteral("Entrez un mot :"));
    domainGroup_->setTitle(QStringLiteral("Domaine"));
    if (decadent) SetSwapOptions(true, false);
  } else if (methods_[3]->isChecked()) {
    wordLabel_->setText(QStringLiteral("Entrez un mot :"));
    domainGroup_->setTitle(QStringLiteral("Domaine"));
    swapLengths_[0]->setChecked(true);
    SetSwapOptions(false, false);
  } else {
    wordLabel_->setText(QStringLiteral("Entrez un mot «\u00A0TABOU\u00A0» :"));
    if (decadent) SetSwapOptions(true, true);
  }
  UpdatePreviousListOption();
}

void SpoonerismDialog::OnKindClicked() {
  if (classic_->isChecked()) {
    swapLengths_[0]->setChecked(true);
    SetSwapOptions(false, false);
  } else if (methods_[3]->isChecked()) {
    SetSwapOptions(false, false);
  } else if (methods_[1]->isChecked()) {
    SetSwapOptions(true, false);
  } else {
    SetSwapOptions(true, true);
  }
}

void SpoonerismDialog::UpdateKeepBox() { keepAsNewList_->setEnabled(domains_[4]->isChecked()); }

SpoonerismQuery SpoonerismDialog::Query() const {
  SpoonerismQuery query;
  query.typed = ToCp1252(wordBox_->currentText());
  for (std::size_t i = 0; i < swapLengths_.size(); ++i) {
    if (swapLengths_[i]->isChecked()) query.swapLength = static_cast<int>(i) + 1;
  }
  query.decadent = decadent_->isChecked();
  for (std::size_t i = 0; i < methods_.size(); ++i) {
    if (methods_[i]->isChecked()) query.method = kMethods[i];
  }
  query.mergeEe = mergeEe_->isChecked();
  for (std::size_t i = 0; i < domains_.size(); ++i) {
    if (domains_[i]->isChecked()) query.domain = static_cast<SearchDomain>(i + 1);
  }
  query.keepAsNewList = keepAsNewList_->isEnabled() && keepAsNewList_->isChecked();
  return query;
}

void SpoonerismDialog::RunSearch() {
  const int start = SecondsSinceMidnight();
  const SpoonerismQuery query = Query();
  const std::pair<int, int> keys = SpoonerismSearchKeys(query);

  std::string word;
  if (const SpoonerismRefusal refusal = PrepareSpoonerismWord(query.typed, word); refusal != SpoonerismRefusal::None) {
    // The engine composes the message of the refusal (it stops before the lookup).
    const SpoonerismResult refused = FindSpoonerisms(host().lexicon(), host().session(), query);
    if (refusal == SpoonerismRefusal::Empty) {
      wordBox_->clearEditText();
      wordBox_->setFocus();
    }
    Refuse(refused.message);
    return;
  }
  if (FoldForRepeat(word) == FoldForRepeat(lastWord_) && keys == lastKeys_ &&
      host().ResultRevision() == lastRevision_) {
    Refuse(RepeatedSearchMessage());
    return;
  }

  const auto order = FrequencyOrder();
  if (!order) return;
  host().SetNotes({});
  SpoonerismResult result = RunGuarded([&](GuiObserver& observer) {
    return FindSpoonerisms(host().lexicon(), host().session(), query, observer, [&](SpoonerismStage stage) {
      switch (stage) {
        case SpoonerismStage::Phase1:
          host().SetStatusLine(StatusLine::Count, "Phase 1");
          break;
        case SpoonerismStage::Phase2:
          host().SetStatusBox(SpoonerismWaitingText(query.method, query.swapLength));
          host().SetStatusLine(StatusLine::Count, "Phase 2");
          break;
        case SpoonerismStage::Done:
          host().SetStatusBox(Document());
          break;
      }
    });
  });

  if (*order) SortSpoonerismsByFrequency(result, **order);
  if (result.validated) wordBox_->setEditText(FromCp1252(result.word));
  if (result.rememberWord) RememberInBox(*wordBox_, result.word);
  KeepSpoonerismResult(result, host().session());
  UpdatePreviousListOption();
  if (!result.Accepted()) {
    host().SetStatusLine(StatusLine::Count, "");
    // Stopped before anything was found: the user asked for it, there is nothing to tell.
    if (result.stopped) return;
    if (result.clearWordBox) wordBox_->clearEditText();
    if (result.refusal == SpoonerismRefusal::NotValidated) {
      RefuseTypedWord(result.message);
    } else {
      Refuse(result.message);
    }
    // After a search that ran to its end and found nothing, the user is back on the display.
    if (result.refusal == SpoonerismRefusal::NothingFound) host().FocusResultDisplay();
    return;
  }

  int elapsed = SecondsSinceMidnight() - start;
  if (elapsed < 0) elapsed += kSecondsPerDay;  // midnight passed
  host().SetStatusLine(StatusLine::Count, std::to_string(result.foundCount));
  PublishResult(WriteSpoonerismHeader(result, elapsed), WriteSpoonerismBlocks(result), result.word);
  host().SetNotes(SpoonerismNotes(result));

  lastWord_ = result.word;
  lastKeys_ = keys;
  lastRevision_ = host().ResultRevision();
}

}  // namespace tavilo
