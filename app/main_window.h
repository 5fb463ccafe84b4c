// frmMain: the program's permanent window. It shows the current result (RichTextBox1), offers
// the tools through the "&Outils" menu and Toolbar1, and the file, edit and help commands
// through the menus and tbToolBar. It hosts the tools (ToolHost) and owns the session.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <map>
#include <memory>

#include "app/app_state.h"
#include "app/gui_observer.h"
#include "app/tool_host.h"
#include "app/tool_registry.h"
#include "app/user_dialogs.h"
#include "core/session.h"

class QAction;
class QLabel;
class QProgressBar;
class QTextEdit;
class QToolBar;

namespace tavilo {

class ElidedLabel;
class HelpWindow;

class MainWindow : public QMainWindow, public ToolHost {
  Q_OBJECT

 public:
  // The lexicon must outlive the window. `dialogs` defaults to the desktop's real dialogs.
  MainWindow(const Lexicon& lexicon, ToolRegistry tools, std::unique_ptr<UserDialogs> dialogs = nullptr,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Where the help pages are (":/help" by default; tests point it elsewhere).
  void SetHelpRoot(const QString& root) { helpRoot_ = root; }

  // The commands, as the menus and tool bars run them.
  void OpenTool(ToolId id);
  void RunListing(ListingKind id);
  void OpenListFile();
  void SaveListAs();
  void PageSetup();
  void PrintList();
  void CopySelection();
  void SelectAll();
  void ShowHelpContents();
  void ShowHelpSearch();
  void ShowAbout();

  // Replaces the result document (as opening a file or a search does).
  void SetResultDocument(const Document& doc);
  QTextEdit* resultDisplay() const { return resultView_; }
  QPrinter& printer() { return printer_; }
  // The dialog of a tool, once it has been opened; null before.
  ToolDialog* toolDialog(ToolId id) const;

  // ToolHost
  const Lexicon& lexicon() const override { return lexicon_; }
  const FrequencyLoad& frequencies() override;
  bool commonWordsFirst() const override;
  Session& session() override { return session_; }
  AppState& state() override { return state_; }
  GuiObserver& observer() override { return observer_; }
  UserDialogs& dialogs() override { return *dialogs_; }
  QWidget* window() override { return this; }
  bool ResultIsEmpty() const override;
  Document ResultDocument() const override;
  std::uint64_t ResultRevision() const override { return revision_; }
  void PublishToolResult(ToolId tool, ToolResult result) override;
  void SetStatusLine(StatusLine line, std::string_view cp1252) override;
  void SetStatusBox(const Document& text) override;
  void SetNotes(const std::vector<std::string>& cp1252Lines) override;
  void FocusResultDisplay() override;
  void SetFileCommandsEnabled(bool enabled) override;
  void SetAuxiliaryWindow(QWidget* window, std::function<std::optional<SaveProposal>()> proposal) override;
  void SetAuxiliaryText(QTextEdit* text) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBars();
  void BuildCentralArea();
  void OnLoad();
  void OnTextChanged();
  void OnSelectionChanged();
  void SetSaveAndPrintEnabled(bool enabled);
  void SetCopyEnabled(bool enabled);
  // Shows a finished result (tool or listing): display, header labels, ToolKey, SansTitre.rtf.
  void Publish(const std::string& toolKey, ToolResult result);
  void SetHeaderLabels(const Document& header);
  void SaveUntitled(const Document& doc);
  // What the auxiliary tool window offers to save and print, when it is open and has a result.
  std::optional<SaveProposal> AuxiliaryProposal() const;
  double ScreenDpi() const;

  const Lexicon& lexicon_;
  std::optional<FrequencyLoad> frequencies_;  // read on first use
  ToolRegistry tools_;
  std::unique_ptr<UserDialogs> dialogs_;
  Session session_;
  AppState state_;
  GuiObserver observer_;
  QPrinter printer_;
  QString helpRoot_;
  std::uint64_t revision_ = 0;
  bool busy_ = false;
  bool closeAfterRun_ = false;

  std::map<ToolId, std::unique_ptr<ToolDialog>> toolDialogs_;
  std::map<ToolId, QAction*> toolMenuItems_;
  std::map<ToolId, QAction*> toolButtons_;
  std::map<ListingKind, QAction*> listingMenuItems_;
  QPointer<QWidget> auxiliaryWindow_;
  std::function<std::optional<SaveProposal>()> auxiliaryProposal_;
  QPointer<QTextEdit> auxiliaryText_;  // the auxiliary window's text, while Copy and Select all act on it
  QPointer<HelpWindow> helpWindow_;

  QAction* mnuFileOpen_ = nullptr;
  QAction* mnuFileSaveAs_ = nullptr;
  QAction* mnuFilePageSetup_ = nullptr;
  QAction* mnuFilePrint_ = nullptr;
  QAction* mnuFileExit_ = nullptr;
  QAction* mnuEditCopy_ = nullptr;
  QAction* mnuEditSelectAll_ = nullptr;
  QAction* mnuHelpContents_ = nullptr;
  QAction* mnuHelpSearch_ = nullptr;
  QAction* mnuHelpAbout_ = nullptr;
  QAction* mnuCommonWordsFirst_ = nullptr;  // "Mots courants en premier", checkable, kept in the settings
  QAction* btnOpen_ = nullptr;
  QAction* btnSave_ = nullptr;
  QAction* btnPrint_ = nullptr;
  QAction* btnCopy_ = nullptr;
  QToolBar* fileToolBar_ = nullptr;
  QToolBar* toolsToolBar_ = nullptr;

  QTextEdit* resultView_ = nullptr;
  QTextEdit* statusBox_ = nullptr;
  QLabel* titleLabel_ = nullptr;
  ElidedLabel* headerLabel_ = nullptr;
  ElidedLabel* headerMoreLabel_ = nullptr;
  QLabel* notesLabel_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QLabel* limitLabel_ = nullptr;
  QLabel* waitingLabel_ = nullptr;
  QProgressBar* progressBar_ = nullptr;  // the running search's progress, hidden otherwise
};

}  // namespace tavilo
