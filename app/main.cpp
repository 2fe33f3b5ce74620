// Zarlin's start: the command line is read once, the window system chosen and opened, and the
// main window created; it loads everything else hidden and is shown.
#include <variant>
#include <vector>

#include "command_line.h"
#include "desktop/qt_timer.h"
#include "sound/sound.h"
#include "desktop/system_clock.h"
#include "desktop/window_system.h"
#include "engine/random_source.h"
#include "language.h"
#include "main_window.h"
#include "version_record.h"

int main(int argc, char* argv[]) {
  auto read = zarlin::ReadCommandLine(argc, argv);
  if (const int* status = std::get_if<int>(&read)) return *status;
  zarlin::CommandLine& commandLine = std::get<zarlin::CommandLine>(read);
  if (!zarlin::ChooseWindowSystem(commandLine.platform, commandLine.display)) return 1;

  // Qt reads its options from these, in the one spelling it knows; they live as long as it.
  std::vector<char*> qtArguments;
  for (std::string& argument : commandLine.qtArguments) qtArguments.push_back(argument.data());
  int qtArgc = static_cast<int>(qtArguments.size());
  qtArguments.push_back(nullptr);
  const auto app = zarlin::OpenTheDisplay(qtArgc, qtArguments.data());
  QApplication::setApplicationName(zarlin::ProductName);
  QApplication::setApplicationVersion(zarlin::ProductVersion);
  QApplication::setDesktopFileName(zarlin::AppId);
  zarlin::SpeakLanguage(zarlin::ChooseLanguage());

  zarlin::QtTimerFactory timers;
  zarlin::RandomSource random(zarlin::SystemClockReading);
  const auto sound = zarlin::DesktopSound(zarlin::ProductName, zarlin::AppId);
  zarlin::MainWindow main(timers, random, *sound);
  main.show();
  return QApplication::exec();
}
