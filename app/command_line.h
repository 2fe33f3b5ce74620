// Zarlin's command line: --help, --help-all, --version and Qt's own options; the game takes
// nothing else. It is read once, here, and everything after goes by what was read.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zarlin {

struct CommandLine {
  std::optional<std::string> platform;  // -platform NAME, in any of its spellings
  std::optional<std::string> display;   // -display NAME
  // The program's name and Qt's options as Qt itself reads them ("-style", "fusion"), whichever
  // spelling the player used ("--style=fusion").
  std::vector<std::string> qtArguments;
};

// Reads the command line before any window or display is opened: the exit status when the
// program should end at once (after --help, --help-all, --version or a mistake, each said on
// standard output or standard error), else what the game starts with.
std::variant<int, CommandLine> ReadCommandLine(int argc, char** argv);

}  // namespace zarlin
