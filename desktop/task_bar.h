// Windows that stay off the desktop's task bar: the colour buttons and the options dialog.
#pragma once

class QWidget;

namespace zarlin {

// Keeps the window off the task bar for as long as it lives. Qt offers no call for this; on
// X11 the window states _NET_WM_STATE_SKIP_TASKBAR before every map, since a window manager
// drops a window's states when it is hidden. Elsewhere it does nothing.
void KeepOffTheTaskBar(QWidget& window);

}  // namespace zarlin
