// The script player and its invariant checks.
#include "game_script.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/game.h"
#include "engine/options_form.h"
#include "engine/virtual_clock.h"

namespace zarlin::fuzz {

namespace {

// The colour windows as the game sees them: a face that a flash darkens until its blink timer
// ticks, a click that is lost on a dark face, and a window the player may close, which takes
// its blink timer with it.
class ModelWindows : public GameWindows {
 public:
  explicit ModelWindows(VirtualClock& clock) : clock_(clock) {}

  void ArrangeButtons(std::int16_t) override {}
  void FlashButton(ColourNumber colour, std::int32_t milliseconds) override {
    Button& button = Get(colour);
    button.dark = true;
    button.blink->SetInterval(milliseconds);
    button.blink->SetEnabled(true);
  }
  void SetRoundValue(const std::string& caption) override { roundValue = caption; }
  void SetScoreValue(const std::string& caption) override { scoreValue = caption; }
  void ShowNotice(Notice notice) override { ++(notice == Notice::Win ? wins : gameOvers); }
  void HideNotice(Notice) override {}

  bool IsDark(ColourNumber colour) { return Get(colour).dark; }
  void Close(ColourNumber colour) { buttons_[Index(colour)].reset(); }

  std::string roundValue = "1";
  std::string scoreValue = "0";
  int wins = 0;
  int gameOvers = 0;

 private:
  struct Button {
    bool dark = false;
    std::unique_ptr<Timer> blink;
  };
  static std::size_t Index(ColourNumber colour) { return static_cast<std::size_t>(colour - 1); }
  Button& Get(ColourNumber colour) {
    auto& button = buttons_[Index(colour)];
    if (!button) {
      button = std::make_unique<Button>();
      Button* made = button.get();
      button->blink = clock_.MakeTimer([made] {
        made->dark = false;
        made->blink->SetEnabled(false);
      });
    }
    return *button;
  }

  VirtualClock& clock_;
  std::array<std::unique_ptr<Button>, 6> buttons_;
};

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Done() const { return at_ >= size_; }
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

class Player {
 public:
  ScriptResult Play(Reader& script) {
    ScriptResult result;
    while (!script.Done() && result.broken.empty()) {
      Step(script, result);
      ++result.events;
      result.broken = Check();
    }
    result.wins = windows_.wins;
    result.gameOvers = windows_.gameOvers;
    return result;
  }

 private:
  void Step(Reader& script, ScriptResult& result) {
    switch (script.Byte() % EventCount) {
      case NewGame:
        game_.NewGame();
        bestScore_ = 0;
        bestRound_ = 1;
        break;
      case Wait:
        clock_.Advance(10 * std::int64_t{script.Byte()});
        break;
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
        if (StoreOptions(form, game_.vars, game_.constants)) ++result.refusedOptions;
        break;
      }
      case CloseWindow:
        windows_.Close(static_cast<ColourNumber>(script.Byte() % 6 + 1));
        break;
      case WaitForPlayback:
        clock_.Advance(std::int64_t{game_.PlaybackTimer().Interval()} *
                           (game_.vars.SeqLastIndex - game_.vars.PlayIndex + 2) +
                       game_.constants.BlinkTime);
        break;
    }
  }

  // A click on a colour face: lost while the face is dark, else echoed and judged.
  void ClickOn(ColourNumber colour) {
    if (!IsColour(colour) || windows_.IsDark(colour)) return;
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

  VirtualClock clock_;
  RandomSource random_{[] { return std::uint64_t{1}; }};
  ModelWindows windows_{clock_};
  Game game_{windows_, clock_, random_};
  std::int16_t bestScore_ = 0;
  std::int16_t bestRound_ = 1;
};

}  // namespace

ScriptResult PlayScript(const std::uint8_t* data, std::size_t size) {
  Reader script(data, size);
  return Player().Play(script);
}

}  // namespace zarlin::fuzz
