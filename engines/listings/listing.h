// The word listings of the Tools menu: remarkable words of the whole dictionary, found without
// any input and grouped by length. Palindromes, phonetic palindromes, anacyclic and ouroboros
// words, phonetic anacycles, anaphones, the two kinds of ambigrams, 'okapi' and 'phokapi' words,
// and the anagram families.
//
// A front end calls RunWordListing, hands the result to WriteListingHeader and WriteListingBlock
// (the document to show) and to KeepListingResult (the 'okapi' and 'phokapi' listings make their
// words the current list). Each listing also has its own small function, which the tests and the
// benchmarks call directly.
//
// All strings are Windows-1252 (core/text.h), except the Documents, which are UTF-8.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/session.h"
#include "engines/listings/listing_kind.h"

namespace tavilo {

// What a listing's groups are counted by.
enum class ListingGrouping { Letters, Phonemes, Syllables };

// The fixed facts of each listing.
struct ListingDescription {
  ListingKind kind;
  const char* commandName;                // the command line's name, e.g. "palindromes" (ASCII)
  std::string_view title;                 // the header's title, e.g. "   Liste des mots palindromiques "
  bool countsGroups = false;              // "     Groupes de mots : " rather than "     Mots : "
  ListingGrouping grouping = ListingGrouping::Letters;
  bool singularHeading = false;           // " 1 lettre :" / " 1 phonème :" for length 1 (else " 1 lettres :")
  bool oneItemPerLine = false;            // groups of words take a line each; single words stand in columns
  std::string_view listKind = "";         // the current list's kind it leaves ("MotOkapi"), or "" for none
  std::string_view font;                  // "Courier New", or "Futura Medium BT" for the horizontal ambigrams
  bool needsAnagramIndex = false;
  bool needsPhoneticIndex = false;
};

// The eleven listings, in the order of the ListingKind values.
std::span<const ListingDescription> AllListingDescriptions();
const ListingDescription& DescribeListing(ListingKind kind);
// The listing of a command-line name, or nullopt.
std::optional<ListingKind> ListingByCommandName(std::string_view name);

struct ListingResult {
  ListingKind kind = ListingKind::Palindromes;
  // The items of each length (letters, phonemes or syllables), in display order, each once.
  std::map<int, std::vector<std::string>> groups;
  // The number of items listed (words or groups of words).
  std::size_t count = 0;
  // The 'okapi' and 'phokapi' listings: the accepted rows in table order, at most
  // kResultListCapacity, to become the current list.
  WordTable kept{kResultListCapacity};
  bool stopped = false;  // the observer asked to stop; the groups hold what was found until then
};

// --- The tests of one word ----------------------------------------------------------------------

// The listings' letter fold: lower case, then à â -> a, è é ê ë -> e, î ï -> i, ô -> o,
// ù û ü -> u, ç -> c.
std::string FoldListingLetters(std::string_view spelling);

// The folded spelling reads the same from both ends.
bool IsPalindrome(std::string_view spelling);
// The phonetic form reads the same from both ends, code by code.
bool IsPhoneticPalindrome(std::string_view phonetic);
// At least three letters, and the folded word without its first letter, or without its last,
// is a palindrome.
bool IsOuroboros(std::string_view spelling);
// Every letter can be turned upside down (a<->e, b<->q, d<->p, h<->y, m<->w, n<->u; i o s x z
// stay): the listed item, "** " + word when the word reads the same turned by 180°, else
// "   " + word. nullopt when a letter cannot be turned.
std::optional<std::string> RotationAmbigramItem(std::string_view spelling);
// Every letter is symmetric about a horizontal axis as a capital (a h y à â), as a small letter
// (l n) or both (i m o t u v w x î ï ô ù û ü): the listed item, "M   " + the word in capitals,
// "m   " + the word in small letters, or six spaces + the word with capital A H Y and small
// l n. nullopt when a letter is neither.
std::optional<std::string> HorizontalAmbigramItem(std::string_view spelling);
// The lower-cased spelling alternates strictly between consonant and vowel letters (y a vowel);
// any other character refuses the word.
bool IsOkapi(std::string_view spelling);
// The phonetic form alternates strictly between consonant and vowel codes; the yod is neither.
bool IsPhokapi(std::string_view phonetic);

// True when two spellings are forms of one word for the anaphone listing: a common stem of at
// least two letters followed by two different endings among "", "e", "s", "es", "le", "les",
// "nt", "ent", "ait", "er", "ez", "t", "ai", "ais", "é", "ées", "és", "ée" and "r"
// (parle/parlent, aimé/aimait).
bool AreInflections(std::string_view a, std::string_view b);

// --- The listings ---------------------------------------------------------------------------------

// The single-word listings scan the nouns, adjectives, verbs, function words and locutions, in
// this order ('okapi' and 'phokapi': the four word tables only). The others walk an index.
// Each reports the live count and yields to the observer after each entry.
ListingResult ListPalindromes(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
ListingResult ListPhoneticPalindromes(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
ListingResult ListOuroboros(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
ListingResult ListRotationAmbigrams(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
ListingResult ListHorizontalAmbigrams(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
ListingResult ListOkapi(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
ListingResult ListPhokapi(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
// Pairs of rows of one letter key in the anagram index where the later word, folded, is the
// earlier one folded and read backwards: "word i    word j", by the length of word i.
ListingResult ListAnacyclic(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
// Pairs of entries of one phonetic key where the later phonetic form is the earlier one read
// backwards: "spelling : spelling", by phoneme count.
ListingResult ListPhoneticAnacycles(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
// Phonetic keys holding at least two phonetic forms that are not forms of one word: one line per
// key, the forms in index order joined by " : ", the homophones of a form by ", ", each form
// without the spellings that are inflections of another of its spellings.
ListingResult ListAnaphones(const Lexicon& lexicon, SearchObserver& observer = NullObserver());
// Neighbouring rows of one letter key whose words differ once folded (ç kept) and lower-cased:
// " word   word   word", by key length. The family still open at the end of the index is added.
ListingResult ListAnagramFamilies(const Lexicon& lexicon, SearchObserver& observer = NullObserver());

// Runs the listing of a kind.
ListingResult RunWordListing(ListingKind kind, const Lexicon& lexicon, SearchObserver& observer = NullObserver());

// Lists the items of each length most common first (ties keep their order), a pair or a family
// counting as its most common word; the lengths keep their order, and the rows to keep ('okapi',
// 'phokapi') follow the same order. Call it before the block is written and the result kept.
void SortListingByFrequency(ListingResult& result, const WordFrequencies& frequencies);

// --- Output ---------------------------------------------------------------------------------------

// The header, in red Courier New: the title, then the count line, "     Mots : " or
// "     Groupes de mots : " and the count (the anagram families: both on one line).
Document WriteListingHeader(const ListingResult& result);
// The block, black, in the listing's font: for each length that has items, shortest first, a
// heading (" 5 lettres :", " 3 phonèmes :", " 2 syllabes : "), the items (single words in tab
// columns, groups one per line) and a line of 80 "-".
Document WriteListingBlock(const ListingResult& result);
// The items in block order, one string each, without their leading spaces (for --brut).
std::vector<std::string> ListingItems(const ListingResult& result);

// The 'okapi' and 'phokapi' listings re-create the current list with the rows they accepted,
// named "MotOkapi" or "MotPhokapi"; the other listings leave the session alone.
void KeepListingResult(const ListingResult& result, Session& session);

}  // namespace tavilo
