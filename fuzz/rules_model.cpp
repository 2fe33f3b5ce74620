// The rules, step by step: a new game, a round, its playback, a click and its judgement, a flash
// and its end, and what the options dialog takes.
#include "rules_model.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <utility>

namespace zarlin::fuzz {

namespace {

constexpr int FlashTime = 200;  // milliseconds a face stays dark
constexpr int LastIndex = 127;

// A number as the player may type it: blanks, a sign, digits with a fraction, an exponent.
std::optional<double> Number(const std::string& text) {
  static const std::regex shape(R"(^[ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*$)");
  if (!std::regex_match(text, shape)) return std::nullopt;
  // strtod says ERANGE for a number too close to zero too, and gives its nearest double, which
  // is the number the player typed; only one too large for a double is none.
  const double value = std::strtod(text.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// Nearest whole number, halves to even: the rounding mode the machine starts in.
double Nearest(double value) {
  std::fesetround(FE_TONEAREST);
  return std::nearbyint(value);
}

}  // namespace

void RulesModel::NewGame() {
  Say("arrange " + std::to_string(s_.colourCount));
  s_.round = 1;
  Say("round 1");
  s_.score = 0;
  Say("score 0");
  s_.seqLastIndex = static_cast<int>(Nearest(s_.startLastIndex));
  Say("hide GameOver");
  Say("hide Win");
  running_ = true;
  if (s_.sequential) Generate();
  StartRound();
}

void RulesModel::StartRound() {
  s_.inputIndex = 0;
  Say("arrange " + std::to_string(s_.colourCount));
  if (!s_.sequential) Generate();
  s_.playIndex = 0;
  s_.interval = delayInterval_;
  s_.playing = true;
  Arm(playback_, s_.interval);
}

void RulesModel::Generate() {
  for (int& entry : s_.sequence) {
    random_.Reseed();
    entry = static_cast<int>(std::floor(random_.Next() * static_cast<float>(s_.colourCount))) + 1;
  }
}

void RulesModel::Flash(int colour) {
  if (colour < 1 || colour > 6) return;
  Say("flash " + std::to_string(colour) + " at " + std::to_string(now_) + " for " +
      std::to_string(FlashTime) + " ms");
  Arm(blink_[static_cast<std::size_t>(colour)], FlashTime);
}

void RulesModel::Arm(Countdown& countdown, std::int64_t after) {
  countdown.enabled = true;
  countdown.due = now_ + after;
  countdown.arming = armings_++;
}

void RulesModel::Click(int colour) {
  if (blink_[static_cast<std::size_t>(colour)].enabled) return;  // lands on the dark face
  Flash(colour);
  if (!running_) return;
  if (s_.sequence[static_cast<std::size_t>(s_.inputIndex)] != colour) {
    Say("show GameOver");
    running_ = false;
    return;
  }
  Say("score " + std::to_string(++s_.score));
  if (s_.inputIndex < s_.seqLastIndex) {
    ++s_.inputIndex;
    return;
  }
  Say("round " + std::to_string(++s_.round));
  if (s_.seqLastIndex == LastIndex) {
    Say("show Win");
    running_ = false;
    return;
  }
  ++s_.seqLastIndex;
  StartRound();
}

void RulesModel::Wait(std::int64_t milliseconds) {
  const std::int64_t until = now_ + milliseconds;
  for (;;) {
    Countdown* next = nullptr;
    auto consider = [&](Countdown& countdown) {
      if (!countdown.enabled || countdown.due > until) return;
      if (!next || countdown.due < next->due ||
          (countdown.due == next->due && countdown.arming < next->arming)) {
        next = &countdown;
      }
    };
    consider(playback_);
    for (Countdown& blink : blink_) consider(blink);
    if (!next) break;
    now_ = next->due;
    if (next == &playback_) {
      Arm(playback_, s_.interval);  // the next tick's countdown starts as this one fires
      if (s_.playIndex > s_.seqLastIndex) {
        playback_.enabled = s_.playing = false;
      } else {
        Flash(s_.sequence[static_cast<std::size_t>(s_.playIndex++)]);
      }
    } else {
      next->enabled = false;  // the face is back; each arming gives one tick
      armings_++;
    }
  }
  now_ = until;
}

bool RulesModel::Options(const OptionsForm& form) {
  const auto length = Number(form.startLength);
  if (!length) return false;
  const double startLastIndex = *length - 1;
  const double firstLastIndex = Nearest(startLastIndex);
  if (firstLastIndex < 0 || firstLastIndex > LastIndex) return false;
  const auto delay = Number(form.delay);
  if (!delay) return false;
  const double interval = Nearest(*delay + FlashTime);
  if (interval < 1 || interval > 2147483647.0) return false;

  s_.sequential = form.sequentialPatterns;
  if (form.colourCount) s_.colourCount = *form.colourCount;
  s_.delayText = form.delay;
  delayInterval_ = static_cast<int>(interval);
  s_.startLastIndex = startLastIndex;
  return true;
}

void RulesModel::Close(int colour) { blink_[static_cast<std::size_t>(colour)].enabled = false; }

std::vector<std::string> RulesModel::TakeOperations() { return std::exchange(operations_, {}); }

}  // namespace zarlin::fuzz
