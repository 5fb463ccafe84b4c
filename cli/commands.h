// One function per command, each defined in the command's own file.
#pragma once

#include "cli/cli.h"

namespace tavilo::cli {

Command WordCommand();   // mot
Command AlignCommand();  // aligner
Command KeyCommand();    // cle
Command InfoCommand();   // info
Command RhymeCommand();  // rimes
Command WordRhymeCommand();  // rimes-mot
Command AnagramCommand();  // anagrammes
Command LipogramCommand();  // lipogrammes
Command AnaphoneCommand();  // anaphones
Command ListingCommand();  // liste
Command SpoonerismCommand();  // contrepeteries
Command FilterCommand();  // filtre
Command PhraseCommand();  // phrase

}  // namespace tavilo::cli
