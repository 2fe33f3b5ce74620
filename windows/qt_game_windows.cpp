// The game's window operations carried out on the real windows, and the arrangement of the
// colour buttons.
#include "qt_game_windows.h"

#include "tones.h"

#include <QLabel>
#include <algorithm>
#include <span>

namespace zarlin {

namespace {

// The order in which ArrangeButtons shows the buttons for each number of colours; the last one
// shown ends up the active window.
std::span<const ColourNumber> ShowingOrder(std::int16_t colourCount) {
  static constexpr ColourNumber Two[] = {White, Yellow};
  static constexpr ColourNumber Three[] = {White, Yellow, Red};
  static constexpr ColourNumber Four[] = {White, Yellow, Red, Green};
  static constexpr ColourNumber Five[] = {Yellow, Red, Blue, White, Green};
  static constexpr ColourNumber Six[] = {Yellow, Red, Blue, Green, White, Black};
  switch (colourCount) {
    case 2: return Two;
    case 3: return Three;
    case 4: return Four;
    case 5: return Five;
    case 6: return Six;
    default: return {};
  }
}

}  // namespace

QtGameWindows::QtGameWindows(QLabel& lblRoundValue, QLabel& lblScoreValue, TimerFactory& timers,
                             Sound& sound)
    : lblRoundValue_(lblRoundValue),
      lblScoreValue_(lblScoreValue),
      timers_(timers),
      sound_(sound),
      gameOver_([] { return std::make_unique<NoticeWindow>(GameOverDesign); }),
      win_([] { return std::make_unique<NoticeWindow>(WinDesign); }) {
  for (const ColourDesign& design : ColourFamily) {
    colourWindows_[ColourIndex(design.number)] =
        std::make_unique<WindowSlot<ColourWindow>>([this, &design] {
          auto window = std::make_unique<ColourWindow>(design, *game_, timers_);
          colourKeys_.Watch(*window);
          return window;
        });
  }
}

QtGameWindows::~QtGameWindows() = default;

void QtGameWindows::CreateColourWindows(Game& game) {
  game_ = &game;
  for (ColourNumber colour = LastColour; colour >= FirstColour; --colour) ColourSlot(colour).Get();
}

void QtGameWindows::CreateNotices() {
  gameOver_.Hide();
  win_.Hide();
}

WindowSlot<ColourWindow>& QtGameWindows::ColourSlot(ColourNumber colour) {
  return *colourWindows_[ColourIndex(colour)];
}

WindowSlot<NoticeWindow>& QtGameWindows::NoticeSlot(Notice notice) {
  return notice == Notice::GameOver ? gameOver_ : win_;
}

void QtGameWindows::ShowColourWindow(ColourNumber colour) { ColourSlot(colour).Show(); }

// A window the player closed is not made again: a click could not reach it either.
void QtGameWindows::PressColourKey(ColourNumber colour) {
  ColourWindow* window = ColourSlot(colour).Existing();
  if (window != nullptr && window->isVisible()) window->PressFace();
}

// All six are hidden, then those taking part shown in their order. A window shown again within
// the same handler is left on the screen rather than hidden first: on X11 an unmap followed at
// once by a map races with the window manager, which can withdraw the button for good. Only the
// last window shown is activated: a window mapped afresh (one the player had closed) would
// otherwise take the focus when its map arrives, after the last one's activation. What the
// player sees at the end, the visible set and the active window, is the same.
void QtGameWindows::ArrangeButtons(std::int16_t colourCount) {
  const std::span<const ColourNumber> shown = ShowingOrder(colourCount);
  for (ColourNumber colour = FirstColour; colour <= LastColour; ++colour) {
    if (std::find(shown.begin(), shown.end(), colour) == shown.end()) ColourSlot(colour).Hide();
  }
  if (shown.empty()) return;
  for (ColourNumber colour : shown.first(shown.size() - 1)) ColourSlot(colour).ShowInFront();
  ColourSlot(shown.back()).Show();
}

void QtGameWindows::SetSoundOn(bool on) {
  soundOn_ = on;
  if (!on) sound_.Play({});
}

// The tone starts with the flash and lasts as long.
void QtGameWindows::FlashButton(ColourNumber colour, std::int32_t milliseconds) {
  ColourSlot(colour).Get().Flash(milliseconds);
  if (soundOn_) {
    const Note tone[] = {{Pitch(colour), milliseconds}};
    sound_.Play(tone);
  }
}

void QtGameWindows::SetRoundValue(const std::string& caption) {
  lblRoundValue_.setText(QString::fromStdString(caption));
}

void QtGameWindows::SetScoreValue(const std::string& caption) {
  lblScoreValue_.setText(QString::fromStdString(caption));
}

void QtGameWindows::ShowNotice(Notice notice) {
  NoticeSlot(notice).Show();
  if (soundOn_) sound_.Play(TuneOf(notice));
}

void QtGameWindows::HideNotice(Notice notice) { NoticeSlot(notice).Hide(); }

}  // namespace zarlin
