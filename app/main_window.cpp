#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/document_bridge.h"
#include "app/elided_label.h"
#include "app/help_window.h"
#include "app/icons.h"
#include "app/list_files.h"
#include "app/printing.h"
#include "app/qt_text.h"
#include "app/settings.h"
#include "core/text.h"

// The help pages are compiled into the static library; its resources must be registered by hand.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace tavilo {
namespace {

IconKind IconOf(ToolId id) {
  switch (id) {
    case ToolId::Spoonerism: return IconKind::Spoonerism;
    case ToolId::Phrase: return IconKind::Phrase;
    case ToolId::Rhyme: return IconKind::Rhyme;
    case ToolId::WordRhyme: return IconKind::WordRhyme;
    case ToolId::Anaphone: return IconKind::Anaphone;
    case ToolId::Anagram: return IconKind::Anagram;
    case ToolId::Lipogram: return IconKind::Lipogram;
    case ToolId::Filter: return IconKind::Filter;
  }
  return IconKind::Program;
}

QAction* NewAction(QObject* parent, const char* objectName, const QString& text) {
  auto* action = new QAction(text, parent);
  action->setObjectName(QString::fromUtf8(objectName));
  return action;
}

QString LabelColorStyle(const Document& header) {
  for (const Paragraph& paragraph : header.paragraphs())
    if (!paragraph.runs.empty()) {
      const Rgb c = paragraph.runs.front().format.color;
      return QStringLiteral("color: rgb(%1, %2, %3);").arg(c.red).arg(c.green).arg(c.blue);
    }
  return {};
}

}  // namespace

MainWindow::MainWindow(const Lexicon& lexicon, ToolRegistry tools, std::unique_ptr<UserDialogs> dialogs,
                       QWidget* parent)
    : QMainWindow(parent),
      lexicon_(lexicon),
      tools_(std::move(tools)),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<DesktopDialogs>()),
      helpRoot_(QStringLiteral(":/help")) {
  InitHelpResources();
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kProgramTitle);
  setWindowIcon(MakeIcon(IconKind::Program));
  BuildCentralArea();
  BuildMenus();
  BuildToolBars();
  observer_.SetLabels(countLabel_, countLabel_);
  observer_.SetProgressBar(progressBar_);
  SetDefaultPrintMargins(printer_);
  resize(980, 660);
  OnLoad();
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------------------------------------
// Building the window

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();

  QMenu* file = bar->addMenu(QStringLiteral("&Fichier"));
  file->setObjectName(QStringLiteral("mnuFile"));
  mnuFileOpen_ = NewAction(this, "mnuFileOpen", QStringLiteral("&Ouvrir..."));
  mnuFileSaveAs_ = NewAction(this, "mnuFileSaveAs", QStringLiteral("Enregistrer la liste &sous..."));
  mnuFilePageSetup_ = NewAction(this, "mnuFilePageSetup", QStringLiteral("&Configuration de l'impression..."));
  mnuFilePrint_ = NewAction(this, "mnuFilePrint", QStringLiteral("&Imprimer la liste..."));
  mnuFileExit_ = NewAction(this, "mnuFileExit", QStringLiteral("&Quitter"));
  file->addActions({mnuFileOpen_, mnuFileSaveAs_, mnuFilePageSetup_, mnuFilePrint_, mnuFileExit_});
  // The keys every desktop program gives these commands, shown in the menus.
  mnuFileOpen_->setShortcut(QKeySequence::Open);
  mnuFileSaveAs_->setShortcut(QKeySequence::Save);
  mnuFilePrint_->setShortcut(QKeySequence::Print);
  // Windows has no standard key to quit, and Qt none for its key scheme: Ctrl+Q, as elsewhere.
  const QKeySequence quit(QKeySequence::Quit);
  mnuFileExit_->setShortcut(quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit);
  connect(mnuFileOpen_, &QAction::triggered, this, &MainWindow::OpenListFile);
  connect(mnuFileSaveAs_, &QAction::triggered, this, &MainWindow::SaveListAs);
  connect(mnuFilePageSetup_, &QAction::triggered, this, &MainWindow::PageSetup);
  connect(mnuFilePrint_, &QAction::triggered, this, &MainWindow::PrintList);
  connect(mnuFileExit_, &QAction::triggered, this, &QWidget::close);

  QMenu* edit = bar->addMenu(QStringLiteral("&Édition"));
  edit->setObjectName(QStringLiteral("mnuEdit"));
  mnuEditCopy_ = NewAction(this, "mnuEditCopy", QStringLiteral("Co&pier"));
  mnuEditSelectAll_ = NewAction(this, "mnuEditSelectAll", QStringLiteral("&Tout sélectionner"));
  edit->addActions({mnuEditCopy_, mnuEditSelectAll_});
  mnuEditCopy_->setShortcut(QKeySequence::Copy);
  mnuEditSelectAll_->setShortcut(QKeySequence::SelectAll);
  connect(mnuEditCopy_, &QAction::triggered, this, &MainWindow::CopySelection);
  connect(mnuEditSelectAll_, &QAction::triggered, this, &MainWindow::SelectAll);

  QMenu* toolsMenu = bar->addMenu(QStringLiteral("&Outils"));
  toolsMenu->setObjectName(QStringLiteral("mnuCmp"));
  // The menu ends with a separator, which Qt would otherwise hide.
  toolsMenu->setSeparatorsCollapsible(false);
  for (const ToolsMenuEntry& entry : ToolsMenuLayout()) {
    switch (entry.kind) {
      case ToolsMenuEntry::Kind::Separator:
        toolsMenu->addSeparator();
        break;
      case ToolsMenuEntry::Kind::Tool: {
        const ToolInfo& info = InfoOf(entry.tool);
        QAction* item = NewAction(this, info.menuName, FromUtf8(info.caption));
        toolsMenu->addAction(item);
        toolMenuItems_[entry.tool] = item;
        const ToolId id = entry.tool;
        connect(item, &QAction::triggered, this, [this, id] { OpenTool(id); });
        break;
      }
      case ToolsMenuEntry::Kind::Listing: {
        const ListingInfo& info = InfoOf(entry.listing);
        QAction* item = NewAction(this, info.menuName, FromUtf8(info.caption));
        toolsMenu->addAction(item);
        listingMenuItems_[entry.listing] = item;
        const ListingKind id = entry.listing;
        connect(item, &QAction::triggered, this, [this, id] { RunListing(id); });
        break;
      }
    }
  }

  // One order for every tool, after the tools and the listings it applies to.
  mnuCommonWordsFirst_ = NewAction(this, "mnuCommonWordsFirst", QStringLiteral("Mot&s courants en premier"));
  mnuCommonWordsFirst_->setCheckable(true);
  mnuCommonWordsFirst_->setChecked(LoadCommonWordsFirst());
  toolsMenu->addAction(mnuCommonWordsFirst_);
  connect(mnuCommonWordsFirst_, &QAction::toggled, this, [](bool on) { SaveCommonWordsFirst(on); });

  QMenu* help = bar->addMenu(QStringLiteral("&?"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  mnuHelpContents_ = NewAction(this, "mnuHelpContents", QStringLiteral("&Sommaire"));
  mnuHelpSearch_ = NewAction(this, "mnuHelpSearchForHelpOn", QStringLiteral("Ai&de sur..."));
  mnuHelpAbout_ = NewAction(this, "mnuHelpAbout", QStringLiteral("À &propos de Tavilo..."));
  help->addActions({mnuHelpContents_, mnuHelpSearch_, mnuHelpAbout_});
  mnuHelpContents_->setShortcut(QKeySequence::HelpContents);
  connect(mnuHelpContents_, &QAction::triggered, this, &MainWindow::ShowHelpContents);
  connect(mnuHelpSearch_, &QAction::triggered, this, &MainWindow::ShowHelpSearch);
  connect(mnuHelpAbout_, &QAction::triggered, this, &MainWindow::ShowAbout);
}

void MainWindow::BuildToolBars() {
  fileToolBar_ = addToolBar(QStringLiteral("Fichier"));
  fileToolBar_->setObjectName(QStringLiteral("tbToolBar"));
  fileToolBar_->setIconSize(QSize(24, 24));
  const auto button = [this](const char* key, IconKind icon, const QString& tip) {
    QAction* action = NewAction(this, key, tip);
    action->setIcon(MakeIcon(icon));
    action->setToolTip(tip);
    fileToolBar_->addAction(action);
    return action;
  };
  btnOpen_ = button("Open", IconKind::Open, QStringLiteral("Ouvrir"));
  btnSave_ = button("Save", IconKind::Save, QStringLiteral("Enregistrer la liste"));
  btnPrint_ = button("Print", IconKind::Print, QStringLiteral("Imprimer la liste"));
  btnCopy_ = button("Copy", IconKind::Copy, QStringLiteral("Copier"));
  connect(btnOpen_, &QAction::triggered, this, &MainWindow::OpenListFile);
  connect(btnSave_, &QAction::triggered, this, &MainWindow::SaveListAs);
  connect(btnPrint_, &QAction::triggered, this, &MainWindow::PrintList);
  connect(btnCopy_, &QAction::triggered, this, &MainWindow::CopySelection);

  toolsToolBar_ = addToolBar(QStringLiteral("Outils"));
  toolsToolBar_->setObjectName(QStringLiteral("Toolbar1"));
  toolsToolBar_->setIconSize(QSize(24, 24));
  for (const ToolInfo& info : AllTools()) {
    QAction* action = NewAction(this, info.buttonKey, FromUtf8(info.name));
    action->setIcon(MakeIcon(IconOf(info.id)));
    action->setToolTip(FromUtf8(info.name));
    action->setCheckable(true);
    toolsToolBar_->addAction(action);
    toolButtons_[info.id] = action;
    const ToolId id = info.id;
    connect(action, &QAction::triggered, this, [this, id] { OpenTool(id); });
  }
}

void MainWindow::BuildCentralArea() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 6, 8, 4);
  layout->setSpacing(4);

  titleLabel_ = new QLabel(QStringLiteral("Liste du résultat"), central);
  titleLabel_->setObjectName(QStringLiteral("Label1"));
  QFont bold = titleLabel_->font();
  bold.setBold(true);
  titleLabel_->setFont(bold);

  // The header lines are often wider than the window may be made: they are cut with "…", the
  // whole text in their tooltip, and never set the window's minimum width.
  const auto headerLabel = [central](const char* name) {
    auto* label = new ElidedLabel(central);
    label->setObjectName(QString::fromLatin1(name));
    label->setVisible(false);
    return label;
  };
  headerLabel_ = headerLabel("lblHeader");
  headerMoreLabel_ = headerLabel("lblHeader2");

  resultView_ = new QTextEdit(central);
  resultView_->setObjectName(QStringLiteral("RichTextBox1"));
  resultView_->setAcceptRichText(true);
  resultView_->setLineWrapMode(QTextEdit::NoWrap);
  resultView_->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
  // A tab stop every half inch (at 96 dots per inch): a block without stops of its own, such as
  // an opened text file, keeps its tab-separated columns apart.
  resultView_->setTabStopDistance(48);
  resultView_->viewport()->installEventFilter(this);
  resultView_->installEventFilter(this);
  connect(resultView_, &QTextEdit::textChanged, this, &MainWindow::OnTextChanged);
  connect(resultView_, &QTextEdit::selectionChanged, this, &MainWindow::OnSelectionChanged);

  notesLabel_ = new QLabel(central);
  notesLabel_->setObjectName(QStringLiteral("lblNotes"));
  notesLabel_->setTextFormat(Qt::PlainText);
  notesLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  notesLabel_->setVisible(false);

  statusBox_ = new QTextEdit(central);
  statusBox_->setObjectName(QStringLiteral("RichTextBox3"));
  statusBox_->setReadOnly(true);
  statusBox_->setFixedHeight(statusBox_->fontMetrics().lineSpacing() * 3 + 12);
  statusBox_->setVisible(false);

  layout->addWidget(titleLabel_);
  layout->addWidget(headerLabel_);
  layout->addWidget(headerMoreLabel_);
  layout->addWidget(resultView_, 1);
  layout->addWidget(notesLabel_);
  layout->addWidget(statusBox_);
  setCentralWidget(central);

  const auto statusLabel = [this](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
  };
  countLabel_ = statusLabel("Label2");
  limitLabel_ = statusLabel("Label3");
  waitingLabel_ = statusLabel("Label4");
  statusBar()->addWidget(countLabel_, 1);
  statusBar()->addWidget(limitLabel_, 1);
  statusBar()->addWidget(waitingLabel_, 2);
  // The search's progress, at the right end; the observer shows it while a search runs.
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
  progressBar_->setFixedWidth(220);
  statusBar()->addPermanentWidget(progressBar_);
}

// The load handler.
void MainWindow::OnLoad() {
  for (const auto& [id, item] : toolMenuItems_) {
    item->setEnabled(tools_.HasDialog(id));
    toolButtons_[id]->setEnabled(tools_.HasDialog(id));
  }
  for (const auto& [id, item] : listingMenuItems_) item->setEnabled(tools_.HasListing(id));
  if (lexicon_.adjectivesMissing) listingMenuItems_[ListingKind::Palindromes]->setEnabled(false);

  state_.activeTool.reset();

  const WindowPositionTwips stored = LoadMainPosition();
  QPoint position = TwipsToPixels(stored, ScreenDpi());
  // A position left on a screen that is gone would hide the window: fall back to the default.
  if (const QScreen* screen = QGuiApplication::primaryScreen();
      screen && !screen->availableVirtualGeometry().contains(position))
    position = TwipsToPixels(WindowPositionTwips{}, ScreenDpi());
  move(position);

  SetSaveAndPrintEnabled(false);
  SetCopyEnabled(false);
}

// ---------------------------------------------------------------------------------------------
// Command enabling

void MainWindow::SetSaveAndPrintEnabled(bool enabled) {
  mnuFileSaveAs_->setEnabled(enabled);
  mnuFilePrint_->setEnabled(enabled);
  btnSave_->setEnabled(enabled);
  btnPrint_->setEnabled(enabled);
}

void MainWindow::SetCopyEnabled(bool enabled) {
  mnuEditCopy_->setEnabled(enabled);
  btnCopy_->setEnabled(enabled);
}

void MainWindow::OnTextChanged() {
  ++revision_;
  mnuEditSelectAll_->setEnabled(true);
  SetSaveAndPrintEnabled(true);
  SetCopyEnabled(false);
}

void MainWindow::OnSelectionChanged() {
  const bool selected = resultView_->textCursor().hasSelection();
  SetCopyEnabled(selected);
  if (state_.activeTool)
    if (ToolDialog* dialog = toolDialog(*state_.activeTool)) {
      QString text = resultView_->textCursor().selectedText();
      text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
      dialog->OnDisplaySelectionChanged(ToCp1252(text));
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == resultView_ && event->type() == QEvent::FocusIn && auxiliaryText_) {
    // The display has the focus again: Copy and Select all are its own.
    auxiliaryText_ = nullptr;
    SetCopyEnabled(resultView_->textCursor().hasSelection());
  }
  if (watched == resultView_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // The display selects the word first; the active tool sees the selection afterwards.
    QTimer::singleShot(0, this, [this] {
      if (!state_.activeTool) return;
      if (ToolDialog* dialog = toolDialog(*state_.activeTool))
        dialog->OnDisplayDoubleClicked(ToCp1252(resultView_->textCursor().selectedText()));
    });
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Tool dispatch

ToolDialog* MainWindow::toolDialog(ToolId id) const {
  const auto it = toolDialogs_.find(id);
  return it == toolDialogs_.end() ? nullptr : it->second.get();
}

void MainWindow::OpenTool(ToolId id) {
  QAction* button = toolButtons_[id];
  if (busy_ || !tools_.HasDialog(id)) {
    button->setChecked(false);
    return;
  }
  // 1. The tool's button is pressed (and only it).
  for (const auto& [other, otherButton] : toolButtons_) otherButton->setChecked(other == id);

  std::unique_ptr<ToolDialog>& dialog = toolDialogs_[id];
  if (!dialog) dialog = tools_.CreateDialog(id, *this, this);

  // 2 to 5: the dialog's own reset and the common enabling.
  ToolOpening opening;
  opening.wasActive = state_.IsActive(id);
  opening.resultIsEmpty = ResultIsEmpty();
  opening.hasPreviousList = session_.HasResultList();
  opening.previousListKind = session_.resultListKind;
  opening.adjectivesMissing = lexicon_.adjectivesMissing;
  // 7. The font of the tool's result text.
  opening.resultFont = InfoOf(id).resultFont;
  dialog->PrepareOpening(opening);

  // 6. This tool becomes the active one; a tool window left open is closed.
  state_.activeTool = id;
  if (auxiliaryWindow_) auxiliaryWindow_->close();

  // 8. Modal.
  dialogs_->RunModal(*dialog);
  button->setChecked(false);
}

void MainWindow::RunListing(ListingKind id) {
  const ListingRun* run = tools_.Listing(id);
  if (busy_ || run == nullptr) return;
  const ListingInfo& info = InfoOf(id);

  // The listing runs on this thread and processes events as it goes: keep the commands away.
  busy_ = true;
  menuBar()->setEnabled(false);
  fileToolBar_->setEnabled(false);
  toolsToolBar_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  observer_.Reset();
  ListingContext context{lexicon_, session_, observer_, *this, info.resultFont};
  std::optional<ToolResult> result = (*run)(context);
  observer_.Finish();
  QApplication::restoreOverrideCursor();
  menuBar()->setEnabled(true);
  fileToolBar_->setEnabled(true);
  toolsToolBar_->setEnabled(true);
  busy_ = false;

  if (result && !observer_.StopRequested()) Publish(info.toolKey, std::move(*result));
  SetStatusLine(StatusLine::Waiting, {});
  if (closeAfterRun_) close();
}

void MainWindow::PublishToolResult(ToolId tool, ToolResult result) {
  state_.toolFileSuffix[tool] = result.fileSuffix;
  Publish(InfoOf(tool).toolKey, std::move(result));
}

void MainWindow::Publish(const std::string& toolKey, ToolResult result) {
  // The notes of the last result (the anagram tool's double-click hint, the spoonerism marks) do
  // not describe this one: a tool that has notes for it sets them once it is published.
  SetNotes({});
  Document doc;
  if (result.append && !ResultIsEmpty()) {
    doc = ResultDocument();
    if (!doc.paragraphs().back().runs.empty()) doc.AppendParagraphBreak();
    // The new header goes on top with the others; the appended block also starts with it, so
    // that a reader sees where each search begins.
    if (!result.header.empty()) {
      doc.Append(result.header);
      doc.AppendParagraphBreak();
      doc.AppendParagraphBreak();
    }
  }
  doc.Append(result.block);
  if (!result.header.empty()) doc.InsertHeader(result.header);
  SetResultDocument(doc);
  SetHeaderLabels(result.header);
  state_.toolKey = toolKey;
  state_.loadedFileName.clear();
  SaveUntitled(doc);
  setWindowTitle(kProgramTitle + QStringLiteral(" - ") + QString::fromLatin1(kUntitledName));
}

void MainWindow::SetHeaderLabels(const Document& header) {
  const QString text = FromUtf8(WritePlainText(header));
  const qsizetype firstBreak = text.indexOf(QLatin1Char('\n'));
  const QString first = firstBreak < 0 ? text : text.left(firstBreak);
  const QString rest = firstBreak < 0 ? QString() : text.mid(firstBreak + 1);
  const QString style = LabelColorStyle(header);
  headerLabel_->SetWholeText(first);
  headerLabel_->setStyleSheet(style);
  headerLabel_->setVisible(!first.isEmpty());
  headerMoreLabel_->SetWholeText(rest);
  headerMoreLabel_->setStyleSheet(style);
  headerMoreLabel_->setVisible(!rest.isEmpty());
}

void MainWindow::SaveUntitled(const Document& doc) {
  if (const auto error = SaveUntitledList(doc)) dialogs_->Warning(this, kProgramTitle, error->Message());
}

// ---------------------------------------------------------------------------------------------
// The result document and the main window's labels

bool MainWindow::commonWordsFirst() const { return mnuCommonWordsFirst_->isChecked(); }

const FrequencyLoad& MainWindow::frequencies() {
  if (!frequencies_) frequencies_ = LoadWordFrequencies(lexicon_.dataDirectory);
  return *frequencies_;
}

bool MainWindow::ResultIsEmpty() const { return resultView_->document()->isEmpty(); }

Document MainWindow::ResultDocument() const { return ReadTextDocument(*resultView_->document()); }

void MainWindow::SetResultDocument(const Document& doc) { FillTextDocument(doc, *resultView_->document()); }

void MainWindow::SetStatusLine(StatusLine line, std::string_view cp1252) {
  QLabel* label = line == StatusLine::Count ? countLabel_ : line == StatusLine::Limit ? limitLabel_ : waitingLabel_;
  label->setText(FromCp1252(cp1252));
  label->repaint();
}

void MainWindow::SetStatusBox(const Document& text) {
  FillTextDocument(text, *statusBox_->document());
  statusBox_->setVisible(!text.empty());
}

void MainWindow::SetNotes(const std::vector<std::string>& cp1252Lines) {
  QStringList lines;
  for (const std::string& line : cp1252Lines) lines.append(FromCp1252(line));
  notesLabel_->setText(lines.join(QLatin1Char('\n')));
  notesLabel_->setVisible(!lines.isEmpty());
}

void MainWindow::FocusResultDisplay() { resultView_->setFocus(); }

void MainWindow::SetFileCommandsEnabled(bool enabled) {
  SetSaveAndPrintEnabled(enabled);
  mnuEditSelectAll_->setEnabled(enabled);
}

std::optional<SaveProposal> MainWindow::AuxiliaryProposal() const {
  if (!auxiliaryWindow_ || !auxiliaryWindow_->isVisible() || !auxiliaryProposal_) return std::nullopt;
  return auxiliaryProposal_();
}

void MainWindow::SetAuxiliaryText(QTextEdit* text) {
  auxiliaryText_ = text;
  SetCopyEnabled(text ? text->textCursor().hasSelection() : resultView_->textCursor().hasSelection());
}

void MainWindow::SetAuxiliaryWindow(QWidget* window, std::function<std::optional<SaveProposal>()> proposal) {
  auxiliaryWindow_ = window;
  auxiliaryProposal_ = window ? std::move(proposal) : nullptr;
}

// ---------------------------------------------------------------------------------------------
// File commands

void MainWindow::OpenListFile() {
  if (busy_) return;
  QString selected = QStringLiteral("Tous les fichiers (*.*)");
  const QString name = dialogs_->OpenFileName(
      this, QStringLiteral("Tavilo - Ouvrir une liste"), ListsDirectory().value_or(QString()),
      QStringLiteral("Tous les fichiers (*.*);;Fichiers texte brut (*.txt);;Fichiers texte enrichi RTF (*.rtf)"),
      &selected);
  if (name.isEmpty()) return;
  const ListFileResult file = LoadListFile(name);
  if (file.error) {
    dialogs_->Warning(this, kProgramTitle, file.error->Message());
    return;
  }
  SetResultDocument(file.document);
  state_.activeTool.reset();
  state_.toolKey.clear();
  state_.loadedFileName = name;
  SetHeaderLabels(Document());
  // The count and notes of the last search do not describe the opened file.
  for (QLabel* status : {countLabel_, limitLabel_, waitingLabel_}) status->clear();
  SetNotes({});
  setWindowTitle(kProgramTitle + QStringLiteral(" - ") + QFileInfo(name).fileName());
  SetSaveAndPrintEnabled(true);
}

void MainWindow::SaveListAs() {
  if (busy_) return;
  Document doc;
  QString proposed;
  QString title = kProgramTitle + QStringLiteral(" - Enregistrer la liste sous");
  std::optional<SaveProposal> auxiliary = AuxiliaryProposal();
  if (auxiliary) {
    doc = std::move(auxiliary->document);
    proposed = QDir::toNativeSeparators(auxiliary->proposedName);
    title = auxiliary->dialogTitle;
  } else {
    doc = ResultDocument();
    proposed = ProposedSaveName(state_);
  }
  ListsDirectory();  // the dialog opens in it, so it must exist
  const QString rtfFilter = QStringLiteral("Fichiers texte enrichi RTF (*.rtf)");
  QString selected = rtfFilter;
  QString name = dialogs_->SaveFileName(
      this, title, QDir::toNativeSeparators(QDir::current().absoluteFilePath(QDir::fromNativeSeparators(proposed))),
      QStringLiteral("Fichiers texte brut (*.txt);;") + rtfFilter, &selected);
  if (name.isEmpty()) return;
  // A name typed without any extension takes the one of the selected type.
  if (!QFileInfo(name).fileName().contains(QLatin1Char('.')))
    name += selected == rtfFilter ? QStringLiteral(".rtf") : QStringLiteral(".txt");
  if (const auto error = SaveListFile(doc, name)) dialogs_->Warning(this, kProgramTitle, error->Message());
}

void MainWindow::PageSetup() {
  if (busy_) return;
  dialogs_->PageSetup(this, printer_);
}

void MainWindow::PrintList() {
  if (busy_) return;
  if (!dialogs_->PrintSetup(this, printer_)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (const std::optional<SaveProposal> auxiliary = AuxiliaryProposal()) {
    QTextDocument text;
    text.setDefaultFont(resultView_->document()->defaultFont());
    FillTextDocument(auxiliary->document, text);
    PrintToFit(text, printer_);
  } else {
    PrintToFit(*resultView_->document(), printer_);
  }
  QApplication::restoreOverrideCursor();
}

void MainWindow::CopySelection() {
  if (auxiliaryText_ && auxiliaryWindow_ && auxiliaryWindow_->isVisible()) {
    if (!auxiliaryText_->textCursor().hasSelection()) return;
    QApplication::clipboard()->clear();
    auxiliaryText_->copy();
    return;
  }
  if (!resultView_->textCursor().hasSelection()) return;
  QApplication::clipboard()->clear();
  resultView_->copy();
}

void MainWindow::SelectAll() {
  if (auxiliaryText_ && auxiliaryWindow_ && auxiliaryWindow_->isVisible()) {
    auxiliaryText_->selectAll();
    SetCopyEnabled(auxiliaryText_->textCursor().hasSelection());
  } else {
    resultView_->selectAll();
  }
}

// ---------------------------------------------------------------------------------------------
// Help and about

void MainWindow::ShowHelpContents() {
  if (!HelpAvailable(helpRoot_)) {
    dialogs_->Information(this, kProgramTitle, QStringLiteral("Désolé, pas encore d'aide associée à ce programme."));
    return;
  }
  if (!helpWindow_) helpWindow_ = new HelpWindow(helpRoot_, this);
  helpWindow_->ShowContents();
  helpWindow_->show();
  helpWindow_->raise();
}

void MainWindow::ShowHelpSearch() {
  if (!HelpAvailable(helpRoot_)) {
    dialogs_->Information(this, kProgramTitle,
                          QStringLiteral("Désolé, pas encore de rubrique d'aide pour ce programme."));
    return;
  }
  if (!helpWindow_) helpWindow_ = new HelpWindow(helpRoot_, this);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->ShowSearch();
}

void MainWindow::ShowAbout() {
  QDialog about(this);
  about.setObjectName(QStringLiteral("frmAbout"));
  about.setWindowTitle(QStringLiteral("À propos de Tavilo"));
  auto* layout = new QVBoxLayout(&about);
  auto* icon = new QLabel;
  icon->setPixmap(MakeIcon(IconKind::Program).pixmap(64, 64));
  auto* name = new QLabel(QStringLiteral("<b style='font-size:18pt'>Tavilo</b><br>Version %1")
                              .arg(QString::fromLatin1(Version())));
  auto* text = new QLabel(QStringLiteral(
      "<p>Une boîte à outils de jeux de mots pour la langue française : contrepèteries, rimes, "
      "anaphones, anagrammes, lipogrammes, mots filtrés et listages de mots remarquables.</p>"
      "<p><b>Licence.</b> Tavilo est un logiciel libre : vous pouvez le redistribuer et le modifier "
      "selon les termes de la licence publique générale GNU (GPL), version 3 ou (à votre choix) "
      "toute version ultérieure. Il est distribué sans aucune garantie.</p>"
      "<p><b>Dictionnaire.</b> Le dictionnaire de Tavilo est construit à partir de données libres :</p>"
      "<ul>"
      "<li>les prononciations de <i>Lexique 3</i> (B. New, C. Pallier et al., lexique.org), "
      "distribuées par Prosodylab-Aligner, sous licence CC BY-SA 4.0 ;</li>"
      "<li>les formes fléchies et catégories du dictionnaire français de <i>Grammalecte</i> "
      "(Dicollecte), sous licence MPL 2.0 ;</li>"
      "<li>les fréquences de mots de <i>wordfreq</i> (R. Speer), sous licence CC BY-SA 4.0.</li>"
      "</ul>"
      "<p>Le dictionnaire qui en résulte est distribué sous licence CC BY-SA 4.0.</p>"));
  text->setWordWrap(true);
  text->setTextFormat(Qt::RichText);
  text->setMinimumWidth(460);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
  auto* top = new QHBoxLayout;
  top->addWidget(icon);
  top->addWidget(name, 1);
  layout->addLayout(top);
  layout->addWidget(text);
  layout->addWidget(buttons);
  dialogs_->RunModal(about);
}

// ---------------------------------------------------------------------------------------------
// Unload

void MainWindow::closeEvent(QCloseEvent* event) {
  if (busy_) {
    // A listing is running: stop it, and close once it has returned.
    observer_.RequestStop();
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (!isMinimized()) SaveMainPosition(PixelsToTwips(pos(), ScreenDpi()));
  if (auxiliaryWindow_) auxiliaryWindow_->close();
  if (helpWindow_) helpWindow_->close();
  QApplication::restoreOverrideCursor();
  event->accept();
}

double MainWindow::ScreenDpi() const {
  const QScreen* current = screen() ? screen() : QGuiApplication::primaryScreen();
  return current ? current->logicalDotsPerInch() : 96.0;
}

}  // namespace tavilo
