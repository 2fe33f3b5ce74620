// Choosing X11 where an X display answers, Wayland where only a compositor does, and opening
// the display without an abort.
#include "window_system.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#endif

#ifdef ZARLIN_X11
#include <xcb/xcb.h>
#endif

namespace zarlin {

namespace {

void Say(const std::string& line) {
  std::fputs(("zarlin: " + line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

#ifdef ZARLIN_X11
bool XDisplayAnswers(const char* display) {
  xcb_connection_t* connection = xcb_connect(display, nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}
#endif

// Whether a compositor listens on WAYLAND_DISPLAY: a socket name below XDG_RUNTIME_DIR, or a
// path of its own.
bool WaylandAnswers() {
#ifdef Q_OS_UNIX
  const QByteArray name = qgetenv("WAYLAND_DISPLAY");
  if (name.isEmpty()) return false;
  const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + "/" + name;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool answers = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return answers;
#else
  return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

// Qt's complaints while it opens the display, kept back: if it opens, they are said after all;
// if it cannot, one line says so instead and the program ends.
struct HeldBack {
  QtMsgType type;
  QByteArray category;
  QString message;
};
QtMessageHandler qtsOwnHandler = nullptr;
std::vector<HeldBack>* heldBack = nullptr;

void WhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    Say("no display answers: " + message.section('\n', 0, 0).toStdString());
    std::_Exit(1);
  }
  heldBack->push_back({type, context.category, message});
}

}  // namespace

bool ChooseWindowSystem(const std::optional<std::string>& platform,
                        [[maybe_unused]] const std::optional<std::string>& display) {
  if (platform || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return true;
#ifdef ZARLIN_X11
  if (display) {
    if (!XDisplayAnswers(display->c_str())) {
      Say("the X display " + *display + " does not answer.");
      return false;
    }
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    return true;
  }
  if (!qEnvironmentVariableIsEmpty("DISPLAY") && XDisplayAnswers(nullptr)) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    return true;
  }
  if (!WaylandAnswers()) {
    Say("no display answers: neither an X display (DISPLAY) nor a Wayland compositor "
        "(WAYLAND_DISPLAY).");
    return false;
  }
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
  Say("no X display, so Zarlin runs on Wayland, where the compositor and not the game decides "
      "where the colour buttons go.");
#else
  if (WaylandAnswers()) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
#endif
  return true;
}

std::unique_ptr<QApplication> OpenTheDisplay(int& argc, char** argv) {
  std::vector<HeldBack> messages;
  heldBack = &messages;
  qtsOwnHandler = qInstallMessageHandler(WhileOpening);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(qtsOwnHandler);
  heldBack = nullptr;
  for (const HeldBack& said : messages) {
    qt_message_output(said.type, QMessageLogContext(nullptr, 0, nullptr, said.category.constData()),
                      said.message);
  }
  return application;
}

}  // namespace zarlin
