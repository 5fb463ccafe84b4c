// The automatic group search: every multiset of candidate words whose letters are exactly the
// letters to search (with jokers standing in for missing letters), within the bounds on the
// number of words and on their lengths.
//
// The groups and their order are those of a depth-first walk that takes the words of a group in
// non-increasing length and, within one length, in row order (a word may repeat), scanning the
// lengths from the longest allowed down to the shortest still able to finish the group (the
// letters left divided by the words still allowed, rounded up). The walk is made fast by
// representation, not by changing it:
//   - each candidate's letters are a count per letter of the search, one byte per letter, packed
//     eight to a 64-bit word, so "does it fit" is a borrow test over a few words;
//   - the word that must close a group (its length is the number of letters left) is looked up
//     among the candidates of that length sorted by their counts, instead of being scanned for:
//     the rows of one key are adjacent in the index, so they come out in row order as a scan
//     would find them.
// Levels below 4 give up alternatives on purpose, to finish long searches sooner:
//   - below 4, a depth that moves on to its next word does not let the next depth go back
//     before the last word that depth used in each length (the start rows are raised, never
//     reset, until the depth above changes);
//   - at levels 1 and 2, when the scan for a group's closing word runs out, the walk backs up J
//     depths at once (J = words - 1 at level 1, half of it at level 2, at least 1), skipping the
//     alternatives of the depths in between, but never above the first depth.
#include <algorithm>
#include <array>
#include <cstdint>

#include "core/text.h"
#include "engines/anagram/anagram.h"

namespace tavilo {
namespace {

constexpr std::uint64_t kHigh = 0x8080808080808080ull;
constexpr int kStop = -1;
constexpr unsigned kYieldEvery = 2048;  // fit tests between two calls to Yield()

bool IsJokerVowel(unsigned char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }
bool IsJokerConsonant(unsigned char c) { return c >= 'b' && c <= 'z' && !IsJokerVowel(c); }
bool OpensElision(char c) { return std::string_view("AEHIOUYaehiouy\xE2\xE8\xE9\xEA\xEE\xF4").find(c) != std::string_view::npos; }
bool StandsAlone(char c) { return std::string_view("ASYasy").find(c) != std::string_view::npos; }

enum : std::uint8_t { kVowel, kConsonant, kOther };

std::uint8_t ClassOf(unsigned char c) {
  return IsJokerVowel(c) ? kVowel : IsJokerConsonant(c) ? kConsonant : kOther;
}

struct Jokers {
  int any = 0, vowel = 0, consonant = 0;
  int Total() const { return any + vowel + consonant; }
};

template <int NW>
using Packed = std::array<std::uint64_t, NW>;

template <int NW>
int ByteAt(const Packed<NW>& p, int slot) {
  return static_cast<int>((p[static_cast<std::size_t>(slot / 8)] >> (8 * (slot % 8))) & 0xFF);
}
template <int NW>
void AddByte(Packed<NW>& p, int slot, int n) {
  p[static_cast<std::size_t>(slot / 8)] += static_cast<std::uint64_t>(n) << (8 * (slot % 8));
}

// One candidate word of one length.
template <int NW>
struct Candidate {
  Packed<NW> need{};               // its letters that are among the letters to search
  std::uint32_t row = 0;           // its row in the source
  std::array<std::uint8_t, 3> extra{};  // its letters that are not, by joker class (joker variant)
  bool refused = false;            // an acronym or a forbidden word, under the current settings
};

template <int NW>
class GroupSearch {
 public:
  GroupSearch(AnagramRows source, const AnagramQuery& query, AnagramObserver& observer)
      : source_(source), query_(query), observer_(observer) {}

  AutoResult Run() {
    const auto start = std::chrono::steady_clock::now();
    result_.jokers = query_.JokerTotal() > 0;
    Prepare();
    ApplySettings(query_.settings);
    if (total_ > 0) Descend(1, kMaxWordLength, 0);
    const auto spent = std::chrono::steady_clock::now() - start - observer_.PausedTime();
    result_.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(spent);
    return std::move(result_);
  }

 private:
  struct Depth {
    Packed<NW> rem{};  // the explicit letters left before this depth's word
    Jokers jokers;     // the jokers left before it
    int left = 0;      // letters and jokers left before it
    int length = 0;    // the word chosen here
    int pos = 0;
    std::string shown;  // the word as shown, jokers in upper case (joker variant)
  };

  // The slots (one per distinct letter to search), the candidates per length and the closing
  // lookup tables.
  void Prepare() {
    std::string letters = SortLetters(query_.lettersToSearch);
    slotOf_.fill(-1);
    for (char c : letters) {
      const auto u = static_cast<unsigned char>(c);
      if (slotOf_[u] < 0) {
        slotOf_[u] = static_cast<int>(slotLetter_.size());
        slotLetter_.push_back(u);
      }
    }
    Depth& first = depths_[1];
    for (char c : letters) AddByte<NW>(first.rem, slotOf_[static_cast<unsigned char>(c)], 1);
    first.jokers = {query_.jokerAny, query_.jokerVowel, query_.jokerConsonant};
    total_ = first.left = static_cast<int>(letters.size()) + first.jokers.Total();

    const auto rows = source_.rows;
    for (std::size_t r = 1; r < rows.size() && !rows[r].key.empty(); ++r) {
      const std::string_view key = rows[r].key;
      if (key.size() > static_cast<std::size_t>(total_)) continue;
      Candidate<NW> cand;
      cand.row = static_cast<std::uint32_t>(r);
      bool possible = true;
      for (char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (slotOf_[u] >= 0) AddByte<NW>(cand.need, slotOf_[u], 1);
        else if (IsLetter(u) && first.jokers.Total() > 0) ++cand.extra[ClassOf(u)];
        else possible = false;
      }
      if (!possible) continue;
      Depth scratch;
      if (!Fit(first, cand, scratch)) continue;  // it cannot fit even the whole set
      byLength_[key.size()].push_back(cand);
    }
    for (std::size_t length = 1; length < byLength_.size(); ++length) {
      auto& closers = closers_[length];
      const auto& cands = byLength_[length];
      for (std::size_t i = 0; i < cands.size(); ++i) {
        if (cands[i].extra == std::array<std::uint8_t, 3>{}) closers.push_back({cands[i].need, static_cast<int>(i)});
      }
      std::sort(closers.begin(), closers.end());
    }
  }

  void ApplySettings(const AnagramSettings& settings) {
    settings_ = settings;
    maxWords_ = std::min(kAnagramMaxDepth, settings.maxWords - query_.imposed.wordCount);
    const int j = settings.level == 1 ? maxWords_ - 1 : (maxWords_ - 1) / 2;
    jump_ = std::max(1, j);
    for (auto& cands : byLength_) {
      for (auto& cand : cands) {
        const std::string_view word = source_.rows[cand.row].word;
        cand.refused = (settings.noAcronyms && word == ToUpper(word)) ||
                       (!settings.forbidden.empty() &&
                        std::find(settings.forbidden.begin(), settings.forbidden.end(), FoldStandard(ToLower(word))) !=
                            settings.forbidden.end());
      }
    }
  }

  // Yields now and then; false when the search must stop. The settings are read again after a pause.
  bool Breathe(bool now = false) {
    if (!now && (++tests_ % kYieldEvery) != 0) return true;
    if (!observer_.Yield()) {
      result_.stopped = true;
      return false;
    }
    if (std::optional<AnagramSettings> changed = observer_.ResumedSettings()) ApplySettings(*changed);
    return true;
  }

  // Takes cand's letters from `at` into `next` (the jokers standing in for missing letters);
  // false when they are not there.
  bool Fit(const Depth& at, const Candidate<NW>& cand, Depth& next) const {
    bool plain = cand.extra == std::array<std::uint8_t, 3>{};
    for (int w = 0; w < NW && plain; ++w) plain = (((at.rem[w] | kHigh) - cand.need[w]) & kHigh) == kHigh;
    if (plain) {
      for (int w = 0; w < NW; ++w) next.rem[w] = at.rem[w] - cand.need[w];
      next.jokers = at.jokers;
      return true;
    }
    if (at.jokers.Total() == 0) return false;
    std::array<int, 3> missing{cand.extra[0], cand.extra[1], cand.extra[2]};
    next.rem = at.rem;
    for (int s = 0; s < static_cast<int>(slotLetter_.size()); ++s) {
      const int need = ByteAt<NW>(cand.need, s);
      if (need == 0) continue;
      const int have = ByteAt<NW>(at.rem, s);
      const int taken = std::min(need, have);
      AddByte<NW>(next.rem, s, -taken);
      missing[ClassOf(slotLetter_[static_cast<std::size_t>(s)])] += need - taken;
    }
    const int vowels = std::min(missing[kVowel], at.jokers.vowel);
    const int consonants = std::min(missing[kConsonant], at.jokers.consonant);
    const int any = missing[kVowel] - vowels + missing[kConsonant] - consonants + missing[kOther];
    if (any > at.jokers.any) return false;
    next.jokers = {at.jokers.any - any, at.jokers.vowel - vowels, at.jokers.consonant - consonants};
    return true;
  }

  // The word as shown: the letters a joker stood for in upper case (the last occurrences of a
  // letter, when the explicit letters cover the first ones).
  std::string Shown(std::string_view word, const Depth& at, const Candidate<NW>& cand) const {
    std::string shown(word);
    std::array<int, 256> explicitLeft{};
    for (int s = 0; s < static_cast<int>(slotLetter_.size()); ++s)
      explicitLeft[slotLetter_[static_cast<std::size_t>(s)]] = std::min(ByteAt<NW>(cand.need, s), ByteAt<NW>(at.rem, s));
    for (char& c : shown) {
      const auto folded = static_cast<unsigned char>(FoldStandard(ToLower(c)));
      if (!IsLetter(folded)) continue;
      if (explicitLeft[folded] > 0) --explicitLeft[folded];
      else c = ToUpper(c);
    }
    return shown;
  }

  // Accepts cand at depth d: depth d + 1 gets the letters left.
  bool Place(int d, int length, int pos, const Candidate<NW>& cand) {
    Depth& at = depths_[d];
    Depth& next = depths_[d + 1];
    if (cand.refused || !Fit(at, cand, next)) return false;
    next.left = at.left - length;
    at.length = length;
    at.pos = pos;
    if (result_.jokers) at.shown = Shown(source_.rows[cand.row].word, at, cand);
    if (settings_.level < 4) floor_[d][length] = pos;
    return true;
  }

  // The words of depths 1 to d make a group: count it if it passes the bounds and the elision test.
  bool Complete(int d) {
    const int words = d + query_.imposed.wordCount;
    if (words < settings_.minWords || words > settings_.maxWords) return true;
    std::array<std::string_view, kAnagramMaxDepth + 1> shown;
    bool needsVowel = false, hasVowel = false;
    int letters = 0;
    for (int i = 1; i <= d; ++i) {
      const Depth& at = depths_[i];
      shown[i - 1] = result_.jokers ? std::string_view(at.shown)
                                    : source_.rows[byLength_[at.length][at.pos].row].word;
      const std::string_view w = shown[i - 1];
      if (at.length == 1 && !StandsAlone(w[0])) needsVowel = true;
      if (OpensElision(w[0])) hasVowel = true;
      letters += at.length;
    }
    if (needsVowel && !hasVowel && !query_.imposed.allowsElision) return true;
    if (result_.groups.size() >= static_cast<std::size_t>(kAnagramMaxGroups)) {
      result_.capped = true;
      return false;
    }
    std::sort(shown.begin(), shown.begin() + d, DisplayLess{});
    AnagramGroup group;
    group.words = query_.imposed.prefix;
    for (int i = 0; i < d; ++i) (group.words += shown[i]) += ' ';
    for (char c : query_.imposed.prefix) letters += (c != ' ' && c != '\'');
    group.letters = letters;
    group.wordCount = words;
    result_.groups.push_back(std::move(group));
    observer_.SetCount(static_cast<long>(result_.groups.size()));
    observer_.OnGroup(result_.groups.back());
    return Breathe(true);
  }

  // Closing words at depth d: the candidates of `length` (the letters left) from `begin` on.
  int Close(int d, int length, int begin) {
    const Depth& at = depths_[d];
    const auto& cands = byLength_[length];
    if (at.jokers.Total() == 0) {
      const auto& closers = closers_[length];
      auto it = std::lower_bound(closers.begin(), closers.end(), std::make_pair(at.rem, begin));
      for (; it != closers.end() && it->first == at.rem; ++it) {
        if (!Breathe()) return kStop;
        if (Place(d, length, it->second, cands[static_cast<std::size_t>(it->second)]) && !Complete(d)) return kStop;
      }
      return 0;
    }
    for (int pos = begin; pos < static_cast<int>(cands.size()); ++pos) {
      if (!Breathe()) return kStop;
      if (Place(d, length, pos, cands[static_cast<std::size_t>(pos)]) && !Complete(d)) return kStop;
    }
    return 0;
  }

  // Depth d, after a word of `prevLength` taken at `prevPos`. Returns kStop, 0 to go back one
  // depth, or the number of depths to go back beyond that one.
  int Descend(int d, int prevLength, int prevPos) {
    if (d + 1 <= kAnagramMaxDepth) floor_[d + 1].fill(0);
    const int left = depths_[d].left;
    const int wordsLeft = maxWords_ - d + 1;
    if (wordsLeft <= 0) return 0;
    const int minLength = std::max(settings_.minLength, (left + wordsLeft - 1) / wordsLeft);
    const int maxLength = std::min({prevLength, settings_.maxLength, left});
    const bool closing = minLength >= left;
    for (int length = maxLength; length >= std::max(1, minLength); --length) {
      int begin = length == prevLength ? prevPos : 0;
      if (settings_.level < 4) begin = std::max(begin, floor_[d][length]);
      if (length == left) {
        if (Close(d, length, begin) == kStop) return kStop;
        continue;
      }
      const auto& cands = byLength_[length];
      for (int pos = begin; pos < static_cast<int>(cands.size()); ++pos) {
        if (!Breathe()) return kStop;
        if (!Place(d, length, pos, cands[static_cast<std::size_t>(pos)])) continue;
        const int back = Descend(d + 1, length, pos);
        if (back == kStop) return kStop;
        if (back > 0 && d > 1) return back - 1;
      }
    }
    if (closing && settings_.level <= 2) return jump_ - 1;
    return 0;
  }

  AnagramRows source_;
  const AnagramQuery& query_;
  AnagramObserver& observer_;
  AnagramSettings settings_;
  AutoResult result_;
  int maxWords_ = 0;
  int jump_ = 1;
  int total_ = 0;
  unsigned tests_ = 0;
  std::array<int, 256> slotOf_{};
  std::vector<unsigned char> slotLetter_;
  std::array<std::vector<Candidate<NW>>, kMaxWordLength + 1> byLength_;
  std::array<std::vector<std::pair<Packed<NW>, int>>, kMaxWordLength + 1> closers_;
  std::array<Depth, kAnagramMaxDepth + 2> depths_;
  std::array<std::array<int, kMaxWordLength + 1>, kAnagramMaxDepth + 2> floor_{};
};

template <int NW>
AutoResult Run(AnagramRows source, const AnagramQuery& query, AnagramObserver& observer) {
  return GroupSearch<NW>(source, query, observer).Run();
}

}  // namespace

std::string GroupLine(const AnagramGroup& group, bool jokers) {
  std::string line;
  if (jokers) {
    const auto two = [](int n) {
      std::string digits = std::to_string(n);
      if (digits.size() < 2) digits.insert(digits.begin(), '0');
      return digits;
    };
    line = two(group.letters) + "L " + two(group.wordCount) + "M ";
  }
  line += '\t';
  line += group.words;
  return line;
}

AutoResult SearchGroups(AnagramRows source, const AnagramQuery& query, AnagramObserver& observer) {
  std::string distinct = SortLetters(query.lettersToSearch);
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  switch ((distinct.size() + 7) / 8) {
    case 0:
    case 1: return Run<1>(source, query, observer);
    case 2: return Run<2>(source, query, observer);
    case 3: return Run<3>(source, query, observer);
    case 4: return Run<4>(source, query, observer);
    default: return Run<7>(source, query, observer);
  }
}

AutoResult SearchGroups(AnagramRows source, const AnagramQuery& query) {
  AnagramObserver observer;
  return SearchGroups(source, query, observer);
}

}  // namespace tavilo
