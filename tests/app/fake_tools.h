// Stand-in tools for the dispatch tests: a dialog that records how it was opened and can
// publish a result, and listings that report through the observer.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <vector>

#include "app/tool_dialog.h"
#include "app/tool_registry.h"

namespace tavilo::testing {

class FakeToolDialog : public ToolDialog {
 public:
  FakeToolDialog(ToolHost& host, ToolId id, QWidget* parent) : ToolDialog(host, id, parent) {
    appendBox = new QCheckBox(QStringLiteral("Ajouter le résultat à la liste affichée"), this);
    nouns = new QRadioButton(QStringLiteral("Noms"), this);
    previousList = new QRadioButton(QStringLiteral("Liste de recherche précédente"), this);
    nouns->setChecked(true);
    SetStandardControls(appendBox, previousList, nouns);
  }

  using ToolDialog::PublishResult;

  QCheckBox* appendBox;
  QRadioButton* nouns;
  QRadioButton* previousList;
  std::vector<ToolOpening> openings;
  int resets = 0;
  bool allowPreviousList = true;
  std::vector<std::string> selections;
  std::vector<std::string> doubleClicks;

  void OnDisplaySelectionChanged(const std::string& selected) override { selections.push_back(selected); }
  void OnDisplayDoubleClicked(const std::string& selected) override { doubleClicks.push_back(selected); }

 protected:
  void OnOpening(const ToolOpening& opening) override {
    openings.push_back(opening);
    // Like the rhyme and anagram tools: reset only when the tool was not already active.
    if (!opening.wasActive) {
      ++resets;
      appendBox->setChecked(false);
    }
  }
  bool PreviousListAllowed(const ToolOpening& opening) const override {
    return allowPreviousList && opening.hasPreviousList;
  }
};

// Registered with the one-line form, as real tools are.
class FakeRhymeDialog : public FakeToolDialog {
 public:
  FakeRhymeDialog(ToolHost& host, QWidget* parent) : FakeToolDialog(host, ToolId::Rhyme, parent) {}
};

class FakeAnagramDialog : public FakeToolDialog {
 public:
  FakeAnagramDialog(ToolHost& host, QWidget* parent) : FakeToolDialog(host, ToolId::Anagram, parent) {}
};

}  // namespace tavilo::testing
