#include "cli/result_output.h"

#include <ostream>

#include "cli/list_file.h"
#include "core/rtf.h"

namespace tavilo::cli {

Document ResultDocument(const Document& header, const Document& block) {
  Document doc = block;
  doc.InsertHeader(header);
  return doc;
}

int EmitResult(Context& ctx, const Document& header, const Document& block, const std::optional<std::string>& rtfFile) {
  const Document doc = ResultDocument(header, block);
  if (!rtfFile) {
    ctx.Out() << WritePlainText(doc);
    return kExitOk;
  }
  if (auto error = WriteTextFile(*rtfFile, WriteRtf(doc))) {
    ctx.PrintError(*error);
    return kExitDataError;
  }
  return kExitOk;
}

}  // namespace tavilo::cli
