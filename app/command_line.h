// Zarlin's command line: --help, --version and Qt's own options; the game takes nothing else.
#pragma once

#include <optional>

namespace zarlin {

// Reads the command line before any window or display is opened. Returns the exit status when
// the program should end at once (after --help, --version or a mistake, each said on standard
// output or standard error), and nothing when the game should start.
std::optional<int> ReadCommandLine(int argc, char** argv);

}  // namespace zarlin
