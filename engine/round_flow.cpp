// Starting games and rounds and playing each round's sequence back, one flash per tick.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "game.h"
#include "numbers.h"

namespace zarlin {

namespace {

constexpr std::int32_t StartupPlaybackInterval = 400;

std::optional<double> DelayMilliseconds(const DelaySetting& delay) {
  if (const auto* number = std::get_if<std::int16_t>(&delay)) return *number;
  return ParseDecimal(std::get<std::string>(delay));
}

}  // namespace

std::optional<std::int32_t> UsableInterval(const DelaySetting& delay, std::int16_t blinkTime) {
  const auto milliseconds = DelayMilliseconds(delay);
  if (!milliseconds) return std::nullopt;
  const auto interval = RoundToMilliseconds(*milliseconds + blinkTime);
  if (!interval || *interval < 1) return std::nullopt;
  return interval;
}

std::int32_t PlaybackInterval(const DelaySetting& delay, std::int16_t blinkTime) {
  return UsableInterval(delay, blinkTime).value_or(StartupPlaybackInterval);
}

Game::Game(GameWindows& windows, TimerFactory& timers, RandomSource& random)
    : windows_(windows), random_(random), tmrSeq_(timers.MakeTimer([this] { tmrSeq_Timer(); })) {}

void Game::NewGame() {
  windows_.ArrangeButtons(vars.ColourCount);
  ResetGame();
  gameRunning_ = true;
  if (vars.SequentialPatterns != False) GenerateSequence();
  StartRound();
}

void Game::ResetGame() {
  vars.CurrentRound = 1;
  windows_.SetRoundValue(std::to_string(vars.CurrentRound));
  vars.Score = 0;
  windows_.SetScoreValue(std::to_string(vars.Score));
  // A start length outside 1 to 128 would start a round that reads outside the store.
  const double lastIndex = std::isnan(vars.StartLastIndex) ? 0.0 : vars.StartLastIndex;
  vars.SeqLastIndex = RoundToInt16(std::clamp(lastIndex, 0.0, static_cast<double>(constants.MaxSeqIndex)))
                          .value_or(0);
  windows_.HideNotice(Notice::GameOver);
  windows_.HideNotice(Notice::Win);
}

void Game::StartRound() {
  vars.InputIndex = 0;
  windows_.ArrangeButtons(vars.ColourCount);
  if (vars.SequentialPatterns == False) GenerateSequence();
  PlaySequence(vars.SeqLastIndex, constants.BlinkTime, vars.Delay);
}

void Game::PlaySequence(std::int16_t lastIndex, std::int16_t blinkTime,
                        const DelaySetting& delay) {
  vars.PlayIndex = 0;
  vars.SeqLastIndex = lastIndex;
  constants.BlinkTime = blinkTime;
  vars.Delay = delay;
  tmrSeq_->SetInterval(PlaybackInterval(delay, blinkTime));
  tmrSeq_->SetEnabled(true);
}

void Game::tmrSeq_Timer() {
  if (vars.PlayIndex > vars.SeqLastIndex) {
    tmrSeq_->SetEnabled(false);
    return;
  }
  FlashColour(vars.Sequence[static_cast<std::size_t>(vars.PlayIndex)], constants.BlinkTime);
  ++vars.PlayIndex;
}

void Game::FlashColour(ColourNumber colour, std::int32_t interval) {
  if (IsColour(colour)) windows_.FlashButton(colour, interval);
}

}  // namespace zarlin
