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

// Each symbol's code and the wa pair are the shipped rebuild's to check: every one of them is in
// the shipped rows. The gn rule's odd spellings are not.
TEST(ConvertLexique, SharedNIsGnOrNasalOnByTheSpelling) {
  ExpectConversions({
      {"GAGNONS", "g a N N", "gaw8", 2},          // the gn, then the nasal
      {"CHAMPIGNON", "S @ p i N N", "h5piw8", 3},
      {"CAMPAGNE", "k @ p a N", "k5paw", 2},      // final, spelled -gne
      {"CAMPAGNES", "k @ p a N", "k5paw", 2},
      {"GAGNENT", "g a N", "gaw", 1},
      {"BEIGNET", "b E N E", "b3w3", 2},
      {"BAIGNOIRE", "b E N w a R", "b3w0r", 2},   // before w
      {"GAGNIEZ", "g a N j e", "gaw72", 2},        // before j
      {"AGNUI", "a N huit i", "aw9i", 2},          // before huit
      {"DO\xD1" "A", "d O N a", "dowa", 2},       // DOÑA: ñ counts as gn
      {"SE\xF1OR", "s e N O R", "s2wor", 2},      // lower-case ñ too
      {"BONJOUR", "b N Z u R", "b8j4r", 2},       // no gn in the spelling
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
