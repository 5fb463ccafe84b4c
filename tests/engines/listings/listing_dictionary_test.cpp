// Every listing against a naive reference on the shipped dictionary. The references are written
// from the definitions with their own fold, plain string reversal and maps that group the index
// rows by key (so they do not rely on equal keys standing together); the engine must list the
// same items in the same groups, each once, in display order, with the same count.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "engines/listings/listing.h"
#include "support/shipped_tables.h"

namespace tavilo {
namespace {

using Groups = std::map<int, std::set<std::string>>;

std::string Fold(std::string_view word) {
  static const std::map<unsigned char, char> kFolds = {
      {0xE0, 'a'}, {0xE2, 'a'}, {0xE8, 'e'}, {0xE9, 'e'}, {0xEA, 'e'}, {0xEB, 'e'}, {0xEE, 'i'},
      {0xEF, 'i'}, {0xF4, 'o'}, {0xF9, 'u'}, {0xFB, 'u'}, {0xFC, 'u'}, {0xE7, 'c'}};
  std::string out;
  for (char c : ToLower(word)) {
    const auto it = kFolds.find(static_cast<unsigned char>(c));
    out += it == kFolds.end() ? c : it->second;
  }
  return out;
}

std::string Reversed(std::string_view s) { return std::string(s.rbegin(), s.rend()); }
bool Palindrome(std::string_view s) { return s == Reversed(s); }
bool AllIn(std::string_view s, std::string_view set) {
  return std::all_of(s.begin(), s.end(), [set](char c) { return set.find(c) != std::string_view::npos; });
}

std::string RotationItem(std::string_view word) {
  if (!AllIn(word, "abdehimnopqsuwxyz\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB")) return {};
  static const std::map<char, char> kTurn = {{'a', 'e'}, {'e', 'a'}, {'b', 'q'}, {'q', 'b'}, {'d', 'p'}, {'p', 'd'},
                                             {'h', 'y'}, {'y', 'h'}, {'m', 'w'}, {'w', 'm'}, {'n', 'u'}, {'u', 'n'}};
  std::string image;
  for (char c : Reversed(Fold(word))) image += kTurn.count(c) ? kTurn.at(c) : c;
  return std::string(image == Fold(word) ? "** " : "   ").append(word);
}

std::string HorizontalItem(std::string_view word) {
  const std::string_view capitalOnly = "ahy\xE0\xE2";
  if (!AllIn(word, "ahilmnotuvwxy\xE0\xE2\xEE\xEF\xF4\xF9\xFB\xFC")) return {};
  const bool capital = !AllIn(word, "ilmnotuvwx\xEE\xEF\xF4\xF9\xFB\xFC");
  const bool small = !AllIn(word, "ahimotuvwxy\xE0\xE2\xEE\xEF\xF4\xF9\xFB\xFC");
  if (capital && small) {
    std::string shown;
    for (char c : word) shown += capitalOnly.find(c) != std::string_view::npos ? ToUpper(c) : c;
    return "      " + shown;
  }
  return capital ? "M   " + ToUpper(word) : std::string("m   ").append(word);
}

// 'C' consonant, 'V' vowel, '?' anything else.
bool Alternates(std::string_view s, std::string_view consonants, std::string_view vowels) {
  std::string classes;
  for (char c : s) classes += consonants.find(c) != std::string_view::npos ? 'C' : vowels.find(c) != std::string_view::npos ? 'V' : '?';
  return !s.empty() && classes.find('?') == std::string::npos && classes.find("CC") == std::string::npos &&
         classes.find("VV") == std::string::npos;
}

Groups EngineGroups(const ListingResult& result) {
  Groups groups;
  std::size_t count = 0;
  for (const auto& [length, items] : result.groups) {
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), DisplayLess{})) << length;
    groups[length].insert(items.begin(), items.end());
    EXPECT_EQ(groups[length].size(), items.size()) << "repeated items, length " << length;
    count += items.size();
  }
  EXPECT_EQ(result.count, count);
  return groups;
}

class ListingDictionaryTest : public ::testing::Test {
 protected:
  static const Lexicon& Lex() { return testing::ShippedWithIndexes(); }

  // Every entry of the tables a listing scans, `test` giving the item and its length (or "").
  template <typename Test>
  static Groups Scan(std::initializer_list<TableKind> tables, Test test) {
    Groups groups;
    for (TableKind table : tables)
      for (const WordRow e : Lex().Table(table))
        if (auto [length, item] = test(e); !item.empty()) groups[length].insert(item);
    return groups;
  }
  static Groups ScanAll(auto test) {
    return Scan({TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs, TableKind::FunctionWords, TableKind::Locutions},
                test);
  }
  static Groups ScanWords(auto test) {
    return Scan({TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs, TableKind::FunctionWords}, test);
  }

  static void Compare(ListingKind kind, const Groups& expected) {
    const ListingResult result = RunWordListing(kind, Lex());
    std::size_t count = 0;
    for (const auto& [length, items] : expected) count += items.size();
    EXPECT_GT(count, 0u) << DescribeListing(kind).commandName << ": nothing to compare";
    EXPECT_EQ(EngineGroups(result), expected) << DescribeListing(kind).commandName;
  }

};

using Item = std::pair<int, std::string>;
int Length(std::string_view s) { return static_cast<int>(s.size()); }

TEST_F(ListingDictionaryTest, SingleWordListingsAgreeWithTheirDefinitions) {
  Compare(ListingKind::Palindromes, ScanAll([](WordRow e) {
            return Palindrome(Fold(e.spelling)) ? Item{Length(e.spelling), e.spelling} : Item{};
          }));
  Compare(ListingKind::PhoneticPalindromes, ScanAll([](WordRow e) {
            return Palindrome(e.phonetic) ? Item{Length(e.spelling), e.spelling} : Item{};
          }));
  Compare(ListingKind::Ouroboros, ScanAll([](WordRow e) {
            const std::string w = Fold(e.spelling);
            const bool listed = w.size() >= 3 && (Palindrome(w.substr(1)) || Palindrome(w.substr(0, w.size() - 1)));
            return listed ? Item{Length(e.spelling), e.spelling} : Item{};
          }));
  Compare(ListingKind::AmbigramRotation,
          ScanAll([](WordRow e) { return Item{Length(e.spelling), RotationItem(e.spelling)}; }));
  Compare(ListingKind::AmbigramHorizontal,
          ScanAll([](WordRow e) { return Item{Length(e.spelling), HorizontalItem(e.spelling)}; }));
  Compare(ListingKind::Okapi, ScanWords([](WordRow e) {
            const bool listed = Alternates(ToLower(e.spelling), "bcdfghjklmnpqrstvwxz\xE7",
                                           "aeiouy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC");
            return listed ? Item{Length(e.spelling), e.spelling} : Item{};
          }));
  Compare(ListingKind::Phokapi, ScanWords([](WordRow e) {
            return Alternates(e.phonetic, "bcdfghjklmnpqrstvwxz", "012345689aeiou") ? Item{e.syllables, e.spelling} : Item{};
          }));
}

TEST_F(ListingDictionaryTest, IndexWalksAgreeWithAllPairsOfOneKey) {
  // Index rows grouped by key through a map, in index order within a key.
  std::map<std::string_view, std::vector<std::string_view>> byKey;
  const auto& rows = Lex().anagramIndex.Rows();
  for (std::size_t r = 1; r + 1 < rows.size(); ++r) byKey[rows[r].key].push_back(rows[r].word);

  Groups anacyclic, families;
  for (const auto& [key, words] : byKey) {
    for (std::size_t a = 0; a < words.size(); ++a)
      for (std::size_t b = a + 1; b < words.size(); ++b)
        if (Fold(words[b]) == Reversed(Fold(words[a])))
          anacyclic[Length(words[a])].insert(std::string(words[a]) + "    " + std::string(words[b]));
    // A family opens at the first pair of neighbours that differ other than by accents (ç
    // counts) or case, and takes the second word of every such pair.
    std::string family;
    const auto folded = [](std::string_view w) {
      std::string f = Fold(w);
      for (std::size_t i = 0; i < w.size(); ++i)
        if (static_cast<unsigned char>(w[i]) == 0xE7) f[i] = w[i];
      return f;
    };
    for (std::size_t a = 0; a + 1 < words.size(); ++a) {
      if (folded(words[a]) == folded(words[a + 1])) continue;
      if (family.empty()) family = " " + std::string(words[a]);
      family += "   " + std::string(words[a + 1]);
    }
    if (!family.empty()) families[Length(key)].insert(family);
  }
  Compare(ListingKind::Anacyclic, anacyclic);
  Compare(ListingKind::AnagramFamilies, families);

  // Phonetic anacycles: two entries of one key, one sounding as the other read backwards; the
  // smaller form first (homophones of a form that reads the same both ways: index order).
  std::map<std::string_view, std::vector<const PhoneticAnagramRow*>> byPhoneticKey;
  for (const PhoneticAnagramRow& row : Lex().phoneticIndex.Rows())
    if (!row.key.empty()) byPhoneticKey[row.key].push_back(&row);
  Groups anacycles;
  std::size_t keysWithTwoForms = 0, keysSurelyListed = 0;
  for (const auto& [key, entries] : byPhoneticKey) {
    std::set<std::string_view> forms;
    for (std::size_t a = 0; a < entries.size(); ++a) {
      forms.insert(entries[a]->phonetic);
      for (std::size_t b = a + 1; b < entries.size(); ++b) {
        const PhoneticAnagramRow* x = entries[a];
        const PhoneticAnagramRow* y = entries[b];
        if (y->phonetic != Reversed(x->phonetic) || x->spelling == y->spelling) continue;
        if (y->phonetic < x->phonetic) std::swap(x, y);
        anacycles[Length(key)].insert(std::string(x->spelling) + " : " + std::string(y->spelling));
      }
    }
    if (forms.size() < 2) continue;
    ++keysWithTwoForms;
    // Forms of one word share a stem of two letters at least: when no two spellings of
    // different forms begin alike, the key is listed whatever the ending rules.
    bool alike = false;
    for (const PhoneticAnagramRow* x : entries)
      for (const PhoneticAnagramRow* y : entries)
        alike = alike || (x->phonetic != y->phonetic && x->spelling.substr(0, 2) == y->spelling.substr(0, 2));
    if (!alike) ++keysSurelyListed;
  }
  Compare(ListingKind::PhoneticAnacycles, anacycles);

  // Anaphones: one line per key with two phonetic forms or more that are not forms of one word.
  const ListingResult anaphones = ListAnaphones(Lex());
  EXPECT_GT(keysSurelyListed, 0u);
  EXPECT_GE(anaphones.count, keysSurelyListed);
  EXPECT_LE(anaphones.count, keysWithTwoForms);
}

}  // namespace
}  // namespace tavilo
