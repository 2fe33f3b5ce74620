// The window-manager hints, set and watched through the X connection that Qt opened.
#include "window_manager_hints.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#ifdef ZARLIN_X11
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
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

xcb_connection_t* QtConnection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

struct StateAtoms {
  xcb_atom_t state, skipTaskbar, demandsAttention;
};

std::vector<xcb_atom_t> States(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state) {
  const auto cookie = xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
  const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(connection, cookie, nullptr), &std::free);
  if (!reply || reply->format != 32) return {};
  const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  return {held, held + xcb_get_property_value_length(reply.get()) / 4};
}

bool Holds(const std::vector<xcb_atom_t>& states, xcb_atom_t atom) {
  return std::find(states.begin(), states.end(), atom) != states.end();
}

// Adds the skip-taskbar state to the states the window will be mapped with. Qt writes its own
// states on map too, keeping those already there.
void StateSkipTaskbar(xcb_connection_t* connection, xcb_window_t window, const StateAtoms& atoms) {
  std::vector<xcb_atom_t> states = States(connection, window, atoms.state);
  if (Holds(states, atoms.skipTaskbar)) return;
  states.push_back(atoms.skipTaskbar);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atoms.state, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(states.size()), states.data());
}

// Asks the window manager, as EWMH lets an application, to take a state off a mapped window.
void AskToDrop(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
               xcb_atom_t dropped) {
  constexpr std::uint32_t Remove = 0;
  constexpr std::uint32_t FromAnApplication = 1;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = state;
  message.data.data32[0] = Remove;
  message.data.data32[1] = dropped;
  message.data.data32[3] = FromAnApplication;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

class StandAloneHints : public QObject, public QAbstractNativeEventFilter {
 public:
  StandAloneHints(QWidget& window, xcb_connection_t* connection)
      : QObject(&window),
        window_(window),
        connection_(connection),
        atoms_{Atom(connection, "_NET_WM_STATE"), Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
               Atom(connection, "_NET_WM_STATE_DEMANDS_ATTENTION")} {
    window.installEventFilter(this);
    qGuiApp->installNativeEventFilter(this);
  }

 protected:
  // The show event comes before the window is mapped.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) StateSkipTaskbar(connection_, Id(), atoms_);
    return false;
  }

  // Two marks come off as soon as they are put on. A window manager that maps a window without
  // the focus may mark it as demanding attention, when it likes: KWin at once, mutter once it
  // has placed the window; task managers and window switchers then show the button as calling
  // for the player, for good. And Qt makes every tool window transient for the program as it
  // maps it, so that KWin hides the buttons whenever another program is active; the buttons
  // belong to no window.
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    const auto* changed = static_cast<const xcb_property_notify_event_t*>(message);
    if (!window_.testAttribute(Qt::WA_WState_Created) || changed->window != Id() ||
        changed->state != XCB_PROPERTY_NEW_VALUE) {
      return false;
    }
    if (changed->atom == XCB_ATOM_WM_TRANSIENT_FOR) {
      xcb_delete_property(connection_, Id(), XCB_ATOM_WM_TRANSIENT_FOR);
      xcb_flush(connection_);
    } else if (changed->atom == atoms_.state &&
               Holds(States(connection_, Id(), atoms_.state), atoms_.demandsAttention)) {
      AskToDrop(connection_, Id(), atoms_.state, atoms_.demandsAttention);
    }
    return false;
  }

 private:
  xcb_window_t Id() const { return static_cast<xcb_window_t>(window_.winId()); }

  QWidget& window_;
  xcb_connection_t* connection_;
  StateAtoms atoms_;
};

#endif

}  // namespace

void StandAlone([[maybe_unused]] QWidget& window) {
#ifdef ZARLIN_X11
  if (xcb_connection_t* connection = QtConnection()) new StandAloneHints(window, connection);
#endif
}

}  // namespace zarlin
