// frmCpt, "Tavilo - Contrepèteries": collects a word and the options of a spoonerism search, keeps
// the options coupled as the methods require, runs the spoonerism engine and hands its blocks to
// the main window. The dialog stays open after a search and after a refusal; "Fermer" hides it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "app/tool_dialog.h"
#include "engines/spoonerism/spoonerism.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace tavilo {

class SpoonerismDialog : public ToolDialog {
  Q_OBJECT

 public:
  SpoonerismDialog(ToolHost& host, QWidget* parent = nullptr);

  // The options as they stand, read into the engine's query.
  SpoonerismQuery Query() const;

  // "OK", or Enter in the word box: the checks, the search, its refusal or its result.
  void RunSearch();

 protected:
  // Disables "Adjectifs" when the adjectives are missing; every other option keeps its value.
  void OnOpening(const ToolOpening& opening) override;
  // The current list is offered unless it holds spoonerisms or the contrepétophile search is chosen.
  bool PreviousListAllowed(const ToolOpening& opening) const override;

 private:
  void OnMethodClicked();
  void OnKindClicked();
  void UpdateKeepBox();
  void SetSwapOptions(bool two, bool three);

  QLabel* wordLabel_;
  QComboBox* wordBox_;                             // Combo1, with the words searched so far
  std::array<QRadioButton*, 3> swapLengths_{};     // one, two, three phonemes
  QRadioButton* classic_;
  QRadioButton* decadent_;
  std::array<QRadioButton*, 5> methods_{};         // Normale, Inversée, Double, Enfant, contrepétophiles
  QCheckBox* mergeEe_;
  QGroupBox* domainGroup_;
  std::array<QRadioButton*, 5> domains_{};         // domain codes 1 to 5
  QCheckBox* keepAsNewList_;
  QCheckBox* appendToDisplayed_;

  // The last search: its word (as validated), its two keys, and the result document's revision
  // once its result was shown.
  std::string lastWord_;
  std::pair<int, int> lastKeys_{-1, -1};
  std::uint64_t lastRevision_ = 0;
};

}  // namespace tavilo
