#include "app/tool_registry.h"

#include "core/text.h"

namespace tavilo {

std::unique_ptr<ToolDialog> ToolRegistry::CreateDialog(ToolId id, ToolHost& host, QWidget* parent) const {
  const auto it = dialogs_.find(id);
  return it == dialogs_.end() ? nullptr : it->second(host, parent);
}

const ListingRun* ToolRegistry::Listing(ListingKind id) const {
  const auto it = listings_.find(id);
  return it == listings_.end() ? nullptr : &it->second;
}

Document ToolResult::HeaderLine(std::string_view cp1252, Rgb color, int halfPoints) {
  Document header;
  CharFormat format;
  format.color = color;
  format.half_points = halfPoints;
  header.Append(Cp1252ToUtf8(cp1252), format);
  return header;
}

}  // namespace tavilo
