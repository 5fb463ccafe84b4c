// The anaphone search: check the typed word, find its phonetic form in the lexicon, then one pass
// over the four tables for the first word (or the single word), and, for each first word that
// leaves phonemes over, a lookup of the second words among the rows of exactly that many
// phonemes, indexed by their sorted phonemes.
#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/anagram_index.h"
#include "core/text.h"
#include "core/validation.h"
#include "core/frequency_order.h"
#include "engines/anaphone/anaphone.h"

namespace tavilo {
namespace {

bool IsWordCharacter(unsigned char c) { return (c >= 'A' && c <= 'z') || (c >= 0xE0 && c <= 0xFC); }

AnaphoneResult Refuse(AnaphoneResult result, AnaphoneRefusal refusal, std::string message) {
  result.refusal = refusal;
  result.message = std::move(message);
  return result;
}

// The phonemes still to be used, counted per code.
using PhonemeCounts = std::array<int, 256>;

// Takes the phonemes of p from `left`, one occurrence each; on success returns true and leaves
// them taken, else leaves `left` as it was.
bool Take(PhonemeCounts& left, std::string_view p) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    int& n = left[static_cast<unsigned char>(p[i])];
    if (n == 0) {
      for (std::size_t k = 0; k < i; ++k) ++left[static_cast<unsigned char>(p[k])];
      return false;
    }
    --n;
  }
  return true;
}

void GiveBack(PhonemeCounts& left, std::string_view p) {
  for (char c : p) ++left[static_cast<unsigned char>(c)];
}

// The rows of the four tables (in table order) that may be a second word, grouped by their
// sorted phonemes; built for one phoneme count at a time, the first time a first word leaves
// that many phonemes over.
class SecondWordIndex {
 public:
  SecondWordIndex(const Lexicon& lexicon, int syllableBound) : lexicon_(lexicon), bound_(syllableBound) {}

  const std::vector<std::string_view>* Find(const std::string& sortedPhonemes) {
    std::optional<Rows>& rows = byLength_[sortedPhonemes.size()];
    if (!rows) {
      rows.emplace();
      for (TableKind kind : kWordTableKinds) {
        for (const WordRow entry : lexicon_.Table(kind)) {
          if (entry.syllables > bound_ || entry.phonetic.size() != sortedPhonemes.size()) continue;
          (*rows)[SortLetters(entry.phonetic)].push_back(entry.spelling);
        }
      }
    }
    const auto found = rows->find(sortedPhonemes);
    return found == rows->end() ? nullptr : &found->second;
  }

 private:
  // The spellings of the second words, by their sorted phonemes.
  using Rows = std::unordered_map<std::string, std::vector<std::string_view>>;
  const Lexicon& lexicon_;
  int bound_;
  std::array<std::optional<Rows>, kAnaphoneMaxPhonemes + 1> byLength_;
};

// The phonemes left, as a sorted string.
std::string SortedLeft(const PhonemeCounts& left, std::string_view sortedPhonemes) {
  std::string out;
  for (std::size_t i = 0; i < sortedPhonemes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(sortedPhonemes[i]);
    if (i > 0 && sortedPhonemes[i - 1] == sortedPhonemes[i]) continue;
    out.append(static_cast<std::size_t>(left[c]), static_cast<char>(c));
  }
  return out;
}

}  // namespace

AnaphoneResult FindAnaphones(const Lexicon& lexicon, const AnaphoneQuery& query, SearchObserver& observer) {
  const auto start = std::chrono::steady_clock::now();
  AnaphoneResult result;
  if (query.typed.empty()) {
    return Refuse(std::move(result), AnaphoneRefusal::Empty, "Essayez quand m\xEAme d'entrer au moins 2 lettres !!!");
  }
  std::string typed = query.typed;
  std::erase(typed, ' ');
  if (std::any_of(typed.begin(), typed.end(), [](char c) { return IsDigit(static_cast<unsigned char>(c)); })) {
    return Refuse(std::move(result), AnaphoneRefusal::Digit,
                  "On ne joue pas aux lettres et AUX CHIFFRES.\nUtilisez seulement l'alphabet.");
  }
  if (!std::all_of(typed.begin(), typed.end(), [](char c) { return IsWordCharacter(static_cast<unsigned char>(c)); })) {
    return Refuse(std::move(result), AnaphoneRefusal::Sign,
                  "Certains mauvais signes encouragent \xE0 ne choisir que des lettres.\n"
                  "Utilisez seulement l'alphabet.");
  }
  if (typed.size() < 2) {
    return Refuse(std::move(result), AnaphoneRefusal::TooShort, "Faites un effort, entrez au moins deux lettres !!!");
  }

  InputWordState state;
  state.inputWord = FoldStandard(ToLower(typed));
  const ValidationResult validation = ValidateInputWord(lexicon, {.anaphoneTool = true}, state);
  if (!validation.accepted) return Refuse(std::move(result), AnaphoneRefusal::Unknown, validation.message);
  result.word = state.inputWord;
  result.phonetic = state.inputPhonetic;
  if (result.phonetic.size() > kAnaphoneMaxPhonemes) {
    return Refuse(std::move(result), AnaphoneRefusal::TooManySounds,
                  "Le mot " + QuotedInput(result.word) + " contient trop de sons !!!\nChoisissez un mot un peu plus simple.");
  }
  result.syllableBound = std::max<int>(state.inputSyllables, 2);
  result.sortedPhonemes = SortLetters(result.phonetic);
  const std::size_t total = result.sortedPhonemes.size();

  PhonemeCounts left{};
  for (char c : result.sortedPhonemes) ++left[static_cast<unsigned char>(c)];
  SecondWordIndex seconds(lexicon, result.syllableBound);
  std::array<std::vector<std::string>, kAnaphoneMaxPhonemes + 1> found;
  for (TableKind kind : kWordTableKinds) {
    for (const WordRow entry : lexicon.Table(kind)) {
      if (!observer.Yield()) {
        result.stopped = true;
        break;
      }
      if (entry.syllables > result.syllableBound) continue;
      const std::size_t n = entry.phonetic.size();
      // The first word of a pair holds at least half of the phonemes.
      if (2 * n < total || n > total || !Take(left, entry.phonetic)) continue;
      const std::size_t before = found[n].size();
      if (n == total) {
        found[n].emplace_back(entry.spelling);
      } else if (const auto* rows = seconds.Find(SortedLeft(left, result.sortedPhonemes))) {
        for (const std::string_view second : *rows) {
          found[n].push_back(std::string(entry.spelling).append(" / ").append(second));
        }
      }
      GiveBack(left, entry.phonetic);
      if (found[n].size() != before) {
        result.count += found[n].size() - before;
        observer.SetCount(static_cast<long>(result.count));
      }
    }
    if (result.stopped) break;
  }

  // Sorted once; then the typed word itself and the repeated items (a word found in two tables)
  // are taken out.
  result.count = 0;
  for (std::size_t n = 1; n < found.size(); ++n) {
    SortedStringList& list = result.lists[n];
    list.Assign(std::move(found[n]));
    list.RemoveDuplicates();
    for (std::size_t i = list.Count(); i-- > 0;) {
      if (list[i] == result.word) list.RemoveAt(i);
    }
    result.count += list.Count();
  }
  observer.SetCount(static_cast<long>(result.count));
  result.elapsedSeconds = static_cast<long>(
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count());

  if (result.count == 0) {
    return Refuse(std::move(result), AnaphoneRefusal::NothingFound,
                  "Apparemment il n'y a pas d'anaphones possibles avec le mot " + QuotedInput(result.word) +
                      " !!!\nEssayez autre chose.");
  }
  return result;
}

void SortAnaphonesByFrequency(AnaphoneResult& result, const WordFrequencies& frequencies) {
  for (SortedStringList& list : result.lists) {
    MostCommonFirst(list.ItemsToReorder(), [&](const std::string& item) { return MostCommonWordTenths(frequencies, item); });
  }
}

}  // namespace tavilo
