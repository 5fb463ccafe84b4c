// Spelling-to-sound alignment: which letters spell a stretch of phonemes, the yod bullet, the
// x markers, the probe of a word's final letters, and robustness on any input.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "core/alignment.h"
#include "core/graphemes.h"
#include "core/text.h"

namespace tavilo {
namespace {

AlignmentRequest AlignFragment(const std::string& spelling, const std::string& phonetic, int start,
                               int length) {
  AlignmentRequest request;
  request.spelling = spelling;
  request.phonetic = phonetic;
  request.fragmentStart = start;
  request.fragmentLength = length;
  request.mode = AlignMode::Fragment;
  AlignSpelling(request);
  return request;
}

AlignmentRequest Probe(const std::string& spelling, const std::string& phonetic,
                       const std::string& suffix) {
  AlignmentRequest request;
  request.spelling = spelling;
  request.phonetic = phonetic;
  request.probeSuffix = suffix;
  request.mode = AlignMode::Probe;
  AlignSpelling(request);
  return request;
}

// The fragment's letters (with any bullet or marker) as the callers cut them out.
std::string FragmentLetters(const AlignmentRequest& r) {
  return r.spelling.substr(static_cast<std::size_t>(r.letterStart - 1),
                           static_cast<std::size_t>(r.letterEnd - r.letterStart));
}

struct FragmentCase {
  const char* why;
  std::string word;
  std::string phonetic;
  int start;
  int length;
  std::string spellingAfter;  // the spelling on return, bullets and marker included
  std::string letters;        // the fragment's letters
  int letterStart;
  int bullets = 0;
};

void CheckFragmentCases(const std::vector<FragmentCase>& cases) {
  for (const FragmentCase& c : cases) {
    SCOPED_TRACE(std::string(c.why) + ": " + c.word + " /" + c.phonetic + "/ from " +
                 std::to_string(c.start) + " length " + std::to_string(c.length));
    const AlignmentRequest r = AlignFragment(c.word, c.phonetic, c.start, c.length);
    EXPECT_EQ(r.spelling, c.spellingAfter);
    EXPECT_EQ(r.letterStart, c.letterStart);
    EXPECT_EQ(r.letterEnd, c.letterStart + static_cast<int>(c.letters.size()));
    if (r.letterStart >= 1 && r.letterStart <= r.letterEnd &&
        r.letterEnd <= static_cast<int>(r.spelling.size()) + 1) {
      EXPECT_EQ(FragmentLetters(r), c.letters);
    }
    EXPECT_EQ(r.insertedMarks, c.bullets);
  }
}

TEST(AlignSpelling, PlainWords) {
  CheckFragmentCases({
      {"ch spells the first sound", "chat", "ha", 1, 1, "chat", "ch", 1},
      {"the vowel alone", "chat", "ha", 2, 1, "chat", "a", 3},
      {"the final t spells nothing", "chat", "ha", 1, 2, "chat", "cha", 1},
      {"ill spells the yod", "paille", "pa7", 3, 1, "paille", "ill", 3},
      {"ll spells the yod after i", "fille", "fi7", 3, 1, "fille", "ll", 3},
      {"gn", "agneau", "awo", 2, 1, "agneau", "gn", 2},
      {"eau", "agneau", "awo", 3, 1, "agneau", "eau", 4},
      {"oi spells wa", "oiseau", "0zo", 1, 1, "oiseau", "oi", 1},
      {"s between vowels spells z", "oiseau", "0zo", 2, 1, "oiseau", "s", 3},
      {"ai spells \xE8", "maison", "m3z8", 2, 1, "maison", "ai", 2},
      {"on", "maison", "m3z8", 4, 1, "maison", "on", 5},
      {"cqu is taken whole", "acquis", "aki", 2, 1, "acquis", "cqu", 2},
      {"ng", "parking", "parkiq", 6, 1, "parking", "ng", 6},
      {"a final \xE9""e is kept whole", "vall\xE9""e", "val2", 4, 1, "vall\xE9""e", "\xE9""e", 5},
      // The u of ui takes both letters, so nothing is left for the i sound: a fragment that
      // starts on it is never reached and keeps the spelling's length as its start.
      {"ui", "nuit", "n9i", 2, 1, "nuit", "ui", 2},
      {"ui then the silent t", "nuit", "n9i", 2, 2, "nuit", "uit", 2},
      {"the i after ui has no letter", "nuit", "n9i", 3, 1, "nuit", "t", 4},
  });
}

TEST(AlignSpelling, SilentLetters) {
  CheckFragmentCases({
      {"mute h before the vowel", "homme", "om", 1, 1, "homme", "o", 2},
      {"mute h, then mm", "homme", "om", 1, 2, "homme", "omm", 2},
      {"final s", "chats", "ha", 2, 1, "chats", "a", 3},
      {"final ps", "temps", "t5", 2, 1, "temps", "em", 2},
      {"p inside the word", "sculpteur", "skult1r", 5, 1, "sculpteur", "t", 6},
      {"h before a yod is silent, no bullet", "cahier", "ka72", 3, 1, "cahier", "i", 4},
  });
}

TEST(AlignSpelling, XMarkers) {
  CheckFragmentCases({
      {"fragment ends on the k of x", "taxi", "taksi", 3, 1, "tax(k)i", "x(k)", 3},
      {"fragment up to the k of x", "taxi", "taksi", 1, 3, "tax(k)i", "tax(k)", 1},
      {"fragment starts on the s of x", "taxi", "taksi", 4, 2, "tax(s)i", "x(s)i", 3},
      {"the s of x alone", "taxi", "taksi", 4, 1, "tax(s)i", "x(s)", 3},
      {"both sounds of x", "taxi", "taksi", 3, 2, "taxi", "x", 3},
      {"both sounds and more", "taxi", "taksi", 2, 3, "taxi", "ax", 2},
      {"after the x", "taxi", "taksi", 5, 1, "taxi", "i", 4},
      {"x before a final e", "fixe", "fiks", 3, 1, "fix(k)e", "x(k)", 3},
      {"the g of x", "exact", "3gzakt", 2, 1, "ex(g)act", "x(g)", 2},
      {"the z of x", "exact", "3gzakt", 3, 2, "ex(z)act", "x(z)a", 2},
      {"gz together", "exact", "3gzakt", 2, 2, "exact", "x", 2},
      {"capital X", "Xavier", "gzav72", 1, 1, "X(g)avier", "X(g)", 1},
      {"x before c\xE8 spells k alone", "exc\xE8s", "3ks3", 2, 1, "exc\xE8s", "x", 2},
      {"the c after x spells s", "exc\xE8s", "3ks3", 3, 1, "exc\xE8s", "c", 3},
      {"x and c together", "exc\xE8s", "3ks3", 2, 2, "exc\xE8s", "xc", 2},
      {"x before s spells k alone", "exsangue", "3ks5g", 2, 1, "exsangue", "x", 2},
      {"the s after x", "exsangue", "3ks5g", 3, 1, "exsangue", "s", 3},
      // A phonetic form where the x gives only its k: the fragment still ends after the marker.
      {"x giving only its k", "taxa", "taka", 3, 2, "tax(k)a", "x(k)a", 3},
      // A yod no letter spells, met on the x after its k: the bullet goes before the x and the
      // marker still follows the x.
      {"bullet before the x", "taxi", "tak7", 3, 2, "ta\x95x(k)i", "\x95x(k)", 3, 1},
      // An x that spells one sound only still says which one when the fragment holds it.
      {"final x spelling s", "six", "sis", 3, 1, "six(s)", "x(s)", 3},
      {"x spelling z", "deuxi\xE8me", "d1z73m", 3, 1, "deux(z)i\xE8me", "x(z)", 4},
  });
}

TEST(AlignSpelling, YodWithoutLetters) {
  CheckFragmentCases({
      {"yod and \xE9 inside the fragment", "crier", "kri72", 4, 2, "cri\x95""er", "\x95""er", 4, 1},
      {"the yod alone", "crier", "kri72", 4, 1, "cri\x95""er", "\x95", 4, 1},
      {"the yod before the fragment", "crier", "kri72", 5, 1, "crier", "er", 4, 0},
      {"the whole word", "crier", "kri72", 1, 5, "cri\x95""er", "cri\x95""er", 1, 1},
      {"the walk stops before the yod", "crier", "kri72", 3, 1, "crier", "i", 3, 0},
  });
}

TEST(AlignSpelling, InsertedMarksAddUpAcrossCalls) {
  AlignmentRequest request;
  request.spelling = "crier";
  request.phonetic = "kri72";
  request.fragmentStart = 2;
  request.fragmentLength = 4;
  request.insertedMarks = 2;  // left by an earlier word: the caller resets it, not the alignment
  AlignSpelling(request);
  EXPECT_EQ(request.insertedMarks, 3);
  EXPECT_EQ(request.spelling, "cri\x95""er");
}

// Letter groups whose last letter also starts the next sound: the walk backs up one letter.
TEST(AlignSpelling, GroupsSharingTheirLastLetter) {
  CheckFragmentCases({
      {"ay before a yod", "crayon", "kr378", 3, 1, "crayon", "a", 3},
      {"the y is the yod", "crayon", "kr378", 4, 1, "crayon", "y", 4},
      {"both", "crayon", "kr378", 3, 2, "crayon", "ay", 3},
      {"ay before i", "pays", "p2i", 2, 1, "pays", "a", 2},
      {"the y is the i", "pays", "p2i", 3, 1, "pays", "y", 3},
      {"ao before o", "chaos", "kao", 2, 1, "chaos", "a", 3},
      {"the o of ao", "chaos", "kao", 3, 1, "chaos", "o", 4},
      {"que before a mute e", "querelle", "ker3l", 1, 1, "querelle", "qu", 1},
      {"the e of que", "querelle", "ker3l", 2, 1, "querelle", "e", 3},
      {"final que leaves its e out", "banque", "b5k", 3, 1, "banque", "qu", 4},
      {"gue before \xE8", "guerre", "g3r", 1, 1, "guerre", "gu", 1},
      {"final rre leaves its e out", "guerre", "g3r", 3, 1, "guerre", "rr", 4},
      {"rre after ie", "pierre", "p73r", 4, 1, "pierre", "rr", 4},
      {"sc\xE8 before \xE8", "sc\xE8ne", "s3n", 1, 1, "sc\xE8ne", "sc", 1},
      {"the \xE8 of sc\xE8", "sc\xE8ne", "s3n", 2, 1, "sc\xE8ne", "\xE8", 3},
      {"sce before an", "descendre", "d2s5dr", 3, 1, "descendre", "sc", 3},
      {"the e of sce starts en", "descendre", "d2s5dr", 4, 1, "descendre", "en", 5},
      {"cc before s", "accent", "aks5", 2, 1, "accent", "c", 2},
      {"the second c is the s", "accent", "aks5", 3, 1, "accent", "c", 3},
      {"en before a consonant letter", "accent", "aks5", 4, 1, "accent", "en", 4},
      {"sc before k", "scolaire", "skol3r", 1, 1, "scolaire", "s", 1},
      {"the c of sc", "scolaire", "skol3r", 2, 1, "scolaire", "c", 2},
      {"sc before k, then a silent p", "sculpteur", "skult1r", 2, 1, "sculpteur", "c", 2},
      {"en before i", "enivrer", "5nivr2", 1, 1, "enivrer", "e", 1},
      {"the n of en is heard", "enivrer", "5nivr2", 2, 1, "enivrer", "n", 2},
      {"cu before ui", "cuir", "k9ir", 1, 1, "cuir", "c", 1},
      {"ui after cu", "cuir", "k9ir", 2, 1, "cuir", "ui", 2},
      {"ccu before u", "accumuler", "akumul2", 2, 1, "accumuler", "cc", 2},
      {"the u of ccu", "accumuler", "akumul2", 3, 1, "accumuler", "u", 4},
      {"et inside the word", "nettoyer", "n2t072", 2, 1, "nettoyer", "e", 2},
      {"tt after et", "nettoyer", "n2t072", 3, 1, "nettoyer", "tt", 3},
      {"er inside the word", "serrer", "s2r2", 2, 1, "serrer", "e", 2},
      {"rr after er", "serrer", "s2r2", 3, 1, "serrer", "rr", 3},
      {"final er is kept whole", "serrer", "s2r2", 4, 1, "serrer", "er", 5},
      {"\xE9""e inside the word", "r\xE9""ellement", "r23lem5", 2, 1, "r\xE9""ellement", "\xE9", 2},
      {"the e of \xE9""e", "r\xE9""ellement", "r23lem5", 3, 1, "r\xE9""ellement", "e", 3},
      {"final et is kept whole", "budget", "budj3", 5, 1, "budget", "et", 5},
  });
}

TEST(AlignSpelling, DjPair) {
  CheckFragmentCases({
      {"j spells d", "jazz", "djaz", 1, 1, "jazz", "j", 1},
      {"the j sound has no letters of its own", "jazz", "djaz", 1, 2, "jazz", "j", 1},
      {"the a after the skipped sound", "jazz", "djaz", 3, 1, "jazz", "a", 2},
      {"zz", "jazz", "djaz", 4, 1, "jazz", "zz", 3},
      // A fragment starting on the j sound shares the letter that spells the pair.
      {"fragment starting on the j sound", "jazz", "djaz", 2, 1, "jazz", "j", 1},
      {"fragment starting on the j sound, longer", "jazz", "djaz", 2, 2, "jazz", "ja", 1},
      {"g spells d", "manager", "manadj2", 5, 1, "manager", "g", 5},
      {"final er after the skipped sound", "manager", "manadj2", 7, 1, "manager", "er", 6},
      {"d then g: no pair", "budget", "budj3", 3, 1, "budget", "d", 3},
      {"g spells j after d", "budget", "budj3", 4, 1, "budget", "g", 4},
  });
}

TEST(AlignSpelling, FixedEnd) {
  struct Case {
    std::string word, phonetic;
    int start, fixedEnd;
    std::string spellingAfter, letters;
  };
  const Case cases[] = {
      {"taxi", "taksi", 3, 3, "tax(k)i", "x(k)"},
      {"taxi", "taksi", 4, 5, "tax(s)i", "x(s)i"},
      {"chat", "ha", 1, 2, "chat", "cha"},
      // Past the last phoneme the walk simply ends: the silent s is not taken.
      {"chats", "ha", 2, 9, "chats", "a"},
      {"crier", "kri72", 4, 5, "cri\x95""er", "\x95""er"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word + " up to " + std::to_string(c.fixedEnd));
    AlignmentRequest r;
    r.spelling = c.word;
    r.phonetic = c.phonetic;
    r.fragmentStart = c.start;
    r.fragmentLength = 1;  // not used in this mode
    r.fixedEnd = c.fixedEnd;
    r.mode = AlignMode::FixedEnd;
    AlignSpelling(r);
    EXPECT_EQ(r.spelling, c.spellingAfter);
    EXPECT_EQ(FragmentLetters(r), c.letters);
  }
}

TEST(AlignSpelling, FragmentModeIgnoresFixedEnd) {
  AlignmentRequest r;
  r.spelling = "chat";
  r.phonetic = "ha";
  r.fragmentStart = 1;
  r.fragmentLength = 2;
  r.fixedEnd = 1;
  AlignSpelling(r);
  EXPECT_EQ(FragmentLetters(r), "cha");
}

TEST(AlignSpelling, Probe) {
  struct Case {
    std::string word, phonetic, suffix;
    bool found;
    std::string phonemes;
  };
  const Case cases[] = {
      {"maison", "m3z8", "son", true, "z8"},
      {"maison", "m3z8", "aison", true, "3z8"},
      {"maison", "m3z8", "maison", true, "m3z8"},
      {"maison", "m3z8", "on", true, "8"},
      {"MAISON", "m3z8", "son", true, "z8"},
      {"maison", "m3z8", "SON", true, "z8"},
      // Letters that start inside a group spelling one phoneme are never a step's start.
      {"maison", "m3z8", "ison", false, ""},
      {"maison", "m3z8", "n", false, ""},
      {"plan", "pl5", "n", false, ""},
      {"plan", "pl5", "an", true, "5"},
      {"plan", "pl5", "lan", true, "l5"},
      // After a silent letter the same phoneme's step starts again, and so does the test.
      {"homme", "om", "omme", true, "om"},
      {"homme", "om", "mme", true, "m"},
      {"homme", "om", "me", false, ""},
      // The walk ends with the last phoneme: trailing silent letters are no step.
      {"chats", "ha", "s", false, ""},
      {"chats", "ha", "ts", false, ""},
      {"nuit", "n9i", "uit", true, "9i"},
      {"taxi", "taksi", "xi", true, "ksi"},
      {"taxi", "taksi", "i", true, "i"},
      // The yod's step starts before its bullet would be inserted.
      {"crier", "kri72", "er", true, "72"},
      {"crier", "kri72", "ier", true, "i72"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word + " /" + c.phonetic + "/ suffix " + c.suffix);
    AlignmentRequest r;
    r.spelling = c.word;
    r.phonetic = c.phonetic;
    r.probeSuffix = c.suffix;
    r.mode = AlignMode::Probe;
    r.probeFound = !c.found;  // stale values from an earlier call must not survive
    r.probePhonemes = "stale";
    AlignSpelling(r);
    EXPECT_EQ(r.probeFound, c.found);
    EXPECT_EQ(r.probePhonemes, c.phonemes);
    if (c.found) {
      EXPECT_EQ(r.spelling, c.word);  // no bullet and no marker once found
    }
  }
}

TEST(AlignSpelling, ProbeNotFoundStillAlignsTheWholeWord) {
  const AlignmentRequest r = Probe("crier", "kri72", "zz");
  EXPECT_FALSE(r.probeFound);
  EXPECT_EQ(r.spelling, "cri\x95""er");
  EXPECT_EQ(r.insertedMarks, 1);
  EXPECT_EQ(r.letterEnd, 7);
}

// Characters that are no phoneme code spell nothing: the letters at the cursor are skipped as
// silent until the word runs out.
TEST(AlignSpelling, CharactersThatAreNoCode) {
  AlignmentRequest r = AlignFragment("chat", "h?a", 1, 3);
  EXPECT_EQ(r.spelling, "chat");
  EXPECT_EQ(FragmentLetters(r), "chat");

  r = AlignFragment("chat", "HA", 1, 2);
  EXPECT_EQ(r.spelling, "chat");
  EXPECT_EQ(r.letterStart, 4);  // never reached
  EXPECT_EQ(r.letterEnd, 5);

  // The letters skipped for such a character are silent letters, after which the probe looks
  // again.
  r = Probe("chat", std::string("h\0a", 3), "t");
  EXPECT_TRUE(r.probeFound);
  EXPECT_EQ(r.probePhonemes, std::string("\0a", 2));
  r = Probe("chat", "h?a", "z");
  EXPECT_FALSE(r.probeFound);
  EXPECT_EQ(r.letterEnd, 5);
}

// Requests no caller should make still give positions inside the spelling.
TEST(AlignSpelling, AbsurdRequestsStayInRange) {
  struct Case {
    std::string word, phonetic;
    AlignMode mode;
    int start, length, fixedEnd;
  };
  const Case cases[] = {
      {"chat", "ha", AlignMode::Fragment, 0, 1, 0},
      {"chat", "ha", AlignMode::Fragment, -5, 3, 0},
      {"chat", "ha", AlignMode::Fragment, 3, 1, 0},
      {"chats", "ha", AlignMode::Fragment, 3, 1, 0},
      {"chat", "ha", AlignMode::Fragment, INT_MAX, INT_MAX, 0},
      {"chat", "ha", AlignMode::Fragment, 1, INT_MAX, 0},
      {"chat", "ha", AlignMode::Fragment, INT_MIN, INT_MIN, 0},
      {"chat", "ha", AlignMode::Fragment, 2, 0, 0},
      {"chat", "ha", AlignMode::Fragment, 2, -4, 0},
      {"taxi", "taksi", AlignMode::FixedEnd, 4, 1, 2},
      {"taxi", "taksi", AlignMode::FixedEnd, 1, 1, INT_MIN},
      {"taxi", "taksi", AlignMode::FixedEnd, 0, 1, INT_MAX},
      {"crier", "kri72", AlignMode::Fragment, -1, 9, 0},
      {"", "ha", AlignMode::Fragment, 1, 2, 0},
      {"chat", "", AlignMode::Fragment, 1, 1, 0},
      {"", "", AlignMode::Probe, 1, 1, 0},
      {"x", "k7s", AlignMode::Fragment, 1, 3, 0},
      {"\x95", "7777", AlignMode::Fragment, 1, 4, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word + " /" + c.phonetic + "/ " + std::to_string(c.start) + " " +
                 std::to_string(c.length) + " " + std::to_string(c.fixedEnd));
    AlignmentRequest r;
    r.spelling = c.word;
    r.phonetic = c.phonetic;
    r.mode = c.mode;
    r.fragmentStart = c.start;
    r.fragmentLength = c.length;
    r.fixedEnd = c.fixedEnd;
    AlignSpelling(r);
    EXPECT_GE(r.letterStart, 1);
    EXPECT_LE(r.letterStart, r.letterEnd);
    EXPECT_LE(r.letterEnd, static_cast<int>(r.spelling.size()) + 1);
  }
}

// ---- Generated words ----------------------------------------------------------------------

// The spelling with the bullets and the x marker taken out again; `inserted[k]` tells whether
// character k of the aligned spelling was put in by the alignment.
struct Stripped {
  std::string original;
  std::vector<bool> inserted;
  int bullets = 0;
  int markers = 0;
  bool markersFollowAnX = true;
};

Stripped Strip(const std::string& aligned) {
  Stripped s;
  s.inserted.assign(aligned.size(), false);
  for (std::size_t k = 0; k < aligned.size(); ++k) {
    if (aligned[k] == kYodBullet) {
      s.inserted[k] = true;
      ++s.bullets;
    } else if (aligned[k] == '(' && k + 2 < aligned.size() && aligned[k + 2] == ')') {
      s.inserted[k] = s.inserted[k + 1] = s.inserted[k + 2] = true;
      ++s.markers;
      if (k == 0 || ToLower(aligned[k - 1]) != 'x') s.markersFollowAnX = false;
      k += 2;
    }
  }
  for (std::size_t k = 0; k < aligned.size(); ++k) {
    if (!s.inserted[k]) s.original += aligned[k];
  }
  return s;
}

// A 1-based position in the aligned spelling, counted in the original spelling.
int OriginalPosition(const Stripped& s, int pos) {
  int original = pos;
  for (int k = 0; k < pos - 1 && k < static_cast<int>(s.inserted.size()); ++k) {
    if (s.inserted[static_cast<std::size_t>(k)]) --original;
  }
  return original;
}

struct GeneratedWord {
  std::string spelling;
  std::string phonetic;
};

// A word put together from the grapheme table: each phoneme spelled by one of its spellings,
// with now and then a silent letter, a yod with no letter, a capital, or a character that is no
// phoneme code.
GeneratedWord BuildWord(std::mt19937& rng) {
  std::uniform_int_distribution<int> count(1, 8), row(0, kPhonemeCount - 1), percent(0, 99);
  static const std::string kSilent = "hestx";
  static const std::string kJunk = std::string("?A.\x95 ", 5);
  GeneratedWord w;
  const int n = count(rng);
  for (int k = 0; k < n; ++k) {
    const GraphemeRow& r = GraphemeTable()[static_cast<std::size_t>(row(rng))];
    if (percent(rng) < 10) w.spelling += kSilent[static_cast<std::size_t>(percent(rng)) % kSilent.size()];
    if (percent(rng) < 4) {
      w.phonetic += kJunk[static_cast<std::size_t>(percent(rng)) % kJunk.size()];
      continue;
    }
    w.phonetic += r.code;
    if (r.code == '7' && percent(rng) < 30) continue;  // a yod no letter spells
    std::string_view g = r.spellings[static_cast<std::size_t>(percent(rng)) % r.spellings.size()];
    for (char ch : g) w.spelling += percent(rng) < 8 ? ToUpper(ch) : ch;
  }
  if (percent(rng) < 20) w.spelling += kSilent[static_cast<std::size_t>(percent(rng)) % kSilent.size()];
  return w;
}

// A word of random letters with a random phonetic form: mostly nonsense, which is the point.
GeneratedWord RandomWord(std::mt19937& rng) {
  static const std::string kLetters = "aeiouyxhcgnlqsjtrXH\xE9\xE8\xEF";
  static const std::string kCodes = "a0e123iou45678bdfghjklmnprstvwxzq?Z";
  std::uniform_int_distribution<int> length(0, 9);
  GeneratedWord w;
  for (int k = length(rng); k > 0; --k) w.spelling += kLetters[rng() % kLetters.size()];
  for (int k = length(rng); k > 0; --k) w.phonetic += kCodes[rng() % kCodes.size()];
  return w;
}

// What holds for every alignment of a valid fragment request.
void CheckAlignment(const GeneratedWord& w, const AlignmentRequest& r) {
  const Stripped s = Strip(r.spelling);
  EXPECT_EQ(s.original, w.spelling);
  EXPECT_EQ(s.bullets, r.insertedMarks);
  EXPECT_LE(s.markers, 1);
  EXPECT_TRUE(s.markersFollowAnX);
  EXPECT_GE(r.letterStart, 1);
  EXPECT_LE(r.letterStart, r.letterEnd);
  EXPECT_LE(r.letterEnd, static_cast<int>(r.spelling.size()) + 1);
}

void CheckGeneratedWord(const GeneratedWord& w, std::mt19937& rng) {
  SCOPED_TRACE("spelling \"" + w.spelling + "\" phonetic \"" + w.phonetic + "\"");
  const int n = static_cast<int>(w.phonetic.size());
  for (int start = 1; start <= n; ++start) {
    SCOPED_TRACE("fragment start " + std::to_string(start));
    const AlignmentRequest first = AlignFragment(w.spelling, w.phonetic, start, 1);
    CheckAlignment(w, first);
    int previousEnd = OriginalPosition(Strip(first.spelling), first.letterEnd);
    for (int length = 2; start + length - 1 <= n && length <= 4; ++length) {
      const AlignmentRequest r = AlignFragment(w.spelling, w.phonetic, start, length);
      CheckAlignment(w, r);
      // Where the fragment starts does not depend on how long it is, and a longer fragment
      // never ends earlier in the word.
      EXPECT_EQ(r.letterStart, first.letterStart) << "length " << length;
      const int end = OriginalPosition(Strip(r.spelling), r.letterEnd);
      EXPECT_GE(end, previousEnd) << "length " << length;
      previousEnd = end;
    }
    AlignmentRequest fixed;
    fixed.spelling = w.spelling;
    fixed.phonetic = w.phonetic;
    fixed.fragmentStart = start;
    fixed.fixedEnd = start + static_cast<int>(rng() % 3);
    fixed.mode = AlignMode::FixedEnd;
    AlignSpelling(fixed);
    CheckAlignment(w, fixed);
  }

  // Probe with the word's own last letters, from a random point.
  const std::size_t from = w.spelling.empty() ? 0 : rng() % (w.spelling.size() + 1);
  const AlignmentRequest probe = Probe(w.spelling, w.phonetic, ToLower(w.spelling.substr(from)));
  const Stripped s = Strip(probe.spelling);
  EXPECT_EQ(s.original, w.spelling);
  if (probe.probeFound) {
    EXPECT_EQ(s.markers, 0);
    ASSERT_FALSE(probe.probePhonemes.empty());
    ASSERT_LE(probe.probePhonemes.size(), w.phonetic.size());
    EXPECT_EQ(w.phonetic.substr(w.phonetic.size() - probe.probePhonemes.size()), probe.probePhonemes);
  } else {
    EXPECT_TRUE(probe.probePhonemes.empty());
    EXPECT_GE(probe.letterStart, 1);
    EXPECT_LE(probe.letterStart, probe.letterEnd);
    EXPECT_LE(probe.letterEnd, static_cast<int>(probe.spelling.size()) + 1);
  }
}

TEST(AlignSpelling, GeneratedWordsFromTheGraphemeTable) {
  std::mt19937 rng(20260605);
  for (int k = 0; k < 400; ++k) CheckGeneratedWord(BuildWord(rng), rng);
}

TEST(AlignSpelling, RandomLettersAndCodes) {
  std::mt19937 rng(1252);
  for (int k = 0; k < 400; ++k) CheckGeneratedWord(RandomWord(rng), rng);
}

}  // namespace
}  // namespace tavilo
