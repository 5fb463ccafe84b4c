// Everything a user types, into every tool there is: the first byte chooses the path, the rest
// is the typed text (UTF-8 at the edge). The rhyme search, the word lookup, the sentence reader
// and the sentence spoonerism search, alignment requests, letter keys, and every command of the
// command line with arguments split on NUL bytes, so that each tool's command is fuzzed as soon
// as it is in the command table.
#include <sstream>
#include <unistd.h>

#include "cli/cli.h"
#include "core/alignment.h"
#include "core/anagram_index.h"
#include "core/text.h"
#include "core/validation.h"
#include "engines/phrase/phrase.h"
#include "engines/rhyme/rhyme.h"
#include "fuzz/fuzz_support.h"

using namespace tavilo;

namespace {

void Rhyme(std::uint8_t flags, std::string_view typed) {
  Session session;
  RhymeQuery query;
  query.typed = Utf8ToCp1252(typed);
  query.position = static_cast<RhymePosition>(flags % 3);
  query.keepSpelling = flags & 4;
  query.syllables = (flags >> 3) % 10;
  query.domain = static_cast<SearchDomain>(1 + (flags >> 5) % 5);
  const RhymeResult result = FindRhymes(fuzz::SmallLexicon(), session, query);
  if (result.Accepted()) {
    (void)WriteRhymeHeader(result);
    (void)WriteRhymeBlock(result);
  } else {
    fuzz::Check(!result.message.empty(), "a refused rhyme has a message");
  }
}

void Lookup(std::uint8_t flags, std::string_view typed) {
  ValidationFlags f;
  f.spoonerismTool = flags & 1;
  f.contrepetophile = flags & 2;
  f.childMode = flags & 4;
  f.anaphoneTool = flags & 8;
  InputWordState state;
  state.inputWord = FoldValidation(ToLower(Trim(Utf8ToCp1252(typed))));
  const ValidationResult result = ValidateInputWord(fuzz::SmallLexicon(), f, state);
  fuzz::Check(result.accepted || !result.message.empty(), "a refused word has a message");
}

void Align(std::uint8_t flags, std::string_view rest) {
  const std::size_t split = rest.find('\0');
  const std::string_view spelling = rest.substr(0, split);
  const std::string_view phonetic = split == std::string_view::npos ? "taksi" : rest.substr(split + 1);
  const Alignment r = AlignFragment(spelling, phonetic, static_cast<std::int8_t>(flags) / 8, flags % 7 - 1);
  fuzz::Check(r.letterStart >= 1 && r.letterStart <= r.letterEnd &&
                  r.letterEnd <= static_cast<int>(r.spelling.size()) + 1,
              "fragment positions inside the spelling");
  if (const auto phonemes = PhonemesOfEnding(spelling, phonetic, spelling.substr(spelling.size() / 2))) {
    fuzz::Check(phonetic.ends_with(*phonemes), "the phonemes of an ending end the phonetic form");
  }
  (void)AlignsEveryPhoneme(spelling, phonetic);
}

// The sentence reader, then the whole sentence search over the small lexicon (with no word
// frequencies, so every word is as rare as the next).
void Phrase(std::uint8_t flags, std::string_view typed) {
  const std::string sentence = Utf8ToCp1252(typed);
  const SentenceReading reading = ReadSentence(sentence);
  std::size_t end = 0;
  for (const SentenceWord& w : reading.words) {
    fuzz::Check(w.length > 0 && w.offset >= end && w.offset + w.length <= sentence.size(), "words in order, inside");
    end = w.offset + w.length;
  }
  fuzz::Check(reading.words.size() <= kPhraseMaxWords, "never more words than allowed");
  PhraseQuery query;
  query.typed = sentence;
  query.maxSounds = 1 + flags % 3;
  query.three = flags & 4;
  query.first = flags >> 4;
  static const WordFrequencies none;
  const PhraseResult result = FindPhraseSpoonerisms(fuzz::SmallLexicon(), none, query);
  if (!result.Accepted()) {
    fuzz::Check(!result.message.empty(), "a refused sentence has a message");
    return;
  }
  for (const PhraseCandidate& c : result.candidates) {
    for (const auto& [start, length] : c.highlights) fuzz::Check(start + length <= c.shown.size(), "highlight inside");
  }
  (void)WritePhraseHeader(result);
  (void)WritePhraseBlock(result);
  (void)PhraseRawLines(result);
}

void CommandLine(std::uint8_t which, std::string_view rest) {
  // Nothing is written: the options that name a file to write are left out, and so is any
  // argument holding a path.
  const auto& commands = cli::Commands();
  std::vector<std::string> args = {"--data", fuzz::SmallLexiconFolder().string(), commands[which % commands.size()].name};
  std::size_t start = 0;
  while (start <= rest.size() && args.size() < 12) {
    const std::size_t end = std::min(rest.find('\0', start), rest.size());
    std::string arg(rest.substr(start, end - start));
    if (arg.find('/') == std::string::npos && arg != "--garder" && arg != "--rtf" && !arg.starts_with("--garder=") &&
        !arg.starts_with("--rtf=")) {
      args.push_back(std::move(arg));
    }
    start = end + 1;
  }
  std::ostringstream out, err;
  const int code = cli::RunCli(args, out, err);
  fuzz::Check(code >= 0 && code <= 3, "exit code is one of 0 to 3");
  fuzz::Check(IsValidUtf8(out.str()) && IsValidUtf8(err.str()), "output is UTF-8");
  for (char c : err.str()) fuzz::Check(c != '\x1B' && c != '\r', "no raw control character in messages");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string_view rest = fuzz::Bytes(data + 2, size - 2);
  switch (data[0] % 6) {
    case 0: Rhyme(data[1], rest); break;
    case 1: Lookup(data[1], rest); break;
    case 2: Align(data[1], rest); break;
    case 3: CommandLine(data[1], rest); break;
    case 4: Phrase(data[1], rest); break;
    default:
      (void)LetterKey(Utf8ToCp1252(rest));
      fuzz::Check(IsValidUtf8(ForDisplay(rest, data[1])), "shown text is UTF-8");
      break;
  }
  return 0;
}
