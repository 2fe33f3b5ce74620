// The task-bar hint, set through the X connection that Qt opened.
#include "task_bar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#ifdef ZARLIN_X11
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>
#endif

namespace zarlin {

namespace {

#ifdef ZARLIN_X11

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Adds the skip-taskbar state to the states the window will be mapped with. Qt writes its own
// states on map too, keeping those already there.
void StateSkipTaskbar(xcb_connection_t* connection, xcb_window_t window) {
  const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
  const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE) return;
  const auto cookie = xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  std::vector<xcb_atom_t> states;
  if (reply && reply->format == 32) {
    const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    states.assign(held, held + xcb_get_property_value_length(reply.get()) / 4);
  }
  if (std::find(states.begin(), states.end(), skipTaskbar) != states.end()) return;
  states.push_back(skipTaskbar);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(states.size()), states.data());
}

#endif

class TaskBarHint : public QObject {
 public:
  explicit TaskBarHint(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

 protected:
  // The show event comes before the window is mapped.
  bool eventFilter(QObject*, QEvent* event) override {
#ifdef ZARLIN_X11
    if (event->type() != QEvent::Show) return false;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
      StateSkipTaskbar(x11->connection(), static_cast<xcb_window_t>(window_.winId()));
    }
#else
    Q_UNUSED(event);
#endif
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace

void KeepOffTheTaskBar(QWidget& window) { new TaskBarHint(window); }

}  // namespace zarlin
