// The RTF reader: it refuses or gives a document that keeps the model's invariants, and the
// writer's RTF of that document reads back as the same document. Run with -rss_limit_mb and
// -malloc_limit_mb to hold it to a memory budget.
#include "core/document.h"
#include "core/rtf.h"
#include "core/text.h"
#include "fuzz/fuzz_support.h"

using namespace tavilo;

namespace {

void CheckDocument(const Document& doc) {
  for (const Paragraph& p : doc.paragraphs()) {
    fuzz::Check(p.tab_stops.size() <= kMaxTabStops, "at most 32 tab stops");
    for (std::size_t k = 0; k < p.tab_stops.size(); ++k) {
      fuzz::Check(p.tab_stops[k] >= 0 && p.tab_stops[k] <= kMaxTabStopTwips, "tab stop in range");
      fuzz::Check(k == 0 || p.tab_stops[k - 1] < p.tab_stops[k], "tab stops ascending");
    }
    for (std::size_t k = 0; k < p.runs.size(); ++k) {
      const TextRun& run = p.runs[k];
      fuzz::Check(!run.text.empty() && IsValidUtf8(run.text), "runs hold well-formed text");
      fuzz::Check(run.text.find_first_of("\r\n") == std::string::npos, "no line break inside a run");
      fuzz::Check(k == 0 || !(p.runs[k - 1].format == run.format), "neighbouring runs differ");
      const CharFormat& f = run.format;
      fuzz::Check(f.half_points >= kMinHalfPoints && f.half_points <= kMaxHalfPoints, "size in range");
      const std::string& font = f.font;
      fuzz::Check(!font.empty() && font.size() <= kMaxFontNameBytes && font.find(';') == std::string::npos,
                  "font name storable");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const RtfReadResult read = ReadRtf(fuzz::Bytes(data, size));
  if (!read.ok()) {
    fuzz::Check(read.document.empty() && !read.Message("x.rtf").empty(), "a refusal has a message");
    return 0;
  }
  CheckDocument(read.document);
  const std::string rtf = WriteRtf(read.document);
  const RtfReadResult back = ReadRtf(rtf);
  fuzz::Check(back.ok() && back.document == read.document, "write then read gives the same document");
  return 0;
}
