// The script player, its invariant checks and its comparison with the rules.
#include "game_script.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "engine/options_form.h"
#include "tests/support/stand_in_windows.h"
#include "tests/support/virtual_clock.h"
#include "rules_model.h"

namespace zarlin::fuzz {

namespace {

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
  std::size_t At() const { return std::min(at_, size_); }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // A text of up to 255 bytes, its length first.
  std::string Text() {
    const std::size_t wanted = Byte();
    const std::size_t length = std::min(wanted, size_ - std::min(at_, size_));
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::string Join(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += (joined.empty() ? "" : ", ") + line;
  return "[" + joined + "]";
}

class Player {
 public:
  ScriptResult Play(Reader& script) {
    ScriptResult result;
    while (!script.Done() && result.broken.empty()) {
      const std::size_t from = script.At();
      said_.clear();
      Step(script, result);
      result.spans.emplace_back(from, script.At());
      result.script.push_back(said_);
      ++result.events;
      result.broken = Check();
      if (result.broken.empty()) result.broken = CompareWithTheRules();
    }
    result.wins = windows_.wins;
    result.gameOvers = windows_.gameOvers;
    return result;
  }

 private:
  void Step(Reader& script, ScriptResult& result) {
    switch (script.Byte() % EventCount) {
      case NewGame:
        said_ = "New Game";
        game_.NewGame();
        rules_.NewGame();
        bestScore_ = 0;
        bestRound_ = 1;
        break;
      case Wait: {
        const std::int64_t milliseconds = 10 * std::int64_t{script.Byte()};
        said_ = "wait " + std::to_string(milliseconds) + " ms";
        clock_.Advance(milliseconds);
        rules_.Wait(milliseconds);
        break;
      }
      case Click:
        ClickOn(static_cast<ColourNumber>(script.Byte() % 6 + 1));
        break;
      case ClickExpected:
        ClickOn(game_.vars.Sequence[static_cast<std::size_t>(game_.vars.InputIndex)]);
        break;
      case Options: {
        OptionsForm form;
        form.colourCount = static_cast<std::int16_t>(script.Byte() % 5 + 2);
        form.sequentialPatterns = script.Byte() % 2 == 0;
        form.startLength = script.Text();
        form.delay = script.Text();
        said_ = "OK on options " + std::to_string(*form.colourCount) + " colours, " +
                (form.sequentialPatterns ? "sequential" : "fresh") + ", start length '" +
                form.startLength + "', delay '" + form.delay + "'";
        const bool refused = StoreOptions(form, game_.vars, game_.constants).has_value();
        if (refused) ++result.refusedOptions;
        if (refused == rules_.Options(form)) mismatch_ = refused ? "the options were refused" : "the options were stored";
        break;
      }
      case CloseWindow: {
        const auto colour = static_cast<ColourNumber>(script.Byte() % 6 + 1);
        said_ = "close colour " + std::to_string(colour);
        windows_.Close(colour);
        rules_.Close(colour);
        break;
      }
      case WaitForPlayback: {
        const std::int64_t milliseconds =
            std::int64_t{game_.PlaybackTimer().Interval()} *
                (game_.vars.SeqLastIndex - game_.vars.PlayIndex + 2) +
            game_.constants.BlinkTime;
        said_ = "wait " + std::to_string(milliseconds) + " ms for the playback";
        clock_.Advance(milliseconds);
        rules_.Wait(milliseconds);
        break;
      }
    }
  }

  // A click on a colour face: lost while the face is dark, else echoed and judged.
  void ClickOn(ColourNumber colour) {
    said_ = "click colour " + std::to_string(colour);
    if (!IsColour(colour)) return;
    rules_.Click(colour);
    if (windows_.IsDark(colour)) return;
    game_.FlashColour(colour, game_.constants.BlinkTime);
    game_.JudgePress(colour);
  }

  std::string Check() {
    const GameVariables& v = game_.vars;
    if (game_.GameRunning()) {
      if (v.SeqLastIndex < 0 || v.SeqLastIndex > game_.constants.MaxSeqIndex) {
        return "SeqLastIndex outside 0 to 127";
      }
      if (v.InputIndex < 0 || v.InputIndex > v.SeqLastIndex) return "InputIndex outside the round";
      if (v.Score < bestScore_ || v.CurrentRound < bestRound_) return "a counter went back";
    }
    if (v.PlayIndex < 0 || v.PlayIndex > v.SeqLastIndex + 1) return "PlayIndex outside the round";
    for (ColourNumber colour : v.Sequence) {
      if (colour != NoColour && !IsColour(colour)) return "a sequence entry is no colour";
    }
    if (v.Score > 8256 || v.CurrentRound > 129) return "a counter passed a whole game's";
    if (windows_.scoreValue != std::to_string(v.Score)) return "the score caption is stale";
    if (windows_.roundValue != std::to_string(v.CurrentRound)) return "the round caption is stale";
    if (game_.PlaybackTimer().Enabled() && game_.PlaybackTimer().Interval() < 1) {
      return "the playback timer runs without an interval";
    }
    bestScore_ = v.Score;
    bestRound_ = v.CurrentRound;
    return {};
  }

  // The game against the rules: what it did to its windows, then what it holds.
  std::string CompareWithTheRules() {
    if (!mismatch_.empty()) return std::exchange(mismatch_, {}) + ", the rules say otherwise";
    const auto expected = rules_.TakeOperations();
    const auto done = std::exchange(windows_.calls, {});
    if (done != expected) return "the windows got " + Join(done) + ", the rules say " + Join(expected);
    const RulesModel::State& r = rules_.state();
    const GameVariables& v = game_.vars;
    const auto differs = [](const char* what, auto got, auto rule) {
      return got == rule ? std::string()
                         : std::string(what) + " is " + std::to_string(got) + ", the rules say " +
                               std::to_string(rule);
    };
    for (const std::string& found :
         {differs("Score", int{v.Score}, r.score), differs("CurrentRound", int{v.CurrentRound}, r.round),
          differs("SeqLastIndex", int{v.SeqLastIndex}, r.seqLastIndex),
          differs("InputIndex", int{v.InputIndex}, r.inputIndex),
          differs("PlayIndex", int{v.PlayIndex}, r.playIndex),
          differs("the playback timer's enabled", int{game_.PlaybackTimer().Enabled()}, int{r.playing}),
          differs("the playback timer's interval", int{game_.PlaybackTimer().Interval()}, r.interval),
          differs("ColourCount", int{v.ColourCount}, r.colourCount),
          differs("SequentialPatterns", int{v.SequentialPatterns != False}, int{r.sequential}),
          differs("StartLastIndex", v.StartLastIndex, r.startLastIndex)}) {
      if (!found.empty()) return found;
    }
    const auto* delayText = std::get_if<std::string>(&v.Delay);
    if ((delayText ? std::optional<std::string>(*delayText) : std::nullopt) != r.delayText) {
      return "Delay is not the text the rules stored";
    }
    for (std::size_t i = 0; i < v.Sequence.size(); ++i) {
      if (v.Sequence[i] != r.sequence[i]) return differs("the sequence entry", int{v.Sequence[i]}, r.sequence[i]) + " at " + std::to_string(i);
    }
    return {};
  }

  VirtualClock clock_;
  RandomSource random_{[] { return std::uint64_t{1}; }};
  testing::StandInWindows windows_{clock_};
  Game game_{windows_, clock_, random_};
  RandomSource rulesRandom_{[] { return std::uint64_t{1}; }};
  RulesModel rules_{rulesRandom_};
  std::string said_;
  std::string mismatch_;
  std::int16_t bestScore_ = 0;
  std::int16_t bestRound_ = 1;
};

}  // namespace

ScriptResult PlayScript(const std::uint8_t* data, std::size_t size) {
  Reader script(data, size);
  return Player().Play(script);
}

ScriptResult ShortestBrokenScript(std::vector<std::uint8_t> script) {
  ScriptResult result = PlayScript(script.data(), script.size());
  if (result.broken.empty()) return result;
  // Drop the events after the one that broke, then every other event that is not needed.
  script.resize(result.spans.back().second);
  for (std::size_t event = result.spans.size(); event-- > 0;) {
    const auto [from, to] = result.spans[event];
    std::vector<std::uint8_t> shorter(script.begin(), script.begin() + static_cast<std::ptrdiff_t>(from));
    shorter.insert(shorter.end(), script.begin() + static_cast<std::ptrdiff_t>(to), script.end());
    const ScriptResult tried = PlayScript(shorter.data(), shorter.size());
    if (!tried.broken.empty() && tried.spans.back().second == shorter.size()) {
      script = std::move(shorter);
      result = tried;
    }
  }
  return result;
}

}  // namespace zarlin::fuzz
