// The lipogram tool: the words of one domain that avoid some letters, contain all of them, hold
// one vowel (or one consonant) and no other, or are written only with them ("beau présent"),
// grouped by syllable count, and the result block that shows them.
//
// A front end fills a LipogramQuery from its controls, calls FindLipograms, and on success hands
// the result to WriteLipogramHeader / WriteLipogramBlock and KeepLipogramResult. A refusal comes
// back as a value holding the French message; nothing is thrown.
//
// All strings are Windows-1252 (core/text.h), except the Documents, which are UTF-8.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "core/frequency.h"
#include "core/lexicon.h"
#include "core/observer.h"
#include "core/search_domain.h"
#include "core/session.h"
#include "core/text.h"
#include "core/word_table.h"

namespace tavilo {

// What the kept list holds after a lipogram search (Session::resultListKind).
inline constexpr std::string_view kLipogramListKind = " lipogrammes";

enum class LipogramMethod {
  Forbidden,   // "Les lettres entrées sont interdites"
  Obligatory,  // "Les lettres entrées sont obligatoires"
};

struct LipogramQuery {
  std::string typed;  // the letters as typed, Windows-1252
  LipogramMethod method = LipogramMethod::Forbidden;
  // Forbidden method: every accented letter is forbidden too (Check3). Wins over exactAccents.
  bool forbidAccented = false;
  // An accented letter is a letter of its own: the typed letters are not folded and get no
  // accented variants; with `beauPresent` the words are not folded either (Check4).
  bool exactAccents = false;
  // Obligatory method with exactly one letter typed: no other vowel (or consonant) than it
  // (Check2). Ignored otherwise.
  bool mono = false;
  // Obligatory method: every letter of the word is one of the letters typed (Check7).
  bool beauPresent = false;
  int syllables = 3;               // 0 for "Toutes", else only words of exactly that many syllables
  bool reducedVocabulary = false;  // only words of the reduced vocabulary, whatever their syllables (Check1)
  SearchDomain domain = SearchDomain::Nouns;
  bool keepAsNewList = false;      // "Conserver le résultat comme nouvelle liste" (Check6)
};

enum class LipogramRefusal {
  None,
  Empty,         // nothing typed
  Sign,          // a character that is not a letter of the alphabet (message names it)
  NothingFound,  // no word fits
};

struct LipogramResult {
  LipogramRefusal refusal = LipogramRefusal::None;
  std::string message;  // the refusal's text, lines joined by "\n"; empty when accepted

  std::string letters;  // L: lower case, folded unless exactAccents
  LipogramMethod method = LipogramMethod::Forbidden;
  // The character-class patterns the words were tested against (empty when unused).
  std::string forbiddenPattern;                 // F, forbidden method
  std::vector<std::string> obligatoryPatterns;  // O(1..n), obligatory method without beau présent
  std::string monoPattern;                      // M, obligatory method with mono and one letter
  std::string beauPresentClass;                 // "[" + L + "]", obligatory method with beau présent

  // The words found, by syllable count (the row's SyllableCount), each list in display order.
  std::map<int, SortedStringList> lists;
  std::size_t count = 0;

  bool fromResultList = false;
  // The entries accepted, in table order, when the result is to be kept (never more than
  // kResultListCapacity).
  WordTable kept{kResultListCapacity};
  bool keep = false;

  std::string domainLabel;   // "Noms", ..., or "Liste" + the list's kind
  std::string syllableItem;  // "Toutes" or the number
  bool stopped = false;

  bool Accepted() const { return refusal == LipogramRefusal::None; }
};

// Checks the typed letters, builds the patterns and scans the domain (or session.resultList for
// SearchDomain::ResultList) in table order. The session is only read. Reports the live count and
// yields to the observer after each entry.
LipogramResult FindLipograms(const Lexicon& lexicon, const Session& session, const LipogramQuery& query,
                             SearchObserver& observer = NullObserver());

// Lists the words of each syllable count most common first (ties keep their order), the groups in their
// order, and the rows to keep in that order too: call it before the block is written and the
// result kept, so that block, bare list and current list agree.
void SortLipogramsByFrequency(LipogramResult& result, const WordFrequencies& frequencies);

// The header line, 9 points red: " Lipogrammes     Lettres interdites : ...     Domaine : ...".
Document WriteLipogramHeader(const LipogramResult& result);
// The block, Arial 10 points black: for each syllable count with words, in ascending order, its
// heading (" 3 syllabes :"), the words six to a line after tabs, and a rule of dashes.
Document WriteLipogramBlock(const LipogramResult& result);

// With "Conserver le résultat comme nouvelle liste", makes the accepted rows the current list
// (kind " lipogrammes"). Over a word table the list is emptied before the scan, so a search that
// found nothing leaves it empty; over the current list, the list becomes the words accepted from
// it. A refusal of the typed letters, or a search that does not keep its result, leaves it alone.
void KeepLipogramResult(const LipogramResult& result, Session& session);

}  // namespace tavilo
