// The tools this program offers: one line per dialog tool or listing (TOOLS.md says how). A tool
// missing here has its menu item and tool-bar button disabled.
#include "app/anagram_dialog.h"
#include "app/anaphone_dialog.h"
#include "app/filter_dialog.h"
#include "app/lipogram_dialog.h"
#include "app/phrase_dialog.h"
#include "app/rhyme_dialog.h"
#include "app/spoonerism_dialog.h"
#include "app/tool_registry.h"
#include "app/word_listings.h"
#include "app/word_rhyme_dialog.h"

namespace tavilo {

ToolRegistry BuiltInTools() {
  ToolRegistry tools;
  tools.AddDialog<RhymeDialog>(ToolId::Rhyme);
  tools.AddDialog<AnagramDialog>(ToolId::Anagram);
  tools.AddDialog<AnaphoneDialog>(ToolId::Anaphone);
  tools.AddDialog<LipogramDialog>(ToolId::Lipogram);
  AddWordListings(tools);
  tools.AddDialog<SpoonerismDialog>(ToolId::Spoonerism);
  tools.AddDialog<PhraseDialog>(ToolId::Phrase);
  tools.AddDialog<FilterDialog>(ToolId::Filter);
  tools.AddDialog<WordRhymeDialog>(ToolId::WordRhyme);
  return tools;
}

}  // namespace tavilo
