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

TEST(ConvertLexique, EverySymbolAlone) {
  struct Symbol {
    const char* written;
    char code;
    bool vowel;
  };
  const Symbol symbols[] = {
      {"a", 'a', true},  {"i", 'i', true},   {"e", '2', true},    {"E", '3', true},    {"o", 'o', true},
      {"O", 'o', true},  {"u", '4', true},   {"y", 'u', true},    {"deux", '1', true}, {"neuf", '1', true},
      {"^", 'e', true},  {"@", '5', true},   {"cinq", '6', true}, {"un", '6', true},   {"j", '7', false},
      {"w", '4', false}, {"huit", '9', false}, {"S", 'h', false}, {"Z", 'j', false},   {"G", 'q', false},
      {"R", 'r', false}, {"x", 'x', false},  {"N", '8', true},    {"b", 'b', false},   {"d", 'd', false},
      {"f", 'f', false}, {"g", 'g', false},  {"k", 'k', false},   {"l", 'l', false},   {"m", 'm', false},
      {"n", 'n', false}, {"p", 'p', false},  {"s", 's', false},   {"t", 't', false},   {"v", 'v', false},
      {"z", 'z', false},
  };
  for (const Symbol& s : symbols) {
    EXPECT_EQ(Convert("x", s.written), (Transcription{std::string(1, s.code), s.vowel ? 1 : 0})) << s.written;
  }
}

TEST(ConvertLexique, WaIsOneCodeOnlyBeforeA) {
  ExpectConversions({
      {"OUI", "w i", "4i", 1},
      {"OUEST", "w E s t", "43st", 1},
      {"FOUINE", "f w i n", "f4in", 1},
      {"MOI", "m w a", "m0", 1},
      {"JOUA", "Z u a", "j4a", 2},  // ou then a: two vowels, not the pair
      {"SWAG", "s w a g", "s0g", 1},
      {"X", "a w", "a4", 1},
  });
}

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
