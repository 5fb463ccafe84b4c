// What the main window offers the tools it hosts. A tool dialog (tool_dialog.h) or a listing
// (tool_registry.h) reaches the lexicon, the current list, the result document and the main
// window's labels only through this interface.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/session.h"

class QTextEdit;
class QWidget;

namespace tavilo {

class GuiObserver;
class UserDialogs;

// A finished result, handed to the main window to show.
struct ToolResult {
  // The result lines, as the tool's block writer wrote them.
  Document block;
  // The header: shown in the main window's header labels (first line, then the rest) and
  // inserted at the very top of the result document, followed by two line breaks.
  Document header;
  // "Ajouter le résultat à la liste affichée": append the block to the displayed result
  // instead of replacing it.
  bool append = false;
  // ToolFileSuffix: the word or pattern searched (Windows-1252), used in the proposed file
  // name. Ignored for listings.
  std::string fileSuffix;

  // A one-line header in one format: 9 points red unless said otherwise. Text in Windows-1252.
  static Document HeaderLine(std::string_view cp1252, Rgb color = {255, 0, 0}, int halfPoints = 18);
};

// The main window's status lines under the display.
enum class StatusLine {
  Count,    // Label2: the live count, "Phase 1", ...
  Limit,    // Label3: "La recherche s'arrête à 15000 mots maximum !!!"
  Waiting,  // Label4: "            Tri et chargement de la liste… Patientez…"
};

// What "Enregistrer la liste sous..." saves when a tool's own result window holds a result
// (the automatic-anagram window): its document, the proposed name (relative to the working
// directory) and the file dialog's title.
struct SaveProposal {
  Document document;
  QString proposedName;
  QString dialogTitle;
};

class ToolHost {
 public:
  virtual ~ToolHost() = default;

  virtual const Lexicon& lexicon() const = 0;
  // How common each word is (core/frequency.h): read from the data folder on the first call
  // and kept; when the file is missing or malformed, `error` says so and the rest works.
  virtual const FrequencyLoad& frequencies() = 0;
  // "Mots courants en premier" is checked in the Outils menu: every tool lists the words of each
  // group most common first, and its header says so.
  virtual bool commonWordsFirst() const = 0;
  // ResultList and ResultListKind. A search that keeps its result refills them itself.
  virtual Session& session() = 0;
  // ActiveTool, ToolKey, ToolFileSuffix, LoadedFileName and the word-box presets.
  virtual AppState& state() = 0;
  // Reports to the main window's count label (Label2); dialogs with labels of their own make
  // a GuiObserver of their own.
  virtual GuiObserver& observer() = 0;
  // Message boxes and modal windows (so tests can answer them).
  virtual UserDialogs& dialogs() = 0;
  // The main window, as parent of message boxes and tool windows.
  virtual QWidget* window() = 0;

  // The result document (RichTextBox1).
  virtual bool ResultIsEmpty() const = 0;
  virtual Document ResultDocument() const = 0;
  // Grows by one at every change of the result document, by a tool or by the user.
  virtual std::uint64_t ResultRevision() const = 0;

  // Shows a dialog tool's finished result: the block replaces the result document (or is
  // appended to it), the header goes on top and into the header labels, ToolKey and the tool's
  // ToolFileSuffix are set, the document is saved as "Listes/SansTitre.rtf" and the window title
  // becomes "Tavilo - SansTitre.rtf".
  virtual void PublishToolResult(ToolId tool, ToolResult result) = 0;

  // The main window's status lines and the status box under the display (RichTextBox3, hidden
  // when empty), and the note lines shown under the result (hidden when none; every published
  // result clears them, so a tool sets its notes after PublishToolResult). Text in Windows-1252.
  virtual void SetStatusLine(StatusLine line, std::string_view cp1252) = 0;
  virtual void SetStatusBox(const Document& text) = 0;
  virtual void SetNotes(const std::vector<std::string>& cp1252Lines) = 0;
  // Gives the result display the keyboard focus; behind a modal dialog it has it once the
  // dialog is closed.
  virtual void FocusResultDisplay() = 0;

  // Enables or disables Save as, Print and Select all (menu items and buttons), for a tool
  // window whose text those commands act on while it has the focus.
  virtual void SetFileCommandsEnabled(bool enabled) = 0;

  // A window of a tool that lives beside the main window (the automatic-anagram window). It is
  // closed whenever a tool is opened; while it is open, `proposal` (when set) may supply what
  // Save as saves and Print prints. Pass nullptr to forget it.
  virtual void SetAuxiliaryWindow(QWidget* window, std::function<std::optional<SaveProposal>()> proposal) = 0;
  // The auxiliary window's text got the focus (or its selection changed): Copy and Select all
  // act on it, and Copy is enabled exactly when it has a selection, until the result display
  // gets the focus back. nullptr when the window goes.
  virtual void SetAuxiliaryText(QTextEdit* text) { (void)text; }
};

}  // namespace tavilo
