// Which window system Zarlin runs on. The colour buttons stand at fixed places on the screen,
// and only X11 lets a program place its own windows: in a Wayland session the game runs on the
// session's X server (Xwayland), unless the player chose a platform.
#pragma once

namespace zarlin {

// Call before the application is made: picks X11 when the player chose no platform (neither
// QT_QPA_PLATFORM nor -platform) and an X display answers. Without one, says once on standard
// error that the compositor places the buttons. False, said on standard error, when there is
// neither an X display nor a Wayland one to show the game on.
bool ChooseWindowSystem(int argc, char** argv);

}  // namespace zarlin
