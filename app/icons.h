// The program's own icons, painted with QPainter at whatever size is asked, so they stay crisp
// at every tool-bar size and screen scale.
#pragma once

#include <QIcon>

namespace tavilo {

enum class IconKind {
  Program,
  Open,
  Save,
  Print,
  Copy,
  Spoonerism,
  Phrase,
  Rhyme,
  WordRhyme,
  Anaphone,
  Anagram,
  Lipogram,
  Filter,
};

QIcon MakeIcon(IconKind kind);

}  // namespace tavilo
