#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace tavilo::fuzz {

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

namespace {

// Words chosen to reach every rule of the searches: x, yod, ui, homophones, a taboo word that is
// also a noun, a locution, accents.
void Fill(Lexicon& lexicon) {
  lexicon.nouns = WordTable(InfoOf(TableKind::Nouns).capacity);
  for (const WordRow e : std::initializer_list<WordEntry>{
           {"\xE2ne", "an", 1, 1}, {"banane", "banan", 3, 1}, {"cabane", "kaban", 2, 1}, {"chat", "ha", 1, 1},
           {"cr\xE9" "ature", "kr2atur", 3, 0}, {"nuit", "n9i", 1, 1}, {"taxi", "taksi", 2, 1},
           {"verre", "v3r", 1, 1}, {"zob", "zob", 1, 0}, {"jazz", "djaz", 1, 0}}) {
    lexicon.nouns.Append(e);
  }
  lexicon.adjectives = WordTable(InfoOf(TableKind::Adjectives).capacity);
  lexicon.adjectives.Append({"vert", "v3r", 1, 1});
  lexicon.adjectives.Append({"exact", "3gzakt", 2, 0});
  lexicon.verbs = WordTable(InfoOf(TableKind::Verbs).capacity);
  lexicon.verbs.Append({"crier", "kri72", 2, 1});
  lexicon.verbs.Append({"sugg\xE9rer", "sugj2r2", 3, 0});
  lexicon.functionWords = WordTable(InfoOf(TableKind::FunctionWords).capacity);
  lexicon.functionWords.Append({"vers", "v3r", 1, 1});
  lexicon.taboo = WordTable(InfoOf(TableKind::Taboo).capacity);
  lexicon.taboo.Append({"zob", "zob", 0, 0});
  lexicon.locutions = WordTable(InfoOf(TableKind::Locutions).capacity);
  lexicon.locutions.Append({"en effet", "5n2f3", 3, 0});
  lexicon.tabooSpellings = {"zob"};
  BuildMissingIndexes(lexicon, LoadOptions{});
}

}  // namespace

const Lexicon& SmallLexicon() {
  static const Lexicon* lexicon = [] {
    auto* l = new Lexicon();
    Fill(*l);
    return l;
  }();
  return *lexicon;
}

const std::filesystem::path& SmallLexiconFolder() {
  static const std::filesystem::path folder = [] {
    const auto dir = std::filesystem::temp_directory_path() / ("tavilo-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(SmallLexiconFolder(), ec);
    });
    const Lexicon& lexicon = SmallLexicon();
    for (TableKind kind : {TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs, TableKind::FunctionWords,
                           TableKind::Taboo, TableKind::Locutions}) {
      Check(!WriteTavFile(dir / InfoOf(kind).fileName, lexicon.Table(kind), kind), "writing the small lexicon");
    }
    return dir;
  }();
  return folder;
}

}  // namespace tavilo::fuzz
