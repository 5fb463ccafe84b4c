// One table's bytes, of the kind the first byte chooses: the loader refuses or reads within the
// table's capacity, and what it read writes back and reads again unchanged.
#include "core/tav_file.h"
#include "fuzz/fuzz_support.h"

using namespace tavilo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr TableKind kKinds[] = {TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs,
                                         TableKind::FunctionWords, TableKind::Taboo, TableKind::Locutions};
  const TableKind kind = kKinds[data[0] % 6];
  const TableLoad load = ParseTable(fuzz::Bytes(data + 1, size - 1), kind, "x.tav");
  if (load.error) {
    fuzz::Check(load.table.Empty(), "a refused file leaves an empty table");
    fuzz::Check(!load.error->Message().empty() && !load.error->MessageUtf8().empty(), "a refusal has a message");
    return 0;
  }
  fuzz::Check(load.table.Size() <= InfoOf(kind).capacity, "within the capacity");
  std::string written;
  for (const WordRow entry : load.table) {
    const EncodedLine line = EncodeTavLine(entry, kind);
    fuzz::Check(!line.error, "every row read can be written");
    written += line.bytes;
  }
  const TableLoad again = ParseTable(written, kind, "x.tav");
  fuzz::Check(!again.error && again.table == load.table, "write then read gives the same rows");
  return 0;
}
