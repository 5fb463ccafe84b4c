// The shipped dictionary teaches the rhyme tool the sound a French reader expects for the common
// written endings of French rhymes: the tool learns it from the first word, in table order, that
// ends with the rhyme, so one misread rare word at the head of a table would spoil a whole search.
#include <gtest/gtest.h>

#include <filesystem>

#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

TEST(RhymeEndingsTest, CommonEndingsLearnTheExpectedSound) {
  const std::filesystem::path dataDir = FindDataDirectory();
  if (!std::filesystem::exists(dataDir / "nm.tav")) GTEST_SKIP() << "no shipped dictionary in " << dataDir;
  const LexiconLoad load = LoadLexicon(dataDir);
  ASSERT_FALSE(load.error) << load.error->Message();
  const std::pair<const char*, const char*> endings[] = {
      {"ment", "m5"},  {"er", "2"},     {"ance", "5s"},  {"ence", "5s"},  {"tion", "s78"}, {"sion", "s78"},
      {"ette", "3t"},  {"age", "aj"},   {"eur", "1r"},   {"euse", "1z"},  {"oir", "0r"},   {"oire", "0r"},
      {"ure", "ur"},   {"ule", "ul"},   {"ise", "iz"},   {"ique", "ik"},  {"isme", "izm"}, {"iste", "ist"},
      {"able", "abl"}, {"ible", "ibl"}, {"esse", "3s"},  {"ade", "ad"},   {"\xE9" "e", "2"}, {"ier", "72"},
      {"i\xE8re", "73r"}, {"eau", "o"}, {"elle", "3l"},  {"ine", "in"},   {"ite", "it"},   {"it\xE9", "it2"},
      {"ou", "4"},     {"on", "8"},     {"in", "6"},     {"ain", "6"},    {"ais", "3"},    {"ait", "3"},
      {"ant", "5"},    {"ot", "o"},     {"at", "a"},     {"al", "al"},    {"ail", "a7"},   {"eil", "37"},
      {"oux", "4"},    {"eux", "1"},    {"aire", "3r"},  {"erie", "eri"},  {"ard", "ar"},   {"ose", "oz"},
      {"ole", "ol"},   {"euil", "17"},
  };
  const Session session;
  for (const auto& [ending, sound] : endings) {
    const RhymeResult result = FindRhymes(*load.lexicon, session, RhymeQuery{.typed = ending});
    EXPECT_EQ(result.rhymePhonetic, sound) << Cp1252ToUtf8(ending);
  }
}

}  // namespace
}  // namespace tavilo
