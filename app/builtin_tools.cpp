// The tools this program offers: one line per dialog tool or listing (TOOLS.md says how). A tool
// missing here has its menu item and tool-bar button disabled.
#include "app/tool_registry.h"

namespace tavilo {

ToolRegistry BuiltInTools() {
  ToolRegistry tools;
  return tools;
}

}  // namespace tavilo
