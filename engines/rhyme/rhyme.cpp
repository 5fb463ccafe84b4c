// The rhyme search: check the typed rhyme, learn its sound from a word that ends with it, build
// the phonetic and spelling patterns for the chosen position, scan the domain.
#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

#include "core/alignment.h"
#include "core/frequency_order.h"
#include "core/text.h"
#include "engines/rhyme/rhyme.h"

namespace tavilo {
namespace {

std::string RefusalMessage(RhymeRefusal refusal, const std::string& rhyme) {
  switch (refusal) {
    case RhymeRefusal::None:
      return {};
    case RhymeRefusal::Empty:
      return "      L\xE0, vous \xEAtes distrait,\n"
             "      Mais il est l\xE9gitime\n"
             "      Pour en voir tout l'attrait\n"
             "      D'apposer une rime...";
    case RhymeRefusal::Digit:
      return "En l'occurrence LES CHIFFRES ne riment \xE0 rien.\nUtilisez seulement l'alphabet.";
    case RhymeRefusal::Sign:
      return "Ici, il est impossible que les signes s'arriment.\nUtilisez seulement l'alphabet.";
    case RhymeRefusal::LoneE:
      return "En g\xE9n\xE9ral le \xAB\xA0" "e\xA0\xBB en fin de mot est muet !!!\nEssayez quelque chose de plus parlant.";
    case RhymeRefusal::UnknownSound:
      return "Apparemment il n'existe aucun mot avec une rime en " + QuotedInput(rhyme) + " !!!\nEssayez une autre rime.";
    case RhymeRefusal::NothingFound:
      return "Apparemment il n'y a pas de rimes en " + QuotedInput(rhyme) + " avec ces options !!!\nEssayez autre chose.";
  }
  return {};
}

bool IsRhymeLetter(unsigned char c) { return (c >= 'A' && c <= 'z') || (c >= 0xE0 && c <= 0xFC); }

// The rhyme as searched, or the refusal of what was typed.
RhymeRefusal PrepareRhyme(std::string_view typed, std::string& rhyme) {
  rhyme = ToLower(Trim(typed));
  if (rhyme.empty()) return RhymeRefusal::Empty;
  std::erase(rhyme, ' ');
  const auto has = [&rhyme](auto test) {
    return std::any_of(rhyme.begin(), rhyme.end(), [&](char c) { return test(static_cast<unsigned char>(c)); });
  };
  if (has(IsDigit)) return RhymeRefusal::Digit;
  if (has([](unsigned char c) { return !IsRhymeLetter(c); })) return RhymeRefusal::Sign;
  if (rhyme == "e") return RhymeRefusal::LoneE;
  return RhymeRefusal::None;
}

// The phonemes the rhyme's letters spell, learnt from the first word (nouns, adjectives, verbs,
// adverbs, each in table order) that ends with a non-vowel and the rhyme, has more than one
// phoneme, and whose alignment starts a phoneme exactly where the rhyme's letters begin. A rhyme
// that starts inside a letter group (the "n" of "an") is never met there. Empty when no word tells.
std::string FindRhymeSound(const Lexicon& lexicon, const std::string& rhyme) {
  const std::string probePattern = "*" + std::string(kRhymeNonVowelClass) + rhyme;
  // Unless the rhyme holds a "[" (a letter for the input check, a class for the pattern), the
  // pattern ends with the rhyme's own letters: a word that does not end with them cannot match,
  // and that test is much cheaper than the pattern's.
  const bool endsWithRhyme = rhyme.find('[') == std::string::npos;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : lexicon.Table(kind)) {
      if (entry.phonetic.size() < 2 || (endsWithRhyme && !entry.spelling.ends_with(rhyme))) continue;
      if (!MatchesPattern(entry.spelling, probePattern)) continue;
      if (auto sound = SoundOfEnding(entry.spelling, entry.phonetic, rhyme); sound && sound->afterNonVowel) {
        return std::move(sound->phonemes);
      }
    }
  }
  return {};
}

// The pattern a word (spelled or sounded) must match for `part` to stand at the chosen place.
// Inside: the first and last characters must not be any of the part's, so it is strictly inside.
// `matched` is what stands for the part where it may end a word or stand inside it: the part
// itself, or the sound pattern of SoundInWord.
std::string PatternFor(RhymePosition position, const std::string& part, const std::string& matched) {
  switch (position) {
    case RhymePosition::End: return "*" + matched;
    case RhymePosition::Start: return part + "*";
    case RhymePosition::Inside: return "[!" + part + "]*" + matched + "*[!" + part + "]";
  }
  return part;
}

// A sound as it may end a word or stand inside it: the one code of "wa" (0) ends with the a a
// sound may begin with, so that louage and rouage rhyme in "age", and roi in "a". A word that
// starts with that code does not start with an a.
std::string SoundInWord(const std::string& sound) {
  return sound.starts_with('a') ? "[a0]" + sound.substr(1) : sound;
}

RhymeResult Refuse(RhymeResult result, RhymeRefusal refusal) {
  result.refusal = refusal;
  result.message = RefusalMessage(refusal, result.rhyme);
  return result;
}

}  // namespace

RhymeResult FindRhymes(const Lexicon& lexicon, const Session& session, const RhymeQuery& query,
                       SearchObserver& observer) {
  const SearchDomain domain = query.domain;
  RhymeResult result;
  result.fromResultList = domain == SearchDomain::ResultList;
  result.domainLabel = DomainLabel(domain, session);
  result.syllableItem = query.syllables == 0 ? "Toutes" : std::to_string(query.syllables);

  if (const RhymeRefusal refusal = PrepareRhyme(query.typed, result.rhyme); refusal != RhymeRefusal::None) {
    return Refuse(std::move(result), refusal);
  }
  result.listName = std::string(DomainShortName(domain)).substr(0, 3) + "_" + result.rhyme;

  result.rhymePhonetic = FindRhymeSound(lexicon, result.rhyme);
  if (result.rhymePhonetic.empty()) return Refuse(std::move(result), RhymeRefusal::UnknownSound);
  result.phoneticPattern = PatternFor(query.position, result.rhymePhonetic, SoundInWord(result.rhymePhonetic));
  result.spellingPattern = PatternFor(query.position, result.rhyme, result.rhyme);

  // The words are gathered per syllable count and sorted once at the end: adding them one by one
  // to a sorted list would cost a shift of the whole list per word.
  std::array<std::vector<std::string>, kRhymeMaxSyllables> found;
  // A word of several rows (two readings, or repeated in the current list) is listed and kept once.
  std::unordered_set<std::string_view> listed;
  const WordTable& source = result.fromResultList ? session.resultList : lexicon.Domain(domain);
  for (const WordRow entry : source) {
    if (!observer.Yield()) {
      result.stopped = true;
      break;
    }
    if (entry.syllables < 1 || entry.syllables > kRhymeMaxSyllables) continue;
    if (query.syllables != 0 && entry.syllables != query.syllables) continue;
    if (!MatchesPattern(entry.phonetic, result.phoneticPattern)) continue;
    if (query.keepSpelling && !MatchesPattern(entry.spelling, result.spellingPattern)) continue;
    if (!listed.insert(entry.spelling).second) continue;
    found[static_cast<std::size_t>(entry.syllables - 1)].emplace_back(entry.spelling);
    observer.SetCount(static_cast<long>(++result.count));
    if (!result.fromResultList) result.kept.Append(entry);
  }

  for (std::size_t i = 0; i < found.size(); ++i) {
    std::sort(found[i].begin(), found[i].end(), DisplayLess{});
    for (std::string& word : found[i]) result.lists[i].Add(std::move(word));  // in order: appends
  }
  observer.SetCount(static_cast<long>(result.count));

  if (result.count == 0) return Refuse(std::move(result), RhymeRefusal::NothingFound);
  return result;
}

void SortRhymesByFrequency(RhymeResult& result, const WordFrequencies& frequencies) {
  const auto tenths = [&](const std::string& word) { return frequencies.Tenths(word); };
  for (SortedStringList& list : result.lists) MostCommonFirst(list.ItemsToReorder(), tenths);
  result.kept = MostCommonRowsFirst(result.kept, frequencies);
}

void KeepRhymeResult(const RhymeResult& result, Session& session) {
  if (result.fromResultList) return;
  // The list is re-created before the scan, so a search that found nothing leaves it empty (with
  // the kind it had); a refusal before the scan leaves it alone.
  if (result.refusal != RhymeRefusal::None && result.refusal != RhymeRefusal::NothingFound) return;
  session.resultList.Reset(kResultListCapacity);
  if (!result.Accepted()) return;
  session.resultListKind = std::string(kRhymeListKind);
  for (const WordRow entry : result.kept) session.resultList.Append(entry);
}

}  // namespace tavilo
