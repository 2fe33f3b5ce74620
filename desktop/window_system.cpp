// Choosing X11 where an X display answers.
#include "window_system.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <string_view>

#ifdef ZARLIN_X11
#include <xcb/xcb.h>
#endif

namespace zarlin {

namespace {

// The value of a Qt option such as -platform or -display, which Qt also takes with two dashes.
const char* QtOption(int argc, char** argv, std::string_view name) {
  for (int i = 1; i + 1 < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg.starts_with("--")) arg.remove_prefix(1);
    if (arg.starts_with('-') && arg.substr(1) == name) return argv[i + 1];
  }
  return nullptr;
}

bool XDisplayAnswers([[maybe_unused]] const char* display) {
#ifdef ZARLIN_X11
  if (display == nullptr && qEnvironmentVariableIsEmpty("DISPLAY")) return false;
  xcb_connection_t* connection = xcb_connect(display, nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
#else
  return false;
#endif
}

}  // namespace

bool ChooseWindowSystem(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || QtOption(argc, argv, "platform")) return true;
  if (XDisplayAnswers(QtOption(argc, argv, "display"))) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    return true;
  }
  if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    std::fputs("zarlin: no display to show the game on: neither an X display nor a Wayland one "
               "answers (DISPLAY, WAYLAND_DISPLAY).\n",
               stderr);
    return false;
  }
  std::fputs("zarlin: no X display, so Zarlin runs on Wayland, where the compositor and not the "
             "game decides where the colour buttons go.\n",
             stderr);
  return true;
}

}  // namespace zarlin
