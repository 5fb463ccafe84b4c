// What the sentence-spoonerism search shares between its files: the French elision rules.
#pragma once

#include <string>
#include <string_view>

namespace tavilo::phrase_internal {

// Whether a phonetic form starts with a vowel sound that takes an elision ("l'avion", "l'oiseau",
// "l'huile"); a yod does not ("le yaourt").
bool StartsWithVowelSound(std::string_view phonetic);
// The same guessed from the letters, for a word the lexicon does not know (a mute h elides).
bool StartsWithVowelLetter(std::string_view spelling);

// "le" -> "l'", "que" -> "qu'"...; empty when the word has no elided form.
std::string_view ElidedFormOf(std::string_view word);
// "l'" -> "le", "qu'" -> "que"...; empty when the word is no elided form.
std::string_view FullFormOf(std::string_view word);

// `word` with the case of `model`: all capitals, or a capital first letter, as it has.
std::string MatchCase(std::string_view model, std::string_view word);

}  // namespace tavilo::phrase_internal
