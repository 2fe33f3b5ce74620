// Checking and storing the options the player typed.
#include "options_form.h"

#include "game.h"
#include "numbers.h"

namespace zarlin {

std::optional<double> StartLastIndexFor(std::string_view startLength, std::int16_t maxSeqIndex) {
  const auto length = ParseDecimal(startLength);
  if (!length) return std::nullopt;
  const double lastIndex = *length - 1;
  const auto rounded = RoundToInt16(lastIndex);
  if (!rounded || *rounded < 0 || *rounded > maxSeqIndex) return std::nullopt;
  return lastIndex;
}

std::optional<OptionsBox> StoreOptions(const OptionsForm& form, GameVariables& vars,
                                       const GameConstants& constants) {
  const auto startLastIndex = StartLastIndexFor(form.startLength, constants.MaxSeqIndex);
  if (!startLastIndex) return OptionsBox::StartLength;
  if (!UsableInterval(DelaySetting(form.delay), constants.BlinkTime)) return OptionsBox::Delay;

  vars.SequentialPatterns = form.sequentialPatterns ? True : False;
  if (form.colourCount) vars.ColourCount = *form.colourCount;
  vars.Delay = form.delay;
  vars.StartLastIndex = *startLastIndex;
  return std::nullopt;
}

}  // namespace zarlin
