// Main: the program's first window and its hub. Its load sets up the game and every other
// long-lived window, its menus start games and open the other windows, and its two counters
// show the round and the score. Closing it ends the program.
#pragma once

#include <QMainWindow>
#include <memory>

#include "sound/sound.h"
#include "engine/game.h"
#include "engine/random_source.h"
#include "engine/timer.h"
#include "info/info_dialogs.h"
#include "options/options_dialog.h"
#include "window_parts/window_slot.h"

class QLabel;
class QMenu;

namespace zarlin {

class QtGameWindows;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(TimerFactory& timers, RandomSource& random, Sound& sound);
  ~MainWindow() override;

  Game& game() { return *game_; }
  QtGameWindows& gameWindows() { return *windows_; }
  InfoDialogs& infoDialogs() { return info_; }
  WindowSlot<OptionsDialog>& optionsDialog() { return options_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load(TimerFactory& timers, RandomSource& random, Sound& sound);
  void createCounters();
  void createMenus();
  template <typename Handler>
  QAction* addItem(QMenu* menu, const char* name, const QString& caption, Handler handler,
                   const QKeySequence& shortcut = {});

  void F_NewGame_Click();
  void F_Exit_Click();
  void V_ShowCurrent_Click();
  void G_Options_Click();
  void G_Sound_Click(bool checked);

  QLabel* lblRoundValue_ = nullptr;
  QLabel* lblScoreValue_ = nullptr;
  std::unique_ptr<QtGameWindows> windows_;
  std::unique_ptr<Game> game_;
  Sound* sound_ = nullptr;
  InfoDialogs info_;
  WindowSlot<OptionsDialog> options_;
};

}  // namespace zarlin
