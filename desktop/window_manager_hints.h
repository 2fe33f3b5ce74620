// The window-manager hints of the windows that stand alone on the desktop: the colour buttons
// and the options dialog.
#pragma once

class QWidget;

namespace zarlin {

// Keeps the window off the task bar for as long as it lives, owned by no other window, and from
// calling for the player. Qt offers no call for any of this. On X11 the window states
// _NET_WM_STATE_SKIP_TASKBAR before every map, since a window manager drops a window's states
// when it is hidden; and it takes off WM_TRANSIENT_FOR and _NET_WM_STATE_DEMANDS_ATTENTION
// whenever Qt or the window manager puts them on. Elsewhere it does nothing.
//
// Also on X11, any of the program's windows that another program destroys (xdotool windowclose,
// say) is closed as its close box would close it, so that the game makes it afresh when it next
// needs it, as after the player closed it.
void StandAlone(QWidget& window);

}  // namespace zarlin
