// Which tools this program has: a dialog class per dialog tool, a function per listing. A tool
// that is not registered has its menu item (and tool-bar button) disabled. Adding a tool is one
// line in builtin_tools.cpp (see TOOLS.md).
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/tool_catalogue.h"
#include "app/tool_dialog.h"
#include "app/tool_host.h"

namespace tavilo {

// What a listing gets when its menu item is chosen. The listing runs on the user-interface
// thread: it reports its count through `observer` (the main window's count label) and stops
// when Yield() returns false. It may refill `session` (ResultList and ResultListKind).
struct ListingContext {
  const Lexicon& lexicon;
  Session& session;
  GuiObserver& observer;
  ToolHost& host;
  std::string resultFont;  // "Courier New", or "Futura Medium BT" for the horizontal ambigrams
};

// A listing returns the result to show, or nullopt when it was stopped (nothing is shown).
using ListingRun = std::function<std::optional<ToolResult>(ListingContext&)>;
using DialogFactory = std::function<std::unique_ptr<ToolDialog>(ToolHost&, QWidget* parent)>;

class ToolRegistry {
 public:
  // Registers a dialog class constructible as Dialog(ToolHost&, QWidget* parent).
  template <typename Dialog>
  void AddDialog(ToolId id) {
    AddDialog(id, [](ToolHost& host, QWidget* parent) { return std::make_unique<Dialog>(host, parent); });
  }
  void AddDialog(ToolId id, DialogFactory factory) { dialogs_[id] = std::move(factory); }
  void AddListing(ListingKind id, ListingRun run) { listings_[id] = std::move(run); }

  bool HasDialog(ToolId id) const { return dialogs_.count(id) != 0; }
  bool HasListing(ListingKind id) const { return listings_.count(id) != 0; }

  // Null when the tool is not registered.
  std::unique_ptr<ToolDialog> CreateDialog(ToolId id, ToolHost& host, QWidget* parent) const;
  const ListingRun* Listing(ListingKind id) const;

 private:
  std::map<ToolId, DialogFactory> dialogs_;
  std::map<ListingKind, ListingRun> listings_;
};

// The tools of this program (builtin_tools.cpp).
ToolRegistry BuiltInTools();

}  // namespace tavilo
