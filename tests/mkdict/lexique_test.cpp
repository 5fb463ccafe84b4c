// Conversion of the pronunciation list's Lexique alphabet to the 34 phoneme codes.
#include <gtest/gtest.h>

#include "tools/mkdict/lexique.h"

namespace tavilo::mkdict {
namespace {

Transcription Convert(std::string_view spelling, std::string_view phones) {
  const LexiqueConversion r = ConvertLexique(spelling, SplitPhones(phones));
  EXPECT_TRUE(r.transcription) << spelling << ": " << r.refusal;
  return r.transcription.value_or(Transcription{});
}

struct Case {
  const char* spelling;  // as the list writes it (Windows-1252)
  const char* phones;
  const char* phonetic;
  int syllables;
};

void ExpectConversions(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Convert(c.spelling, c.phones), (Transcription{c.phonetic, c.syllables})) << c.spelling;
  }
}

// Each symbol's code, the wa pair and most of the gn rule are the shipped rebuild's to check: the
// shipped rows show them. These spellings are ones no shipped row shows.
TEST(ConvertLexique, SharedNIsGnOrNasalOnByTheSpelling) {
  ExpectConversions({
      {"GAGNONS", "g a N N", "gaw8", 2},          // the gn, then the nasal
      {"AGNUI", "a N huit i", "aw9i", 2},          // before huit
      {"SIGNON", "s i N N n", "siw8n", 2},        // one gn for two N
      {"GNONGNE", "N n N", "8nw", 1},             // an N before a consonant is on, gn or not
      {"CONGN", "k N", "k8", 1},                  // final N, spelling not -gne
  });
}

TEST(ConvertLexique, RefusesUnknownSymbolsAndEmptyTranscriptions) {
  const LexiqueConversion unknown = ConvertLexique("RATON-LAVEUR", SplitPhones("R a to n l a v neuf R"));
  EXPECT_FALSE(unknown.transcription);
  EXPECT_NE(unknown.refusal.find("to"), std::string::npos);
  EXPECT_FALSE(ConvertLexique("A", SplitPhones("   ")).transcription);
  EXPECT_FALSE(ConvertLexique("A", SplitPhones("A")).transcription);  // symbols are case-sensitive
}

TEST(SplitPhones, SpacesAndTabsSeparate) {
  EXPECT_EQ(SplitPhones("  n \thuit  i "), (std::vector<std::string_view>{"n", "huit", "i"}));
  EXPECT_TRUE(SplitPhones("").empty());
}

}  // namespace
}  // namespace tavilo::mkdict
