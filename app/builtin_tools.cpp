// The tools this program offers: one line per dialog tool or listing (TOOLS.md says how). A tool
// missing here has its menu item and tool-bar button disabled.
#include "app/rhyme_dialog.h"
#include "app/tool_registry.h"
#include "app/word_listings.h"

namespace tavilo {

ToolRegistry BuiltInTools() {
  ToolRegistry tools;
  tools.AddDialog<RhymeDialog>(ToolId::Rhyme);
  AddWordListings(tools);
  return tools;
}

}  // namespace tavilo
