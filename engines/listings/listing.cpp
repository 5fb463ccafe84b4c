// The word listings: the test of one word for each single-word listing, the walks of the two
// anagram indexes for the others, and the dispatch by kind.
#include "core/frequency_order.h"
#include "engines/listings/listing.h"

#include <algorithm>
#include <array>
#include <functional>

#include "core/graphemes.h"
#include "core/text.h"

namespace tavilo {
namespace {

using L = ListingKind;
using G = ListingGrouping;

constexpr std::array kDescriptions = {
    ListingDescription{.kind = L::Palindromes, .commandName = "palindromes",
                       .title = "   Liste des mots palindromiques ", .grouping = G::Letters, .font = "Courier New"},
    ListingDescription{.kind = L::PhoneticPalindromes, .commandName = "palindromes-phonetiques",
                       .title = "   Liste des palindromes phon\xE9tiques", .grouping = G::Letters,
                       .font = "Courier New"},
    ListingDescription{.kind = L::Anacyclic, .commandName = "anacycliques", .title = "   Liste des mots anacycliques ",
                       .countsGroups = true, .grouping = G::Letters, .oneItemPerLine = true, .font = "Courier New",
                       .needsAnagramIndex = true},
    ListingDescription{.kind = L::Ouroboros, .commandName = "ourobores", .title = "   Liste des mots ourobores ",
                       .grouping = G::Letters, .font = "Courier New"},
    ListingDescription{.kind = L::PhoneticAnacycles, .commandName = "anacycles-phonetiques",
                       .title = "   Liste des anacycles phon\xE9tiques", .countsGroups = true, .grouping = G::Phonemes,
                       .singularHeading = true, .oneItemPerLine = true, .font = "Courier New",
                       .needsPhoneticIndex = true},
    ListingDescription{.kind = L::Anaphones, .commandName = "anaphones", .title = "   Liste des mots anaphones",
                       .countsGroups = true, .grouping = G::Phonemes, .singularHeading = true, .oneItemPerLine = true,
                       .font = "Courier New", .needsPhoneticIndex = true},
    ListingDescription{.kind = L::AmbigramRotation, .commandName = "ambigrammes",
                       .title = "   Liste des mots ambigrammes \xE0 rotation 180\xB0", .grouping = G::Letters,
                       .singularHeading = true, .font = "Courier New"},
    ListingDescription{.kind = L::AmbigramHorizontal, .commandName = "ambigrammes-horizontaux",
                       .title = "   Liste des mots ambigrammes \xE0 sym\xE9trie horizontale", .grouping = G::Letters,
                       .singularHeading = true, .font = "Futura Medium BT"},
    ListingDescription{.kind = L::Okapi, .commandName = "okapi", .title = "   Liste des mots 'okapi'",
                       .grouping = G::Letters, .listKind = "MotOkapi", .font = "Courier New"},
    ListingDescription{.kind = L::Phokapi, .commandName = "phokapi", .title = "   Liste des mots 'phokapi'",
                       .grouping = G::Syllables, .singularHeading = true, .listKind = "MotPhokapi",
                       .font = "Courier New"},
    ListingDescription{.kind = L::AnagramFamilies, .commandName = "familles",
                       .title = "   Liste des mots anagrammatiques", .countsGroups = true, .grouping = G::Letters,
                       .oneItemPerLine = true, .font = "Courier New", .needsAnagramIndex = true},
};

bool In(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// Collects the items of a listing by length, keeps the live count and the progress (one step per
// row of the `rows` the listing reads), and sorts at the end.
class Collector {
 public:
  Collector(ListingKind kind, SearchObserver& observer, std::size_t rows)
      : observer_(observer), rows_(static_cast<double>(rows)) {
    result_.kind = kind;
  }

  void Add(int length, std::string item) {
    result_.groups[length].push_back(std::move(item));
    observer_.SetCount(static_cast<long>(++result_.count));
  }
  void Keep(WordRow entry) {
    result_.kept.Append(entry);
  }
  // After each row: false when the observer asks to stop.
  bool Go() {
    observer_.SetProgress(++done_, rows_);
    if (observer_.Yield()) return true;
    result_.stopped = true;
    return false;
  }
  // The groups in display order, each item once (a word in two tables is listed once).
  ListingResult Finish() {
    result_.count = 0;
    for (auto& [length, items] : result_.groups) {
      std::sort(items.begin(), items.end(), DisplayLess{});
      items.erase(std::unique(items.begin(), items.end()), items.end());
      result_.count += items.size();
    }
    observer_.SetCount(static_cast<long>(result_.count));
    return std::move(result_);
  }

 private:
  SearchObserver& observer_;
  double rows_;
  double done_ = 0;
  ListingResult result_;
};

// Runs `test` over every entry of the tables in order; it returns the item to list (and its
// length) or nothing.
using EntryTest = std::function<std::optional<std::pair<int, std::string>>(WordRow)>;

constexpr TableKind kScannedTables[] = {TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs,
                                        TableKind::FunctionWords, TableKind::Locutions};

ListingResult ScanTables(ListingKind kind, const Lexicon& lexicon, std::span<const TableKind> tables,
                         SearchObserver& observer, const EntryTest& test, bool keepRows = false) {
  std::size_t rows = 0;
  for (TableKind table : tables) rows += lexicon.Table(table).Size();
  Collector collector(kind, observer, rows);
  for (TableKind table : tables) {
    for (const WordRow entry : lexicon.Table(table)) {
      if (auto item = test(entry)) {
        collector.Add(item->first, std::move(item->second));
        if (keepRows) collector.Keep(entry);
      }
      if (!collector.Go()) return collector.Finish();
    }
  }
  return collector.Finish();
}

// A spelling listed as itself, by its letter count, when `accept` says so.
EntryTest SpellingWhen(bool (*accept)(std::string_view)) {
  return [accept](WordRow entry) -> std::optional<std::pair<int, std::string>> {
    if (!accept(entry.spelling)) return std::nullopt;
    return std::pair{static_cast<int>(entry.spelling.size()), std::string(entry.spelling)};
  };
}

bool ReadsBothWays(std::string_view s) {
  for (std::size_t k = 0; k < s.size() / 2; ++k)
    if (s[k] != s[s.size() - 1 - k]) return false;
  return true;
}

constexpr std::string_view kRotationLetters = "abdehimnopqsuwxyz\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB";

// The letter turned upside down (after folding).
char Rotated(char c) {
  switch (c) {
    case 'a': return 'e';
    case 'e': return 'a';
    case 'b': return 'q';
    case 'q': return 'b';
    case 'd': return 'p';
    case 'p': return 'd';
    case 'h': return 'y';
    case 'y': return 'h';
    case 'm': return 'w';
    case 'w': return 'm';
    case 'n': return 'u';
    case 'u': return 'n';
    default: return c;  // i o s x z
  }
}

constexpr std::string_view kCapitalSymmetric = "ahy\xE0\xE2";
constexpr std::string_view kSmallSymmetric = "ln";
constexpr std::string_view kBothSymmetric = "imotuvwx\xEE\xEF\xF4\xF9\xFB\xFC";

constexpr std::string_view kOkapiConsonants = "bcdfghjklmnpqrstvwxz\xE7";
constexpr std::string_view kOkapiVowels = "aeiouy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
constexpr std::string_view kPhokapiConsonants = "bcdfghjklmnpqrstvwxz";

bool Alternates(std::string_view s, std::string_view consonants, std::string_view vowels) {
  if (s.empty()) return false;
  bool lastConsonant = false, lastVowel = false;
  for (char c : s) {
    if (In(consonants, c) && !lastConsonant) {
      lastConsonant = true, lastVowel = false;
    } else if (In(vowels, c) && !lastVowel) {
      lastVowel = true, lastConsonant = false;
    } else {
      return false;
    }
  }
  return true;
}

constexpr std::string_view kInflectionEndings[] = {"",    "e",  "s",  "es", "le", "les", "nt",     "ent",    "ait", "er",
                                                   "ez",  "t",  "ai", "ais", "\xE9", "\xE9" "es", "\xE9s", "\xE9" "e", "r"};

// The rows of the anagram index between the empty first row and the terminating row.
std::span<const AnagramRow> IndexRows(const AnagramIndex& index) {
  const auto& rows = index.Rows();
  return rows.size() < 2 ? std::span<const AnagramRow>() : std::span(rows).subspan(1, rows.size() - 2);
}

std::span<const PhoneticAnagramRow> IndexRows(const PhoneticAnagramIndex& index) {
  const auto& rows = index.Rows();
  return rows.empty() ? std::span<const PhoneticAnagramRow>() : std::span(rows).first(rows.size() - 1);
}

EntryTest ItemWhen(std::optional<std::string> (*item)(std::string_view)) {
  return [item](WordRow entry) -> std::optional<std::pair<int, std::string>> {
    auto text = item(entry.spelling);
    if (!text) return std::nullopt;
    return std::pair{static_cast<int>(entry.spelling.size()), std::move(*text)};
  };
}

// The spellings of one phonetic form, shortest first, without repeats nor the spellings that
// are inflections of a shorter one.
std::vector<std::string_view> BaseSpellings(std::vector<std::string_view> spellings) {
  std::sort(spellings.begin(), spellings.end(), [](std::string_view a, std::string_view b) {
    return a.size() != b.size() ? a.size() < b.size() : CompareDisplay(a, b) < 0;
  });
  std::vector<std::string_view> bases;
  for (std::string_view s : spellings) {
    const bool derived = std::any_of(bases.begin(), bases.end(),
                                     [s](std::string_view base) { return base == s || AreInflections(base, s); });
    if (!derived) bases.push_back(s);
  }
  return bases;
}

}  // namespace

std::span<const ListingDescription> AllListingDescriptions() { return kDescriptions; }

const ListingDescription& DescribeListing(ListingKind kind) { return kDescriptions[static_cast<std::size_t>(kind)]; }

std::optional<ListingKind> ListingByCommandName(std::string_view name) {
  for (const ListingDescription& d : kDescriptions)
    if (name == d.commandName) return d.kind;
  return std::nullopt;
}

std::string FoldListingLetters(std::string_view spelling) { return FoldStandard(ToLower(spelling)); }

bool IsPalindrome(std::string_view spelling) { return ReadsBothWays(FoldListingLetters(spelling)); }

bool IsPhoneticPalindrome(std::string_view phonetic) { return ReadsBothWays(phonetic); }

bool IsOuroboros(std::string_view spelling) {
  const std::string w = FoldListingLetters(spelling);
  const std::size_t n = w.size();
  if (n < 3) return false;
  return ReadsBothWays(std::string_view(w).substr(1)) || ReadsBothWays(std::string_view(w).substr(0, n - 1));
}

std::optional<std::string> RotationAmbigramItem(std::string_view spelling) {
  if (spelling.empty()) return std::nullopt;
  for (char c : spelling)
    if (!In(kRotationLetters, c)) return std::nullopt;
  const std::string folded = FoldListingLetters(spelling);
  std::string image(folded.size(), ' ');
  for (std::size_t k = 0; k < folded.size(); ++k) image[folded.size() - 1 - k] = Rotated(folded[k]);
  return (image == folded ? "** " : "   ") + std::string(spelling);
}

std::optional<std::string> HorizontalAmbigramItem(std::string_view spelling) {
  if (spelling.empty()) return std::nullopt;
  bool capitals = true, small = true;
  std::string shown(spelling);
  for (char& c : shown) {
    if (In(kCapitalSymmetric, c)) {
      small = false;
      c = ToUpper(c);
    } else if (In(kSmallSymmetric, c)) {
      capitals = false;
    } else if (!In(kBothSymmetric, c)) {
      return std::nullopt;
    }
  }
  // Readable in both cases: shown in small letters.
  if (capitals && small) capitals = false;
  if (capitals) shown = ToUpper(shown);
  return (capitals ? "M   " : small ? "m   " : "      ") + shown;
}

bool IsOkapi(std::string_view spelling) { return Alternates(ToLower(spelling), kOkapiConsonants, kOkapiVowels); }

bool IsPhokapi(std::string_view phonetic) { return Alternates(phonetic, kPhokapiConsonants, kVowelPhonemes); }

bool AreInflections(std::string_view a, std::string_view b) {
  for (std::string_view ea : kInflectionEndings) {
    if (a.size() < ea.size() + 2 || !a.ends_with(ea)) continue;
    const std::string_view stem = a.substr(0, a.size() - ea.size());
    if (!b.starts_with(stem)) continue;
    const std::string_view eb = b.substr(stem.size());
    if (eb != ea && std::find(std::begin(kInflectionEndings), std::end(kInflectionEndings), eb) !=
                        std::end(kInflectionEndings))
      return true;
  }
  return false;
}

ListingResult ListPalindromes(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(L::Palindromes, lexicon, kScannedTables, observer, SpellingWhen(IsPalindrome));
}

ListingResult ListPhoneticPalindromes(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(L::PhoneticPalindromes, lexicon, kScannedTables, observer,
                    [](WordRow entry) -> std::optional<std::pair<int, std::string>> {
                      if (!IsPhoneticPalindrome(entry.phonetic)) return std::nullopt;
                      return std::pair{static_cast<int>(entry.spelling.size()), std::string(entry.spelling)};
                    });
}

ListingResult ListOuroboros(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(L::Ouroboros, lexicon, kScannedTables, observer, SpellingWhen(IsOuroboros));
}

ListingResult ListRotationAmbigrams(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(L::AmbigramRotation, lexicon, kScannedTables, observer, ItemWhen(RotationAmbigramItem));
}

ListingResult ListHorizontalAmbigrams(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(L::AmbigramHorizontal, lexicon, kScannedTables, observer, ItemWhen(HorizontalAmbigramItem));
}

ListingResult ListOkapi(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(L::Okapi, lexicon, kWordTableKinds, observer, SpellingWhen(IsOkapi), true);
}

ListingResult ListPhokapi(const Lexicon& lexicon, SearchObserver& observer) {
  return ScanTables(
      L::Phokapi, lexicon, kWordTableKinds, observer,
      [](WordRow entry) -> std::optional<std::pair<int, std::string>> {
        if (!IsPhokapi(entry.phonetic)) return std::nullopt;
        return std::pair{static_cast<int>(entry.syllables), std::string(entry.spelling)};
      },
      true);
}

ListingResult ListAnacyclic(const Lexicon& lexicon, SearchObserver& observer) {
  const auto rows = IndexRows(lexicon.anagramIndex);
  Collector collector(L::Anacyclic, observer, rows.size());
  std::string reversed, other;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    // Most keys belong to one word only: nothing to fold there.
    if (i + 1 == rows.size() || rows[i + 1].key != rows[i].key) {
      if (!collector.Go()) break;
      continue;
    }
    reversed = FoldListingLetters(rows[i].word);
    std::reverse(reversed.begin(), reversed.end());
    for (std::size_t j = i + 1; j < rows.size() && rows[j].key == rows[i].key; ++j) {
      other = FoldListingLetters(rows[j].word);
      if (other == reversed) {
        collector.Add(static_cast<int>(rows[i].word.size()), std::string(rows[i].word) + "    " + std::string(rows[j].word));
      }
    }
    if (!collector.Go()) break;
  }
  return collector.Finish();
}

ListingResult ListPhoneticAnacycles(const Lexicon& lexicon, SearchObserver& observer) {
  const auto rows = IndexRows(lexicon.phoneticIndex);
  Collector collector(L::PhoneticAnacycles, observer, rows.size());
  std::string reversed;
  for (std::size_t j = 0; j < rows.size(); ++j) {
    const PhoneticAnagramRow& row = rows[j];
    reversed.assign(row.phonetic.rbegin(), row.phonetic.rend());
    if (row.phonetic <= std::string_view(reversed)) {
      for (std::size_t k = j + 1; k < rows.size() && rows[k].key == row.key; ++k) {
        if (rows[k].phonetic > std::string_view(reversed)) break;
        // The same word read from two tables is not its own anacycle.
        if (rows[k].phonetic == std::string_view(reversed) && rows[k].spelling != row.spelling) {
          collector.Add(static_cast<int>(row.phonetic.size()),
                        std::string(row.spelling) + " : " + std::string(rows[k].spelling));
        }
      }
    }
    if (!collector.Go()) break;
  }
  return collector.Finish();
}

ListingResult ListAnaphones(const Lexicon& lexicon, SearchObserver& observer) {
  const auto rows = IndexRows(lexicon.phoneticIndex);
  Collector collector(L::Anaphones, observer, rows.size());
  std::size_t start = 0;
  while (start < rows.size()) {
    std::size_t end = start + 1;
    while (end < rows.size() && rows[end].key == rows[start].key) ++end;
    // Distinct phonetic forms stand apart only when the block holds at least two of them.
    if (rows[end - 1].phonetic != rows[start].phonetic) {
      std::vector<std::vector<std::string_view>> forms;
      for (std::size_t r = start; r < end;) {
        std::vector<std::string_view> spellings;
        std::size_t next = r;
        for (; next < end && rows[next].phonetic == rows[r].phonetic; ++next) spellings.push_back(rows[next].spelling);
        std::vector<std::string_view> bases = BaseSpellings(std::move(spellings));
        // A form whose every word is an inflection of a word already kept is that word again.
        const bool inflected = std::all_of(bases.begin(), bases.end(), [&forms](std::string_view s) {
          return std::any_of(forms.begin(), forms.end(), [s](const std::vector<std::string_view>& form) {
            return std::any_of(form.begin(), form.end(), [s](std::string_view k) { return k == s || AreInflections(k, s); });
          });
        });
        if (!inflected) forms.push_back(std::move(bases));
        r = next;
      }
      if (forms.size() >= 2) {
        std::string line;
        for (const auto& form : forms) {
          if (!line.empty()) line += " : ";
          for (std::size_t w = 0; w < form.size(); ++w) (line += w ? ", " : "") += form[w];
        }
        collector.Add(static_cast<int>(rows[start].key.size()), std::move(line));
      }
    }
    for (std::size_t r = start; r < end; ++r)
      if (!collector.Go()) return collector.Finish();
    start = end;
  }
  return collector.Finish();
}

ListingResult ListAnagramFamilies(const Lexicon& lexicon, SearchObserver& observer) {
  const auto& rows = lexicon.anagramIndex.Rows();
  Collector collector(L::AnagramFamilies, observer, rows.size() > 2 ? rows.size() - 2 : 0);
  std::string family;
  // The terminating row's empty key differs from every key, so the family still open at the
  // end of the index is closed and added like the others.
  for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
    const AnagramRow& row = rows[i];
    const AnagramRow& next = rows[i + 1];
    if (row.key == next.key) {
      // A variant in accents or case is not an anagram.
      if (FoldExceptCedilla(ToLower(row.word)) != FoldExceptCedilla(ToLower(next.word))) {
        if (family.empty()) (family += ' ') += row.word;
        (family += "   ") += next.word;
      }
    } else if (!family.empty()) {
      collector.Add(static_cast<int>(row.key.size()), std::move(family));
      family.clear();
    }
    if (!collector.Go()) break;
  }
  return collector.Finish();
}

ListingResult RunWordListing(ListingKind kind, const Lexicon& lexicon, SearchObserver& observer) {
  switch (kind) {
    case L::Palindromes: return ListPalindromes(lexicon, observer);
    case L::PhoneticPalindromes: return ListPhoneticPalindromes(lexicon, observer);
    case L::Anacyclic: return ListAnacyclic(lexicon, observer);
    case L::Ouroboros: return ListOuroboros(lexicon, observer);
    case L::PhoneticAnacycles: return ListPhoneticAnacycles(lexicon, observer);
    case L::Anaphones: return ListAnaphones(lexicon, observer);
    case L::AmbigramRotation: return ListRotationAmbigrams(lexicon, observer);
    case L::AmbigramHorizontal: return ListHorizontalAmbigrams(lexicon, observer);
    case L::Okapi: return ListOkapi(lexicon, observer);
    case L::Phokapi: return ListPhokapi(lexicon, observer);
    case L::AnagramFamilies: return ListAnagramFamilies(lexicon, observer);
  }
  return {};
}

void SortListingByFrequency(ListingResult& result, const WordFrequencies& frequencies) {
  // An ambigram item is the word after a marker ("** ", "M   "), written in capitals or with some
  // capital letters: its value is the one of the word as the tables write it, in small letters.
  const bool ambigrams = result.kind == ListingKind::AmbigramRotation || result.kind == ListingKind::AmbigramHorizontal;
  const auto tenths = [&](const std::string& item) {
    if (!ambigrams) return MostCommonWordTenths(frequencies, item);
    return frequencies.Tenths(ToLower(std::string_view(item).substr(item.rfind(' ') + 1)));
  };
  for (auto& [length, items] : result.groups) MostCommonFirst(items, tenths);
  result.kept = MostCommonRowsFirst(result.kept, frequencies);
}

void KeepListingResult(const ListingResult& result, Session& session) {
  const std::string_view kind = DescribeListing(result.kind).listKind;
  if (kind.empty()) return;
  session.StartResultList(std::string(kind));
  for (const WordRow entry : result.kept) session.resultList.Append(entry);
}

}  // namespace tavilo
