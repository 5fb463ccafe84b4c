// The tools of the "&Outils" menu as the main window knows them: the dialog tools (each with
// its tool-bar button) and the listing commands that run without a dialog. Names, captions,
// keys and result fonts are fixed here, once; whether a tool can run depends on the registry
// (tool_registry.h).
#pragma once

#include <span>
#include <string_view>

#include "engines/listings/listing_kind.h"

namespace tavilo {

enum class ToolId { Spoonerism, Phrase, Rhyme, WordRhyme, Anaphone, Anagram, Lipogram, Filter };

// Strings are UTF-8; captions keep their '&' access keys.
struct ToolInfo {
  ToolId id;
  const char* menuName;    // object name of the menu item, e.g. "mnuCmpRim"
  const char* caption;     // menu caption, e.g. "&Rimes..."
  const char* buttonKey;   // key of the Toolbar1 button, e.g. "Rime"
  const char* name;        // the tool's name (button tool tip, window titles)
  const char* toolKey;     // ToolKey after a search, e.g. "Rime"
  const char* filePrefix;  // start of the proposed file name, e.g. "Rime_"
  const char* resultFont;  // font of the tool's result text
};

struct ListingInfo {
  ListingKind id;
  const char* menuName;    // e.g. "mnuCmpListPali"
  const char* caption;
  const char* toolKey;     // ToolKey after the listing; "" when the listing has none
  const char* resultFont;
};

// In tool-bar order: Contrepet, ContrepetPhrase, Rime, Phonégramme, Anagramme, Lipogramme, MotCroisé.
std::span<const ToolInfo> AllTools();
std::span<const ListingInfo> AllListings();
const ToolInfo& InfoOf(ToolId id);
const ListingInfo& InfoOf(ListingKind id);

// One entry of the "&Outils" menu, in menu order: a dialog tool, a listing or a separator.
struct ToolsMenuEntry {
  enum class Kind { Tool, Listing, Separator } kind;
  ToolId tool = ToolId::Spoonerism;
  ListingKind listing = ListingKind::Anaphones;
};
std::span<const ToolsMenuEntry> ToolsMenuLayout();

}  // namespace tavilo
