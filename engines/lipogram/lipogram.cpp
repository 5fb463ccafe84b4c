// The lipogram search: check and fold the typed letters, build the character-class patterns of
// the chosen method, compile each into a table of the 256 byte values, scan the domain.
#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

#include "core/frequency_order.h"
#include "core/text.h"
#include "engines/lipogram/lipogram.h"

namespace tavilo {
namespace {

// The letters a typed letter stands for when accents are not told apart.
std::string_view VariantsOf(char letter) {
  switch (letter) {
    case 'a': return "\xE0\xE2";                  // à â
    case 'c': return "\xE7";                      // ç
    case 'e': return "\xE8-\xEB";                 // è-ë: è é ê ë
    case 'i': return "\xEE\xEF";                  // î ï
    case 'o': return "\xF4";                      // ô
    case 'u': return "\xF9\xFB\xFC";              // ù û ü
    default: return {};
  }
}

// Every accented letter, forbidden on top of the typed ones with "Interdire en plus...".
constexpr std::string_view kAccentedLetters = "\xE0\xE2\xE7\xE8-\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
// The vowels and the consonants as the monovocalism patterns list them, accented forms included.
constexpr std::string_view kVowels = "aeiouy\xE0\xE2\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC";
constexpr std::string_view kConsonants = "bcdfghjklmnpqrstvwxz\xE7";

bool IsTypedLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         std::string_view("\xE0\xE2\xE7\xE8\xE9\xEA\xEB\xEE\xEF\xF4\xF9\xFB\xFC").find(static_cast<char>(c)) !=
             std::string_view::npos;
}

// A pattern "*[...]*" (a word holding at least one character of the class) compiled into the
// answer for every byte. The table is read off the core pattern matcher itself, one character at
// a time, so a word matches the pattern exactly when one of its bytes is marked. With
// `foldFirst`, each byte is folded (FoldStandard) before the class is asked about it.
class ClassTable {
 public:
  ClassTable() { marked_.fill(false); }
  explicit ClassTable(std::string_view pattern, bool foldFirst = false) {
    const std::string_view cls = pattern.substr(1, pattern.size() - 2);  // without the two "*"
    for (int c = 0; c < 256; ++c) {
      const char asked = foldFirst ? FoldStandard(static_cast<char>(c)) : static_cast<char>(c);
      marked_[static_cast<std::size_t>(c)] = MatchesPattern(std::string(1, asked), cls);
    }
  }
  bool HasAny(std::string_view word) const {
    return std::any_of(word.begin(), word.end(),
                       [this](char c) { return marked_[static_cast<unsigned char>(c)]; });
  }
  bool HasOnly(std::string_view word) const {
    return std::all_of(word.begin(), word.end(),
                       [this](char c) { return marked_[static_cast<unsigned char>(c)]; });
  }

 private:
  std::array<bool, 256> marked_;
};

std::string WithoutLetters(std::string_view set, std::string_view removed) {
  std::string out;
  for (char c : set) {
    if (removed.find(c) == std::string_view::npos) out += c;
  }
  return out;
}

// The variants written out one by one (the range è-ë listed), to take them out of a set.
std::string VariantLetters(char letter) {
  const std::string_view variants = VariantsOf(letter);
  return variants == "\xE8-\xEB" ? std::string("\xE8\xE9\xEA\xEB") : std::string(variants);
}

// "*[" + the class + "]*"
std::string AnyOf(std::string_view cls) {
  std::string pattern = "*[";
  pattern += cls;
  pattern += "]*";
  return pattern;
}

std::string MonoPattern(char letter, bool exactAccents) {
  const std::string_view own(&letter, 1);
  if (exactAccents) {
    return AnyOf(WithoutLetters(kVowels.find(letter) != std::string_view::npos ? kVowels : kConsonants, own));
  }
  std::string removed(own);
  removed += VariantLetters(letter);
  const bool vowel = std::string_view("aeiouy").find(letter) != std::string_view::npos;
  return AnyOf(WithoutLetters(vowel ? kVowels : kConsonants, removed));
}

std::string NothingFoundMessage(const std::string& letters) {
  return "D\xE9sol\xE9, avec les lettres " + QuotedInput(letters) +
         " il n'y a aucun mot possible !!!\nChoisissez d'autres lettres.";
}

LipogramResult Refuse(LipogramResult result, LipogramRefusal refusal, std::string message) {
  result.refusal = refusal;
  result.message = std::move(message);
  return result;
}

}  // namespace

LipogramResult FindLipograms(const Lexicon& lexicon, const Session& session, const LipogramQuery& query,
                             SearchObserver& observer) {
  const SearchDomain domain = query.domain;
  const int syllables = query.reducedVocabulary ? 0 : query.syllables;
  LipogramResult result;
  result.method = query.method;
  result.fromResultList = domain == SearchDomain::ResultList;
  result.keep = query.keepAsNewList;
  result.domainLabel = DomainLabel(domain, session);
  result.syllableItem = syllables == 0 ? "Toutes" : std::to_string(syllables);

  if (query.typed.empty()) {
    return Refuse(std::move(result), LipogramRefusal::Empty,
                  "Essayez quand m\xEAme d'entrer au moins une lettre !!!");
  }
  for (char c : query.typed) {
    if (!IsTypedLetter(static_cast<unsigned char>(c))) {
      return Refuse(std::move(result), LipogramRefusal::Sign,
                    "Impossible avec " + Quoted(std::string(1, c)) + ". Utilisez seulement l'alphabet !!!");
    }
  }
  result.letters = ToLower(query.typed);
  if (!query.exactAccents) result.letters = FoldStandard(result.letters);
  const std::string& letters = result.letters;

  // The tests every word goes through, compiled once.
  const bool forbidden = query.method == LipogramMethod::Forbidden;
  const bool beauPresent = !forbidden && query.beauPresent;
  const bool mono = !forbidden && !beauPresent && query.mono && letters.size() == 1;
  ClassTable forbiddenTable, monoTable, onlyTable;
  std::vector<ClassTable> obligatoryTables;
  if (forbidden) {
    std::string extras;
    if (query.forbidAccented) {
      extras = kAccentedLetters;
    } else if (!query.exactAccents) {
      for (char c : letters) extras += VariantsOf(c);
    }
    result.forbiddenPattern = AnyOf(letters + extras);
    forbiddenTable = ClassTable(result.forbiddenPattern);
  } else if (beauPresent) {
    result.beauPresentClass = "[" + letters + "]";
    onlyTable = ClassTable("*" + result.beauPresentClass + "*", !query.exactAccents);
  } else {
    for (char c : letters) {
      const std::string pattern = AnyOf(std::string(1, c) + (query.exactAccents ? "" : std::string(VariantsOf(c))));
      result.obligatoryPatterns.push_back(pattern);
      // A letter typed twice asks nothing more.
      if (std::count(result.obligatoryPatterns.begin(), result.obligatoryPatterns.end(), pattern) == 1) {
        obligatoryTables.emplace_back(pattern);
      }
    }
    if (mono) {
      result.monoPattern = MonoPattern(letters[0], query.exactAccents);
      monoTable = ClassTable(result.monoPattern);
    }
  }
  const auto accepts = [&](std::string_view word) {
    if (forbidden) return !forbiddenTable.HasAny(word);
    if (beauPresent) return onlyTable.HasOnly(word);
    if (mono && monoTable.HasAny(word)) return false;
    return std::all_of(obligatoryTables.begin(), obligatoryTables.end(),
                       [&word](const ClassTable& table) { return table.HasAny(word); });
  };

  // Gathered per syllable count and sorted once at the end.
  std::map<int, std::vector<std::string>> found;
  // A word of several tables (or repeated in the current list) is listed and kept once.
  std::unordered_set<std::string_view> listed;
  const WordTable& source = result.fromResultList ? session.resultList : lexicon.Domain(domain);
  const double rows = static_cast<double>(source.Size());
  double read = 0;
  for (const WordRow entry : source) {
    observer.SetProgress(read++, rows);
    if (!observer.Yield()) {
      result.stopped = true;
      break;
    }
    if (syllables != 0 && entry.syllables != syllables) continue;
    if (query.reducedVocabulary && entry.marker == 0) continue;
    if (!accepts(entry.spelling) || !listed.insert(entry.spelling).second) continue;
    found[entry.syllables].emplace_back(entry.spelling);
    observer.SetCount(static_cast<long>(++result.count));
    if (result.keep) result.kept.Append(entry);
  }
  for (auto& [count, words] : found) result.lists[count].Assign(std::move(words));

  if (result.count == 0) return Refuse(std::move(result), LipogramRefusal::NothingFound, NothingFoundMessage(letters));
  return result;
}

void SortLipogramsByFrequency(LipogramResult& result, const WordFrequencies& frequencies) {
  const auto tenths = [&](const std::string& word) { return frequencies.Tenths(word); };
  for (auto& [syllables, list] : result.lists) MostCommonFirst(list.ItemsToReorder(), tenths);
  result.kept = MostCommonRowsFirst(result.kept, frequencies);
}

void KeepLipogramResult(const LipogramResult& result, Session& session) {
  if (!result.keep) return;
  if (result.refusal != LipogramRefusal::None && result.refusal != LipogramRefusal::NothingFound) return;
  if (result.fromResultList && !result.Accepted()) return;
  session.resultList.Reset(kResultListCapacity);
  if (!result.Accepted()) return;
  session.resultListKind = std::string(kLipogramListKind);
  for (const WordRow entry : result.kept) session.resultList.Append(entry);
}

}  // namespace tavilo
