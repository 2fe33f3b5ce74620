// The real main window and everything it creates, on virtual-time timers and a recording sound
// server, for offscreen tests.
#pragma once

#include <QAction>
#include <QLabel>
#include <QTest>

#include "tests/support/recording_sound.h"
#include "tests/support/virtual_clock.h"
#include "app/main_window.h"
#include "windows/qt_game_windows.h"

namespace zarlin::testing {

struct WindowRig {
  VirtualClock clock;
  RandomSource random{[] { return std::uint64_t{11}; }};
  RecordingSound sound;
  MainWindow main{clock, random, sound};

  Game& game() { return main.game(); }
  QtGameWindows& windows() { return main.gameWindows(); }
  ColourWindow* colourWindow(ColourNumber colour) {
    return windows().ColourSlot(colour).Existing();
  }
  NoticeWindow* notice(Notice notice) { return windows().NoticeSlot(notice).Existing(); }
  QString label(const char* name) { return main.findChild<QLabel*>(name)->text(); }
  void trigger(const char* item) { main.findChild<QAction*>(item)->trigger(); }

  // A click in the middle of a colour window, delivered through the window system as a
  // player's would be, so it lands on whichever face is showing.
  void click(ColourNumber colour) {
    QWidget* window = colourWindow(colour);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(24, 24));
  }
  ColourNumber expected() {
    return game().vars.Sequence[static_cast<std::size_t>(game().vars.InputIndex)];
  }
};

}  // namespace zarlin::testing
