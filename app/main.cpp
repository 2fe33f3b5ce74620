// Zarlin's start: the main window is created, loads everything else hidden, and is shown.
#include <QApplication>

#include "command_line.h"
#include "engine/random_source.h"
#include "version_record.h"
#include "desktop/window_system.h"
#include "main_window.h"
#include "desktop/qt_timer.h"
#include "desktop/system_clock.h"

int main(int argc, char* argv[]) {
  if (const auto status = zarlin::ReadCommandLine(argc, argv)) return *status;
  if (!zarlin::ChooseWindowSystem(argc, argv)) return 1;
  QApplication app(argc, argv);
  QApplication::setApplicationName(zarlin::ProductName);
  QApplication::setApplicationVersion(zarlin::ProductVersion);
  QApplication::setDesktopFileName(zarlin::AppId);

  zarlin::QtTimerFactory timers;
  zarlin::RandomSource random(zarlin::SystemClockReading);
  zarlin::MainWindow main(timers, random);
  main.show();
  return QApplication::exec();
}
