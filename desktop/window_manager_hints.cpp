// The window-manager hints, set and watched through the X connection that Qt opened: one filter
// of X events for the whole program, which knows the windows that stand alone.
#include "window_manager_hints.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#ifdef ZARLIN_X11
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>
#endif

namespace zarlin {

namespace {

#ifdef ZARLIN_X11

// The top bit of an event's type marks one that another client sent.
constexpr std::uint8_t EventTypeMask = 0x7f;

xcb_connection_t* QtConnection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

struct StateAtoms {
  xcb_atom_t state, skipTaskbar, demandsAttention;
};

// The three atoms in one round trip: every request goes out before the first reply is read.
StateAtoms InternStateAtoms(xcb_connection_t* connection) {
  constexpr std::array<std::string_view, 3> Names = {
      "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_DEMANDS_ATTENTION"};
  std::array<xcb_intern_atom_cookie_t, 3> cookies{};
  for (std::size_t i = 0; i < Names.size(); ++i) {
    cookies[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(Names[i].size()),
                                 Names[i].data());
  }
  std::array<xcb_atom_t, 3> atoms{};
  for (std::size_t i = 0; i < Names.size(); ++i) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
    atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  }
  return {atoms[0], atoms[1], atoms[2]};
}

xcb_get_property_cookie_t AskStates(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t state) {
  return xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
}

std::vector<xcb_atom_t> States(xcb_connection_t* connection, xcb_get_property_cookie_t asked) {
  const ReplyPointer<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection, asked, nullptr), &std::free);
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
  std::vector<xcb_atom_t> states = States(connection, AskStates(connection, window, atoms.state));
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
}

// The X window of a widget, without making one for a widget that has none yet.
xcb_window_t IdOf(const QWidget& window) {
  return window.testAttribute(Qt::WA_WState_Created)
             ? static_cast<xcb_window_t>(window.internalWinId())
             : xcb_window_t{XCB_WINDOW_NONE};
}

class StandAloneWindows : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit StandAloneWindows(xcb_connection_t* connection) : connection_(connection) {
    qGuiApp->installNativeEventFilter(this);
  }

  void Add(QWidget& window) {
    windows_.emplace_back(&window);
    window.installEventFilter(this);
  }

 protected:
  // The show event comes before the window is mapped. Nothing is asked of the X server before
  // a window is first shown, so that making the windows hidden at start-up costs it nothing.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      StateSkipTaskbar(connection_, IdOf(*static_cast<QWidget*>(watched)), Atoms());
    }
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
    switch (event->response_type & EventTypeMask) {
      case XCB_PROPERTY_NOTIFY:
        PropertyChanged(*static_cast<const xcb_property_notify_event_t*>(message));
        break;
      case XCB_DESTROY_NOTIFY:
        Destroyed(static_cast<const xcb_destroy_notify_event_t*>(message)->window);
        break;
    }
    return false;
  }

 private:
  const StateAtoms& Atoms() {
    if (!atoms_) atoms_ = InternStateAtoms(connection_);
    return *atoms_;
  }

  QWidget* Known(xcb_window_t id) const {
    const auto found = std::find_if(windows_.begin(), windows_.end(), [id](const auto& window) {
      return window && IdOf(*window) == id;
    });
    return found != windows_.end() ? found->data() : nullptr;
  }

  void PropertyChanged(const xcb_property_notify_event_t& changed) {
    if (changed.state != XCB_PROPERTY_NEW_VALUE || Known(changed.window) == nullptr) return;
    if (changed.atom == XCB_ATOM_WM_TRANSIENT_FOR) {
      xcb_delete_property(connection_, changed.window, XCB_ATOM_WM_TRANSIENT_FOR);
      xcb_flush(connection_);
    } else if (changed.atom == Atoms().state) {
      // The states are read once the events at hand are handled, by when the answer is in.
      asked_.push_back({changed.window, AskStates(connection_, changed.window, Atoms().state)});
      xcb_flush(connection_);
      if (asked_.size() == 1) QTimer::singleShot(0, this, [this] { DropDemandsAttention(); });
    }
  }

  void DropDemandsAttention() {
    for (const auto& [window, cookie] : std::exchange(asked_, {})) {
      if (Holds(States(connection_, cookie), Atoms().demandsAttention)) {
        AskToDrop(connection_, window, Atoms().state, Atoms().demandsAttention);
      }
    }
    xcb_flush(connection_);
  }

  // Whichever of the program's windows it was: the close box's path makes it afresh when next
  // needed, and closing the main window ends the program, as it should.
  void Destroyed(xcb_window_t id) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), nullptr), windows_.end());
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (IdOf(*window) == id) {
        QTimer::singleShot(0, window, [window] { window->close(); });
      }
    }
  }

  xcb_connection_t* connection_;
  std::optional<StateAtoms> atoms_;
  std::vector<QPointer<QWidget>> windows_;
  std::vector<std::pair<xcb_window_t, xcb_get_property_cookie_t>> asked_;
};

#endif

}  // namespace

void StandAlone([[maybe_unused]] QWidget& window) {
#ifdef ZARLIN_X11
  static xcb_connection_t* const connection = QtConnection();
  if (connection == nullptr) return;
  static auto* const standAlone = new StandAloneWindows(connection);
  standAlone->Add(window);
#endif
}

}  // namespace zarlin
