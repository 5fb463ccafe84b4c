// The dictionary shipped in data/: it loads with the program's own loader, every table within
// its capacity and in the order the searches rely on, and it is exactly what the builder makes
// of the lexicon sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string_view>
#include <tuple>

#include "core/frequency.h"
#include "core/graphemes.h"
#include "core/lexicon.h"
#include "core/tav_file.h"
#include "core/text.h"
#include "tools/mkdict/mkdict.h"

namespace tavilo {
namespace {

const std::filesystem::path kDataDir = TAVILO_SOURCE_DATA_DIR;
const std::filesystem::path kSourcesDir = TAVILO_LEXICON_SOURCES_DIR;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class ShippedData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { load_ = new LexiconLoad(LoadLexicon(kDataDir)); }
  static void TearDownTestSuite() {
    delete load_;
    load_ = nullptr;
  }
  static const Lexicon& Lex() { return *load_->lexicon; }
  // Whether the table has the row (any syllable count when `syllables` is 0).
  static bool Has(TableKind table, std::string_view spelling, std::string_view phonetic, int syllables = 0) {
    const WordTable& t = Lex().Table(table);
    return std::any_of(t.begin(), t.end(), [&](WordRow e) {
      return e.spelling == spelling && e.phonetic == phonetic && (syllables == 0 || e.syllables == syllables);
    });
  }
  static LexiconLoad* load_;
};
LexiconLoad* ShippedData::load_ = nullptr;

TEST_F(ShippedData, LoadsWithEveryTableWithinCapacity) {
  ASSERT_TRUE(load_->lexicon) << Cp1252ToUtf8(load_->error->Message());
  EXPECT_FALSE(Lex().adjectivesMissing);
  const std::pair<TableKind, std::size_t> minimum[] = {
      {TableKind::Nouns, 30000}, {TableKind::Adjectives, 15000}, {TableKind::Verbs, 30000},
      {TableKind::FunctionWords, 1500}, {TableKind::Taboo, 250}, {TableKind::Locutions, 300}};
  for (const auto& [kind, least] : minimum) {
    const WordTable& t = Lex().Table(kind);
    EXPECT_GE(t.Size(), least) << InfoOf(kind).fileName;
    EXPECT_LE(t.Size(), InfoOf(kind).capacity) << InfoOf(kind).fileName;
  }
}

TEST_F(ShippedData, RowsAreWellFormedAndInPhoneticOrder) {
  ASSERT_TRUE(load_->lexicon);
  for (TableKind kind : {TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs, TableKind::FunctionWords,
                         TableKind::Taboo, TableKind::Locutions}) {
    const WordTable& t = Lex().Table(kind);
    const bool words = kind != TableKind::Taboo && kind != TableKind::Locutions;
    for (std::size_t i = 0; i < t.Size(); ++i) {
      const WordRow e = t[i];
      SCOPED_TRACE(std::string(InfoOf(kind).fileName) + " row " + std::to_string(i + 1) + " " + Cp1252ToUtf8(e.spelling));
      ASSERT_FALSE(e.spelling.empty());
      ASSERT_LE(e.spelling.size(), 21u);
      ASSERT_EQ(ToLower(e.spelling), e.spelling);
      ASSERT_FALSE(e.phonetic.empty());
      for (char c : e.phonetic) ASSERT_TRUE(IsPhonemeCode(c)) << c;
      if (words) {
        ASSERT_GE(e.syllables, 1);
        ASSERT_TRUE(e.marker == 0 || (e.marker == 1 && e.syllables <= 2));
      }
      if (i > 0) {
        const WordRow p = t[i - 1];
        ASSERT_TRUE(p.phonetic < e.phonetic || (p.phonetic == e.phonetic && p.spelling < e.spelling));
      }
    }
  }
}

TEST_F(ShippedData, WordsTakeTheTableAndReadingTheirRuleGives) {
  ASSERT_TRUE(load_->lexicon);
  struct Case {
    TableKind table;
    const char* spelling;
    const char* phonetic;
    int syllables;
  };
  const Case cases[] = {
      {TableKind::Nouns, "roi", "r0", 1},                       // the list's symbols converted
      {TableKind::Nouns, "agneau", "awo", 2},
      {TableKind::Nouns, "oignon", "ow8", 2},
      {TableKind::Nouns, "parking", "parkiq", 2},
      {TableKind::Nouns, "examen", "3gzam6", 3},
      {TableKind::Nouns, "ver", "v3r", 1},                      // homophones all kept
      {TableKind::Nouns, "vers", "v3r", 1},
      {TableKind::Verbs, "content", "k8t", 1},                  // homographs read by their table
      {TableKind::Adjectives, "content", "k8t5", 2},
      {TableKind::Nouns, "fils", "fis", 1},
      {TableKind::Nouns, "fils", "fil", 1},
      {TableKind::Taboo, "merde", "m3rd", 0},                   // (no syllable count)
      {TableKind::Locutions, "pomme de terre", "pomdet3r", 3},
      {TableKind::Nouns, "arc-en-ciel", "ark5s73l", 3},         // compounds rank by their parts
      {TableKind::Nouns, "apr\xE8s-midi", "apr3midi", 4},       // a reading the list lacked
      {TableKind::Verbs, "admonester", "admon3st2", 4},         // every infinitive
      {TableKind::Adjectives, "fatigu\xE9", "fatig2", 3},      // participles that are adjectives
      {TableKind::Verbs, "infections", "6f3kt78", 3},           // the verb's reading beside the noun's
      {TableKind::Verbs, "ardent", "ard", 1},
      {TableKind::Nouns, "booster", "b4st1r", 2},               // corrections list
      {TableKind::Verbs, "booster", "b4st2", 2},
      {TableKind::FunctionWords, "tous", "t4", 1},
      {TableKind::FunctionWords, "tous", "t4s", 1},
      {TableKind::Verbs, "h\xE9las", "2la", 2},
      {TableKind::Nouns, "restriction", "r3striks78", 3},
      {TableKind::FunctionWords, "le", "le", 1},                // the mute e
      {TableKind::Nouns, "premier", "prem72", 2},
      {TableKind::Nouns, "besoin", "bez46", 2},
      {TableKind::Nouns, "leader", "lid1r", 2},                 // a closed last syllable keeps its eu
      {TableKind::Adjectives, "blanche", "bl5h", 1},            // no final mute e
      {TableKind::Locutions, "de haut en bas", "deot5ba", 4},   // liaisons
      {TableKind::Locutions, "sans arr\xEAt", "s5zar3", 3},
      {TableKind::Locutions, "sur le champ", "surleh5", 3},     // the homophone of sur-le-champ
      {TableKind::FunctionWords, "sur-le-champ", "surleh5", 3},
      {TableKind::Locutions, "s'il vous pla\xEEt", "silv4pl3", 3},
      {TableKind::Verbs, "chanterai", "h5ter2", 3},             // verb forms in -ai end in é
      {TableKind::Verbs, "ai", "2", 1},
      {TableKind::Verbs, "ait", "3", 1},                        // (corrections list)
      {TableKind::Nouns, "ambitieuses", "5bis71z", 3},          // plurals read as their singular
      {TableKind::Adjectives, "ambitieuses", "5bis71z", 3},
      {TableKind::Nouns, "charmilles", "harmi7", 2},
      {TableKind::Nouns, "dominions", "domin7on", 3},
      {TableKind::Nouns, "singles", "sing1l", 2},
      {TableKind::Nouns, "cookies", "k4ki", 2},                 // English plurals without their s
      {TableKind::Nouns, "airbags", "3rbag", 2},                // nor without their final consonant
      {TableKind::Nouns, "oeufs", "1", 1},                      // a plural French says otherwise
      {TableKind::Nouns, "dans", "dan", 1},                     // the plural of dan
      {TableKind::FunctionWords, "dans", "d5", 1},
      {TableKind::Adjectives, "bus", "bu", 1},
      {TableKind::Nouns, "plateformes", "plateform", 3},        // a plural the list lacks
      {TableKind::Nouns, "y", "igr3k", 2},                      // each word its own reading
      {TableKind::FunctionWords, "y", "i", 1},
      {TableKind::Nouns, "quai", "k2", 1},
      {TableKind::Verbs, "sers", "s3r", 1},
      {TableKind::Nouns, "live", "la7v", 1},
      {TableKind::Nouns, "house", "a4s", 1},
      {TableKind::Nouns, "d\xE9gr\xE8vement", "d2gr3vem5", 4},
      {TableKind::Adjectives, "anglo-russe", "5glorus", 3},
      {TableKind::Nouns, "empennage", "5p2naj", 3},
      {TableKind::Adjectives, "ardennais", "ard3n3", 3},
      {TableKind::Verbs, "flagellant", "flaj2l5", 3},
      {TableKind::FunctionWords, "tandis", "t5di", 2},          // modern and missing words
      {TableKind::Nouns, "blog", "blog", 1},
      {TableKind::Nouns, "porte-parole", "porteparol", 4},
      {TableKind::Locutions, "\xE0 l'encontre", "al5k8tr", 3},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Has(c.table, c.spelling, c.phonetic, c.syllables))
        << Cp1252ToUtf8(c.spelling) << " /" << c.phonetic << "/ " << c.syllables << " in " << InfoOf(c.table).fileName;
  }
  // Junk the builder leaves out, and readings it must not keep.
  const std::pair<TableKind, const char*> absent[] = {
      {TableKind::Nouns, "km"}, {TableKind::Nouns, "cm"}, {TableKind::Adjectives, "new"},
      {TableKind::Nouns, "establishment"}, {TableKind::Nouns, "hunter"}};
  for (const auto& [kind, spelling] : absent) {
    const WordTable& t = Lex().Table(kind);
    EXPECT_TRUE(std::none_of(t.begin(), t.end(), [&](WordRow e) { return e.spelling == spelling; }))
        << spelling << " in " << InfoOf(kind).fileName;
  }
  for (const WordRow e : Lex().Table(TableKind::Adjectives)) {
    EXPECT_FALSE(e.spelling == "blanche" && e.syllables != 1) << e.phonetic;
  }
}

TEST_F(ShippedData, ReducedVocabularyIsSafeForChildren) {
  ASSERT_TRUE(load_->lexicon);
  std::set<std::string, std::less<>> taboo;
  for (const WordRow e : Lex().Table(TableKind::Taboo)) taboo.emplace(e.spelling);
  std::set<std::string> marked;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow e : Lex().Table(kind)) {
      if (e.marker != 1) continue;
      marked.emplace(e.spelling);
      EXPECT_FALSE(taboo.count(e.spelling)) << Cp1252ToUtf8(e.spelling) << " is taboo but marked in " << InfoOf(kind).fileName;
    }
  }
  for (const char* w : {"poup\xE9" "e", "bonbon", "cochon", "mouton", "crayon", "banane", "fraise", "tigre", "singe",
                        "f\xE9" "e", "chat", "maison", "manger"}) {
    EXPECT_TRUE(marked.count(w)) << Cp1252ToUtf8(w);
  }
  for (const char* w : {"jacques", "robert", "hollande", "mali", "louis", "bite", "con", "cul", "merde", "putain"}) {
    EXPECT_FALSE(marked.count(w)) << w;
  }
}

TEST_F(ShippedData, MarksAgreeAcrossAWordsForms) {
  ASSERT_TRUE(load_->lexicon);
  // The mark of a spelling in a table (-1 when the table lacks it).
  auto mark = [&](TableKind kind, std::string_view spelling) {
    const WordTable& t = Lex().Table(kind);
    const auto it = std::find_if(t.begin(), t.end(), [&](WordRow e) { return e.spelling == spelling; });
    return it == t.end() ? -1 : (*it).marker;
  };
  const std::tuple<TableKind, const char*, int> cases[] = {
      {TableKind::Nouns, "oie", 1},      {TableKind::Nouns, "oies", 1},     // a plural as its singular
      {TableKind::Nouns, "pompier", 1},  {TableKind::Nouns, "pompiers", 1}, // child list, plural included
      {TableKind::Nouns, "insectes", 1}, {TableKind::Nouns, "sapin", 1},
      {TableKind::Nouns, "l", 0},        {TableKind::FunctionWords, "y", 1},  // a letter; the pronoun is none
      {TableKind::Nouns, "live", 0},     {TableKind::Adjectives, "julien", 0},  // English or a first name
  };
  for (const auto& [kind, spelling, expected] : cases) {
    EXPECT_EQ(mark(kind, spelling), expected) << spelling << " in " << InfoOf(kind).fileName;
  }
}

TEST(ShippedDataRebuild, BuilderReproducesTheShippedFilesExactly) {
  using namespace mkdict;
  for (const char* source : {kPronunciationFile, kMorphologyFile, kFrequencyFile}) {
    if (!std::filesystem::is_regular_file(kSourcesDir / source)) {
      GTEST_SKIP() << "Lexicon sources not found in " << kSourcesDir.string() << " (" << source
                   << " missing): the shipped files cannot be rebuilt here.";
    }
  }
  Sources sources;
  const auto error = LoadSources(kSourcesDir, kDataDir, sources);
  ASSERT_FALSE(error) << Cp1252ToUtf8(error->Message());
  const BuildResult built = BuildDictionary(sources);
  ASSERT_FALSE(built.error) << Cp1252ToUtf8(built.error->Message());
  const std::filesystem::path out = std::filesystem::path(TAVILO_TEST_BINARY_DIR) / "rebuilt-data";
  std::filesystem::remove_all(out);
  const auto written = WriteTables(out, built.tables, FrequencyFileText(built.tables, sources.frequencies));
  ASSERT_FALSE(written) << Cp1252ToUtf8(written->Message());
  std::vector<const char*> names = {kFrequencyFileName};
  for (std::size_t t = 0; t < kTableCount; ++t) names.push_back(InfoOf(static_cast<TableKind>(t)).fileName);
  for (const char* name : names) {
    const std::string shipped = ReadAll(kDataDir / name);
    EXPECT_FALSE(shipped.empty()) << name;
    EXPECT_TRUE(ReadAll(out / name) == shipped) << name << " differs from what tavilo-mkdict builds; rebuild data/";
  }
  EXPECT_GE(built.report.coverageHits * 100, built.report.coverageSample * 95);
  // Every plural reads as its singular, but those French says otherwise.
  for (const std::string& apart : built.report.pluralsReadApart) ADD_FAILURE() << Cp1252ToUtf8(apart);
  EXPECT_TRUE(PluralsReadApart(built.tables, sources.morphology).empty());
}

}  // namespace
}  // namespace tavilo
