// What the options dialog stores, and what it refuses. The dialog and the fuzzer both store
// through here, so what the fuzzer proves of it holds for the dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game_variables.h"

namespace zarlin {

// The dialog's controls as the player left them.
struct OptionsForm {
  std::optional<std::int16_t> colourCount;  // the selected option button, if any
  bool sequentialPatterns = true;           // the check box
  std::string startLength;                  // the text boxes, as typed
  std::string delay;
};

enum class OptionsBox { StartLength, Delay };

// The StartLastIndex for a typed start length: the number minus one, when it reads as a
// number whose first round, once rounded, has 1 to MaxSeqIndex + 1 colours.
std::optional<double> StartLastIndexFor(std::string_view startLength, std::int16_t maxSeqIndex);

// Stores the form into the settings, in the dialog's order, unless a text box holds something
// the game cannot play: then nothing is stored and the first such box is named.
std::optional<OptionsBox> StoreOptions(const OptionsForm& form, GameVariables& vars,
                                       const GameConstants& constants);

}  // namespace zarlin
