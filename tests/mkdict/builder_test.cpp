// The builder's rules: readings per table, capacity selection and order, the marker, the
// project's lists and the report, on small in-memory sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <optional>
#include <random>
#include <tuple>

#include "core/text.h"
#include "tools/mkdict/builder.h"

namespace tavilo::mkdict {
namespace {

// One analysis from its lemma and tags.
Analysis A(const char* lemma, const char* tags) {
  Analysis a = ParseTags(tags);
  a.lemma = lemma;
  return a;
}

std::vector<std::string> Phonetics(const std::vector<Transcription>& readings) {
  std::vector<std::string> out;
  for (const Transcription& r : readings) out.emplace_back(r.phonetic);
  return out;
}

using Strings = std::vector<std::string>;

// Which rows each table takes is the shipped rebuild's to check; the rule a derived reading records
// (for the build report) is not in the shipped rows.
TEST(ReadingsFor, TheDerivedReadingKnowsItsSyllablesAndItsRule) {
  const std::vector<Analysis> ardent = {A("ardent", ":A:m:s/*"), A("arder", ":V1_i____a:Ip:3p/*")};
  const auto verb = ReadingsFor("ardent", TableKind::Verbs, ardent, {{"ard5", 2}});
  ASSERT_EQ(verb.size(), 1u);
  EXPECT_EQ(verb[0].phonetic, "ard");
  EXPECT_EQ(verb[0].syllables, 1);
  EXPECT_EQ(verb[0].changes, kVerbEnt);
}

// The readings themselves are the shipped rebuild's to check; the rule each change records is
// only in the build report.
TEST(NormaliseReading, RecordsTheRuleItApplied) {
  EXPECT_EQ(NormaliseReading("blanche", {"bl5he", 2}).changes, kFinalMuteE);
  EXPECT_EQ(NormaliseReading("le", {"l1", 1}).changes, kMuteE);
}

TEST(CompoundFrequency, TheRarestPartMadeRarer) {
  FrequencyList freq;
  freq.frequency = {{"arc", 2e-5}, {"en", 1e-2}, {"ciel", 8e-5}, {"jour", 5e-4}};
  EXPECT_NEAR(Zipf(CompoundFrequency("arc-en-ciel", freq)), Zipf(2e-5) - kCompoundZipfPenalty, 1e-9);
  EXPECT_EQ(CompoundFrequency("abat-jour", freq), 0);  // a part the list lacks
  EXPECT_EQ(CompoundFrequency("ciel", freq), 0);       // not a compound
}

TEST(ReadingsFor, ReformOnlyAnalysesAreIgnored) {
  const std::vector<Transcription> couvent = {{"k4v", 1}, {"k4v5", 2}};
  // Only a reform-only verb analysis: the noun reading is all the verb table could take from the
  // current analyses, so nothing filters and both stay; with the current one, only k4v.
  std::vector<Analysis> analyses = {A("couvent", ":N:m:s/*"), A("couver", ":V1_t____a:Ip:Sp:3p/R")};
  EXPECT_EQ(Phonetics(ReadingsFor("couvent", TableKind::Nouns, analyses, couvent)), Strings{"k4v5"});
  EXPECT_EQ(Phonetics(ReadingsFor("couvent", TableKind::Verbs, analyses, couvent)), (Strings{"k4v", "k4v5"}));
  analyses.back().reformOnly = false;
  EXPECT_EQ(Phonetics(ReadingsFor("couvent", TableKind::Verbs, analyses, couvent)), Strings{"k4v"});
}

Candidate C(const char* spelling, const char* phonetic, double freq, double lemmaFreq = 0) {
  return Candidate{WordEntry{spelling, phonetic, 1, 0}, freq, lemmaFreq};
}

Strings Spellings(const auto& rows) {
  Strings out;
  for (const WordRow e : rows) out.emplace_back(e.spelling);
  return out;
}

TEST(SelectForTable, KeepsTheMostFrequentAndSortsByPhoneticBytes) {
  std::vector<Candidate> in = {
      C("chat", "ha", 1e-4),      C("rare", "rar", 1e-9),          C("inconnu", "6kon", 0, 5e-5),
      C("introuvable", "6truvabl", 0, 1e-6), C("\xE9t\xE9", "2t2", 2e-4), C("verre", "v3r", 3e-5),
      C("vert", "v3r", 3e-5),     C("ver", "v3r", 1e-6),
  };
  std::vector<Candidate> dropped;
  const std::vector<WordEntry> kept = SelectForTable(in, 6, &dropped);
  // Digits sort before letters; homophones sit together, ordered by spelling.
  EXPECT_EQ(Spellings(kept), (Strings{"\xE9t\xE9", "chat", "rare", "ver", "verre", "vert"}));
  ASSERT_EQ(dropped.size(), 2u);
  // Forms the frequency list lacks rank last, the one with the more frequent lemma first.
  EXPECT_EQ(dropped[0].entry.spelling, "inconnu");
  EXPECT_EQ(dropped[1].entry.spelling, "introuvable");

  // The input order does not matter.
  std::mt19937 rng(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(in.begin(), in.end(), rng);
    EXPECT_EQ(SelectForTable(in, 6), kept);
  }
}

TEST(SelectForTable, EqualFrequenciesFallBackToSpelling) {
  const std::vector<WordEntry> kept = SelectForTable({C("b", "b", 1e-6), C("c", "a", 1e-6), C("a", "c", 1e-6)}, 2);
  EXPECT_EQ(Spellings(kept), (Strings{"b", "a"}));  // a and b kept, written in phonetic order
}

TEST(IsStorableSpelling, LowerCaseLettersHyphenApostrophe) {
  EXPECT_TRUE(IsStorableSpelling("aujourd'hui"));
  EXPECT_TRUE(IsStorableSpelling("arc-en-ciel"));
  EXPECT_TRUE(IsStorableSpelling("\xE2ne"));   // âne
  EXPECT_TRUE(IsStorableSpelling("ca\xF1on"));  // cañon
  EXPECT_FALSE(IsStorableSpelling(""));
  EXPECT_FALSE(IsStorableSpelling("1er"));
  EXPECT_FALSE(IsStorableSpelling("star system"));
  EXPECT_FALSE(IsStorableSpelling("\xC9tat"));  // État
  EXPECT_FALSE(IsStorableSpelling("\x9C" "uvre"));  // œ must have been spelled out
  EXPECT_FALSE(IsStorableSpelling("stra\xDF" "e"));
}

PronunciationList Pronunciations(std::initializer_list<std::pair<const char*, const char*>> lines) {
  PronunciationList list;
  for (const auto& [spelling, phones] : lines) {
    list.readings[spelling].push_back(*ConvertLexique(spelling, SplitPhones(phones)).transcription);
  }
  return list;
}

TEST(ComposeLocution, ConcatenatesTheWordsAndSplitsElisions) {
  const PronunciationList list = Pronunciations(
      {{"POMME", "p O m"}, {"DE", "d deux"}, {"TERRE", "t E R"}, {"\xC0", "a"}, {"L'", "l"}, {"HEURE", "neuf R"},
       {"D'ABORD", "d a b O R"}, {"ABORD", "a b O R"}, {"GRAND", "g R @"}, {"AMI", "a m i"}});
  EXPECT_EQ(ComposeLocution("pomme de terre", list).reading, (Transcription{"pomd1t3r", 3}));
  EXPECT_EQ(ComposeLocution("\xE0 l'heure", list).reading, (Transcription{"al1r", 2}));
  EXPECT_EQ(ComposeLocution("d'abord", list).reading, (Transcription{"dabor", 2}));
  // A final d the word does not sound is heard as t before a vowel (no shipped locution shows it).
  EXPECT_EQ(ComposeLocution("grand ami", list).reading->phonetic, "gr5tami");
  const ComposedLocution missing = ComposeLocution("pomme de pin", list);
  EXPECT_FALSE(missing.reading);
  EXPECT_EQ(missing.missingWord, "pin");
  EXPECT_FALSE(ComposeLocution("   ", list).reading);
}

// A miniature of the three sources with one word for each way of being kept or left out.
Sources MiniSources() {
  Sources s;
  s.pronunciations = Pronunciations({
      {"CHAT", "S a"}, {"VERT", "v E R"}, {"VERRE", "v E R"}, {"VERS", "v E R"}, {"VER", "v E R"},
      {"\xC2NE", "a n"}, {"ANTICONSTITUTIONNELLEMENT", "@ t i k N s t i t y s j O n E l m @"},
      {"ORNITHORYNQUE", "O R n i t O R cinq k"}, {"PARIS", "p a R i"}, {"MERDE", "m E R d"},
      {"POMME", "p O m"}, {"DE", "d deux"}, {"TERRE", "t E R"}, {"OK", "o k E"}, {"ARC-EN-CIEL", "a R k @ s j E l"},
      {"PFF", "p f"}, {"L'", "l"},
  });
  auto add = [&](const char* form, const char* lemma, const char* tags) { s.morphology[form].push_back(A(lemma, tags)); };
  add("chat", "chat", ":N:m:s/*");
  add("vert", "vert", ":N:A:m:s/*");
  add("verre", "verre", ":N:m:s/*");
  add("vers", "vers", ":G:R/*");
  add("vers", "ver", ":N:m:p/*");
  add("ver", "ver", ":N:m:s/*");
  add("\xE2ne", "\xE2ne", ":N:m:s/*");
  add("ornithorynque", "ornithorynque", ":N:m:s/*");
  add("arc-en-ciel", "arc-en-ciel", ":N:m:s/*");
  add("anticonstitutionnellement", "anticonstitutionnellement", ":W/*");
  add("Paris", "Paris", ":MP:e:i/*");
  add("plait", "plaire", ":V3_i_nq__a:Ip:3s/R");
  add("etc", "etc", ":\xC9W/*");
  add("1er", "1er", ":A:m:s/*");
  add("xyzzy", "xyzzy", ":N:m:s/*");
  add("l'", "le", ":G:D:e:s/*");
  add("pff", "pff", ":J/*");
  for (const auto& [w, f] : std::initializer_list<std::pair<const char*, double>>{
           {"chat", 1e-4}, {"vert", 5e-5}, {"verre", 6e-5}, {"vers", 3e-4}, {"ver", 5e-6}, {"\xE2ne", 6e-6},
           {"arc-en-ciel", 1e-4}, {"etc", 2e-4}, {"ok", 1e-3}, {"xyzzy", 1e-7}}) {
    s.frequencies.frequency[w] = f;
    s.frequencies.ranked.push_back(w);
  }
  std::sort(s.frequencies.ranked.begin(), s.frequencies.ranked.end(),
            [&](const std::string& a, const std::string& b) { return s.frequencies.Of(a) > s.frequencies.Of(b); });
  s.taboo = {{"merde", "", 1}, {"teub", "t neuf b", 2}};
  s.locutions = {{"pomme de terre", "", 1}};
  return s;
}

std::optional<WordRow> Find(const WordTable& table, std::string_view spelling) {
  for (const WordRow e : table) {
    if (e.spelling == spelling) return e;
  }
  return std::nullopt;
}

TEST(BuildDictionary, TablesMarkerAndReport) {
  const BuildResult r = BuildDictionary(MiniSources());
  ASSERT_FALSE(r.error) << r.error->Message();
  const WordTable& nouns = r.tables[static_cast<int>(TableKind::Nouns)];
  // In phonetic order; the homophones of vert together, in spelling order.
  EXPECT_EQ(Spellings(nouns),
            (Strings{"\xE2ne", "arc-en-ciel", "chat", "ornithorynque", "ver", "verre", "vers", "vert"}));
  ASSERT_NE(Find(nouns, "chat"), std::nullopt);
  EXPECT_EQ(*Find(nouns, "chat"), (WordEntry{"chat", "ha", 1, 1}));
  EXPECT_EQ(Find(nouns, "ver")->marker, 0);            // too rare for the reduced vocabulary
  EXPECT_EQ(Find(nouns, "arc-en-ciel")->marker, 0);    // frequent but compound
  EXPECT_EQ(Find(nouns, "ornithorynque")->syllables, 4);
  EXPECT_NE(Find(r.tables[static_cast<int>(TableKind::Adjectives)], "vert"), std::nullopt);
  EXPECT_NE(Find(r.tables[static_cast<int>(TableKind::FunctionWords)], "vers"), std::nullopt);
  EXPECT_EQ(Find(r.tables[static_cast<int>(TableKind::Taboo)], "teub")->phonetic, "t1b");
  EXPECT_EQ(*Find(r.tables[static_cast<int>(TableKind::Locutions)], "pomme de terre"),
            (WordEntry{"pomme de terre", "pomdet3r", 3, 0}));

  const BuildReport& rep = r.report;
  auto left = [&](LeftOutReason why) { return rep.leftOut[static_cast<std::size_t>(why)]; };
  EXPECT_EQ(left(LeftOutReason::Capital).examples, Strings{"Paris"});
  EXPECT_EQ(left(LeftOutReason::ReformOnly).examples, Strings{"plait"});
  EXPECT_EQ(left(LeftOutReason::NoCategory).examples, Strings{"etc"});
  EXPECT_EQ(left(LeftOutReason::Characters).examples, Strings{"1er"});
  EXPECT_EQ(left(LeftOutReason::TooLong).examples, Strings{"anticonstitutionnellement"});
  EXPECT_EQ(left(LeftOutReason::NoPronunciation).examples, Strings{"xyzzy"});
  EXPECT_EQ(left(LeftOutReason::Elided).examples, Strings{"l'"});
  EXPECT_EQ(left(LeftOutReason::NoVowelLetter).examples, Strings{"pff"});
  EXPECT_TRUE(left(LeftOutReason::Syllables).examples.empty());
  // OK has a pronunciation but no category; PARIS is only a proper name; the list words of the
  // project's lists (MERDE, POMME...) are not dictionary words either.
  EXPECT_EQ(rep.unusedPronunciations.examples[0], "ok");
  // Coverage: the forms of the frequency list that the morphological list knows (ok is not one).
  EXPECT_EQ(rep.coverageSample, 9u);
  EXPECT_EQ(rep.coverageHits, 7u);
  EXPECT_EQ(rep.coverageMisses, (Strings{"etc", "xyzzy"}));
  EXPECT_EQ(rep.childSpellings, 4u);  // chat, vert, verre, vers
}

TEST(BuildDictionary, ChildListTabooAndCorrections) {
  Sources s = MiniSources();
  s.morphology["merde"].push_back(A("merde", ":N:f:s/*"));
  s.frequencies.frequency["merde"] = 1e-4;  // frequent, short, taboo
  s.childWords = {{"ver", "", 1}};         // rare, but every child knows it
  s.corrections = {{"verre", "v E R, v e R", 1}, {"\xE2ne", "", 2}};
  const BuildResult r = BuildDictionary(s);
  ASSERT_FALSE(r.error) << r.error->Message();
  const WordTable& nouns = r.tables[static_cast<int>(TableKind::Nouns)];
  ASSERT_NE(Find(nouns, "merde"), std::nullopt);
  EXPECT_EQ(Find(nouns, "merde")->marker, 0);
  EXPECT_EQ(Find(nouns, "ver")->marker, 1);
  EXPECT_EQ(Find(nouns, "\xE2ne"), std::nullopt);
  Strings verre;
  for (const WordRow e : nouns) {
    if (e.spelling == "verre") verre.emplace_back(e.phonetic);
  }
  EXPECT_EQ(verre, (Strings{"v2r", "v3r"}));
  EXPECT_EQ(r.report.childTaboo.examples, Strings{"merde"});
  EXPECT_EQ(r.report.childListed.examples, Strings{"ver"});
  EXPECT_EQ(r.report.leftOut[static_cast<std::size_t>(LeftOutReason::Corrected)].examples, Strings{"\xE2ne"});

  s.childWords = {{"ornithorynque", "", 7}};  // four syllables
  const BuildResult bad = BuildDictionary(s);
  ASSERT_TRUE(bad.error);
  EXPECT_NE(bad.error->Message().find("enfant.txt"), std::string::npos);
  EXPECT_NE(bad.error->Message().find("ligne 7"), std::string::npos);
}

// Which plurals read as their singular is the shipped rebuild's to check; the gender the two must
// share changes no shipped row, so it is pinned here.
TEST(SingularOf, TheSingularMustShareTheGender) {
  MorphologyList m;
  auto add = [&](const char* form, const char* lemma, const char* tags) { m[form].push_back(A(lemma, tags)); };
  add("ambitieuses", "ambitieux", ":A:f:p/*");
  add("ambitieuse", "ambitieux", ":A:f:s/*");
  add("mares", "mare", ":N:f:p/*");
  add("mare", "mare", ":N:m:s/*");  // another gender
  EXPECT_EQ(SingularOf("ambitieuses", TableKind::Adjectives, m), "ambitieuse");
  EXPECT_EQ(SingularOf("mares", TableKind::Nouns, m), std::nullopt);
}

TEST(PluralsReadApart, ReportsEveryPluralNotReadAsItsSingular) {
  MorphologyList m;
  auto add = [&](const char* form, const char* lemma, const char* tags) { m[form].push_back(A(lemma, tags)); };
  for (const char* w : {"cookie", "oeuf", "chat", "gai"}) {
    add(w, w, ":N:A:m:s/*");
    add((std::string(w) + 's').c_str(), w, ":N:A:m:p/*");
  }
  std::array<WordTable, kTableCount> tables;
  for (WordTable& t : tables) t.Reset(20);
  auto& nouns = tables[static_cast<int>(TableKind::Nouns)];
  auto& adjectives = tables[static_cast<int>(TableKind::Adjectives)];
  for (const auto& [w, p] : std::initializer_list<std::pair<const char*, const char*>>{
           {"cookie", "k4ki"}, {"cookies", "k4kiz"}, {"oeuf", "1f"}, {"oeufs", "1"}, {"chat", "ha"},
           {"chats", "ha"}, {"gai", "g2"}, {"gai", "g3"}, {"gais", "g2"}}) {
    nouns.Append(WordEntry{w, p, 1, 0});
  }
  adjectives.Append(WordEntry{"gais", "g3", 1, 0});  // its singular is not in the table
  // oeufs is said otherwise in French; gais lacks one of the readings of gai.
  EXPECT_EQ(PluralsReadApart(tables, m),
            (Strings{"nm.tav : cookies /k4kiz/ cookie /k4ki/", "nm.tav : gais /g2/ gai /g2/, /g3/"}));
}

TEST(SelectForTable, LowerRankClassesComeFirst) {
  std::vector<Candidate> in = {C("mangeait", "m5j3", 1e-4), C("manger", "m5j2", 0), C("mang\xE9", "m5j2", 1e-9)};
  in[1].rankClass = 0;
  in[2].rankClass = 1;
  in[0].rankClass = 2;
  EXPECT_EQ(Spellings(SelectForTable(in, 2)), (Strings{"manger", "mang\xE9"}));
}

TEST(BuildDictionary, CapacityKeepsTheMostFrequent) {
  BuildOptions options;
  options.capacities[static_cast<int>(TableKind::Nouns)] = 3;
  const BuildResult r = BuildDictionary(MiniSources(), options);
  ASSERT_FALSE(r.error);
  const WordTable& nouns = r.tables[static_cast<int>(TableKind::Nouns)];
  EXPECT_EQ(Spellings(nouns), (Strings{"arc-en-ciel", "chat", "vers"}));
  const TableReport& tr = r.report.tables[static_cast<int>(TableKind::Nouns)];
  EXPECT_EQ(tr.candidates, 8u);
  EXPECT_EQ(tr.overCapacity.count, 5u);
  EXPECT_EQ(tr.overCapacity.examples.front(), "verre");
}

TEST(BuildDictionary, ListWordsMustBeTranscribableAndShort) {
  Sources s = MiniSources();
  s.taboo.push_back({"zguegue", "", 3});
  BuildResult r = BuildDictionary(s);
  ASSERT_TRUE(r.error);
  EXPECT_NE(r.error->Message().find("taboo.txt"), std::string::npos);
  EXPECT_NE(r.error->Message().find("ligne 3"), std::string::npos);

  s = MiniSources();
  s.locutions.push_back({"pomme de terre de terre", "", 2});
  r = BuildDictionary(s);
  ASSERT_TRUE(r.error);
  EXPECT_NE(r.error->Message().find("locutions.txt"), std::string::npos);

  s = MiniSources();
  s.locutions.push_back({"terre de pomme cuite", "", 4});
  r = BuildDictionary(s);
  ASSERT_TRUE(r.error);
  EXPECT_NE(r.error->Message().find("cuite"), std::string::npos);
}

TEST(FormatReport, NamesEveryTableAndTheCoverage) {
  const std::string text = FormatReport(BuildDictionary(MiniSources()).report);
  for (const char* file : {"nm.tav", "aj.tav", "vr.tav", "av.tav", "tb.tav", "po.tav"}) {
    EXPECT_NE(text.find(file), std::string::npos) << file;
  }
  EXPECT_NE(text.find("7 des 9"), std::string::npos) << text;
}

}  // namespace
}  // namespace tavilo::mkdict
