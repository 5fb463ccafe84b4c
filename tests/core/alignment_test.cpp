// Spelling-to-sound alignment: each rule of the walk pinned by a real word, fragments with their
// yod bullets and x markers, the probe, the shipped dictionary, and robustness on any input.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

#include "core/alignment.h"
#include "core/graphemes.h"
#include "core/lexicon.h"
#include "core/text.h"

namespace tavilo {
namespace {

// One row per rule of the walk, on words of the dictionary; `segments` joins each phoneme's letters
// (a one-phoneme fragment) with '|'. Removing or changing a rule changes some row's segments.
TEST(Alignment, EachRuleOnRealWords) {
  struct Case {
    const char *rule, *word, *phonetic, *segments;
    bool full = true;  // whether every phoneme has letters
  };
  const Case cases[] = {
      {"silent h, groups, silent final letters", "hameaux", "amo", "a|m|eau"},
      {"yod without letter gets a bullet", "crier", "kri72", "c|r|i|\x95|er"},
      {"no bullet on an h", "cahier", "ka72", "c|a|i|er"},
      {"dj pair spelled j", "jazz", "djaz", "j|j|a|zz"},
      {"dj pair spelled g", "manager", "manadj1r", "m|a|n|a|g|g|e|r"},
      {"d and g: no pair", "budget", "budj3", "b|u|d|g|et"},
      {"x: g and z", "exact", "3gzakt", "e|x(g)|x(z)|a|c|t"},
      {"x before s", "exsangue", "3ks5g", "e|x|s|an|gu"},
      {"x before c\xE9", "exc\xE9" "dent", "3ks2d5", "e|x|c|\xE9|d|en"},
      {"x before ce", "excellent", "2ks3l5", "e|x|c|e|ll|en"},
      {"x before c\xE8", "exc\xE8s", "3ks3", "e|x|c|\xE8"},
      {"x before ci", "excit\xE9", "3ksit2", "e|x|c|i|t|\xE9"},
      {"ay before yod", "crayon", "kr378", "c|r|a|y|on"},
      {"ay before i", "pays", "p2i", "p|a|y"},
      {"ay before n", "sayn\xE8te", "s3n3t", "s|a|n|\xE8|t"},
      {"ay before l", "taylorisme", "t3lorizm", "t|a|l|o|r|i|s|m"},
      {"ey before yod, final ez whole", "asseyez", "as372", "a|ss|e|y|ez"},
      {"ao before o", "chaos", "kao", "ch|a|o"},
      {"ao before on", "pharaon", "fara8", "ph|a|r|a|on"},
      {"ao before oi", "cacaoyer", "kaka072", "c|a|c|a|o|y|er"},
      {"yg before gn", "cygne", "siw", "c|y|gn"},
      {"yg before g", "pygm\xE9" "e", "pigm2", "p|y|g|m|\xE9" "e"},
      {"que before e", "querelle", "ker3l", "qu|e|r|e|ll"},
      {"final que", "banque", "b5k", "b|an|qu"},
      {"que before a", "fr\xE9quemment", "fr2kam5", "f|r|\xE9|qu|e|mm|en"},
      {"gue before \xE8, final rre", "guerre", "g3r", "gu|e|rr"},
      {"sce before an", "descendre", "d2s5dr", "d|e|sc|en|d|r"},
      {"sc\xE8", "sc\xE8ne", "s3n", "sc|\xE8|n"},
      {"sc\xE9", "sc\xE9nario", "s2nar7o", "sc|\xE9|n|a|r|i|o"},
      {"cc before s", "accent", "aks5", "a|c|c|en"},
      {"sc before k", "scolaire", "skol3r", "s|c|o|l|ai|r"},
      {"en before o", "enorgueillir", "5norg17ir", "e|n|o|r|gu|e|ill|i|r"},
      {"en before i", "enivrer", "5nivr2", "e|n|i|v|r|er"},
      {"en before a liaison n", "en effet", "5n2f3", "e|n|e|ff|et"},
      // The dictionary always sounds the n after en before o or i, which the liaison rule covers
      // too; these made-up readings without it pin the letter test on its own.
      {"en before o, no n sound", "enorgueillir", "5org17ir", "e|o|r|gu|e|ill|i|r"},
      {"en before i, no n sound", "enivrer", "5ivr2", "e|i|v|r|er"},
      {"on before a liaison n", "non-\xEAtre", "n8n3tr", "n|o|n|\xEA|t|r"},
      {"on before a word's own n", "mouton noir", "m4t8n0r", "m|ou|t|on|n|oi|r"},
      {"on before ng", "ping-pong", "piqp8q", "p|i|ng|p|o|ng"},
      {"il before l", "gas-oil", "gazo7l", "g|a|s|o|i|l"},
      {"cu before u", "cucul", "kuku", "c|u|c|u"},
      {"gu before ui", "aiguille", "2g9i7", "ai|g|u|i|ll"},
      {"cu before un", "chacun", "hak6", "ch|a|c|un"},
      {"gu before im with its own letters", "guimbarde", "g6bard", "gu|im|b|a|r|d"},
      {"cu before o", "caecum", "s2kom", "c|a|c|u|m"},
      {"qu before ui", "quidam", "k9idam", "q|u|i|d|a|m"},
      {"qu before ou", "quaker", "k43k1r", "q|u|a|k|e|r"},
      {"qu before ou with its own letters", "piquouser", "pik4z2", "p|i|qu|ou|s|er"},
      {"ui before i", "nuit", "n9i", "n|u|i"},
      {"u\xEE before i", "hu\xEEtre", "9itr", "u|\xEE|t|r"},
      {"ui before in", "juin", "j96", "j|u|in"},
      {"ui before an i with its own letter", "essuie", "3s9i", "e|ss|ui|e"},
      {"ccu before u", "accumuler", "akumul2", "a|cc|u|m|u|l|er"},
      {"gg before j", "suggestion", "sugj3st78", "s|u|g|g|e|s|t|i|on"},
      // The c read as t gives its letter to the ch that follows: the t has no letters of its
      // own, as the j of the dj pair, but the rest of the word is aligned.
      {"c before ch", "macho", "matho", "m|a||ch|o"},
      {"rr heard twice", "surr\xE9" "el", "surr23l", "s|u|r|r|\xE9|e|l"},
      {"ss heard twice; x: k and s", "transsexuel", "tr5ss2ks93l", "t|r|an|s|s|e|x(k)|x(s)|u|e|l"},
      {"\xE9" "e inside", "r\xE9" "ellement", "r23lem5", "r|\xE9|e|ll|e|m|en"},
      {"er inside, final er whole", "serrer", "s2r2", "s|e|rr|er"},
      {"et inside", "nettoyer", "n2t072", "n|e|tt|o|y|er"},
      {"ez inside", "rez-de-chauss\xE9" "e", "r2dehos2", "r|e|z|e|ch|au|ss|\xE9" "e"},
      // An English reading: the letters run out and the last phonemes all get the last letter.
      {"letters run out", "flirt", "fl1rt", "f|l|t|t|t", false},
  };
  for (const Case& c : cases) {
    std::string segments;
    for (int j = 1; j <= static_cast<int>(std::string(c.phonetic).size()); ++j) {
      const Alignment r = AlignFragment(c.word, c.phonetic, j, 1);
      segments += (j > 1 ? "|" : "") + r.spelling.substr(static_cast<std::size_t>(r.letterStart - 1),
                                                         static_cast<std::size_t>(r.letterEnd - r.letterStart));
    }
    EXPECT_EQ(segments, c.segments) << c.rule << ": " << c.word;
    EXPECT_EQ(AlignsEveryPhoneme(c.word, c.phonetic), c.full) << c.word;
  }
}

// Fragments of several phonemes, and the probe: where bullets and x markers go, what the fragment
// covers, and where a written ending is met. For a probe `expected` holds the phonemes found,
// empty when the suffix is not met.
TEST(Alignment, FragmentsAndProbes) {
  struct Case {
    const char *word, *phonetic;
    int start, length;
    bool probe;
    const char* expected;  // the spelling with the fragment in brackets, or the probe's phonemes
    int bullets = 0;
    const char* suffix = "";
  };
  constexpr bool F = false, P = true;
  const Case cases[] = {
      {"taxi", "taksi", 1, 3, F, "[tax(k)]i"},
      {"taxi", "taksi", 4, 2, F, "ta[x(s)i]"},
      {"taxi", "taksi", 3, 2, F, "ta[x]i"},  // both sounds of the x: no marker
      {"Xavier", "gzav72", 1, 1, F, "[X(g)]avier"},
      {"exact", "3gzakt", 3, 2, F, "e[x(z)a]ct"},
      {"six", "sis", 3, 1, F, "si[x(s)]"},  // an x spelling one sound still says which
      // An x giving only its k: the end of the "(k)" marker covers the marker and no more, although
      // the walk had backed up onto the x for a second sound that never came (the x is inside the
      // fragment already, and counting it again would take in the letter after the marker).
      {"taxa", "taka", 3, 2, F, "ta[x(k)a]"},
      // A yod no letter spells, met on the x after its k: the bullet goes before the x.
      {"taxi", "tak7", 3, 2, F, "ta[\x95x(k)]i", 1},
      {"crier", "kri72", 4, 2, F, "cri[\x95" "er]", 1},
      {"crier", "kri72", 1, 5, F, "[cri\x95" "er]", 1},
      // A fragment that starts on the skipped j sound of the dj pair gets the letter that spells
      // the pair: a fragment without letters could be neither shown nor exchanged.
      {"jazz", "djaz", 2, 2, F, "[ja]zz"},
      {"sculpteur", "skult1r", 5, 1, F, "sculp[t]eur"},  // the silent p goes before the fragment
      {"chats", "ha", 2, 8, F, "ch[a]ts"},  // past the last phoneme: the silent s is not taken
      {"flirt", "fl1rt", 3, 2, F, "flir[t]"},  // never reached: the spelling's last letter
      {"MAISON", "m3z8", 1, 0, P, "z8", 0, "Son"},
      {"maison", "m3z8", 1, 0, P, "m3z8", 0, "maison"},
      {"maison", "m3z8", 1, 0, P, "", 0, "ison"},  // inside the letters of one phoneme: no step
      {"homme", "om", 1, 0, P, "m", 0, "mme"},  // after a silent letter the step starts again
      {"chats", "ha", 1, 0, P, "", 0, "s"},  // trailing silent letters are no step
      {"nuit", "n9i", 1, 0, P, "i", 0, "it"},  // a back-up starts the next step on its letter
      {"taxi", "taksi", 1, 0, P, "ksi", 0, "xi"},
      {"crier", "kri72", 1, 0, P, "72", 0, "er"},  // the yod's step starts before its bullet
  };
  for (const Case& c : cases) {
    if (c.probe) {
      const std::optional<std::string> phonemes = PhonemesOfEnding(c.word, c.phonetic, c.suffix);
      EXPECT_EQ(phonemes.value_or(""), c.expected) << c.word << " " << c.suffix;
      EXPECT_EQ(phonemes.has_value(), *c.expected != '\0') << c.word << " " << c.suffix;
      continue;
    }
    Alignment r = AlignFragment(c.word, c.phonetic, c.start, c.length);
    r.spelling.insert(static_cast<std::size_t>(r.letterEnd - 1), "]");
    r.spelling.insert(static_cast<std::size_t>(r.letterStart - 1), "[");
    EXPECT_EQ(r.spelling, c.expected) << c.word << " " << c.start << "+" << c.length;
    EXPECT_EQ(r.bulletCount, c.bullets) << c.word;
  }
}

// The rows of the shipped dictionary where some phoneme is left without letters: loanwords
// read the English way, single letters read by their names, and a few spellings the grapheme
// table has no group for (coïncide, señor, monsieur).
TEST(Alignment, ShippedDictionaryIsAlmostFullyAligned) {
  const LexiconLoad load = LoadLexicon(TAVILO_SOURCE_DATA_DIR, {});
  ASSERT_TRUE(load.lexicon) << load.error->Message();
  std::size_t rows = 0, unaligned = 0;
  for (TableKind kind : {TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs, TableKind::FunctionWords,
                         TableKind::Taboo, TableKind::Locutions}) {
    rows += load.lexicon->Table(kind).Size();
    unaligned += CountRowsNotFullyAligned(load.lexicon->Table(kind));
  }
  std::printf("Rows with a phoneme left without letters: %zu of %zu (%.3f %%)\n", unaligned, rows,
              100.0 * static_cast<double>(unaligned) / static_cast<double>(rows));
  EXPECT_LT(unaligned * 500, rows);  // under 0.2 %
}

// Whatever the request, the positions stay inside the spelling, and taking out the bullets (as
// many as counted) and the marker, one at most and after an x, gives the word back.
void CheckInvariants(const std::string& word, const Alignment& r) {
  std::string letters = r.spelling;
  EXPECT_EQ(static_cast<int>(std::erase(letters, kYodBullet)), r.bulletCount);
  int markers = 0;
  for (const char* marker : {"(k)", "(s)", "(g)", "(z)"}) {
    const std::size_t at = letters.find(marker);
    if (at == std::string::npos) continue;
    ++markers;
    EXPECT_TRUE(at > 0 && ToLower(letters[at - 1]) == 'x') << r.spelling;
    letters.erase(at, 3);
  }
  EXPECT_EQ(letters, word);  // a second marker of the same kind stays in
  EXPECT_LE(markers, 1);
  EXPECT_GE(r.letterStart, 1);
  EXPECT_LE(r.letterStart, r.letterEnd);
  EXPECT_LE(r.letterEnd, static_cast<int>(r.spelling.size()) + 1);
}

// Words put together from the grapheme table (each phoneme spelled by one of its spellings, now
// and then a silent letter, a yod with no letter, a capital or a character that is no code), and
// words of random letters and codes, under every kind of request, absurd ones included.
TEST(Alignment, AnyWordAndAnyRequestStayInRange) {
  std::mt19937 rng(20260605);
  std::uniform_int_distribution<int> percent(0, 99);
  static const std::string kSilent = "hestx", kJunk = std::string("?A.\x95 ", 5);
  static const std::string kLetters = "aeiouyxhcgnlqsjtrXH\xE9\xE8\xEF", kCodes = "a0e123iou45678bdfghjklmnprstvwxzq?Z";
  for (int k = 0; k < 800; ++k) {
    std::string word, phonetic;
    const int n = 1 + static_cast<int>(rng() % 8);
    for (int p = 0; p < n; ++p) {
      const GraphemeRow& row = GraphemeTable()[rng() % kPhonemeCount];
      if (k % 2) {  // random letters and codes
        word += kLetters[rng() % kLetters.size()];
        phonetic += kCodes[rng() % kCodes.size()];
      } else if (percent(rng) < 4) {
        phonetic += kJunk[rng() % kJunk.size()];
      } else {
        if (percent(rng) < 10) word += kSilent[rng() % kSilent.size()];
        phonetic += row.code;
        if (row.code == '7' && percent(rng) < 30) continue;
        for (char ch : row.spellings[rng() % row.spellings.size()]) word += percent(rng) < 8 ? ToUpper(ch) : ch;
      }
    }
    SCOPED_TRACE(word + " /" + phonetic + "/");
    const std::string suffix = word.substr(rng() % (word.size() + 1));
    if (const auto phonemes = PhonemesOfEnding(word, phonetic, suffix)) {
      EXPECT_TRUE(phonetic.ends_with(*phonemes)) << suffix;
    }
    const int absurd = k % 5 == 0 ? INT_MAX : k % 5 == 1 ? INT_MIN : -static_cast<int>(rng() % 3);
    int firstLetter = 0;
    for (int start = -1; start <= n + 2; ++start) {
      for (int length : {1, 2, 4, absurd}) {
        const int from = start == n + 2 ? absurd : start;  // one absurd start too
        const Alignment r = AlignFragment(word, phonetic, from, length);
        CheckInvariants(word, r);
        // Where a fragment starts does not depend on its length.
        if (from < 1 || length == absurd) continue;
        if (length == 1) firstLetter = r.letterStart;
        EXPECT_EQ(r.letterStart, firstLetter) << "from " << start << " length " << length;
      }
    }
  }
}

// The sound of a written ending as the rhyme tool learns it and the dictionary builder checks it:
// met only at the start of a step, from words of two phonemes or more, and taught only by a word
// where a letter that is no vowel stands before the ending.
TEST(SoundOfEnding, MetWhereAStepStartsAndTaughtAfterANonVowel) {
  struct Case {
    const char *word, *phonetic, *ending;
    const char* sound;  // nullptr when the ending is not met
    bool afterNonVowel;
  };
  const Case cases[] = {
      {"maison", "m3z8", "son", "z8", false},  // after a vowel letter
      {"maison", "m3z8", "on", "8", true},
      {"maison", "m3z8", "ison", nullptr, false},  // inside the letters of one phoneme
      {"maison", "m3z8", "maison", "m3z8", false},  // nothing before the whole word
      {"crier", "kri72", "er", "72", false},
      {"homme", "om", "mme", "m", false},  // met after a silent letter, but after a vowel
      {"a", "a", "a", nullptr, false},  // one phoneme: no word to learn from
      {"mai", "m3", "ai", "3", true},  // two phonemes are enough
      {"t\xEAte", "t3t", "te", "t", false},  // an accented vowel is a vowel too
  };
  for (const Case& c : cases) {
    const std::optional<EndingSound> sound = SoundOfEnding(c.word, c.phonetic, c.ending);
    ASSERT_EQ(sound.has_value(), c.sound != nullptr) << c.word << " " << c.ending;
    if (!sound) continue;
    EXPECT_EQ(sound->phonemes, c.sound) << c.word << " " << c.ending;
    EXPECT_EQ(sound->afterNonVowel, c.afterNonVowel) << c.word << " " << c.ending;
  }
}

}  // namespace
}  // namespace tavilo
