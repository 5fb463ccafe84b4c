// The table of commands. A new tool adds its command file and one line here.
#include "cli/cli.h"
#include "cli/commands.h"

namespace tavilo::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> kCommands = {
      WordCommand(),
      AlignCommand(),
      KeyCommand(),
      InfoCommand(),
      SpoonerismCommand(),
      RhymeCommand(),
      WordRhymeCommand(),
      AnagramCommand(),
      AnaphoneCommand(),
      LipogramCommand(),
      FilterCommand(),
      ListingCommand(),
      PhraseCommand(),
  };
  return kCommands;
}

}  // namespace tavilo::cli
