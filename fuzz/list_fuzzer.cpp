// List-file bytes from memory, read as the command line reads a --liste file and as the window
// opens a .txt or .rtf file.
#include "cli/list_file.h"
#include "core/document.h"
#include "core/rtf.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

using namespace tavilo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  Session session;
  session.resultListKind = "avant";
  if (const auto error = cli::ReadListBytes(bytes, "liste.txt", fuzz::SmallLexicon(), session)) {
    fuzz::Check(!error->Message().empty() && session.resultListKind == "avant", "a refusal leaves the list alone");
  } else {
    fuzz::Check(session.resultList.Size() <= kResultListCapacity, "within the list's capacity");
    const auto control = [](std::string_view s) {
      for (char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || b == static_cast<unsigned char>(kUnmappableChar)) return true;
      }
      return false;
    };
    fuzz::Check(!control(session.resultListKind), "no control character in the kind");
    for (const WordRow entry : session.resultList) fuzz::Check(!control(entry.spelling), "no control character in a word");
  }
  // The window: plain text shown as it is, RTF through its reader.
  const Document text = DocumentFromPlainText(DecodeTextFileBytes(bytes));
  fuzz::Check(IsValidUtf8(WritePlainText(text)), "plain text shown as UTF-8");
  if (LooksLikeRtf(bytes)) (void)ReadRtf(bytes);
  return 0;
}
