// The dictionary shipped in data/: it loads with the program's own loader, every table within
// its capacity and in the order the searches rely on, and it is exactly what the builder makes
// of the lexicon sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
      const WordEntry& e = t[i];
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
        const WordEntry& p = t[i - 1];
        ASSERT_TRUE(p.phonetic < e.phonetic || (p.phonetic == e.phonetic && p.spelling < e.spelling));
      }
    }
  }
}

TEST_F(ShippedData, KnownWordsHaveTheirPhoneticForms) {
  ASSERT_TRUE(load_->lexicon);
  struct Case {
    TableKind table;
    const char* spelling;
    const char* phonetic;
  };
  const Case cases[] = {
      {TableKind::Nouns, "chat", "ha"},          {TableKind::Nouns, "roi", "r0"},
      {TableKind::Nouns, "nuit", "n9i"},         {TableKind::Nouns, "paille", "pa7"},
      {TableKind::Nouns, "agneau", "awo"},       {TableKind::Nouns, "oignon", "ow8"},
      {TableKind::Nouns, "parking", "parkiq"},   {TableKind::Nouns, "femme", "fam"},
      {TableKind::Adjectives, "second", "seg8"}, {TableKind::Nouns, "examen", "3gzam6"},
      {TableKind::Nouns, "oiseau", "0zo"},       {TableKind::FunctionWords, "loin", "l46"},
      {TableKind::Nouns, "\xE9t\xE9", "2t2"},    {TableKind::Nouns, "coeur", "k1r"},
      {TableKind::Nouns, "\xE2ne", "an"},        {TableKind::Verbs, "content", "k8t"},
      {TableKind::Adjectives, "content", "k8t5"}, {TableKind::Nouns, "fils", "fis"},
      {TableKind::Nouns, "fils", "fil"},         {TableKind::Taboo, "merde", "m3rd"},
      {TableKind::Locutions, "pomme de terre", "pomd1t3r"},
  };
  for (const Case& c : cases) {
    const WordTable& t = Lex().Table(c.table);
    EXPECT_TRUE(std::any_of(t.begin(), t.end(),
                            [&](const WordEntry& e) { return e.spelling == c.spelling && e.phonetic == c.phonetic; }))
        << Cp1252ToUtf8(c.spelling) << " /" << c.phonetic << "/ in " << InfoOf(c.table).fileName;
  }
  // What the homophone listing of "vert" finds among the nouns.
  std::vector<std::string> homophones;
  for (const WordEntry& e : Lex().nouns) {
    if (e.phonetic == "v3r") homophones.push_back(e.spelling);
  }
  for (const char* w : {"ver", "verre", "vers", "vert"}) {
    EXPECT_NE(std::find(homophones.begin(), homophones.end(), w), homophones.end()) << w;
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
  ASSERT_FALSE(error) << Cp1252ToUtf8(*error);
  const BuildResult built = BuildDictionary(sources);
  ASSERT_FALSE(built.error) << Cp1252ToUtf8(*built.error);
  const std::filesystem::path out = std::filesystem::path(TAVILO_TEST_BINARY_DIR) / "rebuilt-data";
  std::filesystem::remove_all(out);
  const auto written = WriteTables(out, built.tables);
  ASSERT_FALSE(written) << Cp1252ToUtf8(*written);
  for (std::size_t t = 0; t < kTableCount; ++t) {
    const char* name = InfoOf(static_cast<TableKind>(t)).fileName;
    const std::string shipped = ReadAll(kDataDir / name);
    EXPECT_FALSE(shipped.empty()) << name;
    EXPECT_TRUE(ReadAll(out / name) == shipped) << name << " differs from what tavilo-mkdict builds; rebuild data/";
  }
  EXPECT_GE(built.report.coverageHits * 100, built.report.coverageSample * 95);
}

}  // namespace
}  // namespace tavilo
