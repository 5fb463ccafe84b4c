#include "core/graphemes.h"

#include <string>

namespace tavilo {

const std::array<GraphemeRow, kPhonemeCount>& GraphemeTable() {
  static const std::array<GraphemeRow, kPhonemeCount> kTable = {{
      {'a', "a (patte)", {"ea", "ao", "a", "\xE2", "\xE0", "e", "i"}},
      {'0', "wa (roi)", {"oua", "oue", "oi", "o\xEE", "oe", "o\xEA", "o\xEB", "wa", "o", "a"}},
      {'e', "e muet (le)", {"eu", "ai", "e"}},
      {'1', "eu (peu, peur)", {"oeu", "eu", "oe", "e\xFB", "e", "u"}},
      {'2', "é (été)", {"eai", "er", "\xE9""e", "ez", "ei", "ai", "a\xEE", "ey", "ay", "et", "ea", "oe", "\xE9", "e", "\xEA", "a", "\xEB", "\xE8"}},
      {'3', "è (mère)", {"eai", "ai", "ei", "a\xEE", "ey", "ay", "et", "ea", "\xE8", "e", "\xEA", "\xEB", "a", "\xE9"}},
      {'i', "i (lit)", {"ee", "ea", "yg", "i", "y", "\xEE", "\xEF", "e"}},
      {'o', "o (mot)", {"eau", "au", "o", "\xF4", "u", "a"}},
      {'u', "u (lu)", {"eu", "e\xFB", "u", "\xFB", "\xFC", "e"}},
      {'4', "ou (loup)", {"aou", "ou", "o\xFB", "oo", "ow", "o", "u", "w"}},
      {'5', "an (plan)", {"aon", "an", "en", "em", "am"}},
      {'6', "in (vin)", {"ein", "ain", "aim", "eun", "in", "un", "im", "yn", "ym", "en", "um"}},
      {'7', "y (paille)", {"ill", "il", "ll", "i", "y", "\xEF", "l"}},
      {'8', "on (bon)", {"on", "om", "un", "um"}},
      {'9', "ui (nuit)", {"ui", "u\xEE", "u\xEF", "u", "i"}},
      {'b', "b", {"bb", "b"}},
      {'d', "d", {"dd", "d", "j", "z", "g", "t"}},
      {'f', "f", {"ff", "ph", "f"}},
      {'g', "g (gare)", {"gue", "gg", "gu", "g", "x", "c"}},
      {'h', "ch (chat)", {"sch", "ch", "sh", "sc"}},
      {'j', "j (jour)", {"g", "j"}},
      {'k', "k", {"cqu", "que", "ccu", "qu", "cc", "cu", "ck", "kk", "ch", "kh", "c", "k", "q", "x"}},
      {'l', "l", {"ll", "l"}},
      {'m', "m", {"mm", "m"}},
      {'n', "n", {"nn", "mn", "n"}},
      {'p', "p", {"pp", "p", "b"}},
      {'r', "r", {"rre", "rr", "r"}},
      {'s', "s", {"sce", "sc\xE9", "sc\xE8", "ss", "sc", "cc", "s", "c", "t", "\xE7", "x"}},
      {'t', "t", {"tt", "th", "t", "c", "z", "d"}},
      {'v', "v", {"v", "w"}},
      {'w', "gn (agneau)", {"gn", "n"}},
      {'x', "jota (khamsin)", {"ch", "gh", "kh", "j"}},
      {'z', "z", {"zz", "s", "z", "x"}},
      {'q', "ng (parking)", {"ng"}},
  }};
  return kTable;
}

int GraphemeRowOf(char code) {
  // A direct map built once from the table; the table order decides on (impossible) duplicates.
  static const std::array<signed char, 256> kRows = [] {
    std::array<signed char, 256> rows{};
    rows.fill(-1);
    for (int r = kPhonemeCount - 1; r >= 0; --r) {
      rows[static_cast<unsigned char>(GraphemeTable()[r].code)] = static_cast<signed char>(r);
    }
    return rows;
  }();
  return kRows[static_cast<unsigned char>(code)];
}

std::string TranscribePhonetic(std::string_view phonetic) {
  // One short French label per code: the sound as a reader would spell it.
  static const std::array<std::string_view, kPhonemeCount> kLabels = {
      "a", "wa", "e", "eu", "\xC3\xA9", "\xC3\xA8", "i", "o", "u", "ou", "an", "in", "y", "on", "u(i)",
      "b", "d", "f", "g", "ch", "j", "k", "l", "m", "n", "p", "r", "s", "t", "v", "gn", "jota", "z", "ng"};
  std::string out;
  for (char c : phonetic) {
    if (!out.empty()) out += '-';
    const int row = GraphemeRowOf(c);
    if (row < 0) {
      out += '?';
    } else {
      out += kLabels[static_cast<std::size_t>(row)];
    }
  }
  return out;
}

}  // namespace tavilo
