// Which window system Zarlin runs on, and opening it. The colour buttons stand at fixed places
// on the screen, and only X11 lets a program place its own windows: in a Wayland session the
// game runs on the session's X server (Xwayland), unless the player chose a platform.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

namespace zarlin {

// Call before the application is made, with the platform and the X display the command line
// named, if any. Picks X11 when the player chose no platform (neither QT_QPA_PLATFORM nor
// -platform) and an X display answers; else Wayland where a compositor answers, saying once on
// standard error that the compositor places the buttons. False, said in one line on standard
// error, when no display answers: neither the X display named nor, without one, any other.
// Built without X11 the choice is Qt's.
bool ChooseWindowSystem(const std::optional<std::string>& platform,
                        const std::optional<std::string>& display);

// The application on the chosen window system. Where Qt cannot open it after all (its plugin
// is missing, its server went away), the program says so in one line on standard error and
// ends with status 1, where Qt would abort with a core dump.
std::unique_ptr<QApplication> OpenTheDisplay(int& argc, char** argv);

}  // namespace zarlin
