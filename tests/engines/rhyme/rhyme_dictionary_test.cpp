// The rhyme engine against a naive reference on the shipped dictionary. The reference decodes the
// data files itself, tests each word with plain string operations instead of patterns, and finds
// the rhyme's sound by trying the words in order; the engine must agree on the sound, on every
// word of every list, and on the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/alignment.h"
#include "core/tav_file.h"
#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

// The dictionary the program would load: $TAVILO_DATA, else the shipped data/.
const std::filesystem::path kDataDir = FindDataDirectory();

// Every row of a word file, decoded byte by byte.
std::vector<WordEntry> DecodeFile(const char* name) {
  std::ifstream in(kDataDir / name, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<WordEntry> rows;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    start = end + 2;
    const std::size_t first = line.find(kTavSeparator);
    const std::size_t second = line.find(kTavSeparator, first + 1);
    if (first == std::string::npos || second == std::string::npos || second + 1 >= line.size()) {
      ADD_FAILURE() << name << ": malformed line " << rows.size() + 1;
      continue;
    }
    WordEntry entry;
    for (std::size_t i = 0; i < first; ++i) entry.spelling += DecodeSpellingByte(static_cast<unsigned char>(line[i]));
    for (std::size_t i = first + 1; i < second; ++i) {
      entry.phonetic += DecodePhoneticByte(static_cast<unsigned char>(line[i]));
    }
    entry.syllables = static_cast<std::int16_t>(line[second + 1] - '0');
    entry.marker = static_cast<std::int16_t>(line.back() - '0');
    rows.push_back(entry);
  }
  return rows;
}

struct ReferenceTables {
  std::vector<WordEntry> byDomain[5];  // 1 to 4
};

bool IsProbeVowel(unsigned char c) {
  return c == ' ' || c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || (c >= 0xE0 && c <= 0xE4) ||
         (c >= 0xE8 && c <= 0xEB) || (c >= 0xEE && c <= 0xEF) || (c >= 0xF4 && c <= 0xF6) || (c >= 0xF9 && c <= 0xFC);
}

// The first word, nouns to adverbs, that spells the rhyme after a non-vowel and whose walk starts
// a phoneme where the rhyme starts.
std::string ReferenceSound(const ReferenceTables& tables, const std::string& rhyme) {
  for (int domain = 1; domain <= 4; ++domain) {
    for (const WordEntry& entry : tables.byDomain[domain]) {
      const std::string& s = entry.spelling;
      if (entry.phonetic.size() < 2 || s.size() <= rhyme.size() || !s.ends_with(rhyme)) continue;
      if (IsProbeVowel(static_cast<unsigned char>(s[s.size() - rhyme.size() - 1]))) continue;
      AlignmentRequest request;
      request.spelling = s;
      request.phonetic = entry.phonetic;
      request.probeSuffix = rhyme;
      request.mode = AlignMode::Probe;
      AlignSpelling(request);
      if (request.probeFound) return request.probePhonemes;
    }
  }
  return {};
}

bool StandsAt(const std::string& word, const std::string& part, RhymePosition position) {
  switch (position) {
    case RhymePosition::End: return word.ends_with(part);
    case RhymePosition::Start: return word.starts_with(part);
    case RhymePosition::Inside:
      return word.size() >= part.size() + 2 && part.find(word.front()) == std::string::npos &&
             part.find(word.back()) == std::string::npos &&
             word.substr(1, word.size() - 2).find(part) != std::string::npos;
  }
  return false;
}

// The words of each syllable count, in byte order.
std::map<int, std::vector<std::string>> ReferenceLists(const std::vector<WordEntry>& table, const std::string& rhyme,
                                                        const std::string& sound, const RhymeQuery& query) {
  std::map<int, std::vector<std::string>> lists;
  for (const WordEntry& entry : table) {
    if (entry.syllables < 1 || entry.syllables > 9) continue;
    if (query.syllables != 0 && entry.syllables != query.syllables) continue;
    if (!StandsAt(entry.phonetic, sound, query.position)) continue;
    if (query.keepSpelling && !StandsAt(entry.spelling, rhyme, query.position)) continue;
    lists[entry.syllables].push_back(entry.spelling);
  }
  for (auto& [count, words] : lists) std::sort(words.begin(), words.end());
  return lists;
}

std::map<int, std::vector<std::string>> EngineLists(const RhymeResult& result) {
  std::map<int, std::vector<std::string>> lists;
  for (int count = 1; count <= kRhymeMaxSyllables; ++count) {
    std::vector<std::string> words = result.lists[static_cast<std::size_t>(count - 1)].Items();
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end(), DisplayLess{}));
    std::sort(words.begin(), words.end());
    if (!words.empty()) lists[count] = std::move(words);
  }
  return lists;
}

TEST(RhymeDictionaryTest, EngineAgreesWithTheNaiveReference) {
  if (!std::filesystem::exists(kDataDir / "nm.tav")) {
    GTEST_SKIP() << "no shipped dictionary in " << kDataDir << " (run tavilo-mkdict to build data/*.tav)";
  }
  LexiconLoad load = LoadLexicon(kDataDir);
  ASSERT_FALSE(load.error) << load.error->Message();
  const Lexicon& lexicon = *load.lexicon;
  ReferenceTables tables;
  const char* files[] = {nullptr, "nm.tav", "aj.tav", "vr.tav", "av.tav"};
  for (int domain = 1; domain <= 4; ++domain) {
    tables.byDomain[domain] = DecodeFile(files[domain]);
    ASSERT_EQ(tables.byDomain[domain].size(), lexicon.Domain(domain).Size()) << files[domain];
  }

  const std::string rhymes[] = {"age",  "on",   "ette", "eur", "tion", "ique", "oir", "ain", "\xE9",  "er",
                                "eau",  "ou",   "ille", "isme", "ance", "ant", "ier", "al",  "aire", "ude",
                                "eux",  "ose",  "if",   "ard", "ot",   "at",  "in",  "un",  "gne",  "oi",
                                "ure",  "phe",  "ment", "ble", "ix",   "ys",  "oux", "zz",  "qu",   "\xE8re"};
  const Session session;
  std::size_t searches = 0, found = 0, unknown = 0, nothing = 0;
  for (std::size_t r = 0; r < std::size(rhymes); ++r) {
    const std::string& rhyme = rhymes[r];
    const std::string sound = ReferenceSound(tables, rhyme);
    std::vector<RhymeQuery> queries;
    for (int domain = 1; domain <= 4; ++domain) queries.push_back({.typed = rhyme, .domain = domain});
    for (RhymePosition position : {RhymePosition::End, RhymePosition::Start, RhymePosition::Inside}) {
      for (bool keepSpelling : {false, true}) {
        queries.push_back({.typed = rhyme, .position = position, .keepSpelling = keepSpelling,
                           .domain = static_cast<int>(r % 4) + 1});
      }
    }
    queries.push_back({.typed = rhyme, .syllables = static_cast<int>(r % 4) + 1});

    for (const RhymeQuery& query : queries) {
      const RhymeResult result = FindRhymes(lexicon, session, query);
      const std::string what = rhyme + " position " + std::to_string(static_cast<int>(query.position)) +
                               (query.keepSpelling ? " graphie" : "") + " domain " + std::to_string(query.domain) +
                               " syllables " + std::to_string(query.syllables);
      ++searches;
      if (sound.empty()) {
        EXPECT_EQ(result.refusal, RhymeRefusal::UnknownSound) << what;
        ++unknown;
        continue;
      }
      ASSERT_EQ(result.rhymePhonetic, sound) << what;
      const auto expected = ReferenceLists(tables.byDomain[query.domain], rhyme, sound, query);
      EXPECT_EQ(EngineLists(result), expected) << what;
      std::size_t count = 0;
      for (const auto& [syllables, words] : expected) count += words.size();
      EXPECT_EQ(result.count, count) << what;
      EXPECT_EQ(result.refusal, count == 0 ? RhymeRefusal::NothingFound : RhymeRefusal::None) << what;
      if (count == 0) ++nothing;
      found += count;
    }
  }
  // The comparison means something only if most searches found words.
  EXPECT_GT(found, 10000u);
  EXPECT_LT(unknown + nothing, searches / 2) << unknown << " unknown sounds, " << nothing << " empty results";
}

}  // namespace
}  // namespace tavilo
