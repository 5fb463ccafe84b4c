#include "app/anagram_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "core/frequency_order.h"
#include "core/text.h"

namespace tavilo {
namespace {

const QString kPlaceholder = QStringLiteral("Entrez une suite de lettres");

QLabel* Label(const QString& text, QWidget* parent, const char* name = nullptr) {
  auto* label = new QLabel(text, parent);
  if (name) label->setObjectName(QString::fromLatin1(name));
  return label;
}

QComboBox* NumberList(const char* name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  return list;
}

int Value(const QComboBox* list, int fallback) {
  bool ok = false;
  const int v = list->currentText().toInt(&ok);
  return ok ? v : fallback;
}

void Fill(QComboBox* list, int last, int selected) {
  const QSignalBlocker block(list);
  list->clear();
  for (int n = 1; n <= std::max(1, last); ++n) list->addItem(QString::number(n));
  list->setCurrentIndex(std::clamp(selected, 1, std::max(1, last)) - 1);
}

void Select(QComboBox* list, int value) {
  const int at = list->findText(QString::number(value));
  if (at >= 0) list->setCurrentIndex(at);
}

// The letters of a class that are not among `letters`.
std::string Missing(std::string_view alphabet, std::string_view letters) {
  std::string out;
  for (char c : alphabet) {
    if (letters.find(c) == std::string_view::npos) out += c;
  }
  return out;
}

}  // namespace

// Feeds the automatic window as the search goes, and carries Pause, Continuer and Stop (through
// the dialog's GuiObserver) back to the engine. Lines are gathered and written in batches: one
// insertion per event-processing pause instead of one per group.
class AutoSearchObserver : public AnagramObserver {
 public:
  // `hold`: the groups are ranked once all are found (most common words first), so none is shown
  // as it comes; the dialog hands them over sorted afterwards.
  AutoSearchObserver(AnagramDialog& dialog, bool jokers, bool hold)
      : dialog_(dialog), window_(dialog.autoWindow_), jokers_(jokers), hold_(hold) {
    sinceFlush_.start();
  }

  void OnGroup(const AnagramGroup& group) override {
    if (!hold_) Show(group);
  }
  void Show(const AnagramGroup& group) {
    pending_ += GroupLine(group, jokers_);
    pending_ += '\n';
  }
  void SetCount(long count) override {
    if (window_) window_->SetCount(count);
  }
  bool Yield() override {
    if (sinceFlush_.elapsed() >= GuiObserver::kEventIntervalMs) Flush();
    const bool go = dialog_.autoObserver_.Yield();
    return go && window_;
  }
  std::optional<AnagramSettings> ResumedSettings() override {
    if (!dialog_.resumed_) return std::nullopt;
    dialog_.resumed_ = false;
    return dialog_.Settings();
  }
  std::chrono::steady_clock::duration PausedTime() const override { return dialog_.pausedTotal_; }

  void Flush() {
    if (window_) window_->AppendLines(pending_);
    pending_.clear();
    sinceFlush_.restart();
  }

 private:
  AnagramDialog& dialog_;
  QPointer<AnagramAutoWindow> window_;
  bool jokers_;
  bool hold_;
  std::string pending_;
  QElapsedTimer sinceFlush_;
};

AnagramDialog::AnagramDialog(ToolHost& host, QWidget* parent) : ToolDialog(host, ToolId::Anagram, parent) {
  setObjectName(QStringLiteral("frmAna"));
  const QFont courier(QStringLiteral("Courier New"), 10);

  lettersBox_ = new QComboBox(this);
  lettersBox_->setObjectName(QStringLiteral("Combo1"));
  lettersBox_->setEditable(true);
  lettersBox_->setInsertPolicy(QComboBox::NoInsert);
  lettersBox_->setFont(courier);
  lettersBox_->setMinimumWidth(420);
  lettersBox_->addItem(FromCp1252(host.state().anagramPreset));
  lettersBox_->setCurrentIndex(-1);
  auto* lettersLabel = Label(QStringLiteral("Entrez des mots quelconques ou une suite de lettres :"), this);
  lettersLabel->setBuddy(lettersBox_);

  auto* methodFrame = new QGroupBox(QStringLiteral("Méthode"), this);
  autoOption_ = new QRadioButton(QStringLiteral("Automatique   Plusieurs mots"), methodFrame);
  autoOption_->setObjectName(QStringLiteral("Auto"));
  manualOption_ = new QRadioButton(QStringLiteral("Manuelle   Un mot + lettres restantes"), methodFrame);
  manualOption_->setObjectName(QStringLiteral("Manuel"));
  manualOption_->setChecked(true);
  wholeBaseCheck_ = new QCheckBox(QStringLiteral("Recherche dans la base complète  (traitement plus long)"), methodFrame);
  wholeBaseCheck_->setObjectName(QStringLiteral("Check2"));
  auto* methodLayout = new QVBoxLayout(methodFrame);
  methodLayout->addWidget(autoOption_);
  methodLayout->addWidget(manualOption_);
  methodLayout->addWidget(wholeBaseCheck_);

  settingsFrame_ = new QGroupBox(QStringLiteral("Automatique - Réglages"), this);
  settingsFrame_->setObjectName(QStringLiteral("FrameReglages"));
  imposedBox_ = new QLineEdit(settingsFrame_);
  imposedBox_->setObjectName(QStringLiteral("MotImpose"));
  imposedBox_->setFont(courier);
  forbiddenBox_ = new QLineEdit(settingsFrame_);
  forbiddenBox_->setObjectName(QStringLiteral("MotInterdit"));
  forbiddenBox_->setFont(courier);
  noAcronymsCheck_ = new QCheckBox(QStringLiteral("Sigles et acronymes interdits"), settingsFrame_);
  noAcronymsCheck_->setObjectName(QStringLiteral("Check1"));
  minWordsList_ = NumberList("MotMin", settingsFrame_);
  maxWordsList_ = NumberList("MotMax", settingsFrame_);
  minLengthList_ = NumberList("LongMin", settingsFrame_);
  maxLengthList_ = NumberList("LongMax", settingsFrame_);
  minWordsUnit_ = Label(QStringLiteral("mots"), settingsFrame_, "lblMotMinUnit");
  maxWordsUnit_ = Label(QStringLiteral("mots"), settingsFrame_, "lblMotMaxUnit");
  minLengthUnit_ = Label(QStringLiteral("lettres"), settingsFrame_, "lblLongMinUnit");
  maxLengthUnit_ = Label(QStringLiteral("lettres"), settingsFrame_, "lblLongMaxUnit");
  levelSlider_ = new QSlider(Qt::Horizontal, settingsFrame_);
  levelSlider_->setObjectName(QStringLiteral("ProfRech"));
  levelSlider_->setRange(1, 4);
  levelSlider_->setPageStep(1);
  levelSlider_->setTickPosition(QSlider::TicksBelow);
  levelSlider_->setTickInterval(1);
  levelSlider_->setValue(4);
  levelLabel_ = Label(QStringLiteral("Niveau de recherche "), settingsFrame_, "lblNiveau");
  maxWordsLabel_ = Label(QStringLiteral("Nombre maximum de mots "), settingsFrame_, "lblMotMax");
  forbiddenLabel_ = Label(QStringLiteral("Mot(s) interdit(s) en sortie"), settingsFrame_, "lblMotInterdit");
  maxLengthLabel_ = Label(QStringLiteral("Longueur maximum des mots "), settingsFrame_, "lblLongMax");

  auto* settings = new QGridLayout(settingsFrame_);
  settings->addWidget(Label(QStringLiteral("Mot(s) imposé(s)"), settingsFrame_), 0, 0);
  settings->addWidget(Label(QStringLiteral("(espace entre les mots)"), settingsFrame_), 0, 1);
  settings->addWidget(imposedBox_, 1, 0, 1, 3);
  settings->addWidget(forbiddenLabel_, 2, 0);
  settings->addWidget(Label(QStringLiteral("(espace entre les mots)"), settingsFrame_), 2, 1);
  settings->addWidget(forbiddenBox_, 3, 0, 1, 3);
  settings->addWidget(noAcronymsCheck_, 4, 0, 1, 3);
  const struct {
    QLabel* caption;
    QComboBox* list;
    QLabel* unit;
  } rows[] = {{Label(QStringLiteral("Nombre minimum de mots "), settingsFrame_), minWordsList_, minWordsUnit_},
              {maxWordsLabel_, maxWordsList_, maxWordsUnit_},
              {Label(QStringLiteral("Longueur minimum des mots "), settingsFrame_), minLengthList_, minLengthUnit_},
              {maxLengthLabel_, maxLengthList_, maxLengthUnit_}};
  int row = 5;
  for (const auto& r : rows) {
    settings->addWidget(r.caption, row, 0);
    settings->addWidget(r.list, row, 1);
    settings->addWidget(r.unit, row, 2);
    ++row;
  }
  auto* levelBox = new QGridLayout;
  levelBox->addWidget(Label(QStringLiteral("Mini"), settingsFrame_), 0, 0);
  levelBox->addWidget(levelSlider_, 0, 1);
  levelBox->addWidget(Label(QStringLiteral("Maxi"), settingsFrame_), 0, 2);
  levelBox->addWidget(Label(QStringLiteral("1      2       3      4"), settingsFrame_), 1, 1, Qt::AlignHCenter);
  settings->addWidget(levelLabel_, row, 0);
  settings->addLayout(levelBox, row, 1, 1, 2);

  auto* details = new QGroupBox(QStringLiteral("Détails"), this);
  totalLabel_ = Label(QString(), details, "lblTotal");
  toSearchCountLabel_ = Label(QString(), details, "lblNombreACherher");
  toSearchLabel_ = Label(QString(), details, "lblLettresACherher");
  toSearchLabel_->setFont(courier);
  imposedCountLabel_ = Label(QString(), details, "lblMotsImposes");
  lipogramLabel_ = Label(QString(), details, "lblLipogramme");
  auto* detailsLayout = new QVBoxLayout(details);
  for (QLabel* label : {totalLabel_, toSearchCountLabel_, toSearchLabel_, imposedCountLabel_, lipogramLabel_}) {
    label->setTextFormat(Qt::PlainText);
    detailsLayout->addWidget(label);
  }
  detailsLayout->addStretch();
  details->setMinimumWidth(330);
  // The dialog keeps its width while the user types: the details ask for no width of their own
  // (the frame is wide enough for the longest), and each unit label is as wide as its plural.
  for (QLabel* label : {totalLabel_, toSearchCountLabel_, toSearchLabel_, imposedCountLabel_, lipogramLabel_})
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  for (QLabel* unit : {minWordsUnit_, maxWordsUnit_, minLengthUnit_, maxLengthUnit_})
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(unit->text()));

  continueButton_ = new QPushButton(QStringLiteral("Continuer"), this);
  continueButton_->setObjectName(QStringLiteral("ContButton"));
  continueButton_->setEnabled(false);
  auto* buttons = MakeButtonColumn([this] { RunSearch(); }, nullptr, {continueButton_});

  auto* grid = new QGridLayout(this);
  grid->addWidget(lettersLabel, 0, 0, 1, 2);
  grid->addWidget(Label(QStringLiteral("(entre 3 et 50 lettres maximum)"), this), 0, 2);
  grid->addWidget(lettersBox_, 1, 0, 1, 3);
  grid->addWidget(Label(QStringLiteral("Joker : ? = toute lettre     § = voyelle     ! = consonne"), this), 2, 0, 1, 3);
  grid->addWidget(methodFrame, 3, 0, 1, 2);
  grid->addWidget(details, 3, 2, 2, 1);
  grid->addWidget(settingsFrame_, 4, 0, 1, 2);
  grid->addLayout(buttons, 0, 3, 5, 1);

  connect(lettersBox_, &QComboBox::editTextChanged, this, &AnagramDialog::OnLettersChanged);
  SetWordBox(*lettersBox_);
  connect(imposedBox_, &QLineEdit::textChanged, this, &AnagramDialog::OnImposedChanged);
  connect(autoOption_, &QRadioButton::toggled, this, &AnagramDialog::UpdateMethodControls);
  for (QComboBox* list : {minWordsList_, maxWordsList_, minLengthList_, maxLengthList_})
    connect(list, &QComboBox::currentIndexChanged, this, &AnagramDialog::UpdateUnitLabels);
  connect(maxLengthList_, &QComboBox::activated, this, &AnagramDialog::OnMaxLengthChosen);
  connect(continueButton_, &QPushButton::clicked, this, &AnagramDialog::Continue);

  RefreshDetails();
  RefillLists();
  UpdateMethodControls();
  SetPausedLook(false);
}

AnagramDialog::~AnagramDialog() {
  // The main window is going (it owns this dialog and the automatic window): a search still
  // running ends at its next yield, and the window goes with the main window.
  autoObserver_.RequestStop();
}

void AnagramDialog::OnOpening(const ToolOpening& opening) {
  if (opening.wasActive) return;
  // A fresh start: the invitation in the letter box (not read as letters), no imposed word,
  // the manual method.
  {
    const QSignalBlocker block(lettersBox_);
    lettersBox_->setEditText(kPlaceholder);
  }
  lettersBox_->lineEdit()->selectAll();
  letters_ = {};
  imposedBox_->clear();
  manualOption_->setChecked(true);
  AnalyzeImposed();
}

void AnagramDialog::OnLettersChanged() {
  if (rewriting_) return;
  rewriting_ = true;
  QLineEdit* edit = lettersBox_->lineEdit();
  const QString typed = edit->text();
  const int caret = edit->cursorPosition();
  letters_ = AnalyzeAnagramLetters(ToCp1252(typed));
  const QString accepted = FromCp1252(letters_.accepted);
  if (accepted != typed) {
    const int kept = static_cast<int>(FromCp1252(AnalyzeAnagramLetters(ToCp1252(typed.left(caret))).accepted).size());
    edit->setText(accepted);
    edit->setCursorPosition(std::min(kept, static_cast<int>(accepted.size())));
  }
  rewriting_ = false;
  AnalyzeImposed();
}

void AnagramDialog::OnImposedChanged() {
  if (rewriting_) return;
  AnalyzeImposed();
}

// The imposed words against the letters: the field rewritten, the letters to search, the labels
// and the lists.
void AnagramDialog::AnalyzeImposed() {
  rewriting_ = true;
  const QString typed = imposedBox_->text();
  const int caret = imposedBox_->cursorPosition();
  imposed_ = AnalyzeImposedWords(ToCp1252(typed), letters_.lettersToSearch);
  const QString shown = FromCp1252(imposed_.field);
  if (shown != typed) {
    const int kept =
        static_cast<int>(FromCp1252(AnalyzeImposedWords(ToCp1252(typed.left(caret)), letters_.lettersToSearch).field).size());
    imposedBox_->setText(shown);
    imposedBox_->setCursorPosition(std::min(kept, static_cast<int>(shown.size())));
  }
  rewriting_ = false;
  RefreshDetails();
  RefillLists();
  UpdateMethodControls();
}

int AnagramDialog::LettersAndJokers() const {
  return static_cast<int>(imposed_.lettersToSearch.size()) + letters_.JokerTotal();
}

int AnagramDialog::LongestKey() const {
  return std::max(1, static_cast<int>(host().lexicon().anagramIndex.LengthStart().size()) - 1);
}

void AnagramDialog::RefreshDetails() {
  const std::string jokers = std::string(static_cast<std::size_t>(letters_.jokerAny), '?') +
                             std::string(static_cast<std::size_t>(letters_.jokerVowel), '\xA7') +
                             std::string(static_cast<std::size_t>(letters_.jokerConsonant), '!');
  totalLabel_->setText(QStringLiteral("Nombre total de lettres : %1").arg(letters_.letterCount));
  toSearchCountLabel_->setText(QStringLiteral("Nombre de lettres à chercher : %1").arg(LettersAndJokers()));
  // Up to 50 letters without a space: cut into lines so the frame keeps its width.
  const QString toSearch = FromCp1252(imposed_.lettersToSearch + jokers);
  QString lines = QStringLiteral("Lettres à chercher :");
  for (qsizetype at = 0; at < toSearch.size(); at += 25) lines += QLatin1Char('\n') + toSearch.mid(at, 25);
  toSearchLabel_->setText(lines);
  imposedCountLabel_->setText(QStringLiteral("Nombre de mots imposés : %1").arg(imposed_.wordCount));
  lipogramLabel_->setText(QStringLiteral("Lipogramme en : ") +
                          FromCp1252(Missing("aeiouy", letters_.lettersToSearch) + "/" +
                                     Missing("bcdfghjklmnpqrstvwxz", letters_.lettersToSearch)));
}

void AnagramDialog::RefillLists() {
  const int n = LettersAndJokers();
  const int longest = std::max(1, std::min(n, LongestKey()));
  const AnagramSettings defaults = DefaultAnagramSettings(n, LongestKey(), imposed_.wordCount);
  const int mostWords = imposed_.wordCount + std::min(kAnagramMaxDepth, std::max(1, n));
  Fill(minWordsList_, mostWords, defaults.minWords);
  Fill(maxWordsList_, mostWords, defaults.maxWords);
  Fill(minLengthList_, longest, defaults.minLength);
  Fill(maxLengthList_, longest, defaults.maxLength);
  levelSlider_->setValue(defaults.level);
  UpdateUnitLabels();
}

void AnagramDialog::UpdateUnitLabels() {
  minWordsUnit_->setText(minWordsList_->currentText() == QStringLiteral("1") ? QStringLiteral("mot") : QStringLiteral("mots"));
  maxWordsUnit_->setText(maxWordsList_->currentText() == QStringLiteral("1") ? QStringLiteral("mot") : QStringLiteral("mots"));
  minLengthUnit_->setText(minLengthList_->currentText() == QStringLiteral("1") ? QStringLiteral("lettre")
                                                                        : QStringLiteral("lettres"));
  maxLengthUnit_->setText(maxLengthList_->currentText() == QStringLiteral("1") ? QStringLiteral("lettre")
                                                                        : QStringLiteral("lettres"));
}

void AnagramDialog::OnMaxLengthChosen() {
  AnagramSettings settings = Settings();
  // The longest candidate: of the last manual pass when it serves these letters, of the whole
  // dictionary with the complete base.
  int longest = LongestKey();
  if (!(wholeBaseCheck_->isEnabled() && wholeBaseCheck_->isChecked()) && candidates_.Covers(SortLetters(imposed_.lettersToSearch)))
    longest = std::max(1, static_cast<int>(candidates_.lengthStart.size()) - 1);
  CoupleMaxLength(settings, LettersAndJokers(), longest, imposed_.wordCount);
  Select(maxLengthList_, settings.maxLength);
  Select(minWordsList_, settings.minWords);
}

void AnagramDialog::UpdateMethodControls() {
  // The complete base matters only to jokers.
  const bool jokers = letters_.JokerTotal() > 0;
  if (!jokers) wholeBaseCheck_->setChecked(false);
  wholeBaseCheck_->setEnabled(jokers && !Searching());
  settingsFrame_->setEnabled(autoOption_->isChecked());
}

AnagramSettings AnagramDialog::Settings() const {
  AnagramSettings settings;
  settings.minWords = Value(minWordsList_, 1);
  settings.maxWords = Value(maxWordsList_, settings.minWords);
  settings.minLength = Value(minLengthList_, 1);
  settings.maxLength = Value(maxLengthList_, kMaxWordLength);
  settings.level = levelSlider_->value();
  settings.noAcronyms = noAcronymsCheck_->isChecked();
  settings.forbidden = ParseForbiddenWords(ToCp1252(forbiddenBox_->text()));
  return settings;
}

void AnagramDialog::RememberEntry() {
  const QString entry = lettersBox_->currentText().trimmed();
  if (entry.isEmpty() || lettersBox_->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return;
  const QSignalBlocker block(lettersBox_);
  const QString shown = lettersBox_->currentText();
  const int caret = lettersBox_->lineEdit()->cursorPosition();
  lettersBox_->addItem(entry);
  lettersBox_->setEditText(shown);
  lettersBox_->lineEdit()->setCursorPosition(caret);
}

void AnagramDialog::RunSearch() {
  const std::string refusal =
      ValidateAnagramInput(static_cast<int>(imposed_.lettersToSearch.size()), letters_.JokerTotal());
  if (!refusal.empty()) {
    Refuse(refusal);
    return;
  }
  RememberEntry();
  if (autoOption_->isChecked()) RunAutomatic();
  else RunManual();
}

void AnagramDialog::RunManual() {
  const auto order = FrequencyOrder();
  if (!order) return;
  ManualResult manual = RunGuarded([&](GuiObserver& observer) {
    return ListCandidates(host().lexicon().anagramIndex, imposed_.lettersToSearch, letters_, observer);
  });
  if (*order) SortManualByFrequency(manual, **order);
  candidates_ = std::move(manual.candidates);
  if (manual.count == 0) {
    Refuse(NothingFoundMessage(letters_.enteredText));
    return;
  }
  ToolResult result;
  result.header = WriteAnagramHeader("Manuel", letters_.enteredText, letters_.letterCount, false, manual.count,
                                     manual.elapsed);
  result.block = WriteManualBlock(manual);
  result.fileSuffix = imposed_.lettersToSearch;
  PublishResult(std::move(result));
  host().SetNotes({std::string(DoubleClickNote())});
  manualRevision_ = host().ResultRevision();
}

void AnagramDialog::RunAutomatic() {
  const auto order = FrequencyOrder();
  if (!order) return;
  // The groups are searched among the candidates of the last manual pass; when it was made for
  // other letters, a manual pass over these letters builds them first.
  const std::string sorted = SortLetters(imposed_.lettersToSearch);
  const AnagramIndex& index = host().lexicon().anagramIndex;
  if (!candidates_.Covers(sorted)) candidates_ = ListCandidates(index, imposed_.lettersToSearch, letters_).candidates;
  const bool jokers = letters_.JokerTotal() > 0;
  const AnagramRows source = jokers && wholeBaseCheck_->isChecked() ? AllRows(index) : candidates_.View();

  AnagramQuery query = MakeAnagramQuery(letters_, imposed_);
  query.settings = Settings();

  const bool newWindow = !autoWindow_;
  if (newWindow) {
    autoWindow_ = new AnagramAutoWindow(host(), host().window());
    connect(autoWindow_, &AnagramAutoWindow::pauseClicked, this, &AnagramDialog::Pause);
    connect(autoWindow_, &AnagramAutoWindow::stopClicked, this, &AnagramDialog::StopSearch);
    // A closed window is deleted once control is back in the main event loop, which may be after
    // the next search has started: it is forgotten at once, and the next search opens a new one.
    connect(autoWindow_, &AnagramAutoWindow::closing, this, [this] {
      StopSearch();
      autoWindow_ = nullptr;
    });
  }
  std::string header = AutoWindowHeader(imposed_.field, imposed_.lettersToSearch, query.settings.level,
                                        letters_.enteredText, letters_.letterCount);
  if (*order) (header += '\n') += kFrequencyOrderLine;
  autoWindow_->StartSearch(FromCp1252(header), jokers);
  autoWindow_->show();
  if (newWindow) PlaceAutoWindow();
  autoWindow_->raise();
  hide();

  paused_ = resumed_ = false;
  pausedTotal_ = {};
  // The search is followed in its own window, with its own Pause and Stop: no wait cursor.
  BeginSearch(autoObserver_, false);
  SetSearchingLook(true);
  AutoSearchObserver observer(*this, query.JokerTotal() > 0, *order != nullptr);
  running_ = &observer;
  AutoResult result = SearchGroups(source, query, observer);
  running_ = nullptr;
  if (*order) {
    SortGroupsByFrequency(result, **order);
    for (const AnagramGroup& group : result.groups) observer.Show(group);
  }
  observer.Flush();
  EndSearch();
  SetPausedLook(false);
  SetSearchingLook(false);

  if (!autoWindow_) return;  // closed during the search: nothing to show
  const AnagramSettings used = Settings();
  Document saved = WriteGroupLines(result);
  Document savedHeader = WriteAnagramHeader(std::to_string(used.level), letters_.enteredText, letters_.letterCount, true,
                                            static_cast<long>(result.groups.size()), result.elapsed);
  if (*order) AddFrequencyOrderLine(savedHeader);
  saved.InsertHeader(savedHeader);
  const QString params = FromCp1252((imposed_.prefix.empty() ? "" : Trim(imposed_.prefix) + "_") + imposed_.lettersToSearch) +
                         QStringLiteral("_%1_%2-%3_%4-%5")
                             .arg(used.level)
                             .arg(used.minWords)
                             .arg(used.maxWords)
                             .arg(used.minLength)
                             .arg(used.maxLength);
  autoWindow_->SetCapped(result.capped);
  autoWindow_->FinishSearch(saved, QStringLiteral("Listes/Ana_") + params,
                            QStringLiteral("Tavilo - Anagrammes - Automatique - ") + params);
  if (result.groups.empty() && !result.stopped) Refuse(NothingFoundMessage(letters_.enteredText));
}

void AnagramDialog::PlaceAutoWindow() {
  // Beside the main window, on the screen. The window is placed once shown, at the size its
  // header asks for; its frame may not be known yet: the main window's stands in for it, so that
  // the frame does not reach past the screen's edge.
  const QRect main = host().window()->frameGeometry();
  const QSize frame = main.size() - host().window()->size();
  QPoint at = main.topRight() + QPoint(8, 0);
  if (const QScreen* screen = host().window()->screen()) {
    // A small gap at the screen's edge, as beside the main window.
    const QRect room = screen->availableGeometry().adjusted(0, 0, -8, 0);
    // Narrower rather than over the main window, while the groups still fit.
    if (const int space = room.right() + 1 - at.x() - frame.width(); space >= 480 && space < autoWindow_->width())
      autoWindow_->resize(std::max(space, autoWindow_->minimumWidth()), autoWindow_->height());
    const QSize outer = autoWindow_->size() + frame;
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
  }
  autoWindow_->move(at);
}

void AnagramDialog::Pause() {
  if (!Searching() || paused_) return;
  paused_ = true;
  pauseStart_ = std::chrono::steady_clock::now();
  if (running_) running_->Flush();  // everything found so far is shown while paused
  if (autoWindow_) autoWindow_->SetPaused(true);
  SetPausedLook(true);
  show();
  raise();
  autoObserver_.SetPaused(true);
}

void AnagramDialog::Continue() {
  if (!paused_) return;
  paused_ = false;
  pausedTotal_ += std::chrono::steady_clock::now() - pauseStart_;
  resumed_ = true;
  SetPausedLook(false);
  hide();
  if (autoWindow_) {
    autoWindow_->SetPaused(false);
    autoWindow_->raise();
    autoWindow_->activateWindow();
  }
  autoObserver_.SetPaused(false);
}

void AnagramDialog::StopSearch() {
  if (!Searching()) return;
  Continue();
  autoObserver_.RequestStop();
}

void AnagramDialog::reject() {
  // Closing the dialog while a search is paused lets the search go on.
  if (paused_) {
    Continue();
    return;
  }
  ToolDialog::reject();
}

void AnagramDialog::OnDisplayDoubleClicked(const std::string& selected) {
  if (Searching() || !manualRevision_ || host().ResultRevision() != *manualRevision_) return;
  const std::string word = Trim(selected);
  if (word.empty() || !IsLetter(static_cast<unsigned char>(word[0]))) return;
  imposedBox_->setText(FromCp1252(word));
  autoOption_->setChecked(true);
  levelSlider_->setValue(LevelForLetters(static_cast<int>(imposed_.lettersToSearch.size()) + letters_.jokerAny));
  OnOk();
}

void AnagramDialog::SetSearchingLook(bool searching) {
  for (QWidget* w : std::initializer_list<QWidget*>{lettersBox_, autoOption_, manualOption_, imposedBox_, minWordsList_, minLengthList_})
    w->setEnabled(!searching);
  wholeBaseCheck_->setEnabled(!searching && letters_.JokerTotal() > 0);
  for (QWidget* w : std::initializer_list<QWidget*>{levelSlider_, maxWordsList_, forbiddenBox_, maxLengthList_, noAcronymsCheck_, levelLabel_,
                                                    maxWordsLabel_, forbiddenLabel_, maxLengthLabel_})
    w->setEnabled(!searching);
}

void AnagramDialog::SetPausedLook(bool paused) {
  const QString colour = paused ? QStringLiteral("color: rgb(255, 0, 0)") : QString();
  for (QWidget* w : std::initializer_list<QWidget*>{levelLabel_, maxWordsLabel_, forbiddenLabel_, maxLengthLabel_, noAcronymsCheck_}) {
    w->setStyleSheet(colour);
  }
  if (Searching()) {
    for (QWidget* w : std::initializer_list<QWidget*>{levelSlider_, maxWordsList_, forbiddenBox_, maxLengthList_, noAcronymsCheck_, levelLabel_,
                                                      maxWordsLabel_, forbiddenLabel_, maxLengthLabel_})
      w->setEnabled(paused);
  }
  continueButton_->setEnabled(paused);
}

}  // namespace tavilo
