#include "app/tool_catalogue.h"

#include <array>

namespace tavilo {
namespace {

constexpr std::array kTools = {
    ToolInfo{ToolId::Spoonerism, "mnuCmpCpt", "&Contrepèteries...", "Contrepet", "Contrepèteries", "Cpt",
             "Cpt_", "Arial"},
    ToolInfo{ToolId::Phrase, "mnuCmpPhrase", "Contrepèteries dans une &phrase...", "ContrepetPhrase",
             "Contrepèteries dans une phrase", "Phrase", "Phrase_", "Arial"},
    ToolInfo{ToolId::Rhyme, "mnuCmpRim", "&Rimes...", "Rime", "Rimes", "Rime", "Rime_", "Arial"},
    ToolInfo{ToolId::WordRhyme, "mnuCmpRimMot", "Rimes &d'un mot...", "RimeMot", "Rimes d'un mot", "RimeMot",
             "RimeMot_", "Arial"},
    ToolInfo{ToolId::Anaphone, "mnuCmpPhon", "Anap&hones...", "Phonégramme", "Anaphones", "Phon", "Phon_",
             "Arial"},
    ToolInfo{ToolId::Anagram, "mnuCmpAna", "&Anagrammes...", "Anagramme", "Anagrammes", "Ana", "Ana_",
             "Courier New"},
    ToolInfo{ToolId::Lipogram, "mnuCmpLipo", "&Lipogrammes...", "Lipogramme", "Lipogrammes", "Lipo", "Lipo_",
             "Arial"},
    ToolInfo{ToolId::Filter, "mnuCmpMcr", "&Mots filtrés...", "MotCroisé", "Mots filtrés", "Mcr", "Mft_",
             "Courier New"},
};

constexpr std::array kListings = {
    ListingInfo{ListingKind::Anaphones, "mnuCmpListAnaphone", "Listage des mots anaphones", "", "Courier New"},
    ListingInfo{ListingKind::PhoneticPalindromes, "mnuCmpListPali2", "Listag&e des palindromes phonétiques",
                "MotPaliPhon", "Courier New"},
    ListingInfo{ListingKind::PhoneticAnacycles, "mnuCmpListAnacyclePhon", "Listage des anacycles phonétiques",
                "", "Courier New"},
    ListingInfo{ListingKind::Phokapi, "mnuCmpListPhokapi", "Listage des mo&ts \"phokapi\"", "MotPhokapi",
                "Courier New"},
    ListingInfo{ListingKind::Palindromes, "mnuCmpListPali", "Lista&ge des mots palindromiques", "MotPali",
                "Courier New"},
    ListingInfo{ListingKind::Anacyclic, "mnuCmpListBoust", "Listage des mots anac&ycliques", "MotJanus",
                "Courier New"},
    ListingInfo{ListingKind::Ouroboros, "mnuCmpListOuro", "Listage des mots o&urobores", "MotOuro", "Courier New"},
    ListingInfo{ListingKind::AmbigramRotation, "mnuCmpAmb", "Listage des mots \"am&bigrammes à rotation 180°\"",
                "MotAmbi", "Courier New"},
    ListingInfo{ListingKind::AmbigramHorizontal, "mnuCmpAmbH",
                "Listage des mots \"ambigrammes à symétrie horizontale\"", "MotAmbi", "Futura Medium BT"},
    ListingInfo{ListingKind::AnagramFamilies, "mnuCmpListAna", "L&istage des mots anagrammatiques", "MotAna",
                "Courier New"},
    ListingInfo{ListingKind::Okapi, "mnuCmpListOkapi", "Listage des mots \"o&kapi\"", "MotOkapi", "Courier New"},
};

using E = ToolsMenuEntry;
constexpr E Tool(ToolId id) { return E{E::Kind::Tool, id, ListingKind::Anaphones}; }
constexpr E Listing(ListingKind id) { return E{E::Kind::Listing, ToolId::Spoonerism, id}; }
constexpr E kSeparator{E::Kind::Separator};

// Separators after the two spoonerism tools, after Rimes, after the phonetic group, after the written
// listings, after the two anagram items, after Lipogrammes, and at the end.
constexpr std::array kToolsMenu = {
    Tool(ToolId::Spoonerism),
    Tool(ToolId::Phrase),
    kSeparator,
    Tool(ToolId::Rhyme),
    Tool(ToolId::WordRhyme),
    kSeparator,
    Tool(ToolId::Anaphone),
    Listing(ListingKind::Anaphones),
    Listing(ListingKind::PhoneticPalindromes),
    Listing(ListingKind::PhoneticAnacycles),
    Listing(ListingKind::Phokapi),
    kSeparator,
    Listing(ListingKind::Palindromes),
    Listing(ListingKind::Anacyclic),
    Listing(ListingKind::Ouroboros),
    Listing(ListingKind::AmbigramRotation),
    Listing(ListingKind::AmbigramHorizontal),
    kSeparator,
    Tool(ToolId::Anagram),
    Listing(ListingKind::AnagramFamilies),
    kSeparator,
    Tool(ToolId::Lipogram),
    kSeparator,
    Tool(ToolId::Filter),
    Listing(ListingKind::Okapi),
    kSeparator,
};

}  // namespace

std::span<const ToolInfo> AllTools() { return kTools; }
std::span<const ListingInfo> AllListings() { return kListings; }

const ToolInfo& InfoOf(ToolId id) {
  for (const ToolInfo& info : kTools)
    if (info.id == id) return info;
  return kTools.front();  // unreachable: every id is in the table
}

const ListingInfo& InfoOf(ListingKind id) {
  for (const ListingInfo& info : kListings)
    if (info.id == id) return info;
  return kListings.front();
}

std::span<const ToolsMenuEntry> ToolsMenuLayout() { return kToolsMenu; }

}  // namespace tavilo
