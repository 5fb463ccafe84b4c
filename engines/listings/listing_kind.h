// The eleven word listings, named once: the listing engine runs them and the desktop front end's
// menu items start them.
#pragma once

namespace tavilo {

enum class ListingKind {
  Palindromes,
  PhoneticPalindromes,
  Anacyclic,
  Ouroboros,
  PhoneticAnacycles,
  Anaphones,
  AmbigramRotation,
  AmbigramHorizontal,
  Okapi,
  Phokapi,
  AnagramFamilies,
};

}  // namespace tavilo
