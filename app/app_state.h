// The desktop program's state between searches, beside the core Session (the current result
// list and its kind): which tool is active, what the last search was for the proposed file
// names, the list file last opened, and the presets of the word boxes.
#pragma once

#include <QString>
#include <map>
#include <optional>
#include <string>

#include "app/tool_catalogue.h"

namespace tavilo {

struct AppState {
  // ActiveTool: at most one dialog tool is active. Opening a tool makes it the active one;
  // opening a list file clears it.
  std::optional<ToolId> activeTool;

  // ToolKey: set by the last search or listing ("Rime", "MotPali", ...); empty when none, or
  // when a list file was opened since.
  std::string toolKey;

  // ToolFileSuffix of each dialog tool: the word or pattern of its last search (Windows-1252).
  std::map<ToolId, std::string> toolFileSuffix;

  // LoadedFileName: the full name of the list file last opened; empty when none.
  QString loadedFileName;

  // The first items of the lipogram and anagram word boxes (Windows-1252).
  std::string lipogramPreset = "bdfghijklpqty";
  std::string anagramPreset = "abcdefghijklmnopqrstuvwxyz";

  bool IsActive(ToolId id) const { return activeTool == id; }
};

}  // namespace tavilo
